// The rows of an import's preview as a table for the import dialog: the sheet's row number, what
// the row is about, its outcome and why a refused row was refused.
#pragma once

#include "import/importpreview.h"

#include <QAbstractTableModel>

namespace orve::ui {

class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { SheetRow, Subject, Outcome, Reasons, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<exchange::RowResult> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(const exchange::RowResult& row, int column) const;

    std::vector<exchange::RowResult> rows_;
};

} // namespace orve::ui
