#include "ruleediting.h"

#include "workspace.h"

#include <algorithm>

namespace orve::conditions {

namespace {

// The list of either subject, of Rules or const Rules.
template <typename RulesT>
auto& listOf(RulesT& rules, KeptOutSubject subject)
{
    return subject == KeptOutSubject::Teacher ? rules.teacherUnavailable
                                              : rules.courseUnavailable;
}

template <typename RulesT>
auto& dailyLimitsOf(RulesT& rules, DailyLimitSubject subject)
{
    return subject == DailyLimitSubject::Course ? rules.courseDailyLimits
                                                : rules.teacherDailyLimits;
}

auto named(const QString& name)
{
    return [&name](const model::CountRule& rule) { return rule.name == name; };
}

auto classCourse(const QString& className, const QString& course)
{
    return [&className, &course](const model::DoublePeriodRule& rule) {
        return rule.className == className && rule.course == course;
    };
}

// The count of the last rule that matches, as the run reads it; 0 without one.
template <typename Rule, typename Matches>
int countOf(const std::vector<Rule>& list, Matches matches)
{
    const auto found = std::find_if(list.rbegin(), list.rend(), matches);
    return found == list.rend() ? 0 : found->count;
}

// Gives the first matching rule the count and drops the later ones, adds the rule when none
// matches, or takes every matching one away for 0; a change is told once.
template <typename Rule, typename Matches>
void setCount(Workspace& ws, std::vector<Rule>& list, Matches matches, Rule rule, int count)
{
    count = std::clamp(count, 0, model::MaxRuleCount);
    const std::vector<Rule> before = list;
    const auto found = std::find_if(list.begin(), list.end(), matches);
    if (count == 0) {
        list.erase(std::remove_if(found, list.end(), matches), list.end());
    } else if (found == list.end()) {
        rule.count = count;
        list.push_back(std::move(rule));
    } else {
        found->count = count;
        list.erase(std::remove_if(std::next(found), list.end(), matches), list.end());
    }
    if (list != before)
        emit ws.notifier.conditionsChanged();
}

} // namespace

const std::vector<model::PeriodRule>& keptOutRules(const model::Rules& rules,
                                                   KeptOutSubject subject)
{
    return listOf(rules, subject);
}

bool isKeptOut(const model::Rules& rules, KeptOutSubject subject, const QString& name,
               DayPeriod at)
{
    const model::PeriodRule wanted{name, at.day, at.period};
    const std::vector<model::PeriodRule>& list = keptOutRules(rules, subject);
    return std::find(list.begin(), list.end(), wanted) != list.end();
}

void setKeptOut(Workspace& ws, KeptOutSubject subject, const QString& name,
                const std::vector<DayPeriod>& periods, bool keptOut)
{
    if (name.isEmpty())
        return;
    std::vector<model::PeriodRule>& list = listOf(ws.school.rules, subject);
    const std::vector<model::PeriodRule> before = list;
    for (const DayPeriod& at : periods) {
        const model::PeriodRule rule{name, at.day, at.period};
        const auto found = std::find(list.begin(), list.end(), rule);
        if (keptOut && found == list.end())
            list.push_back(rule);
        else if (!keptOut && found != list.end())
            list.erase(found);
    }
    if (list != before)
        emit ws.notifier.conditionsChanged();
}

int venueCapacity(const model::Rules& rules, const QString& venue)
{
    return countOf(rules.venueCapacities, named(venue));
}

void setVenueCapacity(Workspace& ws, const QString& venue, int capacity)
{
    if (!venue.isEmpty())
        setCount(ws, ws.school.rules.venueCapacities, named(venue),
                 model::CountRule{venue, 0}, capacity);
}

int dailyLimit(const model::Rules& rules, DailyLimitSubject subject, const QString& name)
{
    return countOf(dailyLimitsOf(rules, subject), named(name));
}

void setDailyLimit(Workspace& ws, DailyLimitSubject subject, const QString& name, int limit)
{
    if (!name.isEmpty())
        setCount(ws, dailyLimitsOf(ws.school.rules, subject), named(name),
                 model::CountRule{name, 0}, limit);
}

int doublePeriods(const model::Rules& rules, const QString& className, const QString& course)
{
    return countOf(rules.doublePeriods, classCourse(className, course));
}

void setDoublePeriods(Workspace& ws, const QString& className, const QString& course, int count)
{
    if (!className.isEmpty() && !course.isEmpty())
        setCount(ws, ws.school.rules.doublePeriods, classCourse(className, course),
                 model::DoublePeriodRule{className, course, 0}, count);
}

} // namespace orve::conditions
