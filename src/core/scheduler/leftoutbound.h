// The fewest class periods that any timetable of a set of lessons leaves out, from how the
// lessons share classes: per class, the lessons beyond its open cells; and for sets of kinds
// that pairwise share a class, the lessons beyond the slots any of them may use, counted as the
// smallest kinds' periods. A set's classes count by the larger of the two; sets are taken with
// no class in common. The first stage bounds its combined lessons with it, the optimiser every
// lesson.
#pragma once

#include <vector>

namespace orve::scheduler {

// Lessons with the same classes: a combined group's, or a class's own.
struct LessonKind
{
    std::vector<int> classes; // ascending
    int lessons = 0;
    std::vector<char> usable; // per slot: whether one of them may stand there
};

// `openCells`: per class, the slots free for these lessons; every kind's `usable` has a flag
// for each slot of the week.
int leftOutLowerBound(const std::vector<LessonKind>& kinds, const std::vector<int>& openCells);

} // namespace orve::scheduler
