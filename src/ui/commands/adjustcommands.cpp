#include "adjustcommands.h"

#include "adjust/doublebookingcount.h"
#include "adjust/handchanges.h"
#include "adjust/lessonswap.h"
#include "widgets/doublebookingfield.h"
#include "grid/gridview.h"
#include "platform/icons.h"
#include "mainwindow.h"
#include "pages/schedulingpage.h"
#include "workspace.h"

#include <QAction>
#include <QKeyEvent>
#include <QStatusBar>
#include <QToolBar>

namespace orve::ui {

AdjustCommands::AdjustCommands(MainWindow& window)
    : QObject(&window), window_(window), ws_(window.workspace()), ui_(window.uiPort()),
      timetable_(window.schedulingPage()->view()), undo_(window.action(QStringLiteral("undoSwap"))),
      redo_(window.action(QStringLiteral("redoSwap"))),
      count_(new adjust::DoubleBookingCount(ws_, this))
{
    window.statusBar()->addPermanentWidget(new DoubleBookingField(*count_, window.statusBar()));

    connect(timetable_, &GridView::cellReleased, this, &AdjustCommands::release);
    timetable_->installEventFilter(this);
    connect(window.action(QStringLiteral("swappableDisplay")), &QAction::triggered, this,
            [this] { run([this] { adjust::showSwappableForCurrent(ws_, ui_); }); });
    connect(undo_, &QAction::triggered, this,
            [this] { run([this] { adjust::undoHandChange(ws_, ui_); }); });
    connect(redo_, &QAction::triggered, this,
            [this] { run([this] { adjust::redoHandChange(ws_, ui_); }); });
    addToolbarButtons();

    connect(&ws_.notifier, &Notifier::historyChanged, this, &AdjustCommands::showHistory);
    connect(&ws_.notifier, &Notifier::pickChanged, this, &AdjustCommands::showPick);
    connect(&ws_.notifier, &Notifier::forcedSwapModeChanged, this, [this] {
        if (ws_.session.pick.count != 0)
            showPick();
    });
    showHistory();
}

// A message box of a command lets events run; a click then must not start another command
// on the half-changed timetable.
template <typename Command> void AdjustCommands::run(Command command)
{
    if (running_)
        return;
    running_ = true;
    command();
    running_ = false;
}

void AdjustCommands::release(int row, int column, Qt::MouseButton button,
                             Qt::KeyboardModifiers modifiers)
{
    run([&] { adjust::releaseOnTimetable(ws_, ui_, {row, column}, button, modifiers); });
}

bool AdjustCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != timetable_ || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    Qt::MouseButton button = Qt::NoButton;
    switch (key->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        button = Qt::LeftButton;
        break;
    case Qt::Key_Escape:
        button = Qt::RightButton;
        break;
    default:
        return QObject::eventFilter(watched, event);
    }
    const model::CellRef current = ws_.school.masterTimetable.currentCell();
    release(current.row, current.column, button, key->modifiers());
    return true;
}

void AdjustCommands::addToolbarButtons()
{
    auto* toolbar = window_.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    if (!toolbar)
        return;
    const QColor colour(60, 120, 60);
    undo_->setIcon(glyphIcon(QStringLiteral(u"撤"), colour));
    redo_->setIcon(glyphIcon(QStringLiteral(u"复"), colour));
    toolbar->addSeparator();
    toolbar->addAction(undo_);
    toolbar->addAction(redo_);
}

void AdjustCommands::showHistory()
{
    const model::ExchangeHistory& history = ws_.session.history;
    undo_->setEnabled(history.canUndo());
    redo_->setEnabled(history.canRedo());
    const auto tip = [](QAction* action, const QString& caption) {
        const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
        QString text = action->text();
        if (!caption.isEmpty())
            text += QStringLiteral(u"：") + caption;
        action->setToolTip(QStringLiteral(u"%1 (%2)").arg(text, shortcut));
    };
    tip(undo_, history.undoCaption());
    tip(redo_, history.redoCaption());
}

void AdjustCommands::showPick()
{
    const Pick& pick = ws_.session.pick;
    if (pick.count == 0) {
        window_.statusBar()->clearMessage();
        return;
    }
    const QString how = ws_.session.forcedSwapMode ? QStringLiteral(u"单击本班任一节课强行对调")
                                                   : QStringLiteral(u"单击本班绿色的课与它对调");
    window_.statusBar()->showMessage(QStringLiteral(u"已选中 %1。%2；再单击它或右键（Esc）取消。")
                                         .arg(adjust::describeCell(ws_, pick.cell), how));
}

} // namespace orve::ui
