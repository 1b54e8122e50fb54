// The second stage: every period of the teaching plan that the first stage left is placed,
// course by course and class by class: every class's double periods first (see
// doubleperiodplacement.h), then the lessons of the pairs no two adjacent free periods held,
// then the other lessons in random slots (main courses in the
// morning, the others after it, the days in turn), then the class's first free slots in a
// fixed order even where the teacher is busy; each such double booking goes into the conflict
// list as a pair of entries: the lesson that had the teacher first, then the new one.
#pragma once

namespace orve::scheduler {

class RunContext;

void placeRemainingLessons(RunContext& ctx);

} // namespace orve::scheduler
