#include "secondstage.h"

#include "conflictlist.h"
#include "doubleperiodplacement.h"
#include "placementtests.h"
#include "runcontext.h"

#include "model/lessoncell.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "school/teachingplan.h"
#include "uiport.h"
#include "workspace.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace orve::scheduler {

namespace {

struct PlanLesson
{
    int classRow = 0;
    int teacher = 0; // number in the slot book
    QString text;    // course, two spaces, teacher
    QString className;
    bool main = false;
    int remaining = 0;
};

void put(RunContext& ctx, PlanLesson& lesson, int column)
{
    ctx.index.write({lesson.classRow, column}, lesson.text, model::TextStyle::Flat);
    --lesson.remaining;
}

// Attempts go through the days in turn; only the period within the day is drawn.
void randomPhase(RunContext& ctx, PlanLesson& lesson)
{
    const Workspace& ws = ctx.ws;
    const int columns = ctx.columns();
    const int perDay = ws.session.periodsPerDay;
    const int days = ws.school.week.daysPerWeek();
    const int morning = ws.school.week.morningPeriods();
    const int low = ws.school.week.afternoonPeriods() > 0 ? morning + 1 : morning;
    int limit = morning;
    int day = 0;
    for (int attempt = 0; attempt < 4 * columns && lesson.remaining > 0;) {
        if (lesson.main && attempt > 3 * columns)
            limit = morning + 1;
        ++attempt;
        day = day >= days ? 1 : day + 1;
        const double x = ctx.draw();
        const int period = lesson.main ? int(std::floor(limit * x + 1))
                                       : low + int(std::floor((perDay - low) * x));
        // A period beyond the day (the raised limit when the morning is the whole day) is the
        // next day's first; only a column outside the week finds no slot.
        const int column = period + (day - 1) * perDay;
        if (column < 1 || column >= columns ||
            !ws.school.masterTimetable.text({lesson.classRow, column}).isEmpty() ||
            ctx.index.busy(lesson.teacher, column) ||
            ctx.breaksRule({lesson.classRow, column}, lesson.text))
            continue;
        put(ctx, lesson, column);
    }
}

void recordConflict(RunContext& ctx, int row, int column)
{
    ctx.ws.session.conflicts.push_back(conflictAt(ctx.index, {row, column}));
}

// Double periods whose teacher has no two adjacent periods free any more go where the class
// has them, double-booking the teacher as the fixed-order phase does a single lesson (each
// double booking into the conflict list), rather than leaving the pair out.
int placeDoubleBookedPairs(RunContext& ctx, const PlanLesson& lesson, int wanted)
{
    return placePairs(ctx, wanted, lesson.main, [&](int column) {
        const std::array<std::optional<int>, 2> holders{
            ctx.index.firstRow(lesson.teacher, column),
            ctx.index.firstRow(lesson.teacher, column + 1)};
        if (!placeDoublePeriodAt(ctx, lesson.classRow, lesson.text, -1, column))
            return false;
        for (int i = 0; i < 2; ++i)
            if (holders[std::size_t(i)]) {
                recordConflict(ctx, *holders[std::size_t(i)], column + i);
                recordConflict(ctx, lesson.classRow, column + i);
            }
        return true;
    });
}

// Main courses fill periods 1, 2, ... of each day, the others the last periods first; the
// periods that break a rule only once no other period is left.
void sequentialPhase(RunContext& ctx, PlanLesson& lesson, bool keepRules)
{
    const int columns = ctx.columns();
    const int perDay = ctx.ws.session.periodsPerDay;
    for (int i = 0; i < perDay && lesson.remaining > 0; ++i) {
        const int period = lesson.main ? i + 1 : perDay - i;
        for (int column = period; column < columns && lesson.remaining > 0; column += perDay) {
            if (!ctx.ws.school.masterTimetable.text({lesson.classRow, column}).isEmpty() ||
                (keepRules && ctx.breaksRule({lesson.classRow, column}, lesson.text)))
                continue;
            const std::optional<int> holder = ctx.index.firstRow(lesson.teacher, column);
            put(ctx, lesson, column);
            if (holder) {
                recordConflict(ctx, *holder, column);
                recordConflict(ctx, lesson.classRow, column);
            }
        }
    }
}

// Random slots first, then the fixed order keeping the rules, then the fixed order.
void place(RunContext& ctx, PlanLesson& lesson)
{
    randomPhase(ctx, lesson);
    for (const bool keepRules : {true, false})
        if (lesson.remaining > 0)
            sequentialPhase(ctx, lesson, keepRules);
}

// The lesson of a plan row as the stage places it; none for a row the stage leaves (no
// teacher: the finishing pass places it; a count driven below zero by fixed lessons leaves
// nothing to place).
std::optional<PlanLesson> planLesson(RunContext& ctx, int planRow)
{
    const model::Grid& plan = ctx.ws.school.plan;
    const QString& teacher = plan.text({planRow, school::TeacherColumn});
    PlanLesson lesson;
    lesson.remaining = model::leadingInteger(plan.text({planRow, school::PeriodsColumn}),
                                             std::numeric_limits<qint16>::min(),
                                             std::numeric_limits<qint16>::max());
    if (lesson.remaining <= 0 || teacher.isEmpty())
        return std::nullopt;
    lesson.className = plan.text({planRow, school::ClassColumn});
    const std::optional<int> row = ctx.classRow(lesson.className);
    if (!row)
        return std::nullopt;
    lesson.classRow = *row;
    lesson.text = model::lessonText(plan.text({planRow, school::CourseColumn}), teacher);
    lesson.teacher = ctx.index.teacherId(model::teacherPart(lesson.text));
    lesson.main = plan.text({planRow, school::MainMarkColumn}) == school::MainCourseMark;
    return lesson;
}

// Calls `visit` with every plan row, course by course and class by class, while the run goes
// on; false when it was stopped.
template <typename Visit> bool forEachPlanRow(RunContext& ctx, Visit visit)
{
    const int courses = int(ctx.ws.school.courses.size());
    for (int k = 0; k < courses; ++k)
        for (int planRow = k + 1; planRow < ctx.ws.school.plan.rowCount(); planRow += courses) {
            if (!ctx.carryOn())
                return false;
            visit(planRow);
        }
    return true;
}

} // namespace

