#include "griddelegate.h"

#include "gridmodel.h"
#include "model/gridcell.h"

#include <QPainter>

namespace orve::ui {

namespace {

constexpr int TextMargin = 2;

struct Relief
{
    QPoint lightOffset;
    QPoint shadowOffset;
    QColor shadow;
};

// Raised text has its light copy above-left and its shadow below-right; inset the reverse.
// The "light" styles use a softer shadow.
bool reliefOf(model::TextStyle style, Relief& relief)
{
    const QPoint upLeft(-1, -1);
    const QPoint downRight(1, 1);
    switch (style) {
    case model::TextStyle::Raised:
        relief = {upLeft, downRight, QColor(64, 64, 64)};
        return true;
    case model::TextStyle::RaisedLight:
        relief = {upLeft, downRight, QColor(150, 150, 150)};
        return true;
    case model::TextStyle::Inset:
        relief = {downRight, upLeft, QColor(64, 64, 64)};
        return true;
    case model::TextStyle::InsetLight:
        relief = {downRight, upLeft, QColor(150, 150, 150)};
        return true;
    case model::TextStyle::Flat:
        break;
    }
    return false;
}

} // namespace

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const
{
    const QRect rect = option.rect;
    const bool fixed = index.data(GridModel::FixedCellRole).toBool();
    const QVariant background = index.data(Qt::BackgroundRole);
    if (background.isValid())
        painter->fillRect(rect, background.value<QColor>());
    else
        painter->fillRect(rect, option.palette.color(fixed ? QPalette::Button : QPalette::Base));

    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        painter->save();
        painter->setFont(index.data(Qt::FontRole).value<QFont>());
        const QVariant foreground = index.data(Qt::ForegroundRole);
        const QColor textColour = foreground.isValid()
                                      ? foreground.value<QColor>()
                                      : option.palette.color(fixed ? QPalette::ButtonText
                                                                   : QPalette::Text);
        const int flags = int(index.data(Qt::TextAlignmentRole).value<Qt::Alignment>()) |
                          Qt::TextWrapAnywhere;
        const QRect textRect = rect.adjusted(TextMargin, 1, -TextMargin, -1);
        painter->setClipRect(rect);
        Relief relief;
        if (reliefOf(model::TextStyle(index.data(GridModel::TextStyleRole).toInt()), relief)) {
            painter->setPen(Qt::white);
            painter->drawText(textRect.translated(relief.lightOffset), flags, text);
            painter->setPen(relief.shadow);
            painter->drawText(textRect.translated(relief.shadowOffset), flags, text);
        }
        painter->setPen(textColour);
        painter->drawText(textRect, flags, text);
        painter->restore();
    }

    if (option.state & QStyle::State_HasFocus) {
        painter->save();
        QPen pen(option.palette.color(QPalette::Highlight));
        pen.setStyle(Qt::DotLine);
        pen.setWidth(2);
        painter->setPen(pen);
        painter->drawRect(rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }
}

} // namespace orve::ui
