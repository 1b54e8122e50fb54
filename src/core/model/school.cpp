#include "school.h"

namespace orve::model {

namespace {
constexpr int PlanColumns = 9;
}

School::School() : plan(1, PlanColumns, 1, 0), masterTimetable(2, 26, 2, 1) {}

bool samePart(const School& a, const School& b, SchoolPart part)
{
    switch (part) {
    case SchoolPart::Week:
        return a.week.morning == b.week.morning && a.week.afternoon == b.week.afternoon &&
               a.week.evening == b.week.evening && a.week.days == b.week.days;
    case SchoolPart::Lists:
        return a.classes == b.classes && a.courses == b.courses && a.teachers == b.teachers &&
               a.venues == b.venues;
    case SchoolPart::Plan:
        return a.plan.sameTexts(b.plan);
    case SchoolPart::Conditions:
        return a.combinedLessons == b.combinedLessons && a.combinedGroups == b.combinedGroups &&
               a.fixedLessons == b.fixedLessons && a.rules == b.rules;
    case SchoolPart::Title:
        return a.title == b.title;
    case SchoolPart::Timetable:
        return a.masterTimetable.sameTexts(b.masterTimetable);
    }
    return false;
}

} // namespace orve::model
