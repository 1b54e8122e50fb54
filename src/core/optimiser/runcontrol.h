// How long an optimiser run may go on, and who hears of it: the step budget (the stop that
// makes a seed give the same timetable every time), the time limit (only a safety net for the
// whole run: a phase is never cut by the clock, so a busy machine changes nothing), the
// phases' shares of the steps, the window's progress and cancel, and the run's own seeded
// random draws.
#pragma once

#include "scheduler/randomsource.h"

#include <QElapsedTimer>
#include <QtGlobal>

namespace orve::optimiser {

class LessonTable;

// The window's side of a run. carryOn is called a few times a second at most.
class Progress
{
public:
    virtual ~Progress() = default;
    // The figures now and how much of its step budget or time the run has used (percent);
    // false asks the run to stop, keeping the best timetable found.
    virtual bool carryOn(int doubleBookings, int unplacedPeriods, int percentDone) = 0;
    // After every move the run makes, and after it goes back to a timetable it had (tests
    // check the invariants here).
    virtual void moved(const LessonTable&) {}
    virtual void restored(const LessonTable&) {}
};

enum class StopReason { Finished, StepBudget, TimeLimit, Cancelled };

class RunControl
{
public:
    // `progress` may be null.
    RunControl(const LessonTable& table, qint64 stepBudget, qint64 timeLimitMs, quint64 seed,
               Progress* progress);

    // Counts one step of the current phase; false when the phase or the whole run must stop.
    bool step();
    // Tells the listener of a move made, or of the table put back as it was.
    void moved();
    void restored();

    // The current phase may take at most so many more steps (never beyond the run's budget);
    // until the next call.
    void limitPhase(qint64 steps);
    // The run's limits alone.
    void unlimitPhase();

    // Why the run stopped; Finished while it may go on.
    StopReason stopReason() const { return reason_; }
    // Why the last phase ended: the run's stop, or the phase's share of the steps; Finished
    // when the phase ended by itself.
    StopReason phaseStopReason() const { return stopped() ? reason_ : phaseReason_; }
    bool stopped() const { return reason_ != StopReason::Finished; }
    qint64 steps() const { return steps_; }
    qint64 stepsLeft() const { return stepBudget_ - steps_; }

    // The listener hears these figures instead of the table's until showLiveFigures(): while
    // the run tries what it will not keep.
    void holdFigures(int doubleBookings, int unplacedPeriods);
    void showLiveFigures() { held_ = false; }

    // A uniform whole number in [0, bound); bound > 0.
    int below(int bound);

private:
    // Every this many steps the clock is read; the listener hears at most every ReportMs.
    static constexpr int StepsPerClockRead = 64;
    static constexpr qint64 ReportMs = 50;

    const LessonTable& table_;
    qint64 stepBudget_;
    qint64 timeLimitMs_;
    Progress* progress_;
    scheduler::SeededRandom random_;
    QElapsedTimer clock_;
    qint64 steps_ = 0;
    qint64 phaseEndStep_;
    qint64 lastReportMs_ = 0;
    StopReason reason_ = StopReason::Finished;
    StopReason phaseReason_ = StopReason::Finished;
    bool held_ = false;
    int heldDoubleBookings_ = 0;
    int heldUnplaced_ = 0;
};

} // namespace orve::optimiser
