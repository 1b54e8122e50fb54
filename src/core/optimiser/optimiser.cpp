#include "optimiser.h"

#include "lowerbounds.h"
#include "morningpass.h"
#include "placement.h"
#include "tabusearch.h"

#include <algorithm>

namespace orve::optimiser {

namespace {

constexpr qint64 HintShare = 20;

bool atBounds(const LessonTable& table, const OptimiserReport& report)
{
    return table.ruleViolations() <= report.ruleViolationLowerBound &&
           table.doubleBookings() <= report.doubleBookingLowerBound &&
           table.unplacedPeriods() <= report.unplacedLowerBound;
}

// A phase cut by its share of the steps tells the report, unless the run stopped as a whole.
void notePhaseStop(const RunControl& control, OptimiserReport& report)
{
    if (control.phaseStopReason() != StopReason::Finished)
        report.stop = control.phaseStopReason();
}

// Placing lessons may double-book their teachers, and removing double bookings moves lessons
// out of the way of those still unplaced: the two take turns under the strict rule until a
// round gains nothing.
void placeAndRemove(LessonTable& table, RunControl& control, OptimiserReport& report)
{
    for (;;) {
        const int unplaced = table.unplacedPeriods();
        const int doubleBookings = table.doubleBookings();
        if (unplaced > report.unplacedLowerBound && placementMayHelp(table))
            placeUnplacedLessons(table, control, report.unplacedLowerBound);
        if (const int bound = doubleBookingLowerBound(table, MainRule::Strict);
            (table.doubleBookings() > bound ||
             table.ruleViolations() > report.ruleViolationLowerBound) &&
            control.phaseStopReason() == StopReason::Finished)
            removeDoubleBookings(table, control, bound, report.ruleViolationLowerBound,
                                 StrictStallSteps);
        notePhaseStop(control, report);
        const bool gained =
            table.unplacedPeriods() < unplaced ||
            (table.unplacedPeriods() == unplaced && table.doubleBookings() < doubleBookings);
        if (!gained || control.phaseStopReason() != StopReason::Finished)
            return;
    }
}

// The strict rounds with three quarters of the steps; when double bookings are left, the rest
// goes on from their result under the relaxed rule. What the relaxed rule removes is kept when
// main lessons may leave the morning; else it is taken back and reported, from a trial of a
// HintShare-th of the steps at most (the report only tells what leaving would remove). Both
// runs of a seed take the same strict path and begin the relaxed one alike, so the relaxed
// run never ends worse than the strict one and removes at least what the strict one reports.
void search(LessonTable& table, RunControl& control, qint64 steps, bool allowMainAfternoon,
            OptimiserReport& report)
{
    const qint64 start = control.steps();
    control.limitPhase(steps * 3 / 4);
    placeAndRemove(table, control, report);
    const int strictCount = table.doubleBookings();
    const int relaxedBound = doubleBookingLowerBound(table, MainRule::Relaxed);
    if (strictCount <= relaxedBound || control.stopped())
        return;
    const LessonTable::Snapshot strictResult = table.snapshot();
    if (!allowMainAfternoon)
        control.holdFigures(strictCount, table.unplacedPeriods());
    table.mainRule = MainRule::Relaxed;
    const qint64 rest = steps - (control.steps() - start);
    control.limitPhase(allowMainAfternoon ? rest : std::min(rest, steps / HintShare));
    removeDoubleBookings(table, control, relaxedBound, report.ruleViolationLowerBound);
    notePhaseStop(control, report);
    report.onlyWithMainAfternoon = strictCount - table.doubleBookings();
    report.triedRelaxed = true;
    if (!allowMainAfternoon || report.onlyWithMainAfternoon <= 0) {
        table.restore(strictResult);
        control.restored();
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
    report.mainOutsideBefore = table.mainOutsideMorning();
    report.doubleBookingsAfter = report.doubleBookingsBefore;
    report.unplacedAfter = report.unplacedBefore;
    report.mainOutsideAfter = report.mainOutsideBefore;
    table.mainRule = MainRule::Strict;
    const MainRule reportedRule = options.allowMainAfternoon ? MainRule::Relaxed : MainRule::Strict;
    report.doubleBookingLowerBound = doubleBookingLowerBound(table, reportedRule);
    report.unplacedLowerBound = unplacedLowerBound(table);
    report.ruleViolationLowerBound = ruleViolationLowerBound(table);
    // At the strict bound the relaxed rule may still remove more, which the report tells.
    if (atBounds(table, report) &&
        table.doubleBookings() <= doubleBookingLowerBound(table, MainRule::Relaxed))
        return report;

    const LessonTable::Snapshot start = table.snapshot();
    const qint64 budget = options.stepBudget.value_or(defaultStepBudget(table));
    RunControl control(table, budget, options.timeLimitMs, options.seed, progress);
    // The morning pass keeps a twentieth of the steps.
    search(table, control, budget - budget / 20, options.allowMainAfternoon, report);
    control.unlimitPhase();
    // A timetable the search found nothing to change in is left as it is.
    report.changed = !(table.snapshot() == start);
    if (report.changed)
        bringMainLessonsToMorning(table, control);

    // A lesson breaking a rule may stay where it stands, so the bound counts its slot as one
    // it may use. With no rule broken, which the search never undoes, every lesson stands where
    // the rules let it: no timetable with fewer double bookings breaks no rule.
    if (table.ruleViolations() == 0)
        report.doubleBookingLowerBound =
            std::max(report.doubleBookingLowerBound, doubleBookingLowerBound(table, reportedRule));
    if (control.stopped())
        report.stop = control.stopReason();
    else if (atBounds(table, report))
        report.stop = StopReason::Finished;
    report.doubleBookingsAfter = table.doubleBookings();
    report.unplacedAfter = table.unplacedPeriods();
    report.mainOutsideAfter = table.mainOutsideMorning();
    report.steps = control.steps();
    return report;
}

} // namespace orve::optimiser
