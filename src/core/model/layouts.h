// How the fixed-lesson grid and the master timetable are laid out for a week structure: the
// frames (sizes, measures, header labels, class names) that the week commands and Open share.
#pragma once

#include <QString>
#include <QStringList>

namespace orve::model {

class ChineseNumeral;
class Grid;

// Text of a day (index from 0) in row 0 of the master timetable.
using DayHeaderText = QString (*)(int dayIndex);
// "星期一" … "星期六", "星期日"; empty past the seventh day.
QString masterDayName(int dayIndex);

// Size, measures, labels and the corner mark of the fixed-lesson grid for `days` days of
// `periodsPerDay` periods; `gap` twips are taken off every period row and day column.
void layOutFixedLessonFrame(Grid& grid, ChineseNumeral& numerals, int periodsPerDay, int days,
                            int gap);

// Counts, measures, font, header rows and class names of the master timetable for `days` days
// of `periodsPerDay` periods. Class-row cells are not touched.
void layOutMasterFrame(Grid& grid, const QStringList& classes, int periodsPerDay, int days,
                       DayHeaderText dayText, bool centreDays);

// Writes the day and period headers of master columns first..last (for columns added later).
void labelMasterColumns(Grid& grid, int periodsPerDay, int first, int last, DayHeaderText dayText,
                        bool centreDays);

} // namespace orve::model
