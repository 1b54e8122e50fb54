#include "timetablewindow.h"

#include "grid/gridview.h"
#include "uiport.h"
#include "widgets/accessiblenames.h"
#include "widgets/spinbuttons.h"
#include "workspace.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orve::ui {

namespace {

using views::WeekViewKind;

// Fits a 1366 x 768 screen beside (partly over) the main window.
constexpr QSize WindowSize(760, 540);

} // namespace

TimetableWindow::TimetableWindow(Workspace& ws, UiPort& ui, QWidget* owner)
    : QWidget(owner, Qt::Window), ws_(ws), ui_(ui), caption_(new QLabel(this)),
      entryChooser_(new QFrame(this)), entries_(new QComboBox(entryChooser_)),
      number_(new QLineEdit(QStringLiteral("0"), entryChooser_)),
      stepper_(new SpinButtons(0, 0, entryChooser_)), grid_(new GridView(view_.grid, this)),
      print_(new QPushButton(QStringLiteral(u"打印"), this)),
      backButton_(new QPushButton(QStringLiteral(u"返回"), this))
{
    setObjectName(QStringLiteral("timetableWindow"));
    setWindowTitle(QStringLiteral(u"Orve智能排课系统--察看与调整课程表"));
    resize(WindowSize);

    nameControl(caption_, "caption", QStringLiteral(u"课程表标题"));
    caption_->setAlignment(Qt::AlignCenter);
    QFont titleFont = caption_->font();
    titleFont.setPointSize(titleFont.pointSize() + 5);
    titleFont.setBold(true);
    caption_->setFont(titleFont);
    nameControl(entryChooser_, "entryChooser", QStringLiteral(u"选择班级或教师"));
    nameControl(entries_, "entries", QStringLiteral(u"选择班级或教师"));
    entries_->setMinimumContentsLength(12);
    entries_->setMaxVisibleItems(20);
    nameControl(number_, "entryNumber", QStringLiteral(u"班级或教师的序号"));
    number_->setFixedWidth(48);
    number_->setToolTip(QStringLiteral(u"第几个（从 0 起），输入后按回车"));
    nameControl(stepper_, "entryStepper", QStringLiteral(u"班级或教师的序号"));
    nameControl(grid_, "weekGrid", QStringLiteral(u"班级或教师的一周课程表"));
    grid_->setTextFitted(true);
    nameControl(print_, "printButton", QStringLiteral(u"打印这张课程表"));
    print_->setToolTip(QStringLiteral(u"打印这张课程表"));
    nameControl(backButton_, "backButton", QStringLiteral(u"返回"));

    auto* selector = new QHBoxLayout(entryChooser_);
    selector->setContentsMargins(0, 0, 0, 0);
    selector->addWidget(entries_);
    selector->addWidget(number_);
    selector->addWidget(stepper_);
    auto* bar = new QHBoxLayout;
    bar->addWidget(entryChooser_);
    bar->addStretch(1);
    bar->addWidget(print_);
    bar->addWidget(backButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addLayout(bar);
    layout->addWidget(grid_, 1);

    connect(entries_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        oneAtATime_.run([this, index] { views::chooseEntry(ws_, ui_, view_, index); });
        showChangedEntry();
    });
    connect(stepper_, &SpinButtons::stepped, this, &TimetableWindow::step);
    connect(number_, &QLineEdit::returnPressed, this, [this] { step(0); });
    connect(grid_, &GridView::cellReleased, this, &TimetableWindow::release);
    // The grid and the list keep their arrow keys (cursor, entries); elsewhere they move the
    // window.
    for (QWidget* control : std::initializer_list<QWidget*>{grid_, number_, print_, backButton_})
        control->installEventFilter(this);
    connect(print_, &QPushButton::clicked, this,
            [this] { emit printRequested(view_.kind, view_.shownName()); });
    connect(backButton_, &QPushButton::clicked, this, &QWidget::close);

    for (const auto signal :
         {&Notifier::timetableChanged, &Notifier::listsChanged, &Notifier::schoolReplaced,
          &Notifier::weekChanged, &Notifier::conditionsChanged})
        connect(&ws_.notifier, signal, this, [this] { follow(false); });
    connect(&ws_.notifier, &Notifier::marksChanged, this, [this] { follow(true); });

    nameForScreenReaders(this);
}

void TimetableWindow::open(WeekViewKind kind)
{
    const bool loads = !isVisible();
    show();
    raise();
    activateWindow();
    ui_.processEvents();
    oneAtATime_.run([&] { views::openWeekView(ws_, ui_, view_, kind, loads); });
    showChangedEntry();
}

void TimetableWindow::step(int delta)
{
    oneAtATime_.run([&] { views::stepEntry(ws_, ui_, view_, number_->text(), delta); });
    showChangedEntry();
}

void TimetableWindow::showChangedEntry()
{
    showView();
    // In the class view the next click or key picks a lesson of the class now shown.
    if (view_.kind == WeekViewKind::Class)
        grid_->setFocus();
}

void TimetableWindow::showView()
{
    caption_->setText(views::weekViewCaption(view_));
    const QSignalBlocker blocker(entries_);
    if (listed_ != view_.entries) {
        entries_->clear();
        entries_->addItems(view_.entries);
        listed_ = view_.entries;
    }
    entries_->setCurrentIndex(view_.shown);
    number_->setText(view_.number);
    stepper_->setRange(0, std::max(int(view_.entries.size()) - 1, 0));
    print_->setEnabled(view_.shown >= 0);
}

void TimetableWindow::follow(bool marksOnly)
{
    // Hidden, the window is built afresh when it opens; the teacher view shows no marks.
    if (!isVisible() || (marksOnly && view_.kind != WeekViewKind::Class) || followPending_)
        return;
    // Queued: a command that changes cell after cell with redrawing on is followed once.
    followPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            followPending_ = false;
            if (!isVisible())
                return;
            views::followSchool(ws_, view_);
            showView();
        },
        Qt::QueuedConnection);
}

void TimetableWindow::release(int row, int column, Qt::MouseButton button,
                              Qt::KeyboardModifiers modifiers)
{
    oneAtATime_.run([&] {
        views::releaseOnWeekView(ws_, ui_, view_, {row, column}, button, modifiers);
    });
}

bool TimetableWindow::windowKey(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        emit closeProgramRequested();
        return true;
    case Qt::Key_Up:
        move(pos() - QPoint(0, MoveStepPixels));
        return true;
    case Qt::Key_Down:
        move(pos() + QPoint(0, MoveStepPixels));
        return true;
    default:
        return false;
    }
}

void TimetableWindow::keyPressEvent(QKeyEvent* event)
{
    if (!windowKey(event->key()))
        QWidget::keyPressEvent(event);
}

bool TimetableWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != grid_ && event->type() == QEvent::KeyPress &&
        windowKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    if (watched == grid_) {
        // Queued: the view tells the grid its new size only after the filters have seen it.
        if (event->type() == QEvent::Resize)
            QMetaObject::invokeMethod(
                this,
                [this] {
                    model::RedrawSuspender suspended(view_.grid);
                    views::fitWeekGrid(view_.grid);
                },
                Qt::QueuedConnection);
        // Space and Enter act as a left click on the current cell, as on the master timetable.
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                key->key() == Qt::Key_Enter) {
                const model::CellRef current = view_.grid.currentCell();
                release(current.row, current.column, Qt::LeftButton, key->modifiers());
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orve::ui
