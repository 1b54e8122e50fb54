#include "grid.h"

#include <algorithm>

namespace orve::model {

namespace {
const GridCell emptyCell{};
}

Grid::Grid(int rows, int columns, int fixedRows, int fixedColumns)
    : fixedRows_(fixedRows), fixedColumns_(fixedColumns)
{
    setSize(rows, columns);
}

Grid::Grid(const Grid& other) : viewWidth_(other.viewWidth_), viewHeight_(other.viewHeight_)
{
    takeContentOf(other);
}

Grid::Grid(Grid&& other) noexcept : viewWidth_(other.viewWidth_), viewHeight_(other.viewHeight_)
{
    takeContentOf(std::move(other));
}

Grid::~Grid() = default;

Grid& Grid::operator=(const Grid& other)
{
    if (&other != this) {
        takeContentOf(other);
        announceReplacedContent();
    }
    return *this;
}

Grid& Grid::operator=(Grid&& other) noexcept
{
    if (&other != this) {
        takeContentOf(std::move(other));
        announceReplacedContent();
    }
    return *this;
}

template <typename Source> void Grid::takeContentOf(Source&& other)
{
    cells_ = std::forward<Source>(other).cells_;
    rowHeights_ = std::forward<Source>(other).rowHeights_;
    columnWidths_ = std::forward<Source>(other).columnWidths_;
    mergeRows_ = std::forward<Source>(other).mergeRows_;
    mergeColumns_ = std::forward<Source>(other).mergeColumns_;
    joinedWithBelow_ = std::forward<Source>(other).joinedWithBelow_;
    rows_ = other.rows_;
    columns_ = other.columns_;
    fixedRows_ = other.fixedRows_;
    fixedColumns_ = other.fixedColumns_;
    fontSize_ = other.fontSize_;
    current_ = other.current_;
    topRow_ = other.topRow_;
}

void Grid::announceReplacedContent()
{
    pendingTexts_ = true;
    pendingCurrent_ = true;
    touchStructure();
}

GridSignals& Grid::changes()
{
    if (!signals_)
        signals_ = std::make_unique<GridSignals>();
    return *signals_;
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
                    std::move(cells_[std::size_t(flatIndex({r, c}))]);
        cells_ = std::move(cells);
    }
    rowHeights_.resize(std::size_t(rows), DefaultRowHeight);
    mergeRows_.resize(std::size_t(rows), false);
    columnWidths_.resize(std::size_t(columns), DefaultColumnWidth);
    mergeColumns_.resize(std::size_t(columns), false);
    joinedWithBelow_.clear();
    rows_ = rows;
    columns_ = columns;
    if (!contains(current_)) {
        current_.row = std::clamp(current_.row, 0, std::max(rows_ - 1, 0));
        current_.column = std::clamp(current_.column, 0, std::max(columns_ - 1, 0));
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
    joinedWithBelow_.clear();
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
    joinedWithBelow_.clear();
    rows_ -= count;
    if (current_.row >= rows_) {
        current_.row = std::max(rows_ - 1, 0);
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

const GridCell& Grid::cell(CellRef at) const
{
    return contains(at) ? cells_[std::size_t(flatIndex(at))] : emptyCell;
}

GridCell* Grid::mutableCell(CellRef at)
{
    return contains(at) ? &cells_[std::size_t(flatIndex(at))] : nullptr;
}

template <typename T>
void Grid::setMember(CellRef at, T GridCell::*member, const T& value, bool isText)
{
    GridCell* target = mutableCell(at);
    if (target && target->*member != value) {
        target->*member = value;
        touchCells(at.row, at.column, at.row, at.column, isText);
    }
}

void Grid::setCell(CellRef at, const GridCell& cell)
{
    if (GridCell* target = mutableCell(at)) {
        *target = cell;
        touchCells(at.row, at.column, at.row, at.column, true);
    }
}

void Grid::setText(CellRef at, const QString& text)
{
    setMember(at, &GridCell::text, text, true);
}

void Grid::setBackColour(CellRef at, Colour colour)
{
    setMember(at, &GridCell::backColour, colour, false);
}

void Grid::setTextColour(CellRef at, Colour colour)
{
    setMember(at, &GridCell::textColour, colour, false);
}

void Grid::setTextStyle(CellRef at, TextStyle style)
{
    setMember(at, &GridCell::style, style, false);
}

void Grid::setAlignment(CellRef at, CellAlignment alignment)
{
    setMember(at, &GridCell::alignment, alignment, false);
}

void Grid::setCellFontSize(CellRef at, int points)
{
    setMember(at, &GridCell::fontSize, quint8(std::clamp(points, 0, 255)), false);
}

void Grid::swapCells(CellRef a, CellRef b)
{
    GridCell* first = mutableCell(a);
    GridCell* second = mutableCell(b);
    if (!first || !second || first == second)
        return;
    std::swap(*first, *second);
    touchCells(a.row, a.column, a.row, a.column, true);
    touchCells(b.row, b.column, b.row, b.column, true);
}

bool Grid::sameTexts(const Grid& other) const
{
    return rows_ == other.rows_ && columns_ == other.columns_ &&
           std::equal(cells_.begin(), cells_.end(), other.cells_.begin(),
                      [](const GridCell& a, const GridCell& b) { return a.text == b.text; });
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
            cells_[std::size_t(flatIndex({r, c}))] = GridCell{};
    touchCells(top, left, bottom, right, true);
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

void Grid::setJoinedWithBelow(std::vector<CellRef> cells)
{
    if (cells != joinedWithBelow_) {
        joinedWithBelow_ = std::move(cells);
        touchStructure();
    }
}

void Grid::setCurrentCell(CellRef at)
{
    if (!contains(at) || at == current_)
        return;
    current_ = at;
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

void Grid::touchCells(int top, int left, int bottom, int right, bool texts)
{
    (texts ? pendingTexts_ : pendingFormats_) = true;
    if (!pendingStructure_) {
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
    if (redraw_)
        flush();
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
    const bool texts = pendingTexts_;
    const bool formats = pendingFormats_ && !texts;
    const bool current = pendingCurrent_;
    const bool top = pendingTopRow_;
    const int dirtyTop = dirtyTop_;
    pendingStructure_ = pendingTexts_ = pendingFormats_ = pendingCurrent_ = pendingTopRow_ = false;
    dirtyTop_ = -1;
    if (!signals_)
        return;

    if (structure)
        emit signals_->structureChanged();
    else if (dirtyTop >= 0 && dirtyTop < rows_)
        emit signals_->cellsChanged(dirtyTop, dirtyLeft_, std::min(dirtyBottom_, rows_ - 1),
                                    std::min(dirtyRight_, columns_ - 1));
    if (texts)
        emit signals_->textsChanged();
    if (formats)
        emit signals_->formatsChanged();
    if (current)
        emit signals_->currentCellChanged(current_.row, current_.column);
    if (top)
        emit signals_->topRowChanged(topRow_);
}

} // namespace orve::model
