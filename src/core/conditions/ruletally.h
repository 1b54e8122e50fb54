// The one count of what a timetable breaks: double bookings and the rules of a RuleBook, kept
// up to date lesson by lesson as lessons are added to and taken from slots. It answers "may
// this lesson stand in this slot?" and "what does this change do?", for the scheduling run,
// the repairs, the swaps and the optimiser alike.
//
// A lesson is one class's cell. The cells of one combined group standing in one slot with one
// teacher are one lesson taught together: they book the teacher and the venue once, and count
// once towards the teacher's lessons of the day. A course's lessons a day and its double
// periods are counted in every class.
#pragma once

#include "rulebook.h"

#include <QHash>
#include <array>
#include <optional>
#include <vector>

namespace orve::conditions {

struct LessonFacts
{
    int classIndex = 0; // place in the class list
    int teacher = -1;   // the caller's number of the teacher (see nameTeacher); -1 books nobody
    int course = -1;    // the book's number of the course
    int venue = -1;     // the book's number of the venue
    int unit = -1;      // the combined group's number; -1 for a lesson of its own
    // How many of the unit's cells these facts stand for: a group's cells that no course rule
    // tells apart may be noted once (course then -1).
    int cells = 1;
};

// How a count changes, or stands.
struct RuleCounts
{
    int doubleBookings = 0;
    std::array<int, RuleKindCount> violations{};

    int violationTotal() const;
    // The first kind of rule a change breaks anew (its count rises), even where it mends
    // another: rules are hard, one is never traded for another.
    std::optional<RuleKind> firstRaised() const;
    RuleCounts operator-(const RuleCounts& other) const;
    bool operator==(const RuleCounts& other) const
    {
        return doubleBookings == other.doubleBookings && violations == other.violations;
    }
};

class RuleTally
{
public:
    // Slots beyond the book's week (a timetable laid out for more periods than the week
    // now has) count double bookings but bind no rule.
    RuleTally(const RuleBook& book, int classCount, int slotCount);

    const RuleBook& book() const { return book_; }

    // The caller numbers teachers as it meets them; each number is named once, so that the
    // teacher's rules are found.
    void nameTeacher(int teacher, const QString& name);

    void add(const LessonFacts& lesson, int slot);
    void remove(const LessonFacts& lesson, int slot);

    const RuleCounts& counts() const { return counts_; }
    int slotCount() const { return slots_; }
    // Lessons of a teacher in a slot, a group taught together counting once.
    int lessonsOf(int teacher, int slot) const;
    // The (teacher, slot) pairs with two lessons or more, as teacher x slots + slot, in no
    // particular order.
    const std::vector<int>& doubleBookedKeys() const { return doubleBooked_; }
    // The double periods of the course the class still needs beyond those it holds.
    int doublePeriodsMissing(int classIndex, int course) const;
    // A teacher's most lessons a day (the caller's number; 0: no limit), and the day of a
    // slot, -1 beyond the book's week, where no rule binds.
    int teacherDailyLimit(int teacher) const
    {
        return book_.teacherDailyLimit(ruleTeacher(teacher));
    }
    int dayOf(int slot) const
    {
        return std::size_t(slot) < slotDays_.size() ? slotDays_[std::size_t(slot)] : -1;
    }

