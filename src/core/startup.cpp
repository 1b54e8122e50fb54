#include "startup.h"

#include "model/layouts.h"
#include "school/namelistcommands.h"
#include "school/teachingplan.h"
#include "uiport.h"
#include "workspace.h"

namespace orve {

void startUp(Workspace& ws, UiPort& ui)
{
    ws.periodsPerDay = ws.week.periodsPerDay();

    // The current cell has never been coloured, so these are the colours of an unmarked cell.
    const model::GridCell& current =
        ws.MSGrid.cell({ws.MSGrid.currentRow(), ws.MSGrid.currentColumn()});
    ws.normalBackColour = current.backColour;
    ws.normalTextColour = current.textColour;

    school::md(ws, ui);
    model::xbj(ws, ui);
    ws.Tr3.reset();
    school::cshjhb(ws);
}

void toggleForcedSwapMode(Workspace& ws)
{
    ws.forcedSwapMode = !ws.forcedSwapMode;
}

} // namespace orve
