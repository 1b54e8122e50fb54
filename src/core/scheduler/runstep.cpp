#include "runstep.h"

#include "model/cellmarks.h"
#include "workspace.h"

namespace orve::scheduler {

RunStep::RunStep(const Workspace& ws)
{
    replaced_.before = ws.school.masterTimetable;
    model::clearMarks(replaced_.before, ws.session.normalColours);
    replaced_.conflictsBefore = ws.session.conflicts;
    // Open starts a new history, and a run is a step of its own: any other newest step is a
    // change made by hand on the timetable as it stands.
    const model::ExchangeStep* newest = ws.session.history.newest();
    replacesHandChanges_ = newest && !newest->replacement;
}

void RunStep::record(Workspace& ws)
{
    replaced_.after = ws.school.masterTimetable;
    replaced_.conflictsAfter = ws.session.conflicts;
    ws.session.history.record({RunCaption, std::move(replaced_)});
    emit ws.notifier.historyChanged();
}

} // namespace orve::scheduler
