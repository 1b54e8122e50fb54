#include "lowerbounds.h"

#include "scheduler/leftoutbound.h"

#include <algorithm>
#include <vector>

namespace orve::optimiser {

namespace {

// Where a lesson stands it may stay, even breaking a rule: the search never adds a breach but
// need not mend one.
bool mayStand(const LessonTable& table, int id, int slot)
{
    return table.lesson(id).slot == slot || table.mayStandKeepingRules(id, slot);
}

// At most how many lessons of the kinds can share a slot: m kinds without a class in common
// take at least the classes of the m smallest.
int mostInOneSlot(const std::vector<scheduler::LessonKind>& kinds)
{
    std::vector<int> classes;
    std::vector<std::size_t> sizes;
    for (const scheduler::LessonKind& kind : kinds) {
        if (kind.lessons == 0)
            continue;
        classes.insert(classes.end(), kind.classes.begin(), kind.classes.end());
        sizes.push_back(kind.classes.size());
    }
    std::sort(classes.begin(), classes.end());
    std::size_t free = std::size_t(std::unique(classes.begin(), classes.end()) - classes.begin());
    std::sort(sizes.begin(), sizes.end());
    int most = 0;
    for (const std::size_t size : sizes) {
        if (size > free)
            break;
        free -= size;
        ++most;
    }
    return most;
}

// The fewest slots holding two lessons or more when the lessons of the kinds stand in
// `slotCount` slots, each kind at most once a slot (its lessons share a class). With k such
// slots, what the others cannot take one by one must fit into the k, whose room is k lessons
// of each kind and k x mostInOneSlot in all: a kind with few lessons joins the stacks of few
// slots, so the others stack in more.
int fewestStackedSlots(const std::vector<scheduler::LessonKind>& kinds, int slotCount)
{
    const int most = mostInOneSlot(kinds);
    if (most < 2)
        return 0;
    int lessons = 0;
    for (const scheduler::LessonKind& kind : kinds)
        lessons += kind.lessons;
    for (int k = 0; k <= slotCount; ++k) {
        long long stackable = 0;
        for (const scheduler::LessonKind& kind : kinds)
            stackable += std::min(kind.lessons, k);
        if (lessons <= slotCount - k + std::min<long long>(1LL * k * most, stackable))
            return k;
    }
    return 0; // never reached: the timetable itself stands so
}

} // namespace

int doubleBookingLowerBound(const LessonTable& table, MainRule rule)
{
    const bool strict = rule == MainRule::Strict;
    std::vector<std::vector<int>> lessonsOf(std::size_t(table.teacherCount()));
    for (int id = 0; id < table.lessonCount(); ++id)
        if (table.lesson(id).slot >= 0)
            for (const int t : table.lesson(id).teachers)
                lessonsOf[std::size_t(t)].push_back(id);
    int bound = 0;
    std::vector<char> usable(std::size_t(table.slotCount()));
    std::vector<char> usableInMorning(std::size_t(table.slotCount()));
    for (int t = 0; t < table.teacherCount(); ++t) {
        const std::vector<int>& lessons = lessonsOf[std::size_t(t)];
        scheduler::LessonKinds placed(table.slotCount());
        for (const int id : lessons)
            ++placed.of(table.lesson(id).classes).lessons;
        if (mostInOneSlot(placed.all()) < 2)
            continue; // no two of his lessons can share a slot
        std::fill(usable.begin(), usable.end(), 0);
        std::fill(usableInMorning.begin(), usableInMorning.end(), 0);
        std::vector<int> mainLessons;
        for (const int id : lessons) {
            const Lesson& l = table.lesson(id);
            const bool main = strict && l.main && !l.fixed;
            if (main)
                mainLessons.push_back(id);
            for (int s = 0; s < table.slotCount(); ++s) {
                if (!mayStand(table, id, s))
                    continue;
                usable[std::size_t(s)] = 1;
                if (main && table.isMorning(s))
                    usableInMorning[std::size_t(s)] = 1;
            }
        }
        // The lessons of one counter (one class's course, or a group's) are alike: how many
        // of them the morning keeps is what counts.
        scheduler::LessonKinds inMorning(table.slotCount());
        std::vector<int> counted;
        for (const int id : mainLessons) {
            const Lesson& l = table.lesson(id);
            const int counter = l.counters.front();
            if (std::find(counted.begin(), counted.end(), counter) != counted.end())
                continue;
            counted.push_back(counter);
            inMorning.of(l.classes).lessons += table.morningFloor(counter);
        }
        bound += std::max(
            fewestStackedSlots(placed.all(), int(std::count(usable.begin(), usable.end(), 1))),
            fewestStackedSlots(inMorning.all(), int(std::count(usableInMorning.begin(),
                                                               usableInMorning.end(), 1))));
    }
    return bound;
}

int unplacedLowerBound(const LessonTable& table)
{
    // The lessons by their classes; fixed lessons only close their cells.
    const int slotCount = table.slotCount();
    scheduler::LessonKinds kinds(slotCount);
    std::vector<int> openCells(std::size_t(table.classCount()), slotCount);
    for (int id = 0; id < table.lessonCount(); ++id) {
        const Lesson& l = table.lesson(id);
        if (l.fixed) {
            for (const int c : l.classes)
                --openCells[std::size_t(c)];
            continue;
        }
        scheduler::LessonKind& kind = kinds.of(l.classes);
        ++kind.lessons;
        for (int s = 0; s < slotCount; ++s)
            if (!kind.usable[std::size_t(s)] && mayStand(table, id, s))
                kind.usable[std::size_t(s)] = 1;
    }
    return scheduler::leftOutLowerBound(kinds.all(), openCells);
}

} // namespace orve::optimiser
