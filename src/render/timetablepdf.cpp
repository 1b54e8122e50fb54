#include "timetablepdf.h"

#include "model/school.h"

namespace orve::render {

PdfExport writeTimetablesPdf(const QString& path, const model::School& school, int periodsPerDay,
                             print::TimetableSelection selection, const QString& creator,
                             Paper paper)
{
    const std::vector<print::ReportSheet> sheets =
        print::timetableBook(school, periodsPerDay, selection);
    const QPageLayout page = pageLayoutOn(paper);
    const SheetDocument document(sheets, page, {school.title, true, true});
    PdfExport result;
    result.failure = writePdfFile(path, document, page, {school.title, creator});
    if (result.failure.isEmpty())
        result.pages = document.pageCount();
    return result;
}

} // namespace orve::render
