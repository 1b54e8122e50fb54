// The week structure's commands: laying the fixed-lesson grid and the empty master timetable
// out again when a week field is stepped or typed (and at start-up), never re-timing or losing
// a timetable unasked, and the empty master timetable that every scheduling run starts from.
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

// Lays out the fixed-lesson grid and an empty master timetable for the week fields (the
// history of hand changes is forgotten with the old cells); says so when the fields ask for
// more than a week can hold.
void relayoutWeek(Workspace& ws, UiPort& ui);

// Whether a class-row slot cell of the master timetable holds anything.
bool masterHoldsLessons(const Workspace& ws);

// A week field stepped by its spin button, or typed, to `text`, then relayoutWeek when the
// days or periods change. When the master timetable holds lessons, asks first; on No the field
// keeps its old text and every cell stays. True when the field took the text.
bool stepWeekField(Workspace& ws, UiPort& ui, model::WeekField field, const QString& text);

// Lays out an empty master timetable for the class list and the week structure.
void layOutEmptyMasterTimetable(Workspace& ws);

} // namespace orve::school
