#include "pdffile.h"

#include "pdftext.h"

#include "fileio/filecommands.h"
#include "fileio/systemerror.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QSaveFile>

#include <cerrno>

namespace orve::render {

namespace {

constexpr int PdfResolution = 600;

} // namespace

QPageLayout pageLayoutOn(Paper paper)
{
    return QPageLayout(QPageSize(paper == Paper::A3 ? QPageSize::A3 : QPageSize::A4),
                       QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

QPageLayout defaultPageLayout()
{
    return pageLayoutOn(Paper::A4);
}

QString pdfFileName(const QString& name)
{
    return fileio::offeredFileName(name, QStringLiteral("pdf"));
}

QString writePdfFile(const QString& path, const std::vector<print::ReportSheet>& sheets,
                     const QPageLayout& page, const PrintOptions& options,
                     const PdfDocumentInfo& info)
{
    return writePdfFile(path, SheetDocument(sheets, page, options), page, info);
}

QString writePdfFile(const QString& path, const SheetDocument& document, const QPageLayout& page,
                     const PdfDocumentInfo& info)
{
    using fileio::FileAccess;
    const QString refusal = fileio::pathRefusal(path, FileAccess::Write);
    if (!refusal.isEmpty())
        return refusal;
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        writer.setPageLayout(page);
        writer.setCreator(info.creator);
        writer.setTitle(info.title);
        if (!printDocument(writer, document))
            return QStringLiteral(u"无法绘制 PDF 页面。");
    }
    pdf = withIdeographsForRadicals(pdf);
    QSaveFile file(path);
    // The error number is taken straight after the call that failed.
    errno = 0;
    if (file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size()) {
        // The last part of the file waits in the buffer until flushed: a full disk shows
        // here, before the old file is replaced.
        errno = 0;
        if (file.flush() && file.commit())
            return {};
    }
    return fileio::systemErrorReason(errno, FileAccess::Write, file.errorString());
}

} // namespace orve::render
