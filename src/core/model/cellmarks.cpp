#include "cellmarks.h"

#include "slots.h"
#include "uiport.h"
#include "workspace.h"

namespace orve::model {

void swapCells(Workspace& ws, CellRef a, CellRef b)
{
    ws.MSGrid.swapCells(a, b);
}

void qys(Workspace& ws, UiPort& ui)
{
    Grid& grid = ws.MSGrid;
    const int row = grid.currentRow();
    const int column = grid.currentColumn();
    for (int r = FirstClassRow; r < grid.rowCount(); ++r)
        for (int c = 1; c < grid.columnCount(); ++c) {
            grid.setBackColour({r, c}, ws.normalBackColour);
            grid.setTextColour({r, c}, ws.normalTextColour);
            ui.processEvents();
        }
    grid.setCurrentCell({row, column});
}

void qcys(Workspace& ws, int row)
{
    Grid& grid = ws.MSGrid;
    for (int c = 1; c < grid.columnCount(); ++c)
        grid.setBackColour({row, c}, ws.normalBackColour);
}

} // namespace orve::model