    // Whether the lesson would share its teacher with another lesson of the slot.
    bool doubleBooksIfAdded(const LessonFacts& lesson, int slot) const;
    // Whether a rule keeps the lesson out of the slot whatever stands beside it (an unavailable
    // period of its teacher or its course).
    bool barredFrom(const LessonFacts& lesson, int slot) const;
    // The first rule the lesson would break standing in the slot beside the lessons there;
    // none when it may stand there. Double periods are a need, not a bar: never named here.
    std::optional<RuleKind> ruleBrokenIfAdded(const LessonFacts& lesson, int slot) const;
    // The rules the lesson, standing in the slot, breaks with the others as they are.
    std::vector<RuleKind> rulesBrokenBy(const LessonFacts& lesson, int slot) const;
    // Whether it breaks any: asked of every lesson by a search, so it allocates nothing.
    bool breaksRule(const LessonFacts& lesson, int slot) const;
    // One lesson of a class changing slots (-1: none) in a change.
    struct ClassMove
    {
        const LessonFacts* lesson;
        int from;
        int to;
    };
    // Whether one class's lessons changing slots as listed (every cell of the class a change
    // moves) surely break a rule kept class by class (a course's daily maximum, double
    // periods), whatever the change does in other classes: a test far cheaper than weighing
    // the change, which most moves on a school with such rules fail. Never sure of a kind of
    // rule already broken somewhere, since weighing nets one class's excess against another's
    // mending (ruletallyclassmoves.cpp).
    bool classMovesBreakRule(const std::vector<ClassMove>& moves) const;
    // Whether the book has such rules at all.
    bool hasClassRules() const { return hasClassRules_; }

    // What taking `leaving` out of their slots and adding `coming` into theirs would change,
    // worked out from the counts without changing them (ruletallychange.cpp): the searches
    // ask it for every move they weigh.
    struct Placed
    {
        LessonFacts lesson;
        int slot = 0;
    };
    RuleCounts changeOf(const std::vector<Placed>& leaving, const std::vector<Placed>& coming);
    // The same in steps, for a caller that holds its lessons otherwise: begin, note each
    // lesson leaving and coming (-1 out, +1 in), then read the change.
    void beginChange();
    void noteChange(const LessonFacts& lesson, int slot, int by) { noteCell(lesson, slot, by); }
    RuleCounts change();
    // After change(): how the change read last alters the sum, over the slots, of the squares
    // of the teacher's lessons (a group taught together counting once); positive where it
    // gathers them into fewer slots.
    int squaredLessonsChange(int teacher) const;

private:
    // Calls `found` with each rule the lesson breaks standing in the slot, until it returns
    // true; says whether it did.
    template <typename Found>
    bool findBroken(const LessonFacts& lesson, int slot, Found found) const;
    int ruleTeacher(int teacher) const
    {
        return std::size_t(teacher) < ruleTeachers_.size() ? ruleTeachers_[std::size_t(teacher)]
                                                            : -1;
    }
    // How many cells of the unit stand in the slot with this teacher or venue; the first one
    // counts as the lesson. Changes them by `by` and says whether this cell is (or was) that
    // first one.
    bool countsAsLesson(int unit, int slot, int which, bool venue, int by);
    int unitCellsOf(int unit, int slot, int which, bool venue) const;
    void change(const LessonFacts& lesson, int slot, int by);
    void changeDoublePeriods(const LessonFacts& lesson, int slot, int by);
    static int pairsIn(quint32 periods, const std::vector<quint32>& parts);
    // A slot's period within the day: looked up, as every cell of every change the searches
    // weigh asks for it (and for its day).
    int periodOf(int slot) const { return slotPeriods_[std::size_t(slot)]; }
    std::size_t courseDayAt(const LessonFacts& lesson, int day) const
    {
        return (std::size_t(lesson.classIndex) * std::size_t(book_.courseCount()) +
                std::size_t(lesson.course)) *
                   std::size_t(book_.days()) +
               std::size_t(day);
    }
    // Whether one more lesson of the course in the class on the slot's day would pass the
    // course's daily maximum.
    bool courseDayFull(const LessonFacts& lesson, int slot) const;
    bool courseDayOverfilled(const std::vector<ClassMove>& moves, const LessonFacts& lesson) const;
    bool pairsLost(const std::vector<ClassMove>& moves, const LessonFacts& lesson, int need) const;
    int teacherDayLessonsOf(int teacher, int day) const;
    int venueLessonsOf(int venue, int slot) const;

