#include "doublebookingcheck.h"

#include "markreset.h"

#include "model/cellmarks.h"
#include "model/grid.h"
#include "model/layouts.h"
#include "model/lessoncell.h"
#include "model/slots.h"
#include "scheduler/combinedgroups.h"
#include "scheduler/combinedlessons.h"
#include "scheduler/doublebookings.h"
#include "scheduler/teacherindex.h"
#include "scheduler/timetablerules.h"
#include "uiport.h"
#include "workspace.h"

namespace orve::views {

namespace {

using scheduler::TeacherIndex;

// The class rows whose lesson in the column is the teacher's.
std::vector<int> lessonRows(const TeacherIndex& index, int teacher, int column)
{
    std::vector<int> rows;
    for (int r = model::FirstClassRow; r < index.rows(); ++r)
        if (index.teacherAt({r, column}) == teacher &&
            scheduler::booksTeacher(index.grid().text({r, column})))
            rows.push_back(r);
    return rows;
}

// Takes the marks of an earlier check off every class-row slot cell.
void clearCheckMarks(model::Grid& timetable)
{
    for (int r = model::FirstClassRow; r < timetable.rowCount(); ++r)
        for (int c = 1; c < timetable.columnCount(); ++c)
            timetable.setTextStyle({r, c}, model::uncheckedStyle(timetable.cell({r, c}).style));
}

void markLessons(TeacherIndex& index, int teacher)
{
    model::Grid& timetable = index.grid();
    for (int c = 1; c < index.columns(); ++c) {
        if (index.holders(teacher, c) == 0)
            continue;
        for (const int r : lessonRows(index, teacher, c))
            timetable.setTextStyle({r, c}, model::checkedStyle(timetable.cell({r, c}).style));
    }
}

} // namespace

std::optional<DoubleBooking> markFirstDoubleBooking(model::Grid& timetable,
                                                    const QStringList& teachers,
                                                    const scheduler::CombinedGroups& groups)
{
    clearCheckMarks(timetable);
    // The index answers for each teacher and column how many class rows hold the teacher, so
    // only the columns with two or more are looked at, and nothing is marked before the
    // teacher to report is known.
    TeacherIndex index(timetable);
    for (const QString& name : teachers) {
        const int teacher = index.teacherId(name);
        for (int c = 1; c < index.columns(); ++c) {
            if (index.holders(teacher, c) < 2)
                continue;
            std::vector<int> rows = lessonRows(index, teacher, c);
            if (rows.size() < 2 || scheduler::lessonsTaught(timetable, rows, c, groups) < 2)
                continue;
            markLessons(index, teacher);
            timetable.setCurrentCell({rows.front(), c});
            return DoubleBooking{name, c, std::move(rows)};
        }
    }
    if (timetable.columnCount() > 1)
        timetable.setCurrentCell({timetable.currentRow(), timetable.columnCount() - 1});
    return std::nullopt;
}

std::optional<scheduler::SplitLesson> markFirstSplitLesson(model::Grid& timetable,
                                                          const scheduler::CombinedGroups& groups)
{
    std::optional<scheduler::SplitLesson> found;
    {
        const std::vector<scheduler::SplitLesson> split =
            scheduler::CombinedLessons(timetable, groups).splitLessons();
        if (split.empty())
            return found;
        found = split.front();
    }
    for (const int r : found->rows)
        timetable.setTextStyle({r, found->column},
                               model::checkedStyle(timetable.cell({r, found->column}).style));
    timetable.setCurrentCell({found->rows.front(), found->column});
    return found;
}

std::optional<RuleViolation> markFirstRuleViolation(Workspace& ws)
{
    if (ws.school.rules.empty())
        return std::nullopt;
    model::Grid& timetable = ws.school.masterTimetable;
    scheduler::TimetableRules rules(ws.school, ws.periodsPerDay());
    rules.countAll();
    for (int c = 1; c < timetable.columnCount(); ++c)
        for (int r = model::FirstClassRow; r < timetable.rowCount(); ++r)
            for (const conditions::RuleKind kind : rules.rulesBrokenAt({r, c}))
                if (kind != conditions::RuleKind::DoublePeriods) {
                    timetable.setTextStyle({r, c},
                                           model::checkedStyle(timetable.cell({r, c}).style));
                    timetable.setCurrentCell({r, c});
                    return RuleViolation{{r, c}, kind};
                }
    return std::nullopt;
}

std::optional<DoubleBooking> checkDoubleBookings(Workspace& ws, UiPort& ui)
{
    model::Grid& timetable = ws.school.masterTimetable;
    std::optional<DoubleBooking> found;
    std::optional<scheduler::SplitLesson> split;
    std::optional<RuleViolation> violation;
    {
        model::RedrawSuspender suspended(timetable);
        dropPickAndColourMarks(ws);
        const scheduler::CombinedGroups groups(ws.school);
        found = markFirstDoubleBooking(timetable, ws.school.teachers, groups);
        if (!found)
            split = markFirstSplitLesson(timetable, groups);
        if (!found && !split)
            violation = markFirstRuleViolation(ws);
    }
    if (!found && !split && !violation) {
        ui.message(QStringLiteral(u"没有重课"));
        return found;
    }
    const int periodsPerDay = ws.session.periodsPerDay;
    ui.showTab(MainTab::Scheduling);
    if (found) {
        ui.showStatus(describeDoubleBooking(timetable, *found, periodsPerDay));
        ui.message(QStringLiteral(u"有重课"));
    } else if (split) {
        ui.showStatus(describeSplitLesson(timetable, *split, periodsPerDay));
        ui.message(SplitLessonMessage);
    } else {
        ui.showStatus(describeRuleViolation(timetable, *violation, periodsPerDay));
        ui.message(RuleViolationMessage);
    }
    ui.giveFocus(FocusTarget::MasterTimetable);
    return found;
}

namespace {

// "星期二第3节" and "初一(1)、初一(2)": a slot and the classes of rows, as the notes name them.
QString slotName(int column, int periodsPerDay)
{
    const model::Slot slot = model::slotOfColumn(column, periodsPerDay);
    return QStringLiteral(u"%1第%2节").arg(model::masterDayName(slot.day - 1)).arg(slot.period);
}

QString classNames(const model::Grid& timetable, const std::vector<int>& rows)
{
    QStringList classes;
    for (const int r : rows)
        classes.append(timetable.text({r, model::ClassNameColumn}));
    return classes.join(u'、');
}

} // namespace

QString describeDoubleBooking(const model::Grid& timetable, const DoubleBooking& booking,
                              int periodsPerDay)
{
    return QStringLiteral(u"%1：%2，%3")
        .arg(booking.teacher, slotName(booking.column, periodsPerDay),
             classNames(timetable, booking.rows));
}

QString describeSplitLesson(const model::Grid& timetable, const scheduler::SplitLesson& lesson,
                            int periodsPerDay)
{
    return QStringLiteral(u"%1：%2，%3上%4，同组的其他班级不在这一节")
        .arg(SplitLessonMessage, slotName(lesson.column, periodsPerDay),
             classNames(timetable, lesson.rows),
             model::coursePart(timetable.text({lesson.rows.front(), lesson.column})).toString());
}

QString describeRuleViolation(const model::Grid& timetable, const RuleViolation& violation,
                              int periodsPerDay)
{
    const model::CellRef at = violation.at;
    return QStringLiteral(u"违反排课规则“%1”：%2，%3：%4")
        .arg(conditions::ruleKindCaption(violation.kind), slotName(at.column, periodsPerDay),
             timetable.text({at.row, model::ClassNameColumn}), timetable.text(at));
}

} // namespace orve::views
