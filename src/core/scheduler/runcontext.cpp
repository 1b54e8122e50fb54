#include "runcontext.h"

#include "schedulingrun.h"

#include "model/slots.h"
#include "uiport.h"
#include "workspace.h"

#include <algorithm>

namespace orve::scheduler {

QString unplacedCombinedEntry(const QString& group, int lessons)
{
    return QStringLiteral(u"%1：%2 节").arg(group).arg(lessons);
}

RunContext::RunContext(Workspace& workspace, UiPort& port, RandomSource& source,
                       SchedulingStatus* status)
    : ws(workspace), ui(port), random(source), index(workspace.school.masterTimetable),
      rules(workspace.school, workspace.periodsPerDay()), groups(rules.groups()),
      repair(index, groups, source, port, RepairBudget::forColumns(index.columns())),
      placedEarly(std::size_t(std::max(workspace.school.plan.rowCount(), 0)), 0),
      placedTogether(placedEarly.size(), 0), status_(status)
{
    index.attachRules(rules);
    const model::Grid& timetable = workspace.school.masterTimetable;
    // From the bottom up, so that the first row of a name wins.
    for (int r = timetable.rowCount() - 1; r >= model::FirstClassRow; --r)
        classRows_.insert(timetable.text({r, model::ClassNameColumn}), r);
}

bool RunContext::breaksRule(model::CellRef at, const QString& text)
{
    if (rules.book().empty())
        return false;
    // A lesson's facts depend on its class row and text, not on the slot.
    if (at.row != weighedRow_ || text != weighedText_) {
        weighedFacts_ = rules.factsOf(at, text);
        weighedRow_ = at.row;
        weighedText_ = text;
    }
    return rules.tally().ruleBrokenIfAdded(weighedFacts_, at.column - 1).has_value();
}

std::optional<int> RunContext::classRow(QStringView className) const
{
    const auto found = classRows_.constFind(className.toString());
    return found == classRows_.constEnd() ? std::nullopt : std::optional<int>(*found);
}

const school::PlanRowIndex& RunContext::planRows()
{
    if (!planRows_)
        planRows_.emplace(ws.school.plan);
    return *planRows_;
}

bool RunContext::carryOn()
{
    if (stopped_)
        return false;
    ui.processEvents();
    stopped_ = status_ && status_->stopRequested();
    return !stopped_;
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
