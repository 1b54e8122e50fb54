#include "cellmarks.h"

#include "grid.h"
#include "slots.h"

namespace orve::model {

void clearMarks(Grid& timetable, CellColours normal, const std::function<void()>& eachCell)
{
    const CellRef current = timetable.currentCell();
    for (int r = FirstClassRow; r < timetable.rowCount(); ++r)
        for (int c = 1; c < timetable.columnCount(); ++c) {
            timetable.setBackColour({r, c}, normal.back);
            timetable.setTextColour({r, c}, normal.text);
            if (eachCell)
                eachCell();
        }
    timetable.setCurrentCell(current);
}

void clearRowMarks(Grid& timetable, int row, Colour normalBack)
{
    for (int c = 1; c < timetable.columnCount(); ++c)
        timetable.setBackColour({row, c}, normalBack);
}

} // namespace orve::model
