#include "placement.h"

#include "lessontable.h"
#include "runcontrol.h"
#include "slotexchange.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

namespace orve::optimiser {

namespace {

constexpr long long DeficitWeight = 1000000000000LL;
constexpr long long UnplacedWeight = 1000000;
constexpr long long MainOutsideWeight = 1000;
// Tabu tenure: a random part below TenureBase plus TenureFactor x the unplaced lessons.
constexpr int TenureBase = 10;
constexpr double TenureFactor = 0.6;

bool isFull(const LessonTable& table, int cls)
{
    for (int s = 0; s < table.slotCount(); ++s)
        if (table.cell(cls, s) < 0)
            return false;
    return true;
}

bool worthPlacing(const LessonTable& table, int id)
{
    const Lesson& l = table.lesson(id);
    return l.classes.size() > 1 || !isFull(table, l.classes.front());
}

long long score(const LessonTable& table)
{
    return table.floorDeficit() * DeficitWeight +
           static_cast<long long>(table.unplacedPeriods()) * UnplacedWeight +
           static_cast<long long>(table.ruleViolations()) * ViolationCost + table.doubleBookings();
}

// The best (lesson, slot) of one step, what it ejects and what it moves out of its way.
struct Choice
{
    long long cost = LLONG_MAX;
    int lesson = -1;
    int slot = -1;
    int ties = 0;
    std::vector<int> ejected;
    std::vector<std::pair<int, int>> relocated; // (lesson of one class, its free slot)
    // Made first, in order, when there are any: they free the slot in full classes.
    std::vector<SlotExchange> exchanges;
};

// How a slot is freed for a lesson besides taking its occupants out or moving them to their
// free slots: also by exchanging it with free slots of the occupied classes, and then also
// by exchanges that occupy a member class that was free, as long as fewer stay occupied.
enum class Freeing { Ejection, Exchanges, Chains };

class Placement
{
public:
    Placement(LessonTable& table, RunControl& control, Freeing freeing)
        : table_(table), control_(control), freeingBy_(freeing), builder_(table),
          tabuUntil_(std::size_t(table.lessonCount()) * std::size_t(table.slotCount()), 0),
          hopeless_(std::size_t(table.lessonCount()), 0),
          relocation_(std::size_t(table.lessonCount()), -1),
          relocationStep_(std::size_t(table.lessonCount()), 0),
          seen_(std::size_t(table.lessonCount()), 0)
    {
    }

    void run(int target);

private:
    bool collectPool();
    void consider(int id, long long current, Choice& choice);
    // Keeps (lesson, slot) with its ejections and relocations, or with `exchanges` instead,
    // when it is the cheapest so far (ties drawn at random).
    void take(Choice& choice, long long cost, int id, int slot,
              const std::vector<SlotExchange>& exchanges);
    // A slot where the lesson's classes are all free and no rule keeps it out, its teachers
    // free there where that can be; -1 when there is none. Worked out once a step.
    int relocationFor(int lessonId);
    // The exchange of the slot with a free one in the occupied class that leaves the fewest
    // member classes of the lesson occupied there, the cheapest of those (into exchange_);
    // its cost, with the lesson placed when it leaves none; RefusedMove when there is none.
    int exchangeFor(int lessonId, int cls, int slot);
    // The lesson's member classes occupied in the slot with the exchange made (if given), and
    // of those the ones it brings a lesson into.
    struct Occupancy
    {
        int left = 0;
        int brought = 0;
    };
    Occupancy occupancy(int lessonId, int slot, const SlotExchange* exchange) const;
    // Exchanges freeing the slot in every member class, one occupied class after another,
    // each the cheapest with those before it made (into freeing_); their cost with the
    // lesson placed, RefusedMove when a class cannot be freed. The table is left as it was.
    int exchangesFor(int lessonId, int slot);
    long long& tabu(int id, int slot)
    {
        return tabuUntil_[std::size_t(id) * std::size_t(table_.slotCount()) + std::size_t(slot)];
    }

