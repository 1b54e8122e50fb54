// The week of one class or one teacher, taken from the master timetable: one row per period
// of the day, one column per day of the week. The timetable window shows it; the printed and
// exported class and teacher timetables are made from it.
#pragma once

#include "model/slots.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace orve::model {
class Grid;
}

namespace orve::conditions {
class RuleBook;
}

namespace orve::scheduler {
class CombinedGroups;
}

namespace orve::views {

struct WeekCell
{
    QString text;
    // A teacher's cell holding two lessons or more (the classes of one combined group taught
    // together count as one lesson).
    bool doubleBooked = false;
    // This period and the next hold one double period: shown as one cell.
    bool joinsNext = false;

    bool operator==(const WeekCell& other) const
    {
        return text == other.text && doubleBooked == other.doubleBooked &&
               joinsNext == other.joinsNext;
    }
};

class WeekTimetable
{
public:
    WeekTimetable() = default;
    WeekTimetable(int days, int periodsPerDay);

    int days() const { return days_; }
    int periodsPerDay() const { return periods_; }
    bool contains(model::Slot slot) const
    {
        return slot.day >= 1 && slot.day <= days_ && slot.period >= 1 && slot.period <= periods_;
    }
    // Day and period count from 1; a slot outside the week is an empty cell.
    const WeekCell& cell(model::Slot slot) const;
    const QString& text(model::Slot slot) const { return cell(slot).text; }
    void setCell(model::Slot slot, WeekCell cell);

    bool operator==(const WeekTimetable& other) const
    {
        return days_ == other.days_ && periods_ == other.periods_ && cells_ == other.cells_;
    }

private:
    int days_ = 0;
    int periods_ = 0;
    std::vector<WeekCell> cells_; // period-major: the rows of the shown table one after another
};

// Column headers "星期一" … "星期六", "星期日" (and on, for longer weeks) and row headers
// "一", "二", … of a week of `days` days and `periodsPerDay` periods.
QStringList dayHeaders(int days);
QStringList periodHeaders(int periodsPerDay);

// "班级课程表(name)" or "教师任课表(name)": the caption of one class's or teacher's week.
QString classTimetableCaption(const QString& className);
QString teacherTimetableCaption(const QString& teacher);

// The days the master timetable's slot columns make up. A last day the columns fill only in
// part is still a day, so that no lesson is left out or shown under another day.
int daysOf(const model::Grid& master, int periodsPerDay);

// The master-timetable row of the first class row named `name` exactly; -1 when none.
int findClassRow(const model::Grid& master, QStringView name);

// The week of the class in master row `classRow`: the full text of each of its cells (course,
// two spaces, teacher). An empty week of the timetable's shape when the row is no class row.
// With the rules, a double period joins its two periods.
WeekTimetable classWeek(const model::Grid& master, int classRow, int periodsPerDay,
                        const conditions::RuleBook* rules = nullptr);

// What a teacher's cell tells of each lesson: the course (as the timetable window shows it),
// or the course and the classes (as the printed pages show it), "语文  初一(1)、初一(2)".
enum class TeacherCellText { Course, CourseAndClasses };

// The weeks of `teachers`, in their order, from one pass over the timetable. A cell shows
// every lesson the teacher gives in its slot, one a line in the order of the class rows; the
// classes of one combined group taught together there are one lesson. With the rules, a double
// period the teacher gives, and nothing else in its periods, joins its two periods.
std::vector<WeekTimetable> teacherWeeks(const model::Grid& master, const QStringList& teachers,
                                        int periodsPerDay, const scheduler::CombinedGroups& groups,
                                        TeacherCellText text,
                                        const conditions::RuleBook* rules = nullptr);
WeekTimetable teacherWeek(const model::Grid& master, const QString& teacher, int periodsPerDay,
                          const scheduler::CombinedGroups& groups, TeacherCellText text,
                          const conditions::RuleBook* rules = nullptr);

} // namespace orve::views
