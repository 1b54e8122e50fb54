#include "gridmodel.h"

#include "model/numbers.h"
#include "platform/colours.h"

namespace orve::ui {

using model::CellAlignment;

Qt::Alignment qtAlignment(CellAlignment alignment, const QString& text)
{
    switch (alignment) {
    case CellAlignment::LeftTop:
        return Qt::AlignLeft | Qt::AlignTop;
    case CellAlignment::LeftCenter:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case CellAlignment::LeftBottom:
        return Qt::AlignLeft | Qt::AlignBottom;
    case CellAlignment::CenterTop:
        return Qt::AlignHCenter | Qt::AlignTop;
    case CellAlignment::CenterCenter:
        return Qt::AlignCenter;
    case CellAlignment::CenterBottom:
        return Qt::AlignHCenter | Qt::AlignBottom;
    case CellAlignment::RightTop:
        return Qt::AlignRight | Qt::AlignTop;
    case CellAlignment::RightCenter:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::RightBottom:
        return Qt::AlignRight | Qt::AlignBottom;
    case CellAlignment::General:
        break;
    }
    // General: numbers to the right, text to the left, as a flex grid shows them.
    return (model::isNumeric(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

GridModel::GridModel(model::Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), rows_(grid.rowCount()), columns_(grid.columnCount())
{
    connect(&grid_.changes(), &model::GridSignals::cellsChanged, this, &GridModel::onCellsChanged);
    connect(&grid_.changes(), &model::GridSignals::structureChanged, this,
            &GridModel::onStructureChanged);
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const model::GridCell& cell = grid_.cell({index.row(), index.column()});
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::BackgroundRole:
        return cell.backColour != model::StandardColour ? QVariant(toQColor(cell.backColour))
                                                        : QVariant();
    case Qt::ForegroundRole:
        return cell.textColour != model::StandardColour ? QVariant(toQColor(cell.textColour))
                                                        : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(qtAlignment(cell.alignment, cell.text));
    case Qt::FontRole:
        return fontOfSize(cell.fontSize != 0 ? cell.fontSize : grid_.fontSize());
    case TextStyleRole:
        return int(cell.style);
    case FixedCellRole:
        return index.row() < grid_.fixedRows() || index.column() < grid_.fixedColumns();
    case Qt::AccessibleTextRole:
        return accessibleText(index.row(), index.column());
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

// A screen reader reads a cell with the headers that the eye takes from the fixed rows and
// columns: "初一(1) 星期一 1 语文 张三".
QString GridModel::accessibleText(int row, int column) const
{
    QStringList parts;
    if (row >= grid_.fixedRows())
        for (int c = 0; c < std::min(grid_.fixedColumns(), column); ++c)
            parts.append(grid_.text({row, c}));
    if (column >= grid_.fixedColumns())
        for (int r = 0; r < std::min(grid_.fixedRows(), row); ++r)
            parts.append(grid_.text({r, column}));
    const QString& text = grid_.text({row, column});
    parts.append(text.trimmed().isEmpty() ? QStringLiteral(u"空白") : text);
    return parts.join(u' ').simplified();
}

void GridModel::setBaseFont(const QFont& font)
{
    baseFont_ = font;
    fonts_.clear();
}

const QFont& GridModel::fontOfSize(int points) const
{
    auto found = fonts_.find(points);
    if (found == fonts_.end()) {
        QFont font = baseFont_;
        font.setPointSize(points);
        found = fonts_.emplace(points, font).first;
    }
    return found->second;
}

void GridModel::onCellsChanged(int top, int left, int bottom, int right)
{
    if (top >= rows_ || left >= columns_)
        return;
    emit dataChanged(index(top, left),
                     index(std::min(bottom, rows_ - 1), std::min(right, columns_ - 1)));
}

void GridModel::onStructureChanged()
{
    beginResetModel();
    rows_ = grid_.rowCount();
    columns_ = grid_.columnCount();
    endResetModel();
    emit layoutRebuilt();
}

} // namespace orve::ui
