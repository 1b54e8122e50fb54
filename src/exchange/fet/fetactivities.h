// FET's activities as rows of the teaching plan: the periods of one class's subject summed
// over its activities (each sub-activity of a split activity is one), the first teacher kept,
// an activity of several classes with one teacher made a combined group. An activity that
// does not fit the plan is left out and counted.
#pragma once

#include "fetclasses.h"
#include "fetfile.h"

#include <QHash>
#include <QStringList>
#include <vector>

namespace orve::exchange {

// One class and course of the plan.
struct FetPlanRow
{
    QString className;
    QString course;
    QString teacher;
    int periods = 0;
    bool main = false;
    int group = 0; // the combined group, from 1; 0 when the class takes the course alone
};

// Where a carried activity went: its classes and course.
struct CarriedActivity
{
    QStringList classes;
    QString course;
    int duration = 1;
};

// The activities left out or changed, by why, each with one example.
struct ActivityTally
{
    int count = 0;
    QString example; // "5aMF 的 RE"
};

struct FetPlan
{
    std::vector<FetPlanRow> rows;        // in the order the activities name them
    QHash<int, CarriedActivity> carried; // by FET's activity id
    int groups = 0;
    ActivityTally inactive;
    ActivityTally withoutStudents;
    ActivityTally partOfClass;
    ActivityTally conflicting; // another teacher or other classes than an earlier activity
    ActivityTally moreTeachers;
    ActivityTally longer; // a duration above one period
};

// `courses` and `teachers` give this program's names of FET's subjects and teachers.
FetPlan planOfActivities(const std::vector<FetActivity>& activities, const FetClasses& classes,
                         NameFitter& courses, NameFitter& teachers);

// The tag that marks a main course; the FET export writes it on main courses' activities.
QString mainCourseTag();

} // namespace orve::exchange
