// The fixed-lesson editor: prepareFixedLessons prepares the choosers, the fixed-lesson grid shows the
// entries of the chosen class, a mouse release on a cell removes its entry or offers the course
// chooser, and choosing a course adds the entry (one per class for "全体班级") after the teacher
// check.
#pragma once

#include "model/cellref.h"

#include <QString>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::conditions {

// Menu "固定课预排(如班队)" and a click on the special-conditions tab: fills the class and
// course choosers from the lists and shows the tab, then the entries of the first class.
void prepareFixedLessons(Workspace& ws, UiPort& ui);

// Shows in the grid the entries of the class chooser's class and its index as a number.
// Entries whose day or period lies outside the grid are not shown (they stay in the list).
void showClassEntries(Workspace& ws);

// Choosing item `index` of the class chooser.
void chooseClass(Workspace& ws, int index);

// A step of the class spin (+1 or -1) from the shown number, kept within the chooser's items.
void stepClassChooser(Workspace& ws, int delta);

// A mouse release on cell (row = period, column = day) of the fixed-lesson grid, which becomes the current
// cell. A filled cell loses its entry at once; an empty one shows the course chooser. Header
// cells are not entry cells.
void releaseOnFixedGrid(Workspace& ws, UiPort& ui, model::CellRef at);

// Choosing `course` in the course chooser for the cell (row, column): refused with "该天" + teacher +
// "教师已有课" when an entry at that day and period has the same teacher; entries without a
// teacher never block each other.
void chooseCourse(Workspace& ws, UiPort& ui, model::CellRef at, const QString& course);

} // namespace orve::conditions
