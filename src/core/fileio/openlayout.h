// How Open lays out the fixed-lesson grid and the master timetable for the week structure it
// has just read, before the stored cells are filled in, and how it makes room for a stored
// cell that lies beyond that layout.
#pragma once

namespace orve::model {
class Grid;
struct School;
} // namespace orve::model

namespace orve::fileio {

struct OpenedSchool;

// Five days, as Open always laid out; more when the days field asks for more, so that the
// lessons of the sixth and seventh day have their columns.
int openedDays(const model::School& school);

// Computes the periods per day from the fields and lays out both grids for openedDays().
void layOutOpenedGrids(OpenedSchool& opened);

// Whether the grid may grow to hold cells up to (lastRow, lastColumn): not beyond any
// timetable the program makes.
bool masterCanHold(const model::Grid& timetable, int lastRow, int lastColumn);
bool planCanHold(const model::Grid& plan, int lastRow, int lastColumn);

// Grows the grid, if needed, so that cells up to (lastRow, lastColumn) lie inside it: a file
// saved while the master timetable kept an older layout, or while classes had placeholder plan
// rows, holds such cells. New master columns are labelled as the layout labels its columns.
// Nothing happens when the grid may not hold them.
void makeRoomInMaster(OpenedSchool& opened, int lastRow, int lastColumn);
void makeRoomInPlan(model::Grid& plan, int lastRow, int lastColumn);

} // namespace orve::fileio
