#include "swappabledisplay.h"

#include "swaprules.h"

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

void showSwappableLessons(model::Grid& timetable, const SwapRules& rules, model::CellRef picked,
                          model::Colour normalBack)
{
    if (!isClassSlot(timetable, picked))
        return;
    const scheduler::TeacherIndex index(timetable, scheduler::CellReading::Bookings);
    model::RedrawSuspender suspended(timetable);
    for (int c = 1; c < timetable.columnCount(); ++c) {
        if (c == picked.column)
            continue;
        const std::vector<SlotSwap> swaps = rules.swapsOf(picked, c);
        model::Colour colour = normalBack;
        if (!swaps.empty() && !rules.heldCell(swaps) && !rules.ruleBroken(swaps))
            colour = swapConflict(index, swaps) == 0 ? model::SwappableColour
                                                     : model::ClashingColour;
        timetable.setBackColour({picked.row, c}, colour);
    }
    timetable.setCurrentCell(picked);
    timetable.setBackColour(picked, model::PickedColour);
    // A double period is picked whole.
    if (const std::optional<int> partner = rules.pairedColumn(picked))
        timetable.setBackColour({picked.row, *partner}, model::PickedColour);
}

} // namespace orve::adjust
