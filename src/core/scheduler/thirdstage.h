// The third stage: the double bookings of the conflict list are removed by the repair engine,
// first by clean exchanges, then by forced chains, each pass over the list in order.
#pragma once

namespace orve::scheduler {

class RunContext;

// The pass drivers over the conflict list: after every success, start again from the first
// entry; entries whose repair fails stay in the list.
void repairByExchanges(RunContext& ctx);
void repairByChains(RunContext& ctx);

// Leaves in the conflict list exactly the lessons still double-booked: entries whose clash
// has gone are dropped, and clashes that forced exchanges moved to other places are added.
void listRemainingClashes(RunContext& ctx);

} // namespace orve::scheduler
