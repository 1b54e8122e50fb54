// Paints one grid cell: background, text colour, alignment, font size and the five text
// styles (raised and inset as light and shadow copies of the text one pixel apart).
#pragma once

#include <QStyledItemDelegate>

namespace orve::ui {

class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace orve::ui
