// Changes made by hand on the master timetable as steps of the session's history: recording
// one, undoing and redoing it. Every such change also brings the conflict list up to date, so
// the list on the scheduling tab names the double bookings that are there now.
#pragma once

#include "model/exchangehistory.h"

#include <QStringList>

namespace orve {
struct Workspace;
class UiPort;
} // namespace orve

namespace orve::scheduler {
class CombinedGroups;
class TeacherIndex;
} // namespace orve::scheduler

namespace orve::adjust {

inline const QString SwapCaption = QStringLiteral(u"调课");
inline const QString ForcedSwapCaption = QStringLiteral(u"强行调课");

// Keeps in the conflict list, in their order, the lessons still double-booked or breaking a
// rule (each entry written afresh for what its cell holds now) and adds every other such lesson
// after them; tells the views when the list changed. The index reads bookings.
void updateConflicts(Workspace& ws, const scheduler::TeacherIndex& index,
                     const scheduler::CombinedGroups& groups);

// updateConflicts over an index of the master timetable as it stands.
void refreshConflicts(Workspace& ws);

// The step becomes the newest of the history (an empty step is not kept).
void recordHandChange(Workspace& ws, model::ExchangeStep step);

// Takes back (or does again) the newest step: a pending pick and every mark are dropped
// first, the scheduling tab is shown, the conflict list follows. False when there is none.
bool undoHandChange(Workspace& ws, UiPort& ui);
bool redoHandChange(Workspace& ws, UiPort& ui);

// "初一(1) 星期二第4节 语文  张三": a class-row cell as the user knows it.
QString describeCell(const Workspace& ws, model::CellRef at);

} // namespace orve::adjust
