#include "reportsheet.h"

#include <algorithm>

namespace orve::print {

Qt::Alignment alignmentOfCode(int code)
{
    Qt::Alignment alignment;
    if (code & AlignCentreCode)
        alignment |= Qt::AlignHCenter;
    else if (code & AlignRightCode)
        alignment |= Qt::AlignRight;
    else
        alignment |= Qt::AlignLeft;
    if (code & AlignMiddleCode)
        alignment |= Qt::AlignVCenter;
    else if (code & AlignBottomCode)
        alignment |= Qt::AlignBottom;
    else if (code & AlignTopCode)
        alignment |= Qt::AlignTop;
    else
        alignment |= Qt::AlignVCenter;
    return alignment;
}

double ReportSheet::rowHeight(int row) const
{
    return row >= 0 && row < rows_ ? rowHeights_[std::size_t(row)] : 0.0;
}

double ReportSheet::columnWidth(int column) const
{
    return column >= 0 && column < columns_ ? columnWidths_[std::size_t(column)] : 0.0;
}

const SheetCell& ReportSheet::cell(model::CellRef at) const
{
    static const SheetCell empty;
    return contains(at) ? cells_[std::size_t(at.row * columns_ + at.column)] : empty;
}

SheetCell* ReportSheet::mutableCell(model::CellRef at)
{
    return contains(at) ? &cells_[std::size_t(at.row * columns_ + at.column)] : nullptr;
}

const CellBlock* ReportSheet::joinedBlockAt(model::CellRef at) const
{
    if (!contains(at))
        return nullptr;
    const int index = joinIndex_[std::size_t(at.row * columns_ + at.column)];
    return index < 0 ? nullptr : &joins_[std::size_t(index)];
}

RuledLine ReportSheet::horizontalLine(int column, int boundary) const
{
    if (column < 0 || column >= columns_ || boundary < 0 || boundary > rows_)
        return {};
    return horizontal_[std::size_t(boundary * columns_ + column)];
}

RuledLine ReportSheet::verticalLine(int boundary, int row) const
{
    if (row < 0 || row >= rows_ || boundary < 0 || boundary > columns_)
        return {};
    return vertical_[std::size_t(row * (columns_ + 1) + boundary)];
}

void ReportSheet::setHorizontal(int column, int boundary, RuledLine line)
{
    if (column >= 0 && column < columns_ && boundary >= 0 && boundary <= rows_)
        horizontal_[std::size_t(boundary * columns_ + column)] = line;
}

void ReportSheet::setVertical(int boundary, int row, RuledLine line)
{
    if (row >= 0 && row < rows_ && boundary >= 0 && boundary <= columns_)
        vertical_[std::size_t(row * (columns_ + 1) + boundary)] = line;
}

CellBlock ReportSheet::printRange() const
{
    if (hasPrintRange_)
        return clipped(printRange_);
    return {0, 0, columns_ - 1, rows_ - 1};
}

// Growing or shrinking keeps every cell, measure and line that still fits.
void ReportSheet::resize(int rows, int columns)
{
    rows = std::max(rows, 0);
    columns = std::max(columns, 0);
    if (rows == rows_ && columns == columns_)
        return;
    const ReportSheet old = *this;
    rows_ = rows;
    columns_ = columns;
    cells_.assign(std::size_t(rows) * std::size_t(columns), SheetCell());
    horizontal_.assign(std::size_t(rows + 1) * std::size_t(columns), RuledLine());
    vertical_.assign(std::size_t(rows) * std::size_t(columns + 1), RuledLine());
    rowHeights_.resize(std::size_t(rows), DefaultRowHeight);
    columnWidths_.resize(std::size_t(columns), DefaultColumnWidth);
    for (int r = 0; r < std::min(rows, old.rows_); ++r) {
        for (int c = 0; c < std::min(columns, old.columns_); ++c) {
            *mutableCell({r, c}) = old.cell({r, c});
            setVertical(c, r, old.verticalLine(c, r));
        }
    }
    for (int b = 0; b <= std::min(rows, old.rows_); ++b)
        for (int c = 0; c < std::min(columns, old.columns_); ++c)
            setHorizontal(c, b, old.horizontalLine(c, b));
    joins_.erase(
        std::remove_if(joins_.begin(), joins_.end(),
                       [this](const CellBlock& block) { return !(clipped(block) == block); }),
        joins_.end());
    reindexJoins();
}

CellBlock ReportSheet::clipped(CellBlock block) const
{
    block.firstColumn = std::max(block.firstColumn, 0);
    block.firstRow = std::max(block.firstRow, 0);
    block.lastColumn = std::min(block.lastColumn, columns_ - 1);
    block.lastRow = std::min(block.lastRow, rows_ - 1);
    return block;
}

void ReportSheet::reindexJoins()
{
    joinIndex_.assign(cells_.size(), -1);
    for (std::size_t i = 0; i < joins_.size(); ++i) {
        const CellBlock& block = joins_[i];
        for (int r = block.firstRow; r <= block.lastRow; ++r)
            for (int c = block.firstColumn; c <= block.lastColumn; ++c)
                joinIndex_[std::size_t(r * columns_ + c)] = int(i);
    }
}

void ReportSheet::setRowHeight(int row, double pixels)
{
    if (row >= 0 && row < rows_)
        rowHeights_[std::size_t(row)] = std::max(pixels, 0.0);
}

void ReportSheet::setColumnWidth(int column, double pixels)
{
    if (column >= 0 && column < columns_)
        columnWidths_[std::size_t(column)] = std::max(pixels, 0.0);
}

void ReportSheet::setCellFont(int column, int row, int points, const QString& family)
{
    if (SheetCell* cell = mutableCell({row, column})) {
        cell->fontSize = points;
        cell->fontFamily = family;
    }
}

void ReportSheet::setCellAlignment(int column, int row, int code)
{
    if (SheetCell* cell = mutableCell({row, column}))
        cell->alignment = alignmentOfCode(code);
}

void ReportSheet::setCellTextColour(int column, int row, model::Colour colour)
{
    if (SheetCell* cell = mutableCell({row, column}))
        cell->textColour = colour;
}

void ReportSheet::setCellString(int column, int row, const QString& text)
{
    if (SheetCell* cell = mutableCell({row, column}))
        cell->text = text;
}

// A block that reaches past the sheet or is turned inside out joins nothing; a new block
// undoes the joins it overlaps, as joining over joined cells does in a spreadsheet.
void ReportSheet::joinCells(int firstColumn, int firstRow, int lastColumn, int lastRow)
{
    const CellBlock block{firstColumn, firstRow, lastColumn, lastRow};
    if (block.isEmpty() || !(clipped(block) == block))
        return;
    joins_.erase(std::remove_if(joins_.begin(), joins_.end(),
                                [&block](const CellBlock& old) { return old.intersects(block); }),
                 joins_.end());
    if (block.firstColumn != block.lastColumn || block.firstRow != block.lastRow)
        joins_.push_back(block);
    reindexJoins();
}

void ReportSheet::drawLine(int firstColumn, int firstRow, int lastColumn, int lastRow,
                           LineScope scope, int weight, model::Colour colour)
{
    const CellBlock block = clipped({firstColumn, firstRow, lastColumn, lastRow});
    if (block.isEmpty())
        return;
    const RuledLine line{weight, colour};
    const bool everyCell = scope == LineScope::EveryCell;
    for (int b = block.firstRow; b <= block.lastRow + 1; ++b) {
        if (!everyCell && b != block.firstRow && b != block.lastRow + 1)
            continue;
        for (int c = block.firstColumn; c <= block.lastColumn; ++c)
            setHorizontal(c, b, line);
    }
    for (int r = block.firstRow; r <= block.lastRow; ++r) {
        for (int b = block.firstColumn; b <= block.lastColumn + 1; ++b) {
            if (everyCell || b == block.firstColumn || b == block.lastColumn + 1)
                setVertical(b, r, line);
        }
    }
}

void ReportSheet::drawHorizontalLine(int first, int last, int row, bool topSide,
                                     model::Colour colour, int weight)
{
    const int boundary = topSide ? row : row + 1;
    for (int c = std::max(first, 0); c <= std::min(last, columns_ - 1); ++c)
        setHorizontal(c, boundary, {weight, colour});
}

void ReportSheet::drawVerticalLine(int first, int last, int column, bool leftSide,
                                   model::Colour colour, int weight)
{
    const int boundary = leftSide ? column : column + 1;
    for (int r = std::max(first, 0); r <= std::min(last, rows_ - 1); ++r)
        setVertical(boundary, r, {weight, colour});
}

void ReportSheet::setPrintRange(int firstColumn, int firstRow, int lastColumn, int lastRow)
{
    printRange_ = {firstColumn, firstRow, lastColumn, lastRow};
    hasPrintRange_ = true;
}

} // namespace orve::print
