#include "griddelegate.h"

#include "celltext.h"
#include "gridmodel.h"
#include "model/gridcell.h"

#include <QPainter>
#include <array>
#include <cmath>
#include <optional>

namespace orve::ui {

namespace {

constexpr int TextMargin = 2;
constexpr int CornerMarkSize = 6;

// How a text style shows on its cell: two rings of edges (outer, inner), an optional shade
// over the background, where the text sits and whether the corner mark is drawn.
struct Relief
{
    std::array<QColor, 2> topLeft; // transparent: no edge
    std::array<QColor, 2> bottomRight;
    QColor shade{0, 0, 0, 0}; // transparent: no shade
    QPoint textOffset;        // sunken text sits one pixel down and right
    bool cornerMark = false;
};

std::optional<Relief> reliefOf(model::TextStyle style)
{
    const QColor white(255, 255, 255);
    const QColor none(0, 0, 0, 0);
    Relief relief;
    switch (style) {
    case model::TextStyle::Raised:
        relief.topLeft = {white, QColor(228, 228, 228)};
        relief.bottomRight = {QColor(48, 48, 48), QColor(128, 128, 128)};
        return relief;
    case model::TextStyle::RaisedLight:
        relief.topLeft = {white, none};
        relief.bottomRight = {QColor(150, 150, 150), none};
        relief.cornerMark = true;
        return relief;
    case model::TextStyle::Inset:
        relief.topLeft = {QColor(48, 48, 48), QColor(112, 112, 112)};
        relief.bottomRight = {white, QColor(228, 228, 228)};
        relief.shade = QColor(0, 0, 0, 40);
        relief.textOffset = QPoint(1, 1);
        return relief;
    case model::TextStyle::InsetLight:
        relief.topLeft = {QColor(96, 96, 96), QColor(150, 150, 150)};
        relief.bottomRight = {white, none};
        relief.shade = QColor(0, 0, 0, 28);
        relief.textOffset = QPoint(1, 1);
        relief.cornerMark = true;
        return relief;
    case model::TextStyle::Flat:
        break;
    }
    return std::nullopt;
}

bool visible(const QColor& colour)
{
    return colour.isValid() && colour.alpha() > 0;
}

// One ring of a bevel: the top and left edges in one colour, the bottom and right in another.
void drawRing(QPainter* painter, const QRect& rect, const QColor& topLeft,
              const QColor& bottomRight)
{
    if (visible(topLeft)) {
        painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
        painter->fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
    }
    if (visible(bottomRight)) {
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
    if (visible(relief.shade))
        painter->fillRect(rect, relief.shade);
    drawRing(painter, rect, relief.topLeft[0], relief.bottomRight[0]);
    drawRing(painter, rect.adjusted(1, 1, -1, -1), relief.topLeft[1], relief.bottomRight[1]);
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

    const auto relief = reliefOf(model::TextStyle(index.data(GridModel::TextStyleRole).toInt()));
    if (relief)
        drawRelief(painter, rect, *relief, textColour);

    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        painter->save();
        painter->setFont(index.data(Qt::FontRole).value<QFont>());
        int flags =
            int(index.data(Qt::TextAlignmentRole).value<Qt::Alignment>()) | Qt::TextWrapAnywhere;
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
        if (textFitted_ && !fixed)
            render::drawFittedText(
                *painter, textRect,
                render::fitText(text, painter->font(), textRect.size(), painter->device()),
                Qt::Alignment(flags & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask)));
        else
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
