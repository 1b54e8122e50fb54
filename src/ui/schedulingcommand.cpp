#include "schedulingcommand.h"

#include "pacedeventport.h"
#include "schedulingstatus.h"
#include "workspace.h"

#include <QAction>
#include <QLabel>
#include <QWidget>

namespace orve::ui {

SchedulingCommand::SchedulingCommand(Workspace& ws, UiPort& ui, QWidget* window, QWidget* page,
                                     QWidget* timetable, SchedulingStatusPanel* panel,
                                     QAction* trigger)
    : QObject(window), ws_(ws), ui_(ui), window_(window), page_(page), timetable_(timetable),
      panel_(panel)
{
    connect(trigger, &QAction::triggered, this, &SchedulingCommand::run);
    for (const auto signal : {&Notifier::conflictsChanged, &Notifier::schoolReplaced})
        connect(&ws_.notifier, signal, this,
                [this] { panel_->showConflicts(ws_.session.conflicts); });
}

void SchedulingCommand::run()
{
    // The window is disabled while a run lasts; a shortcut must not start a second one.
    if (running_)
        return;
    running_ = true;
    PacedEventPort paced(ui_);
    scheduler::runScheduling(ws_, paced, *this);
    running_ = false;
}

void SchedulingCommand::setWindowEnabled(bool enabled)
{
    window_->setEnabled(enabled);
}

void SchedulingCommand::setThinking(bool shown)
{
    for (const char* name : {"Label13", "Text9"})
        if (auto* widget = page_->findChild<QWidget*>(QString::fromLatin1(name)))
            widget->setVisible(!shown);
    panel_->thinkingLabel()->setVisible(shown);
    if (shown)
        panel_->thinkingLabel()->raise();
}

void SchedulingCommand::setProgress(const QString& text)
{
    panel_->progressLabel()->setText(text);
    // The label must show at once even though the run has the thread.
    panel_->progressLabel()->repaint();
}

void SchedulingCommand::setTimetableVisible(bool visible)
{
    timetable_->setVisible(visible);
}

} // namespace orve::ui
