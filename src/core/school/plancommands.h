// The commands of the teaching-plan tab: showTeachingPlan and showMainCourses, copying one class's
// plan onto another and scrolling the table to a class.
#pragma once

#include <QString>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::school {

// Shows the plan tab and fills the choosers from the lists: teachers, period counts "1" to the
// number of period slots of the master timetable, venues, and classes (to copy from and to
// scroll to).
void showTeachingPlan(Workspace& ws, UiPort& ui);

// Shows the plan tab, nothing else.
void showMainCourses(Workspace& ws, UiPort& ui);

// Copies columns 2 to 8 of the source class's block onto the block of the current row's
// class, row by row in course order. Nothing happens when either class has no plan row.
void copyPlan(Workspace& ws, UiPort& ui, const QString& sourceClass);

// Scans the plan rows from the top, each becoming current in the class column, and makes the
// first row of the class the top row.
void scrollToClass(Workspace& ws, UiPort& ui, const QString& className);

// The class-finder entry that the spin selects for the typed number, within the entries; -1
// when there are none.
int classStepPosition(const Workspace& ws, const QString& classNumber);

} // namespace orve::school
