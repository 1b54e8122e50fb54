// Period-slot addressing shared by every part that touches a timetable.
//  Master timetable: row 0 day names, row 1 period numbers, row r >= 2 the class at list
//  position r - 2; column 0 class names, slot column c >= 1 = (day - 1) x N + period.
//  Fixed-lesson grid: row = period, column = day.
#pragma once

namespace orve::model {

inline constexpr int DayHeaderRow = 0;
inline constexpr int PeriodHeaderRow = 1;
inline constexpr int FirstClassRow = 2;
inline constexpr int ClassNameColumn = 0;

struct Slot
{
    int day = 0;    // from 1
    int period = 0; // from 1
    bool operator==(const Slot& other) const
    {
        return day == other.day && period == other.period;
    }
};

inline constexpr int slotColumn(Slot slot, int periodsPerDay)
{
    return (slot.day - 1) * periodsPerDay + slot.period;
}

// Day {0, 0} when there are no periods or the column is not a slot column.
inline constexpr Slot slotOfColumn(int column, int periodsPerDay)
{
    if (periodsPerDay <= 0 || column < 1)
        return {};
    return {(column - 1) / periodsPerDay + 1, (column - 1) % periodsPerDay + 1};
}

inline constexpr int classRow(int classIndex) { return classIndex + FirstClassRow; }
inline constexpr int classIndexOfRow(int row) { return row - FirstClassRow; }

} // namespace orve::model
