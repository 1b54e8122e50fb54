#include "doubleperiodplacement.h"

#include "runcontext.h"

#include "model/lessoncell.h"
#include "model/slots.h"
#include "workspace.h"

namespace orve::scheduler {

bool placeDoublePeriodAt(RunContext& ctx, int row, const QString& text, int teacher, int column)
{
    const model::Grid& grid = ctx.ws.school.masterTimetable;
    for (const int c : {column, column + 1})
        if (!grid.text({row, c}).isEmpty() || (teacher >= 0 && ctx.index.busy(teacher, c)))
            return false;
    if (ctx.breaksRule({row, column}, text))
        return false;
    // The second lesson is weighed with the first in place: both count towards the day.
    ctx.index.write({row, column}, text, model::TextStyle::Flat);
    if (ctx.breaksRule({row, column + 1}, text)) {
        ctx.index.write({row, column}, QString(), model::TextStyle::Flat);
        return false;
    }
    ctx.index.write({row, column + 1}, text, model::TextStyle::Flat);
    return true;
}

int doublePeriodsWanted(RunContext& ctx, int classRow, const QString& text, int lessons)
{
    const conditions::RuleBook& book = ctx.rules.book();
    if (book.doublePeriodNeeds().isEmpty())
        return 0;
    const int course = book.course(model::coursePart(text).toString());
    return std::min(
        ctx.rules.tally().doublePeriodsMissing(model::classIndexOfRow(classRow), course),
        lessons / 2);
}

int placePairs(RunContext& ctx, int most, bool main, const std::function<bool(int)>& placeAt)
{
    const auto tryAt = [&](int column) {
        return column + 1 < ctx.columns() && ctx.rules.book().joinsNext(column - 1) &&
               placeAt(column);
    };
    int placed = 0;
    for (int attempt = 0; attempt < 2 * ctx.columns() && placed < most; ++attempt) {
        const int column = ctx.drawSlotColumn();
        if (!(main && ctx.rules.book().partOfDay(column - 1) != 0))
            placed += tryAt(column) ? 1 : 0;
    }
    for (int column = 1; column + 1 < ctx.columns() && placed < most; ++column)
        placed += tryAt(column) ? 1 : 0;
    return placed;
}

int placeDoublePeriods(RunContext& ctx, int classRow, const QString& text, int teacher, int most,
                       bool main)
{
    return placePairs(ctx, most, main, [&](int column) {
        return placeDoublePeriodAt(ctx, classRow, text, teacher, column);
    });
}

} // namespace orve::scheduler
