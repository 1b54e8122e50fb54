#include "handchanges.h"

#include "model/cellmarks.h"
#include "model/grid.h"
#include "model/layouts.h"
#include "model/slots.h"
#include "scheduler/combinedgroups.h"
#include "scheduler/conflictlist.h"
#include "scheduler/doublebookings.h"
#include "scheduler/teacherindex.h"
#include "scheduler/timetablerules.h"
#include "uiport.h"
#include "workspace.h"

#include <vector>

namespace orve::adjust {

namespace {

using model::CellRef;

enum class Direction { Undo, Redo };

// Undo and redo share everything but the history's own call. A step that replaced the
// timetable brings back the conflict list that went with the timetable it restores.
bool takeStep(Workspace& ws, UiPort& ui, Direction direction)
{
    model::Grid& timetable = ws.school.masterTimetable;
    model::RedrawSuspender suspended(timetable);
    ws.dropPick();
    model::clearMarks(timetable, ws.session.normalColours);
    model::ExchangeHistory& history = ws.session.history;
    const model::ExchangeStep* step =
        direction == Direction::Undo ? history.undo(timetable) : history.redo(timetable);
    if (!step)
        return false;
    if (const auto& replaced = step->replacement) {
        ws.session.conflicts =
            direction == Direction::Undo ? replaced->conflictsBefore : replaced->conflictsAfter;
        emit ws.notifier.conflictsChanged();
    }
    refreshConflicts(ws);
    ui.showTab(MainTab::Scheduling);
    emit ws.notifier.historyChanged();
    return true;
}

} // namespace

void updateConflicts(Workspace& ws, const scheduler::TeacherIndex& index,
                     const scheduler::CombinedGroups& groups)
{
    model::Conflicts list = ws.session.conflicts;
    scheduler::updateConflictList(list, index, groups);
    if (list != ws.session.conflicts) {
        ws.session.conflicts = std::move(list);
        emit ws.notifier.conflictsChanged();
    }
}

void refreshConflicts(Workspace& ws)
{
    scheduler::TimetableRules rules(ws.school, ws.periodsPerDay());
    scheduler::TeacherIndex index(ws.school.masterTimetable, scheduler::CellReading::Bookings);
    if (!rules.book().empty())
        index.attachRules(rules);
    updateConflicts(ws, index, rules.groups());
}

void recordHandChange(Workspace& ws, model::ExchangeStep step)
{
    if (step.empty())
        return;
    ws.session.history.record(std::move(step));
    emit ws.notifier.historyChanged();
}

bool undoHandChange(Workspace& ws, UiPort& ui)
{
    return takeStep(ws, ui, Direction::Undo);
}

bool redoHandChange(Workspace& ws, UiPort& ui)
{
    return takeStep(ws, ui, Direction::Redo);
}

QString describeCell(const Workspace& ws, CellRef at)
{
    const model::Grid& timetable = ws.school.masterTimetable;
    const model::Slot slot = model::slotOfColumn(at.column, ws.session.periodsPerDay);
    return QStringLiteral(u"%1 %2第%3节 %4")
        .arg(timetable.text({at.row, model::ClassNameColumn}), model::masterDayName(slot.day - 1),
             QString::number(slot.period), timetable.text(at));
}

} // namespace orve::adjust
