#include "weekstructure.h"

#include "numbers.h"

#include <algorithm>
#include <limits>

namespace orve::model {

namespace {
constexpr int int16Max = std::numeric_limits<qint16>::max();
}

int WeekStructure::morningPeriods() const
{
    return leadingInteger(morning, 0, MaxPeriodsPerDay);
}

int WeekStructure::afternoonPeriods() const
{
    return leadingInteger(afternoon, 0, MaxPeriodsPerDay);
}

int WeekStructure::periodsPerDay() const
{
    const double sum = leadingNumber(morning) + leadingNumber(afternoon) + leadingNumber(evening);
    return roundHalfEven(sum, 0, MaxPeriodsPerDay);
}

int WeekStructure::daysPerWeek() const
{
    return leadingInteger(days, 0, MaxDaysPerWeek);
}

bool WeekStructure::exceedsBounds() const
{
    const double sum = leadingNumber(morning) + leadingNumber(afternoon) + leadingNumber(evening);
    return roundHalfEven(sum, 0, int16Max) > MaxPeriodsPerDay ||
           leadingInteger(days, 0, int16Max) > MaxDaysPerWeek;
}

QString spinStep(const QString& text, int delta, int low, int high)
{
    const int value = leadingInteger(text, -int16Max, int16Max);
    return QString::number(std::clamp(value + delta, low, high));
}

namespace {
template <typename Week> auto& fieldOf(Week& week, WeekField field)
{
    switch (field) {
    case WeekField::Afternoon:
        return week.afternoon;
    case WeekField::Evening:
        return week.evening;
    case WeekField::Days:
        return week.days;
    case WeekField::Morning:
        break;
    }
    return week.morning;
}
} // namespace

QString& weekField(WeekStructure& week, WeekField field)
{
    return fieldOf(week, field);
}

const QString& weekField(const WeekStructure& week, WeekField field)
{
    return fieldOf(week, field);
}

} // namespace orve::model
