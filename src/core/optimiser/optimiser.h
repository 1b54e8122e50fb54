// The optimiser over the lessons of a master timetable: it places what is missing (ejection
// search), removes double bookings (tabu search) and brings main lessons back into the
// morning where that costs nothing, keeping every fixed lesson, every combined group together,
// every class's lessons of every course, and the main-course rule.
#pragma once

#include "lessontable.h"
#include "runcontrol.h"

#include <QtGlobal>
#include <optional>

namespace orve::optimiser {

// The deterministic stop, scaled to the school: at least MinimumStepBudget steps, and
// StepsPerLesson for every lesson of a larger school.
inline constexpr qint64 MinimumStepBudget = 200000;
inline constexpr qint64 StepsPerLesson = 10;
qint64 defaultStepBudget(const LessonTable& table);
// Only a safety net, far beyond what the step budget takes: a run that reaches it ends with
// what it found, unlike the same seed stopped by its step budget, and says so.
inline constexpr qint64 DefaultTimeLimitMs = 60000;
// Steps without progress under the strict rule after which the search goes on from its
// result under the relaxed rule.
inline constexpr qint64 StrictStallSteps = 30000;

struct OptimiserOptions
{
    quint64 seed = 1;
    std::optional<qint64> stepBudget; // none: defaultStepBudget of the school
    qint64 timeLimitMs = DefaultTimeLimitMs;
    // Keep what the relaxed main rule (MainRule::Relaxed) removes beyond the strict search,
    // then bring main lessons back to the morning where that costs nothing.
    bool allowMainAfternoon = false;
};

struct OptimiserReport
{
    int doubleBookingsBefore = 0;
    int doubleBookingsAfter = 0;
    int unplacedBefore = 0; // class periods
    int unplacedAfter = 0;
    // What no timetable the optimiser may reach goes below (lowerbounds.h), under the rule
    // for main lessons the run ends with.
    int doubleBookingLowerBound = 0;
    int unplacedLowerBound = 0;
    int ruleViolationLowerBound = 0;
    int mainOutsideBefore = 0; // class periods of main lessons outside the morning
    int mainOutsideAfter = 0;
    // When the strict search ends above 0: how many more double bookings the search removed
    // when it went on from the strict result under the relaxed rule (kept only when main
    // lessons may leave the morning).
    int onlyWithMainAfternoon = 0;
    bool triedRelaxed = false; // whether that was tried
    bool changed = false;
    qint64 steps = 0;
    StopReason stop = StopReason::Finished;
};

// `progress` may be null. The table ends with the best timetable found.
OptimiserReport optimise(LessonTable& table, const OptimiserOptions& options,
                         Progress* progress = nullptr);

} // namespace orve::optimiser
