// The combined lessons the first stage found no common free slot for, placed by ejection
// chains: each step takes a group with lessons missing at random and puts one into the column
// where it costs fewest class periods, taking out the groups' lessons that stand in its cells
// there; those become missing and are placed the same way in later steps. Only the lessons a
// group placed one at a time move: fixed lessons, "空课" and double periods stay. A lesson
// taken out of a column may not go back there for a while (tabu), so chains move on instead of
// undoing themselves; a tabu move is taken when it makes the fewest periods missing yet. The
// search draws from a generator of its own: a run where it finds nothing better goes on
// exactly as without it. The best arrangement seen is left.
#pragma once

#include "grouplessons.h"

#include <vector>

namespace orve::scheduler {

class RunContext;

// Steps without fewer class periods missing after which the search gives up: so many for each
// lesson missing at the start, within the two bounds. A few missing lessons have few chains to
// try, and a rule they break may keep them out whatever moves.
inline constexpr int GroupEjectionStallStepsPerLesson = 100;
inline constexpr int GroupEjectionMinimumStallSteps = 500;
inline constexpr int GroupEjectionStallSteps = 2000;

void placeMissingGroupLessons(RunContext& ctx, std::vector<GroupLessons>& groups);

} // namespace orve::scheduler
