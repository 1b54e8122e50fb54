#include "grid.h"

#include <algorithm>

namespace orve::model {

namespace {
const GridCell emptyCell{};
}

Grid::Grid(int rows, int columns, int fixedRows, int fixedColumns, QObject* parent)
    : QObject(parent), fixedRows_(fixedRows), fixedColumns_(fixedColumns)
{
    setSize(rows, columns);
}

void Grid::setRowCount(int rows)
{
    setSize(rows, columns_);
}

void Grid::setColumnCount(int columns)
{
    setSize(rows_, columns);
}

void Grid::setSize(int rows, int columns)
{
    rows = std::max(rows, 0);
    columns = std::max(columns, 0);
    if (rows == rows_ && columns == columns_)
        return;
    if (columns == columns_) {
        cells_.resize(std::size_t(rows) * std::size_t(columns));
    } else {
        std::vector<GridCell> cells(std::size_t(rows) * std::size_t(columns));
        const int keepRows = std::min(rows, rows_);
        const int keepColumns = std::min(columns, columns_);
        for (int r = 0; r < keepRows; ++r)
            for (int c = 0; c < keepColumns; ++c)
                cells[std::size_t(r) * std::size_t(columns) + std::size_t(c)] =
                    std::move(cells_[std::size_t(flatIndex(r, c))]);
        cells_ = std::move(cells);
    }
    rowHeights_.resize(std::size_t(rows), DefaultRowHeight);
    mergeRows_.resize(std::size_t(rows), false);
    columnWidths_.resize(std::size_t(columns), DefaultColumnWidth);
    mergeColumns_.resize(std::size_t(columns), false);
    rows_ = rows;
    columns_ = columns;
    if (!contains(currentRow_, currentColumn_)) {
        currentRow_ = std::clamp(currentRow_, 0, std::max(rows_ - 1, 0));
        currentColumn_ = std::clamp(currentColumn_, 0, std::max(columns_ - 1, 0));
        pendingCurrent_ = true;
    }
    touchStructure();
}

void Grid::insertRows(int at, int count)
{
    if (count <= 0 || at < 0 || at > rows_)
        return;
    const auto first = cells_.begin() + std::ptrdiff_t(at) * columns_;
    cells_.insert(first, std::size_t(count) * std::size_t(columns_), GridCell{});
    rowHeights_.insert(rowHeights_.begin() + at, std::size_t(count),
                       rows_ > 0 ? rowHeights_[std::size_t(std::min(at, rows_ - 1))]
                                 : DefaultRowHeight);
    mergeRows_.insert(mergeRows_.begin() + at, std::size_t(count), false);
    rows_ += count;
    touchStructure();
}

void Grid::removeRows(int at, int count)
{
    if (count <= 0 || at < 0 || at >= rows_)
        return;
    count = std::min(count, rows_ - at);
    const auto first = cells_.begin() + std::ptrdiff_t(at) * columns_;
    cells_.erase(first, first + std::ptrdiff_t(count) * columns_);
    rowHeights_.erase(rowHeights_.begin() + at, rowHeights_.begin() + at + count);
    mergeRows_.erase(mergeRows_.begin() + at, mergeRows_.begin() + at + count);
    rows_ -= count;
    if (currentRow_ >= rows_) {
        currentRow_ = std::max(rows_ - 1, 0);
        pendingCurrent_ = true;
    }
    touchStructure();
}

void Grid::setFixedRows(int rows)
{
    if (rows != fixedRows_) {
        fixedRows_ = std::max(rows, 0);
        touchStructure();
    }
}

void Grid::setFixedColumns(int columns)
{
    if (columns != fixedColumns_) {
        fixedColumns_ = std::max(columns, 0);
        touchStructure();
    }
}

const GridCell& Grid::cell(int row, int column) const
{
    return contains(row, column) ? cells_[std::size_t(flatIndex(row, column))] : emptyCell;
}

GridCell* Grid::mutableCell(int row, int column)
{
    return contains(row, column) ? &cells_[std::size_t(flatIndex(row, column))] : nullptr;
}

template <typename T>
void Grid::setMember(int row, int column, T GridCell::*member, const T& value)
{
    GridCell* target = mutableCell(row, column);
    if (target && target->*member != value) {
        target->*member = value;
        touchCells(row, column, row, column);
    }
}

void Grid::setCell(int row, int column, const GridCell& cell)
{
    if (GridCell* target = mutableCell(row, column)) {
        *target = cell;
        touchCells(row, column, row, column);
    }
}

void Grid::setText(int row, int column, const QString& text)
{
    setMember(row, column, &GridCell::text, text);
}

void Grid::setBackColour(int row, int column, Colour colour)
{
    setMember(row, column, &GridCell::backColour, colour);
}

void Grid::setTextColour(int row, int column, Colour colour)
{
    setMember(row, column, &GridCell::textColour, colour);
}

void Grid::setTextStyle(int row, int column, TextStyle style)
{
    setMember(row, column, &GridCell::style, style);
}

void Grid::setAlignment(int row, int column, CellAlignment alignment)
{
    setMember(row, column, &GridCell::alignment, alignment);
}

void Grid::setCellFontSize(int row, int column, int points)
{
    setMember(row, column, &GridCell::fontSize, quint8(std::clamp(points, 0, 255)));
}

void Grid::swapCells(int row1, int column1, int row2, int column2)
{
    GridCell* a = mutableCell(row1, column1);
    GridCell* b = mutableCell(row2, column2);
    if (!a || !b || a == b)
        return;
    std::swap(*a, *b);
    touchCells(row1, column1, row1, column1);
    touchCells(row2, column2, row2, column2);
}

void Grid::clearCells()
{
    clearRange(0, 0, rows_ - 1, columns_ - 1);
}

void Grid::clearRange(int top, int left, int bottom, int right)
{
    top = std::max(top, 0);
    left = std::max(left, 0);
    bottom = std::min(bottom, rows_ - 1);
    right = std::min(right, columns_ - 1);
    if (top > bottom || left > right)
        return;
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c)
            cells_[std::size_t(flatIndex(r, c))] = GridCell{};
    touchCells(top, left, bottom, right);
}

