// The editing of the school's rules from the window: the periods a teacher or a course is kept
// out of, a shared venue's capacity, a course's and a teacher's most lessons a day and a class
// course's double periods. Each command changes the rules once and announces it
// as a change of the conditions, so the window, the counts and the modified flag follow.
#pragma once

#include "model/rules.h"

#include <QString>
#include <vector>

namespace orve {
struct Workspace;
}

namespace orve::conditions {

// Whose periods an editor shows: a teacher's ("jsbp") or a course's ("kcbp").
enum class KeptOutSubject { Teacher, Course };

struct DayPeriod
{
    int day = 0;    // from 1
    int period = 0; // from 1
};

const std::vector<model::PeriodRule>& keptOutRules(const model::Rules& rules,
                                                   KeptOutSubject subject);
bool isKeptOut(const model::Rules& rules, KeptOutSubject subject, const QString& name,
               DayPeriod at);

// Keeps the name out of every one of the periods, or lets it into every one. New rules go
// after the ones already entered.
void setKeptOut(Workspace& ws, KeptOutSubject subject, const QString& name,
                const std::vector<DayPeriod>& periods, bool keptOut);

// The counts below read 0 when there is no rule; a later rule of the same name counts, as in
// the run. Setting 0 takes the rule away; other values are clamped to 1–MaxRuleCount, and a new
// rule goes after the ones already entered.

// The most lessons the venue holds at once (0: not checked).
int venueCapacity(const model::Rules& rules, const QString& venue);
void setVenueCapacity(Workspace& ws, const QString& venue, int capacity);

// A course's most lessons a day in each class ("kcts") or a teacher's ("jsts").
enum class DailyLimitSubject { Course, Teacher };
int dailyLimit(const model::Rules& rules, DailyLimitSubject subject, const QString& name);
void setDailyLimit(Workspace& ws, DailyLimitSubject subject, const QString& name, int limit);

// The double periods of the course a week the class's own rule asks for ("ltks"); the class may
// be "全体班级", which sets them for every class whose plan has the course unless the class has
// a rule of its own.
int doublePeriods(const model::Rules& rules, const QString& className, const QString& course);
void setDoublePeriods(Workspace& ws, const QString& className, const QString& course, int count);

} // namespace orve::conditions
