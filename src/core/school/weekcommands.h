// The week structure's commands: laying the fixed-lesson grid and the empty master timetable
// out again when a week field changes (and at start-up), and the empty master timetable that
// every scheduling run starts from.
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

// Lays out an empty master timetable for the class list and the week structure; what was
// changed by hand on the old one can no longer be undone.
void layOutEmptyMasterTimetable(Workspace& ws);

} // namespace orve::school
