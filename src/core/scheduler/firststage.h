// The first steps of a scheduling run: writeClassNames writes the class names, and the first stage
// placeFirstStage places what is decided before any search, each cell with the fixed mark: the
// fixed-lesson entries (lessons and "空课"), then the lessons of the combined-class groups, each in
// a slot free in all its member classes; a group whose member class wants double periods of its
// course gets them first, the whole group in two adjacent periods. Lessons that find no common
// free slot take one from other groups' lessons by ejection chains (groupejection.h).
#pragma once

namespace orve {
struct Workspace;
}

namespace orve::scheduler {

class RunContext;

// Attempts of the random search for one combined lesson, per slot column of the week; a
// sweep through the week in order follows, so a free common slot is never missed.
inline constexpr int CombinedAttemptsPerColumn = 10;

void writeClassNames(Workspace& ws);

void placeFirstStage(RunContext& ctx);
void placeFixedLessons(RunContext& ctx);
void placeCombinedGroups(RunContext& ctx);

} // namespace orve::scheduler
