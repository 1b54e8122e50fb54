#include "fixedlessonentry.h"

#include "model/numbers.h"
#include "scheduler/entryfields.h"

#include <limits>

namespace orve::conditions {

namespace {

QStringView withoutTrailingBlanks(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.left(end);
}

int entryNumber(QStringView text)
{
    return model::leadingInteger(text, std::numeric_limits<int>::min(),
                                 std::numeric_limits<int>::max());
}

} // namespace

QString fixedEntryText(QStringView className, QStringView course, int day, int period)
{
    QString text;
    text.reserve(className.size() + course.size() + 8);
    text.append(className).append(u' ').append(course).append(u' ');
    text.append(QString::number(day)).append(u' ').append(QString::number(period));
    return text;
}

std::optional<FixedLessonEntry> parseFixedEntry(QStringView entry)
{
    const std::optional<QStringView> className = scheduler::qzf(entry, 1);
    const std::optional<QStringView> course = scheduler::qzf(entry, 2);
    const std::optional<QStringView> day = scheduler::qzf(entry, 3);
    if (!className || !course || !day)
        return std::nullopt;
    return FixedLessonEntry{withoutTrailingBlanks(*className), withoutTrailingBlanks(*course),
                            entryNumber(*day), entryNumber(scheduler::entryPeriodText(entry))};
}

} // namespace orve::conditions
