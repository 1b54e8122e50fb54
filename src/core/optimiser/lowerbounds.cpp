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

int ceilDiv(int a, int b)
{
    return (a + b - 1) / b;
}

// At most how many of the lessons can share a slot: lessons with the same classes never do,
// and m lessons without a class in common take at least the classes of the m smallest sets.
int mostInOneSlot(const LessonTable& table, const std::vector<int>& lessons)
{
    std::vector<std::vector<int>> kinds;
    std::vector<int> classes;
    for (const int id : lessons) {
        std::vector<int> kind = table.lesson(id).classes;
        std::sort(kind.begin(), kind.end());
        classes.insert(classes.end(), kind.begin(), kind.end());
        kinds.push_back(std::move(kind));
    }
    std::sort(kinds.begin(), kinds.end());
    kinds.erase(std::unique(kinds.begin(), kinds.end()), kinds.end());
    std::sort(classes.begin(), classes.end());
    std::size_t free = std::size_t(std::unique(classes.begin(), classes.end()) - classes.begin());
    std::vector<std::size_t> sizes;
    for (const std::vector<int>& kind : kinds)
        sizes.push_back(kind.size());
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
        const int stack = mostInOneSlot(table, lessons);
        if (stack < 2)
            continue;
        std::fill(usable.begin(), usable.end(), 0);
        std::fill(usableInMorning.begin(), usableInMorning.end(), 0);
        // The lessons of one counter (one class's course, or a group's) are alike: how many
        // of them the morning keeps is what counts.
        std::vector<int> mainCounters;
        for (const int id : lessons) {
            const Lesson& l = table.lesson(id);
            const bool main = strict && l.main && !l.fixed;
            if (main)
                mainCounters.push_back(l.counters.front());
            for (int s = 0; s < table.slotCount(); ++s) {
                if (!mayStand(table, id, s))
                    continue;
                usable[std::size_t(s)] = 1;
                if (main && table.isMorning(s))
                    usableInMorning[std::size_t(s)] = 1;
            }
        }
        std::sort(mainCounters.begin(), mainCounters.end());
        mainCounters.erase(std::unique(mainCounters.begin(), mainCounters.end()),
                           mainCounters.end());
        int inMorning = 0;
        for (const int k : mainCounters)
            inMorning += table.morningFloor(k);
        const int overall = int(lessons.size()) - int(std::count(usable.begin(), usable.end(), 1));
        const int morning =
            inMorning - int(std::count(usableInMorning.begin(), usableInMorning.end(), 1));
        bound += ceilDiv(std::max({overall, morning, 0}), stack - 1);
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
