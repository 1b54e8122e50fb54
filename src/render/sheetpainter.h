// Draws the part of a report sheet that one page shows: cell texts in their fonts and
// alignment, joined blocks as one cell, and the ruled lines. Works on any paint device.
#pragma once

#include "print/pagination.h"

#include <QFont>
#include <QPointF>
#include <QSizeF>

class QPainter;

namespace orve::print {
class ReportSheet;
}

namespace orve::render {

// A Song face for printing. The face a sheet names comes first; Debian has no 宋体, so a
// Song face it does package follows, then a sans face, so no glyph prints as a box.
QFont printFont(const QString& family, double points);

// The size of a page's part of the sheet, in sheet pixels (1/96 inch).
QSizeF sheetPartSize(const print::ReportSheet& sheet, const print::SheetPage& page);

// Draws the page's part with its top-left corner at `origin`, `unitsPerPixel` device units to
// one sheet pixel. Fonts are sized in points for the device, times `scale`.
void paintSheetPart(QPainter& painter, const print::ReportSheet& sheet,
                    const print::SheetPage& page, QPointF origin, double unitsPerPixel,
                    double scale);

} // namespace orve::render
