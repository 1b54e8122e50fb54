// Generated schools for benchmarks: class, course and teacher lists, the week structure and a
// full teaching plan, the same for the same shape every time.
#pragma once

#include <QtGlobal>

namespace orve {
struct Workspace;
}
namespace orve::model {
struct School;
}

namespace orve::bench {

struct SchoolShape
{
    int classes = 150;
    int courses = 15;
    int days = 7;
    int morningPeriods = 4;
    int afternoonPeriods = 4;
    int eveningPeriods = 2;
    int classesPerTeacher = 3; // one teacher takes a course in this many classes
    double load = 0.9;         // planned periods per class as a share of the week's slots
};

// Replaces the workspace's lists, week fields and teaching plan by a generated school.
void generateSchool(Workspace& ws, const SchoolShape& shape);

// Lays out the master timetable for the week and puts a lesson into every slot of every class,
// the courses and teachers taken in turn.
void fillTimetable(Workspace& ws);

// Keeps every teacher out of `share` of the week's periods, drawn from `seed`, as a
// part-time staff would be: the same school always gets the same rules.
void keepTeachersOut(Workspace& ws, double share, quint64 seed);

// The daily rules most schools keep: every course at most ceil(periods / days) lessons a day
// in the class that has most of it (at least 2 for a course with double periods, which are
// two lessons of one day), and one double period for every class course of 4 or more periods
// a week. Replaces the school's course maxima and double periods.
void addDailyRules(model::School& school);

} // namespace orve::bench
