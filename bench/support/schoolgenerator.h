// Generated schools for benchmarks: class, course and teacher lists, the week structure and a
// full teaching plan, the same for the same shape every time.
#pragma once

namespace orve {
struct Workspace;
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

} // namespace orve::bench
