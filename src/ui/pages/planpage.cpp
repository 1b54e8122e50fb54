#include "planpage.h"

#include "widgets/chooserplacement.h"
#include "grid/gridview.h"
#include "model/grid.h"
#include "school/teachingplan.h"
#include "widgets/spinbuttons.h"
#include "workspace.h"

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
      combo5_(makeChooser("Combo5", PlanChooser::Teacher)),
      combo8_(makeChooser("Combo8", PlanChooser::Periods)),
      combo9_(makeChooser("Combo9", PlanChooser::Venue)),
      combo10_(makeChooser("Combo10", PlanChooser::CopyPlan)), combo1_(new QComboBox(this)),
      text5_(new QLineEdit(QStringLiteral("0"), this)), upDown4_(new SpinButtons(0, 0, this))
{
    view_->setObjectName(QStringLiteral("jhb"));
    // The class and course of a row stay in view when the plan scrolls sideways.
    view_->setFrozenColumns(school::CourseColumn + 1);
    view_->installEventFilter(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setMinimumContentsLength(10);
    text5_->setObjectName(QStringLiteral("Text5"));
    text5_->setFixedWidth(48);
    upDown4_->setObjectName(QStringLiteral("UpDown4"));
    connect(view_, &GridView::scrolled, this, &PlanPage::hideChoosers);
    connect(&plan.changes(), &model::GridSignals::currentCellChanged, this,
            &PlanPage::onCurrentCellChanged);

    auto* finder = new QHBoxLayout;
    auto* finderLabel = new QLabel(QStringLiteral(u"查找班级"), this);
    finderLabel->setBuddy(combo1_);
    finder->addWidget(finderLabel);
    finder->addWidget(combo1_);
    finder->addWidget(text5_);
    finder->addWidget(upDown4_);
    finder->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(finder);
    layout->addWidget(view_, 1);
}

QComboBox* PlanPage::makeChooser(const char* name, PlanChooser kind)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
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
    case PlanChooser::Teacher: return combo5_;
    case PlanChooser::Periods: return combo8_;
    case PlanChooser::Venue: return combo9_;
    case PlanChooser::CopyPlan: return combo10_;
    case PlanChooser::None: break;
    }
    return nullptr;
}

void PlanPage::hideChoosers()
{
    for (QComboBox* combo : {combo5_, combo8_, combo9_, combo10_})
        combo->hide();
}

void PlanPage::showChooser(const school::ChooserRequest& request)
{
    QComboBox* combo = chooser(request.chooser);
    for (QComboBox* other : {combo5_, combo8_, combo9_, combo10_})
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
    setEntries(combo5_, ws.editor.plan.teacherChoices);
    setEntries(combo8_, ws.editor.plan.periodChoices);
    setEntries(combo9_, ws.editor.plan.venueChoices);
    setEntries(combo10_, ws.editor.plan.copySourceChoices);
    setEntries(combo1_, ws.editor.plan.classFinderChoices);
    if (combo1_->count() > 0) {
        const QSignalBlocker blocker(combo1_);
        combo1_->setCurrentIndex(0);
    }
    upDown4_->setRange(0, std::max(int(ws.editor.plan.classFinderChoices.size()) - 1, 0));
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
