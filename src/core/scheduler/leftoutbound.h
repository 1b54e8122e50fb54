// The fewest class periods that any timetable of a set of lessons leaves out, from how the
// lessons share classes: per class, the lessons beyond its open cells; and for sets of kinds
// that pairwise share a class, the lessons beyond the slots any of them may use, counted as the
// smallest kinds' periods. A set's classes count by the larger of the two; sets are taken with
// no class in common. The first stage bounds its combined lessons with it, the optimiser every
// lesson.
#pragma once

#include <map>
#include <vector>

namespace orve::scheduler {

// Lessons with the same classes: a combined group's, or a class's own.
struct LessonKind
{
    std::vector<int> classes; // ascending
    int lessons = 0;
    std::vector<char> usable; // per slot: whether one of them may stand there
};

// Lessons gathered into kinds by their classes, whatever order the classes come in.
class LessonKinds
{
public:
    explicit LessonKinds(int slotCount) : slotCount_(slotCount) {}
    // The kind of these classes; new ones start with no lesson and no usable slot.
    LessonKind& of(std::vector<int> classes);
    const std::vector<LessonKind>& all() const { return kinds_; }

private:
    int slotCount_;
    std::map<std::vector<int>, std::size_t> index_;
    std::vector<LessonKind> kinds_;
};

// The lessons of the kinds `set` names, and the slots where one of them may stand: the
// lessons beyond those slots are left out when the kinds pairwise share a class.
struct SetRoom
{
    int lessons = 0;
    int usableSlots = 0;
};
SetRoom roomOf(const std::vector<LessonKind>& kinds, const std::vector<int>& set);

// `openCells`: per class, the slots free for these lessons; every kind's `usable` has a flag
// for each slot of the week.
int leftOutLowerBound(const std::vector<LessonKind>& kinds, const std::vector<int>& openCells);

} // namespace orve::scheduler
