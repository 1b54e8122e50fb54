// The report sheet of the print window as plain data: cells with their texts, fonts and
// alignment, joined blocks, ruled lines, measures, the title and the print range. It takes
// the preparation's calls; painting and paging are done by others from what it holds.
#pragma once

#include "model/cellref.h"
#include "sheetcalls.h"

#include <vector>

namespace orve::print {

struct SheetCell
{
    QString text;
    QString fontFamily; // empty: the printing face
    int fontSize = 9;   // points
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    model::Colour textColour = model::StandardColour; // 0x00BBGGRR; 0: black
};

// An inclusive block of cells.
struct CellBlock
{
    int firstColumn = 0;
    int firstRow = 0;
    int lastColumn = -1;
    int lastRow = -1;

    bool isEmpty() const { return lastColumn < firstColumn || lastRow < firstRow; }
    bool contains(model::CellRef at) const
    {
        return at.column >= firstColumn && at.column <= lastColumn && at.row >= firstRow &&
               at.row <= lastRow;
    }
    bool intersects(const CellBlock& other) const
    {
        return firstColumn <= other.lastColumn && other.firstColumn <= lastColumn &&
               firstRow <= other.lastRow && other.firstRow <= lastRow;
    }
    bool operator==(const CellBlock& other) const
    {
        return firstColumn == other.firstColumn && firstRow == other.firstRow &&
               lastColumn == other.lastColumn && lastRow == other.lastRow;
    }
};

// How a sheet goes onto paper: split across as many pages as it needs at its own size (the
// master timetable), or scaled to fill exactly one page (one class's or teacher's week).
enum class PageFit {
    AcrossPages,
    OnePage,
};

struct RuledLine
{
    int weight = NoLine;
    model::Colour colour = Black;
};

class ReportSheet : public SheetCalls
{
public:
    static constexpr double DefaultRowHeight = 17;   // pixels
    static constexpr double DefaultColumnWidth = 64; // pixels

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }
    bool contains(model::CellRef at) const
    {
        return at.column >= 0 && at.row >= 0 && at.column < columns_ && at.row < rows_;
    }
    int sheetWidth() const { return widthTwips_; }
    int sheetHeight() const { return heightTwips_; }
    bool pageLabelVisible() const { return pageLabelVisible_; }
    double rowHeight(int row) const;
    double columnWidth(int column) const;

    // Outside the sheet: an empty cell.
    const SheetCell& cell(model::CellRef at) const;
    const std::vector<CellBlock>& joinedBlocks() const { return joins_; }
    // The joined block a cell belongs to, or null.
    const CellBlock* joinedBlockAt(model::CellRef at) const;

    // Line boundaries count from 0: horizontal boundary b runs above row b (b = rowCount()
    // is the bottom edge); vertical boundary b runs left of column b.
    RuledLine horizontalLine(int column, int boundary) const;
    RuledLine verticalLine(int boundary, int row) const;

    const QString& title() const { return title_; }
    // The sheet's own caption, printed under the title on each of its pages: "班级课程表(1班)".
    const QString& heading() const { return heading_; }
    void setHeading(const QString& heading) { heading_ = heading; }
    PageFit pageFit() const { return pageFit_; }
    void setPageFit(PageFit fit) { pageFit_ = fit; }
    // The whole sheet with no repeated headers until the preparation sets a range.
    CellBlock printRange() const;
    bool hasPrintRange() const { return hasPrintRange_; }

    void setPageLabelVisible(bool visible) override { pageLabelVisible_ = visible; }
    void setRowCount(int rows) override { resize(rows, columns_); }
    void setColumnCount(int columns) override { resize(rows_, columns); }
    void setSheetWidth(int twips) override { widthTwips_ = twips; }
    void setSheetHeight(int twips) override { heightTwips_ = twips; }
    void setRowHeight(int row, double pixels) override;
    void setColumnWidth(int column, double pixels) override;
    void setCellFont(int column, int row, int points, const QString& family) override;
    void setCellAlignment(int column, int row, int code) override;
    void setCellString(int column, int row, const QString& text) override;
    void joinCells(int firstColumn, int firstRow, int lastColumn, int lastRow) override;
    // The sheet holds no picture: whoever shows it repaints from the data.
    void redrawCell(int, int) override {}
    void drawLine(int firstColumn, int firstRow, int lastColumn, int lastRow, LineScope scope,
                  int weight, model::Colour colour) override;
    void drawHorizontalLine(int first, int last, int row, bool topSide, model::Colour colour,
                            int weight) override;
    void drawVerticalLine(int first, int last, int column, bool leftSide, model::Colour colour,
                          int weight) override;
    void redrawGrid() override {}
    void redrawAll() override {}
    void setTitle(const QString& title) override { title_ = title; }
    // Beyond the preparation's calls: a text drawn in colour.
    void setCellTextColour(int column, int row, model::Colour colour);
    void setPrintRange(int firstColumn, int firstRow, int lastColumn, int lastRow) override;

private:
    void resize(int rows, int columns);
    SheetCell* mutableCell(model::CellRef at);
    void reindexJoins();
    // The part of a block that lies on the sheet.
    CellBlock clipped(CellBlock block) const;
    void setHorizontal(int column, int boundary, RuledLine line);
    void setVertical(int boundary, int row, RuledLine line);

    int rows_ = 0;
    int columns_ = 0;
    int widthTwips_ = 0;
    int heightTwips_ = 0;
    bool pageLabelVisible_ = true;
    std::vector<SheetCell> cells_; // row-major
    std::vector<double> rowHeights_;
    std::vector<double> columnWidths_;
    std::vector<CellBlock> joins_;
    std::vector<int> joinIndex_;        // per cell: index into joins_, or -1
    std::vector<RuledLine> horizontal_; // (rows + 1) x columns, boundary-major
    std::vector<RuledLine> vertical_;   // rows x (columns + 1), row-major
    QString title_;
    QString heading_;
    PageFit pageFit_ = PageFit::AcrossPages;
    CellBlock printRange_;
    bool hasPrintRange_ = false;
};

} // namespace orve::print
