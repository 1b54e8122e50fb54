// Laying out the fixed-lesson grid and the empty master timetable from the week structure.
#pragma once

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::model {

// Lays out the fixed-lesson grid and, unless a stored timetable is loaded, an empty master
// timetable. Runs at start-up and on every spin of a week field.
void xbj(Workspace& ws, UiPort& ui);

// Lays out an empty master timetable for the class list and the week structure.
void zkcb(Workspace& ws);

} // namespace orve::model
