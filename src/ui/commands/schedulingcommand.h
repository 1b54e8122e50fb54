// The automatic scheduling command runScheduling in the window: it runs the core's scheduling run
// and shows its progress: the disabled main window, the thinking and progress labels and the
// hidden master timetable. A run that lasts shows a window-modal
// progress dialog whose 取消 stops it, leaving the timetable as it was before.
#pragma once

#include "scheduler/schedulingrun.h"

#include <QObject>
#include <memory>

class QProgressDialog;
class QWidget;

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::ui {

struct CommandContext;
class SchedulingPage;
class SchedulingStatusPanel;

class SchedulingCommand : public QObject, public scheduler::SchedulingStatus
{
    Q_OBJECT

public:
    SchedulingCommand(const CommandContext& context, QObject* parent);
    ~SchedulingCommand() override;

    void run();

    // How long a run goes before the progress dialog shows.
    int progressDelayMs = 500;

    void setWindowEnabled(bool enabled) override;
    void setThinking(bool shown) override;
    void setProgress(const QString& text) override;
    void setTimetableVisible(bool visible) override;
    bool stopRequested() override;

private:
    Workspace& ws_;
    UiPort& ui_;
    QWidget* window_;
    SchedulingPage* page_;
    SchedulingStatusPanel* panel_;
    std::unique_ptr<QProgressDialog> progress_;
    bool running_ = false;
};

} // namespace orve::ui
