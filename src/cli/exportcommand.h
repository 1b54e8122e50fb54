// orve-cli export: the timetables of a course-settings file as a PDF file or as table files of
// each format (exchange::timetableFormats), the same files the window's 打印输出 menu writes.
#pragma once

#include "print/timetablebook.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

namespace orve::model {
struct School;
}

namespace orve::cli {

struct Call;

enum class PaperSize { A4, A3 };

struct PdfOutcome
{
    QString failure; // why the file was not written, in Chinese; empty when it was
    int pages = 0;
};

// What draws the PDF of `export --pdf`; only orve-cli-export, which links Qt's drawing, has one.
using PdfWriter = PdfOutcome (*)(const QString& path, const model::School& school,
                                 int periodsPerDay, print::TimetableSelection what,
                                 PaperSize paper);
void setPdfWriter(PdfWriter writer);

// export IN (--pdf OUT | --csv DIR | --html DIR | …)... [--what master,classes,teachers]
// [--paper A4|A3]: prints one JSON line with what was written. Returns the exit status.
int exportTimetables(const Call& call);
QList<QCommandLineOption> exportOptions();

} // namespace orve::cli
