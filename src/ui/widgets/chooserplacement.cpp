#include "chooserplacement.h"

#include <QWidget>

namespace orve::ui {

QRect visibleArea(const QWidget* widget)
{
    QRect area = widget->rect();
    for (const QWidget* ancestor = widget; !ancestor->isWindow();) {
        ancestor = ancestor->parentWidget();
        if (!ancestor)
            break;
        const QRect shown(widget->mapFrom(ancestor, QPoint(0, 0)), ancestor->size());
        area &= shown;
    }
    return area;
}

QRect keptInside(const QRect& wanted, const QRect& area)
{
    QRect placed = wanted;
    if (placed.right() > area.right())
        placed.moveRight(area.right());
    if (placed.bottom() > area.bottom())
        placed.moveBottom(area.bottom());
    if (placed.left() < area.left())
        placed.moveLeft(area.left());
    if (placed.top() < area.top())
        placed.moveTop(area.top());
    return placed;
}

QRect besideCell(const QRect& cell, const QSize& size, const QRect& area)
{
    QRect placed(QPoint(cell.right() + 1, cell.top()), size);
    if (placed.right() > area.right())
        placed.moveRight(cell.left() - 1);
    return keptInside(placed, area);
}

} // namespace orve::ui
