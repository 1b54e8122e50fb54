#include "schedulingcommand.h"

#include "commandcontext.h"
#include "grid/gridview.h"
#include "pages/schedulingpage.h"
#include "pages/schedulingstatus.h"
#include "platform/pacedeventport.h"
#include "workspace.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QScopedValueRollback>
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

SchedulingCommand::SchedulingCommand(const CommandContext& context, QObject* parent)
    : QObject(parent), ws_(context.ws), ui_(context.ui), window_(context.views.window),
      page_(context.views.scheduling), panel_(context.views.schedulingStatus)
{
    bindAction(context.actions.autoSchedule, this, &SchedulingCommand::run);
}

SchedulingCommand::~SchedulingCommand() = default;

void SchedulingCommand::run()
{
    // The window is disabled while a run lasts; a shortcut must not start a second one.
    if (running_)
        return;
    const QScopedValueRollback<bool> running(running_, true);
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
    // Once the run is over it goes: hidden only, its delay timer would still show it over
    // the closing message of a short run, which could then not be answered.
    if (enabled)
        progress_.reset();
    else
        progress_->setEnabled(true);
}

bool SchedulingCommand::stopRequested()
{
    return progress_ && progress_->wasCanceled();
}

void SchedulingCommand::setThinking(bool shown)
{
    page_->setTitleVisible(!shown);
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
    page_->view()->setVisible(visible);
}

} // namespace orve::ui
