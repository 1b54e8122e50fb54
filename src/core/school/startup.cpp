#include "startup.h"

#include "namelistcommands.h"
#include "teachingplan.h"
#include "uiport.h"
#include "weekcommands.h"
#include "workspace.h"

namespace orve::school {

void startUp(Workspace& ws, UiPort& ui)
{
    ws.session.periodsPerDay = ws.school.week.periodsPerDay();

    // The current cell has never been coloured, so these are the colours of an unmarked cell.
    const model::GridCell& current =
        ws.school.masterTimetable.cell(ws.school.masterTimetable.currentCell());
    ws.session.normalColours = {current.backColour, current.textColour};

    showClassList(ws, ui);
    relayoutWeek(ws, ui);
    ws.school.combinedGroups.reset();
    rebuildPlanSkeleton(ws.school);
    emit ws.notifier.schoolReplaced();
    ws.markSaved();
}

void toggleForcedSwapMode(Workspace& ws)
{
    ws.session.forcedSwapMode = !ws.session.forcedSwapMode;
    emit ws.notifier.forcedSwapModeChanged(ws.session.forcedSwapMode);
}

} // namespace orve::school
