#include "finishingpass.h"

#include "doubleperiodplacement.h"
#include "placementtests.h"
#include "runcontext.h"

#include "model/numbers.h"
#include "school/teachingplan.h"
#include "workspace.h"

#include <limits>

namespace orve::scheduler {

void restorePlanPeriods(Workspace& ws)
{
    model::Grid& plan = ws.school.plan;
    for (int r = school::PlanHeaderRow + 1; r < plan.rowCount(); ++r)
        plan.setText({r, school::PeriodsColumn}, plan.text({r, school::PeriodsBackupColumn}));
}

void placeLessonsWithoutTeacher(RunContext& ctx)
{
    const model::Grid& plan = ctx.ws.school.plan;
    const model::Grid& timetable = ctx.ws.school.masterTimetable;
    for (int r = school::PlanHeaderRow + 1; r < plan.rowCount(); ++r) {
        // A combined group's lessons that found no common slot stay unplaced (and reported):
        // placing them class by class would split the group.
        if (!plan.text({r, school::TeacherColumn}).isEmpty() || ctx.isPlacedTogether(r))
            continue;
        const QString& periods = plan.text({r, school::PeriodsColumn});
        int remaining = model::leadingInteger(periods, std::numeric_limits<qint16>::min(),
                                              std::numeric_limits<qint16>::max());
        if (periods.isEmpty() || remaining <= 0)
            continue;
        if (r < int(ctx.placedEarly.size()))
            remaining -= ctx.placedEarly[std::size_t(r)];
        const std::optional<int> row = ctx.classRow(plan.text({r, school::ClassColumn}));
        if (!row)
            continue;
        const QString& course = plan.text({r, school::CourseColumn});
        remaining -= 2 * placeDoublePeriods(ctx, *row, course, -1,
                                            doublePeriodsWanted(ctx, *row, course, remaining),
                                            false);
        // Free periods that break no rule first, then (none left) any free period.
        for (const bool keepRules : {true, false})
            for (int c = 1; c < timetable.columnCount() && remaining > 0; ++c) {
                if (timetable.text({*row, c}).isEmpty() &&
                    !(keepRules && ctx.breaksRule({*row, c}, course))) {
                    ctx.index.write({*row, c}, course, model::TextStyle::Flat);
                    --remaining;
                }
            }
    }
}

} // namespace orve::scheduler
