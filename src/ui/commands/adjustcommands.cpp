#include "adjustcommands.h"

#include "commandcontext.h"
#include "grid/gridview.h"
#include "pages/schedulingpage.h"
#include "platform/icons.h"
#include "widgets/doublebookingfield.h"

#include "adjust/doublebookingcount.h"
#include "adjust/handchanges.h"
#include "adjust/lessonswap.h"
#include "workspace.h"

#include <QAction>
#include <QKeyEvent>
#include <QStatusBar>
#include <QToolBar>

namespace orve::ui {

AdjustCommands::AdjustCommands(const CommandContext& context, QObject* parent)
    : QObject(parent), ws_(context.ws), ui_(context.ui),
      timetable_(context.views.scheduling->view()), statusBar_(context.views.statusBar),
      undo_(context.actions.undoSwap), redo_(context.actions.redoSwap),
      count_(new adjust::DoubleBookingCount(ws_, this))
{
    statusBar_->addPermanentWidget(new DoubleBookingField(*count_, statusBar_));

    connect(timetable_, &GridView::cellReleased, this, &AdjustCommands::release);
    timetable_->installEventFilter(this);
    bindAction(context.actions.swappableDisplay, this,
               [this] { oneAtATime_.run([this] { adjust::showSwappableForCurrent(ws_, ui_); }); });
    bindAction(undo_, this,
               [this] { oneAtATime_.run([this] { adjust::undoHandChange(ws_, ui_); }); });
    bindAction(redo_, this,
               [this] { oneAtATime_.run([this] { adjust::redoHandChange(ws_, ui_); }); });
    addToolbarButtons(context);

    connect(&ws_.notifier, &Notifier::historyChanged, this, &AdjustCommands::showHistory);
    connect(&ws_.notifier, &Notifier::pickChanged, this, &AdjustCommands::showPick);
    connect(&ws_.notifier, &Notifier::forcedSwapModeChanged, this, [this] {
        if (ws_.session.pick.count != 0)
            showPick();
    });
    showHistory();
}

void AdjustCommands::release(int row, int column, Qt::MouseButton button,
                             Qt::KeyboardModifiers modifiers)
{
    oneAtATime_.run([&] {
        adjust::releaseOnTimetable(ws_, ui_, {row, column}, button, modifiers);
    });
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

void AdjustCommands::addToolbarButtons(const CommandContext& context)
{
    QToolBar* toolbar = context.views.toolbar;
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
        statusBar_->clearMessage();
        return;
    }
    const QString how = ws_.session.forcedSwapMode ? QStringLiteral(u"单击本班任一节课强行对调")
                                                   : QStringLiteral(u"单击本班绿色的课与它对调");
    statusBar_->showMessage(QStringLiteral(u"已选中 %1。%2；再单击它或右键（Esc）取消。")
                                .arg(adjust::describeCell(ws_, pick.cell), how));
}

} // namespace orve::ui
