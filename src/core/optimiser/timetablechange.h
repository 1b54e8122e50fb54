// The optimiser's result as one step of the history: in each class row the exchanges that put
// the row's cells where its lessons now stand, then the cells written for lessons that came
// into the row (a placed lesson; a combined group's lesson carries the fixed mark, as when the
// scheduling run placed it).
#pragma once

#include "model/exchangehistory.h"

namespace orve::model {
class Grid;
}

namespace orve::optimiser {

struct LoadedTimetable;

model::ExchangeStep timetableChange(const model::Grid& timetable, const LoadedTimetable& loaded,
                                    const QString& caption);

} // namespace orve::optimiser
