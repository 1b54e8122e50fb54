#include "daysplit.h"

#include <QRegularExpression>
#include <optional>

namespace orve::exchange {

namespace {

enum class Part { Morning, Afternoon, Evening };

constexpr int Noon = 12 * 60;
constexpr int SixPm = 18 * 60;
constexpr int MostMorningPeriods = 5;
constexpr int MostAfternoonPeriods = 5;

std::optional<Part> partOf(const QString& name)
{
    if (name.contains(u"上午") || name.contains(u"早"))
        return Part::Morning;
    if (name.contains(u"下午") || name.contains(u"中午"))
        return Part::Afternoon;
    if (name.contains(u"晚"))
        return Part::Evening;
    static const QRegularExpression clock(QStringLiteral(u"(\\d{1,2})\\s*[:.：]\\s*(\\d{2})"));
    const QRegularExpressionMatch match = clock.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const int minutes = match.captured(1).toInt() * 60 + match.captured(2).toInt();
    if (minutes < Noon)
        return Part::Morning;
    return minutes < SixPm ? Part::Afternoon : Part::Evening;
}

DaySplit counted(int hours)
{
    DaySplit split;
    split.morning = std::min((hours + 1) / 2, MostMorningPeriods);
    split.afternoon = std::min(hours - split.morning, MostAfternoonPeriods);
    split.evening = hours - split.morning - split.afternoon;
    return split;
}

} // namespace

DaySplit splitDay(const QStringList& hourNames)
{
    DaySplit split;
    std::optional<Part> previous;
    for (const QString& name : hourNames) {
        const std::optional<Part> part = partOf(name);
        // A part unknown or out of the day's order: the names do not tell it.
        if (!part || (previous && int(*part) < int(*previous)))
            return counted(int(hourNames.size()));
        previous = part;
        ++(*part == Part::Morning     ? split.morning
           : *part == Part::Afternoon ? split.afternoon
                                      : split.evening);
    }
    split.fromNames = !hourNames.isEmpty();
    // The morning field counts from 1: a day that starts in the afternoon is counted instead.
    return split.morning > 0 ? split : counted(int(hourNames.size()));
}

} // namespace orve::exchange
