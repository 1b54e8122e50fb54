#include "lowerbounds.h"

#include <algorithm>
#include <map>
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

namespace {

// Lessons with the same classes: a combined group's, or a class's own.
struct Kind
{
    std::vector<int> classes;
    int lessons = 0;
    std::vector<char> usable; // per slot
};

class UnplacedBound
{
public:
    explicit UnplacedBound(const LessonTable& table) : table_(table) {}
    int compute();

private:
    void collectKinds();
    bool share(const Kind& a, const Kind& b) const;
    // Class periods left out at least among the lessons of pairwise sharing kinds.
    int setBound(const std::vector<int>& set) const;
    std::vector<int> grownSet(int seedClass) const;

    const LessonTable& table_;
    std::vector<Kind> kinds_;
    std::vector<int> excess_; // per class
};

void UnplacedBound::collectKinds()
{
    std::map<std::vector<int>, int> index;
    const int slotCount = table_.slotCount();
    std::vector<int> cells(std::size_t(table_.classCount()), slotCount);
    for (int id = 0; id < table_.lessonCount(); ++id) {
        const Lesson& l = table_.lesson(id);
        if (l.fixed) {
            for (const int c : l.classes)
                --cells[std::size_t(c)];
            continue;
        }
        std::vector<int> classes = l.classes;
        std::sort(classes.begin(), classes.end());
        auto [at, added] = index.emplace(classes, int(kinds_.size()));
        if (added)
            kinds_.push_back({std::move(classes), 0, std::vector<char>(std::size_t(slotCount), 0)});
        Kind& kind = kinds_[std::size_t(at->second)];
        ++kind.lessons;
        for (int s = 0; s < slotCount; ++s)
            if (!kind.usable[std::size_t(s)] && mayStand(table_, id, s))
                kind.usable[std::size_t(s)] = 1;
    }
    excess_.assign(std::size_t(table_.classCount()), 0);
    for (const Kind& kind : kinds_)
        for (const int c : kind.classes)
            excess_[std::size_t(c)] += kind.lessons;
    for (std::size_t c = 0; c < excess_.size(); ++c)
        excess_[c] = std::max(0, excess_[c] - cells[c]);
}

bool UnplacedBound::share(const Kind& a, const Kind& b) const
{
    auto i = a.classes.begin();
    auto j = b.classes.begin();
    while (i != a.classes.end() && j != b.classes.end()) {
        if (*i == *j)
            return true;
        *i < *j ? ++i : ++j;
    }
    return false;
}

int UnplacedBound::setBound(const std::vector<int>& set) const
{
    std::vector<char> usable(std::size_t(table_.slotCount()), 0);
    int lessons = 0;
    for (const int k : set) {
        const Kind& kind = kinds_[std::size_t(k)];
        lessons += kind.lessons;
        for (std::size_t s = 0; s < usable.size(); ++s)
            usable[s] = char(usable[s] | kind.usable[s]);
    }
    int left = lessons - int(std::count(usable.begin(), usable.end(), 1));
    // The cheapest lessons to leave out: those of the fewest classes.
    std::vector<int> bySize = set;
    std::sort(bySize.begin(), bySize.end(), [this](int a, int b) {
        return kinds_[std::size_t(a)].classes.size() < kinds_[std::size_t(b)].classes.size();
    });
    int periods = 0;
    for (const int k : bySize) {
        if (left <= 0)
            break;
        const int taken = std::min(left, kinds_[std::size_t(k)].lessons);
        periods += taken * int(kinds_[std::size_t(k)].classes.size());
        left -= taken;
    }
    return periods;
}

// The groups of the class, then every other group that shares a class with each one so far,
// the groups with the most lessons first.
std::vector<int> UnplacedBound::grownSet(int seedClass) const
{
    std::vector<int> set;
    std::vector<int> others;
    for (int k = 0; k < int(kinds_.size()); ++k) {
        const std::vector<int>& classes = kinds_[std::size_t(k)].classes;
        if (classes.size() < 2)
            continue;
        (std::binary_search(classes.begin(), classes.end(), seedClass) ? set : others).push_back(k);
    }
    std::stable_sort(others.begin(), others.end(), [this](int a, int b) {
        return kinds_[std::size_t(a)].lessons > kinds_[std::size_t(b)].lessons;
    });
    for (const int k : others)
        if (std::all_of(set.begin(), set.end(), [&](int in) {
                return share(kinds_[std::size_t(k)], kinds_[std::size_t(in)]);
            }))
            set.push_back(k);
    return set;
}

int UnplacedBound::compute()
{
    collectKinds();
    struct Block
    {
        int gain = 0;
        int bound = 0;
        std::vector<int> classes;
    };
    std::vector<Block> blocks;
    for (int c = 0; c < table_.classCount(); ++c) {
        const std::vector<int> set = grownSet(c);
        Block block;
        for (const int k : set)
            block.classes.insert(block.classes.end(), kinds_[std::size_t(k)].classes.begin(),
                                 kinds_[std::size_t(k)].classes.end());
        std::sort(block.classes.begin(), block.classes.end());
        block.classes.erase(std::unique(block.classes.begin(), block.classes.end()),
                            block.classes.end());
        block.bound = setBound(set);
        block.gain = block.bound;
        for (const int member : block.classes)
            block.gain -= excess_[std::size_t(member)];
        if (block.gain > 0)
            blocks.push_back(std::move(block));
    }
    std::stable_sort(blocks.begin(), blocks.end(),
                     [](const Block& a, const Block& b) { return a.gain > b.gain; });
    std::vector<char> taken(std::size_t(table_.classCount()), 0);
    int bound = 0;
    for (const int e : excess_)
        bound += e;
    for (const Block& block : blocks) {
        if (std::any_of(block.classes.begin(), block.classes.end(),
                        [&](int c) { return taken[std::size_t(c)]; }))
            continue;
        for (const int c : block.classes)
            taken[std::size_t(c)] = 1;
        bound += block.gain;
    }
    return bound;
}

} // namespace

int unplacedLowerBound(const LessonTable& table)
{
    return UnplacedBound(table).compute();
}

} // namespace orve::optimiser
