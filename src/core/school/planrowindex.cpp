#include "planrowindex.h"

#include "model/grid.h"
#include "teachingplan.h"

namespace orve::school {

PlanRowIndex::PlanRowIndex(const model::Grid& plan)
{
    rows_.reserve(plan.rowCount());
    for (int r = PlanHeaderRow + 1; r < plan.rowCount(); ++r)
        rows_[{plan.text({r, ClassColumn}), plan.text({r, CourseColumn})}].append(r);
}

const QList<int>& PlanRowIndex::rows(QStringView className, QStringView course) const
{
    static const QList<int> none;
    const auto found = rows_.constFind({className.toString(), course.toString()});
    return found == rows_.constEnd() ? none : *found;
}

std::optional<int> PlanRowIndex::first(QStringView className, QStringView course) const
{
    const QList<int>& found = rows(className, course);
    return found.isEmpty() ? std::nullopt : std::optional<int>(found.first());
}

} // namespace orve::school
