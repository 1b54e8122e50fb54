#include "runcontext.h"

#include "workspace.h"

#include <algorithm>

namespace orve::scheduler {

QString unplacedCombinedEntry(const QString& group, int lessons)
{
    return QStringLiteral(u"%1：%2 节").arg(group).arg(lessons);
}

RunContext::RunContext(Workspace& workspace, UiPort& port, RandomSource& source)
    : ws(workspace), ui(port), random(source), index(workspace.school.masterTimetable),
      groups(workspace.school),
      repair(index, groups, source, port, RepairBudget::forColumns(index.columns())),
      placedEarly(std::size_t(std::max(workspace.school.plan.rowCount(), 0)), 0),
      placedTogether(placedEarly.size(), 0)
{
}

double RunContext::draw()
{
    return random.next();
}

void RunContext::countPlacedEarly(int planRow, int lessons)
{
    if (planRow >= 0 && planRow < int(placedEarly.size()))
        placedEarly[std::size_t(planRow)] += lessons;
}

void RunContext::markPlacedTogether(int planRow)
{
    if (planRow >= 0 && planRow < int(placedTogether.size()))
        placedTogether[std::size_t(planRow)] = 1;
}

bool RunContext::isPlacedTogether(int planRow) const
{
    return planRow >= 0 && planRow < int(placedTogether.size()) &&
           placedTogether[std::size_t(planRow)];
}

} // namespace orve::scheduler
