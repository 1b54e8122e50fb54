#include "thirdstage.h"

#include "conflictlist.h"
#include "doublebookings.h"
#include "runcontext.h"

#include "model/grid.h"
#include "model/slots.h"
#include "uiport.h"
#include "workspace.h"

#include <array>
#include <vector>

namespace orve::scheduler {

namespace {

using model::CellRef;

using Repair = bool (*)(RepairEngine&, CellRef);
// True when a repair of the cell can only fail as long as the timetable around it stays.
using Hopeless = bool (*)(const RepairEngine&, CellRef);

// What a repair's outcome depends on: the recorded lesson's row, the row whose lesson would
// move, the column and where its teacher teaches.
using Stamp = std::array<quint64, 4>;

Stamp stampOf(const RepairEngine& engine, CellRef at)
{
    const TeacherIndex& index = engine.index();
    const std::optional<int> mover = engine.movableRow(at);
    return {index.rowVersion(at.row), mover ? index.rowVersion(*mover) : 0,
            index.columnVersion(at.column), index.teacherVersion(index.teacherAt(at))};
}

// Every pass starts again from the first entry after a success, as failed entries may now
// succeed. An entry that failed with no possible exchange at all is not searched again until
// something it depends on has changed: that search could only fail again.
void workOff(RunContext& ctx, Repair repair, Hopeless hopeless)
{
    QStringList& list = ctx.ws.session.conflicts;
    std::vector<CellRef> places;
    places.reserve(std::size_t(list.size()));
    for (const QString& entry : list)
        places.push_back(conflictCell(entry));
    std::vector<std::optional<Stamp>> failed(places.size());
    std::size_t i = 0;
    while (i < places.size()) {
        const CellRef place = places[i];
        if (failed[i] && *failed[i] == stampOf(ctx.repair, place)) {
            ++i;
            continue;
        }
        ctx.ui.processEvents();
        if (repair(ctx.repair, place)) {
            list.removeAt(qsizetype(i));
            places.erase(places.begin() + std::ptrdiff_t(i));
            failed.erase(failed.begin() + std::ptrdiff_t(i));
            i = 0;
            continue;
        }
        failed[i].reset();
        if (hopeless(ctx.repair, place))
            failed[i] = stampOf(ctx.repair, place);
        ++i;
    }
}

// Whether no partner column offers what the repair looks for; `accepts` judges one.
template <typename Accepts> bool noPartner(const RepairEngine& engine, CellRef at, Accepts accepts)
{
    const TeacherIndex& index = engine.index();
    const int teacher = index.teacherAt(at);
    if (teacher < 0 || at.column < 1 || !engine.hasClash(at))
        return false;
    const std::optional<int> mover = engine.movableRow(at);
    if (!mover)
        return true;
    for (int partner = 1; partner < index.columns(); ++partner)
        if (partner != at.column && !index.isFixed({*mover, partner}) &&
            accepts(*mover, partner, teacher))
            return false;
    return true;
}

bool exchangeHopeless(const RepairEngine& engine, CellRef at)
{
    const TeacherIndex& index = engine.index();
    return noPartner(engine, at, [&](int mover, int partner, int teacher) {
        return !index.busy(teacher, partner) &&
               !index.busy(index.teacherAt({mover, partner}), at.column);
    });
}

bool chainHopeless(const RepairEngine& engine, CellRef at)
{
    const TeacherIndex& index = engine.index();
    return noPartner(engine, at, [&](int mover, int partner, int teacher) {
        if (index.teacherAt({mover, partner}) == teacher)
            return false;
        const int code = index.swapConflict({mover, at.column}, {mover, partner});
        return code == 0 || (code == 1 && RepairDepthLimit > 1);
    });
}

bool exchange(RepairEngine& engine, CellRef at)
{
    return engine.exchangeCleanly(at);
}

bool chain(RepairEngine& engine, CellRef at)
{
    return engine.repair(at);
}

} // namespace

void listRemainingClashes(RunContext& ctx)
{
    updateConflictList(ctx.ws.session.conflicts, ctx.index, ctx.groups);
}

void repairByExchanges(RunContext& ctx)
{
    workOff(ctx, &exchange, &exchangeHopeless);
}

void repairByChains(RunContext& ctx)
{
    workOff(ctx, &chain, &chainHopeless);
}

} // namespace orve::scheduler
