#include "leftoutbound.h"

#include "cliquecover.h"

#include <algorithm>

namespace orve::scheduler {

namespace {

class LeftOutBound
{
public:
    LeftOutBound(const std::vector<LessonKind>& kinds, const std::vector<int>& openCells);
    int compute();

private:
    bool share(const LessonKind& a, const LessonKind& b) const;
    // Class periods left out at least among the lessons of pairwise sharing kinds.
    int setBound(const std::vector<int>& set) const;
    std::vector<int> grownSet(int seedClass) const;

    const std::vector<LessonKind>& kinds_;
    const std::vector<int>& openCells_;
    std::vector<int> excess_; // per class
};

LeftOutBound::LeftOutBound(const std::vector<LessonKind>& kinds, const std::vector<int>& openCells)
    : kinds_(kinds), openCells_(openCells), excess_(openCells.size(), 0)
{
    for (const LessonKind& kind : kinds_)
        for (const int c : kind.classes)
            excess_[std::size_t(c)] += kind.lessons;
    for (std::size_t c = 0; c < excess_.size(); ++c)
        excess_[c] = std::max(0, excess_[c] - openCells_[c]);
}

bool LeftOutBound::share(const LessonKind& a, const LessonKind& b) const
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

int LeftOutBound::setBound(const std::vector<int>& set) const
{
    const SetRoom room = roomOf(kinds_, set);
    int left = room.lessons - room.usableSlots;
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
std::vector<int> LeftOutBound::grownSet(int seedClass) const
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

int LeftOutBound::compute()
{
    struct Block
    {
        int gain = 0;
        int bound = 0;
        std::vector<int> classes;
    };
    std::vector<Block> blocks;
    for (int c = 0; c < int(openCells_.size()); ++c) {
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
    std::vector<char> taken(std::size_t(int(openCells_.size())), 0);
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

SetRoom roomOf(const std::vector<LessonKind>& kinds, const std::vector<int>& set)
{
    SetRoom room;
    if (set.empty())
        return room;
    std::vector<char> usable(kinds[std::size_t(set.front())].usable.size(), 0);
    for (const int k : set) {
        const LessonKind& kind = kinds[std::size_t(k)];
        room.lessons += kind.lessons;
        for (std::size_t s = 0; s < usable.size(); ++s)
            usable[s] = char(usable[s] | kind.usable[s]);
    }
    room.usableSlots = int(std::count(usable.begin(), usable.end(), 1));
    return room;
}

LessonKind& LessonKinds::of(std::vector<int> classes)
{
    std::sort(classes.begin(), classes.end());
    const auto [at, added] = index_.emplace(classes, kinds_.size());
    if (added)
        kinds_.push_back({std::move(classes), 0, std::vector<char>(std::size_t(slotCount_), 0)});
    return kinds_[at->second];
}

int leftOutLowerBound(const std::vector<LessonKind>& kinds, const std::vector<int>& openCells)
{
    return std::max(LeftOutBound(kinds, openCells).compute(), cliqueCoverBound(kinds, openCells));
}

} // namespace orve::scheduler
