#include "firststage.h"

#include "doubleperiodplacement.h"
#include "groupejection.h"
#include "grouplessons.h"
#include "model/fixedlessonentry.h"
#include "placementtests.h"
#include "runcontext.h"

#include "conditions/groupmembers.h"
#include "model/cellmarks.h"
#include "model/combinedlesson.h"
#include "model/lessoncell.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "school/teachingplan.h"
#include "uiport.h"
#include "workspace.h"

#include <QHash>
#include <algorithm>
#include <limits>

namespace orve::scheduler {

namespace {

constexpr int Int16Min = std::numeric_limits<qint16>::min();
constexpr int Int16Max = std::numeric_limits<qint16>::max();

int numberIn(QStringView text)
{
    return model::leadingInteger(text, Int16Min, Int16Max);
}

// A cell written by a fixed-lesson entry, and the plan rows whose periods it took.
struct FixedCell
{
    QString entry;
    QList<int> planRows;
};
using FixedCells = QHash<int, FixedCell>;

void addPeriods(RunContext& ctx, int planRow, int delta)
{
    model::Grid& plan = ctx.ws.school.plan;
    const int periods = numberIn(plan.text({planRow, school::PeriodsColumn}));
    plan.setText({planRow, school::PeriodsColumn}, QString::number(periods + delta));
    ctx.countPlacedEarly(planRow, -delta);
}

void placeFixedLesson(RunContext& ctx, const QString& entry, FixedCells& fixedCells)
{
    Workspace& ws = ctx.ws;
    const std::optional<model::FixedLessonEntry> fields = model::parseFixedEntry(entry);
    if (!fields) {
        ctx.problems.skippedFixedEntries.append(entry);
        return;
    }
    const QStringView className = fields->className;
    const QStringView course = fields->course;
    const int day = fields->day;
    const int period = fields->period;
    const std::optional<int> row = ctx.classRow(className);
    // Never into a header row, never into a period the week no longer has.
    if (!row || day < 1 || day > ws.school.week.daysPerWeek() || period < 1 ||
        period > ws.session.periodsPerDay) {
        ctx.problems.skippedFixedEntries.append(entry);
        return;
    }
    const bool freePeriod = course == model::FreePeriodText;
    const QList<int> planRows = freePeriod ? QList<int>() : ctx.planRows().rows(className, course);
    // A lesson the plan does not have cannot be placed; its cell stays open for others.
    if (!freePeriod && planRows.isEmpty()) {
        ctx.problems.skippedFixedEntries.append(entry);
        return;
    }
    const int column = model::slotColumn({day, period}, ws.session.periodsPerDay);
    // A later entry for the same cell wins; the earlier lesson goes back to the plan, so the
    // next stage places it elsewhere instead of losing it.
    const int cell = ws.school.masterTimetable.flatIndex({*row, column});
    if (const auto earlier = fixedCells.constFind(cell); earlier != fixedCells.constEnd()) {
        for (const int planRow : earlier->planRows)
            addPeriods(ctx, planRow, +1);
        ctx.problems.skippedFixedEntries.append(earlier->entry);
    }
    if (freePeriod)
        ctx.index.write({*row, column}, model::FreePeriodText, model::FixedMark);
    for (const int planRow : planRows) {
        addPeriods(ctx, planRow, -1);
        ctx.index.write(
            {*row, column},
            model::lessonCellText(course, ws.school.plan.text({planRow, school::TeacherColumn})),
            model::FixedMark);
    }
    fixedCells.insert(cell, {entry, planRows});
}

// The members taking part in the group; those left out keep their plan rows for the later
// stages, and a member whose class has no row is skipped. Both are reported.
std::vector<GroupMember> membersOf(RunContext& ctx, int group)
{
    const model::CombinedTree& tree = ctx.ws.school.combinedGroups;
    const QString& groupText = tree.node(group).text;
    conditions::GroupMembers taking = conditions::groupMembers(tree, group, ctx.planRows());
    for (const conditions::LeftOutMember& left : taking.leftOut)
        ctx.problems.leftOutMembers.append(groupText + u' ' +
                                           model::combinedLessonCaption(tree.node(left.node).text));
    std::vector<GroupMember> members;
    for (conditions::GroupMember& taken : taking.members) {
        const std::optional<int> row = ctx.classRow(taken.className);
        const QString lesson = model::lessonCellText(
            taken.course, ctx.ws.school.plan.text({taken.planRow, school::TeacherColumn}));
        GroupMember member{std::move(taken.className), std::move(taken.course), taken.planRow, row,
                           lesson};
        if (!member.row)
            ctx.problems.skippedMembers.append(
                groupText + u' ' + model::combinedLessonCaption(tree.node(taken.node).text));
        members.push_back(std::move(member));
    }
    return members;
}

bool freeInAll(const model::Grid& timetable, const std::vector<GroupMember>& members, int column)
{
    for (const GroupMember& member : members)
        if (member.row && !timetable.text({*member.row, column}).isEmpty())
            return false;
    return true;
}

std::optional<int> findCombinedColumn(RunContext& ctx, const std::vector<GroupMember>& members,
                                      bool main)
{
    const int columns = ctx.columns();
    const int perDay = ctx.ws.session.periodsPerDay;
    if (columns < 2 || perDay <= 0)
        return std::nullopt;
    const int anyLimit = relaxedLimit(main, perDay);
    // The morning field cannot change during a run: read once, not parsed again per draw.
    const int morningLimit = ctx.ws.school.week.morningPeriods();
    const int attempts = CombinedAttemptsPerColumn * columns;
    const auto fits = [&](int column, int limit) {
        return positionAccepted(column, perDay, limit, main) &&
               freeInAll(ctx.ws.school.masterTimetable, members, column);
    };
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        const int limit = attempt > 2 * columns ? anyLimit : morningLimit;
        const int column = ctx.drawSlotColumn();
        if (fits(column, limit) && ruleAllowsAll(ctx, members, column))
            return column;
    }
    // In column order: a column that breaks no rule, else (no such column left) any.
    for (const bool keepRules : {true, false})
        for (int column = 1; column < columns; ++column)
            if (fits(column, anyLimit) && (!keepRules || ruleAllowsAll(ctx, members, column)))
                return column;
    return std::nullopt;
}

// The double periods the group still needs: a member's class that wants one of its course gets
// it with the whole group, so the most any member wants, as many as `lessons` make.
int groupPairsWanted(RunContext& ctx, const std::vector<GroupMember>& members, int lessons)
{
    int wanted = 0;
    for (const GroupMember& member : members)
        if (member.row)
            wanted =
                std::max(wanted, doublePeriodsWanted(ctx, *member.row, member.lesson, lessons));
    return wanted;
}

// A double period of the group in `column` and the next: only where every member's cells are
// free, no member's teacher teaches elsewhere then, and neither lesson breaks a rule (the second
// weighed with the first in place), so the pair never starts as a double booking.
bool placeGroupPair(RunContext& ctx, const std::vector<GroupMember>& members, int column)
{
    for (const int c : {column, column + 1}) {
        if (!freeInAll(ctx.ws.school.masterTimetable, members, c))
            return false;
        for (const GroupMember& member : members)
            if (member.row &&
                ctx.index.busy(ctx.index.teacherId(model::teacherPart(member.lesson)), c))
                return false;
    }
    if (!ruleAllowsAll(ctx, members, column))
        return false;
    putGroupLesson(ctx, members, column);
    if (!ruleAllowsAll(ctx, members, column + 1)) {
        takeGroupLesson(ctx, members, column);
        return false;
    }
    putGroupLesson(ctx, members, column + 1);
    return true;
}

// Places the group's double periods, then its lessons one at a time as far as common free
// slots allow; none when the group takes no part (no member with a class row, or no number
// of periods).
std::optional<GroupLessons> placeGroup(RunContext& ctx, int group)
{
    Workspace& ws = ctx.ws;
    model::Grid& plan = ws.school.plan;
    GroupLessons placing{group, membersOf(ctx, group), false, 0, {}};
    const std::vector<GroupMember>& members = placing.members;
    if (members.empty())
        return std::nullopt;
    // The periods and the mark are the tree's last member's, taking part or not.
    const model::CombinedTree& tree = ws.school.combinedGroups;
    const auto [lastClass, lastCourse] =
        conditions::memberClassAndCourse(tree.node(tree.children(group).last()).text);
    const std::optional<int> lastRow = ctx.planRows().first(lastClass, lastCourse);
    const bool main =
        lastRow && plan.text({*lastRow, school::MainMarkColumn}) == school::MainCourseMark;
    const QString periods = lastRow ? plan.text({*lastRow, school::PeriodsColumn}) : QString();
    // Without a number of periods the group is not combined at all: its members keep their
    // plan rows, whose lessons the next stage places class by class, and the later groups
    // are still placed.
    if (!model::isNumeric(periods)) {
        ctx.problems.unreadCombined.append(ws.school.combinedGroups.node(group).text);
        return std::nullopt;
    }
    const int lessons = numberIn(periods);
    const bool anyRow = std::any_of(members.begin(), members.end(), [](const GroupMember& member) {
        return member.row.has_value();
    });
    if (anyRow) {
        placing.main = main;
        int placed =
            2 * placePairs(ctx, groupPairsWanted(ctx, members, lessons), main,
                           [&](int column) { return placeGroupPair(ctx, members, column); });
        for (; placed < lessons; ++placed) {
            const std::optional<int> column = findCombinedColumn(ctx, members, main);
            if (!column)
                break;
            putGroupLesson(ctx, members, *column);
            placing.movable.push_back(*column);
        }
        placing.missing = std::max(0, lessons - placed);
    }
    // Placed together or not at all: no later stage may split the group into single lessons.
    for (const GroupMember& member : members) {
        plan.setText({member.planRow, school::PeriodsColumn}, QStringLiteral("0"));
        ctx.markPlacedTogether(member.planRow);
    }
    if (!anyRow)
        return std::nullopt;
    return placing;
}

} // namespace

