#include "fixedlessonentry.h"

#include "numbers.h"

#include <limits>

namespace orve::model {

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
    return leadingInteger(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
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
    const std::optional<QStringView> className = entryField(entry, 1);
    const std::optional<QStringView> course = entryField(entry, 2);
    const std::optional<QStringView> day = entryField(entry, 3);
    if (!className || !course || !day)
        return std::nullopt;
    // The period is read from the entry's last two characters.
    return FixedLessonEntry{withoutTrailingBlanks(*className), withoutTrailingBlanks(*course),
                            entryNumber(*day), entryNumber(entry.right(2))};
}

std::optional<QStringView> entryField(QStringView entry, int field)
{
    const qsizetype first = entry.indexOf(u' ');
    if (first < 0)
        return std::nullopt;
    if (field == 1)
        return entry.left(first + 1);
    const qsizetype second = entry.indexOf(u' ', first + 1);
    if (second < 0)
        return std::nullopt;
    if (field == 2)
        return entry.mid(first + 1, second - first);
    if (field == 3)
        return entry.mid(second + 1, 2);
    return std::nullopt;
}

} // namespace orve::model
