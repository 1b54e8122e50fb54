// The school's timetables as table files: CSV for spreadsheet programs (UTF-8 with a byte-order
// mark, so they read the Chinese right) and HTML pages for a school's intranet. One file per
// kind: the master timetable, the class timetables, the teacher timetables. They hold the
// same sheets as the printed pages.
#pragma once

#include "fileset.h"

#include "print/timetablebook.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace orve::model {
struct School;
}

namespace orve::fileio {

// One way of writing the timetables as table files: the name orve-cli's option takes, the
// files' extension, the menu item's caption (without its dots) and the writer, which returns
// empty bytes when it could not make a file. The formats offered are the table of them in
// src/exchange/formats.
struct TableFormat
{
    using Writer = QByteArray (*)(const QString& pageTitle,
                                  const std::vector<print::ReportSheet>& sheets);

    QString name;      // "csv"
    QString extension; // ".csv"
    QString caption;   // "导出为 CSV 表格"
    Writer write = nullptr;
};

// CSV tables (csvOf) and HTML pages (htmlOf).
const TableFormat& csvTables();
const TableFormat& htmlTables();

// "总课表.csv", "班级课程表.html", …
using TimetableFile = NamedFile;

// Each sheet as a block: its heading on a line of its own, then its rows; an empty line
// between blocks. A joined block's text stands in each of its cells; texts are trimmed.
// A text that a spreadsheet would take for a formula gets a leading apostrophe.
QByteArray csvOf(const std::vector<print::ReportSheet>& sheets);

// One page: `pageTitle` as its heading, a list of links to the sheets when there are several,
// then each sheet as a table under its heading, joined blocks spanning rows and columns.
QByteArray htmlOf(const QString& pageTitle, const std::vector<print::ReportSheet>& sheets);

// The files of the selected kinds, in the order master, classes, teachers. A file the writer
// could not make has no bytes.
std::vector<TimetableFile> timetableFiles(const model::School& school, int periodsPerDay,
                                          print::TimetableSelection selection,
                                          const TableFormat& format);

} // namespace orve::fileio
