#include "runcontext.h"

#include "randomsource.h"
#include "workspace.h"

#include <algorithm>
#include <cmath>

namespace orve::scheduler {

RunContext::RunContext(Workspace& workspace, UiPort& port, RandomSource& source)
    : ws(workspace), ui(port), random(source), book(workspace.MSGrid),
      placedEarly(std::size_t(std::max(workspace.jhb.rowCount(), 0)), 0)
{
}

double RunContext::draw()
{
    return random.next();
}

int RunContext::drawSlotColumn()
{
    const int slotCount = columns() - 1;
    // A source that hands out 1.0 must not reach the column after the last.
    return std::min(int(std::floor(slotCount * draw() + 1)), std::max(slotCount, 1));
}

void RunContext::countPlacedEarly(int planRow)
{
    if (planRow >= 0 && planRow < int(placedEarly.size()))
        ++placedEarly[std::size_t(planRow)];
}

} // namespace orve::scheduler
