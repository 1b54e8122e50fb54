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
    for (const model::CountRule& rule : rules.venueCapacities)
        if (rule.name == venue)
            return rule.count;
    return 0;
}

void setVenueCapacity(Workspace& ws, const QString& venue, int capacity)
{
    if (venue.isEmpty() || capacity == venueCapacity(ws.school.rules, venue))
        return;
    std::vector<model::CountRule>& list = ws.school.rules.venueCapacities;
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&](const model::CountRule& rule) { return rule.name == venue; });
    if (capacity <= 0) {
        list.erase(found);
    } else {
        capacity = std::min(capacity, model::MaxRuleCount);
        if (found == list.end())
            list.push_back({venue, capacity});
        else
            found->count = capacity;
    }
    emit ws.notifier.conditionsChanged();
}

} // namespace orve::conditions
