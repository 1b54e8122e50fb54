#include "timetablewindow.h"

#include "accessiblenames.h"
#include "gridview.h"
#include "spinbuttons.h"
#include "uiport.h"
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
    : QWidget(owner, Qt::Window), ws_(ws), ui_(ui), text1_(new QLabel(this)),
      frame1_(new QFrame(this)), combo1_(new QComboBox(frame1_)),
      text2_(new QLineEdit(QStringLiteral("0"), frame1_)), upDown1_(new SpinButtons(0, 0, frame1_)),
      grid_(new GridView(view_.grid, this)), print_(new QPushButton(QStringLiteral(u"打印"), this)),
      command5_(new QPushButton(QStringLiteral(u"返回"), this))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral(u"Orve智能排课系统--察看与调整课程表"));
    resize(WindowSize);

    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAlignment(Qt::AlignCenter);
    QFont titleFont = text1_->font();
    titleFont.setPointSize(titleFont.pointSize() + 5);
    titleFont.setBold(true);
    text1_->setFont(titleFont);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setMinimumContentsLength(12);
    combo1_->setMaxVisibleItems(20);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setFixedWidth(48);
    text2_->setToolTip(QStringLiteral(u"第几个（从 0 起），输入后按回车"));
    upDown1_->setObjectName(QStringLiteral("UpDown1"));
    grid_->setObjectName(QStringLiteral("MSGrid"));
    grid_->setTextFitted(true);
    print_->setObjectName(QStringLiteral("printButton"));
    print_->setToolTip(QStringLiteral(u"打印这张课程表"));
    command5_->setObjectName(QStringLiteral("Command5"));

    auto* selector = new QHBoxLayout(frame1_);
    selector->setContentsMargins(0, 0, 0, 0);
    selector->addWidget(combo1_);
    selector->addWidget(text2_);
    selector->addWidget(upDown1_);
    auto* bar = new QHBoxLayout;
    bar->addWidget(frame1_);
    bar->addStretch(1);
    bar->addWidget(print_);
    bar->addWidget(command5_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text1_);
    layout->addLayout(bar);
    layout->addWidget(grid_, 1);

    connect(combo1_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        run([this, index] { views::chooseEntry(ws_, ui_, view_, index); });
        showChangedEntry();
    });
    connect(upDown1_, &SpinButtons::stepped, this, &TimetableWindow::step);
    connect(text2_, &QLineEdit::returnPressed, this, [this] { step(0); });
    connect(grid_, &GridView::cellReleased, this, &TimetableWindow::release);
    // The grid and the list keep their arrow keys (cursor, entries); elsewhere they move the
    // window.
    for (QWidget* control : std::initializer_list<QWidget*>{grid_, text2_, print_, command5_})
        control->installEventFilter(this);
    connect(print_, &QPushButton::clicked, this,
            [this] { emit printRequested(view_.kind, view_.shownName()); });
    connect(command5_, &QPushButton::clicked, this, &QWidget::close);

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
    run([&] { views::openWeekView(ws_, ui_, view_, kind, loads); });
    showChangedEntry();
}

// A message box of a swap lets events run; a click then must not start another command.
template <typename Command> void TimetableWindow::run(Command command)
{
    if (running_)
        return;
    running_ = true;
    command();
    running_ = false;
}

void TimetableWindow::step(int delta)
{
    run([&] { views::stepEntry(ws_, ui_, view_, text2_->text(), delta); });
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
    text1_->setText(views::weekViewCaption(view_));
    const QSignalBlocker blocker(combo1_);
    if (listed_ != view_.entries) {
        combo1_->clear();
        combo1_->addItems(view_.entries);
        listed_ = view_.entries;
    }
    combo1_->setCurrentIndex(view_.shown);
    text2_->setText(view_.number);
    upDown1_->setRange(0, std::max(int(view_.entries.size()) - 1, 0));
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
    run([&] { views::releaseOnWeekView(ws_, ui_, view_, {row, column}, button, modifiers); });
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
