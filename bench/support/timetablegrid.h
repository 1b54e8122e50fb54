// Master timetables for the print tests and benchmarks: the layout the program gives an
// empty timetable (day names, period numbers, class names, its measures), optionally filled
// with lessons.
#pragma once

#include "model/grid.h"
#include "model/layouts.h"
#include "model/lessoncell.h"

#include <QStringList>

namespace orve::test {

inline void layOutTimetable(model::Grid& grid, const QStringList& classes, int days,
                            int periodsPerDay, bool withLessons = false)
{
    grid.setSize(int(classes.size()) + 2, days * periodsPerDay + 1);
    grid.setFixedRows(2);
    grid.setFontSize(9);
    grid.setAllColumnWidths(330);
    grid.setColumnWidth(0, 800);
    grid.setAllRowHeights(1500);
    grid.setRowHeight(0, 500);
    grid.setRowHeight(1, 400);
    for (int c = 1; c < grid.columnCount(); ++c) {
        grid.setText({0, c}, model::masterDayName((c - 1) / periodsPerDay));
        grid.setText({1, c}, u' ' + QString::number((c - 1) % periodsPerDay + 1));
    }
    for (int i = 0; i < classes.size(); ++i) {
        grid.setText({i + 2, 0}, classes.at(i));
        for (int c = 1; withLessons && c < grid.columnCount(); ++c)
            grid.setText({i + 2, c}, model::lessonText(QStringLiteral(u"语文"),
                                           QStringLiteral(u"教师%1").arg((i + c) % 40)));
    }
}

// "一班" … : class names as a school writes them.
inline QStringList classNames(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(QStringLiteral(u"%1班").arg(i));
    return names;
}

} // namespace orve::test
