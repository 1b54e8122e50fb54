// How Open lays out the fixed-lesson grid and the master timetable for the week structure it
// has just read, before the stored cells are filled in, and how it makes room for a stored
// cell that lies beyond that layout.
#pragma once

namespace orve {
struct Workspace;
}

namespace orve::fileio {

// Five days, as Open always laid out; more when the days field asks for more, so that the
// lessons of the sixth and seventh day have their columns.
int openedDays(const Workspace& ws);

// Computes the periods per day from the fields and lays out both grids for openedDays().
void layOutOpenedGrids(Workspace& ws);

// Whether the grid may grow to hold cells up to (lastRow, lastColumn): not beyond any
// timetable the program makes.
bool masterCanHold(const Workspace& ws, int lastRow, int lastColumn);
bool planCanHold(const Workspace& ws, int lastRow, int lastColumn);

// Grows the grid, if needed, so that cells up to (lastRow, lastColumn) lie inside it: a file
// saved while the master timetable kept an older layout, or while classes had placeholder plan
// rows, holds such cells. New master columns are labelled as the layout labels its columns.
// Nothing happens when the grid may not hold them.
void makeRoomInMaster(Workspace& ws, int lastRow, int lastColumn);
void makeRoomInPlan(Workspace& ws, int lastRow, int lastColumn);

} // namespace orve::fileio
