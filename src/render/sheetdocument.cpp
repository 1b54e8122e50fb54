#include "sheetdocument.h"

#include "readablesheet.h"
#include "sheetpainter.h"

#include "print/reportsheet.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orve::render {

namespace {

constexpr double TitlePoints = 16;
constexpr double TitleBandPoints = 34;
constexpr double HeadingPoints = 13;
constexpr double HeadingBandPoints = 26;
constexpr double FooterPoints = 9;
constexpr double FooterBandPoints = 20;
constexpr double ContentsPoints = 10.5;
constexpr double ContentsLinePoints = 18;
constexpr double ContentsColumnPoints = 250; // the least width of a column of the contents
constexpr double PointsPerInch = 72;

const QString ContentsHeading = QStringLiteral(u"目录");


} // namespace

SheetDocument::SheetDocument(const print::ReportSheet& sheet, const QPageLayout& page,
                             PrintOptions options)
    : printable_(page.paintRect(QPageLayout::Point).size()), options_(std::move(options))
{
    takeSheets({&sheet});
    layOut();
}

SheetDocument::SheetDocument(const std::vector<print::ReportSheet>& sheets, const QPageLayout& page,
                             PrintOptions options)
    : printable_(page.paintRect(QPageLayout::Point).size()), options_(std::move(options))
{
    std::vector<const print::ReportSheet*> given;
    given.reserve(sheets.size());
    for (const print::ReportSheet& sheet : sheets)
        given.push_back(&sheet);
    takeSheets(given);
    layOut();
}

void SheetDocument::takeSheets(const std::vector<const print::ReportSheet*>& sheets)
{
    // All copies first: pointers into the vector stay valid once it has stopped growing.
    for (const print::ReportSheet* sheet : sheets)
        if (sheet->pageFit() == print::PageFit::AcrossPages)
            readable_.push_back(readableSheet(*sheet));
    auto copy = readable_.cbegin();
    for (const print::ReportSheet* sheet : sheets)
        sheets_.push_back(sheet->pageFit() == print::PageFit::AcrossPages ? &*copy++ : sheet);
}

double SheetDocument::titleBand() const
{
    return options_.title.trimmed().isEmpty() ? 0.0 : TitleBandPoints;
}

double SheetDocument::headingBand(const QString& heading) const
{
    return heading.trimmed().isEmpty() ? 0.0 : HeadingBandPoints;
}

int SheetDocument::contentsColumns() const
{
    return std::max(1, int(printable_.width() / ContentsColumnPoints));
}

int SheetDocument::contentsLinesPerColumn() const
{
    const double room =
        printable_.height() - titleBand() - headingBand(ContentsHeading) - FooterBandPoints;
    return std::max(1, int(room / ContentsLinePoints));
}

void SheetDocument::layOut()
{
    // The title's room is kept on every page, so all pages of a sheet hold the same rows.
    layouts_.clear();
    for (const print::ReportSheet* sheet : sheets_) {
        const QSizeF table(printable_.width(), printable_.height() - titleBand() -
                                                   headingBand(sheet->heading()) -
                                                   FooterBandPoints);
        layouts_.push_back(print::paginate(*sheet, table));
    }

    contentsPages_ = 0;
    if (options_.contentsPages && sheets_.size() > 1) {
        const int perPage = contentsColumns() * contentsLinesPerColumn();
        contentsPages_ = (int(sheets_.size()) + perPage - 1) / perPage;
    }
    pages_.clear();
    for (int i = 0; i < contentsPages_; ++i)
        pages_.push_back({-1, i});
    firstPages_.clear();
    for (std::size_t s = 0; s < sheets_.size(); ++s) {
        firstPages_.push_back(int(pages_.size()));
        for (std::size_t p = 0; p < layouts_[s].pages.size(); ++p)
            pages_.push_back({int(s), int(p)});
    }
}

void SheetDocument::paintHeading(QPainter& painter, const QString& heading, double top,
                                 double width, double unitsPerPoint) const
{
    painter.setFont(printFont(QString(), HeadingPoints));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, top, width, HeadingBandPoints * unitsPerPoint),
                     Qt::AlignCenter | Qt::TextSingleLine, heading);
}

