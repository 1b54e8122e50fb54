#include "weekprint.h"

#include "masterprint.h"

#include "views/weektimetable.h"

namespace orve::print {

void fillWeekTimetable(SheetCalls& sheet, const views::WeekTimetable& week)
{
    const int columns = week.days() + 1;
    const int rows = week.periodsPerDay() + 1;
    sheet.setRowCount(rows);
    sheet.setColumnCount(columns);
    sheet.setRowHeight(0, WeekHeaderRowHeight);
    for (int r = 1; r < rows; ++r)
        sheet.setRowHeight(r, WeekPeriodRowHeight);
    sheet.setColumnWidth(0, WeekHeaderColumnWidth);
    for (int c = 1; c < columns; ++c)
        sheet.setColumnWidth(c, WeekDayColumnWidth);

    const QStringList days = views::dayHeaders(week.days());
    const QStringList periods = views::periodHeaders(week.periodsPerDay());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            sheet.setCellFont(c, r, WeekFontPoints, PrintFace);
            sheet.setCellAlignment(c, r, CentredCode);
            if (r == 0 && c > 0)
                sheet.setCellString(c, r, days.at(c - 1));
            else if (c == 0 && r > 0)
                sheet.setCellString(c, r, periods.at(r - 1));
            else if (r > 0)
                sheet.setCellString(c, r, week.text({c, r}));
        }
    }
    for (int r = 1; r < rows - 1; ++r)
        for (int c = 1; c < columns; ++c)
            if (week.cell({c, r}).joinsNext)
                sheet.joinCells(c, r, c, r + 1);
    ruleSheet(sheet, columns, rows);
    sheet.setPrintRange(1, 1, columns - 1, rows - 1);
}

ReportSheet weekSheet(const views::WeekTimetable& week, const QString& caption)
{
    ReportSheet sheet;
    sheet.setPageLabelVisible(false);
    fillWeekTimetable(sheet, week);
    // A teacher in two lessons at once shows in red on screen; paper that prints no colour
    // still shows the heavy frame and the tag.
    for (int r = 1; r <= week.periodsPerDay(); ++r)
        for (int c = 1; c <= week.days(); ++c)
            if (week.cell({c, r}).doubleBooked) {
                sheet.setCellString(c, r, DoubleBookedTag + u'\n' + week.text({c, r}));
                sheet.setCellTextColour(c, r, DoubleBookedColour);
                sheet.drawLine(c, r, c, r, LineScope::Outline, ThickLine, DoubleBookedColour);
            }
    sheet.setHeading(caption);
    sheet.setPageFit(PageFit::OnePage);
    return sheet;
}

} // namespace orve::print
