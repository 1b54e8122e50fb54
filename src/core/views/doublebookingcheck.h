// The check whether a teacher stands in two classes in one period slot. Teachers are taken in
// the order of the teacher list; the first one found double-booked is reported, and all of that
// teacher's lessons are shown sunken on the master timetable with the cursor in the first slot
// of the double booking. The classes of a combined group taught together in one slot are one
// lesson, as everywhere else in the program.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace orve {
class UiPort;
struct Workspace;
} // namespace orve

namespace orve::scheduler {
class CombinedGroups;
}

namespace orve::model {
class Grid;
} // namespace orve::model

namespace orve::views {

struct DoubleBooking
{
    QString teacher;
    int column = 0;        // the lowest slot column in which the teacher is double-booked
    std::vector<int> rows; // the class rows that hold the teacher there, top down
};

// Finds the double booking the check reports and sets the text styles and the cursor as the
// check leaves them: earlier check marks taken off (fixed marks kept), then the reported
// teacher's lessons marked and the current cell put on the first of them in the reported
// column. With no double booking nothing stays marked and the cursor ends in the last slot
// column, where the column scan stopped. Colours are not touched.
std::optional<DoubleBooking> markFirstDoubleBooking(model::Grid& timetable,
                                                    const QStringList& teachers,
                                                    const scheduler::CombinedGroups& groups);

// The menu command: marks as above (a pending swap pick is dropped with its colouring), then
// says "有重课" with the teacher, slot and classes in the status bar and the master timetable in
// front and focused, or "没有重课".
std::optional<DoubleBooking> checkDoubleBookings(Workspace& ws, UiPort& ui);

// The status-bar note of a double booking: "王芳：星期二第3节，初一(1)、初一(2)".
QString describeDoubleBooking(const model::Grid& timetable, const DoubleBooking& booking,
                              int periodsPerDay);

} // namespace orve::views
