#include "ruletally.h"
#include "ruletallykeys.h"

#include <algorithm>

namespace orve::conditions {

namespace {

constexpr int Parts = 3;

int kindIndex(RuleKind kind)
{
    return int(kind);
}

} // namespace

int RuleCounts::violationTotal() const
{
    int total = 0;
    for (const int v : violations)
        total += v;
    return total;
}

std::optional<RuleKind> RuleCounts::firstRaised() const
{
    for (int k = 0; k < RuleKindCount; ++k)
        if (violations[std::size_t(k)] > 0)
            return RuleKind(k);
    return std::nullopt;
}

RuleCounts RuleCounts::operator-(const RuleCounts& other) const
{
    RuleCounts difference;
    difference.doubleBookings = doubleBookings - other.doubleBookings;
    for (int k = 0; k < RuleKindCount; ++k)
        difference.violations[std::size_t(k)] =
            violations[std::size_t(k)] - other.violations[std::size_t(k)];
    return difference;
}

RuleTally::RuleTally(const RuleBook& book, int classCount, int slotCount)
    : book_(book), classCount_(std::max(classCount, 0)),
      slots_(std::max(slotCount, book.slotCount())),
      venueLessons_(std::size_t(book.venueCount()) * std::size_t(slots_), 0),
      teacherDayLessons_(std::size_t(book.teacherCount()) * std::size_t(book.days()), 0),
      courseDays_(std::size_t(classCount_) * std::size_t(book.courseCount()) *
                  std::size_t(book.days()))
{
    for (int slot = 0; slot < slots_; ++slot) {
        const bool inWeek = slot < book.slotCount();
        slotDays_.push_back(inWeek ? book.dayOf(slot) : -1);
        slotPeriods_.push_back(inWeek ? slot % book.periodsPerDay() : -1);
    }
    for (int part = 0; part < Parts; ++part)
        partMasks_.push_back(book.periodsOfPart(part));
    const QHash<QPair<int, int>, int>& wanted = book.doublePeriodNeeds();
    if (!wanted.isEmpty())
        needAt_.assign(std::size_t(classCount_) * std::size_t(book.courseCount()), -1);
    for (auto need = wanted.constBegin(); need != wanted.constEnd(); ++need) {
        const auto [classIndex, course] = need.key();
        if (classIndex < 0 || classIndex >= classCount_ || course < 0 ||
            course >= book.courseCount())
            continue;
        needAt_[std::size_t(classIndex) * std::size_t(book.courseCount()) + std::size_t(course)] =
            int(pairs_.size());
        needWanted_.push_back(need.value());
        pairs_.push_back(0);
        counts_.violations[std::size_t(kindIndex(RuleKind::DoublePeriods))] += need.value();
    }
    needDays_.resize(pairs_.size() * std::size_t(book.days()));
    hasClassRules_ = !pairs_.empty();
    for (int course = 0; course < book.courseCount(); ++course)
        hasClassRules_ = hasClassRules_ || book.courseDailyLimit(course) > 0;
    trialPairsMark_.assign(pairs_.size(), 0);
    trialPairsAt_.assign(pairs_.size(), 0);
}

void RuleTally::nameTeacher(int teacher, const QString& name)
{
    if (teacher < 0)
        return;
    if (std::size_t(teacher) >= ruleTeachers_.size())
        ruleTeachers_.resize(std::size_t(teacher) + 1, -1);
    ruleTeachers_[std::size_t(teacher)] = book_.teacher(name);
}

int& RuleTally::teacherLessons(int teacher, int slot)
{
    const std::size_t at = std::size_t(teacher) * std::size_t(slots_) + std::size_t(slot);
    if (at >= lessonsAt_.size()) {
        lessonsAt_.resize((std::size_t(teacher) + 1) * std::size_t(slots_), 0);
        doubleBookedAt_.resize(lessonsAt_.size(), -1);
    }
    return lessonsAt_[at];
}

int RuleTally::lessonsOf(int teacher, int slot) const
{
    const std::size_t at = std::size_t(teacher) * std::size_t(slots_) + std::size_t(slot);
    return teacher >= 0 && at < lessonsAt_.size() ? lessonsAt_[at] : 0;
}

int RuleTally::teacherDayLessonsOf(int teacher, int day) const
{
    return teacherDayLessons_[std::size_t(teacher) * std::size_t(book_.days()) + std::size_t(day)];
}

int RuleTally::venueLessonsOf(int venue, int slot) const
{
    return venueLessons_[std::size_t(venue) * std::size_t(slots_) + std::size_t(slot)];
}

bool RuleTally::countsAsLesson(int unit, int slot, int which, bool venue, int by)
{
    if (unit < 0)
        return true;
    const std::size_t at = std::size_t(unit) * std::size_t(slots_) + std::size_t(slot);
    if (at >= unitSlots_.size())
        unitSlots_.resize((std::size_t(unit) + 1) * std::size_t(slots_));
    UnitSlot& inline_ = unitSlots_[at];
    int& owner = venue ? inline_.venue : inline_.teacher;
    int& inlineCells = venue ? inline_.venueCells : inline_.teacherCells;
    const quint64 key = unitKey(unit, slot, which, venue);
    if (inlineCells == 0 && !otherUnitCells_.contains(key))
        owner = which;
    int* cells = &inlineCells;
    if (owner != which)
        cells = &otherUnitCells_[key];
    const bool wasHeld = *cells > 0;
    *cells += by;
    const bool held = *cells > 0;
    if (!held && cells != &inlineCells)
        otherUnitCells_.remove(key);
    return held != wasHeld;
}

int RuleTally::unitCellsOf(int unit, int slot, int which, bool venue) const
{
    if (unit < 0)
        return 0;
    const std::size_t at = std::size_t(unit) * std::size_t(slots_) + std::size_t(slot);
    if (at >= unitSlots_.size())
        return 0;
    const UnitSlot& inline_ = unitSlots_[at];
    if ((venue ? inline_.venueCells : inline_.teacherCells) > 0 &&
        (venue ? inline_.venue : inline_.teacher) == which)
        return venue ? inline_.venueCells : inline_.teacherCells;
    return otherUnitCells_.value(unitKey(unit, slot, which, venue), 0);
}

void RuleTally::add(const LessonFacts& lesson, int slot)
{
    change(lesson, slot, +1);
}

void RuleTally::remove(const LessonFacts& lesson, int slot)
{
    change(lesson, slot, -1);
}

void RuleTally::change(const LessonFacts& lesson, int slot, int by)
{
    if (slot < 0 || slot >= slots_)
        return;
    auto& violations = counts_.violations;
    const auto count = [&](RuleKind kind, int change) {
        violations[std::size_t(kindIndex(kind))] += change;
    };
    const int day = dayOf(slot);

    if (lesson.teacher >= 0 && countsAsLesson(lesson.unit, slot, lesson.teacher, false, by * lesson.cells)) {
        int& lessons = teacherLessons(lesson.teacher, slot);
        const bool wasDouble = lessons >= 2;
        lessons += by;
        if ((lessons >= 2) != wasDouble) {
            const int key = lesson.teacher * slots_ + slot;
            if (!wasDouble) {
                doubleBookedAt_[std::size_t(key)] = int(doubleBooked_.size());
                doubleBooked_.push_back(key);
            } else {
                const int at = doubleBookedAt_[std::size_t(key)];
                doubleBooked_[std::size_t(at)] = doubleBooked_.back();
                doubleBookedAt_[std::size_t(doubleBooked_[std::size_t(at)])] = at;
                doubleBooked_.pop_back();
                doubleBookedAt_[std::size_t(key)] = -1;
            }
            counts_.doubleBookings += wasDouble ? -1 : 1;
        }
        if (const int teacher = ruleTeacher(lesson.teacher); teacher >= 0) {
            if (book_.teacherUnavailable(teacher, slot))
                count(RuleKind::TeacherUnavailable, by);
            if (const int limit = book_.teacherDailyLimit(teacher); limit > 0 && day >= 0) {
                int& held = teacherDayLessons_[std::size_t(teacher) * std::size_t(book_.days()) +
                                               std::size_t(day)];
                const int over = std::max(held - limit, 0);
                held += by;
                count(RuleKind::TeacherDailyLimit, std::max(held - limit, 0) - over);
            }
        }
    }
    if (lesson.venue >= 0 && countsAsLesson(lesson.unit, slot, lesson.venue, true, by * lesson.cells)) {
        int& held =
            venueLessons_[std::size_t(lesson.venue) * std::size_t(slots_) + std::size_t(slot)];
        const int capacity = book_.venueCapacity(lesson.venue);
        const int over = std::max(held - capacity, 0);
        held += by;
        count(RuleKind::VenueCapacity, std::max(held - capacity, 0) - over);
    }
    if (lesson.course >= 0 && day >= 0) {
        if (book_.courseUnavailable(lesson.course, slot))
            count(RuleKind::CourseUnavailable, by);
        if (const int limit = book_.courseDailyLimit(lesson.course); limit > 0) {
            int& held = courseDays_[courseDayAt(lesson, day)].lessons;
            const int over = std::max(held - limit, 0);
            held += by;
            count(RuleKind::CourseDailyLimit, std::max(held - limit, 0) - over);
        }
        changeDoublePeriods(lesson, slot, by);
    }
}

int RuleTally::pairsIn(quint32 periods, const std::vector<quint32>& parts)
{
    // Within a part of the day, a run of k adjacent periods holds k / 2 pairs.
    int pairs = 0;
    for (const quint32 part : parts) {
        quint32 run = periods & part;
        while (run) {
            const int start = __builtin_ctz(run);
            const quint32 shifted = run >> start;
            const int length = shifted == ~quint32(0) ? 32 : __builtin_ctz(~shifted);
            pairs += length / 2;
            run &= length >= 32 ? 0 : ~(((quint32(1) << length) - 1) << start);
        }
    }
    return pairs;
}

void RuleTally::changeDoublePeriods(const LessonFacts& lesson, int slot, int by)
{
    const int need = needOf(lesson.classIndex, lesson.course);
    if (need < 0)
        return;
    const std::size_t at = std::size_t(need) * std::size_t(book_.days()) + std::size_t(dayOf(slot));
    NeedDay& needDay = needDays_[at];
    const quint32 bit = quint32(1) << periodOf(slot);
    qint8& lessons = needDay.lessons[std::size_t(periodOf(slot))];
    lessons = qint8(lessons + by);
    needDay.periods = lessons > 0 ? needDay.periods | bit : needDay.periods & ~bit;
    const int wanted = needWanted_[std::size_t(need)];
    int& held = pairs_[std::size_t(need)];
    const int missing = std::max(wanted - held, 0);
    const int before = needDay.pairs;
    needDay.pairs = pairsIn(needDay.periods, partMasks_);
    held += needDay.pairs - before;
    counts_.violations[std::size_t(kindIndex(RuleKind::DoublePeriods))] +=
        std::max(wanted - held, 0) - missing;
}

int RuleTally::doublePeriodsMissing(int classIndex, int course) const
{
    const int need = needOf(classIndex, course);
    return need < 0 ? 0 : std::max(needWanted_[std::size_t(need)] - pairs_[std::size_t(need)], 0);
}

bool RuleTally::doubleBooksIfAdded(const LessonFacts& lesson, int slot) const
{
    if (lesson.teacher < 0 || unitCellsOf(lesson.unit, slot, lesson.teacher, false) > 0)
        return false;
    return lessonsOf(lesson.teacher, slot) >= 1;
}

bool RuleTally::barredFrom(const LessonFacts& lesson, int slot) const
{
    if (book_.empty() || dayOf(slot) < 0)
        return false;
    return book_.teacherUnavailable(ruleTeacher(lesson.teacher), slot) ||
           book_.courseUnavailable(lesson.course, slot);
}

std::optional<RuleKind> RuleTally::ruleBrokenIfAdded(const LessonFacts& lesson, int slot) const
{
    const int day = dayOf(slot);
    if (book_.empty() || day < 0)
        return std::nullopt;
    const int teacher = ruleTeacher(lesson.teacher);
    // A cell joining its group's lesson adds no lesson of the teacher or in the venue.
    const bool joinsTeacher = unitCellsOf(lesson.unit, slot, lesson.teacher, false) > 0;
    const bool joinsVenue = unitCellsOf(lesson.unit, slot, lesson.venue, true) > 0;
    if (book_.teacherUnavailable(teacher, slot))
        return RuleKind::TeacherUnavailable;
    if (book_.courseUnavailable(lesson.course, slot))
        return RuleKind::CourseUnavailable;
    if (lesson.venue >= 0 && !joinsVenue &&
        venueLessonsOf(lesson.venue, slot) + 1 > book_.venueCapacity(lesson.venue))
        return RuleKind::VenueCapacity;
    if (courseDayFull(lesson, slot))
        return RuleKind::CourseDailyLimit;
    if (const int limit = book_.teacherDailyLimit(teacher);
        limit > 0 && !joinsTeacher && teacherDayLessonsOf(teacher, day) + 1 > limit)
        return RuleKind::TeacherDailyLimit;
    return std::nullopt;
}

bool RuleTally::courseDayFull(const LessonFacts& lesson, int slot) const
{
    const int day = dayOf(slot);
    const int limit = book_.courseDailyLimit(lesson.course);
    return day >= 0 && limit > 0 && lesson.classIndex >= 0 && lesson.classIndex < classCount_ &&
           courseDays_[courseDayAt(lesson, day)].lessons + 1 > limit;
}

template <typename Found>
bool RuleTally::findBroken(const LessonFacts& lesson, int slot, Found found) const
{
    const int day = dayOf(slot);
    if (book_.empty() || day < 0)
        return false;
    const int teacher = ruleTeacher(lesson.teacher);
    if (book_.teacherUnavailable(teacher, slot) && found(RuleKind::TeacherUnavailable))
        return true;
    if (book_.courseUnavailable(lesson.course, slot) && found(RuleKind::CourseUnavailable))
        return true;
    if (lesson.venue >= 0 &&
        venueLessonsOf(lesson.venue, slot) > book_.venueCapacity(lesson.venue) &&
        found(RuleKind::VenueCapacity))
        return true;
    if (const int limit = book_.courseDailyLimit(lesson.course);
        limit > 0 && courseDays_[courseDayAt(lesson, day)].lessons > limit &&
        found(RuleKind::CourseDailyLimit))
        return true;
    if (const int limit = book_.teacherDailyLimit(teacher);
        limit > 0 && teacherDayLessonsOf(teacher, day) > limit &&
        found(RuleKind::TeacherDailyLimit))
        return true;
    const int need = needOf(lesson.classIndex, lesson.course);
    return need >= 0 && pairs_[std::size_t(need)] < needWanted_[std::size_t(need)] &&
           found(RuleKind::DoublePeriods);
}

std::vector<RuleKind> RuleTally::rulesBrokenBy(const LessonFacts& lesson, int slot) const
{
    std::vector<RuleKind> broken;
    findBroken(lesson, slot, [&](RuleKind kind) {
        broken.push_back(kind);
        return false;
    });
    return broken;
}

bool RuleTally::breaksRule(const LessonFacts& lesson, int slot) const
{
    return findBroken(lesson, slot, [](RuleKind) { return true; });
}

} // namespace orve::conditions
