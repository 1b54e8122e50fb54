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
           static_cast<long long>(table.ruleViolations()) * ViolationCost +
           table.doubleBookings();
}

// The best (lesson, slot) of one step and what it ejects.
struct Choice
{
    long long cost = LLONG_MAX;
    int lesson = -1;
    int slot = -1;
    int ties = 0;
    std::vector<int> ejected;
};

class Placement
{
public:
    Placement(LessonTable& table, RunControl& control)
        : table_(table), control_(control),
          tabuUntil_(std::size_t(table.lessonCount()) * std::size_t(table.slotCount()), 0),
          hopeless_(std::size_t(table.lessonCount()), 0)
    {
    }

    void run();

private:
    bool collectPool();
    void consider(int id, long long current, Choice& choice);
    long long& tabu(int id, int slot)
    {
        return tabuUntil_[std::size_t(id) * std::size_t(table_.slotCount()) + std::size_t(slot)];
    }

    LessonTable& table_;
    RunControl& control_;
    std::vector<long long> tabuUntil_;
    // Lessons with a fixed lesson in some member class in every slot.
    std::vector<char> hopeless_;
    std::vector<int> pool_;
    std::vector<int> occupants_;
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
        bool blocked = false;
        int ejectedPeriods = 0;
        for (const int c : l.classes) {
            const int there = table_.cell(c, s);
            if (there < 0 ||
                std::find(occupants_.begin(), occupants_.end(), there) != occupants_.end())
                continue;
            if (table_.lesson(there).fixed) {
                blocked = true;
                break;
            }
            occupants_.push_back(there);
            ejectedPeriods += int(table_.lesson(there).classes.size());
        }
        if (blocked)
            continue;
        anyOpen = true;
        moved_.clear();
        for (const int there : occupants_)
            moved_.emplace_back(there, -1);
        moved_.emplace_back(id, s);
        const int change = moveCost(table_.changeOf(moved_));
        if (change == RefusedMove)
            continue;
        const long long cost = table_.floorDeficitChange(occupants_, id) * DeficitWeight +
                               (ejectedPeriods - int(l.classes.size())) * UnplacedWeight +
                               (l.main && !table_.isMorning(s) ? MainOutsideWeight : 0) + change;
        // A tabu placement is taken only when it makes the best timetable yet.
        if (tabu(id, s) > step_ && current + cost >= bestScore_)
            continue;
        if (cost < choice.cost) {
            choice.cost = cost;
            choice.ties = 1;
        } else if (cost > choice.cost || control_.below(++choice.ties) != 0) {
            continue;
        }
        choice.lesson = id;
        choice.slot = s;
        choice.ejected = occupants_;
    }
    if (!anyOpen)
        hopeless_[std::size_t(id)] = 1;
}

void Placement::run()
{
    const int unavoidable = table_.unavoidableUnplaced();
    bestScore_ = score(table_);
    LessonTable::Snapshot best = table_.snapshot();
    long long lastImprovement = 0;
    for (;; ++step_) {
        if (table_.unplacedPeriods() <= unavoidable ||
            step_ - lastImprovement > PlacementStallSteps)
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
                                 static_cast<long long>(TenureFactor * double(pool_.size()));
        for (const int there : choice.ejected) {
            table_.unplace(there);
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
    if (score(table_) > bestScore_)
        table_.restore(best);
}

} // namespace

bool placementMayHelp(const LessonTable& table)
{
    const std::vector<int>& unplaced = table.unplacedLessons();
    return std::any_of(unplaced.begin(), unplaced.end(),
                       [&](int id) { return worthPlacing(table, id); });
}

void placeUnplacedLessons(LessonTable& table, RunControl& control)
{
    Placement(table, control).run();
}

} // namespace orve::optimiser
