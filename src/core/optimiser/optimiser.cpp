#include "optimiser.h"

#include "morningpass.h"
#include "placement.h"
#include "tabusearch.h"

namespace orve::optimiser {

namespace {

bool nothingToDo(const LessonTable& table)
{
    return table.doubleBookings() == 0 && table.unplacedPeriods() <= table.unavoidableUnplaced();
}

// Under the strict rule: the search, then (when double bookings are left) how many more the
// relaxed rule would remove, tried from the strict result and taken back.
void searchStrictly(LessonTable& table, RunControl& control, qint64 steps, qint64 ms,
                    OptimiserReport& report)
{
    // Up to three quarters of the search go to the strict search itself, the rest to the trial.
    const qint64 startSteps = control.steps();
    const qint64 startMs = control.elapsedMs();
    control.limitPhase(steps * 3 / 4, ms * 3 / 4);
    removeDoubleBookings(table, control, StrictOnlyStallSteps);
    report.stop = control.phaseStopReason();
    const int strictCount = table.doubleBookings();
    if (strictCount == 0 || control.stopped())
        return;
    const LessonTable::Snapshot strictResult = table.snapshot();
    control.holdFigures(strictCount, table.unplacedPeriods());
    table.mainRule = MainRule::Relaxed;
    control.limitPhase(steps - (control.steps() - startSteps),
                       ms - (control.elapsedMs() - startMs));
    removeDoubleBookings(table, control);
    report.onlyWithMainAfternoon = strictCount - table.doubleBookings();
    report.triedRelaxed = true;
    table.restore(strictResult);
    table.mainRule = MainRule::Strict;
    control.showLiveFigures();
}

// Strict first; once that makes no progress, relaxed.
void searchRelaxed(LessonTable& table, RunControl& control, qint64 steps, qint64 ms,
                   OptimiserReport& report)
{
    control.limitPhase(steps, ms);
    removeDoubleBookings(table, control, StrictStallSteps);
    if (table.doubleBookings() > 0) {
        table.mainRule = MainRule::Relaxed;
        removeDoubleBookings(table, control);
    }
    report.stop = control.phaseStopReason();
}

} // namespace

OptimiserReport optimise(LessonTable& table, const OptimiserOptions& options, Progress* progress)
{
    OptimiserReport report;
    report.doubleBookingsBefore = table.doubleBookings();
    report.unplacedBefore = table.unplacedPeriods();
    report.unavoidableUnplaced = table.unavoidableUnplaced();
    report.mainOutsideBefore = table.mainOutsideMorning();
    report.doubleBookingsAfter = report.doubleBookingsBefore;
    report.unplacedAfter = report.unplacedBefore;
    report.mainOutsideAfter = report.mainOutsideBefore;
    if (nothingToDo(table))
        return report;

    table.mainRule = MainRule::Strict;
    const LessonTable::Snapshot start = table.snapshot();
    RunControl control(table, options.stepBudget, options.timeLimitMs, options.seed, progress);
    if (placementMayHelp(table)) {
        control.limitPhase(options.stepBudget / 2, options.timeLimitMs / 2);
        placeUnplacedLessons(table, control);
    }
    if (table.doubleBookings() > 0 && !control.stopped()) {
        // The morning pass keeps a twentieth of the steps and a tenth of the time.
        const qint64 steps = control.stepsLeft() - options.stepBudget / 20;
        const qint64 ms = control.msLeft() - options.timeLimitMs / 10;
        if (options.allowMainAfternoon)
            searchRelaxed(table, control, steps, ms, report);
        else
            searchStrictly(table, control, steps, ms, report);
    }
    control.unlimitPhase();
    // A timetable the search found nothing to change in is left as it is.
    report.changed = !(table.snapshot() == start);
    if (report.changed)
        bringMainLessonsToMorning(table, control);

    if (control.stopped())
        report.stop = control.stopReason();
    else if (nothingToDo(table))
        report.stop = StopReason::Finished;
    report.doubleBookingsAfter = table.doubleBookings();
    report.unplacedAfter = table.unplacedPeriods();
    report.mainOutsideAfter = table.mainOutsideMorning();
    report.steps = control.steps();
    return report;
}

} // namespace orve::optimiser
