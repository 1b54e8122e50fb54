#include "gridview.h"

#include "griddelegate.h"
#include "gridmodel.h"
#include "model/grid.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <QScrollBar>
#include <map>

namespace orve::ui {

namespace {

int toPixels(int twips)
{
    return (twips + GridView::TwipsPerPixel / 2) / GridView::TwipsPerPixel;
}

// Sets every section of a header to its size, using the most common size as the default so
// that a large grid needs only a few individual resizes.
template <typename SizeOf> void applySizes(QHeaderView* header, int count, SizeOf sizeOf)
{
    std::map<int, int> frequency;
    for (int i = 0; i < count; ++i)
        ++frequency[toPixels(sizeOf(i))];
    int common = header->defaultSectionSize();
    int best = 0;
    for (const auto& [size, times] : frequency)
        if (times > best) {
            best = times;
            common = size;
        }
    header->setDefaultSectionSize(common);
    for (int i = 0; i < count; ++i) {
        const int size = toPixels(sizeOf(i));
        if (header->sectionSize(i) != size)
            header->resizeSection(i, size);
    }
}

int sumOfSizes(const QHeaderView* header, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += header->sectionSize(i);
    return sum;
}

} // namespace

GridView::GridView(model::Grid& grid, QWidget* parent)
    : GridTable(parent), model_(new GridModel(grid, this)), delegate_(new GridDelegate(this))
{
    model_->setBaseFont(font());
    setModel(model_);
    setItemDelegate(delegate_);
    for (auto& pane : panes_) {
        pane = new GridTable(this);
        setUpPane(pane);
    }
    panes_[CornerPane]->raise();

    connect(panes_[TopPane]->horizontalScrollBar(), &QScrollBar::valueChanged,
            horizontalScrollBar(), &QScrollBar::setValue);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged,
            panes_[TopPane]->horizontalScrollBar(), &QScrollBar::setValue);
    connect(panes_[LeftPane]->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
            &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, panes_[LeftPane]->verticalScrollBar(),
            &QScrollBar::setValue);

    connect(this, &GridTable::mousePressedAt, this, &GridView::onPressed);
    connect(this, &GridTable::mouseReleasedAt, this, &GridView::onReleased);
    connect(model_, &GridModel::layoutRebuilt, this, [this] {
        applySectionSizes();
        applySpans();
        updatePaneGeometry();
        showGridCurrentCell();
    });
    connect(model_, &QAbstractItemModel::dataChanged, this, &GridView::onDataChanged);
    connect(&grid.changes(), &model::GridSignals::currentCellChanged, this,
            &GridView::showGridCurrentCell);
    connect(&grid.changes(), &model::GridSignals::topRowChanged, this, &GridView::scrollToTopRow);

    applySectionSizes();
    applySpans();
    updatePaneGeometry();
}

model::Grid& GridView::grid() const
{
    return model_->grid();
}

void GridView::setUpPane(GridTable* pane)
{
    pane->setModel(model_);
    pane->setSelectionModel(selectionModel());
    pane->setItemDelegate(delegate_);
    pane->setFocusPolicy(Qt::NoFocus);
    pane->setFrameShape(QFrame::NoFrame);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane->setAutoScroll(false);
    pane->setWheelTarget(this);
    connect(pane, &GridTable::mousePressedAt, this, &GridView::onPressed);
    connect(pane, &GridTable::mouseReleasedAt, this, &GridView::onReleased);
}

bool GridView::isFixed(int row, int column) const
{
    return row < grid().fixedRows() || column < grid().fixedColumns();
}

int GridView::frozenColumnCount() const
{
    return std::min(std::max(grid().fixedColumns(), frozenColumns_), grid().columnCount());
}

void GridView::setFrozenColumns(int columns)
{
    frozenColumns_ = columns;
    updatePaneGeometry();
}

void GridView::setTextFitted(bool fitted)
{
    delegate_->setTextFitted(fitted);
    viewport()->update();
}

bool GridView::textFitted() const
{
    return delegate_->textFitted();
}

