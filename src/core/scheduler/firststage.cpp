#include "firststage.h"

#include "entryfields.h"
#include "placementtests.h"
#include "planlookups.h"
#include "runcontext.h"

#include "model/cellmarks.h"
#include "model/combinedlesson.h"
#include "model/lessoncell.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "school/teachingplan.h"
#include "uiport.h"
#include "workspace.h"

#include <QHash>
#include <limits>

namespace orve::scheduler {

namespace {

constexpr int Int16Min = std::numeric_limits<qint16>::min();
constexpr int Int16Max = std::numeric_limits<qint16>::max();

QStringView withoutTrailingBlanks(QStringView text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

int numberIn(QStringView text)
{
    return model::leadingInteger(text, Int16Min, Int16Max);
}

// A lesson cell; a lesson without a teacher is the bare course name.
QString lessonCell(QStringView course, QStringView teacher)
{
    return teacher.isEmpty() ? course.toString() : model::lessonText(course, teacher);
}

// A cell written by a fixed-lesson entry, and the plan rows whose periods it took.
struct FixedCell
{
    QString entry;
    QList<int> planRows;
};
using FixedCells = QHash<int, FixedCell>;

QList<int> matchingPlanRows(RunContext& ctx, QStringView className, QStringView course)
{
    const model::Grid& plan = ctx.ws.jhb;
    QList<int> rows;
    for (int r = 0; r < plan.rowCount(); ++r) {
        ctx.ui.processEvents();
        if (plan.text({r, school::ClassColumn}) == className &&
            plan.text({r, school::CourseColumn}) == course)
            rows.append(r);
    }
    return rows;
}

void addPeriods(RunContext& ctx, int planRow, int delta)
{
    model::Grid& plan = ctx.ws.jhb;
    const int periods = numberIn(plan.text({planRow, school::PeriodsColumn}));
    plan.setText({planRow, school::PeriodsColumn}, QString::number(periods + delta));
    ctx.countPlacedEarly(planRow, -delta);
}

void placeFixedLesson(RunContext& ctx, const QString& entry, FixedCells& fixedCells)
{
    Workspace& ws = ctx.ws;
    const std::optional<QStringView> classField = qzf(entry, 1);
    const std::optional<QStringView> courseField = qzf(entry, 2);
    const std::optional<QStringView> dayField = qzf(entry, 3);
    if (!classField || !courseField || !dayField) {
        ctx.problems.skippedFixedEntries.append(entry);
        return;
    }
    const QStringView className = withoutTrailingBlanks(*classField);
    const QStringView course = withoutTrailingBlanks(*courseField);
    const int day = numberIn(*dayField);
    const int period = numberIn(entryPeriodText(entry));
    const std::optional<int> row = msnjhh(ws.MSGrid, className);
    // Never into a header row, never into a period the week no longer has.
    if (!row || day < 1 || day > ws.week.daysPerWeek() || period < 1 || period > ws.periodsPerDay) {
        ctx.problems.skippedFixedEntries.append(entry);
        return;
    }
    const bool freePeriod = course == model::FreePeriodText;
    const QList<int> planRows =
        freePeriod ? QList<int>() : matchingPlanRows(ctx, className, course);
    // A lesson the plan does not have cannot be placed; its cell stays open for others.
    if (!freePeriod && planRows.isEmpty()) {
        ctx.problems.skippedFixedEntries.append(entry);
        return;
    }
    const int column = model::slotColumn({day, period}, ws.periodsPerDay);
    // A later entry for the same cell wins; the earlier lesson goes back to the plan, so the
    // next stage places it elsewhere instead of losing it.
    const int cell = ws.MSGrid.flatIndex({*row, column});
    if (const auto earlier = fixedCells.constFind(cell); earlier != fixedCells.constEnd()) {
        for (const int planRow : earlier->planRows)
            addPeriods(ctx, planRow, +1);
        ctx.problems.skippedFixedEntries.append(earlier->entry);
    }
    if (freePeriod)
        ctx.book.write({*row, column}, model::FreePeriodText, model::FixedMark);
    for (const int planRow : planRows) {
        addPeriods(ctx, planRow, -1);
        ctx.book.write({*row, column},
                       lessonCell(course, ws.jhb.text({planRow, school::TeacherColumn})),
                       model::FixedMark);
    }
    fixedCells.insert(cell, {entry, planRows});
}

struct Member
{
    QString className;
    QString course;
    std::optional<int> row; // class row of the master timetable
};

std::vector<Member> membersOf(RunContext& ctx, int group)
{
    const conditions::CombinedTree& tree = ctx.ws.Tr3;
    std::vector<Member> members;
    for (const int node : tree.children(group)) {
        const QString& text = tree.node(node).text;
        const qsizetype at = text.indexOf(QChar(model::CombinedSeparator));
        Member member;
        member.className = at < 0 ? text : text.left(at);
        member.course = at < 0 ? QString() : text.mid(at + 1);
        member.row = msnjhh(ctx.ws.MSGrid, member.className);
        if (!member.row)
            ctx.problems.skippedMembers.append(tree.node(group).text + u' ' +
                                               model::combinedLessonCaption(text));
        members.push_back(std::move(member));
    }
    return members;
}

bool freeInAll(const model::Grid& msgrid, const std::vector<Member>& members, int column)
{
    for (const Member& member : members)
        if (member.row && !msgrid.text({*member.row, column}).isEmpty())
            return false;
    return true;
}

// A main course is taken up to the limit position in the day (the last period has position
// 0, so it always qualifies); any other course only after it, never in a day's last period.
bool positionAccepted(int column, int periodsPerDay, int limit, bool main)
{
    const int position = column % periodsPerDay;
    return main ? position <= limit : limit < position;
}

std::optional<int> findCombinedColumn(RunContext& ctx, const std::vector<Member>& members,
                                      bool main)
{
    const int columns = ctx.columns();
    const int perDay = ctx.ws.periodsPerDay;
    if (columns < 2 || perDay <= 0)
        return std::nullopt;
    const int relaxedLimit = main ? perDay : 0;
    // The morning field cannot change during a run: read once, not parsed again per draw.
    const int morningLimit = ctx.ws.week.morningPeriods();
    const int attempts = CombinedAttemptsPerColumn * columns;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        const int limit = attempt > 2 * columns ? relaxedLimit : morningLimit;
        const int column = ctx.drawSlotColumn();
        if (positionAccepted(column, perDay, limit, main) &&
            freeInAll(ctx.ws.MSGrid, members, column))
            return column;
    }
    for (int column = 1; column < columns; ++column)
        if (positionAccepted(column, perDay, relaxedLimit, main) &&
            freeInAll(ctx.ws.MSGrid, members, column))
            return column;
    return std::nullopt;
}

void placeGroup(RunContext& ctx, int group)
{
    Workspace& ws = ctx.ws;
    const std::vector<Member> members = membersOf(ctx, group);
    if (members.empty())
        return;
    const Member& last = members.back();
    const bool main = czk(ws.jhb, last.className, last.course) == u"主";
    const QString periods = cjs(ws.jhb, last.className, last.course);
    // Without a number of periods the group is not combined at all: its members keep their
    // plan rows, whose lessons the next stage places class by class, and the later groups
    // are still placed.
    if (!model::isNumeric(periods)) {
        ctx.problems.unreadCombined.append(ws.Tr3.node(group).text);
        return;
    }
    const int lessons = numberIn(periods);
    bool anyRow = false;
    for (const Member& member : members)
        anyRow = anyRow || member.row.has_value();

    for (int placed = 0; anyRow && placed < lessons; ++placed) {
        const std::optional<int> column = findCombinedColumn(ctx, members, main);
        if (!column) {
            ctx.problems.unplacedCombined.append(
                QStringLiteral(u"%1：%2 节").arg(ws.Tr3.node(group).text).arg(lessons - placed));
            break;
        }
        for (const Member& member : members) {
            if (!member.row)
                continue;
            const QString teacher =
                cxm(ws.jhb, ws.MSGrid.text({*member.row, model::ClassNameColumn}), member.course);
            ctx.book.write({*member.row, *column}, lessonCell(member.course, teacher),
                           model::FixedMark);
            if (const std::optional<int> planRow =
                    planRowOf(ws.jhb, member.className, member.course))
                ctx.countPlacedEarly(*planRow);
        }
    }
    // Placed together or not at all: no later stage may split the group into single lessons.
    for (const Member& member : members)
        jsk(ws.jhb, member.className, member.course);
}

} // namespace

void zrnj(Workspace& ws)
{
    for (int i = 0; i < ws.List1.size(); ++i) {
        const int row = model::classRow(i);
        ws.MSGrid.setText({row, model::ClassNameColumn}, ws.List1.at(i));
        ws.MSGrid.setAlignment({row, model::ClassNameColumn}, model::CellAlignment::CenterCenter);
    }
}

void placeFixedLessons(RunContext& ctx)
{
    FixedCells fixedCells;
    for (const QString& entry : ctx.ws.Combo6) {
        ctx.ui.processEvents();
        placeFixedLesson(ctx, entry, fixedCells);
    }
}

void placeCombinedGroups(RunContext& ctx)
{
    const conditions::CombinedTree& tree = ctx.ws.Tr3;
    if (tree.nodeCount() == 0)
        return;
    for (const int group : tree.children(0))
        placeGroup(ctx, group);
}

void tstj(RunContext& ctx)
{
    placeFixedLessons(ctx);
    placeCombinedGroups(ctx);
}

} // namespace orve::scheduler