int Grid::rowHeight(int row) const
{
    return row >= 0 && row < rows_ ? rowHeights_[std::size_t(row)] : 0;
}

int Grid::columnWidth(int column) const
{
    return column >= 0 && column < columns_ ? columnWidths_[std::size_t(column)] : 0;
}

void Grid::setRowHeight(int row, int twips)
{
    if (row >= 0 && row < rows_ && rowHeights_[std::size_t(row)] != twips) {
        rowHeights_[std::size_t(row)] = std::max(twips, 0);
        touchStructure();
    }
}

void Grid::setColumnWidth(int column, int twips)
{
    if (column >= 0 && column < columns_ && columnWidths_[std::size_t(column)] != twips) {
        columnWidths_[std::size_t(column)] = std::max(twips, 0);
        touchStructure();
    }
}

void Grid::setAllRowHeights(int twips)
{
    std::fill(rowHeights_.begin(), rowHeights_.end(), std::max(twips, 0));
    touchStructure();
}

void Grid::setAllColumnWidths(int twips)
{
    std::fill(columnWidths_.begin(), columnWidths_.end(), std::max(twips, 0));
    touchStructure();
}

void Grid::setViewSize(int widthTwips, int heightTwips)
{
    viewWidth_ = std::max(widthTwips, 0);
    viewHeight_ = std::max(heightTwips, 0);
}

void Grid::setFontSize(int points)
{
    if (points > 0 && points != fontSize_) {
        fontSize_ = points;
        touchStructure();
    }
}

bool Grid::mergeRow(int row) const
{
    return row >= 0 && row < rows_ && mergeRows_[std::size_t(row)];
}

bool Grid::mergeColumn(int column) const
{
    return column >= 0 && column < columns_ && mergeColumns_[std::size_t(column)];
}

void Grid::setMergeRow(int row, bool merge)
{
    if (row >= 0 && row < rows_ && mergeRows_[std::size_t(row)] != merge) {
        mergeRows_[std::size_t(row)] = merge;
        touchStructure();
    }
}

void Grid::setMergeColumn(int column, bool merge)
{
    if (column >= 0 && column < columns_ && mergeColumns_[std::size_t(column)] != merge) {
        mergeColumns_[std::size_t(column)] = merge;
        touchStructure();
    }
}

void Grid::setCurrentCell(int row, int column)
{
    if (!contains(row, column) || (row == currentRow_ && column == currentColumn_))
        return;
    currentRow_ = row;
    currentColumn_ = column;
    pendingCurrent_ = true;
    if (redraw_)
        flush();
}

void Grid::setTopRow(int row)
{
    if (row < 0 || row >= rows_)
        return;
    topRow_ = row;
    pendingTopRow_ = true;
    if (redraw_)
        flush();
}

void Grid::setRedraw(bool on)
{
    if (on == redraw_)
        return;
    redraw_ = on;
    if (on)
        flush();
}

void Grid::copyFrom(const Grid& other)
{
    if (&other == this)
        return;
    cells_ = other.cells_;
    rowHeights_ = other.rowHeights_;
    columnWidths_ = other.columnWidths_;
    mergeRows_ = other.mergeRows_;
    mergeColumns_ = other.mergeColumns_;
    rows_ = other.rows_;
    columns_ = other.columns_;
    fixedRows_ = other.fixedRows_;
    fixedColumns_ = other.fixedColumns_;
    fontSize_ = other.fontSize_;
    currentRow_ = other.currentRow_;
    currentColumn_ = other.currentColumn_;
    topRow_ = other.topRow_;
    pendingCurrent_ = true;
    touchStructure();
}

void Grid::touchCells(int top, int left, int bottom, int right)
{
    if (redraw_) {
        emit cellsChanged(top, left, bottom, right);
        return;
    }
    if (pendingStructure_)
        return;
    if (dirtyTop_ < 0) {
        dirtyTop_ = top;
        dirtyLeft_ = left;
        dirtyBottom_ = bottom;
        dirtyRight_ = right;
    } else {
        dirtyTop_ = std::min(dirtyTop_, top);
        dirtyLeft_ = std::min(dirtyLeft_, left);
        dirtyBottom_ = std::max(dirtyBottom_, bottom);
        dirtyRight_ = std::max(dirtyRight_, right);
    }
}

void Grid::touchStructure()
{
    pendingStructure_ = true;
    dirtyTop_ = -1;
    if (redraw_)
        flush();
}

void Grid::flush()
{
    // Observers may change the grid again while being told; take the pending state first.
    const bool structure = pendingStructure_;
    const bool current = pendingCurrent_;
    const bool top = pendingTopRow_;
    const int dirtyTop = dirtyTop_;
    pendingStructure_ = pendingCurrent_ = pendingTopRow_ = false;
    dirtyTop_ = -1;

    if (structure)
        emit structureChanged();
    else if (dirtyTop >= 0 && dirtyTop < rows_)
        emit cellsChanged(dirtyTop, dirtyLeft_, std::min(dirtyBottom_, rows_ - 1),
                          std::min(dirtyRight_, columns_ - 1));
    if (current)
        emit currentCellChanged(currentRow_, currentColumn_);
    if (top)
        emit topRowChanged(topRow_);
}

} // namespace orve::model
