#include "fixedlessonsbox.h"

#include "conditions/fixedlessons.h"
#include "grid/gridview.h"
#include "widgets/chooserplacement.h"
#include "widgets/spinbuttons.h"
#include "workspace.h"

#include "widgets/accessiblenames.h"

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
    : QWidget(parent), ws_(ws), ui_(ui), classChooser_(new QComboBox(this)),
      classIndexField_(new QLineEdit(this)), classStepper_(new SpinButtons(0, 0, this)),
      view_(new GridView(ws.editor.fixedLessonGrid, this)), courseChooser_(new QComboBox(this)),
      entryList_(new QComboBox(this))
{
    nameControl(classChooser_, "fixedLessonClass", QStringLiteral(u"固定课预排的班级"));
    classChooser_->setMinimumContentsLength(10);
    nameControl(classIndexField_, "fixedLessonClassIndex", QStringLiteral(u"固定课预排的班级序号"));
    classIndexField_->setReadOnly(true);
    classIndexField_->setFixedWidth(40);
    nameControl(classStepper_, "fixedLessonClassStepper", QStringLiteral(u"固定课预排的班级序号"));
    nameControl(view_, "fixedLessonGrid", QStringLiteral(u"固定课程表"));
    view_->setFixedSize(GridSize);
    // The layout of the grid is computed before it is first shown.
    const int frame = 2 * view_->frameWidth();
    ws.editor.fixedLessonGrid.setViewSize((GridSize.width() - frame) * GridView::TwipsPerPixel,
                                          (GridSize.height() - frame) * GridView::TwipsPerPixel);
    nameControl(courseChooser_, "fixedLessonCourse", QStringLiteral(u"选择固定课程"));
    courseChooser_->hide();
    nameControl(entryList_, "fixedLessonList", QStringLiteral(u"固定课程列表"));
    entryList_->setEditable(true);
    entryList_->lineEdit()->setReadOnly(true);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral(u"固定课程设置与列表"), this), 0, 0, 1, 4);
    layout->addWidget(classChooser_, 1, 0);
    layout->addWidget(classIndexField_, 1, 1);
    layout->addWidget(classStepper_, 1, 2);
    layout->setColumnStretch(3, 1);
    layout->addWidget(view_, 2, 0, 1, 4);
    layout->addWidget(entryList_, 3, 0, 1, 4);
    layout->setRowStretch(4, 1);

    connect(classChooser_, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { conditions::chooseClass(ws_, index); });
    connect(classStepper_, &SpinButtons::stepped, this,
            [this](int delta) { conditions::stepClassChooser(ws_, delta); });
    connect(view_, &GridView::cellReleased, this, [this](int row, int column) {
        conditions::releaseOnFixedGrid(ws_, ui_, {row, column});
    });
    connect(courseChooser_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        conditions::chooseCourse(ws_, ui_, ws_.editor.fixedLessonGrid.currentCell(),
                                 courseChooser_->itemText(index));
    });
    for (const auto signal : {&Notifier::fixedLessonEditorChanged, &Notifier::conditionsChanged,
                              &Notifier::schoolReplaced})
        connect(&ws_.notifier, signal, this, &FixedLessonsBox::refresh);
}

void FixedLessonsBox::refresh()
{
    const FixedLessonChoosers& choosers = ws_.editor.fixedLessons;
    setItems(classChooser_, choosers.classChoices, choosers.classIndex);
    classIndexField_->setText(choosers.classNumber);
    classStepper_->setRange(0, std::max(int(choosers.classChoices.size()) - 1, 0));
    // prepareFixedLessons makes the first course the chooser's text.
    setItems(courseChooser_, choosers.courseChoices, choosers.courseChoices.isEmpty() ? -1 : 0);
    setItems(entryList_, ws_.school.fixedLessons, -1);
    entryList_->setEditText(choosers.listText);
    if (choosers.courseChooserShown)
        placeCourseChooser();
    else
        courseChooser_->hide();
}

void FixedLessonsBox::placeCourseChooser()
{
    const model::Grid& grid = ws_.editor.fixedLessonGrid;
    const QRect cell = view_->cellRect(grid.currentRow(), grid.currentColumn());
    QFont font = courseChooser_->font();
    font.setPointSize(CourseChooserFontSize);
    courseChooser_->setFont(font);
    // Just past the cell's right edge; left of the cell where the box would cut it off.
    const QSize size(cell.width() + CourseChooserExtraTwips / GridView::TwipsPerPixel,
                     courseChooser_->sizeHint().height());
    courseChooser_->setGeometry(besideCell(QRect(view_->mapTo(this, cell.topLeft()), cell.size()),
                                           size, visibleArea(this)));
    courseChooser_->raise();
    courseChooser_->show();
}

} // namespace orve::ui
