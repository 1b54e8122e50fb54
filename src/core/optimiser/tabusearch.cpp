#include "tabusearch.h"

#include "lessontable.h"
#include "runcontrol.h"
#include "slotexchange.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace orve::optimiser {

namespace {

// Lessons of the double-booked (teacher, slot) tried per step, and of the same teacher
// elsewhere (a teacher with more lessons than slots needs lessons moved into stacks too).
constexpr int StackCandidates = 2;
constexpr int OtherCandidates = 8;
// Near its bound (at most KickWithin above it) the first EndgameClassCandidates of the others
// may be any teacher's lessons in his classes: moved out of the way, they open slots that no
// exchange of his own lessons does.
constexpr int EndgameClassCandidates = 1;
// Tabu tenure: a random part below TenureBase plus TenureFactor x the double bookings.
constexpr int TenureBase = 10;
constexpr double TenureFactor = 0.6;
// Down to its last few double bookings (at most KickWithin above the bound) the tabu search
// keeps trying the same ones and can stay in one basin for good. After so many steps without
// a better timetable there (at least KickAfterSteps, one more for every
// LessonsPerStepOfPatience lessons: on a large school a better one takes longer to find) it
// goes back to the best timetable and makes KickMoves random moves from it (see kick()).
constexpr int KickWithin = 2;
constexpr qint64 KickAfterSteps = 3000;
constexpr qint64 LessonsPerStepOfPatience = 2;
constexpr int KickMoves = 10;
// A teacher with GatheringLoad times more lessons than the week has slots stands double-booked
// in many slots whatever: he loses one only when a stack of his lessons is down to one. While
// the search works on his double bookings, of the moves that are equally good it takes one that
// gathers his lessons most into fewer, larger stacks, rather than any at random.
constexpr int GatheringLoad = 3;

bool classIsFull(const LessonTable& table, int cls)
{
    for (int s = 0; s < table.slotCount(); ++s)
        if (table.cell(cls, s) < 0)
            return false;
    return true;
}

// The lesson forming a double period with `id`: of the same classes and course, in the period
// beside it within one part of the day; -1 when there is none.
int partnerOf(const LessonTable& table, int id)
{
    const Lesson& l = table.lesson(id);
    if (l.slot < 0 || l.facts.empty())
        return -1;
    const conditions::RuleBook& book = table.tally().book();
    const int course = l.facts.front().course;
    if (course < 0 || book.doublePeriods(l.facts.front().classIndex, course) <= 0)
        return -1;
    const int cls = l.classes.front();
    const std::optional<int> slot = book.pairedSlot(l.slot, [&](int s) {
        if (s >= table.slotCount() || table.cell(cls, s) < 0)
            return false;
        const Lesson& there = table.lesson(table.cell(cls, s));
        return there.classes == l.classes && !there.facts.empty() &&
               there.facts.front().course == course;
    });
    return slot ? table.cell(cls, *slot) : -1;
}

class TabuSearch
{
public:
    TabuSearch(LessonTable& table, RunControl& control)
        : table_(table), control_(control), builder_(table),
          tabuUntil_(std::size_t(table.lessonCount()) * std::size_t(table.slotCount()), 0),
          seen_(std::size_t(table.lessonCount()), 0),
          gathers_(std::size_t(table.teacherCount()), 0)
    {
        for (int t = 0; t < table.teacherCount(); ++t) {
            int lessons = 0;
            for (int s = 0; s < table.slotCount(); ++s)
                lessons += table.busy(t, s);
            gathers_[std::size_t(t)] = lessons >= GatheringLoad * table.slotCount();
        }
    }

    qint64 run(int target, int violationTarget, qint64 stallSteps);

private:
    // A candidate step: a slot exchange, or an exchange with a left-out lesson.
    struct Move
    {
        SlotExchange exchange;
        SlotExchange second; // a double period's other lesson moves by it too
        bool paired = false;
        int leaving = -1; // placed lesson that leaves the timetable
        int coming = -1;  // left-out lesson of the same class that takes its cell
    };

    // A rule mended outweighs any number of double bookings, as in moveCost.
    long long score() const
    {
        return static_cast<long long>(table_.ruleViolations()) * ViolationCost +
               table_.doubleBookings();
    }
    void startCandidates();
    void collectCandidates(int teacher, int slot);
    bool breaches(int id) const;
    int breachingLesson();
    bool collectAroundBreach();
    // A lesson to try moving: of the teacher, or of anyone's (-1).
    void addCandidate(int id, int teacher);
    bool consider(int delta, bool tabu);
    void considerExchange(bool tabu);
    bool takesMainLessonOut(const SlotExchange& exchange) const;
    void tryPair(int id);
    void tryLeftOut(int id);
    void make(qint64 step);
    int lessonNearDoubleBooking();
    void kick();
    long long& tabu(int id, int slot)
    {
        return tabuUntil_[std::size_t(id) * std::size_t(table_.slotCount()) + std::size_t(slot)];
    }