    LessonTable& table_;
    RunControl& control_;
    Freeing freeingBy_;
    SlotExchangeBuilder builder_;
    SlotExchange trial_;
    SlotExchange exchange_; // the cheapest exchangeFor found
    std::vector<SlotExchange> freeing_; // what exchangesFor found
    std::vector<long long> tabuUntil_;
    // Lessons with a fixed lesson in some member class in every slot.
    std::vector<char> hopeless_;
    std::vector<int> pool_;
    std::size_t waiting_ = 0; // lessons the pool stands for
    std::vector<int> relocation_;
    std::vector<long long> relocationStep_;
    std::vector<unsigned> seen_; // occupants met in the slot weighed now
    unsigned seenStamp_ = 0;
    std::vector<int> occupants_;
    std::vector<std::pair<int, int>> relocated_;
    std::vector<std::pair<int, int>> moved_;
    long long step_ = 0;
    long long bestScore_ = 0;
};

bool Placement::collectPool()
{
    pool_.clear();
    for (const int id : table_.unplacedLessons())
        if (!hopeless_[std::size_t(id)] && worthPlacing(table_, id))
            pool_.push_back(id);
    // The unplaced list's order depends on the history of changes.
    std::sort(pool_.begin(), pool_.end());
    waiting_ = pool_.size();
    // The lessons left out of one plan row are alike: weighing one of them is enough (a class
    // planned far beyond its week leaves thousands out).
    pool_.erase(std::unique(pool_.begin(), pool_.end(),
                            [this](int a, int b) {
                                const Lesson& x = table_.lesson(a);
                                const Lesson& y = table_.lesson(b);
                                return x.classes == y.classes && x.texts == y.texts &&
                                       x.counters == y.counters && x.main == y.main &&
                                       x.group == y.group;
                            }),
                pool_.end());
    return !pool_.empty();
}

void Placement::consider(int id, long long current, Choice& choice)
{
    const Lesson& l = table_.lesson(id);
    bool anyOpen = false;
    for (int s = 0; s < table_.slotCount(); ++s) {
        if (!table_.mayPut(id, s))
            continue;
        occupants_.clear();
        relocated_.clear();
        if (++seenStamp_ == 0) {
            std::fill(seen_.begin(), seen_.end(), 0);
            seenStamp_ = 1;
        }
        bool blocked = false;
        int ejectedPeriods = 0;
        for (const int c : l.classes) {
            const int there = table_.cell(c, s);
            if (there < 0 || seen_[std::size_t(there)] == seenStamp_)
                continue;
            seen_[std::size_t(there)] = seenStamp_;
            const Lesson& occupant = table_.lesson(there);
            if (occupant.fixed) {
                blocked = true;
                break;
            }
            // A lesson goes where its classes are all free, when there is such a slot.
            if (const int to = relocationFor(there); to >= 0) {
                relocated_.emplace_back(there, to);
                continue;
            }
            occupants_.push_back(there);
            ejectedPeriods += int(occupant.classes.size());
        }
        if (blocked)
            continue;
        anyOpen = true;
        // Full classes free the slot by exchanging it with free ones: nothing leaves.
        if (freeingBy_ != Freeing::Ejection && !occupants_.empty() && relocated_.empty()) {
            if (const int change = exchangesFor(id, s); change != RefusedMove) {
                const long long cost =
                    table_.floorDeficitChange({}, id) * DeficitWeight -
                    static_cast<long long>(l.classes.size()) * UnplacedWeight +
                    (l.main && !table_.isMorning(s) ? MainOutsideWeight : 0) + change;
                if (!(tabu(id, s) > step_ && current + cost >= bestScore_))
                    take(choice, cost, id, s, freeing_);
                continue;
            }
        }
        moved_.clear();
        int teacherMoves = int(l.teachers.size());
        for (const int there : occupants_) {
            moved_.emplace_back(there, -1);
            teacherMoves += int(table_.lesson(there).teachers.size());
        }
        for (const auto& [there, to] : relocated_) {
            moved_.emplace_back(there, to);
            teacherMoves += int(table_.lesson(there).teachers.size());
        }
        moved_.emplace_back(id, s);
        const long long placing = table_.floorDeficitChange(occupants_, id) * DeficitWeight +
                                  (ejectedPeriods - int(l.classes.size())) * UnplacedWeight +
                                  (l.main && !table_.isMorning(s) ? MainOutsideWeight : 0);
        // Each teacher of a lesson that moves changes the double bookings by one at most in
        // the slot left and in the slot taken; with no rule broken, none is mended either.
        if (table_.ruleViolations() == 0 && placing - 2 * teacherMoves > choice.cost)
            continue;
        const int change = moveCost(table_.changeOf(moved_));
        if (change == RefusedMove)
            continue;
        const long long cost = placing + change;
        // A tabu placement is taken only when it makes the best timetable yet.
        if (tabu(id, s) > step_ && current + cost >= bestScore_)
            continue;
        take(choice, cost, id, s, {});
    }
    if (!anyOpen)
        hopeless_[std::size_t(id)] = 1;
}

void Placement::take(Choice& choice, long long cost, int id, int slot,
                     const std::vector<SlotExchange>& exchanges)
{
    if (cost < choice.cost) {
        choice.cost = cost;
        choice.ties = 1;
    } else if (cost > choice.cost || control_.below(++choice.ties) != 0) {
        return;
    }
    choice.lesson = id;
    choice.slot = slot;
    choice.exchanges = exchanges;
    choice.ejected.clear();
    choice.relocated.clear();
    if (exchanges.empty()) {
        choice.ejected = occupants_;
        choice.relocated = relocated_;
    }
}

Placement::Occupancy Placement::occupancy(int lessonId, int slot,
                                          const SlotExchange* exchange) const
{
    Occupancy result;
    for (const int member : table_.lesson(lessonId).classes) {
        const bool moves = exchange && std::find(exchange->classes.begin(), exchange->classes.end(),
                                                 member) != exchange->classes.end();
        if (table_.cell(member, moves ? exchange->b : slot) >= 0) {
            ++result.left;
            result.brought += moves ? 1 : 0;
        }
    }
    return result;
}

int Placement::exchangeFor(int lessonId, int cls, int slot)
{
    const int occupiedNow = occupancy(lessonId, slot, nullptr).left;
    int best = RefusedMove;
    int fewestLeft = occupiedNow;
    for (int t = 0; t < table_.slotCount(); ++t) {
        if (t == slot || table_.cell(cls, t) >= 0 || !builder_.build(cls, slot, t, trial_))
            continue;
        const Occupancy after = occupancy(lessonId, slot, &trial_);
        // Without chains, no member class may become occupied.
        if (after.left > fewestLeft || after.left >= occupiedNow ||
            (freeingBy_ != Freeing::Chains && after.brought > 0))
            continue;
        moved_.clear();
        for (const int id : trial_.lessons)
            moved_.emplace_back(id, table_.lesson(id).slot == slot ? t : slot);
        // The exchange that frees the last class is weighed with the lesson placed: it may
        // complete a double period that the exchange alone would be refused for breaking up.
        if (after.left == 0)
            moved_.emplace_back(lessonId, slot);
        const int change = moveCost(table_.changeOf(moved_));
        if (change != RefusedMove && (after.left < fewestLeft || change < best)) {
            best = change;
            fewestLeft = after.left;
            exchange_ = trial_;
        }
    }
    return best;
}

int Placement::exchangesFor(int lessonId, int slot)
{
    const Lesson& l = table_.lesson(lessonId);
    freeing_.clear();
    std::size_t made = 0;
    int total = 0;
    for (;;) {
        const auto occupied = std::find_if(l.classes.begin(), l.classes.end(),
                                           [&](int c) { return table_.cell(c, slot) >= 0; });
        // An exchange may have freed several classes at once.
        const int change = occupied != l.classes.end()
                               ? exchangeFor(lessonId, *occupied, slot)
                               : moveCost(table_.changeOf({{lessonId, slot}}));
        total = change == RefusedMove ? RefusedMove : total + change;
        if (occupied == l.classes.end() || change == RefusedMove)
            break;
        freeing_.push_back(exchange_);
        if (occupancy(lessonId, slot, &exchange_).left == 0)
            break;
        applyExchange(table_, exchange_);
        ++made;
    }
    // Undone in reverse: an exchange made again puts its slots back.
    while (made > 0)
        applyExchange(table_, freeing_[--made]);
    return total;
}

int Placement::relocationFor(int lessonId)
{
    if (relocationStep_[std::size_t(lessonId)] == step_ + 1)
        return relocation_[std::size_t(lessonId)];
    const Lesson& l = table_.lesson(lessonId);
    int found = -1;
    int fewestBusy = INT_MAX;
    int ties = 0;
    for (int s = 0; s < table_.slotCount(); ++s) {
        if (std::any_of(l.classes.begin(), l.classes.end(),
                        [&](int c) { return table_.cell(c, s) >= 0; }) ||
            !table_.mayPut(lessonId, s) ||
            std::any_of(l.facts.begin(), l.facts.end(), [&](const conditions::LessonFacts& f) {
                return table_.tally().ruleBrokenIfAdded(f, s).has_value();
            }))
            continue;
        int busy = 0;
        for (const int t : l.teachers)
            busy += table_.busy(t, s) > 0 ? 1 : 0;
        if (busy < fewestBusy) {
            fewestBusy = busy;
            ties = 0;
        } else if (busy > fewestBusy) {
            continue;
        }
        if (control_.below(++ties) == 0)
            found = s;
    }
    relocationStep_[std::size_t(lessonId)] = step_ + 1;
    relocation_[std::size_t(lessonId)] = found;
    return found;
}

void Placement::run(int target)
{
    bestScore_ = score(table_);
    LessonTable::Snapshot best = table_.snapshot();
    long long lastImprovement = 0;
    for (;; ++step_) {
        if ((table_.unplacedPeriods() <= target && table_.floorDeficit() == 0) ||
            step_ - lastImprovement >
                (freeingBy_ != Freeing::Ejection ? ExchangeStallSteps : PlacementStallSteps))
            break;
        if (!collectPool() || !control_.step())
            break;
        Choice choice;
        const long long current = score(table_);
        for (const int id : pool_)
            consider(id, current, choice);
        if (choice.slot < 0)
            continue;
        const long long tenure = step_ + control_.below(TenureBase) +
                                 static_cast<long long>(TenureFactor * double(waiting_));
        for (const SlotExchange& exchange : choice.exchanges) {
            for (const int there : exchange.lessons)
                tabu(there, table_.lesson(there).slot) = tenure;
            applyExchange(table_, exchange);
        }
        for (const int there : choice.ejected) {
            table_.unplace(there);
            tabu(there, choice.slot) = tenure;
        }
        for (const auto& [there, to] : choice.relocated) {
            table_.exchange(table_.lesson(there).classes, choice.slot, to, {there});
            tabu(there, choice.slot) = tenure;
        }
        table_.place(choice.lesson, choice.slot);
        control_.moved();
        if (score(table_) < bestScore_) {
            bestScore_ = score(table_);
            best = table_.snapshot();
            lastImprovement = step_;
        }
    }
    if (score(table_) > bestScore_) {
        table_.restore(best);
        control_.restored();
    }
}

} // namespace

bool placementMayHelp(const LessonTable& table)
{
    const std::vector<int>& unplaced = table.unplacedLessons();
    return std::any_of(unplaced.begin(), unplaced.end(),
                       [&](int id) { return worthPlacing(table, id); });
}

void placeUnplacedLessons(LessonTable& table, RunControl& control, int target)
{
    for (const Freeing freeing : {Freeing::Ejection, Freeing::Exchanges, Freeing::Chains})
        if (freeing == Freeing::Ejection || table.unplacedPeriods() > target)
            Placement(table, control, freeing).run(target);
}

} // namespace orve::optimiser
