#include "repairengine.h"

#include "combinedgroups.h"
#include "doublebookings.h"
#include "randomsource.h"
#include "teacherindex.h"
#include "timetablerules.h"

#include "model/grid.h"
#include "model/slots.h"
#include "uiport.h"

namespace orve::scheduler {

RepairBudget RepairBudget::forColumns(int columns)
{
    const qint64 squared = qint64(columns) * columns;
    return {20 * squared, 2000 * squared};
}

RepairEngine::RepairEngine(TeacherIndex& index, const CombinedGroups& groups, RandomSource& random,
                           UiPort& ui, RepairBudget budget)
    : index_(index), groups_(groups), random_(random), ui_(ui), budget_(budget),
      repairDrawsLeft_(budget.drawsPerRepair), drawsLeft_(budget.drawsInAll)
{
}

int RepairEngine::drawSlotColumn()
{
    return scheduler::drawSlotColumn(random_, index_.columns());
}

bool RepairEngine::hasClash(model::CellRef at) const
{
    return isDoubleBooked(index_, groups_, at);
}

std::optional<int> RepairEngine::movableRow(model::CellRef at) const
{
    if (!index_.isFixed(at))
        return at.row;
    const int teacher = index_.teacherAt(at);
    for (int r = model::FirstClassRow; r < index_.rows(); ++r)
        if (r != at.row && index_.teacherAt({r, at.column}) == teacher &&
            !index_.isFixed({r, at.column}))
            return r;
    return std::nullopt;
}

bool RepairEngine::inTimetable(model::CellRef at) const
{
    return index_.teacherAt(at) >= 0 && at.column >= 1;
}

// After the lesson of `mover` left the column: the lesson itself was moved, or (it being
// fixed) its clash is gone.
bool RepairEngine::resolved(model::CellRef at, int mover) const
{
    return mover == at.row || !hasClash(at);
}

bool RepairEngine::exchangeKeepsRules(model::CellRef a, model::CellRef b) const
{
    TimetableRules* rules = index_.rules();
    if (!rules || rules->book().empty())
        return true;
    const conditions::LessonFacts first = rules->countedFacts(a);
    const conditions::LessonFacts second = rules->countedFacts(b);
    return !rules->tally()
                .changeOf({{first, a.column - 1}, {second, b.column - 1}},
                          {{first, b.column - 1}, {second, a.column - 1}})
                .firstRaised();
}

bool RepairEngine::spendDraw()
{
    if (repairDrawsLeft_ <= 0 || drawsLeft_ <= 0)
        return false;
    --repairDrawsLeft_;
    --drawsLeft_;
    return true;
}

bool RepairEngine::exchangeCleanly(model::CellRef at)
{
    if (!inTimetable(at))
        return false;
    const int teacher = index_.teacherAt(at);
    if (!hasClash(at))
        return true;
    const std::optional<int> mover = movableRow(at);
    if (!mover)
        return false;
    const int limit = 4 * index_.columns();
    for (int k = 0;; ++k) {
        const int partner = drawSlotColumn();
        if (partner != at.column && !index_.isFixed({*mover, partner})) {
            const int other = index_.teacherAt({*mover, partner});
            if (!index_.busy(teacher, partner) && !index_.busy(other, at.column) &&
                exchangeKeepsRules({*mover, partner}, {*mover, at.column})) {
                index_.swapCells({*mover, partner}, {*mover, at.column});
                return resolved(at, *mover);
            }
            ui_.processEvents();
        }
        if (k > limit)
            return false;
    }
}

bool RepairEngine::repair(model::CellRef at)
{
    repairDrawsLeft_ = budget_.drawsPerRepair;
    return repairByChain(at, 0);
}

// The forced exchange: the lesson at `at` goes to `partner`, whose lesson comes in and clashes
// there; the first other class holding that teacher is repaired next.
bool RepairEngine::forceAndRepair(model::CellRef at, int partner, int depth)
{
    index_.swapCells(at, {at.row, partner});
    const int incoming = index_.teacherAt(at);
    const std::optional<int> other = index_.firstRow(incoming, at.column, at.row);
    return other && repairByChain({*other, at.column}, depth + 1);
}

bool RepairEngine::repairByChain(model::CellRef at, int depth)
{
    if (!inTimetable(at) || depth >= RepairDepthLimit)
        return false;
    const int teacher = index_.teacherAt(at);
    if (!hasClash(at))
        return true;
    const std::optional<int> found = movableRow(at);
    if (!found)
        return false;
    const int mover = *found;
    const model::CellRef moving{mover, at.column};
    const int columns = index_.columns();
    const bool mayForce = depth + 1 < RepairDepthLimit;
    int lastCode = 0;
    int lastCandidate = 0;
    for (int n = 0;;) {
        if (!spendDraw())
            return false;
        const int partner = drawSlotColumn();
        // Two lessons of one teacher never change places; the teacher compared is the one
        // first met here, even after a forced exchange brought another lesson in.
        if (!index_.isFixed({mover, partner}) && index_.teacherAt({mover, partner}) != teacher &&
            partner != at.column && exchangeKeepsRules(moving, {mover, partner})) {
            lastCode = index_.swapConflict(moving, {mover, partner});
            lastCandidate = partner;
            if (lastCode == 0) {
                index_.swapCells(moving, {mover, partner});
                return resolved(at, mover);
            }
        }
        ++n;
        if (n < 3 * columns)
            continue;
        if (mayForce && lastCode == 1 && forceAndRepair(moving, lastCandidate, depth))
            return resolved(at, mover);
        ++n;
        if (n > 6 * columns)
            return false;
    }
}

} // namespace orve::scheduler
