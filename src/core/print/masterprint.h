// Filling the report sheet from the master timetable: the shape of a printed timetable with
// one joined day-name cell per day, the period numbers, the class names, fonts, ruled lines
// and the school's title.
#pragma once

#include "sheetcalls.h"

#include <functional>

namespace orve::model {
class Grid;
}

namespace orve::print {

// The face the printed timetable asks for; the painter falls back to a Song face the system
// has when it is missing.
inline const QString PrintFace = QStringLiteral(u"宋体");

// Joins columns first..last x rows first..last and has each of its cells redrawn, columns in
// the outer loop.
void joinBlock(SheetCalls& sheet, int firstColumn, int firstRow, int lastColumn, int lastRow);

// Thin black lines around every cell of a sheet of `columns` x `rows`, then a thick edge
// along its four sides.
void ruleSheet(SheetCalls& sheet, int columns, int rows);

// Copies the master timetable cell by cell into the sheet and gives it its printed shape:
// measures, fonts, the joined corner and day headers for `days` days of `periodsPerDay`
// periods, the lines, the title and the print range. `letEventsRun` is called once per row
// of measures, once per cell and once per day, so the window stays responsive. Days for
// which the timetable has no slot columns are left out.
void fillMasterTimetable(SheetCalls& sheet, const model::Grid& masterTimetable, int days,
                         int periodsPerDay, const QString& title,
                         const std::function<void()>& letEventsRun);

} // namespace orve::print
