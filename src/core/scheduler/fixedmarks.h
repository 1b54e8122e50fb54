// The lessons no later stage, swap or repair may move, found in a timetable whatever made it.
// A run's first stage marks them as it places them, but a file keeps texts only: after Open
// the marks are put back from the fixed-lesson entries and the combined groups.
#pragma once

#include "model/cellref.h"

#include <QSet>

namespace orve::model {
class Grid;
struct School;
} // namespace orve::model

namespace orve::scheduler {

// The slot cells fixed-lesson entries hold in place: each entry's cell while it holds the
// entry's course ("空课" for a period kept free).
class FixedEntryCells
{
public:
    FixedEntryCells(const model::School& school, int periodsPerDay);

    bool contains(model::CellRef at) const;
    // A cell holding "空课", kept free by an entry now or once, is held in place too.
    bool holdsInPlace(model::CellRef at) const;

private:
    const model::Grid& timetable_;
    QSet<int> cells_; // flat indexes
};

// The fixed mark on every cell held in place (FixedEntryCells::holdsInPlace) and on every
// combined lesson its group holds together, as the first stage of a run leaves them.
void restoreFixedMarks(model::School& school, int periodsPerDay);

} // namespace orve::scheduler
