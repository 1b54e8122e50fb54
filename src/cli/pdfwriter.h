// The PDF writer of orve-cli-export: the timetables as the window's export draws them.
#pragma once

#include "exportcommand.h"

namespace orve::cli {

PdfOutcome writePdf(const QString& path, const model::School& school, int periodsPerDay,
                    print::TimetableSelection what, PaperSize paper);

} // namespace orve::cli
