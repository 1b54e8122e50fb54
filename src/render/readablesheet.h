// A sheet printed across pages (the master timetable) measured for reading on paper: each
// column as wide as the longest word of its cells needs at ReadablePoints, each body row as
// tall as its cells' lines need there. Its cells' texts are then fitted by the painter
// (celltext.h), and the pages split it between days. A sheet fitted to one page is scaled to
// its page and keeps its measures.
#pragma once

#include "print/reportsheet.h"

namespace orve::render {

inline constexpr double ReadablePoints = 8;

print::ReportSheet readableSheet(const print::ReportSheet& sheet);

} // namespace orve::render
