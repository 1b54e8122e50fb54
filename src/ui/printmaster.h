// The print command's part that needs widgets: shows the print window and fills it from the
// master timetable.
#pragma once

#include <QString>
#include <functional>

namespace orve::model {
class Grid;
}

namespace orve::ui {

class PrintWindow;

// Shows the print window and refills its sheet from the master timetable, whose redrawing is
// off meanwhile; `days` is the rounded number of the days field. `letEventsRun` runs pending
// events during the copy; the window takes no commands until it is filled.
void printMasterTimetable(PrintWindow& window, model::Grid& masterTimetable, int days,
                          int periodsPerDay, const QString& title,
                          const std::function<void()>& letEventsRun);

} // namespace orve::ui
