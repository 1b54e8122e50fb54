#include "openlayout.h"

#include "model/layouts.h"
#include "model/school.h"
#include "model/slots.h"
#include "school/teachingplan.h"
#include "schoolreader.h"

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
DayHeaders dayHeaders(const model::School& school)
{
    return openedDays(school) == FiveDays ? DayHeaders{fiveDayText, false}
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

int openedDays(const model::School& school)
{
    return std::max(school.week.daysPerWeek(), FiveDays);
}

void layOutOpenedGrids(OpenedSchool& opened)
{
    model::School& school = opened.school;
    opened.periodsPerDay = school.week.periodsPerDay();
    school.masterTimetable.clearCells();
    opened.fixedLessonGrid.clearCells();
    const int days = openedDays(school);
    model::layOutFixedLessonFrame(opened.fixedLessonGrid, opened.numerals, opened.periodsPerDay,
                                  days, 30);
    const DayHeaders headers = dayHeaders(school);
    model::layOutMasterFrame(school.masterTimetable, school.classes, opened.periodsPerDay, days,
                             headers.text, headers.centred);
}

bool masterCanHold(const Grid& timetable, int lastRow, int lastColumn)
{
    return canHold(timetable, lastRow, lastColumn, MaxMasterColumn);
}

bool planCanHold(const Grid& plan, int lastRow, int lastColumn)
{
    return canHold(plan, lastRow, lastColumn, school::PlanColumnCount - 1);
}

void makeRoomInMaster(OpenedSchool& opened, int lastRow, int lastColumn)
{
    Grid& grid = opened.school.masterTimetable;
    int rows = 0;
    int columns = 0;
    if (!masterCanHold(grid, lastRow, lastColumn) ||
        !grownSize(grid, lastRow, lastColumn, rows, columns))
        return;
    const int oldRows = grid.rowCount();
    const int oldColumns = grid.columnCount();
    grid.setSize(rows, columns);
    for (int r = std::max(oldRows, model::FirstClassRow); r < rows; ++r)
        grid.setRowHeight(r, 1500);
    for (int c = oldColumns; c < columns; ++c)
        grid.setColumnWidth(c, 330);
    const DayHeaders headers = dayHeaders(opened.school);
    model::labelMasterColumns(grid, opened.periodsPerDay, oldColumns, columns - 1, headers.text,
                              headers.centred);
}

void makeRoomInPlan(Grid& plan, int lastRow, int lastColumn)
{
    int rows = 0;
    int columns = 0;
    if (planCanHold(plan, lastRow, lastColumn) &&
        grownSize(plan, lastRow, lastColumn, rows, columns))
        plan.setSize(rows, columns);
}

} // namespace orve::fileio
