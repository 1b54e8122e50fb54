// The last steps of a scheduling run: restorePlanPeriods gives the teaching plan back its full
// periods per week from the backup column, and placeLessonsWithoutTeacher places the lessons of
// plan rows without a teacher (self-study, class meetings) into the first free slots of their
// class. Such rows are placed only here; the lessons the first stage placed for them count towards
// their periods. Rows of combined groups are not: their lessons stand together or not at all.
#pragma once

namespace orve {
struct Workspace;
}

namespace orve::scheduler {

class RunContext;

void restorePlanPeriods(Workspace& ws);
void placeLessonsWithoutTeacher(RunContext& ctx);

} // namespace orve::scheduler
