#include "schedulingcommand.h"

#include "pacedeventport.h"
#include "schedulingstatus.h"
#include "workspace.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QWidget>

namespace orve::ui {

namespace {

// Pending events of a run, user input included: the main window and the windows it owns are
// disabled, so only the progress dialog's 取消 can be pressed.
class RunEventPort : public PacedEventPort
{
public:
    using PacedEventPort::PacedEventPort;

protected:
    void runPendingEvents() override { QCoreApplication::processEvents(); }
};

} // namespace

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

SchedulingCommand::~SchedulingCommand() = default;

void SchedulingCommand::run()
{
    // The window is disabled while a run lasts; a shortcut must not start a second one.
    if (progress_)
        return;
    progress_ = std::make_unique<QProgressDialog>(window_);
    progress_->setWindowTitle(QStringLiteral(u"自动排课"));
    progress_->setAccessibleName(QStringLiteral(u"自动排课进度"));
    progress_->setLabelText(scheduler::ThinkingText);
    progress_->setCancelButtonText(QStringLiteral(u"取消"));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setAutoReset(false);
    progress_->setAutoClose(false);
    progress_->setRange(0, 0);
    progress_->setMinimumDuration(progressDelayMs);
    progress_->setValue(0); // from now on it shows itself once the delay is over
    RunEventPort paced(ui_);
    scheduler::runScheduling(ws_, paced, *this);
    progress_.reset();
}

void SchedulingCommand::setWindowEnabled(bool enabled)
{
    window_->setEnabled(enabled);
    if (!progress_)
        return;
    // A dialog is a window of its own: it stays usable while the main window is disabled.
    if (enabled)
        progress_->hide();
    else
        progress_->setEnabled(true);
}

bool SchedulingCommand::stopRequested()
{
    return progress_ && progress_->wasCanceled();
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
    if (progress_)
        progress_->setLabelText(text.isEmpty() ? scheduler::ThinkingText
                                               : scheduler::ThinkingText + u'\n' + text);
    // The label must show at once even though the run has the thread.
    panel_->progressLabel()->repaint();
}

void SchedulingCommand::setTimetableVisible(bool visible)
{
    timetable_->setVisible(visible);
}

} // namespace orve::ui
