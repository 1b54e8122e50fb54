// The one grid type behind the master timetable, the fixed-lesson grid, the teaching plan and
// the timetable window: cells in one contiguous row-major store plus the layout a grid
// control needs (fixed rows/columns, sizes in twips, merge flags, current cell, redraw switch).
// A grid is a value: copies share nothing, and who listens to a grid (its signals) and how it
// is shown (redraw switch, view size) stay with the grid when another grid is assigned to it.
#pragma once

#include "cellref.h"
#include "gridcell.h"
#include "gridsignals.h"

#include <memory>
#include <vector>

namespace orve::model {

class Grid
{
public:
    static constexpr int DefaultRowHeight = 255;    // twips
    static constexpr int DefaultColumnWidth = 960;  // twips
    static constexpr int DefaultFontSize = 9;       // points

    explicit Grid(int rows = 2, int columns = 2, int fixedRows = 1, int fixedColumns = 1);
    Grid(const Grid& other);
    Grid(Grid&& other) noexcept;
    // Takes the other grid's cells and layout and announces them as a structure change.
    Grid& operator=(const Grid& other);
    Grid& operator=(Grid&& other) noexcept;
    ~Grid();

    // The grid's signals, created when first asked for; a grid nobody listens to announces
    // nothing.
    GridSignals& changes();

    // Counts. Growing keeps every cell that still fits; new cells are empty.
    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }
    void setRowCount(int rows);
    void setColumnCount(int columns);
    void setSize(int rows, int columns);
    void insertRows(int at, int count = 1);
    void removeRows(int at, int count = 1);

    int fixedRows() const { return fixedRows_; }
    int fixedColumns() const { return fixedColumns_; }
    void setFixedRows(int rows);
    void setFixedColumns(int columns);

    bool contains(CellRef at) const
    {
        return at.row >= 0 && at.column >= 0 && at.row < rows_ && at.column < columns_;
    }
    // Flat cell index: row x column count + column.
    int flatIndex(CellRef at) const { return at.row * columns_ + at.column; }

    // Reading outside the grid gives an empty cell; writing outside it does nothing.
    const GridCell& cell(CellRef at) const;
    const QString& text(CellRef at) const { return cell(at).text; }
    void setCell(CellRef at, const GridCell& cell);
    void setText(CellRef at, const QString& text);
    void setBackColour(CellRef at, Colour colour);
    void setTextColour(CellRef at, Colour colour);
    void setTextStyle(CellRef at, TextStyle style);
    void setAlignment(CellRef at, CellAlignment alignment);
    void setCellFontSize(CellRef at, int points);
    // Exchanges everything two cells carry.
    void swapCells(CellRef a, CellRef b);
    // The same counts and the same text in every cell; formats and measures aside.
    bool sameTexts(const Grid& other) const;

    // Empties texts and formats; counts and sizes stay.
    void clearCells();
    void clearRange(int top, int left, int bottom, int right);

    // Sizes in twips (1/1440 inch).
    int rowHeight(int row) const;
    int columnWidth(int column) const;
    void setRowHeight(int row, int twips);
    void setColumnWidth(int column, int twips);
    void setAllRowHeights(int twips);
    void setAllColumnWidths(int twips);

    // The size of the grid on screen, in twips; set by whoever shows the grid.
    int viewWidth() const { return viewWidth_; }
    int viewHeight() const { return viewHeight_; }
    void setViewSize(int widthTwips, int heightTwips);

    int fontSize() const { return fontSize_; }
    void setFontSize(int points);

    // Equal neighbours in a merging row (or column) are shown as one cell.
    bool mergeRow(int row) const;
    bool mergeColumn(int column) const;
    void setMergeRow(int row, bool merge);
    void setMergeColumn(int column, bool merge);

    // Cells shown as one with the cell below them (a double period in a week's view). Whoever
    // fills the grid sets them; a change of the counts takes them away.
    const std::vector<CellRef>& joinedWithBelow() const { return joinedWithBelow_; }
    void setJoinedWithBelow(std::vector<CellRef> cells);

    CellRef currentCell() const { return current_; }
    int currentRow() const { return current_.row; }
    int currentColumn() const { return current_.column; }
    void setCurrentCell(CellRef at);

    // First scrollable row shown at the top of the view.
    int topRow() const { return topRow_; }
    void setTopRow(int row);

    // While redraw is off, changes are collected and announced once when it comes back on.
    bool redraw() const { return redraw_; }
    void setRedraw(bool on);

private:
    // Takes everything but the listeners and how the grid is shown (redraw switch, view size).
    template <typename Source> void takeContentOf(Source&& other);
    void announceReplacedContent();

    GridCell* mutableCell(CellRef at);
    // Sets one attribute of a cell and tells observers when it changed.
    template <typename T>
    void setMember(CellRef at, T GridCell::*member, const T& value, bool isText);
    void touchCells(int top, int left, int bottom, int right, bool texts);
    void touchStructure();
    void flush();

    std::vector<GridCell> cells_;
    std::vector<int> rowHeights_;
    std::vector<int> columnWidths_;
    std::vector<bool> mergeRows_;
    std::vector<bool> mergeColumns_;
    std::vector<CellRef> joinedWithBelow_;
    int rows_ = 0;
    int columns_ = 0;
    int fixedRows_ = 0;
    int fixedColumns_ = 0;
    int viewWidth_ = 6000;
    int viewHeight_ = 4000;
    int fontSize_ = DefaultFontSize;
    CellRef current_;
    int topRow_ = 0;
    bool redraw_ = true;
    std::unique_ptr<GridSignals> signals_;

    // Changes collected while redraw is off.
    bool pendingStructure_ = false;
    bool pendingTexts_ = false;
    bool pendingFormats_ = false;
    bool pendingCurrent_ = false;
    bool pendingTopRow_ = false;
    int dirtyTop_ = -1;
    int dirtyLeft_ = 0;
    int dirtyBottom_ = 0;
    int dirtyRight_ = 0;
};

// Switches a grid's redrawing off for a scope and restores the previous state, so nested
// commands do not switch it back on early.
class RedrawSuspender
{
public:
    explicit RedrawSuspender(Grid& grid) : grid_(grid), wasOn_(grid.redraw())
    {
        grid_.setRedraw(false);
    }
    ~RedrawSuspender() { grid_.setRedraw(wasOn_); }
    RedrawSuspender(const RedrawSuspender&) = delete;
    RedrawSuspender& operator=(const RedrawSuspender&) = delete;

private:
    Grid& grid_;
    bool wasOn_;
};

} // namespace orve::model
