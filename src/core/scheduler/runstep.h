// A scheduling run as one step of the history of changes made by hand: undone, it brings back
// the timetable as the run found it, with its styles and conflict list, and the steps before it
// stay, so an afternoon of hand work is never lost to one press of the run's key.
#pragma once

#include "model/exchangehistory.h"

#include <QString>

namespace orve {
struct Workspace;
}

namespace orve::scheduler {

inline const QString RunCaption = QStringLiteral(u"自动排课");
// Told in the status bar when the run replaced a timetable adjusted by hand.
inline const QString RescheduledMessage = QStringLiteral(u"已重新排课；按 Ctrl+U 可撤销。");

class RunStep
{
public:
    // Keeps the timetable as the run finds it, without the colours of a pick or a view.
    explicit RunStep(const Workspace& ws);

    // Whether the timetable held changes made by hand since the last run or Open.
    bool replacesHandChanges() const { return replacesHandChanges_; }

    // The run is done: its timetable and conflict list become the newest step of the history.
    void record(Workspace& ws);

private:
    model::TimetableReplacement replaced_;
    bool replacesHandChanges_ = false;
};

} // namespace orve::scheduler
