// Report sheets laid out on printed pages, one sheet after another, each from a new page:
// the title at the top (on every page or on the first only), the sheet's heading under it,
// the sheet's part in the middle, "第 N 页 / 共 M 页" at the bottom; optionally contents pages
// in front that list each sheet's heading with its first page. Paints a page on any device
// and prints all of them on a printer or a PDF writer.
#pragma once

#include "print/pagination.h"
#include "print/reportsheet.h"

#include <QPageLayout>
#include <QString>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace orve::render {

struct PrintOptions
{
    QString title;
    bool titleOnEveryPage = true;
    // Contents pages in front, when there are two sheets or more. A PDF cannot be given
    // bookmarks through Qt, so an exported file gets these instead.
    bool contentsPages = false;
};

class SheetDocument
{
public:
    // Keeps references to the sheets fitted to one page: they must outlive the document.
    SheetDocument(const print::ReportSheet& sheet, const QPageLayout& page, PrintOptions options);
    SheetDocument(const std::vector<print::ReportSheet>& sheets, const QPageLayout& page,
                  PrintOptions options);

    int pageCount() const { return int(pages_.size()); }
    int contentsPageCount() const { return contentsPages_; }
    // The page (from 0) on which sheet `index` starts.
    int firstPageOf(int sheet) const { return firstPages_.at(std::size_t(sheet)); }
    const print::PageLayout& layout(int sheet) const { return layouts_.at(std::size_t(sheet)); }
    // The printable area of a page, in points.
    QSizeF printableSize() const { return printable_; }

    // Paints page `index` (from 0) with the painter's origin at the top-left corner of the
    // printable area, at `dpi` device units per inch.
    void paintPage(QPainter& painter, int index, double dpi) const;

private:
    struct PagePlace
    {
        int sheet; // -1: a contents page
        int page;  // of the sheet, or of the contents
    };

    void takeSheets(const std::vector<const print::ReportSheet*>& sheets);
    void layOut();
    double titleBand() const;
    double headingBand(const QString& heading) const;
    int contentsColumns() const;
    int contentsLinesPerColumn() const;
    void paintHeading(QPainter& painter, const QString& heading, double top, double width,
                      double unitsPerPoint) const;
    void paintContents(QPainter& painter, int page, double top, double width,
                       double unitsPerPoint) const;

    // The sheets printed across pages, measured for reading (readablesheet.h); the others are
    // the caller's.
    std::vector<print::ReportSheet> readable_;
    std::vector<const print::ReportSheet*> sheets_;
    QSizeF printable_;
    PrintOptions options_;
    std::vector<print::PageLayout> layouts_;
    std::vector<int> firstPages_;
    std::vector<PagePlace> pages_;
    int contentsPages_ = 0;
};

// Every page of the document on the device. False when the device cannot be painted on.
bool printDocument(QPagedPaintDevice& device, const SheetDocument& document);
// Every page of the sheets, laid out for the device's own page layout. False when the device
// cannot be painted on.
bool printSheets(QPagedPaintDevice& device, const std::vector<print::ReportSheet>& sheets,
                 const PrintOptions& options);
bool printSheet(QPagedPaintDevice& device, const print::ReportSheet& sheet,
                const PrintOptions& options);

} // namespace orve::render
