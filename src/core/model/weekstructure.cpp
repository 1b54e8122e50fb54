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
    return leadingInteger(Text1, 0, MaxPeriodsPerDay);
}

int WeekStructure::afternoonPeriods() const
{
    return leadingInteger(Text2, 0, MaxPeriodsPerDay);
}

int WeekStructure::periodsPerDay() const
{
    const double sum = leadingNumber(Text1) + leadingNumber(Text2) + leadingNumber(Text4);
    return roundHalfEven(sum, 0, MaxPeriodsPerDay);
}

int WeekStructure::daysPerWeek() const
{
    return leadingInteger(Text8, 0, MaxDaysPerWeek);
}

bool WeekStructure::exceedsBounds() const
{
    const double sum = leadingNumber(Text1) + leadingNumber(Text2) + leadingNumber(Text4);
    return roundHalfEven(sum, 0, int16Max) > MaxPeriodsPerDay ||
           leadingInteger(Text8, 0, int16Max) > MaxDaysPerWeek;
}

QString spinStep(const QString& text, int delta, int low, int high)
{
    const int value = leadingInteger(text, -int16Max, int16Max);
    return QString::number(std::clamp(value + delta, low, high));
}

} // namespace orve::model
