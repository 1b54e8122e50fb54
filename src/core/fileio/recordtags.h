// The tags that end every record of the course-settings file, in the order the writer emits
// the records, and the two line shapes.
#pragma once

#include <QStringView>

namespace orve::fileio::tags {

inline constexpr QStringView Tree = u"tre3";
inline constexpr QStringView Classes = u"1l";
inline constexpr QStringView Venues = u"2l";
inline constexpr QStringView Courses = u"lp";
inline constexpr QStringView Teachers = u"lq";
inline constexpr QStringView FixedLessons = u"9l";
inline constexpr QStringView Morning = u"t8";
inline constexpr QStringView Afternoon = u"t9";
inline constexpr QStringView Evening = u"tb";
inline constexpr QStringView Days = u"tz";
inline constexpr QStringView Title = u"bt";
inline constexpr QStringView CombinedLessons = u"cmb3";
inline constexpr QStringView TeacherUnavailable = u"jsbp";
inline constexpr QStringView CourseUnavailable = u"kcbp";
inline constexpr QStringView VenueCapacity = u"cdrl";
inline constexpr QStringView CourseDailyLimit = u"kcts";
inline constexpr QStringView TeacherDailyLimit = u"jsts";
inline constexpr QStringView DoublePeriods = u"ltks";
inline constexpr QStringView Timetable = u"kczb";
inline constexpr QStringView Plan = u"jhb";

// Stands in place of the parent key in the root's tree record.
inline constexpr QStringView RootParent = u"goot";

// A tagged-value line: the value and its tag, then this.
inline constexpr QStringView TaggedValueEnd = u", , ";
inline constexpr QStringView LineEnd = u"\r\n";

} // namespace orve::fileio::tags
