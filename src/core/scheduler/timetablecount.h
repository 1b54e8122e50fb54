// The figures of a finished timetable, for batch use (orve-cli schedule and check print them):
// how much of the plan stands in the master timetable and how many double bookings are left.
#pragma once

#include <QStringView>

namespace orve {
struct Workspace;
}

namespace orve::scheduler {

struct TimetableCount
{
    int classes = 0;
    int slots_per_week = 0;
    int periods_planned = 0; // periods per week of every plan row of a listed class
    int lessons_placed = 0;  // lesson cells in the class rows ("空课" is no lesson)
    int unplaced = 0;        // per class: planned periods the row does not hold
    // (slot, teacher) pairs where the teacher stands in two or more class rows; the classes
    // of one combined group taught together count once.
    int double_bookings = 0;
    int conflict_entries_left = 0;
};

TimetableCount countTimetable(const Workspace& ws);

} // namespace orve::scheduler
