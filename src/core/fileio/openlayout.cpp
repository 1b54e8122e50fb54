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

bool fits(int row, int column, int maxColumn)
{
    return row >= 0 && row <= MaxRow && column >= 0 && column <= maxColumn;
}

bool grow(Grid& grid, int row, int column)
{
    const int rows = std::max(grid.rowCount(), row + 1);
    const int columns = std::max(grid.columnCount(), column + 1);
    if (qint64(rows) * columns > MaxCells)
        return false;
    grid.setSize(rows, columns);
    return true;
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

bool makeRoomInMaster(Workspace& ws, int row, int column)
{
    Grid& grid = ws.MSGrid;
    if (grid.contains(row, column))
        return true;
    if (!fits(row, column, MaxMasterColumn))
        return false;
    const int oldRows = grid.rowCount();
    const int oldColumns = grid.columnCount();
    if (!grow(grid, row, column))
        return false;
    for (int r = std::max(oldRows, model::FirstClassRow); r < grid.rowCount(); ++r)
        grid.setRowHeight(r, 1500);
    for (int c = oldColumns; c < grid.columnCount(); ++c)
        grid.setColumnWidth(c, 330);
    const DayHeaders headers = dayHeaders(ws);
    model::labelMasterColumns(grid, ws.periodsPerDay, oldColumns, grid.columnCount() - 1,
                              headers.text, headers.centred);
    ws.masterRowCount = grid.rowCount();
    ws.masterColumnCount = grid.columnCount();
    return true;
}

bool makeRoomInPlan(Workspace& ws, int row, int column)
{
    if (ws.jhb.contains(row, column))
        return true;
    return fits(row, column, school::PlanColumnCount - 1) && grow(ws.jhb, row, column);
}

} // namespace orve::fileio
