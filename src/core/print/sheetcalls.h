// The calls the print preparation makes on the report sheet and on the print window around
// it, in the order it makes them. The sheet value, the print window and the tests' recorder
// each take them their own way.
#pragma once

#include "model/gridcell.h"

#include <QString>
#include <Qt>

namespace orve::print {

// Alignment codes are bit sets: horizontal 1 left, 2 right, 4 centre; vertical 8 top,
// 16 bottom, 32 middle. The preparation passes 36, centred both ways. A code without a
// horizontal bit aligns left, one without a vertical bit aligns to the middle.
inline constexpr int AlignLeftCode = 1;
inline constexpr int AlignRightCode = 2;
inline constexpr int AlignCentreCode = 4;
inline constexpr int AlignTopCode = 8;
inline constexpr int AlignBottomCode = 16;
inline constexpr int AlignMiddleCode = 32;
inline constexpr int CentredCode = AlignCentreCode | AlignMiddleCode; // 36
Qt::Alignment alignmentOfCode(int code);

// Which lines a ruling call draws over its block of cells.
enum class LineScope : int {
    EveryCell = 0, // the four edges of every cell of the block
    Outline = 1,   // only the block's outer edges
};

// Line weights: 0 removes a line, 1 is a thin rule, 2 a thick one (the sheet's outer edge).
inline constexpr int NoLine = 0;
inline constexpr int ThinLine = 1;
inline constexpr int ThickLine = 2;

// Line colours are 0x00BBGGRR like cell colours, but 0 is plain black here.
inline constexpr model::Colour Black = 0;

// Columns and rows count from 0; every cell call names the column first.
class SheetCalls
{
public:
    virtual ~SheetCalls() = default;

    // The sheet's own page tabs; the print window shows none, page numbers are its footer.
    virtual void setPageLabelVisible(bool visible) = 0;
    virtual void setRowCount(int rows) = 0;
    virtual void setColumnCount(int columns) = 0;
    // The sheet's size in the window, in twips.
    virtual void setSheetWidth(int twips) = 0;
    virtual void setSheetHeight(int twips) = 0;
    // Measures in screen pixels (1/96 inch); fractions are kept.
    virtual void setRowHeight(int row, double pixels) = 0;
    virtual void setColumnWidth(int column, double pixels) = 0;
    virtual void setCellFont(int column, int row, int points, const QString& family) = 0;
    virtual void setCellAlignment(int column, int row, int code) = 0;
    virtual void setCellString(int column, int row, const QString& text) = 0;
    // Joins the block into one cell that shows the text of its top-left cell.
    virtual void joinCells(int firstColumn, int firstRow, int lastColumn, int lastRow) = 0;
    virtual void redrawCell(int column, int row) = 0;
    virtual void drawLine(int firstColumn, int firstRow, int lastColumn, int lastRow,
                          LineScope scope, int weight, model::Colour colour) = 0;
    // One line along a row from column `first` to `last`: above the row when `topSide`,
    // else below it.
    virtual void drawHorizontalLine(int first, int last, int row, bool topSide,
                                    model::Colour colour, int weight) = 0;
    // One line along a column from row `first` to `last`: left of it when `leftSide`.
    virtual void drawVerticalLine(int first, int last, int column, bool leftSide,
                                  model::Colour colour, int weight) = 0;
    virtual void redrawGrid() = 0;
    virtual void redrawAll() = 0;

    // The window's part: the title line, and the print range that closes the preparation.
    virtual void setTitle(const QString& title) = 0;
    // Columns before `firstColumn` and rows before `firstRow` are the headers repeated on
    // every page; the pages cover the body up to `lastColumn` and `lastRow`.
    virtual void setPrintRange(int firstColumn, int firstRow, int lastColumn, int lastRow) = 0;
};

} // namespace orve::print
