#include "timetablecount.h"

#include "timetablerules.h"

#include "model/lessoncell.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "school/teachingplan.h"
#include "workspace.h"

#include <QHash>
#include <algorithm>
#include <utility>
#include <vector>

namespace orve::scheduler {

namespace {

// The periods each class's plan rows ask for, course by course (a course named in two rows
// asks for both rows' periods), sorted by course.
using CoursePeriods = std::vector<std::pair<QString, int>>;

int plannedPeriods(const Workspace& ws, QHash<QString, CoursePeriods>& perClass)
{
    int total = 0;
    for (int r = school::PlanHeaderRow + 1; r < ws.school.plan.rowCount(); ++r) {
        const QString& className = ws.school.plan.text({r, school::ClassColumn});
        if (!ws.school.classes.contains(className))
            continue;
        const int periods =
            model::leadingInteger(ws.school.plan.text({r, school::PeriodsColumn}), 0, 1 << 15);
        perClass[className].emplace_back(ws.school.plan.text({r, school::CourseColumn}), periods);
        total += periods;
    }
    for (CoursePeriods& courses : perClass) {
        std::sort(courses.begin(), courses.end());
        CoursePeriods merged;
        for (const auto& [course, periods] : courses)
            if (!merged.empty() && merged.back().first == course)
                merged.back().second += periods;
            else
                merged.emplace_back(course, periods);
        courses = std::move(merged);
    }
    return total;
}

// The planned periods the row lacks, course by course: a row holding more lessons of one
// course than its plan asks cannot make up for another course it lacks.
int periodsLacking(const CoursePeriods& planned, std::vector<QStringView>& placedCourses)
{
    std::sort(placedCourses.begin(), placedCourses.end());
    int lacking = 0;
    for (const auto& [course, periods] : planned) {
        const auto [first, last] = std::equal_range(placedCourses.begin(), placedCourses.end(),
                                                    QStringView(course));
        lacking += std::max(periods - int(last - first), 0);
    }
    return lacking;
}

} // namespace

TimetableCount countTimetable(const Workspace& ws)
{
    const model::Grid& grid = ws.school.masterTimetable;
    TimetableCount count;
    count.classes = int(ws.school.classes.size());
    count.slots_per_week = std::max(grid.columnCount() - 1, 0);
    count.conflict_entries_left = int(ws.session.conflicts.size());
    QHash<QString, CoursePeriods> planned;
    count.periods_planned = plannedPeriods(ws, planned);

    std::vector<QStringView> placedCourses;
    for (int r = model::FirstClassRow; r < grid.rowCount(); ++r) {
        placedCourses.clear();
        for (int c = 1; c < grid.columnCount(); ++c) {
            const QString& text = grid.text({r, c});
            if (!text.isEmpty() && text != model::FreePeriodText)
                placedCourses.push_back(model::coursePart(text));
        }
        count.lessons_placed += int(placedCourses.size());
        if (const auto wanted = planned.constFind(grid.text({r, model::ClassNameColumn}));
            wanted != planned.constEnd())
            count.unplaced += periodsLacking(*wanted, placedCourses);
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
