// Small toolbar and window pictures drawn by the program itself: a coloured tile with a
// Chinese character, readable at toolbar size on any platform theme.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace orve::ui {

QIcon glyphIcon(const QString& glyph, const QColor& tile);

// The program's icon "orve" from the icon theme of an installed program, else the drawing
// compiled into the program.
QIcon programIcon();

// The picture of the splash window and of the first tab.
QPixmap programPicture(const QSize& size);

} // namespace orve::ui
