// Report sheets written as a PDF file: the file is replaced only once every page is written,
// and its text reads back as drawn (pdftext.h). The print window's 另存为 PDF, the export of all
// timetables and orve-cli export use it.
#pragma once

#include "sheetdocument.h"

namespace orve::render {

// A4 landscape with margins of 10 mm: the paper the print window starts with and the exports
// use.
QPageLayout defaultPageLayout();

struct PdfDocumentInfo
{
    QString title;   // the document's title in the file's properties
    QString creator; // the program
};

// Writes every page of the sheets to `path`. Returns why it could not, in Chinese; empty when
// the file is written. An existing file stays as it was unless all is written.
QString writePdfFile(const QString& path, const std::vector<print::ReportSheet>& sheets,
                     const QPageLayout& page, const PrintOptions& options,
                     const PdfDocumentInfo& info);

} // namespace orve::render
