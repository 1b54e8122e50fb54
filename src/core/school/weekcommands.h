// The week structure's commands: laying the fixed-lesson grid and the empty master timetable
// out again when a week field is stepped (and at start-up), without losing a timetable unasked,
// and the empty master timetable that every scheduling run starts from.
#pragma once

#include "model/weekstructure.h"

#include <QString>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::school {

// What the user typed into a week field.
void setWeekField(Workspace& ws, model::WeekField field, const QString& text);

// Lays out the fixed-lesson grid and, unless a stored timetable is loaded, an empty master
// timetable; says so when the fields ask for more than a week can hold.
void relayoutWeek(Workspace& ws, UiPort& ui);

// Whether relayoutWeek would clear lessons: the master timetable holds some and is not one
// read from a file (which keeps its cells).
bool relayoutClearsLessons(const Workspace& ws);

// A spin button's step of a week field to `text`, then relayoutWeek. When that would clear the
// lessons of the master timetable, asks first; on No the field keeps its old text and nothing
// is laid out. True when the field took the text.
bool stepWeekField(Workspace& ws, UiPort& ui, model::WeekField field, const QString& text);

// Lays out an empty master timetable for the class list and the week structure.
void layOutEmptyMasterTimetable(Workspace& ws);

} // namespace orve::school
