// Report sheets as an Excel workbook (.xlsx), written with libxlsxwriter: the same sheets the
// print window, the PDF and the CSV and HTML files show, with their fonts, alignment, joined
// blocks (the day headers merged over their periods) and ruled lines, set up to print in
// landscape, as wide as the page.
//
// All sheets of one file go onto one worksheet, one below the other under their headings, each
// from a new printed page, laid out as the CSV file lays them out: the class (teacher) timetables
// of a school are one scroll in Excel as in the CSV file, a search finds a class among all of them,
// and no class name has to be cut to the 31 characters a worksheet's name may have. A single sheet,
// the master timetable, keeps its header rows and its class names frozen on the screen and repeated
// on every page.
#pragma once

#include "print/reportsheet.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace orve::exchange {

// The workbook's bytes: one worksheet named after `pageTitle`, the title also printed at the
// top of every page. Empty when the workbook could not be made (no room for its temporary
// file), which the caller tells as a failed write.
QByteArray xlsxOf(const QString& pageTitle, const std::vector<print::ReportSheet>& sheets);

} // namespace orve::exchange
