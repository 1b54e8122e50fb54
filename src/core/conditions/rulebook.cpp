#include "rulebook.h"

#include "model/fixedlessonentry.h"
#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/numbers.h"
#include "model/school.h"
#include "model/slots.h"
#include "school/teachingplan.h"

#include <algorithm>
#include <vector>

namespace orve::conditions {

namespace {

int numberOf(QHash<QString, int>& numbers, const QString& name)
{
    const auto found = numbers.constFind(name);
    return found != numbers.constEnd() ? *found : *numbers.insert(name, int(numbers.size()));
}

// Whether the plan gives the class periods of the course (before or during a run).
bool planHas(const model::Grid& plan, int row)
{
    return model::leadingInteger(plan.text({row, school::PeriodsColumn}), 0, 9999) > 0 ||
           model::leadingInteger(plan.text({row, school::PeriodsBackupColumn}), 0, 9999) > 0;
}

} // namespace

QString ruleKindCaption(RuleKind kind)
{
    switch (kind) {
    case RuleKind::TeacherUnavailable:
        return QStringLiteral(u"教师不排课时间");
    case RuleKind::CourseUnavailable:
        return QStringLiteral(u"课程不排时间");
    case RuleKind::VenueCapacity:
        return QStringLiteral(u"场地容量");
    case RuleKind::CourseDailyLimit:
        return QStringLiteral(u"课程每天节数");
    case RuleKind::TeacherDailyLimit:
        return QStringLiteral(u"教师每天节数");
    case RuleKind::DoublePeriods:
        return QStringLiteral(u"连堂");
    }
    return {};
}

QString ruleKindKey(RuleKind kind)
{
    switch (kind) {
    case RuleKind::TeacherUnavailable:
        return QStringLiteral("teacher_unavailable");
    case RuleKind::CourseUnavailable:
        return QStringLiteral("course_unavailable");
    case RuleKind::VenueCapacity:
        return QStringLiteral("venue_capacity");
    case RuleKind::CourseDailyLimit:
        return QStringLiteral("course_per_day");
    case RuleKind::TeacherDailyLimit:
        return QStringLiteral("teacher_per_day");
    case RuleKind::DoublePeriods:
        return QStringLiteral("double_periods");
    }
    return {};
}

RuleBook::RuleBook(const model::School& school, int periodsPerDay)
    : periodsPerDay_(std::max(periodsPerDay, 1)), days_(school.week.daysPerWeek()),
      morning_(school.week.morningPeriods()), afternoon_(school.week.afternoonPeriods())
{
    const model::Rules& rules = school.rules;
    empty_ = rules.empty();
    if (empty_)
        return;
    const int slotTotal = slotCount();
    const auto slotOf = [&](const model::PeriodRule& rule) {
        return rule.day >= 1 && rule.day <= days_ && rule.period >= 1 &&
                       rule.period <= periodsPerDay_
                   ? (rule.day - 1) * periodsPerDay_ + rule.period - 1
                   : -1;
    };
    const auto markSlots = [&](const std::vector<model::PeriodRule>& list,
                               QHash<QString, int>& numbers,
                               std::vector<std::vector<char>>& marks) {
        for (const model::PeriodRule& rule : list) {
            const std::size_t n = std::size_t(numberOf(numbers, rule.name));
            marks.resize(std::max(marks.size(), n + 1));
            marks[n].resize(std::size_t(slotTotal), 0);
            if (const int slot = slotOf(rule); slot >= 0)
                marks[n][std::size_t(slot)] = 1;
        }
    };
    markSlots(rules.teacherUnavailable, teachers_, teacherSlots_);
    markSlots(rules.courseUnavailable, courses_, courseSlots_);
    // A later rule of the same name replaces an earlier one.
    const auto limits = [&](const std::vector<model::CountRule>& list, QHash<QString, int>& numbers,
                            std::vector<int>& values) {
        for (const model::CountRule& rule : list) {
            const std::size_t n = std::size_t(numberOf(numbers, rule.name));
            values.resize(std::max(values.size(), n + 1), 0);
            values[n] = rule.count;
        }
    };
    limits(rules.venueCapacities, venues_, venueCapacity_);
    limits(rules.courseDailyLimits, courses_, courseLimit_);
    limits(rules.teacherDailyLimits, teachers_, teacherLimit_);
    for (const model::DoublePeriodRule& rule : rules.doublePeriods)
        numberOf(courses_, rule.course);
    // Every number has an entry in every table of its kind.
    teacherSlots_.resize(std::size_t(teachers_.size()));
    teacherLimit_.resize(std::size_t(teachers_.size()), 0);
    courseSlots_.resize(std::size_t(courses_.size()));
    courseLimit_.resize(std::size_t(courses_.size()), 0);

    // Double periods: "全体班级" for every class the plan gives the course, then a class's own
    // rule in its place.
    const model::Grid& plan = school.plan;
    QHash<QString, int> classIndex;
    for (int i = 0; i < school.classes.size(); ++i)
        classIndex.insert(school.classes.at(i), i);
    // The plan rows of each course that has a rule, found in one pass: a school may have a rule
    // for nearly every class course.
    QHash<QString, std::vector<int>> rowsOfCourse;
    if (!rules.doublePeriods.empty()) {
        for (const model::DoublePeriodRule& rule : rules.doublePeriods)
            rowsOfCourse.insert(rule.course, {});
        for (int r = school::PlanHeaderRow + 1; r < plan.rowCount(); ++r)
            if (const auto rows = rowsOfCourse.find(plan.text({r, school::CourseColumn}));
                rows != rowsOfCourse.end() && planHas(plan, r))
                rows->push_back(r);
    }
    for (const bool own : {false, true})
        for (const model::DoublePeriodRule& rule : rules.doublePeriods) {
            if ((rule.className != model::AllClassesText) != own)
                continue;
            const int course = courses_.value(rule.course);
            for (const int r : *rowsOfCourse.constFind(rule.course)) {
                const QString& className = plan.text({r, school::ClassColumn});
                if ((own && className != rule.className) || !classIndex.contains(className))
                    continue;
                doublePeriods_.insert({classIndex.value(className), course}, rule.count);
            }
        }
    for (int r = school::PlanHeaderRow + 1; r < plan.rowCount(); ++r) {
        const int venue = venues_.value(plan.text({r, school::VenueColumn}), -1);
        if (venue >= 0 && venueCapacity_[std::size_t(venue)] > 0)
            venuesOfClass_[plan.text({r, school::ClassColumn})].emplace_back(
                plan.text({r, school::CourseColumn}), venue);
    }
}

int RuleBook::partOfDay(int slot) const
{
    const int period = slot % periodsPerDay_;
    return period < morning_ ? 0 : period < morning_ + afternoon_ ? 1 : 2;
}

quint32 RuleBook::periodsOfPart(int part) const
{
    const auto bits = [](int from, int to) {
        quint32 mask = 0;
        for (int p = from; p < to && p < 32; ++p)
            mask |= quint32(1) << p;
        return mask;
    };
    const int afternoonEnd = std::min(morning_ + afternoon_, periodsPerDay_);
    switch (part) {
    case 0:
        return bits(0, std::min(morning_, periodsPerDay_));
    case 1:
        return bits(std::min(morning_, periodsPerDay_), afternoonEnd);
    default:
        return bits(afternoonEnd, periodsPerDay_);
    }
}

bool RuleBook::teacherUnavailable(int teacher, int slot) const
{
    if (teacher < 0)
        return false;
    const std::vector<char>& marks = teacherSlots_[std::size_t(teacher)];
    return std::size_t(slot) < marks.size() && marks[std::size_t(slot)];
}

bool RuleBook::courseUnavailable(int course, int slot) const
{
    if (course < 0)
        return false;
    const std::vector<char>& marks = courseSlots_[std::size_t(course)];
    return std::size_t(slot) < marks.size() && marks[std::size_t(slot)];
}

int RuleBook::doublePeriods(int classIndex, int course) const
{
    return course < 0 ? 0 : doublePeriods_.value({classIndex, course}, 0);
}

std::optional<int> RuleBook::pairedColumn(const model::Grid& master, model::CellRef at) const
{
    const QString& text = master.text(at);
    if (text.isEmpty() || doublePeriods(model::classIndexOfRow(at.row),
                                        course(model::coursePart(text).toString())) <= 0)
        return std::nullopt;
    const std::optional<int> slot = pairedSlot(at.column - 1, [&](int s) {
        return s + 1 < master.columnCount() && master.text({at.row, s + 1}) == text;
    });
    return slot ? std::optional<int>(*slot + 1) : std::nullopt;
}

std::optional<int> RuleBook::pairedSlot(int slot, const std::function<bool(int)>& sameLesson) const
{
    // Whether the lesson stands in `s` and the next, periods a double period may join.
    const auto joined = [&](int s) {
        return s >= 0 && joinsNext(s) && sameLesson(s) && sameLesson(s + 1);
    };
    int start = slot;
    while (joined(start - 1))
        --start;
    if ((slot - start) % 2 == 1)
        return slot - 1;
    return joined(slot) ? std::optional<int>(slot + 1) : std::nullopt;
}

int RuleBook::mostPairs(const std::function<bool(int)>& usable) const
{
    // Taking the earliest pair each time is best along a line of periods.
    int pairs = 0;
    for (int s = 0; s + 1 < slotCount(); ++s)
        if (joinsNext(s) && usable(s) && usable(s + 1)) {
            ++pairs;
            ++s;
        }
    return pairs;
}

int RuleBook::venueOf(const QString& className, QStringView course) const
{
    const auto found = venuesOfClass_.constFind(className);
    if (found == venuesOfClass_.constEnd())
        return -1;
    for (const auto& [venueCourse, venue] : *found)
        if (venueCourse == course)
            return venue;
    return -1;
}

} // namespace orve::conditions