    const RuleBook& book_;
    int classCount_;
    int slots_;
    bool hasClassRules_ = false;
    RuleCounts counts_;
    std::vector<int> slotDays_;
    std::vector<int> slotPeriods_;
    std::vector<int> ruleTeachers_;            // caller's teacher -> book's, or -1
    std::vector<int> lessonsAt_;               // caller's teacher x slots + slot
    std::vector<int> doubleBooked_;            // keys of lessonsAt_ at 2 or more
    std::vector<int> doubleBookedAt_;          // key -> position in doubleBooked_, or -1
    int& teacherLessons(int teacher, int slot);
    // Where a change being weighed noted a key. Kept beside the count of the key where it
    // can be: on a large school the searches read these at random, one cache line each.
    struct TrialMark
    {
        unsigned stamp = 0; // trialStamp_ when the change at hand has noted the key
        int at = 0;         // its entry in the change's list
    };
    // A unit's cells in a slot: nearly always one teacher and one venue, kept inline; any
    // other teacher or venue of the unit in that slot in otherUnitCells_.
    struct UnitSlot
    {
        int teacher = -1;
        int teacherCells = 0;
        int venue = -1;
        int venueCells = 0;
    };
    std::vector<UnitSlot> unitSlots_;          // unit x slots + slot
    QHash<quint64, int> otherUnitCells_;       // (unit, slot, teacher or venue) -> cells
    std::vector<int> venueLessons_;            // venue x slots + slot
    std::vector<int> teacherDayLessons_;       // book's teacher x days + day
    // A class's lessons of a course on a day, with their mark.
    struct CourseDay
    {
        int lessons = 0;
        TrialMark trial; // in trialCourseDays_
    };
    std::vector<CourseDay> courseDays_;        // (class x courses + course) x days + day
    // The (class, course) pairs with double periods wanted, numbered: every cell of a change
    // asks for its number, so it is looked up by place rather than hashed.
    int needOf(int classIndex, int course) const
    {
        if (needAt_.empty() || course < 0 || classIndex < 0 || classIndex >= classCount_)
            return -1;
        return needAt_[std::size_t(classIndex) * std::size_t(book_.courseCount()) +
                       std::size_t(course)];
    }
    std::vector<int> needAt_;                  // class x courses + course -> need, or -1
    std::vector<int> needWanted_;              // need -> double periods wanted
    // A need's periods on a day, with their mark, in one cache line.
    struct alignas(64) NeedDay
    {
        quint32 periods = 0; // periods held (bits)
        int pairs = 0;       // double periods in them
        TrialMark trial;     // in trialPeriods_
        // Lessons per period: a lesson may come into a slot before the one it changes places
        // with has left it. A class has one cell a slot, so two at most.
        std::array<qint8, 32> lessons{};
    };
    std::vector<NeedDay> needDays_;            // need x days + day
    std::vector<int> pairs_;                   // need -> double periods held
    std::vector<quint32> partMasks_;           // the periods of each part of a day (bits)

    // Scratch of changeOf: changes by key; teacher-slot, course-day and double-period keys
    // found by a mark (a long chain of a large school touches hundreds, and every cell of a
    // change notes the latter two), the others by a search among the few there are.
    void noteCell(const LessonFacts& lesson, int slot, int by);
    RuleCounts trialStart_;
    void noteLessons(int teacher, int slot, int by);
    void noteUnit(quint64 key, int by);
    struct TrialLessons
    {
        int teacher;
        int slot;
        int by;
    };
    std::vector<TrialLessons> trialLessons_;
    std::vector<TrialMark> trialLessonsMarks_; // by lessonsAt_'s key
    unsigned trialStamp_ = 0;
    std::vector<std::pair<quint64, int>> trialUnits_;
    std::vector<std::pair<int, int>> trialVenues_;
    std::vector<std::pair<std::size_t, int>> trialCourseDays_;
    struct TrialPeriods
    {
        std::size_t at;  // need x days + day
        int need;
        quint32 periods; // the periods held after the change
        std::array<qint8, 32> net; // lessons come (+) or gone (-) per period
    };
    std::vector<TrialPeriods> trialPeriods_;
    std::vector<std::pair<std::size_t, int>> trialTeacherDays_;
    std::vector<std::pair<int, int>> trialPairs_; // need -> pairs gained
    std::vector<unsigned> trialPairsMark_;        // by need, as TrialMark::stamp
    std::vector<int> trialPairsAt_;
};

} // namespace orve::conditions
