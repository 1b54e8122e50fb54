#include "importpreviewmodel.h"

#include <QColor>

namespace orve::ui {

void ImportPreviewModel::setRows(std::vector<exchange::RowResult> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ImportPreviewModel::text(const exchange::RowResult& row, int column) const
{
    switch (column) {
    case SheetRow:
        return QString::number(row.sheetRow);
    case Subject:
        return row.subject;
    case Outcome:
        return exchange::outcomeName(row.outcome);
    case Reasons:
        return row.reasons.join(u'；');
    }
    return {};
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const exchange::RowResult& row = rows_[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return text(row, index.column());
    case Qt::ToolTipRole:
        return index.column() == Reasons && !row.reasons.isEmpty() ? row.reasons.join(u'\n')
                                                                    : QVariant();
    case Qt::AccessibleTextRole:
        // A screen reader hears the row with the cell, as a sighted user reads it.
        return QStringLiteral(u"第%1行 %2：%3")
            .arg(row.sheetRow)
            .arg(headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString(),
                 text(row, index.column()));
    case Qt::ForegroundRole:
        // Dark red stays readable on white and on the selection's colour.
        return row.outcome == exchange::RowOutcome::Refused ? QColor(0xb0, 0x00, 0x20) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == SheetRow ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                          : QVariant();
    }
    return {};
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case SheetRow:
        return QStringLiteral(u"行号");
    case Subject:
        return QStringLiteral(u"内容");
    case Outcome:
        return QStringLiteral(u"结果");
    case Reasons:
        return QStringLiteral(u"原因");
    }
    return {};
}

} // namespace orve::ui
