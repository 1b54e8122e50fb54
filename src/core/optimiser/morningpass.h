// The last pass of a run: main lessons that stand outside the morning (left there by the
// scheduling run, or moved out under the relaxed main rule) go back into morning slots by
// exchanges that add no double booking and take no other main lesson out of the morning.
#pragma once

namespace orve::optimiser {

class LessonTable;
class RunControl;

// Returns how many main lessons went back into the morning.
int bringMainLessonsToMorning(LessonTable& table, RunControl& control);

} // namespace orve::optimiser
