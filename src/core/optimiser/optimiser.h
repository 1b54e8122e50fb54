// The optimiser over the lessons of a master timetable: it places what is missing (ejection
// search), removes double bookings (tabu search) and brings main lessons back into the
// morning where that costs nothing, keeping every fixed lesson, every combined group together,
// every class's lessons of every course, and the main-course rule.
#pragma once

#include "lessontable.h"
#include "runcontrol.h"

#include <QtGlobal>

namespace orve::optimiser {

// The deterministic stop: a second or two of work on the largest schools here.
inline constexpr qint64 DefaultStepBudget = 200000;
// Only a safety net: a run that reaches it ends with what it found, unlike the same seed
// stopped by its step budget.
inline constexpr qint64 DefaultTimeLimitMs = 2000;
// Under the relaxed main rule: steps without progress under the strict rule before the
// search relaxes it.
inline constexpr qint64 StrictStallSteps = 5000;
// Under the strict rule alone: steps without progress after which the search gives up and
// tries what the relaxed rule would remove.
inline constexpr qint64 StrictOnlyStallSteps = 30000;

struct OptimiserOptions
{
    quint64 seed = 1;
    qint64 stepBudget = DefaultStepBudget;
    qint64 timeLimitMs = DefaultTimeLimitMs;
    // The relaxed main rule (MainRule::Relaxed) where the strict one cannot remove a double
    // booking; then the morning pass.
    bool allowMainAfternoon = false;
};

struct OptimiserReport
{
    int doubleBookingsBefore = 0;
    int doubleBookingsAfter = 0;
    int unplacedBefore = 0; // class periods
    int unplacedAfter = 0;
    int unavoidableUnplaced = 0;
    int mainOutsideBefore = 0; // class periods of main lessons outside the morning
    int mainOutsideAfter = 0;
    // Under the strict rule, when it ends above 0: how many more double bookings the search
    // removed when it went on from the strict result under the relaxed rule (not kept).
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
