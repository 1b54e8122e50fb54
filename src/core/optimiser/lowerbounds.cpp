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

// The fewest slots holding two lessons or more when lessons of several kinds stand in
// `slotCount` slots, at most `most` in one and each kind at most once (its lessons share a
// class). With k such slots, what the others cannot take one by one must fit into the k,
// whose room is k x `most` lessons and k of each kind: a kind with few lessons joins the
// stacks of few slots, so the others stack in more.
int fewestStackedSlots(const std::vector<int>& lessonsOfKinds, int slotCount, int most)
{
    if (most < 2)
        return 0;
    int lessons = 0;
    for (const int n : lessonsOfKinds)
        lessons += n;
    for (int k = 0; k <= slotCount; ++k) {
        long long stackable = 0;
        for (const int n : lessonsOfKinds)
            stackable += std::min(n, k);
        if (lessons <= slotCount - k + std::min<long long>(1LL * k * most, stackable))
            return k;
    }
    return 0; // never reached: the timetable itself stands so
}

// Lessons counted by their classes: lessons of one kind never share a slot.
class KindCounts
{
public:
    void add(const std::vector<int>& classes, int lessons)
    {
        std::vector<int> kind = classes;
        std::sort(kind.begin(), kind.end());
        const auto at = std::find(kinds_.begin(), kinds_.end(), kind);
        if (at == kinds_.end()) {
            kinds_.push_back(std::move(kind));
            counts_.push_back(lessons);
        } else {
            counts_[std::size_t(at - kinds_.begin())] += lessons;
        }
    }
    const std::vector<int>& counts() const { return counts_; }

private:
    std::vector<std::vector<int>> kinds_;
    std::vector<int> counts_;
};

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
        KindCounts placed;
        std::vector<int> mainLessons;
        for (const int id : lessons) {
            const Lesson& l = table.lesson(id);
            placed.add(l.classes, 1);
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
        KindCounts inMorning;
        std::vector<int> counted;
        for (const int id : mainLessons) {
            const Lesson& l = table.lesson(id);
            const int counter = l.counters.front();
            if (std::find(counted.begin(), counted.end(), counter) != counted.end())
                continue;
            counted.push_back(counter);
            inMorning.add(l.classes, table.morningFloor(counter));
        }
        const int overall = fewestStackedSlots(
            placed.counts(), int(std::count(usable.begin(), usable.end(), 1)), stack);
        const int morning = fewestStackedSlots(
            inMorning.counts(), int(std::count(usableInMorning.begin(), usableInMorning.end(), 1)),
            mostInOneSlot(table, mainLessons));
        bound += std::max(overall, morning);
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
