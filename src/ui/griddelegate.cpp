#include "griddelegate.h"

#include "gridmodel.h"
#include "model/gridcell.h"

#include <QPainter>
#include <cmath>
#include <optional>

namespace orve::ui {

namespace {

constexpr int TextMargin = 2;
constexpr int CornerMarkSize = 6;

// How a text style shows on its cell.
struct Relief
{
    QColor outerTopLeft;
    QColor innerTopLeft;
    QColor innerBottomRight;
    QColor outerBottomRight;
    QColor shade;         // laid over the background; transparent for none
    QPoint textOffset;    // sunken text sits one pixel down and right
    bool cornerMark = false;
};

std::optional<Relief> reliefOf(model::TextStyle style)
{
    const QColor white(255, 255, 255);
    const QColor none(0, 0, 0, 0);
    const QPoint pressed(1, 1);
    switch (style) {
    case model::TextStyle::Raised:
        return Relief{white, QColor(228, 228, 228), QColor(128, 128, 128), QColor(48, 48, 48),
                      none, {}, false};
    case model::TextStyle::RaisedLight:
        return Relief{white, none, none, QColor(150, 150, 150), none, {}, true};
    case model::TextStyle::Inset:
        return Relief{QColor(48, 48, 48), QColor(112, 112, 112), QColor(228, 228, 228), white,
                      QColor(0, 0, 0, 40), pressed, false};
    case model::TextStyle::InsetLight:
        return Relief{QColor(96, 96, 96), QColor(150, 150, 150), none, white,
                      QColor(0, 0, 0, 28), pressed, true};
    case model::TextStyle::Flat:
        break;
    }
    return std::nullopt;
}

// One ring of a bevel: the top and left edges in one colour, the bottom and right in another.
void drawRing(QPainter* painter, const QRect& rect, const QColor& topLeft,
              const QColor& bottomRight)
{
    if (topLeft.alpha() > 0) {
        painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
        painter->fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
    }
    if (bottomRight.alpha() > 0) {
        painter->fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
        painter->fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
    }
}

// The standard text colour on a marker background: white where black would be hard to read
// (the blue highlight, the dark cyan of a clashing swap), judged by relative luminance.
QColor standardTextOn(const QColor& background, const QColor& standard)
{
    const auto linear = [](double channel) { return std::pow(channel, 2.2); };
    const double luminance = 0.2126 * linear(background.redF()) +
                             0.7152 * linear(background.greenF()) +
                             0.0722 * linear(background.blueF());
    // Below this, white text has the better contrast.
    constexpr double Crossover = 0.18;
    return luminance < Crossover ? QColor(Qt::white) : standard;
}

void drawRelief(QPainter* painter, const QRect& rect, const Relief& relief, const QColor& ink)
{
    if (relief.shade.alpha() > 0)
        painter->fillRect(rect, relief.shade);
    drawRing(painter, rect, relief.outerTopLeft, relief.outerBottomRight);
    drawRing(painter, rect.adjusted(1, 1, -1, -1), relief.innerTopLeft, relief.innerBottomRight);
    if (relief.cornerMark) {
        // A small dark triangle in the top-right corner, inside the bevel.
        const QPoint corner = rect.topRight() + QPoint(-2, 2);
        const QPoint triangle[] = {corner, corner - QPoint(CornerMarkSize, 0),
                                   corner + QPoint(0, CornerMarkSize)};
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(Qt::NoPen);
        painter->setBrush(ink);
        painter->drawPolygon(triangle, 3);
        painter->restore();
    }
}

} // namespace

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const
{
    const QRect rect = option.rect;
    const bool fixed = index.data(GridModel::FixedCellRole).toBool();
    const QVariant background = index.data(Qt::BackgroundRole);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    const QColor standardText = option.palette.color(fixed ? QPalette::ButtonText : QPalette::Text);
    QColor textColour = foreground.isValid() ? foreground.value<QColor>() : standardText;
    if (background.isValid()) {
        const QColor back = background.value<QColor>();
        painter->fillRect(rect, back);
        if (!foreground.isValid())
            textColour = standardTextOn(back, standardText);
    } else {
        painter->fillRect(rect, option.palette.color(fixed ? QPalette::Button : QPalette::Base));
    }

    const auto relief =
        reliefOf(model::TextStyle(index.data(GridModel::TextStyleRole).toInt()));
    if (relief)
        drawRelief(painter, rect, *relief, textColour);

    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        painter->save();
        painter->setFont(index.data(Qt::FontRole).value<QFont>());
        int flags = int(index.data(Qt::TextAlignmentRole).value<Qt::Alignment>()) |
                    Qt::TextWrapAnywhere;
        QRect textRect = rect.adjusted(TextMargin, 1, -TextMargin, -1);
        if (relief) {
            textRect.translate(relief->textOffset);
            // The text starts below the corner mark, so the mark never covers a glyph; text
            // too long for the rest of the cell shows its beginning.
            if (relief->cornerMark) {
                textRect.setTop(rect.top() + CornerMarkSize + 2);
                if (painter->boundingRect(textRect, flags, text).height() > textRect.height())
                    flags = (flags & ~int(Qt::AlignVertical_Mask)) | Qt::AlignTop;
            }
        }
        // Inside a bevel the text keeps off its edges.
        painter->setClipRect(relief ? rect.adjusted(2, 2, -2, -2) : rect);
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
