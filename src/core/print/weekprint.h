// One class's or one teacher's week as a report sheet: days across, periods down, the day
// names and period numerals as headers, each cell centred, ruled like the master timetable.
// Its page shows it alone, scaled to fill the page, under its caption.
#pragma once

#include "reportsheet.h"

namespace orve::views {
class WeekTimetable;
}

namespace orve::print {

// Measures of a week's sheet at its own size, in sheet pixels (1/96 inch); a page scales it.
inline constexpr double WeekHeaderColumnWidth = 48;
inline constexpr double WeekDayColumnWidth = 150;
inline constexpr double WeekHeaderRowHeight = 32;
inline constexpr double WeekPeriodRowHeight = 56;
inline constexpr int WeekFontPoints = 10;

// How a teacher's double-booked period is marked on paper: the tag on a line of its own above
// the lessons, text and frame in red.
inline const QString DoubleBookedTag = QStringLiteral(u"【重课】");
inline constexpr model::Colour DoubleBookedColour = 0x000000C0;

// Sends the week to the sheet: size, measures, fonts, centred texts, lines, print range.
void fillWeekTimetable(SheetCalls& sheet, const views::WeekTimetable& week);

// The week's sheet, fitted to one page, with `caption` as its heading; a double-booked period
// marked as above.
ReportSheet weekSheet(const views::WeekTimetable& week, const QString& caption);

} // namespace orve::print
