#include "optimiser.h"

#include "morningpass.h"
#include "placement.h"
#include "tabusearch.h"

#include <algorithm>

namespace orve::optimiser {

namespace {

bool nothingToDo(const LessonTable& table)
{
    return table.doubleBookings() == 0 && table.unplacedPeriods() <= table.unavoidableUnplaced();
}

// A phase cut by its share of the steps tells the report, unless the run stopped as a whole.
void notePhaseStop(const RunControl& control, OptimiserReport& report)
{
    if (control.phaseStopReason() != StopReason::Finished)
        report.stop = control.phaseStopReason();
}

// The strict search with three quarters of the steps; when double bookings are left, the rest
// goes on from its result under the relaxed rule. What the relaxed rule removes is kept when
// main lessons may leave the morning, else taken back and reported. Both runs of a seed take
// the same strict path, so the relaxed one never ends worse than the strict one.
void search(LessonTable& table, RunControl& control, qint64 steps, bool allowMainAfternoon,
            OptimiserReport& report)
{
    const qint64 start = control.steps();
    control.limitPhase(steps * 3 / 4);
    tabuSearch(table, control, StrictStallSteps);
    notePhaseStop(control, report);
    const int strictCount = table.doubleBookings();
    if (strictCount == 0 || control.stopped())
        return;
    const LessonTable::Snapshot strictResult = table.snapshot();
    if (!allowMainAfternoon)
        control.holdFigures(strictCount, table.unplacedPeriods());
    table.mainRule = MainRule::Relaxed;
    control.limitPhase(steps - (control.steps() - start));
    tabuSearch(table, control);
    notePhaseStop(control, report);
    report.onlyWithMainAfternoon = strictCount - table.doubleBookings();
    report.triedRelaxed = true;
    if (!allowMainAfternoon || report.onlyWithMainAfternoon <= 0) {
        table.restore(strictResult);
        table.mainRule = MainRule::Strict;
    }
    control.showLiveFigures();
}

} // namespace

qint64 defaultStepBudget(const LessonTable& table)
{
    return std::max(MinimumStepBudget, StepsPerLesson * table.lessonCount());
}

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
    const qint64 budget = options.stepBudget.value_or(defaultStepBudget(table));
    RunControl control(table, budget, options.timeLimitMs, options.seed, progress);
    if (placementMayHelp(table)) {
        control.limitPhase(budget / 2);
        placeUnplacedLessons(table, control);
        notePhaseStop(control, report);
    }
    // The morning pass keeps a twentieth of the steps.
    if (table.doubleBookings() > 0 && !control.stopped())
        search(table, control, control.stepsLeft() - budget / 20, options.allowMainAfternoon,
               report);
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
