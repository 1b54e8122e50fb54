#include "rulerecords.h"

#include "model/rules.h"
#include "readerror.h"
#include "recordtags.h"

#include <QStringList>
#include <optional>

namespace orve::fileio {

namespace {

const QString Space = QStringLiteral(" ");

QString number(int value)
{
    return QString::number(value);
}

// The fields of a value, from the right: `numbers` numbers after `names` names, the first name
// taking whatever is left (spaces included). None when a field is missing or not a number.
struct Fields
{
    QStringList names;
    std::vector<int> numbers;
};

std::optional<int> positiveNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value >= 1 ? std::optional<int>(value) : std::nullopt;
}

std::optional<Fields> splitFromTheRight(QStringView value, int names, int numbers)
{
    Fields fields;
    fields.numbers.resize(std::size_t(numbers));
    QStringView rest = value;
    const auto takeLast = [&rest]() -> std::optional<QStringView> {
        const qsizetype space = rest.lastIndexOf(u' ');
        if (space < 0)
            return std::nullopt;
        const QStringView field = rest.mid(space + 1);
        rest = rest.left(space);
        return field;
    };
    for (int i = numbers - 1; i >= 0; --i) {
        const std::optional<QStringView> field = takeLast();
        const std::optional<int> n = field ? positiveNumber(*field) : std::nullopt;
        if (!n)
            return std::nullopt;
        fields.numbers[std::size_t(i)] = *n;
    }
    for (int i = names - 1; i > 0; --i) {
        const std::optional<QStringView> field = takeLast();
        if (!field || field->isEmpty())
            return std::nullopt;
        fields.names.prepend(field->toString());
    }
    if (rest.isEmpty())
        return std::nullopt;
    fields.names.prepend(rest.toString());
    return fields;
}

} // namespace

void visitRuleRecords(const model::Rules& rules,
                      const std::function<void(const QString& value, QStringView tag)>& record)
{
    const auto periods = [&](const std::vector<model::PeriodRule>& list, QStringView tag) {
        for (const model::PeriodRule& rule : list)
            record(rule.name + Space + number(rule.day) + Space + number(rule.period), tag);
    };
    const auto counts = [&](const std::vector<model::CountRule>& list, QStringView tag) {
        for (const model::CountRule& rule : list)
            record(rule.name + Space + number(rule.count), tag);
    };
    periods(rules.teacherUnavailable, tags::TeacherUnavailable);
    periods(rules.courseUnavailable, tags::CourseUnavailable);
    counts(rules.venueCapacities, tags::VenueCapacity);
    counts(rules.courseDailyLimits, tags::CourseDailyLimit);
    counts(rules.teacherDailyLimits, tags::TeacherDailyLimit);
    for (const model::DoublePeriodRule& rule : rules.doublePeriods)
        record(rule.className + Space + rule.course + Space + number(rule.count),
               tags::DoublePeriods);
}

bool isRuleRecord(QStringView value)
{
    for (const QStringView tag :
         {tags::TeacherUnavailable, tags::CourseUnavailable, tags::VenueCapacity,
          tags::CourseDailyLimit, tags::TeacherDailyLimit, tags::DoublePeriods})
        if (value.endsWith(tag))
            return true;
    return false;
}

QString readRuleRecord(model::Rules& rules, const QString& value)
{
    const auto fields = [&](QStringView tag, int names, int numbers) {
        return splitFromTheRight(QStringView(value).chopped(tag.size()), names, numbers);
    };
    const auto periodRule = [&](std::vector<model::PeriodRule>& list, QStringView tag) {
        const std::optional<Fields> f = fields(tag, 1, 2);
        if (!f)
            return reasons::ruleUnreadable();
        list.push_back({f->names.at(0), f->numbers[0], f->numbers[1]});
        return QString();
    };
    const auto countRule = [&](std::vector<model::CountRule>& list, QStringView tag) {
        const std::optional<Fields> f = fields(tag, 1, 1);
        if (!f)
            return reasons::ruleUnreadable();
        list.push_back({f->names.at(0), f->numbers[0]});
        return QString();
    };
    if (value.endsWith(tags::TeacherUnavailable))
        return periodRule(rules.teacherUnavailable, tags::TeacherUnavailable);
    if (value.endsWith(tags::CourseUnavailable))
        return periodRule(rules.courseUnavailable, tags::CourseUnavailable);
    if (value.endsWith(tags::VenueCapacity))
        return countRule(rules.venueCapacities, tags::VenueCapacity);
    if (value.endsWith(tags::CourseDailyLimit))
        return countRule(rules.courseDailyLimits, tags::CourseDailyLimit);
    if (value.endsWith(tags::TeacherDailyLimit))
        return countRule(rules.teacherDailyLimits, tags::TeacherDailyLimit);
    const std::optional<Fields> f = fields(tags::DoublePeriods, 2, 1);
    if (!f || !value.endsWith(tags::DoublePeriods))
        return reasons::ruleUnreadable();
    rules.doublePeriods.push_back({f->names.at(0), f->names.at(1), f->numbers[0]});
    return QString();
}

} // namespace orve::fileio
