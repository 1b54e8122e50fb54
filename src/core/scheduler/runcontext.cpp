#include "runcontext.h"

#include "randomsource.h"
#include "thirdstage.h"

#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/slots.h"
#include "workspace.h"

#include <algorithm>
#include <cmath>

namespace orve::scheduler {

RunContext::RunContext(Workspace& workspace, UiPort& port, RandomSource& source)
    : ws(workspace), ui(port), random(source), book(workspace.MSGrid), combined(workspace.Tr3),
      placedEarly(std::size_t(std::max(workspace.jhb.rowCount(), 0)), 0)
{
    const qint64 columns = book.columns();
    callDrawsLeft_ = qint64(RepairDrawsPerCall) * columns * columns;
    runDrawsLeft_ = qint64(RepairDrawsPerRun) * columns * columns;
}

bool RunContext::spendRepairDraw()
{
    if (callDrawsLeft_ <= 0 || runDrawsLeft_ <= 0)
        return false;
    --callDrawsLeft_;
    --runDrawsLeft_;
    return true;
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

bool RunContext::hasClash(int row, int column) const
{
    const int teacher = book.teacherAt({row, column});
    if (!book.busy(teacher, column, row))
        return false;
    if (combined.empty() || !book.isFixed({row, column}))
        return true;
    const model::Grid& grid = book.grid();
    const QString member = CombinedMembership::memberKey(
        grid.text({row, model::ClassNameColumn}), model::coursePart(grid.text({row, column})));
    for (int r = model::FirstClassRow; r < book.rows(); ++r) {
        if (r == row || book.teacherAt({r, column}) != teacher)
            continue;
        const bool together =
            book.isFixed({r, column}) &&
            combined.together(
                member, CombinedMembership::memberKey(grid.text({r, model::ClassNameColumn}),
                                                      model::coursePart(grid.text({r, column}))));
        if (!together)
            return true;
    }
    return false;
}

void RunContext::countPlacedEarly(int planRow, int lessons)
{
    if (planRow >= 0 && planRow < int(placedEarly.size()))
        placedEarly[std::size_t(planRow)] += lessons;
}

} // namespace orve::scheduler
