#include "teachingplan.h"

#include "model/grid.h"
#include "model/numbers.h"
#include "model/school.h"

#include <array>

namespace orve::school {

namespace {
constexpr std::array<int, PlanColumnCount> widthShares = {3, 9, 9, 5, 4, 4, 6, 7, 4};
}

QString planHeader(int column)
{
    static const std::array<const char16_t*, PlanColumnCount> headers = {
        u"班级", u"课程名称", u"任课教师", u"主副课", u"节数", u"进度", u"合班课", u"教学场地", u"节数备"};
    return column >= 0 && column < PlanColumnCount
               ? QString::fromUtf16(headers[std::size_t(column)])
               : QString();
}

int maxPeriodsPerWeek(const model::School& school)
{
    return school.masterTimetable.columnCount() - 1;
}

void setPlanHeader(model::Grid& plan)
{
    // Computed in single precision, as the widths always were.
    const float share = float(plan.viewWidth()) / 40.0f;
    for (int c = 0; c < PlanColumnCount; ++c) {
        plan.setColumnWidth(c, model::roundHalfEven(double(share * float(widthShares[std::size_t(c)])),
                                                   0, 1 << 24));
        plan.setText({PlanHeaderRow, c}, planHeader(c));
    }
}

void rebuildPlanSkeleton(model::School& school)
{
    model::Grid& plan = school.plan;
    plan.setFontSize(PlanFontSize);
    model::RedrawSuspender suspended(plan);
    if (plan.columnCount() != PlanColumnCount)
        plan.setColumnCount(PlanColumnCount);
    setPlanHeader(plan);

    plan.setMergeColumn(ClassColumn, false);
    const int classes = int(school.classes.size());
    const int courses = int(school.courses.size());
    plan.setRowCount(classes * courses + 1);
    plan.setAllRowHeights(PlanRowHeight);
    for (int i = 0; i < classes; ++i)
        for (int k = 0; k < courses; ++k) {
            const int row = planRow(i, k, courses);
            plan.setText({row, ClassColumn}, school.classes.at(i));
            plan.setText({row, CourseColumn}, school.courses.at(k));
        }
    plan.setMergeColumn(ClassColumn, true);
}

} // namespace orve::school
