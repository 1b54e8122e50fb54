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

// Grows the grid, if needed, so that the cell lies inside it: a file saved while the master
// timetable kept an older layout, or while classes had placeholder plan rows, holds such
// cells. False when the cell lies beyond any timetable the program makes.
bool makeRoomInMaster(Workspace& ws, int row, int column);
bool makeRoomInPlan(Workspace& ws, int row, int column);

} // namespace orve::fileio