void SheetDocument::paintContents(QPainter& painter, int page, double top, double width,
                                  double unitsPerPoint) const
{
    const int columns = contentsColumns();
    const int lines = contentsLinesPerColumn();
    const double columnWidth = width / columns;
    const double lineHeight = ContentsLinePoints * unitsPerPoint;
    const double gap = 12 * unitsPerPoint;
    const QFont font = printFont(QString(), ContentsPoints);
    const QFontMetricsF metrics(font, painter.device());
    painter.setFont(font);
    const int first = page * columns * lines;
    const int last = std::min(int(sheets_.size()), first + columns * lines);
    for (int i = first; i < last; ++i) {
        const int column = (i - first) / lines;
        const int line = (i - first) % lines;
        const QRectF area(column * columnWidth + gap / 2, top + line * lineHeight,
                          columnWidth - gap, lineHeight);
        const QString number = QString::number(firstPages_[std::size_t(i)] + 1);
        const double numberWidth = metrics.horizontalAdvance(number) + gap;
        QString heading = sheets_[std::size_t(i)]->heading();
        if (heading.isEmpty())
            heading = options_.title;
        painter.drawText(area.adjusted(0, 0, -numberWidth, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         metrics.elidedText(heading, Qt::ElideRight, area.width() - numberWidth));
        painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, number);
    }
}

void SheetDocument::paintPage(QPainter& painter, int index, double dpi) const
{
    if (index < 0 || index >= pageCount())
        return;
    const double unitsPerPoint = dpi / PointsPerInch;
    const double width = printable_.width() * unitsPerPoint;
    const double height = printable_.height() * unitsPerPoint;
    const PagePlace place = pages_[std::size_t(index)];
    double top = titleBand() * unitsPerPoint;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    if (top > 0 && (index == 0 || options_.titleOnEveryPage)) {
        QFont font = printFont(QString(), TitlePoints);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, 0, width, top), Qt::AlignCenter | Qt::TextSingleLine,
                         options_.title);
    }

    if (place.sheet < 0) {
        paintHeading(painter, ContentsHeading, top, width, unitsPerPoint);
        top += HeadingBandPoints * unitsPerPoint;
        paintContents(painter, place.page, top, width, unitsPerPoint);
    } else {
        const print::ReportSheet& sheet = *sheets_[std::size_t(place.sheet)];
        const print::PageLayout& layout = layouts_[std::size_t(place.sheet)];
        if (headingBand(sheet.heading()) > 0) {
            paintHeading(painter, sheet.heading(), top, width, unitsPerPoint);
            top += HeadingBandPoints * unitsPerPoint;
        }
        const print::SheetPage& page = layout.pages[std::size_t(place.page)];
        const double unitsPerPixel = dpi / 96.0 * layout.scale;
        const QSizeF part = sheetPartSize(sheet, page) * unitsPerPixel;
        const double left = std::max(0.0, (width - part.width()) / 2);
        paintSheetPart(painter, sheet, page, {left, top}, unitsPerPixel, layout.scale);
    }

    const double footer = FooterBandPoints * unitsPerPoint;
    painter.setFont(printFont(QString(), FooterPoints));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, height - footer, width, footer), Qt::AlignCenter,
                     QStringLiteral(u"第 %1 页 / 共 %2 页").arg(index + 1).arg(pageCount()));
    painter.restore();
}

bool printDocument(QPagedPaintDevice& device, const SheetDocument& document)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dpi = device.logicalDpiX();
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        document.paintPage(painter, i, dpi);
    }
    return painter.end();
}

bool printSheets(QPagedPaintDevice& device, const std::vector<print::ReportSheet>& sheets,
                 const PrintOptions& options)
{
    return printDocument(device, SheetDocument(sheets, device.pageLayout(), options));
}

bool printSheet(QPagedPaintDevice& device, const print::ReportSheet& sheet,
                const PrintOptions& options)
{
    return printDocument(device, SheetDocument(sheet, device.pageLayout(), options));
}

} // namespace orve::render
