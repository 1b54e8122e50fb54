#include "fixedlessonsbox.h"

#include "widgets/chooserplacement.h"
#include "conditions/fixedlessons.h"
#include "grid/gridview.h"
#include "widgets/spinbuttons.h"
#include "workspace.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace orve::ui {

namespace {

constexpr int CourseChooserExtraTwips = 300;
constexpr int CourseChooserFontSize = 12; // points

void setItems(QComboBox* combo, const QStringList& items, int current)
{
    const QSignalBlocker blocked(combo);
    QStringList shown;
    shown.reserve(combo->count());
    for (int i = 0; i < combo->count(); ++i)
        shown.append(combo->itemText(i));
    if (shown != items) {
        combo->clear();
        combo->addItems(items);
    }
    combo->setCurrentIndex(current);
}

} // namespace

FixedLessonsBox::FixedLessonsBox(Workspace& ws, UiPort& ui, QWidget* parent)
    : QWidget(parent), ws_(ws), ui_(ui), combo4_(new QComboBox(this)),
      text10_(new QLineEdit(this)), upDown9_(new SpinButtons(0, 0, this)),
      view_(new GridView(ws.editor.fixedLessonGrid, this)), combo11_(new QComboBox(this)),
      combo6_(new QComboBox(this))
{
    combo4_->setObjectName(QStringLiteral("Combo4"));
    combo4_->setMinimumContentsLength(10);
    text10_->setObjectName(QStringLiteral("Text10"));
    text10_->setReadOnly(true);
    text10_->setFixedWidth(40);
    upDown9_->setObjectName(QStringLiteral("UpDown9"));
    view_->setObjectName(QStringLiteral("msgrid1"));
    view_->setFixedSize(GridSize);
    // The layout of the grid is computed before it is first shown.
    const int frame = 2 * view_->frameWidth();
    ws.editor.fixedLessonGrid.setViewSize((GridSize.width() - frame) * GridView::TwipsPerPixel,
                                          (GridSize.height() - frame) * GridView::TwipsPerPixel);
    combo11_->setObjectName(QStringLiteral("Combo11"));
    combo11_->hide();
    combo6_->setObjectName(QStringLiteral("Combo6"));
    combo6_->setEditable(true);
    combo6_->lineEdit()->setReadOnly(true);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral(u"固定课程设置与列表"), this), 0, 0, 1, 4);
    layout->addWidget(combo4_, 1, 0);
    layout->addWidget(text10_, 1, 1);
    layout->addWidget(upDown9_, 1, 2);
    layout->setColumnStretch(3, 1);
    layout->addWidget(view_, 2, 0, 1, 4);
    layout->addWidget(combo6_, 3, 0, 1, 4);
    layout->setRowStretch(4, 1);

    connect(combo4_, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { conditions::chooseClass(ws_, index); });
    connect(upDown9_, &SpinButtons::stepped, this,
            [this](int delta) { conditions::stepClassChooser(ws_, delta); });
    connect(view_, &GridView::cellReleased, this, [this](int row, int column) {
        conditions::releaseOnFixedGrid(ws_, ui_, {row, column});
    });
    connect(combo11_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        conditions::chooseCourse(ws_, ui_, ws_.editor.fixedLessonGrid.currentCell(),
                                 combo11_->itemText(index));
    });
    for (const auto signal : {&Notifier::fixedLessonEditorChanged, &Notifier::conditionsChanged,
                              &Notifier::schoolReplaced})
        connect(&ws_.notifier, signal, this, &FixedLessonsBox::refresh);
}

void FixedLessonsBox::refresh()
{
    const FixedLessonChoosers& choosers = ws_.editor.fixedLessons;
    setItems(combo4_, choosers.classChoices, choosers.classIndex);
    text10_->setText(choosers.classNumber);
    upDown9_->setRange(0, std::max(int(choosers.classChoices.size()) - 1, 0));
    // prepareFixedLessons makes the first course the chooser's text.
    setItems(combo11_, choosers.courseChoices, choosers.courseChoices.isEmpty() ? -1 : 0);
    setItems(combo6_, ws_.school.fixedLessons, -1);
    combo6_->setEditText(choosers.listText);
    if (choosers.courseChooserShown)
        placeCourseChooser();
    else
        combo11_->hide();
}

void FixedLessonsBox::placeCourseChooser()
{
    const model::Grid& grid = ws_.editor.fixedLessonGrid;
    const QRect cell = view_->cellRect(grid.currentRow(), grid.currentColumn());
    QFont font = combo11_->font();
    font.setPointSize(CourseChooserFontSize);
    combo11_->setFont(font);
    // Just past the cell's right edge; left of the cell where the box would cut it off.
    const QSize size(cell.width() + CourseChooserExtraTwips / GridView::TwipsPerPixel,
                     combo11_->sizeHint().height());
    combo11_->setGeometry(besideCell(QRect(view_->mapTo(this, cell.topLeft()), cell.size()), size,
                                     visibleArea(this)));
    combo11_->raise();
    combo11_->show();
}

} // namespace orve::ui
