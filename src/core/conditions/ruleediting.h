// The editing of the school's rules from the window: the periods a teacher or a course is kept
// out of, and a shared venue's capacity. Each command changes the rules once and announces it
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

// The most lessons the venue holds at once; 0 when it has no capacity (not checked).
int venueCapacity(const model::Rules& rules, const QString& venue);
// 0 takes the capacity away; other values are clamped to 1–MaxRuleCount.
void setVenueCapacity(Workspace& ws, const QString& venue, int capacity);

} // namespace orve::conditions
