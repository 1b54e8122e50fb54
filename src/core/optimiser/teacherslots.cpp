#include "teacherslots.h"

#include <algorithm>

namespace orve::optimiser {

bool mayStand(const LessonTable& table, int id, int slot)
{
    return table.lesson(id).slot == slot || table.mayStandKeepingRules(id, slot);
}

namespace {

bool dailyLimitsKept(const LessonTable& table)
{
    return table.tally()
               .counts()
               .violations[std::size_t(conditions::RuleKind::TeacherDailyLimit)] == 0;
}

// One of his main counters: of the lessons its floor keeps in the morning those that are his
// (a hand-made cell may give a class's course another teacher), his fixed ones of it there,
// and those of its other lessons given morning slots only so far.
struct MorningCounter
{
    int counter = -1;
    int floor = 0;
    int fixed = 0;
    const std::vector<int>* classes = nullptr;
    int given = 0;
    int lessons = 0; // his
    bool wantsMorning() const { return fixed + given < floor; }
};

class MorningCounters
{
public:
    MorningCounter* of(const Lesson& l)
    {
        const auto found = std::find_if(list.begin(), list.end(), [&](const MorningCounter& c) {
            return !l.counters.empty() && c.counter == l.counters.front();
        });
        return found == list.end() ? nullptr : &*found;
    }
    std::vector<MorningCounter> list;
};

// His lessons the morning holds in every timetable: the floors of his main counters, and his
// fixed lessons there, whose slots they take; his fixed lessons after it take their days' room.
void holdMorning(const LessonTable& table, const std::vector<int>& lessons,
                 MorningCounters& counters, TeacherLessons& his)
{
    for (const int id : lessons) {
        const Lesson& l = table.lesson(id);
        if (l.main && !l.fixed && !counters.of(l))
            counters.list.push_back(
                {l.counters.front(), table.morningFloor(l.counters.front()), 0, &l.classes, 0, 0});
    }
    for (const int id : lessons)
        if (MorningCounter* counter = counters.of(table.lesson(id)))
            ++counter->lessons;
    for (MorningCounter& c : counters.list)
        c.floor = std::max(c.floor - (table.placedOf(c.counter) - c.lessons), 0);
    his.bindsMorning = !counters.list.empty();
    for (const int id : lessons) {
        const Lesson& l = table.lesson(id);
        if (!l.fixed)
            continue;
        if (!table.isMorning(l.slot)) {
            if (const int day = table.tally().dayOf(l.slot); day >= 0)
                ++his.fixedAfterMorning[std::size_t(day)];
            continue;
        }
        his.usableInMorning[std::size_t(l.slot)] = 1;
        if (MorningCounter* counter = l.main ? counters.of(l) : nullptr)
            ++counter->fixed;
        else
            ++his.inMorning.of(l.classes).lessons;
    }
    for (const MorningCounter& c : counters.list)
        his.inMorning.of(*c.classes).lessons += std::max(c.floor, c.fixed);
}

} // namespace

TeacherLessons::TeacherLessons(const LessonTable& table, const std::vector<int>& lessons,
                               MainRule rule)
    : usable(std::size_t(table.slotCount()), 0), inMorning(table.slotCount()),
      usableInMorning(std::size_t(table.slotCount()), 0),
      fixedAfterMorning(std::size_t(std::max(table.tally().book().days(), 0)), 0)
{
    MorningCounters counters;
    if (rule == MainRule::Strict)
        holdMorning(table, lessons, counters, *this);
    // With a rule broken, a lesson may stay in a slot the others of its counter may not use.
    const bool alike = table.ruleViolations() == 0;
    for (const int id : lessons) {
        const Lesson& l = table.lesson(id);
        MorningCounter* counter = rule == MainRule::Strict && !l.fixed ? counters.of(l) : nullptr;
        const bool morningOnly = alike && counter && counter->wantsMorning();
        if (morningOnly)
            ++counter->given;
        slotsOf.startLesson();
        for (int s = 0; s < table.slotCount(); ++s) {
            if (!mayStand(table, id, s))
                continue;
            usable[std::size_t(s)] = 1;
            if (!table.isMorning(s)) {
                if (!morningOnly)
                    slotsOf.add(s);
                continue;
            }
            slotsOf.add(s);
            if (counter)
                usableInMorning[std::size_t(s)] = 1;
        }
    }
}

int SlotMatching::largest(const LessonSlots& slotsOf, int slotCount, int most)
{
    // Lessons with as many slots each as there are lessons all find one (Hall).
    const int lessons = slotsOf.lessons();
    bool roomy = true;
    for (int lesson = 0; lesson < lessons && roomy; ++lesson)
        roomy = slotsOf.count(lesson) >= std::size_t(lessons);
    if (roomy)
        return std::min(lessons, most);
    slotsOf_ = &slotsOf;
    lessonIn_.assign(std::size_t(slotCount), -1);
    visited_.assign(std::size_t(slotCount), -1);
    // A free slot of its own first; the searches for paths are left to the lessons without.
    std::vector<int> waiting;
    int matched = 0;
    for (int lesson = 0; lesson < lessons; ++lesson) {
        const int* const end = slotsOf.end(lesson);
        const int* const free = std::find_if(slotsOf.begin(lesson), end,
                                             [&](int s) { return lessonIn_[std::size_t(s)] < 0; });
        if (free == end) {
            waiting.push_back(lesson);
            continue;
        }
        lessonIn_[std::size_t(*free)] = lesson;
        ++matched;
    }
    for (const int lesson : waiting) {
        if (matched >= most)
            break;
        matched += augment(lesson, lesson) ? 1 : 0;
    }
    return std::min(matched, most);
}

bool SlotMatching::augment(int lesson, int round)
{
    for (const int* slot = slotsOf_->begin(lesson); slot != slotsOf_->end(lesson); ++slot) {
        const std::size_t s = std::size_t(*slot);
        if (visited_[s] == round)
            continue;
        visited_[s] = round;
        if (lessonIn_[s] < 0 || augment(lessonIn_[s], round)) {
            lessonIn_[s] = lesson;
            return true;
        }
    }
    return false;
}

DailyRoom::DailyRoom(const LessonTable& table, int teacher)
    : table_(table), perDay_(std::size_t(std::max(table.tally().book().days(), 0)), 0),
      limit_(dailyLimitsKept(table) ? table.tally().teacherDailyLimit(teacher) : 0)
{
}

int DailyRoom::slotsToFill(const std::vector<char>& usable, const std::vector<int>& heldElsewhere)
{
    std::fill(perDay_.begin(), perDay_.end(), 0);
    int room = 0;
    for (int s = 0; s < table_.slotCount(); ++s) {
        if (!usable[std::size_t(s)])
            continue;
        const int day = table_.tally().dayOf(s);
        ++(day < 0 ? room : perDay_[std::size_t(day)]); // beyond the week no rule binds
    }
    for (std::size_t day = 0; day < perDay_.size(); ++day)
        room +=
            limit_ > 0 ? std::clamp(limit_ - heldElsewhere[day], 0, perDay_[day]) : perDay_[day];
    return room;
}

} // namespace orve::optimiser