void GridView::scrollToOrigin()
{
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void GridView::applySectionSizes()
{
    const model::Grid& g = grid();
    const auto rowHeight = [&g](int row) { return g.rowHeight(row); };
    const auto columnWidth = [&g](int column) { return g.columnWidth(column); };
    applySizes(verticalHeader(), g.rowCount(), rowHeight);
    applySizes(horizontalHeader(), g.columnCount(), columnWidth);
    for (GridTable* pane : panes_) {
        applySizes(pane->verticalHeader(), g.rowCount(), rowHeight);
        applySizes(pane->horizontalHeader(), g.columnCount(), columnWidth);
    }
}

void GridView::applySpans()
{
    const model::Grid& g = grid();
    std::array<GridTable*, 4> tables = {this, panes_[0], panes_[1], panes_[2]};
    for (GridTable* table : tables)
        table->clearSpans();
    const auto span = [&tables](int row, int column, int rows, int columns) {
        for (GridTable* table : tables)
            table->setSpan(row, column, rows, columns);
    };
    for (int r = 0; r < g.rowCount(); ++r) {
        if (!g.mergeRow(r))
            continue;
        for (int c = 0; c < g.columnCount();) {
            int end = c + 1;
            while (end < g.columnCount() && !g.text({r, c}).isEmpty() &&
                   g.text({r, end}) == g.text({r, c}))
                ++end;
            if (end - c > 1)
                span(r, c, 1, end - c);
            c = end;
        }
    }
    for (int c = 0; c < g.columnCount(); ++c) {
        if (!g.mergeColumn(c))
            continue;
        for (int r = 0; r < g.rowCount();) {
            int end = r + 1;
            while (end < g.rowCount() && !g.text({r, c}).isEmpty() &&
                   g.text({end, c}) == g.text({r, c}) && !g.mergeRow(end))
                ++end;
            if (end - r > 1)
                span(r, c, end - r, 1);
            r = end;
        }
    }
    for (const model::CellRef at : g.joinedWithBelow())
        if (at.row + 1 < g.rowCount() && at.column < g.columnCount())
            span(at.row, at.column, 2, 1);
}

void GridView::updatePaneGeometry()
{
    const model::Grid& g = grid();
    const int frozenHeight = sumOfSizes(verticalHeader(), std::min(g.fixedRows(), g.rowCount()));
    const int frozenWidth = sumOfSizes(horizontalHeader(), frozenColumnCount());
    const QRect body = viewport()->geometry();
    const int width = std::min(frozenWidth, body.width());
    const int height = std::min(frozenHeight, body.height());

    panes_[TopPane]->setGeometry(body.x(), body.y(), body.width(), height);
    panes_[LeftPane]->setGeometry(body.x(), body.y(), width, body.height());
    panes_[CornerPane]->setGeometry(body.x(), body.y(), width, height);
    panes_[TopPane]->setVisible(height > 0);
    panes_[LeftPane]->setVisible(width > 0);
    panes_[CornerPane]->setVisible(width > 0 && height > 0);
    panes_[TopPane]->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    panes_[LeftPane]->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void GridView::resizeEvent(QResizeEvent* event)
{
    GridTable::resizeEvent(event);
    const QSize body = viewport()->size();
    grid().setViewSize(body.width() * TwipsPerPixel, body.height() * TwipsPerPixel);
    updatePaneGeometry();
}

void GridView::scrollContentsBy(int dx, int dy)
{
    GridTable::scrollContentsBy(dx, dy);
    emit scrolled();
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    GridTable::currentChanged(current, previous);
    if (current.isValid() && !isFixed(current.row(), current.column()))
        grid().setCurrentCell({current.row(), current.column()});
}

void GridView::showGridCurrentCell()
{
    const model::Grid& g = grid();
    const QModelIndex index = model_->index(g.currentRow(), g.currentColumn());
    if (index.isValid() && index != currentIndex())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void GridView::scrollToTopRow(int row)
{
    const int fixedRows = std::min(grid().fixedRows(), grid().rowCount());
    const int offset =
        verticalHeader()->sectionPosition(row) - verticalHeader()->sectionPosition(fixedRows);
    verticalScrollBar()->setValue(std::max(offset, 0));
}

QRect GridView::cellRect(int row, int column) const
{
    const QModelIndex index = model_->index(row, column);
    const GridTable* table = this;
    const bool frozenRow = row < grid().fixedRows();
    const bool frozenColumn = column < frozenColumnCount();
    if (frozenRow && frozenColumn)
        table = panes_[CornerPane];
    else if (frozenRow)
        table = panes_[TopPane];
    else if (frozenColumn)
        table = panes_[LeftPane];
    const QRect rect = table->visualRect(index);
    return rect.translated(table->viewport()->mapTo(this, QPoint(0, 0)));
}

void GridView::onPressed(const QModelIndex& index, Qt::MouseButton button,
                         Qt::KeyboardModifiers modifiers)
{
    if (!index.isValid())
        return;
    // A fixed cell never becomes current: put the cursor back on the grid's current cell.
    if (isFixed(index.row(), index.column()))
        showGridCurrentCell();
    else
        grid().setCurrentCell({index.row(), index.column()});
    emit cellPressed(index.row(), index.column(), button, modifiers);
}

void GridView::onReleased(const QModelIndex& index, Qt::MouseButton button,
                          Qt::KeyboardModifiers modifiers)
{
    if (index.isValid())
        emit cellReleased(index.row(), index.column(), button, modifiers);
}

void GridView::onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    const model::Grid& g = grid();
    for (int r = topLeft.row(); r <= bottomRight.row(); ++r)
        if (g.mergeRow(r))
            return applySpans();
    for (int c = topLeft.column(); c <= bottomRight.column(); ++c)
        if (g.mergeColumn(c))
            return applySpans();
}

} // namespace orve::ui
