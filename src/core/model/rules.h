// The rules a school sets beyond the plan, as the school keeps them: periods in which a teacher
// cannot teach or a course may not stand, how many lessons a shared venue holds at once, a
// course's and a teacher's most lessons a day, and the double periods a class course needs.
// Each list keeps the order the user entered it in; names are kept as written, so a rule of a
// name no list holds is kept (and binds nothing) until the name comes back or the rule goes.
#pragma once

#include <QString>
#include <vector>

namespace orve::model {

// A teacher or a course kept out of one period: day and period from 1.
struct PeriodRule
{
    QString name;
    int day = 0;
    int period = 0;
    bool operator==(const PeriodRule& other) const
    {
        return name == other.name && day == other.day && period == other.period;
    }
};

// A venue's capacity, or a course's or a teacher's most lessons a day.
struct CountRule
{
    QString name;
    int count = 0;
    bool operator==(const CountRule& other) const
    {
        return name == other.name && count == other.count;
    }
};

// How many double periods of a course a class needs a week; the class may be "全体班级".
struct DoublePeriodRule
{
    QString className;
    QString course;
    int count = 0;
    bool operator==(const DoublePeriodRule& other) const
    {
        return className == other.className && course == other.course && count == other.count;
    }
};

inline constexpr int MaxRuleCount = 99;

// Whose name a rule holds.
enum class RuleSubject { Class, Course, Teacher, Venue };

struct Rules
{
    std::vector<PeriodRule> teacherUnavailable;
    std::vector<PeriodRule> courseUnavailable;
    std::vector<CountRule> venueCapacities;
    std::vector<CountRule> courseDailyLimits;
    std::vector<CountRule> teacherDailyLimits;
    std::vector<DoublePeriodRule> doublePeriods;

    bool empty() const
    {
        return teacherUnavailable.empty() && courseUnavailable.empty() && venueCapacities.empty() &&
               courseDailyLimits.empty() && teacherDailyLimits.empty() && doublePeriods.empty();
    }
    std::size_t size() const
    {
        return teacherUnavailable.size() + courseUnavailable.size() + venueCapacities.size() +
               courseDailyLimits.size() + teacherDailyLimits.size() + doublePeriods.size();
    }
    bool operator==(const Rules& other) const
    {
        return teacherUnavailable == other.teacherUnavailable &&
               courseUnavailable == other.courseUnavailable &&
               venueCapacities == other.venueCapacities &&
               courseDailyLimits == other.courseDailyLimits &&
               teacherDailyLimits == other.teacherDailyLimits &&
               doublePeriods == other.doublePeriods;
    }
};

// How many rules hold the name as a subject of that kind.
int rulesNaming(const Rules& rules, RuleSubject subject, const QString& name);
// Rules follow a renamed class, course, teacher or venue, and go with a deleted one.
void renameInRules(Rules& rules, RuleSubject subject, const QString& from, const QString& to);
void removeFromRules(Rules& rules, RuleSubject subject, const QString& name);

} // namespace orve::model
