// The school as one value: everything a course-settings file saves. New and Open replace it
// by one assignment; an undo step or an optimiser may keep a copy.
#pragma once

#include "combinedtree.h"
#include "grid.h"
#include "rules.h"
#include "weekstructure.h"

#include <QString>
#include <QStringList>

namespace orve::model {

struct School
{
    School();

    WeekStructure week;

    // The name lists, in the user's order.
    QStringList classes;
    QStringList courses;
    QStringList teachers;
    QStringList venues; // shared venues

    // The teaching plan: one row per class and course, class by class, under a header row.
    Grid plan;

    // Combined lessons (class, U+F8F5, course) and the groups of them taught together.
    QStringList combinedLessons;
    CombinedTree combinedGroups;

    // Lessons fixed in advance and periods kept free: "class course day period".
    QStringList fixedLessons;

    QString title;

    // Teachers' and courses' unavailable periods, venue capacities, daily limits, double
    // periods.
    Rules rules;

    // One row per class under the day and period headers, one column per period of the week.
    Grid masterTimetable;
};

// The parts of a school that change apart; the notifier names each in its own signal.
enum class SchoolPart { Week, Lists, Plan, Conditions, Title, Timetable };
inline constexpr int SchoolPartCount = 6;

// Whether two schools hold the same in `part` as a course-settings file stores it: texts, not
// the marks and measures of the grids.
bool samePart(const School& a, const School& b, SchoolPart part);

} // namespace orve::model
