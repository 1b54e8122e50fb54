#include "lessonswap.h"

#include "forcedswap.h"
#include "handchanges.h"
#include "swappabledisplay.h"

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

ClickResult secondClick(Workspace& ws, UiPort& ui, CellRef cell, scheduler::RandomSource& random,
                        const QString& notSwappable)
{
    model::Grid& timetable = ws.school.masterTimetable;
    const CellRef picked = ws.session.pick.cell;
    const model::Colour normalBack = ws.session.normalColours.back;
    if (cell == picked) {
        model::clearRowMarks(timetable, cell.row, normalBack);
        setPick(ws, {});
        return ClickResult::Unpicked;
    }
    if (cell.row != picked.row) {
        ui.message(OtherClassMessage, MessageButtons::Ok);
        return ClickResult::Refused;
    }
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
        showSwappableLessons(timetable, cell);
        setPick(ws, {1, cell});
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
    ui.showTab(MainTab::Scheduling);
    model::RedrawSuspender suspended(timetable);
    const Pick& pending = ws.session.pick;
    if (pending.count != 0 && pending.cell.row != current.row)
        model::clearRowMarks(timetable, pending.cell.row, ws.session.normalColours.back);
    showSwappableLessons(timetable, current);
    setPick(ws, {1, current});
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
    if (!isClassSlot(timetable, first) || !isClassSlot(timetable, second) || first == second)
        return;
    timetable.swapCells(first, second);
    refreshConflicts(ws);
    recordHandChange(ws, {SwapCaption, {{first, second}}});
}

} // namespace orve::adjust
