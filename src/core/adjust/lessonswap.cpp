#include "lessonswap.h"

#include "forcedswap.h"
#include "handchanges.h"
#include "swappabledisplay.h"
#include "swaprules.h"

#include "model/cellmarks.h"
#include "model/grid.h"
#include "scheduler/randomsource.h"
#include "uiport.h"
#include "workspace.h"

namespace orve::adjust {

namespace {

using model::CellRef;

void setPick(Workspace& ws, Pick pick)
{
    ws.session.pick = pick;
    emit ws.notifier.pickChanged();
}

bool isPlainLeftClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return button == Qt::LeftButton && held != Qt::ShiftModifier;
}

// A lesson held in place is never picked or swapped; the status bar says why.
bool refusedAsHeld(const Workspace& ws, UiPort& ui, CellRef cell)
{
    const QString reason = SwapRules(ws).heldInPlace(cell);
    if (!reason.isEmpty())
        ui.showStatus(reason);
    return !reason.isEmpty();
}

// A swap that would break a rule of the school is refused, forced or not, and so is one that
// finds no place for a double period; the status bar says which.
bool refusedByRule(const Workspace& ws, UiPort& ui, CellRef picked, CellRef other)
{
    const SwapRules rules(ws);
    const std::vector<SlotSwap> swaps = rules.swapsOf(picked, other.column);
    if (swaps.empty()) {
        ui.showStatus(DoublePeriodMisfitMessage);
        return true;
    }
    const std::optional<conditions::RuleKind> broken = rules.ruleBroken(swaps);
    if (broken)
        ui.showStatus(SwapRules::ruleMessage(*broken));
    return broken.has_value();
}

void pick(Workspace& ws, CellRef cell)
{
    showSwappableLessons(ws.school.masterTimetable, SwapRules(ws), cell,
                         ws.session.normalColours.back);
    setPick(ws, {1, cell});
}

ClickResult secondClick(Workspace& ws, UiPort& ui, CellRef cell, scheduler::RandomSource& random,
                        const QString& notSwappable)
{
    model::Grid& timetable = ws.school.masterTimetable;
    const CellRef picked = ws.session.pick.cell;
    const model::Colour normalBack = ws.session.normalColours.back;
    if (cell == picked || SwapRules(ws).pairedColumn(picked) == cell.column) {
        model::clearRowMarks(timetable, cell.row, normalBack);
        setPick(ws, {});
        return ClickResult::Unpicked;
    }
    if (cell.row != picked.row) {
        ui.message(OtherClassMessage, MessageButtons::Ok);
        return ClickResult::Refused;
    }
    if (refusedAsHeld(ws, ui, cell) || refusedByRule(ws, ui, picked, cell))
        return ClickResult::Refused;
    if (ws.session.forcedSwapMode) {
        forceSwap(ws, ui, random, picked, cell);
        model::clearMarks(timetable, ws.session.normalColours);
        setPick(ws, {});
        return ClickResult::ForcedSwap;
    }
    if (timetable.cell(cell).backColour != model::SwappableColour) {
        ui.message(notSwappable, MessageButtons::Ok);
        return ClickResult::Refused;
    }
    swapLessons(ws, picked, cell);
    model::clearRowMarks(timetable, cell.row, normalBack);
    setPick(ws, {});
    return ClickResult::Swapped;
}

} // namespace

ClickResult releaseOnTimetable(Workspace& ws, UiPort& ui, CellRef cell, Qt::MouseButton button,
                               Qt::KeyboardModifiers modifiers, scheduler::RandomSource& random,
                               const QString& notSwappable)
{
    model::Grid& timetable = ws.school.masterTimetable;
    model::RedrawSuspender suspended(timetable);
    if (button == Qt::RightButton) {
        dropAllMarks(ws);
        return ClickResult::MarksCleared;
    }
    if (!isPlainLeftClick(button, modifiers) || !isClassSlot(timetable, cell))
        return ClickResult::Ignored;
    if (ws.session.pick.count == 0) {
        if (refusedAsHeld(ws, ui, cell))
            return ClickResult::Refused;
        pick(ws, cell);
        return ClickResult::Picked;
    }
    return secondClick(ws, ui, cell, random, notSwappable);
}

ClickResult releaseOnTimetable(Workspace& ws, UiPort& ui, CellRef cell, Qt::MouseButton button,
                               Qt::KeyboardModifiers modifiers, const QString& notSwappable)
{
    scheduler::SeededRandom random(scheduler::SeededRandom::clockSeed());
    return releaseOnTimetable(ws, ui, cell, button, modifiers, random, notSwappable);
}

void showSwappableForCurrent(Workspace& ws, UiPort& ui)
{
    model::Grid& timetable = ws.school.masterTimetable;
    const CellRef current = timetable.currentCell();
    if (!isClassSlot(timetable, current)) {
        ui.message(NothingPickedMessage, MessageButtons::Ok, {}, MessageIcon::Information);
        return;
    }
    if (refusedAsHeld(ws, ui, current))
        return;
    ui.showTab(MainTab::Scheduling);
    model::RedrawSuspender suspended(timetable);
    const Pick& pending = ws.session.pick;
    if (pending.count != 0 && pending.cell.row != current.row)
        model::clearRowMarks(timetable, pending.cell.row, ws.session.normalColours.back);
    pick(ws, current);
}

void dropAllMarks(Workspace& ws)
{
    model::Grid& timetable = ws.school.masterTimetable;
    model::RedrawSuspender suspended(timetable);
    model::clearMarks(timetable, ws.session.normalColours);
    if (ws.session.pick.count != 0)
        setPick(ws, {});
}

void swapLessons(Workspace& ws, CellRef first, CellRef second)
{
    model::Grid& timetable = ws.school.masterTimetable;
    if (!isClassSlot(timetable, first) || !isClassSlot(timetable, second) ||
        first.row != second.row || first == second)
        return;
    const SwapRules rules(ws);
    std::vector<SlotSwap> swaps = rules.swapsOf(first, second.column);
    if (swaps.empty())
        swaps = {{rules.rowsMoving(first.row, first.column, second.column), first.column,
                  second.column}};
    std::vector<model::CellExchange> exchanges;
    for (const SlotSwap& swap : swaps)
        for (const int row : swap.rows)
            exchanges.push_back({{row, swap.columnA}, {row, swap.columnB}});
    model::ExchangeStep step(SwapCaption, std::move(exchanges));
    model::doStep(step, timetable);
    refreshConflicts(ws);
    recordHandChange(ws, std::move(step));
}

} // namespace orve::adjust
