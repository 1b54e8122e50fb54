// The school's rules made ready for one timetable layout: names numbered once, the periods a
// teacher or a course may not use as sets of slots, capacities and daily limits by number, and
// the double periods each class needs of each course. What a rule means is said here and in
// the tally (ruletally.h), nowhere else; the scheduler, the repairs, the swaps, the optimiser
// and the checks all ask these two.
//
// Slots count from 0 (slot column - 1), days from 0. A name no rule names has the number -1
// and binds nothing; a rule of a period outside the week binds nothing either.
#pragma once

#include "model/cellref.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace orve::model {
class Grid;
struct School;
} // namespace orve::model

namespace orve::conditions {

enum class RuleKind {
    TeacherUnavailable,
    CourseUnavailable,
    VenueCapacity,
    CourseDailyLimit,
    TeacherDailyLimit,
    DoublePeriods,
};
inline constexpr int RuleKindCount = 6;

// How the window names a kind ("教师不排课时间" …) and how orve-cli's JSON does
// ("teacher_unavailable" …).
QString ruleKindCaption(RuleKind kind);
QString ruleKindKey(RuleKind kind);

class RuleBook
{
public:
    // The rules of the school for a layout of `periodsPerDay` periods a day.
    RuleBook(const model::School& school, int periodsPerDay);

    bool empty() const { return empty_; }
    int periodsPerDay() const { return periodsPerDay_; }
    int days() const { return days_; }
    int slotCount() const { return periodsPerDay_ * days_; }
    int dayOf(int slot) const { return slot / periodsPerDay_; }
    // 0 morning, 1 afternoon, 2 evening: a double period never crosses from one to the next.
    int partOfDay(int slot) const;
    // Whether the slot and the next are adjacent periods of one part of one day: where a
    // double period may stand.
    bool joinsNext(int slot) const
    {
        return slot >= 0 && slot + 1 < slotCount() && dayOf(slot) == dayOf(slot + 1) &&
               partOfDay(slot) == partOfDay(slot + 1);
    }

    // Numbers of the names rules speak of; -1 for any other name.
    int teacher(const QString& name) const { return teachers_.value(name, -1); }
    int course(const QString& name) const { return courses_.value(name, -1); }
    int venue(const QString& name) const { return venues_.value(name, -1); }
    int teacherCount() const { return int(teacherLimit_.size()); }
    int courseCount() const { return int(courseLimit_.size()); }
    int venueCount() const { return int(venueCapacity_.size()); }

    bool teacherUnavailable(int teacher, int slot) const;
    bool courseUnavailable(int course, int slot) const;
    // 0: no limit.
    int venueCapacity(int venue) const
    {
        return venue < 0 ? 0 : venueCapacity_[std::size_t(venue)];
    }
    int courseDailyLimit(int course) const
    {
        return course < 0 ? 0 : courseLimit_[std::size_t(course)];
    }
    int teacherDailyLimit(int teacher) const
    {
        return teacher < 0 ? 0 : teacherLimit_[std::size_t(teacher)];
    }
    // The double periods a class (by its place in the class list) needs of a course a week.
    int doublePeriods(int classIndex, int course) const;
    // The column of the other lesson of the double period the master timetable's cell belongs
    // to; none when it belongs to none. In a run of one lesson in adjacent periods that may
    // join, pairs are counted from the run's first period.
    std::optional<int> pairedColumn(const model::Grid& master, model::CellRef at) const;
    // The same for a lesson standing in `slot`, where `sameLesson(s)` says whether a lesson of
    // its class and course stands in slot s: the one definition both views share.
    std::optional<int> pairedSlot(int slot, const std::function<bool(int)>& sameLesson) const;
    // The most double periods a week holds in the slots `usable` allows, no slot in two.
    int mostPairs(const std::function<bool(int)>& usable) const;
    // Every (class, course) that needs double periods, and how many.
    const QHash<QPair<int, int>, int>& doublePeriodNeeds() const { return doublePeriods_; }
    // The periods of a part of the day as bits (period 1 the lowest).
    quint32 periodsOfPart(int part) const;
    // The venue number of a class's course, from the plan's venue column; -1 without one.
    int venueOf(const QString& className, QStringView course) const;

private:
    bool empty_ = true;
    int periodsPerDay_ = 1;
    int days_ = 0;
    int morning_ = 0;
    int afternoon_ = 0;
    QHash<QString, int> teachers_;
    QHash<QString, int> courses_;
    QHash<QString, int> venues_;
    std::vector<std::vector<char>> teacherSlots_; // teacher -> slot -> unavailable
    std::vector<std::vector<char>> courseSlots_;
    std::vector<int> venueCapacity_;
    std::vector<int> courseLimit_;
    std::vector<int> teacherLimit_;
    QHash<QPair<int, int>, int> doublePeriods_; // (class index, course) -> pairs a week
    // Class name -> (course, venue) of its plan rows whose venue has a capacity.
    QHash<QString, std::vector<std::pair<QString, int>>> venuesOfClass_;
};

} // namespace orve::conditions
