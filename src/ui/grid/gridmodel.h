// Item-model adapter that lets a QTableView show a core Grid. It mirrors the grid's changes:
// one dataChanged per batch of cell changes, one reset per change of counts or layout.
#pragma once

#include "model/grid.h"

#include <QAbstractTableModel>
#include <QFont>
#include <map>

namespace orve::ui {

class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role {
        TextStyleRole = Qt::UserRole + 1, // int, model::TextStyle
        FixedCellRole,                    // bool: the cell is in a fixed row or column
    };

    explicit GridModel(model::Grid& grid, QObject* parent = nullptr);

    model::Grid& grid() const { return grid_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setBaseFont(const QFont& font);

signals:
    // After the grid's counts, sizes or merge flags changed and the model was reset.
    void layoutRebuilt();

private:
    void onCellsChanged(int top, int left, int bottom, int right);
    void onStructureChanged();
    const QFont& fontOfSize(int points) const;
    QString accessibleText(int row, int column) const;

    model::Grid& grid_;
    int rows_ = 0;
    int columns_ = 0;
    QFont baseFont_;
    mutable std::map<int, QFont> fonts_;
};

Qt::Alignment qtAlignment(model::CellAlignment alignment, const QString& text);

} // namespace orve::ui
