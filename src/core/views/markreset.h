// What the views and the check do before they mark the master timetable: a pending swap pick
// is dropped, since its colouring is about to go.
#pragma once

namespace orve {
struct Workspace;
}

namespace orve::views {

// Sets the pick count to 0 (announced when a pick was pending) and removes every colour mark of
// the master timetable; text styles stay.
void dropPickAndColourMarks(Workspace& ws);

} // namespace orve::views
