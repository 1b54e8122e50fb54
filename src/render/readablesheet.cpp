#include "readablesheet.h"

#include "celltext.h"
#include "sheetpainter.h"

#include "print/pagination.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <limits>
#include <vector>

namespace orve::render {

namespace {

// Room the painter keeps around a cell's text, in sheet pixels.
constexpr double Padding = 2 * 2 + 1;

// A device of the sheet's own pixels (1/96 inch), to measure texts on.
const QPaintDevice& sheetPixels()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(96 / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

} // namespace

print::ReportSheet readableSheet(const print::ReportSheet& sheet)
{
    print::ReportSheet readable = sheet;
    if (sheet.pageFit() != print::PageFit::AcrossPages)
        return readable;
    const print::CellBlock range = sheet.printRange();
    const int firstBodyRow = print::headerRows(sheet).last + 1;
    const int firstBodyColumn = print::headerColumns(sheet).last + 1;
    // The lessons in one size, unless one must be smaller to fit.
    for (int r = firstBodyRow; r <= range.lastRow; ++r)
        for (int c = firstBodyColumn; c <= range.lastColumn; ++c) {
            const print::SheetCell& cell = sheet.cell({r, c});
            readable.setCellFont(c, r, std::min(cell.fontSize, int(ReadablePoints)),
                                 cell.fontFamily);
        }
    const auto fontOf = [](const print::SheetCell& cell) {
        return printFont(cell.fontFamily, ReadablePoints);
    };
    const auto loose = [&sheet](int row, int column) {
        return !sheet.cell({row, column}).text.trimmed().isEmpty() &&
               !sheet.joinedBlockAt({row, column});
    };

    std::vector<double> widths(std::size_t(range.lastColumn + 1), 0);
    for (int c = 0; c <= range.lastColumn; ++c) {
        for (int r = 0; r <= range.lastRow; ++r)
            if (loose(r, c))
                widths[std::size_t(c)] =
                    std::max(widths[std::size_t(c)],
                             widestWord(sheet.cell({r, c}).text, fontOf(sheet.cell({r, c})),
                                        &sheetPixels()) +
                                 Padding);
        readable.setColumnWidth(c, std::max(sheet.columnWidth(c), widths[std::size_t(c)]));
    }
    constexpr double Unbounded = std::numeric_limits<double>::max() / 4;
    const double oneLine = QFontMetricsF(printFont({}, ReadablePoints), &sheetPixels()).lineSpacing();
    for (int r = firstBodyRow; r <= range.lastRow; ++r) {
        double height = oneLine;
        for (int c = 0; c <= range.lastColumn; ++c) {
            if (!loose(r, c))
                continue;
            const QFont font = fontOf(sheet.cell({r, c}));
            const FittedText lines = fitText(sheet.cell({r, c}).text, font,
                                             {readable.columnWidth(c) - Padding, Unbounded},
                                             &sheetPixels());
            height = std::max(height, double(lines.lines.size()) *
                                          QFontMetricsF(font, &sheetPixels()).lineSpacing());
        }
        readable.setRowHeight(r, height + Padding);
    }
    return readable;
}

} // namespace orve::render
