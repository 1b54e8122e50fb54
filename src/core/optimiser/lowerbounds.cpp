#include "lowerbounds.h"

#include "scheduler/leftoutbound.h"
#include "teacherslots.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace orve::optimiser {

namespace {

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

// The fewest slots holding two lessons or more when lessons of several kinds, so many of each,
// stand in `slotCount` slots, at most `most` in one and each kind at most once (its lessons
// share a class). With k such slots, what the others cannot take one by one must fit into
// the k, whose room is k lessons of each kind and k x `most` in all: a kind with few lessons
// joins the stacks of few slots, so the others stack in more.
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

int fewestStackedSlots(const std::vector<scheduler::LessonKind>& kinds, int slotCount)
{
    std::vector<int> lessons;
    for (const scheduler::LessonKind& kind : kinds)
        lessons.push_back(kind.lessons);
    return fewestStackedSlots(lessons, slotCount, mostInOneSlot(kinds));
}

// Per pair of classes, the placed lessons taking both (a combined group's lessons), and how
// many of them the strict rule keeps in the morning (their counters' floors).
class LessonsTakingTwo
{
public:
    LessonsTakingTwo(const LessonTable& table, bool strict) : classCount_(table.classCount())
    {
        std::vector<char> counted; // by counter
        for (int id = 0; id < table.lessonCount(); ++id) {
            const Lesson& l = table.lesson(id);
            if (l.slot < 0 || l.classes.size() < 2)
                continue;
            int inMorning = 0;
            if (const int counter = l.counters.empty() ? -1 : l.counters.front();
                strict && l.main && counter >= 0) {
                if (std::size_t(counter) >= counted.size())
                    counted.resize(std::size_t(counter) + 1, 0);
                if (!counted[std::size_t(counter)]) {
                    counted[std::size_t(counter)] = 1;
                    inMorning = table.morningFloor(counter);
                }
            }
            for (std::size_t i = 0; i < l.classes.size(); ++i)
                for (std::size_t j = i + 1; j < l.classes.size(); ++j) {
                    Taking& taking = pairs_[key(l.classes[i], l.classes[j])];
                    ++taking.lessons;
                    taking.inMorning += inMorning;
                }
        }
    }
    struct Taking
    {
        int lessons = 0;
        int inMorning = 0;
    };
    Taking of(int a, int b) const
    {
        const auto at = pairs_.find(key(a, b));
        return at == pairs_.end() ? Taking{} : at->second;
    }

private:
    quint64 key(int a, int b) const
    {
        return quint64(std::min(a, b)) * quint64(classCount_) + quint64(std::max(a, b));
    }

    int classCount_;
    std::unordered_map<quint64, Taking> pairs_;
};

// A teacher's lessons of two classes may share a slot, but neither may share one with a lesson
// that takes both classes (a combined group's): such lessons, `blockersOf(a, b)` of them, keep
// as many of the `slotCount` slots from the two, whose lessons then stack in the slots left.
template <typename Blockers>
int fewestStackedInPairs(const std::vector<scheduler::LessonKind>& kinds, int slotCount,
                         Blockers blockersOf)
{
    int fewest = 0;
    for (std::size_t i = 0; i < kinds.size(); ++i)
        for (std::size_t j = i + 1; j < kinds.size(); ++j) {
            const scheduler::LessonKind& a = kinds[i];
            const scheduler::LessonKind& b = kinds[j];
            if (a.lessons == 0 || b.lessons == 0 || a.classes.size() != 1 ||
                b.classes.size() != 1)
                continue;
            const int blockers = blockersOf(a.classes.front(), b.classes.front());
            if (blockers > 0)
                fewest = std::max(fewest, fewestStackedSlots({a.lessons, b.lessons},
                                                             slotCount - blockers, 2));
        }
    return fewest;
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
    const LessonsTakingTwo takingTwo(table, strict);
    int morningSlots = 0;
    for (int s = 0; s < table.slotCount(); ++s)
        morningSlots += table.isMorning(s) ? 1 : 0;

    SlotMatching matching;
    int bound = 0;
    for (int t = 0; t < table.teacherCount(); ++t) {
        const std::vector<int>& lessons = lessonsOf[std::size_t(t)];
        scheduler::LessonKinds placed(table.slotCount());
        for (const int id : lessons)
            ++placed.of(table.lesson(id).classes).lessons;
        if (mostInOneSlot(placed.all()) < 2)
            continue; // no two of his lessons can share a slot
        const TeacherLessons his(table, lessons, rule);
        DailyRoom room(table, t);
        const int ownSlots =
            matching.largest(his.slotsOf, table.slotCount(), room.slotsToFill(his.usable));
        bound += std::max(
            {fewestStackedSlots(placed.all(), ownSlots),
             his.bindsMorning
                 ? fewestStackedSlots(his.inMorning.all(),
                                      room.slotsToFill(his.usableInMorning, his.fixedAfterMorning))
                 : 0,
             fewestStackedInPairs(placed.all(), table.slotCount(),
                                  [&](int a, int b) { return takingTwo.of(a, b).lessons; }),
             fewestStackedInPairs(his.inMorning.all(), morningSlots,
                                  [&](int a, int b) { return takingTwo.of(a, b).inMorning; })});
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