    LessonTable& table_;
    RunControl& control_;
    SlotExchangeBuilder builder_;
    std::vector<long long> tabuUntil_;
    std::vector<int> candidates_;
    std::vector<int> breaching_;
    // The counts of broken rules and unplaced periods when a scan last found no lesson
    // breaking a rule.
    std::pair<int, int> foundNoBreachAt_{-1, -1};
    std::vector<unsigned> seen_;
    unsigned seenStamp_ = 0;
    std::vector<char> gathers_;    // by teacher: whether to gather his lessons (GatheringLoad)
    int gatheringTeacher_ = -1;    // the teacher whose lessons this step gathers, if any
    std::vector<int> leaving_ = std::vector<int>(1);
    SlotExchange trial_;
    SlotExchange secondTrial_;
    Move best_;
    qint64 step_ = 0;
    bool nearBound_ = false; // the best timetable is at most KickWithin above the bound
    long long bestScore_ = 0;
    long long current_ = 0;
    int bestDelta_ = INT_MAX;
    int bestGathering_ = 0;
    int ties_ = 0;
};

void TabuSearch::addCandidate(int id, int teacher)
{
    if (id >= 0 && seen_[std::size_t(id)] != seenStamp_ && !table_.lesson(id).fixed &&
        (teacher < 0 || table_.teaches(id, teacher))) {
        seen_[std::size_t(id)] = seenStamp_;
        candidates_.push_back(id);
    }
}

void TabuSearch::startCandidates()
{
    candidates_.clear();
    gatheringTeacher_ = -1;
    if (++seenStamp_ == 0) {
        std::fill(seen_.begin(), seen_.end(), 0);
        seenStamp_ = 1;
    }
}

void TabuSearch::collectCandidates(int teacher, int slot)
{
    startCandidates();
    if (gathers_[std::size_t(teacher)])
        gatheringTeacher_ = teacher;
    const std::vector<int>& classes = table_.classesOfTeacher(teacher);
    for (const int cls : classes)
        addCandidate(table_.cell(cls, slot), teacher);
    const int inStack = int(candidates_.size());
    const int kept = std::min(inStack, StackCandidates);
    for (int k = 0; k < kept; ++k)
        std::swap(candidates_[std::size_t(k)],
                  candidates_[std::size_t(k + control_.below(inStack - k))]);
    candidates_.resize(std::size_t(kept));
    const int ofAnyTeacher = nearBound_ ? EndgameClassCandidates : 0;
    for (int k = 0; k < OtherCandidates; ++k)
        addCandidate(table_.cell(classes[std::size_t(control_.below(int(classes.size())))],
                                 control_.below(table_.slotCount())),
                     k < ofAnyTeacher ? -1 : teacher);
}

bool TabuSearch::breaches(int id) const
{
    const Lesson& l = table_.lesson(id);
    return !l.fixed && l.slot >= 0 &&
           std::any_of(l.facts.begin(), l.facts.end(), [&](const conditions::LessonFacts& f) {
               return table_.tally().breaksRule(f, l.slot);
           });
}

// A random lesson breaking a rule where it stands; -1 when the rules broken are those of
// lessons left out (a double period of lessons not placed). The list is made again only when
// every lesson on it has been mended, and a scan that found none is not made again while the
// counts stay as they were: on a large school a scan of every lesson each step would cost
// more than the step.
int TabuSearch::breachingLesson()
{
    while (!breaching_.empty()) {
        const std::size_t k = std::size_t(control_.below(int(breaching_.size())));
        if (const int id = breaching_[k]; breaches(id))
            return id;
        breaching_[k] = breaching_.back();
        breaching_.pop_back();
    }
    const std::pair<int, int> counts{table_.ruleViolations(), table_.unplacedPeriods()};
    if (counts == foundNoBreachAt_)
        return -1;
    for (int id = 0; id < table_.lessonCount(); ++id)
        if (breaches(id))
            breaching_.push_back(id);
    if (breaching_.empty())
        foundNoBreachAt_ = counts;
    return breaching_.empty() ? -1
                              : breaching_[std::size_t(control_.below(int(breaching_.size())))];
}

// A lesson breaking a rule, with lessons of its teacher that may make room (a daily maximum
// is mended by moving any of that day's lessons). False when no placed lesson breaks a rule.
bool TabuSearch::collectAroundBreach()
{
    startCandidates();
    const int id = breachingLesson();
    if (id < 0)
        return false;
    const Lesson& l = table_.lesson(id);
    if (!l.teachers.empty())
        collectCandidates(l.teachers[std::size_t(control_.below(int(l.teachers.size())))], l.slot);
    if (seen_[std::size_t(id)] != seenStamp_) {
        seen_[std::size_t(id)] = seenStamp_;
        candidates_.push_back(id);
    }
    return true;
}

// Asked right after the move's cost was weighed: the tally's last change is the move's.
bool TabuSearch::consider(int delta, bool tabu)
{
    if ((tabu && current_ + delta >= bestScore_) || delta > bestDelta_)
        return false;
    const int gathering = gatheringTeacher_ < 0
                              ? 0
                              : table_.tally().squaredLessonsChange(gatheringTeacher_);
    if (delta < bestDelta_ || gathering > bestGathering_) {
        bestDelta_ = delta;
        bestGathering_ = gathering;
        ties_ = 1;
        return true;
    }
    return gathering == bestGathering_ && control_.below(++ties_) == 0;
}

void TabuSearch::considerExchange(bool tabu)
{
    const int cost = builder_.cost(trial_);
    if (cost != RefusedMove && consider(cost, tabu)) {
        best_.exchange = trial_;
        best_.paired = false;
        best_.leaving = -1;
    }
}

bool TabuSearch::takesMainLessonOut(const SlotExchange& exchange) const
{
    return std::any_of(exchange.lessons.begin(), exchange.lessons.end(), [&](int id) {
        const Lesson& l = table_.lesson(id);
        const int to = l.slot == exchange.a ? exchange.b : exchange.a;
        return l.main && table_.isMorning(l.slot) && !table_.isMorning(to);
    });
}

// A double period moves whole, to two periods beside each other in one part of a day: moved
// alone, either lesson would break the pair up, which the rules refuse.
void TabuSearch::tryPair(int id)
{
    const int partner = partnerOf(table_, id);
    if (partner < 0)
        return;
    const conditions::RuleBook& book = table_.tally().book();
    const int cls = table_.lesson(id).classes.front();
    const int from = table_.lesson(id).slot;
    const int partnerFrom = table_.lesson(partner).slot;
    const int offset = partnerFrom - from;
    for (int to = 0; to < table_.slotCount(); ++to) {
        const int partnerTo = to + offset;
        if (partnerTo < 0 || partnerTo >= table_.slotCount() ||
            !book.joinsNext(std::min(to, partnerTo)) || to == from || to == partnerFrom ||
            partnerTo == from || partnerTo == partnerFrom ||
            !builder_.build(cls, from, to, trial_) ||
            !builder_.build(cls, partnerFrom, partnerTo, secondTrial_))
            continue;
        // Each exchange alone may take a main lesson out of the morning where the strict
        // rule leaves room for one; together they might take two.
        if (takesMainLessonOut(trial_) || takesMainLessonOut(secondTrial_))
            continue;
        const int cost = builder_.cost(trial_, secondTrial_);
        if (cost != RefusedMove &&
            consider(cost, tabu(id, to) > step_ || tabu(partner, partnerTo) > step_)) {
            best_.exchange = trial_;
            best_.second = secondTrial_;
            best_.paired = true;
            best_.leaving = -1;
        }
    }
}

void TabuSearch::tryLeftOut(int id)
{
    const Lesson& l = table_.lesson(id);
    const int cls = l.classes.front();
    if (l.classes.size() != 1 || table_.unplacedLessons().empty() || !classIsFull(table_, cls))
        return;
    leaving_[0] = id;
    for (const int in : table_.unplacedLessons()) {
        if (table_.soleClass(in) != cls || !table_.mayPut(in, l.slot) ||
            table_.floorDeficitChange(leaving_, in) > 0)
            continue;
        const int cost = moveCost(table_.changeOf({{id, -1}, {in, l.slot}}));
        if (cost != RefusedMove && consider(cost, tabu(in, l.slot) > step_)) {
            best_.paired = false;
            best_.leaving = id;
            best_.coming = in;
        }
    }
}

void TabuSearch::make(qint64 step)
{
    const long long tenure = step + control_.below(TenureBase) +
                             static_cast<long long>(TenureFactor * table_.doubleBookings());
    if (best_.leaving >= 0) {
        const int at = table_.lesson(best_.leaving).slot;
        table_.unplace(best_.leaving);
        table_.place(best_.coming, at);
        tabu(best_.leaving, at) = tenure;
    } else {
        for (const SlotExchange* exchange : {&best_.exchange, &best_.second}) {
            if (exchange == &best_.second && !best_.paired)
                break;
            for (const int id : exchange->lessons)
                tabu(id, table_.lesson(id).slot) = tenure;
            applyExchange(table_, *exchange);
        }
    }
    control_.moved();
}

// A random lesson of a class a double-booked teacher teaches.
int TabuSearch::lessonNearDoubleBooking()
{
    const int key = table_.conflictKeys()[std::size_t(control_.below(table_.doubleBookings()))];
    const std::vector<int>& classes = table_.classesOfTeacher(key / table_.slotCount());
    return table_.cell(classes[std::size_t(control_.below(int(classes.size())))],
                       control_.below(table_.slotCount()));
}

// Random moves that break no rule (double bookings may come), each kept from being undone at
// once. With only a few double bookings left the moves are made around them: elsewhere in a
// large school they leave the basin as it was.
void TabuSearch::kick()
{
    const bool near = table_.doubleBookings() > 0 && table_.doubleBookings() <= KickWithin;
    for (int made = 0, tries = 0; made < KickMoves && tries < 100 * KickMoves; ++tries) {
        // A move may have taken the last double booking away.
        const int id = near && table_.doubleBookings() > 0 ? lessonNearDoubleBooking()
                                                            : control_.below(table_.lessonCount());
        if (id < 0)
            continue;
        const Lesson& l = table_.lesson(id);
        if (l.fixed || l.slot < 0)
            continue;
        const int to = control_.below(table_.slotCount());
        if (to == l.slot || !builder_.build(l.classes.front(), l.slot, to, trial_) ||
            builder_.cost(trial_) == RefusedMove)
            continue;
        for (const int moved : trial_.lessons)
            tabu(moved, table_.lesson(moved).slot) = step_ + TenureBase;
        applyExchange(table_, trial_);
        control_.moved();
        ++made;
    }
}

qint64 TabuSearch::run(int target, int violationTarget, qint64 stallSteps)
{
    bestScore_ = score();
    LessonTable::Snapshot best = table_.snapshot();
    qint64 bestStep = 0;
    qint64 lastKick = 0;
    int bestDoubleBookings = table_.doubleBookings();
    const qint64 kickAfter =
        std::max(KickAfterSteps, table_.lessonCount() / LessonsPerStepOfPatience);
    // A breach of a rule outweighs any double booking, so the search goes on past the bound
    // while one is left, and turns to breaches as often as to double bookings.
    for (;;) {
        const bool aboveBound = table_.doubleBookings() > std::max(target, 0);
        const bool breaches = table_.ruleViolations() > violationTarget;
        if ((!aboveBound && !breaches) || (stallSteps >= 0 && step_ - bestStep > stallSteps) ||
            !control_.step())
            break;
        ++step_;
        if (step_ - std::max(bestStep, lastKick) > kickAfter &&
            bestDoubleBookings - std::max(target, 0) <= KickWithin) {
            table_.restore(best);
            control_.restored();
            kick();
            lastKick = step_;
            continue;
        }
        nearBound_ = bestDoubleBookings - std::max(target, 0) <= KickWithin;
        if (breaches && (!aboveBound || control_.below(2) == 0) && collectAroundBreach()) {
            // candidates around a breach collected
        } else if (aboveBound) {
            const int key =
                table_.conflictKeys()[std::size_t(control_.below(table_.doubleBookings()))];
            collectCandidates(key / table_.slotCount(), key % table_.slotCount());
        } else {
            break; // the rules left broken are out of reach: their lessons are left out
        }

        current_ = score();
        bestDelta_ = INT_MAX;
        bestGathering_ = 0;
        ties_ = 0;
        for (const int id : candidates_) {
            const int cls = table_.lesson(id).classes.front();
            const int from = table_.lesson(id).slot;
            for (int to = 0; to < table_.slotCount(); ++to) {
                if (to == from || !builder_.build(cls, from, to, trial_))
                    continue;
                const bool tabuMove = tabu(id, to) > step_;
                considerExchange(tabuMove);
            }
            tryPair(id);
            tryLeftOut(id);
        }
        if (ties_ == 0)
            continue; // every move tabu
        make(step_);
        if (score() < bestScore_) {
            bestScore_ = score();
            best = table_.snapshot();
            bestStep = step_;
            bestDoubleBookings = table_.doubleBookings();
        }
    }
    if (score() > bestScore_) {
        table_.restore(best);
        control_.restored();
    }
    return step_;
}

} // namespace

qint64 removeDoubleBookings(LessonTable& table, RunControl& control, int target,
                            int violationTarget, qint64 stallSteps)
{
    return TabuSearch(table, control).run(target, violationTarget, stallSteps);
}

} // namespace orve::optimiser
