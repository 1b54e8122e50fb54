// Paints one grid cell: background, text colour, alignment, font size and the five text
// styles. Raised and inset are cell bevels with light and dark edges, the inset ones clearly
// sunken and shaded; the light variants have softer edges and a small corner mark (on the
// master timetable they are the fixed lessons). The text is drawn once, so it stays crisp.
#pragma once

#include <QStyledItemDelegate>

namespace orve::ui {

class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Body cells' texts set as on paper (GridView::setTextFitted).
    void setTextFitted(bool fitted) { textFitted_ = fitted; }
    bool textFitted() const { return textFitted_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    bool textFitted_ = false;
};

} // namespace orve::ui
