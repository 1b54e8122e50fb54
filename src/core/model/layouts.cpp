#include "layouts.h"

#include "numbers.h"
#include "slots.h"

#include "chinesenumeral.h"
#include "grid.h"

#include <algorithm>
#include <array>

namespace orve::model {

namespace {

constexpr int HeaderSize = 500; // twips: row 0 height and column 0 width of the fixed-lesson grid

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

void layOutFixedLessonFrame(Grid& grid, ChineseNumeral& numerals, int periodsPerDay, int days,
                            int gap)
{
    RedrawSuspender suspended(grid);
    const int n = periodsPerDay;
    grid.setText({0, 0}, QStringLiteral(u" ★"));
    grid.setSize(n + 1, days + 1);
    grid.setRowHeight(0, HeaderSize);
    grid.setColumnWidth(0, HeaderSize);
    grid.setAlignment({0, 0}, CellAlignment::CenterCenter);
    for (int p = 1; p <= n; ++p) {
        grid.setRowHeight(p, roundedTwips(double(grid.viewHeight() - HeaderSize) / n - gap));
        grid.setText({p, 0}, numerals(p));
        grid.setAlignment({p, 0}, CellAlignment::CenterCenter);
    }
    for (int d = 1; d <= days; ++d) {
        grid.setColumnWidth(d, roundedTwips(double(grid.viewWidth() - HeaderSize) / days - gap));
        grid.setText({0, d}, dayName(numerals, d));
        grid.setAlignment({0, d}, CellAlignment::CenterCenter);
    }
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

void layOutMasterFrame(Grid& grid, const QStringList& classes, int periodsPerDay, int days,
                       DayHeaderText dayText, bool centreDays)
{
    const int n = periodsPerDay;
    const int classCount = int(classes.size());
    grid.setSize(classCount + FirstClassRow, days * n + 1);
    grid.setFontSize(9);

    grid.setAllColumnWidths(330);
    grid.setColumnWidth(ClassNameColumn, 800);
    grid.setAllRowHeights(1500);
    grid.setRowHeight(DayHeaderRow, 500);
    grid.setRowHeight(PeriodHeaderRow, 400);

    labelMasterColumns(grid, n, 1, grid.columnCount() - 1, dayText, centreDays);
    grid.setMergeRow(DayHeaderRow, true);
    for (int r = FirstClassRow; r < classCount + FirstClassRow; ++r)
        grid.setText({r, ClassNameColumn}, classes.at(classIndexOfRow(r)));
}

} // namespace orve::model
