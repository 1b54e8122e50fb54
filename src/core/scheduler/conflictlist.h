// The conflict list that a scheduling run leaves: every lesson still double-booked, and every
// lesson breaking a rule of the school (with the rules attached to the index).
#pragma once

#include "model/cellref.h"
#include "model/conflict.h"

namespace orve::scheduler {

class CombinedGroups;
class TeacherIndex;

// The entry of the cell's lesson as the timetable holds it: class name and lesson text.
model::Conflict conflictAt(const TeacherIndex& index, model::CellRef at);

// Leaves in the list exactly the lessons double-booked or breaking a rule now: the entries
// whose lesson still is, in their order and written afresh for what their cell holds, then
// every other such lesson, column by column.
void updateConflictList(model::Conflicts& list, const TeacherIndex& index,
                                   const CombinedGroups& groups);

} // namespace orve::scheduler
