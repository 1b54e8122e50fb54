// Splitting a report sheet onto printed pages. The columns and rows before the print range's
// body (the class names, the day and period headers) are repeated on every page; the body is
// cut only between joined blocks, so a day, joined in the header row, never spans two pages.
// Pages go across the week first, then down the classes, so one class's week lies on
// neighbouring pages.
#pragma once

#include <QSizeF>
#include <vector>

namespace orve::print {

class ReportSheet;

// Sheet measures are screen pixels of 1/96 inch; a printed page is measured in points.
inline constexpr double PixelsPerPoint = 96.0 / 72.0;

// A sheet fitted to one page is drawn at most this much larger than its own size.
inline constexpr double MaxFitScale = 2.0;

// Inclusive; empty when last < first.
struct IndexRange
{
    int first = 0;
    int last = -1;

    bool isEmpty() const { return last < first; }
    int count() const { return isEmpty() ? 0 : last - first + 1; }
    bool operator==(const IndexRange& other) const
    {
        return first == other.first && last == other.last;
    }
};

// What one page shows, in drawing order: the repeated header range (if any) followed by
// the body range.
struct SheetPage
{
    std::vector<IndexRange> columns;
    std::vector<IndexRange> rows;
};

struct PageLayout
{
    std::vector<SheetPage> pages;
    // Below 1 when the headers and the widest day (or the tallest row) do not fit a page as
    // they are: everything is then drawn smaller by this factor. A sheet fitted to one page
    // takes the factor that fills the page, up to MaxFitScale.
    double scale = 1.0;
    IndexRange headerColumns;
    IndexRange headerRows;
};

// The columns (rows) repeated on every page: those before the print range's body, grown over
// any joined block that reaches from them into the body (the corner cell joined over both
// header rows of the master timetable makes both of them headers).
IndexRange headerColumns(const ReportSheet& sheet);
IndexRange headerRows(const ReportSheet& sheet);

// `tableArea`: the room a page has for the table, in points. At least one page, even for an
// empty sheet or a sheet that has only headers; exactly one for a sheet fitted to one page.
PageLayout paginate(const ReportSheet& sheet, QSizeF tableArea);

} // namespace orve::print
