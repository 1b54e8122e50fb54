#include "layouts.h"

#include "numbers.h"
#include "slots.h"

#include "uiport.h"
#include "workspace.h"

#include <algorithm>
#include <array>

namespace orve::model {

namespace {

constexpr int HeaderSize = 500; // twips: row 0 height and column 0 width of msgrid1

// Grid measures are rounded half to even, as every conversion to an integer is.
int roundedTwips(double value)
{
    return roundHalfEven(value, 0, 1 << 24);
}

} // namespace

QString masterDayName(int dayIndex)
{
    static const std::array<const char16_t*, 7> names = {
        u"星期一", u"星期二", u"星期三", u"星期四", u"星期五", u"星期六", u"星期日"};
    return dayIndex >= 0 && dayIndex < int(names.size())
               ? QString::fromUtf16(names[std::size_t(dayIndex)])
               : QString();
}

void layOutFixedLessonFrame(Workspace& ws, int days, int gap)
{
    Grid& grid = ws.msgrid1;
    RedrawSuspender suspended(grid);
    const int n = ws.periodsPerDay;
    grid.setText({0, 0}, QStringLiteral(u" ★"));
    grid.setSize(n + 1, days + 1);
    grid.setRowHeight(0, HeaderSize);
    grid.setColumnWidth(0, HeaderSize);
    grid.setAlignment({0, 0}, CellAlignment::CenterCenter);
    for (int p = 1; p <= n; ++p) {
        grid.setRowHeight(p, roundedTwips(double(grid.viewHeight() - HeaderSize) / n - gap));
        grid.setText({p, 0}, ws.chineseNumeral(p));
        grid.setAlignment({p, 0}, CellAlignment::CenterCenter);
    }
    for (int d = 1; d <= days; ++d) {
        grid.setColumnWidth(d, roundedTwips(double(grid.viewWidth() - HeaderSize) / days - gap));
        grid.setText({0, d}, dayName(ws.chineseNumeral, d));
        grid.setAlignment({0, d}, CellAlignment::CenterCenter);
    }
}

void xbj(Workspace& ws, UiPort& ui)
{
    ws.periodsPerDay = ws.week.periodsPerDay();
    ui.processEvents();

    Grid& grid = ws.msgrid1;
    {
        RedrawSuspender suspended(grid);
        grid.clearCells();
        grid.setFontSize(10);
        grid.setText({0, 0}, QStringLiteral(u" ★"));
    }
    ui.processEvents();
    layOutFixedLessonFrame(ws, ws.week.daysPerWeek(), 15);

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

void labelMasterColumns(Grid& grid, int periodsPerDay, int first, int last, DayHeaderText dayText,
                        bool centreDays)
{
    if (periodsPerDay <= 0)
        return;
    for (int c = std::max(first, 1); c <= last; ++c) {
        grid.setText({DayHeaderRow, c}, dayText((c - 1) / periodsPerDay));
        if (centreDays)
            grid.setAlignment({DayHeaderRow, c}, CellAlignment::CenterCenter);
        grid.setText({PeriodHeaderRow, c}, u' ' + QString::number((c - 1) % periodsPerDay + 1));
    }
}

void layOutMasterFrame(Workspace& ws, int days, DayHeaderText dayText, bool centreDays)
{
    Grid& grid = ws.MSGrid;
    const int n = ws.periodsPerDay;
    const int classes = int(ws.List1.size());
    grid.setSize(classes + FirstClassRow, days * n + 1);
    grid.setFontSize(9);
    ws.masterColumnCount = grid.columnCount();
    ws.masterRowCount = grid.rowCount();

    grid.setAllColumnWidths(330);
    grid.setColumnWidth(ClassNameColumn, 800);
    grid.setAllRowHeights(1500);
    grid.setRowHeight(DayHeaderRow, 500);
    grid.setRowHeight(PeriodHeaderRow, 400);

    labelMasterColumns(grid, n, 1, grid.columnCount() - 1, dayText, centreDays);
    grid.setMergeRow(DayHeaderRow, true);
    for (int r = FirstClassRow; r < classes + FirstClassRow; ++r)
        grid.setText({r, ClassNameColumn}, ws.List1.at(classIndexOfRow(r)));
}

void zkcb(Workspace& ws)
{
    Grid& grid = ws.MSGrid;
    grid.clearCells();
    grid.setRedraw(false);
    layOutMasterFrame(ws, ws.week.daysPerWeek(), masterDayName, true);
    grid.setRedraw(true);
}

} // namespace orve::model
