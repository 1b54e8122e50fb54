#include "sheetdocument.h"

#include "sheetpainter.h"

#include "print/reportsheet.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace orve::ui {

namespace {

constexpr double TitlePoints = 16;
constexpr double TitleBandPoints = 34;
constexpr double FooterPoints = 9;
constexpr double FooterBandPoints = 20;
constexpr double PointsPerInch = 72;

} // namespace

SheetDocument::SheetDocument(const print::ReportSheet& sheet, const QPageLayout& page,
                             PrintOptions options)
    : sheet_(sheet), printable_(page.paintRect(QPageLayout::Point).size()),
      options_(std::move(options))
{
    // The title's room is kept on every page, so all pages hold the same rows.
    const QSizeF table(printable_.width(), printable_.height() - titleBand() - FooterBandPoints);
    layout_ = print::paginate(sheet_, table);
}

double SheetDocument::titleBand() const
{
    return options_.title.trimmed().isEmpty() ? 0.0 : TitleBandPoints;
}

void SheetDocument::paintPage(QPainter& painter, int index, double dpi) const
{
    if (index < 0 || index >= pageCount())
        return;
    const double unitsPerPoint = dpi / PointsPerInch;
    const double width = printable_.width() * unitsPerPoint;
    const double height = printable_.height() * unitsPerPoint;
    const double top = titleBand() * unitsPerPoint;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    if (top > 0 && (index == 0 || options_.titleOnEveryPage)) {
        QFont font = printFont(sheet_.cell({0, 0}).fontFamily, TitlePoints);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, 0, width, top), Qt::AlignCenter | Qt::TextSingleLine,
                         options_.title);
    }

    const print::SheetPage& page = layout_.pages[std::size_t(index)];
    const double unitsPerPixel = dpi / 96.0 * layout_.scale;
    const QSizeF part = sheetPartSize(sheet_, page) * unitsPerPixel;
    const double left = std::max(0.0, (width - part.width()) / 2);
    paintSheetPart(painter, sheet_, page, {left, top}, unitsPerPixel, layout_.scale);

    const double footer = FooterBandPoints * unitsPerPoint;
    painter.setFont(printFont(QString(), FooterPoints));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, height - footer, width, footer), Qt::AlignCenter,
                     QStringLiteral(u"第 %1 页 / 共 %2 页").arg(index + 1).arg(pageCount()));
    painter.restore();
}

bool printSheet(QPagedPaintDevice& device, const print::ReportSheet& sheet,
                const PrintOptions& options)
{
    const SheetDocument document(sheet, device.pageLayout(), options);
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

} // namespace orve::ui
