#include "swappabledisplay.h"

#include "model/cellmarks.h"
#include "model/grid.h"
#include "model/slots.h"
#include "scheduler/teacherindex.h"

namespace orve::adjust {

bool isClassSlot(const model::Grid& timetable, model::CellRef at)
{
    return at.row >= model::FirstClassRow && at.row < timetable.rowCount() && at.column >= 1 &&
           at.column < timetable.columnCount();
}

void showSwappableLessons(model::Grid& timetable, model::CellRef picked)
{
    if (!isClassSlot(timetable, picked))
        return;
    const scheduler::TeacherIndex index(timetable, scheduler::CellReading::Bookings);
    model::RedrawSuspender suspended(timetable);
    for (int c = 1; c < timetable.columnCount(); ++c) {
        const model::CellRef other{picked.row, c};
        if (c != picked.column)
            timetable.setBackColour(other, index.swapConflict(picked, other) == 0
                                               ? model::SwappableColour
                                               : model::ClashingColour);
    }
    timetable.setCurrentCell(picked);
    timetable.setBackColour(picked, model::PickedColour);
}

} // namespace orve::adjust
