// The optimiser's view of a master timetable: lessons (the classes of a combined group taught
// together are ONE lesson, standing in one slot in all of them), the class-by-slot cell store
// and the lessons of every (teacher, slot), from which the double bookings, the unplaced
// lessons and the lessons each class holds of each course are kept up to date by every change.
// Slots count from 0 (slot column - 1); classes from 0 (class row - the first class row).
#pragma once

#include "conditions/ruletally.h"

#include <QHash>
#include <QString>
#include <utility>
#include <vector>

namespace orve::optimiser {

struct Lesson
{
    std::vector<int> classes; // member classes; one for an ordinary lesson
    std::vector<int> texts;   // the cell text of each member, by the loader's text number
    // The (class, course) counter of each member, whose count may not end below its start;
    // -1 for a lesson that never moves.
    std::vector<int> counters;
    std::vector<int> teachers; // distinct teachers it books; empty: books nobody
    // What the rules know of the members' cells (members alike for the rules share one entry).
    std::vector<conditions::LessonFacts> facts;
    bool main = false;     // a main course ("主")
    bool fixed = false;    // a fixed-lesson entry or "空课": never moves
    bool combined = false; // a combined group's lesson
    int group = -1;        // and which group's, in the order of the groups read
    int slot = -1;         // -1 while unplaced
};

// How main lessons may move. Strict: the main lessons of a class's course outside the morning
// never outnumber those it had outside (or unplaced) when the table was built, so every class
// keeps at least as many of its main lessons in the morning; which of them stand there may
// change. Relaxed: as strict, but a main lesson may also leave the morning from a slot where
// one of its teachers is double-booked, into a slot where that teacher is free.
enum class MainRule { Strict, Relaxed };

class LessonTable
{
public:
    // `book` must outlive the table.
    LessonTable(const conditions::RuleBook& book, int classCount, int slotCount, int periodsPerDay,
                int morningPeriods, int teacherCount);
    // Gives the rules the name of a teacher number (see conditions::RuleTally::nameTeacher).
    void nameTeacher(int teacher, const QString& name);
    const conditions::RuleTally& tally() const { return tally_; }

    int classCount() const { return classCount_; }
    int slotCount() const { return slotCount_; }
    int teacherCount() const { return teacherCount_; }
    bool isMorning(int slot) const { return slot % periodsPerDay_ < morningPeriods_; }

    MainRule mainRule = MainRule::Strict;
    // Putting the lesson into `slot` would take a main lesson out of the morning that the
    // strict rule keeps there.
    bool leavesMorning(int lessonId, int slot) const;
    // How many lessons of a main lesson's counter stand in the morning in every timetable the
    // strict rule allows.
    int morningFloor(int counter) const;
    // Lessons of a counter standing in the timetable.
    int placedOf(int counter) const { return counted_[std::size_t(counter)]; }
    // Whether the main rule lets the lesson go into `slot`.
    bool mayPut(int lessonId, int slot) const;
    // Whether the lesson may stand in `slot` as far as the fixed lessons of its classes and
    // the rules that bar periods allow (a fixed lesson only where it stands).
    bool mayStandKeepingRules(int lessonId, int slot) const;

    int cell(int classIndex, int slot) const
    {
        return cells_[std::size_t(classIndex) * std::size_t(slotCount_) + std::size_t(slot)];
    }
    const Lesson& lesson(int id) const { return lessons_[std::size_t(id)]; }
    // The class of a lesson of one class, -1 for a group's: kept apart from the lessons so
    // that the searches' scans of every unplaced lesson stay in the cache.
    int soleClass(int id) const { return soleClasses_[std::size_t(id)]; }
    int lessonCount() const { return int(lessons_.size()); }
    int busy(int teacher, int slot) const { return tally_.lessonsOf(teacher, slot); }
    bool teaches(int lessonId, int teacher) const;

    // (teacher, slot) pairs with two lessons or more, as teacher x slots + slot.
    int doubleBookings() const { return tally_.counts().doubleBookings; }
    const std::vector<int>& conflictKeys() const { return tally_.doubleBookedKeys(); }
    // Lessons breaking a rule; the search never adds one.
    int ruleViolations() const { return tally_.counts().violationTotal(); }
    // How the double bookings and the rules' violations would change if the lessons `moved`
    // changed slots as listed (-1: unplaced); the table stays as it is.
    conditions::RuleCounts changeOf(const std::vector<std::pair<int, int>>& moved);

    // Unplaced lessons, and the class periods they miss (a group's lesson misses one a member).
    const std::vector<int>& unplacedLessons() const { return unplaced_; }
    int unplacedPeriods() const { return unplacedPeriods_; }

    // Classes in which a teacher has lessons.
    const std::vector<int>& classesOfTeacher(int teacher) const
    {
        return teacherClasses_[std::size_t(teacher)];
    }

    // Building: lessons are added with their slot (-1: unplaced), then finishBuilding() takes
    // the counts of the counters as the floors below which they may not end.
    int addLesson(Lesson lesson);
    void finishBuilding();

    // place() needs the lesson's cells free; exchange() swaps two slots in a set of classes
    // (the caller guarantees that the set is closed under combined groups and names every
    // lesson that changes slot).
    void place(int lessonId, int slot);
    void unplace(int lessonId);
    void exchange(const std::vector<int>& classes, int a, int b, const std::vector<int>& lessons);

    // Every lesson's slot; restore() puts them back.
    struct Snapshot
    {
        std::vector<int> lessonSlots;
        bool operator==(const Snapshot& other) const { return lessonSlots == other.lessonSlots; }
    };
    Snapshot snapshot() const;
    void restore(const Snapshot& snapshot);

    // How far the counters are below their floors (a placement may pass through a deficit,
    // never end in one), and its change if the lessons `removed` left and `added` (-1: none)
    // came in.
    long long floorDeficit() const { return floorDeficit_; }
    long long floorDeficitChange(const std::vector<int>& removed, int added) const;

    // Class periods of main lessons outside the morning.
    int mainOutsideMorning() const;

    // A recount from the lessons: empty when the kept counts and every invariant hold (no two
    // lessons in a cell, fixed lessons placed, no more main lessons outside the morning than
    // the strict rule allows, and with `finished` no counter below its floor); else what is
    // wrong.
    QString verify(bool finished) const;

private:
    std::size_t cellIndex(int classIndex, int slot) const
    {
        return std::size_t(classIndex) * std::size_t(slotCount_) + std::size_t(slot);
    }
    void count(int lessonId, int slot, int by);
    void setUnplaced(int lessonId, bool unplaced);
    void countFloor(int lessonId, int change);
    void countOutside(int lessonId, int slot, int change);

    int classCount_;
    int slotCount_;
    int periodsPerDay_;
    int morningPeriods_;
    int teacherCount_;
    std::vector<Lesson> lessons_;
    std::vector<int> soleClasses_;
    std::vector<int> cells_; // class x slots + slot -> lesson, or -1
    conditions::RuleTally tally_;
    QHash<int, QString> teacherNames_;
    std::vector<int> unplaced_;
    std::vector<int> unplacedAt_;
    int unplacedPeriods_ = 0;
    std::vector<int> counted_; // lessons placed per counter
    std::vector<int> floors_;  // and their floors
    std::vector<int> outside_; // main lessons per counter placed outside the morning
    std::vector<int> outsideAllowed_;
    long long floorDeficit_ = 0;
    mutable std::vector<unsigned> counterMark_; // scratch of floorDeficitChange
    mutable unsigned markStamp_ = 0;
    std::vector<std::vector<int>> teacherClasses_;
};

} // namespace orve::optimiser
