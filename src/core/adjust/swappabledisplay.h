// The swappable display: the class row of a picked lesson coloured so that the user sees with
// which lessons of the class it can change places without putting a teacher into two classes
// at once. A cell that books no teacher (a free period, a lesson without a teacher) has nobody
// to double-book: a free period is green when the picked lesson's teacher is free in its
// column.
#pragma once

#include "model/cellref.h"
#include "model/gridcell.h"

namespace orve::model {
class Grid;
}

namespace orve::adjust {

class SwapRules;

// Whether the cell is a slot cell of a class row, the only cells a lesson can be picked in.
bool isClassSlot(const model::Grid& timetable, model::CellRef at);

// Colours the slot cells of the picked cell's row: the picked lesson light green, the lessons
// it may change places with green (the same teacher, or no teacher of a lesson that moves
// already teaches at the other's period; a combined group moves with the lessons of all its
// classes), those a swap would double-book dark cyan, and those held in place (a fixed lesson,
// "空课", or a group's lesson beside one) or that would break a rule of the school in the
// normal background; the picked cell becomes the current cell. Does nothing for a cell that is not a class slot.
void showSwappableLessons(model::Grid& timetable, const SwapRules& rules, model::CellRef picked,
                          model::Colour normalBack);

} // namespace orve::adjust