void writeClassNames(Workspace& ws)
{
    for (int i = 0; i < ws.school.classes.size(); ++i) {
        const int row = model::classRow(i);
        ws.school.masterTimetable.setText({row, model::ClassNameColumn}, ws.school.classes.at(i));
        ws.school.masterTimetable.setAlignment({row, model::ClassNameColumn},
                                               model::CellAlignment::CenterCenter);
    }
}

void placeFixedLessons(RunContext& ctx)
{
    FixedCells fixedCells;
    for (const QString& entry : ctx.ws.school.fixedLessons) {
        if (!ctx.carryOn())
            return;
        placeFixedLesson(ctx, entry, fixedCells);
    }
}

void placeCombinedGroups(RunContext& ctx)
{
    const model::CombinedTree& tree = ctx.ws.school.combinedGroups;
    if (tree.nodeCount() == 0)
        return;
    std::vector<GroupLessons> groups;
    for (const int group : tree.children(0)) {
        if (!ctx.carryOn())
            return;
        if (std::optional<GroupLessons> placed = placeGroup(ctx, group))
            groups.push_back(std::move(*placed));
    }
    placeMissingGroupLessons(ctx, groups);
    for (const GroupLessons& group : groups)
        if (group.missing > 0)
            ctx.problems.unplacedCombined.append(
                unplacedCombinedEntry(tree.node(group.node).text, group.missing));
}

void placeFirstStage(RunContext& ctx)
{
    placeFixedLessons(ctx);
    if (!ctx.stopped())
        placeCombinedGroups(ctx);
}

} // namespace orve::scheduler
