// The figures of a finished timetable, for batch use (orve-cli schedule and check print them):
// how much of the plan stands in the master timetable, how many double bookings are left and
// how many lessons break a rule.
#pragma once

#include "conditions/rulebook.h"

#include <QStringView>
#include <array>

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
    int unplaced = 0;        // per class and course: planned periods the row does not hold
    // (slot, teacher) pairs where the teacher stands in two or more class rows; the classes
    // of one combined group taught together count once.
    int double_bookings = 0;
    int conflict_entries_left = 0;
    // Lessons that break a rule, by kind (conditions::RuleKind).
    std::array<int, conditions::RuleKindCount> rule_violations{};
    int ruleViolationTotal() const;
};

TimetableCount countTimetable(const Workspace& ws);

} // namespace orve::scheduler
