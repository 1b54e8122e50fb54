#include "layouts.h"

#include "numbers.h"
#include "slots.h"

#include "uiport.h"
#include "workspace.h"

#include <array>

namespace orve::model {

namespace {

constexpr int HeaderSize = 500; // twips: row 0 height and column 0 width of msgrid1

// Grid measures are rounded half to even, as every conversion to an integer is.
int roundedTwips(double value)
{
    return roundHalfEven(value, 0, 1 << 24);
}

QString masterDayName(int dayIndex)
{
    static const std::array<const char16_t*, 7> names = {
        u"星期一", u"星期二", u"星期三", u"星期四", u"星期五", u"星期六", u"星期日"};
    return dayIndex >= 0 && dayIndex < int(names.size())
               ? QString::fromUtf16(names[std::size_t(dayIndex)])
               : QString();
}

} // namespace

void xbj(Workspace& ws, UiPort& ui)
{
    const int n = ws.week.periodsPerDay();
    ws.periodsPerDay = n;
    ui.processEvents();

    Grid& grid = ws.msgrid1;
    {
        RedrawSuspender suspended(grid);
        grid.clearCells();
        grid.setFontSize(10);
        grid.setText(0, 0, QStringLiteral(u" ★"));
    }
    ui.processEvents();

    RedrawSuspender suspended(grid);
    const int days = ws.week.daysPerWeek();
    grid.setSize(n + 1, days + 1);
    grid.setRowHeight(0, HeaderSize);
    grid.setColumnWidth(0, HeaderSize);
    grid.setAlignment(0, 0, CellAlignment::CenterCenter);
    for (int p = 1; p <= n; ++p) {
        grid.setRowHeight(p, roundedTwips(double(grid.viewHeight() - HeaderSize) / n - 15));
        grid.setText(p, 0, ws.chineseNumeral(p));
        grid.setAlignment(p, 0, CellAlignment::CenterCenter);
    }
    for (int d = 1; d <= days; ++d) {
        grid.setColumnWidth(d, roundedTwips(double(grid.viewWidth() - HeaderSize) / days - 15));
        grid.setText(0, d, dayName(ws.chineseNumeral, d));
        grid.setAlignment(0, d, CellAlignment::CenterCenter);
    }

    if (!ws.timetableLoaded) {
        zkcb(ws);
        ws.MSGrid.setRedraw(true);
    }
    if (ws.week.exceedsBounds())
        ui.message(QStringLiteral(u"每天最多 %1 节、每周最多 %2 天，超出的部分不排。")
                       .arg(MaxPeriodsPerDay)
                       .arg(MaxDaysPerWeek),
                   MessageButtons::Ok, {}, MessageIcon::Information);
}

void zkcb(Workspace& ws)
{
    Grid& grid = ws.MSGrid;
    grid.clearCells();
    grid.setRedraw(false);

    const int n = ws.periodsPerDay;
    const int classes = int(ws.List1.size());
    grid.setSize(classes + FirstClassRow, ws.week.daysPerWeek() * n + 1);
    grid.setFontSize(9);
    ws.masterColumnCount = grid.columnCount();
    ws.masterRowCount = grid.rowCount();

    grid.setAllColumnWidths(330);
    grid.setColumnWidth(ClassNameColumn, 800);
    grid.setAllRowHeights(1500);
    grid.setRowHeight(DayHeaderRow, 500);
    grid.setRowHeight(PeriodHeaderRow, 400);

    for (int c = 1; c < grid.columnCount(); ++c) {
        grid.setText(DayHeaderRow, c, masterDayName((c - 1) / n));
        grid.setAlignment(DayHeaderRow, c, CellAlignment::CenterCenter);
    }
    grid.setMergeRow(DayHeaderRow, true);

    for (int r = FirstClassRow; r < classes + FirstClassRow; ++r)
        grid.setText(r, ClassNameColumn, ws.List1.at(classIndexOfRow(r)));

    for (int c = 1; c < grid.columnCount(); ++c)
        grid.setText(PeriodHeaderRow, c, u' ' + QString::number((c - 1) % n + 1));

    grid.setMergeRow(DayHeaderRow, true);
    grid.setRedraw(true);
}

} // namespace orve::model
