// The command 消除重课 on the open school: the optimiser runs over the master timetable as it
// stands, and its result goes back into the timetable as ONE step of the history, which
// undo takes back whole; the conflict list then names the lessons still double-booked. The
// window shows the progress and the closing message; orve-cli prints the figures.
#pragma once

#include "optimiser.h"

#include "scheduler/timetablecount.h"

#include <QString>
#include <QStringList>

namespace orve {
struct Workspace;
}

namespace orve::optimiser {

inline const QString RemoveDoubleBookingsCaption = QStringLiteral(u"消除重课");
inline const QString AllowMainAfternoonCaption = QStringLiteral(u"允许主课移出上午以消除重课");

struct OptimiseOutcome
{
    // The timetable's figures before and after, as orve-cli check counts them.
    scheduler::TimetableCount before;
    scheduler::TimetableCount after;
    OptimiserReport report;
    // The combined groups with lessons still unplaced, as a scheduling run lists them.
    QStringList unplacedCombined;
    // False when the timetable had no double booking, nothing unplaced and no rule broken:
    // nothing ran.
    bool ran = false;
    qint64 milliseconds = 0;
};

// `progress` may be null; `counted`, when given, holds the timetable's figures as the caller
// has just counted them (after a scheduling run), so they are not counted again.
OptimiseOutcome removeDoubleBookings(Workspace& ws, const OptimiserOptions& options,
                                     Progress* progress = nullptr,
                                     const scheduler::TimetableCount* counted = nullptr);

// The closing message.
QString outcomeMessage(const OptimiseOutcome& outcome, const OptimiserOptions& options);

} // namespace orve::optimiser
