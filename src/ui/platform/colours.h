// Conversion between the grid's stored colours (0x00BBGGRR) and Qt colours.
#pragma once

#include "model/gridcell.h"

#include <QColor>

namespace orve::ui {

inline QColor toQColor(model::Colour colour)
{
    return QColor(model::redOf(colour), model::greenOf(colour), model::blueOf(colour));
}

} // namespace orve::ui
