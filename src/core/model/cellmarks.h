// The markers that master-timetable cells carry as colours and text styles, and the removal
// of the colour marks of the whole timetable or of one row, which the scheduler, the manual
// adjustment and the views share. (Exchanging two cells with all they carry is the grid's.)
#pragma once

#include "cellref.h"
#include "gridcell.h"

#include <functional>

namespace orve::model {

class Grid;

inline constexpr Colour PickedColour = 0x0015C500;     // light green: the picked lesson
inline constexpr Colour SwappableColour = 0x00159D00;  // green: may change places with it
inline constexpr Colour ClashingColour = 0x00646400;   // dark cyan: exchange would double-book
inline constexpr Colour HighlightColour = 0x00FF0000;  // blue: shown by a distribution view

// Lessons placed by the first scheduling stage, which later stages must not move.
inline constexpr TextStyle FixedMark = TextStyle::RaisedLight;
// Lessons of the teacher the double-booking check is looking at.
inline constexpr TextStyle CheckedMark = TextStyle::Inset;
// A fixed lesson of that teacher: shown sunken like the others, and still fixed.
inline constexpr TextStyle CheckedFixedMark = TextStyle::InsetLight;

// Whether later stages and repairs must leave the lesson where it is: the fixed mark survives
// the double-booking check's marking.
constexpr bool hasFixedMark(TextStyle style)
{
    return style == FixedMark || style == CheckedFixedMark;
}
// The style that marks a lesson as checked, keeping its fixed mark, and the way back.
constexpr TextStyle checkedStyle(TextStyle style)
{
    return hasFixedMark(style) ? CheckedFixedMark : CheckedMark;
}
constexpr TextStyle uncheckedStyle(TextStyle style)
{
    switch (style) {
    case CheckedMark: return TextStyle::Flat;
    case CheckedFixedMark: return FixedMark;
    default: return style;
    }
}

// The colours of an unmarked cell.
struct CellColours
{
    Colour back = StandardColour;
    Colour text = StandardColour;
};

// Puts the normal colours back on every class-row slot cell; text styles stay. `eachCell`
// runs once per cell (to let pending events run); the current cell stays.
void clearMarks(Grid& timetable, CellColours normal, const std::function<void()>& eachCell = {});

// Puts the normal background back on the slot cells of one row.
void clearRowMarks(Grid& timetable, int row, Colour normalBack);

} // namespace orve::model
