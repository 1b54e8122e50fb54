// A report sheet laid out on printed pages: the title at the top (on every page or on the
// first only), the sheet's part in the middle, "第 N 页 / 共 M 页" at the bottom. Paints a
// page on any device and prints all of them on a printer or a PDF writer.
#pragma once

#include "print/pagination.h"

#include <QPageLayout>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace orve::print {
class ReportSheet;
}

namespace orve::ui {

struct PrintOptions
{
    QString title;
    bool titleOnEveryPage = true;
};

class SheetDocument
{
public:
    // Keeps a reference to the sheet: the sheet must outlive the document.
    SheetDocument(const print::ReportSheet& sheet, const QPageLayout& page, PrintOptions options);

    int pageCount() const { return int(layout_.pages.size()); }
    const print::PageLayout& layout() const { return layout_; }
    // The printable area of a page, in points.
    QSizeF printableSize() const { return printable_; }

    // Paints page `index` (from 0) with the painter's origin at the top-left corner of the
    // printable area, at `dpi` device units per inch.
    void paintPage(QPainter& painter, int index, double dpi) const;

private:
    double titleBand() const;

    const print::ReportSheet& sheet_;
    QSizeF printable_;
    PrintOptions options_;
    print::PageLayout layout_;
};

// Every page of the sheet, laid out for the device's own page layout. False when the device
// cannot be painted on.
bool printSheet(QPagedPaintDevice& device, const print::ReportSheet& sheet,
                const PrintOptions& options);

} // namespace orve::ui
