#include "school/planlookups.h"

#include "model/grid.h"
#include "school/teachingplan.h"

namespace orve::school {

namespace {

QString planCell(const model::Grid& plan, QStringView className, QStringView course, int column)
{
    const std::optional<int> row = planRowOf(plan, className, course);
    return row ? plan.text({*row, column}) : QString();
}

} // namespace

std::optional<int> planRowOf(const model::Grid& plan, QStringView className, QStringView course)
{
    const int rows = plan.rowCount();
    for (int r = school::PlanHeaderRow + 1; r < rows; ++r)
        if (plan.text({r, school::ClassColumn}) == className &&
            plan.text({r, school::CourseColumn}) == course)
            return r;
    return std::nullopt;
}

QString planTeacher(const model::Grid& plan, QStringView className, QStringView course)
{
    return planCell(plan, className, course, school::TeacherColumn);
}

QString planMainMark(const model::Grid& plan, QStringView className, QStringView course)
{
    return planCell(plan, className, course, school::MainMarkColumn);
}

QString planPeriods(const model::Grid& plan, QStringView className, QStringView course)
{
    return planCell(plan, className, course, school::PeriodsColumn);
}

} // namespace orve::school
