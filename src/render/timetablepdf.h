// The school's timetables as one PDF file: contents pages, then the master timetable and each
// class's and teacher's week from a new page, under the school's title, on A4 or A3 paper.
// The window's export and orve-cli export write the same file.
#pragma once

#include "pdffile.h"

#include "print/timetablebook.h"

#include <QString>

namespace orve::model {
struct School;
}

namespace orve::render {

struct PdfExport
{
    QString failure; // why the file was not written, in Chinese; empty when it was
    int pages = 0;
};

PdfExport writeTimetablesPdf(const QString& path, const model::School& school, int periodsPerDay,
                             print::TimetableSelection selection, const QString& creator,
                             Paper paper = Paper::A4);

} // namespace orve::render
