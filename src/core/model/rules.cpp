#include "rules.h"

#include <algorithm>

namespace orve::model {

namespace {

// Calls field(list, member) for every list of rules whose `member` holds a name of the
// subject's kind; `RulesT` is Rules or const Rules.
template <typename RulesT, typename Field>
void forEachField(RulesT& rules, RuleSubject subject, Field&& field)
{
    switch (subject) {
    case RuleSubject::Class:
        field(rules.doublePeriods, &DoublePeriodRule::className);
        break;
    case RuleSubject::Course:
        field(rules.courseUnavailable, &PeriodRule::name);
        field(rules.courseDailyLimits, &CountRule::name);
        field(rules.doublePeriods, &DoublePeriodRule::course);
        break;
    case RuleSubject::Teacher:
        field(rules.teacherUnavailable, &PeriodRule::name);
        field(rules.teacherDailyLimits, &CountRule::name);
        break;
    case RuleSubject::Venue:
        field(rules.venueCapacities, &CountRule::name);
        break;
    }
}

} // namespace

int rulesNaming(const Rules& rules, RuleSubject subject, const QString& name)
{
    int count = 0;
    forEachField(rules, subject, [&](const auto& list, auto member) {
        count += int(std::count_if(list.begin(), list.end(),
                                   [&](const auto& rule) { return rule.*member == name; }));
    });
    return count;
}

void renameInRules(Rules& rules, RuleSubject subject, const QString& from, const QString& to)
{
    forEachField(rules, subject, [&](auto& list, auto member) {
        for (auto& rule : list)
            if (rule.*member == from)
                rule.*member = to;
    });
}

void removeFromRules(Rules& rules, RuleSubject subject, const QString& name)
{
    forEachField(rules, subject, [&](auto& list, auto member) {
        list.erase(std::remove_if(list.begin(), list.end(),
                                  [&](const auto& rule) { return rule.*member == name; }),
                   list.end());
    });
}

} // namespace orve::model
