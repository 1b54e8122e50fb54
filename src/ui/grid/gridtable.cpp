#include "gridtable.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QWheelEvent>

namespace orve::ui {

GridTable::GridTable(QWidget* parent) : QTableView(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(true);
    setCornerButtonEnabled(false);
}

void GridTable::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    emit mousePressedAt(indexAt(event->position().toPoint()), event->button(), event->modifiers());
}

void GridTable::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    emit mouseReleasedAt(indexAt(event->position().toPoint()), event->button(), event->modifiers());
}

void GridTable::wheelEvent(QWheelEvent* event)
{
    if (wheelTarget_)
        QCoreApplication::sendEvent(wheelTarget_->viewport(), event);
    else
        QTableView::wheelEvent(event);
}

} // namespace orve::ui
