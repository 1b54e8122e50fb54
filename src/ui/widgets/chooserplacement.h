// Where a chooser laid over or beside a grid cell goes, so that the user sees all of it: a
// child widget is clipped by its parent and every ancestor up to the window.
#pragma once

#include <QRect>

class QWidget;

namespace orve::ui {

// The part of `widget` that can be seen, in its own coordinates: its rectangle clipped by every
// ancestor's up to its window.
QRect visibleArea(const QWidget* widget);

// `wanted` moved left and up as far as needed to lie inside `area` (and then right and down,
// should it be larger than the area).
QRect keptInside(const QRect& wanted, const QRect& area);

// A rectangle of `size` beside `cell`: on its right when it fits into `area`, else on its left;
// kept inside `area` either way.
QRect besideCell(const QRect& cell, const QSize& size, const QRect& area);

} // namespace orve::ui
