#include "pdfwriter.h"

#include "timetablepdf.h"

namespace orve::cli {

PdfOutcome writePdf(const QString& path, const model::School& school, int periodsPerDay,
                    print::TimetableSelection what, PaperSize paper)
{
    const render::PdfExport pdf =
        render::writeTimetablesPdf(path, school, periodsPerDay, what, QStringLiteral("orve-cli"),
                                   paper == PaperSize::A3 ? render::Paper::A3 : render::Paper::A4);
    return {pdf.failure, pdf.pages};
}

} // namespace orve::cli
