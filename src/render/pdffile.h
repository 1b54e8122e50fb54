// Report sheets written as a PDF file: the file is replaced only once every page is written,
// and its text reads back as drawn (pdftext.h). The print window's 另存为 PDF, the export of all
// timetables and orve-cli export use it.
#pragma once

#include "sheetdocument.h"

namespace orve::render {

// The papers a timetable is printed or exported on, landscape with margins of 10 mm. A4 is
// the one the print window starts with and the exports use unless A3 is asked for, which holds
// more days of a master timetable on a page.
enum class Paper { A4, A3 };
QPageLayout pageLayoutOn(Paper paper);
QPageLayout defaultPageLayout();

// A file name for a PDF of `name`: characters no file name may hold become "_", and ".pdf"
// follows.
QString pdfFileName(const QString& name);

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
// The same for a document laid out for `page`.
QString writePdfFile(const QString& path, const SheetDocument& document, const QPageLayout& page,
                     const PdfDocumentInfo& info);

} // namespace orve::render
