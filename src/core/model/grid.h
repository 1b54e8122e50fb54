// The one grid type behind the master timetable, the fixed-lesson grid, the teaching plan and
// the timetable window: cells in one contiguous row-major store plus the layout a grid
// control needs (fixed rows/columns, sizes in twips, merge flags, current cell, redraw switch).
#pragma once

#include "gridcell.h"

#include <QObject>
#include <vector>

namespace orve::model {

class Grid : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultRowHeight = 255;    // twips
    static constexpr int DefaultColumnWidth = 960;  // twips
    static constexpr int DefaultFontSize = 9;       // points

    explicit Grid(int rows = 2, int columns = 2, int fixedRows = 1, int fixedColumns = 1,
                  QObject* parent = nullptr);

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

    bool contains(int row, int column) const
    {
        return row >= 0 && column >= 0 && row < rows_ && column < columns_;
    }
    // Flat cell index: row x column count + column.
    int flatIndex(int row, int column) const { return row * columns_ + column; }

    // Reading outside the grid gives an empty cell; writing outside it does nothing.
    const GridCell& cell(int row, int column) const;
    const QString& text(int row, int column) const { return cell(row, column).text; }
    void setCell(int row, int column, const GridCell& cell);
    void setText(int row, int column, const QString& text);
    void setBackColour(int row, int column, Colour colour);
    void setTextColour(int row, int column, Colour colour);
    void setTextStyle(int row, int column, TextStyle style);
    void setAlignment(int row, int column, CellAlignment alignment);
    void setCellFontSize(int row, int column, int points);
    void swapCells(int row1, int column1, int row2, int column2);

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

    int currentRow() const { return currentRow_; }
    int currentColumn() const { return currentColumn_; }
    void setCurrentCell(int row, int column);
    void setCurrentRow(int row) { setCurrentCell(row, currentColumn_); }
    void setCurrentColumn(int column) { setCurrentCell(currentRow_, column); }

    // First scrollable row shown at the top of the view.
    int topRow() const { return topRow_; }
    void setTopRow(int row);

    // While redraw is off, changes are collected and announced once when it comes back on.
    bool redraw() const { return redraw_; }
    void setRedraw(bool on);

    // Takes over cells and layout of another grid (observers stay).
    void copyFrom(const Grid& other);

signals:
    void cellsChanged(int top, int left, int bottom, int right);
    void structureChanged();
    void currentCellChanged(int row, int column);
    void topRowChanged(int row);

private:
    GridCell* mutableCell(int row, int column);
    // Sets one attribute of a cell and tells observers when it changed.
    template <typename T>
    void setMember(int row, int column, T GridCell::*member, const T& value);
    void touchCells(int top, int left, int bottom, int right);
    void touchStructure();
    void flush();

    std::vector<GridCell> cells_;
    std::vector<int> rowHeights_;
    std::vector<int> columnWidths_;
    std::vector<bool> mergeRows_;
    std::vector<bool> mergeColumns_;
    int rows_ = 0;
    int columns_ = 0;
    int fixedRows_ = 0;
    int fixedColumns_ = 0;
    int viewWidth_ = 6000;
    int viewHeight_ = 4000;
    int fontSize_ = DefaultFontSize;
    int currentRow_ = 0;
    int currentColumn_ = 0;
    int topRow_ = 0;
    bool redraw_ = true;

    // Changes collected while redraw is off.
    bool pendingStructure_ = false;
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
