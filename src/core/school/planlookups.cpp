#include "school/planlookups.h"

#include "model/grid.h"
#include "school/teachingplan.h"

namespace orve::school {

namespace {

QString planCell(const model::Grid& jhb, QStringView className, QStringView course, int column)
{
    const std::optional<int> row = planRowOf(jhb, className, course);
    return row ? jhb.text({*row, column}) : QString();
}

} // namespace

std::optional<int> planRowOf(const model::Grid& jhb, QStringView className, QStringView course)
{
    const int rows = jhb.rowCount();
    for (int r = school::PlanHeaderRow + 1; r < rows; ++r)
        if (jhb.text({r, school::ClassColumn}) == className &&
            jhb.text({r, school::CourseColumn}) == course)
            return r;
    return std::nullopt;
}

QString planTeacher(const model::Grid& jhb, QStringView className, QStringView course)
{
    return planCell(jhb, className, course, school::TeacherColumn);
}

QString planMainMark(const model::Grid& jhb, QStringView className, QStringView course)
{
    return planCell(jhb, className, course, school::MainMarkColumn);
}

QString planPeriods(const model::Grid& jhb, QStringView className, QStringView course)
{
    return planCell(jhb, className, course, school::PeriodsColumn);
}

void clearPlanPeriods(model::Grid& jhb, QStringView className, QStringView course)
{
    if (const std::optional<int> row = planRowOf(jhb, className, course))
        jhb.setText({*row, school::PeriodsColumn}, QStringLiteral("0"));
}

} // namespace orve::school
