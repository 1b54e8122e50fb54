// Laying out the fixed-lesson grid and the empty master timetable from the week structure.
#pragma once

#include <QString>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::model {

class Grid;

// Lays out the fixed-lesson grid and, unless a stored timetable is loaded, an empty master
// timetable. Runs at start-up and on every spin of a week field.
void xbj(Workspace& ws, UiPort& ui);

// Lays out an empty master timetable for the class list and the week structure.
void zkcb(Workspace& ws);

// The pieces the layouts share with Open, which lays both grids out its own way.

// Text of a day (index from 0) in row 0 of the master timetable.
using DayHeaderText = QString (*)(int dayIndex);
// "星期一" … "星期六", "星期日"; empty past the seventh day.
QString masterDayName(int dayIndex);

// Size, measures, labels and the corner mark of the fixed-lesson grid for `days` days of
// ws.periodsPerDay periods; `gap` twips are taken off every period row and day column.
void layOutFixedLessonFrame(Workspace& ws, int days, int gap);

// Counts, measures, font, header rows and class names of the master timetable for `days` days
// of ws.periodsPerDay periods; also remembers the counts. Class-row cells are not touched.
void layOutMasterFrame(Workspace& ws, int days, DayHeaderText dayText, bool centreDays);

// Writes the day and period headers of master columns first..last (for columns added later).
void labelMasterColumns(Grid& grid, int periodsPerDay, int first, int last, DayHeaderText dayText,
                        bool centreDays);

} // namespace orve::model
