// The formats of the timetables as table files, in the order 打印输出 offers them: the menu,
// its export command and orve-cli (--csv DIR, --html DIR, …) all read this one table, so a
// format is added as one row of it.
#pragma once

#include "fileio/timetablefiles.h"

#include <vector>

namespace orve::exchange {

const std::vector<const fileio::TableFormat*>& timetableFormats();

// The xlsx format writes through the writer set here (workbook/sheetworkbook's xlsxOf): a
// program that offers workbooks sets it at its start, so that the others need not load the
// libraries that write them. Without one the format makes no bytes, a failed write.
void setWorkbookWriter(fileio::TableFormat::Writer writer);

} // namespace orve::exchange
