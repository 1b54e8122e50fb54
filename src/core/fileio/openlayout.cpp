#include "openlayout.h"

#include "model/layouts.h"
#include "model/slots.h"
#include "school/teachingplan.h"
#include "workspace.h"

#include <algorithm>
#include <array>

namespace orve::fileio {

namespace {

using model::Grid;

// Rows and columns are 16-bit numbers; a stored cell must not make a grid larger than this.
constexpr int MaxRow = 32767;
constexpr int MaxMasterColumn = model::MaxDaysPerWeek * model::MaxPeriodsPerDay;
constexpr qint64 MaxCells = 1 << 20;

constexpr int FiveDays = 5;

// The five-day layout's day texts, spaced so that each name stands in the middle of its
// merged cell.
QString fiveDayText(int dayIndex)
{
    static const std::array<const char16_t*, FiveDays> texts = {
        u"                     星期一", u"                      星期二",
        u"                     星期三", u"                      星期四",
        u"                      星期五"};
    return dayIndex >= 0 && dayIndex < FiveDays ? QString::fromUtf16(texts[std::size_t(dayIndex)])
                                                : model::masterDayName(dayIndex);
}

struct DayHeaders
{
    model::DayHeaderText text;
    bool centred;
};

// A longer week is named as the week-structure layouts name it.
DayHeaders dayHeaders(const Workspace& ws)
{
    return openedDays(ws) == FiveDays ? DayHeaders{fiveDayText, false}
                                      : DayHeaders{model::masterDayName, true};
}

// Grids only grow; lastRow/lastColumn of -1 (no cells) need nothing.
bool canHold(const Grid& grid, int lastRow, int lastColumn, int maxColumn)
{
    if (lastRow > MaxRow || lastColumn > maxColumn)
        return false;
    const qint64 rows = std::max(grid.rowCount(), lastRow + 1);
    const qint64 columns = std::max(grid.columnCount(), lastColumn + 1);
    return rows * columns <= MaxCells;
}

// The size that holds the cells; false when the grid holds them already.
bool grownSize(const Grid& grid, int lastRow, int lastColumn, int& rows, int& columns)
{
    rows = std::max(grid.rowCount(), lastRow + 1);
    columns = std::max(grid.columnCount(), lastColumn + 1);
    return rows != grid.rowCount() || columns != grid.columnCount();
}

} // namespace

int openedDays(const Workspace& ws)
{
    return std::max(ws.week.daysPerWeek(), FiveDays);
}

void layOutOpenedGrids(Workspace& ws)
{
    ws.periodsPerDay = ws.week.periodsPerDay();
    ws.MSGrid.clearCells();
    ws.msgrid1.clearCells();
    const int days = openedDays(ws);
    model::layOutFixedLessonFrame(ws, days, 30);
    const DayHeaders headers = dayHeaders(ws);
    model::layOutMasterFrame(ws, days, headers.text, headers.centred);
}

bool masterCanHold(const Workspace& ws, int lastRow, int lastColumn)
{
    return canHold(ws.MSGrid, lastRow, lastColumn, MaxMasterColumn);
}

bool planCanHold(const Workspace& ws, int lastRow, int lastColumn)
{
    return canHold(ws.jhb, lastRow, lastColumn, school::PlanColumnCount - 1);
}

void makeRoomInMaster(Workspace& ws, int lastRow, int lastColumn)
{
    Grid& grid = ws.MSGrid;
    int rows = 0;
    int columns = 0;
    if (!masterCanHold(ws, lastRow, lastColumn) ||
        !grownSize(grid, lastRow, lastColumn, rows, columns))
        return;
    const int oldRows = grid.rowCount();
    const int oldColumns = grid.columnCount();
    grid.setSize(rows, columns);
    for (int r = std::max(oldRows, model::FirstClassRow); r < rows; ++r)
        grid.setRowHeight(r, 1500);
    for (int c = oldColumns; c < columns; ++c)
        grid.setColumnWidth(c, 330);
    const DayHeaders headers = dayHeaders(ws);
    model::labelMasterColumns(grid, ws.periodsPerDay, oldColumns, columns - 1, headers.text,
                              headers.centred);
    ws.masterRowCount = rows;
    ws.masterColumnCount = columns;
}

void makeRoomInPlan(Workspace& ws, int lastRow, int lastColumn)
{
    int rows = 0;
    int columns = 0;
    if (planCanHold(ws, lastRow, lastColumn) &&
        grownSize(ws.jhb, lastRow, lastColumn, rows, columns))
        ws.jhb.setSize(rows, columns);
}

} // namespace orve::fileio
