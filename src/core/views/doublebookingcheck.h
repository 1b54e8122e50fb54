// The check whether a teacher stands in two classes in one period slot. Teachers are taken in
// the order of the teacher list; the first one found double-booked is reported, and all of that
// teacher's lessons are shown sunken on the master timetable with the cursor in the first slot
// of the double booking. The classes of a combined group taught together in one slot are one
// lesson, as everywhere else in the program; a group's lesson found without the others of its
// group is reported the same way when no teacher is double-booked.
#pragma once

#include "conditions/rulebook.h"
#include "model/cellref.h"
#include "scheduler/combinedlessons.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace orve {
class UiPort;
struct Workspace;
} // namespace orve

namespace orve::scheduler {
class CombinedGroups;
}

namespace orve::model {
class Grid;
} // namespace orve::model

namespace orve::views {

struct DoubleBooking
{
    QString teacher;
    int column = 0;        // the lowest slot column in which the teacher is double-booked
    std::vector<int> rows; // the class rows that hold the teacher there, top down
};

// Finds the double booking the check reports and sets the text styles and the cursor as the
// check leaves them: earlier check marks taken off (fixed marks kept), then the reported
// teacher's lessons marked and the current cell put on the first of them in the reported
// column. With no double booking nothing stays marked and the cursor ends in the last slot
// column, where the column scan stopped. Colours are not touched.
std::optional<DoubleBooking> markFirstDoubleBooking(model::Grid& timetable,
                                                    const QStringList& teachers,
                                                    const scheduler::CombinedGroups& groups);

inline const QString SplitLessonMessage = QStringLiteral(u"合班课未同时上课");

// With no double booking: the first lesson of a combined group found split (column by column),
// its cells marked as the check marks a teacher's and the cursor on the first; none when every
// group is taught together.
std::optional<scheduler::SplitLesson> markFirstSplitLesson(model::Grid& timetable,
                                                          const scheduler::CombinedGroups& groups);

inline const QString RuleViolationMessage = QStringLiteral(u"有违反排课规则的课");

struct RuleViolation
{
    model::CellRef at;
    conditions::RuleKind kind;
};

// With neither: the first lesson (column by column, top down) that breaks a rule of the
// school where it stands, marked like the others with the cursor on it; none when none does.
// A course short of its double periods is not one lesson's fault and is not reported here.
std::optional<RuleViolation> markFirstRuleViolation(Workspace& ws);

// The menu command: marks as above (a pending swap pick is dropped with its colouring), then
// says "有重课" with the teacher, slot and classes in the status bar and the master timetable in
// front and focused; else "合班课未同时上课" likewise for a split group's lesson; else
// "有违反排课规则的课" with the rule, slot and lesson; else "没有重课".
std::optional<DoubleBooking> checkDoubleBookings(Workspace& ws, UiPort& ui);

// The status-bar note of a double booking: "王芳：星期二第3节，初一(1)、初一(2)".
QString describeDoubleBooking(const model::Grid& timetable, const DoubleBooking& booking,
                              int periodsPerDay);
// "合班课未同时上课：星期一第2节，初一(1)上体育，同组的其他班级不在这一节".
QString describeSplitLesson(const model::Grid& timetable, const scheduler::SplitLesson& lesson,
                            int periodsPerDay);
// "违反排课规则“教师不排课时间”：星期一第1节，初一(1)：语文(王芳)".
QString describeRuleViolation(const model::Grid& timetable, const RuleViolation& violation,
                              int periodsPerDay);

} // namespace orve::views
