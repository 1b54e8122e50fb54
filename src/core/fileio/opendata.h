// The readers of the course-settings file: readTaggedValues takes the lists, the tree, the
// fields and the combined-lesson entries; readGridCells the cells of the master timetable and
// the teaching plan.
#pragma once

#include "readerror.h"

#include <QByteArray>

namespace orve::fileio {

struct OpenedSchool;

// Empties the school's tables and reads every tagged-value record; grid-cell lines are skipped.
// A file without a single record is refused, as is one whose lists would take the school
// beyond its limits (at the line that does). A last line cut short is reported in `warning`.
ReadError readTaggedValues(OpenedSchool& opened, const QByteArray& bytes,
                           ReadWarning* warning = nullptr);

// Rebuilds the plan skeleton from the lists just read, then fills in the stored cells of the
// master timetable and the plan, whose grids the caller has laid out.
ReadError readGridCells(OpenedSchool& opened, const QByteArray& bytes);

} // namespace orve::fileio
