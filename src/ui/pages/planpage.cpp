#include "planpage.h"

#include "grid/gridview.h"
#include "model/grid.h"
#include "school/teachingplan.h"
#include "widgets/chooserplacement.h"
#include "widgets/spinbuttons.h"
#include "workspace.h"

#include "widgets/accessiblenames.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orve::ui {

namespace {

using school::PlanChooser;

int twipsToPixels(int twips)
{
    return twips / GridView::TwipsPerPixel;
}

void setEntries(QComboBox* combo, const QStringList& entries)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
}

// A cell text that is no entry is shown as the chooser's placeholder text.
void showText(QComboBox* combo, const QString& text)
{
    const QSignalBlocker blocker(combo);
    const int index = combo->findText(text, Qt::MatchExactly);
    combo->setPlaceholderText(index < 0 ? text : QString());
    combo->setCurrentIndex(index);
}

} // namespace

PlanPage::PlanPage(model::Grid& plan, QWidget* parent)
    : QWidget(parent), view_(new GridView(plan, this)),
      teacherChooser_(makeChooser("teacherChooser", u"选择任课教师", PlanChooser::Teacher)),
      periodsChooser_(makeChooser("periodsChooser", u"选择每周节数", PlanChooser::Periods)),
      venueChooser_(makeChooser("venueChooser", u"选择上课场地", PlanChooser::Venue)),
      copyPlanChooser_(
          makeChooser("copyPlanChooser", u"选择复制教学计划的班级", PlanChooser::CopyPlan)),
      classFinder_(new QComboBox(this)), classNumber_(new QLineEdit(QStringLiteral("0"), this)),
      classStepper_(new SpinButtons(0, 0, this))
{
    nameControl(view_, "teachingPlan", QStringLiteral(u"教学计划表"));
    // The class and course of a row stay in view when the plan scrolls sideways.
    view_->setFrozenColumns(school::CourseColumn + 1);
    view_->installEventFilter(this);
    nameControl(classFinder_, "classFinder", QStringLiteral(u"查找班级"));
    classFinder_->setMinimumContentsLength(10);
    nameControl(classNumber_, "classFinderNumber", QStringLiteral(u"查找班级的序号"));
    classNumber_->setFixedWidth(48);
    nameControl(classStepper_, "classFinderStepper", QStringLiteral(u"查找班级的序号"));
    connect(view_, &GridView::scrolled, this, &PlanPage::hideChoosers);
    connect(&plan.changes(), &model::GridSignals::currentCellChanged, this,
            &PlanPage::onCurrentCellChanged);

    auto* finder = new QHBoxLayout;
    auto* finderLabel = new QLabel(QStringLiteral(u"查找班级"), this);
    finderLabel->setBuddy(classFinder_);
    finder->addWidget(finderLabel);
    finder->addWidget(classFinder_);
    finder->addWidget(classNumber_);
    finder->addWidget(classStepper_);
    finder->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(finder);
    layout->addWidget(view_, 1);
}

QComboBox* PlanPage::makeChooser(const char* name, const char16_t* spoken, PlanChooser kind)
{
    auto* combo = new QComboBox(this);
    nameControl(combo, name, QString::fromUtf16(spoken));
    combo->setMaxVisibleItems(20);
    combo->hide();
    // activated also reports choosing the entry that is already shown.
    connect(combo, &QComboBox::activated, this, [this, combo, kind](int index) {
        if (index >= 0)
            emit chooserPicked(kind, combo->itemText(index));
    });
    return combo;
}

QComboBox* PlanPage::chooser(PlanChooser chooser) const
{
    switch (chooser) {
    case PlanChooser::Teacher:
        return teacherChooser_;
    case PlanChooser::Periods:
        return periodsChooser_;
    case PlanChooser::Venue:
        return venueChooser_;
    case PlanChooser::CopyPlan:
        return copyPlanChooser_;
    case PlanChooser::None:
        break;
    }
    return nullptr;
}

void PlanPage::hideChoosers()
{
    for (QComboBox* combo : {teacherChooser_, periodsChooser_, venueChooser_, copyPlanChooser_})
        combo->hide();
}

void PlanPage::showChooser(const school::ChooserRequest& request)
{
    QComboBox* combo = chooser(request.chooser);
    for (QComboBox* other : {teacherChooser_, periodsChooser_, venueChooser_, copyPlanChooser_})
        if (other != combo)
            other->hide();
    if (!combo)
        return;

    if (request.fontSize > 0) {
        QFont font = combo->font();
        font.setPointSize(request.fontSize);
        combo->setFont(font);
    }
    showText(combo, request.text);

    const QRect cell = view_->cellRect(request.row, request.column);
    const QPoint topLeft = view_->mapTo(this, cell.topLeft());
    const int width = request.extraWidth ? cell.width() + twipsToPixels(*request.extraWidth)
                                         : combo->sizeHint().width();
    // A merged class cell spans its block; the chooser keeps its own height.
    const int height = combo->sizeHint().height();
    const int cellLeft = request.leftInsideTable ? cell.left() : topLeft.x();
    // Whole on the page, also where it would stick out past the first or the last column.
    const QRect wanted(cellLeft + twipsToPixels(request.leftOffset), topLeft.y(), width, height);
    combo->setGeometry(keptInside(wanted, visibleArea(this)));
    chooserRow_ = request.row;
    chooserColumn_ = request.column;
    combo->raise();
    combo->show();
}

void PlanPage::showChooserEntries(const Workspace& ws)
{
    setEntries(teacherChooser_, ws.editor.plan.teacherChoices);
    setEntries(periodsChooser_, ws.editor.plan.periodChoices);
    setEntries(venueChooser_, ws.editor.plan.venueChoices);
    setEntries(copyPlanChooser_, ws.editor.plan.copySourceChoices);
    setEntries(classFinder_, ws.editor.plan.classFinderChoices);
    if (classFinder_->count() > 0) {
        const QSignalBlocker blocker(classFinder_);
        classFinder_->setCurrentIndex(0);
    }
    classStepper_->setRange(0, std::max(int(ws.editor.plan.classFinderChoices.size()) - 1, 0));
}

void PlanPage::onCurrentCellChanged(int row, int column)
{
    // A pick writes the current cell: once the cursor has left the chooser's cell (keys, a
    // scan), the chooser must not stay to write elsewhere.
    if (row != chooserRow_ || column != chooserColumn_)
        hideChoosers();
}

bool PlanPage::eventFilter(QObject* watched, QEvent* event)
{
    // Queued: the view tells the grid its new size only after the filters have seen the event.
    if (watched == view_ && event->type() == QEvent::Resize)
        QMetaObject::invokeMethod(this, &PlanPage::viewResized, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

} // namespace orve::ui
