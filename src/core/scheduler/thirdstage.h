// The third stage: the double bookings of the conflict list are removed by exchanging lessons
// within one class row, so every class keeps exactly its lessons. zkcl/clzk look for a clean
// exchange; zncl/znclhs also force an exchange that moves the clash into another class and
// repair that class in turn, to a bounded depth. A lesson with the fixed mark is never moved
// here: when the recorded lesson carries it, the clash is repaired on the other lesson.
#pragma once

#include <optional>

namespace orve::scheduler {

class RunContext;

// Levels of znclhs: the first two levels may force exchanges and repair the class the clash
// moved to; the level below only looks for clean exchanges.
inline constexpr int RepairDepthLimit = 3;
// Draws of one repair with all its levels, and of all repairs of a run, per squared column
// count: the forced chains fan out, and a run must end in time whatever the school.
inline constexpr int RepairDrawsPerCall = 20;
inline constexpr int RepairDrawsPerRun = 2000;

// True when the lesson at (row, column) is no longer double-booked, or has been exchanged.
bool clzk(RunContext& ctx, int row, int column);
// True when the clash of the lesson at (row, column) has been removed.
bool znclhs(RunContext& ctx, int row, int column, int depth = 0);

// The pass drivers over the conflict list: after every success, start again from the first
// entry; entries whose repair fails stay in the list.
void zkcl(RunContext& ctx);
void zncl(RunContext& ctx);

// Leaves in the conflict list exactly the lessons still double-booked: entries whose clash
// has gone are dropped, and clashes that forced exchanges moved to other places are added.
void listRemainingClashes(RunContext& ctx);

// The row whose lesson the repair of (row, column) may move: the row itself unless its lesson
// carries the fixed mark, else the first other row holding the same teacher in the column
// without the mark; none when every lesson of that clash is fixed.
std::optional<int> movableRow(const RunContext& ctx, int row, int column);

} // namespace orve::scheduler
