// The week structure: the four week fields as the user typed them, and what the program reads
// from them (periods per day, days per week), kept within bounds no real school reaches.
#pragma once

#include <QString>

namespace orve::model {

// The layouts never go beyond these, whatever is typed into the fields: a week of at most
// 14 days of at most 30 periods keeps every timetable grid small.
inline constexpr int MaxPeriodsPerDay = 30;
inline constexpr int MaxDaysPerWeek = 14;

struct WeekStructure
{
    // The four fields as typed.
    QString morning = QStringLiteral("3");   // periods in the morning
    QString afternoon = QStringLiteral("2"); // periods in the afternoon
    QString evening = QStringLiteral("0");   // periods in the evening
    QString days = QStringLiteral("5");      // days per week

    int morningPeriods() const;
    int afternoonPeriods() const;
    // N: the rounded sum of the three period fields.
    int periodsPerDay() const;
    // D: the rounded number in the days field.
    int daysPerWeek() const;
    // True when the fields ask for more than the layouts will lay out.
    bool exceedsBounds() const;
};

enum class WeekField { Morning, Afternoon, Evening, Days };

QString& weekField(WeekStructure& week, WeekField field);
const QString& weekField(const WeekStructure& week, WeekField field);

// What a spin button makes of its field: the field's number stepped by `delta` and kept within
// the spin limits.
QString spinStep(const QString& text, int delta, int low, int high);

} // namespace orve::model
