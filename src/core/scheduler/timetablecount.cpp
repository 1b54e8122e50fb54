#include "timetablecount.h"

#include "timetablerules.h"

#include "model/lessoncell.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "school/teachingplan.h"
#include "workspace.h"

#include <QHash>
#include <algorithm>

namespace orve::scheduler {

namespace {

// Periods planned per course, by class: a row holding more lessons of one course than its plan
// asks cannot make up for another course it lacks.
using PeriodsByCourse = QHash<QString, int>;

int plannedPeriods(const Workspace& ws, QHash<QString, PeriodsByCourse>& perClass)
{
    int total = 0;
    for (int r = school::PlanHeaderRow + 1; r < ws.school.plan.rowCount(); ++r) {
        const QString& className = ws.school.plan.text({r, school::ClassColumn});
        if (!ws.school.classes.contains(className))
            continue;
        const int periods =
            model::leadingInteger(ws.school.plan.text({r, school::PeriodsColumn}), 0, 1 << 15);
        perClass[className][ws.school.plan.text({r, school::CourseColumn})] += periods;
        total += periods;
    }
    return total;
}

} // namespace

TimetableCount countTimetable(const Workspace& ws)
{
    const model::Grid& grid = ws.school.masterTimetable;
    TimetableCount count;
    count.classes = int(ws.school.classes.size());
    count.slots_per_week = std::max(grid.columnCount() - 1, 0);
    count.conflict_entries_left = int(ws.session.conflicts.size());
    QHash<QString, PeriodsByCourse> planned;
    count.periods_planned = plannedPeriods(ws, planned);

    for (int r = model::FirstClassRow; r < grid.rowCount(); ++r) {
        const QString& className = grid.text({r, model::ClassNameColumn});
        PeriodsByCourse placed;
        for (int c = 1; c < grid.columnCount(); ++c) {
            const QString& text = grid.text({r, c});
            if (text.isEmpty() || text == model::FreePeriodText)
                continue;
            ++count.lessons_placed;
            ++placed[model::coursePart(text).toString()];
        }
        const PeriodsByCourse wanted = planned.value(className);
        for (auto it = wanted.constBegin(); it != wanted.constEnd(); ++it)
            count.unplaced += std::max(it.value() - placed.value(it.key()), 0);
    }

    const conditions::RuleCounts rules = countRules(ws.school, ws.periodsPerDay());
    count.double_bookings = rules.doubleBookings;
    count.rule_violations = rules.violations;
    return count;
}

int TimetableCount::ruleViolationTotal() const
{
    int total = 0;
    for (const int v : rule_violations)
        total += v;
    return total;
}

} // namespace orve::scheduler
