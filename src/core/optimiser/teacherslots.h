// Where a teacher's lessons can stand, as the double-booking bound weighs them: the slots each
// lesson may use, the lessons the strict main rule binds to the morning, and how many slots
// they can take one lesson each.
#pragma once

#include "lessontable.h"
#include "scheduler/leftoutbound.h"

#include <vector>

namespace orve::optimiser {

// Where a lesson stands it may stay, even breaking a rule: the search never adds a breach but
// need not mend one.
bool mayStand(const LessonTable& table, int id, int slot);

// Per lesson, the slots it may use, kept in one list.
class LessonSlots
{
public:
    void startLesson() { starts_.push_back(slots_.size()); }
    void add(int slot) { slots_.push_back(slot); }
    int lessons() const { return int(starts_.size()); }
    const int* begin(int lesson) const { return slots_.data() + starts_[std::size_t(lesson)]; }
    const int* end(int lesson) const
    {
        const std::size_t next = std::size_t(lesson) + 1;
        return slots_.data() + (next < starts_.size() ? starts_[next] : slots_.size());
    }
    std::size_t count(int lesson) const { return std::size_t(end(lesson) - begin(lesson)); }

private:
    std::vector<int> slots_;
    std::vector<std::size_t> starts_;
};

struct TeacherLessons
{
    // `lessons`: the teacher's placed lessons.
    TeacherLessons(const LessonTable& table, const std::vector<int>& lessons, MainRule rule);

    std::vector<char> usable; // per slot: one of his lessons may stand there
    // Per lesson, its slots; with no rule broken, as many of a counter's lessons as its floor
    // keeps in the morning beyond its fixed ones there are given morning slots only (the
    // lessons of a counter are alike, so which ones does not matter).
    LessonSlots slotsOf;
    // Under the strict rule: his lessons the morning holds in every timetable (the floors of
    // his main counters, his fixed lessons there), the morning slots they may use, and per day
    // his fixed lessons after the morning.
    bool bindsMorning = false;
    scheduler::LessonKinds inMorning;
    std::vector<char> usableInMorning;
    std::vector<int> fixedAfterMorning;
};

// The most lessons that can stand in slots of their own, each in one of its slots (a largest
// matching): in every timetable his lessons take no more slots than that. Counted up to
// `most`, where the caller knows no more can be.
class SlotMatching
{
public:
    int largest(const LessonSlots& slotsOf, int slotCount, int most);

private:
    bool augment(int lesson, int round);

    const LessonSlots* slotsOf_ = nullptr;
    std::vector<int> lessonIn_;
    std::vector<int> visited_;
};

// How many of a set of slots a teacher's lessons can fill one each under his daily maximum.
// Once no daily maximum is broken the search keeps it so, and a day then holds at most his
// maximum less the lessons bound to the day outside the set (`heldElsewhere`, per day).
class DailyRoom
{
public:
    DailyRoom(const LessonTable& table, int teacher);
    int slotsToFill(const std::vector<char>& usable, const std::vector<int>& heldElsewhere);
    int slotsToFill(const std::vector<char>& usable)
    {
        return slotsToFill(usable, std::vector<int>(perDay_.size(), 0));
    }
    int days() const { return int(perDay_.size()); }

private:
    const LessonTable& table_;
    std::vector<int> perDay_;
    int limit_;
};

} // namespace orve::optimiser
