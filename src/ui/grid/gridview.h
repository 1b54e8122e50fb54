// Shows a core Grid: a table view whose fixed rows and columns stay in place while the body
// scrolls (frozen panes laid over the body), whose merged equal neighbours and joined cells are
// spans, and whose row heights and column widths follow the grid's twips (15 twips per pixel).
#pragma once

#include "gridtable.h"

#include <array>

namespace orve::model {
class Grid;
}

namespace orve::ui {

class GridModel;
class GridDelegate;

class GridView : public GridTable
{
    Q_OBJECT

public:
    static constexpr int TwipsPerPixel = 15;

    explicit GridView(model::Grid& grid, QWidget* parent = nullptr);

    model::Grid& grid() const;
    GridModel* gridModel() const { return model_; }

    // Where a cell is shown, in this widget's coordinates (fixed cells in their pane).
    QRect cellRect(int row, int column) const;

    // Keeps the first `columns` columns in view while the body scrolls sideways, as the grid's
    // fixed columns are, without making them fixed: their cells are still pressed as any other.
    void setFrozenColumns(int columns);
    // Scrolls back to the first rows and columns.
    void scrollToOrigin();
    // Sets the body cells' texts as paper does (render/celltext.h): names whole, the font
    // smaller where they do not fit. Otherwise a text wraps wherever its cell ends.
    void setTextFitted(bool fitted);
    bool textFitted() const;

signals:
    // A press or release on a cell. Cells outside the fixed rows and columns have been made the
    // grid's current cell first; a fixed cell leaves the current cell as it was.
    void cellPressed(int row, int column, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void cellReleased(int row, int column, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // The body was scrolled.
    void scrolled();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    enum Pane { TopPane, LeftPane, CornerPane };

    void setUpPane(GridTable* pane);
    void applySectionSizes();
    void applySpans();
    void updatePaneGeometry();
    void showGridCurrentCell();
    void scrollToTopRow(int row);
    bool isFixed(int row, int column) const;
    int frozenColumnCount() const;
    void onPressed(const QModelIndex& index, Qt::MouseButton button,
                   Qt::KeyboardModifiers modifiers);
    void onReleased(const QModelIndex& index, Qt::MouseButton button,
                    Qt::KeyboardModifiers modifiers);
    void onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);

    GridModel* model_;
    GridDelegate* delegate_;
    std::array<GridTable*, 3> panes_{};
    int frozenColumns_ = 0;
};

} // namespace orve::ui
