// The command 消除重课 in the window: a dialog asks whether main lessons may leave the
// morning, a progress dialog shows the double bookings left and can stop the run, and the
// closing message gives the figures before and after. The run itself is the core's
// (optimiser/optimisecommand.h); it changes the timetable as one undoable step.
#pragma once

#include "optimiser/optimisecommand.h"
#include "optimiser/optimiser.h"
#include "platform/oneatatime.h"

#include <QObject>
#include <functional>

class QWidget;

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::ui {

struct CommandContext;

class RemoveDoubleBookingsCommand : public QObject
{
    Q_OBJECT

public:
    RemoveDoubleBookingsCommand(const CommandContext& context, QObject* parent);

    void run();

    // Asks how to run; false when the user cancels. The dialog by default; tests answer it.
    std::function<bool(bool& allowMainAfternoon)> askOptions;
    // Seed, step budget and time limit of the next run (the seed is new for every run unless
    // a test fixes it).
    optimiser::OptimiserOptions options;
    bool fixedSeed = false;

private:
    void runOnce();
    optimiser::OptimiseOutcome optimiseWithProgress();
    bool showOptionsDialog(bool& allowMainAfternoon);

    Workspace& ws_;
    UiPort& ui_;
    QWidget* window_;
    OneAtATime oneAtATime_;
};

} // namespace orve::ui
