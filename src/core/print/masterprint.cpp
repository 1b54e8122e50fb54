#include "masterprint.h"

#include "model/chinesenumeral.h"
#include "model/grid.h"
#include "model/slots.h"

namespace orve::print {

namespace {

constexpr double TwipsPerPixel = 15.0;

} // namespace

void joinBlock(SheetCalls& sheet, int firstColumn, int firstRow, int lastColumn, int lastRow)
{
    sheet.joinCells(firstColumn, firstRow, lastColumn, lastRow);
    for (int c = firstColumn; c <= lastColumn; ++c)
        for (int r = firstRow; r <= lastRow; ++r)
            sheet.redrawCell(c, r);
}

void ruleSheet(SheetCalls& sheet, int columns, int rows)
{
    const int lastColumn = columns - 1;
    const int lastRow = rows - 1;
    sheet.drawLine(0, 0, lastColumn, lastRow, LineScope::EveryCell, ThinLine, Black);
    sheet.drawHorizontalLine(0, lastColumn, 0, true, Black, ThickLine);
    sheet.drawHorizontalLine(0, lastColumn, lastRow, false, Black, ThickLine);
    sheet.drawVerticalLine(0, lastRow, 0, true, Black, ThickLine);
    sheet.drawVerticalLine(0, lastRow, lastColumn, false, Black, ThickLine);
    sheet.redrawGrid();
}

void fillMasterTimetable(SheetCalls& sheet, const model::Grid& masterTimetable, int days,
                         int periodsPerDay, const QString& title,
                         const std::function<void()>& letEventsRun)
{
    const model::Grid& grid = masterTimetable;
    const int rows = grid.rowCount();
    const int columns = grid.columnCount();
    sheet.setRowCount(rows);
    sheet.setColumnCount(columns);
    sheet.setSheetWidth(grid.viewWidth());
    sheet.setSheetHeight(grid.viewHeight());

    for (int r = 0; r < rows; ++r) {
        sheet.setRowHeight(r, grid.rowHeight(r) / TwipsPerPixel);
        letEventsRun();
    }
    for (int c = 0; c < columns; ++c)
        sheet.setColumnWidth(c, grid.columnWidth(c) / TwipsPerPixel);

    const int fontSize = grid.fontSize() + 1;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            sheet.setCellFont(c, r, fontSize, PrintFace);
            if (c == model::ClassNameColumn)
                sheet.setCellAlignment(c, r, CentredCode);
            sheet.setCellString(c, r, grid.text({r, c}));
            letEventsRun();
        }
    }

    sheet.setTitle(title);
    joinBlock(sheet, model::ClassNameColumn, model::DayHeaderRow, model::ClassNameColumn,
              model::PeriodHeaderRow);

    // A day whose columns the timetable lacks (the days field was raised over a loaded
    // timetable) would join cells that are not there.
    const int slotColumns = columns - 1;
    const int daysOnSheet = periodsPerDay > 0 ? slotColumns / periodsPerDay : 0;
    model::ChineseNumeral numeral;
    for (int d = 1; d <= days && d <= daysOnSheet; ++d) {
        const int first = model::slotColumn({d, 1}, periodsPerDay);
        joinBlock(sheet, first, model::DayHeaderRow, first + periodsPerDay - 1,
                  model::DayHeaderRow);
        sheet.setCellAlignment(first, model::DayHeaderRow, CentredCode);
        sheet.setCellString(first, model::DayHeaderRow, model::dayName(numeral, d));
        letEventsRun();
    }

    ruleSheet(sheet, columns, rows);
    sheet.setPrintRange(1, 1, columns - 1, rows - 1);
}

} // namespace orve::print