void placeRemainingLessons(RunContext& ctx)
{
    Workspace& ws = ctx.ws;
    ws.session.conflicts.clear();
    if (ws.session.periodsPerDay <= 0 || ctx.columns() < 2)
        return;
    // Every class's double periods before any single lesson, so that a class with more
    // lessons than periods leaves out single lessons rather than a pair's: first where the
    // teacher is free, then, for the pairs still wanted, where only the class is.
    std::vector<int> pairLessons(std::size_t(std::max(ws.school.plan.rowCount(), 0)), 0);
    const auto placePairsOfRows = [&](bool teacherFree) {
        return forEachPlanRow(ctx, [&](int planRow) {
            const std::optional<PlanLesson> lesson = planLesson(ctx, planRow);
            if (!lesson)
                return;
            int& placed = pairLessons[std::size_t(planRow)];
            const int wanted = doublePeriodsWanted(ctx, lesson->classRow, lesson->text,
                                                   lesson->remaining - placed);
            placed += 2 * (teacherFree ? placeDoublePeriods(ctx, lesson->classRow, lesson->text,
                                                            lesson->teacher, wanted, lesson->main)
                                       : placeDoubleBookedPairs(ctx, *lesson, wanted));
        });
    };
    // The lessons of a pair that found no two adjacent periods free go next, still before any
    // other single lesson: a full class then holds them apart, and the optimiser can bring
    // them together, where a pair left out could never come in.
    const auto placeUnjoinedPairs = [&] {
        return forEachPlanRow(ctx, [&](int planRow) {
            std::optional<PlanLesson> lesson = planLesson(ctx, planRow);
            if (!lesson)
                return;
            int& placed = pairLessons[std::size_t(planRow)];
            const int wanted = 2 * doublePeriodsWanted(ctx, lesson->classRow, lesson->text,
                                                       lesson->remaining - placed);
            lesson->remaining = wanted;
            place(ctx, *lesson);
            placed += wanted - lesson->remaining;
        });
    };
    if (!ctx.rules.book().doublePeriodNeeds().isEmpty() &&
        !(placePairsOfRows(true) && placePairsOfRows(false) && placeUnjoinedPairs()))
        return;
    forEachPlanRow(ctx, [&](int planRow) {
        std::optional<PlanLesson> lesson = planLesson(ctx, planRow);
        if (!lesson)
            return;
        lesson->remaining -= pairLessons[std::size_t(planRow)];
        place(ctx, *lesson);
    });
}

} // namespace orve::scheduler
