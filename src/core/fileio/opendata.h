// The readers of the course-settings file: open_data takes the lists, the tree, the fields and
// the combined-lesson entries; open_zkcb the cells of the master timetable and the teaching
// plan, into grids the caller has laid out.
#pragma once

#include "readerror.h"

#include <QByteArray>

namespace orve {
struct Workspace;
}

namespace orve::fileio {

// What New and Open both empty: the flag of a loaded timetable, the cells of the three grids
// (counts stay), the lists and their selections, and the fixed-lesson editor's class chooser.
void emptySchoolTables(Workspace& ws);

// Empties the tables and reads every tagged-value record; grid-cell lines are skipped. A file
// without a single record is refused, as is one whose lists would take the school beyond its
// limits (at the line that does). A last line cut short is reported in `warning`.
ReadError open_data(Workspace& ws, const QByteArray& bytes, ReadWarning* warning = nullptr);

// Rebuilds the plan skeleton from the lists just read, then fills in the stored cells.
ReadError open_zkcb(Workspace& ws, const QByteArray& bytes);

} // namespace orve::fileio
