#include "cliquecover.h"

#include <algorithm>
#include <climits>
#include <numeric>

namespace orve::scheduler {

namespace {

// Beyond these the bound is not worth its time: listing cliques, and the states of the exact
// cover of one set of overlapping cliques (the product of their excesses plus one).
constexpr long long MostSearchCalls = 200000;
constexpr long long MostStates = 1000000;

struct Excess
{
    std::vector<int> kinds; // ascending
    int lessons = 0;        // that must miss among them
};

class CliqueCover
{
public:
    CliqueCover(const std::vector<LessonKind>& kinds, const std::vector<int>& openCells);
    int compute();

private:
    // Bron–Kerbosch with a pivot: every maximal set of pairwise sharing kinds into excesses_.
    bool listCliques(std::vector<int>& clique, std::vector<int> candidates,
                     std::vector<int> excluded);
    void addExcess(std::vector<int> kinds, int lessons);
    // The exact cover of the excesses `set` (overlapping ones): the fewest class periods.
    long long cover(std::vector<int> set) const;

    const std::vector<LessonKind>& kinds_;
    std::vector<std::vector<int>> neighbours_; // kinds sharing a class, ascending
    std::vector<Excess> excesses_;
    long long calls_ = 0;
};

std::vector<int> intersection(const std::vector<int>& a, const std::vector<int>& b)
{
    std::vector<int> both;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
    return both;
}

CliqueCover::CliqueCover(const std::vector<LessonKind>& kinds, const std::vector<int>& openCells)
    : kinds_(kinds), neighbours_(kinds.size())
{
    std::vector<std::vector<int>> ofClass(openCells.size());
    for (int k = 0; k < int(kinds.size()); ++k)
        for (const int c : kinds[std::size_t(k)].classes)
            ofClass[std::size_t(c)].push_back(k);
    for (std::size_t c = 0; c < ofClass.size(); ++c) {
        for (const int k : ofClass[c])
            for (const int other : ofClass[c])
                if (other != k)
                    neighbours_[std::size_t(k)].push_back(other);
        int lessons = 0;
        for (const int k : ofClass[c])
            lessons += kinds[std::size_t(k)].lessons;
        if (lessons > openCells[c])
            addExcess(ofClass[c], lessons - openCells[c]);
    }
    for (std::vector<int>& list : neighbours_) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }
}

void CliqueCover::addExcess(std::vector<int> kinds, int lessons)
{
    std::sort(kinds.begin(), kinds.end());
    excesses_.push_back({std::move(kinds), lessons});
}

bool CliqueCover::listCliques(std::vector<int>& clique, std::vector<int> candidates,
                              std::vector<int> excluded)
{
    if (++calls_ > MostSearchCalls)
        return false;
    if (candidates.empty()) {
        if (excluded.empty())
            if (const SetRoom room = roomOf(kinds_, clique); room.lessons > room.usableSlots)
                addExcess(clique, room.lessons - room.usableSlots);
        return true;
    }
    // The pivot with most neighbours among the candidates leaves fewest branches.
    int pivot = candidates.front();
    std::size_t most = 0;
    for (const std::vector<int>* list : {&candidates, &excluded})
        for (const int k : *list)
            if (const std::size_t n = intersection(neighbours_[std::size_t(k)], candidates).size();
                n >= most) {
                most = n;
                pivot = k;
            }
    const std::vector<int> skipped = intersection(neighbours_[std::size_t(pivot)], candidates);
    std::vector<int> branches;
    std::set_difference(candidates.begin(), candidates.end(), skipped.begin(), skipped.end(),
                        std::back_inserter(branches));
    for (const int k : branches) {
        clique.push_back(k);
        const bool done = listCliques(clique, intersection(candidates, neighbours_[std::size_t(k)]),
                                      intersection(excluded, neighbours_[std::size_t(k)]));
        clique.pop_back();
        if (!done)
            return false;
        candidates.erase(std::find(candidates.begin(), candidates.end(), k));
        excluded.insert(std::upper_bound(excluded.begin(), excluded.end(), k), k);
    }
    return true;
}

long long CliqueCover::cover(std::vector<int> set) const
{
    // Leaving an excess out leaves a weaker bound, never a wrong one: the largest excesses
    // (the widest cliques first among equals) are kept while the states stay few.
    std::stable_sort(set.begin(), set.end(), [this](int a, int b) {
        const Excess& x = excesses_[std::size_t(a)];
        const Excess& y = excesses_[std::size_t(b)];
        return x.lessons != y.lessons ? x.lessons > y.lessons : x.kinds.size() > y.kinds.size();
    });
    // States: what each excess still lacks, in mixed radix.
    std::vector<long long> radix;
    long long states = 1;
    std::size_t kept = 0;
    for (; kept < set.size(); ++kept) {
        const long long more = states * (excesses_[std::size_t(set[kept])].lessons + 1);
        if (more > MostStates)
            break;
        radix.push_back(states);
        states = more;
    }
    set.resize(kept);
    std::vector<int> kinds;
    for (const int e : set)
        kinds.insert(kinds.end(), excesses_[std::size_t(e)].kinds.begin(),
                     excesses_[std::size_t(e)].kinds.end());
    std::sort(kinds.begin(), kinds.end());
    kinds.erase(std::unique(kinds.begin(), kinds.end()), kinds.end());
    std::vector<long long> cost(std::size_t(states), LLONG_MAX);
    long long full = 0;
    for (std::size_t i = 0; i < set.size(); ++i)
        full += radix[i] * excesses_[std::size_t(set[i])].lessons;
    cost[std::size_t(full)] = 0;
    std::vector<std::size_t> member; // the excesses of `set` the kind is in
    for (const int k : kinds) {
        member.clear();
        for (std::size_t i = 0; i < set.size(); ++i) {
            const std::vector<int>& in = excesses_[std::size_t(set[i])].kinds;
            if (std::binary_search(in.begin(), in.end(), k))
                member.push_back(i);
        }
        const LessonKind& kind = kinds_[std::size_t(k)];
        std::vector<long long> next = cost;
        for (long long state = 0; state < states; ++state) {
            if (cost[std::size_t(state)] == LLONG_MAX)
                continue;
            for (int missed = 1; missed <= kind.lessons; ++missed) {
                long long to = state;
                bool helps = false;
                for (const std::size_t i : member) {
                    const long long lacking =
                        state / radix[i] % (excesses_[std::size_t(set[i])].lessons + 1);
                    const long long after = std::max(0LL, lacking - missed);
                    helps = helps || after < lacking;
                    to -= (lacking - after) * radix[i];
                }
                if (!helps)
                    break;
                const long long price =
                    cost[std::size_t(state)] + (long long)missed * (long long)kind.classes.size();
                next[std::size_t(to)] = std::min(next[std::size_t(to)], price);
            }
        }
        cost = std::move(next);
    }
    return cost[0];
}

int CliqueCover::compute()
{
    std::vector<int> clique;
    std::vector<int> all(kinds_.size());
    std::iota(all.begin(), all.end(), 0);
    if (kinds_.empty() || !listCliques(clique, all, {}))
        return 0;
    // An excess within a wider one that lacks as much adds little to the cover and much to
    // its states: left out (any excess may be, the bound only weakens).
    std::vector<Excess> wide;
    for (std::size_t e = 0; e < excesses_.size(); ++e) {
        const Excess& x = excesses_[e];
        const bool within = std::any_of(excesses_.begin(), excesses_.end(), [&](const Excess& y) {
            const std::size_t f = std::size_t(&y - excesses_.data());
            return f != e && y.lessons >= x.lessons &&
                   std::includes(y.kinds.begin(), y.kinds.end(), x.kinds.begin(), x.kinds.end()) &&
                   (y.kinds.size() > x.kinds.size() || y.lessons > x.lessons || f < e);
        });
        if (!within)
            wide.push_back(x);
    }
    excesses_ = std::move(wide);
    // Excesses that share a kind are covered together.
    std::vector<int> part(excesses_.size());
    std::iota(part.begin(), part.end(), 0);
    const auto root = [&part](int e) {
        while (part[std::size_t(e)] != e)
            e = part[std::size_t(e)] = part[std::size_t(part[std::size_t(e)])];
        return e;
    };
    for (std::size_t a = 0; a < excesses_.size(); ++a)
        for (std::size_t b = a + 1; b < excesses_.size(); ++b)
            if (!intersection(excesses_[a].kinds, excesses_[b].kinds).empty())
                part[std::size_t(root(int(a)))] = root(int(b));
    long long bound = 0;
    for (int e = 0; e < int(excesses_.size()); ++e) {
        if (root(e) != e)
            continue;
        std::vector<int> set;
        for (int other = 0; other < int(excesses_.size()); ++other)
            if (root(other) == e)
                set.push_back(other);
        bound += cover(set);
    }
    return int(std::min<long long>(bound, INT_MAX));
}

} // namespace

int cliqueCoverBound(const std::vector<LessonKind>& kinds, const std::vector<int>& openCells)
{
    return CliqueCover(kinds, openCells).compute();
}

} // namespace orve::scheduler
