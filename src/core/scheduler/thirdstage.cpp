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

// A pass sweeps through the entries in order; a repair that succeeds takes its entry out.
// The entries that failed are tried again in the next sweep, as earlier repairs may have
// opened a way, but one that found no possible exchange at all only when something it
// depends on has changed: that search could only fail again. The pass ends with a sweep that
// repairs nothing, or after MaxSweeps: each sweep is linear in the entries, so the pass is
// too (starting again from the first entry after every success made it quadratic). Stops
// early when the user asks to.
void workOff(RunContext& ctx, Repair repair, Hopeless hopeless)
{
    constexpr int MaxSweeps = 10;
    struct Entry
    {
        model::Conflict conflict;
        std::optional<Stamp> hopelessAt;
    };
    model::Conflicts& list = ctx.ws.session.conflicts;
    std::vector<Entry> entries;
    entries.reserve(list.size());
    for (model::Conflict& conflict : list)
        entries.push_back({std::move(conflict), std::nullopt});
    bool repaired = true;
    for (int sweep = 0; repaired && sweep < MaxSweeps && !ctx.stopped(); ++sweep) {
        repaired = false;
        std::vector<Entry> left;
        left.reserve(entries.size());
        for (Entry& entry : entries) {
            const bool unchanged =
                entry.hopelessAt && *entry.hopelessAt == stampOf(ctx.repair, entry.conflict.at);
            if (!unchanged && ctx.carryOn()) {
                if (repair(ctx.repair, entry.conflict.at)) {
                    repaired = true;
                    continue;
                }
                entry.hopelessAt.reset();
                if (hopeless(ctx.repair, entry.conflict.at))
                    entry.hopelessAt = stampOf(ctx.repair, entry.conflict.at);
            }
            left.push_back(std::move(entry));
        }
        entries = std::move(left);
    }
    list.clear();
    for (Entry& entry : entries)
        list.push_back(std::move(entry.conflict));
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
