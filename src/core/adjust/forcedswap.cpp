#include "forcedswap.h"

#include "handchanges.h"
#include "swappabledisplay.h"
#include "swaprules.h"

#include "model/cellmarks.h"
#include "model/exchangehistory.h"
#include "model/grid.h"
#include "model/slots.h"
#include "scheduler/combinedgroups.h"
#include "scheduler/conflictlist.h"
#include "scheduler/doublebookings.h"
#include "scheduler/repairengine.h"
#include "scheduler/teacherindex.h"
#include "scheduler/timetablerules.h"
#include "silentuiport.h"
#include "uiport.h"
#include "workspace.h"

#include <QHash>
#include <algorithm>

namespace orve::adjust {

namespace {

using model::CellRef;

// The double-booked lessons by flat cell index.
QHash<int, QString> doubleBookedLessons(const scheduler::TeacherIndex& index,
                                        const scheduler::CombinedGroups& groups)
{
    QHash<int, QString> lessons;
    const model::Grid& timetable = index.grid();
    for (int c = 1; c < index.columns(); ++c)
        for (int r = model::FirstClassRow; r < index.rows(); ++r)
            if (scheduler::isDoubleBooked(index, groups, {r, c}))
                lessons.insert(timetable.flatIndex({r, c}), timetable.text({r, c}));
    return lessons;
}

// The double bookings that were not there before, as the user knows the cells.
QStringList newClashes(const Workspace& ws, const scheduler::TeacherIndex& index,
                       const scheduler::CombinedGroups& groups, const QHash<int, QString>& before)
{
    QStringList clashes;
    const model::Grid& timetable = index.grid();
    for (int c = 1; c < index.columns(); ++c)
        for (int r = model::FirstClassRow; r < index.rows(); ++r) {
            const auto was = before.constFind(timetable.flatIndex({r, c}));
            if (scheduler::isDoubleBooked(index, groups, {r, c}) &&
                (was == before.constEnd() || *was != timetable.text({r, c})))
                clashes.append(describeCell(ws, {r, c}));
        }
    return clashes;
}

// Repairs each class outside the swap's rows that a teacher moving into `column` already
// teaches there.
void repairClashes(scheduler::RepairEngine& repair, const scheduler::TeacherIndex& index,
                   const SlotSwap& swap, int column)
{
    const std::vector<int>& rows = swap.rows;
    for (const int row : rows) {
        const int incoming = index.teacherAt({row, column});
        if (index.isNobody(incoming))
            continue;
        for (int r = model::FirstClassRow; r < index.rows(); ++r)
            if (index.teacherAt({r, column}) == incoming &&
                std::find(rows.begin(), rows.end(), r) == rows.end()) {
                repair.repair({r, column});
                break;
            }
    }
}

} // namespace

ForcedSwapOutcome forceSwap(Workspace& ws, UiPort& ui, scheduler::RandomSource& random,
                            CellRef picked, CellRef other)
{
    ForcedSwapOutcome outcome;
    model::Grid& timetable = ws.school.masterTimetable;
    if (!isClassSlot(timetable, picked) || !isClassSlot(timetable, other) ||
        picked.row != other.row || picked == other)
        return outcome;
    const std::vector<SlotSwap> swaps = [&] {
        const SwapRules rules(ws);
        std::vector<SlotSwap> moving = rules.swapsOf(picked, other.column);
        if (moving.empty()) {
            ui.showStatus(DoublePeriodMisfitMessage);
        } else if (const std::optional<CellRef> held = rules.heldCell(moving)) {
            ui.showStatus(rules.heldInPlace(*held));
            moving.clear();
        } else if (const auto broken = rules.ruleBroken(moving)) {
            ui.showStatus(SwapRules::ruleMessage(*broken));
            moving.clear();
        }
        return moving;
    }();
    if (swaps.empty())
        return outcome;
    // The repair's exchanges keep the school's rules as the run's do.
    scheduler::TimetableRules schoolRules(ws.school, ws.periodsPerDay());
    scheduler::TeacherIndex index(timetable, scheduler::CellReading::Bookings);
    if (!schoolRules.book().empty())
        index.attachRules(schoolRules);
    outcome.code = swapConflict(index, swaps);
    if (outcome.code == 3) {
        ui.message(BothClashMessage, MessageButtons::Ok);
        return outcome;
    }

    const scheduler::CombinedGroups groups(ws.school);
    const QHash<int, QString> before =
        outcome.code != 0 ? doubleBookedLessons(index, groups) : QHash<int, QString>();
    model::ExchangeStep step;
    step.caption = ForcedSwapCaption;
    index.setJournal(&step.exchanges);
    model::RedrawSuspender suspended(timetable);
    for (const SlotSwap& swap : swaps)
        for (const int row : swap.rows)
            index.swapCells({row, swap.columnA}, {row, swap.columnB});
    if (outcome.code != 0) {
        // The repair must never move the lessons the user placed; they keep their own styles
        // (a combined lesson its fixed mark) afterwards.
        for (const SlotSwap& swap : swaps)
            for (const int row : swap.rows)
                for (const CellRef at : {CellRef{row, swap.columnA}, CellRef{row, swap.columnB}}) {
                    const model::GridCell& cell = timetable.cell(at);
                    step.writes.push_back({at, cell.text, cell.style, cell.text, cell.style});
                    timetable.setTextStyle(at, model::FixedMark);
                }
        // The repair is bounded and short: no events run while the index is in use.
        SilentUiPort quiet;
        scheduler::RepairEngine repair(index, groups, random, quiet,
                                       scheduler::RepairBudget::forColumns(index.columns()));
        for (const SlotSwap& swap : swaps)
            repairClashes(repair, index, swap, outcome.code == 1 ? swap.columnA : swap.columnB);
        for (const model::CellWrite& write : step.writes)
            timetable.setTextStyle(write.at, write.styleAfter);
        outcome.clashesLeft = newClashes(ws, index, groups, before);
    }
    index.setJournal(nullptr);
    updateConflicts(ws, index, groups);
    recordHandChange(ws, std::move(step));
    if (!outcome.clashesLeft.isEmpty())
        ui.message(QStringLiteral(u"强行调课后，下面的重课没能自动消除，已列入“自动排课”页的冲突"
                                  u"列表（可以再调，或撤销调课）：\n") +
                       outcome.clashesLeft.join(u'\n'),
                   MessageButtons::Ok, {}, MessageIcon::Warning);
    return outcome;
}

} // namespace orve::adjust
