// A report sheet that only records the calls it gets, one short line per call, so a test can
// compare the exact sequence the print preparation makes.
#pragma once

#include "print/sheetcalls.h"

#include <QStringList>

namespace orve::test {

class CallRecorder : public print::SheetCalls
{
public:
    QStringList calls;

    void setPageLabelVisible(bool visible) override
    {
        add(QStringLiteral("pageLabel %1").arg(int(visible)));
    }
    void setRowCount(int rows) override { add(QStringLiteral("rows %1").arg(rows)); }
    void setColumnCount(int columns) override { add(QStringLiteral("columns %1").arg(columns)); }
    void setSheetWidth(int twips) override { add(QStringLiteral("width %1").arg(twips)); }
    void setSheetHeight(int twips) override { add(QStringLiteral("height %1").arg(twips)); }
    void setRowHeight(int row, double pixels) override
    {
        add(QStringLiteral("rowHeight %1 %2").arg(row).arg(pixels));
    }
    void setColumnWidth(int column, double pixels) override
    {
        add(QStringLiteral("colWidth %1 %2").arg(column).arg(pixels));
    }
    void setCellFont(int column, int row, int points, const QString& family) override
    {
        add(QStringLiteral("font %1,%2 %3 %4").arg(column).arg(row).arg(points).arg(family));
    }
    void setCellAlignment(int column, int row, int code) override
    {
        add(QStringLiteral("align %1,%2 %3").arg(column).arg(row).arg(code));
    }
    void setCellString(int column, int row, const QString& text) override
    {
        add(QStringLiteral("text %1,%2 \"%3\"").arg(column).arg(row).arg(text));
    }
    void joinCells(int c1, int r1, int c2, int r2) override
    {
        add(QStringLiteral("join %1,%2 %3,%4").arg(c1).arg(r1).arg(c2).arg(r2));
    }
    void redrawCell(int column, int row) override
    {
        add(QStringLiteral("redraw %1,%2").arg(column).arg(row));
    }
    void drawLine(int c1, int r1, int c2, int r2, print::LineScope scope, int weight,
                  model::Colour colour) override
    {
        add(QStringLiteral("line %1,%2 %3,%4 %5 %6 %7")
                .arg(c1)
                .arg(r1)
                .arg(c2)
                .arg(r2)
                .arg(int(scope))
                .arg(weight)
                .arg(colour));
    }
    void drawHorizontalLine(int first, int last, int row, bool topSide, model::Colour colour,
                            int weight) override
    {
        add(QStringLiteral("hline %1-%2 row %3 %4 %5 %6")
                .arg(first)
                .arg(last)
                .arg(row)
                .arg(int(topSide))
                .arg(colour)
                .arg(weight));
    }
    void drawVerticalLine(int first, int last, int column, bool leftSide, model::Colour colour,
                          int weight) override
    {
        add(QStringLiteral("vline %1-%2 column %3 %4 %5 %6")
                .arg(first)
                .arg(last)
                .arg(column)
                .arg(int(leftSide))
                .arg(colour)
                .arg(weight));
    }
    void redrawGrid() override { add(QStringLiteral("redrawGrid")); }
    void redrawAll() override { add(QStringLiteral("redrawAll")); }
    void setTitle(const QString& title) override { add(QStringLiteral("title \"%1\"").arg(title)); }
    void setPrintRange(int c1, int r1, int c2, int r2) override
    {
        add(QStringLiteral("range %1,%2 %3,%4").arg(c1).arg(r1).arg(c2).arg(r2));
    }

private:
    void add(const QString& call) { calls.append(call); }
};

} // namespace orve::test
