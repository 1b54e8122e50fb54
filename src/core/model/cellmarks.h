// The markers that master-timetable cells carry as colours and text styles, and the three
// operations the scheduler, the manual adjustment and the views share: exchanging two cells
// with everything they carry, and removing the colour marks of the whole timetable or a row.
#pragma once

#include "cellref.h"
#include "gridcell.h"

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::model {

inline constexpr Colour PickedColour = 0x0015C500;     // light green: the picked lesson
inline constexpr Colour SwappableColour = 0x00159D00;  // green: may change places with it
inline constexpr Colour ClashingColour = 0x00646400;   // dark cyan: exchange would double-book
inline constexpr Colour HighlightColour = 0x00FF0000;  // blue: shown by a distribution view

// Lessons placed by the first scheduling stage, which later stages must not move.
inline constexpr TextStyle FixedMark = TextStyle::RaisedLight;
// Lessons of the teacher the double-booking check is looking at.
inline constexpr TextStyle CheckedMark = TextStyle::Inset;

// Exchanges text, text colour, background and text style of two master-timetable cells.
void swapCells(Workspace& ws, CellRef a, CellRef b);

// Puts the normal background and text colour back on every class-row slot cell; text styles
// stay. Lets pending events run once per cell and keeps the current cell.
void qys(Workspace& ws, UiPort& ui);

// Puts the normal background back on the slot cells of one row.
void qcys(Workspace& ws, int row);

} // namespace orve::model
