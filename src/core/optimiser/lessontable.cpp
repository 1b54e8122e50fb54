#include "lessontable.h"

#include <algorithm>

namespace orve::optimiser {

LessonTable::LessonTable(const conditions::RuleBook& book, int classCount, int slotCount,
                         int periodsPerDay, int morningPeriods, int teacherCount)
    : classCount_(classCount), slotCount_(slotCount), periodsPerDay_(std::max(periodsPerDay, 1)),
      morningPeriods_(morningPeriods), teacherCount_(teacherCount),
      cells_(std::size_t(classCount) * std::size_t(slotCount), -1),
      tally_(book, classCount, slotCount), teacherClasses_(std::size_t(teacherCount))
{
}

void LessonTable::nameTeacher(int teacher, const QString& name)
{
    teacherNames_.insert(teacher, name);
    tally_.nameTeacher(teacher, name);
}

bool LessonTable::leavesMorning(int lessonId, int slot) const
{
    const Lesson& l = lesson(lessonId);
    if (!l.main || isMorning(slot) || (l.slot >= 0 && !isMorning(l.slot)) ||
        outsideAllowed_.empty())
        return false;
    return std::any_of(l.counters.begin(), l.counters.end(), [this](int k) {
        return k >= 0 && outside_[std::size_t(k)] >= outsideAllowed_[std::size_t(k)];
    });
}

int LessonTable::morningFloor(int counter) const
{
    const std::size_t k = std::size_t(counter);
    return std::max(0, floors_[k] - outsideAllowed_[k]);
}

bool LessonTable::mayPut(int lessonId, int slot) const
{
    if (!leavesMorning(lessonId, slot))
        return true;
    const Lesson& l = lesson(lessonId);
    if (mainRule != MainRule::Relaxed || l.slot < 0)
        return false;
    return std::any_of(l.teachers.begin(), l.teachers.end(),
                       [&](int t) { return busy(t, l.slot) >= 2 && busy(t, slot) == 0; });
}

bool LessonTable::mayStandKeepingRules(int lessonId, int slot) const
{
    const Lesson& l = lesson(lessonId);
    if (l.fixed)
        return l.slot == slot;
    for (const int c : l.classes) {
        const int there = cell(c, slot);
        if (there >= 0 && lesson(there).fixed)
            return false;
    }
    return std::none_of(l.facts.begin(), l.facts.end(), [&](const conditions::LessonFacts& f) {
        return tally_.barredFrom(f, slot);
    });
}

bool LessonTable::teaches(int lessonId, int teacher) const
{
    const std::vector<int>& teachers = lesson(lessonId).teachers;
    return std::find(teachers.begin(), teachers.end(), teacher) != teachers.end();
}

int LessonTable::addLesson(Lesson lesson)
{
    const int id = lessonCount();
    const int slot = lesson.slot;
    lesson.slot = -1;
    for (const int counter : lesson.counters)
        if (counter >= 0 && std::size_t(counter) >= counted_.size()) {
            counted_.resize(std::size_t(counter) + 1, 0);
            outside_.resize(counted_.size(), 0);
        }
    soleClasses_.push_back(lesson.classes.size() == 1 ? lesson.classes.front() : -1);
    lessons_.push_back(std::move(lesson));
    unplacedAt_.push_back(-1);
    setUnplaced(id, true);
    if (slot >= 0)
        place(id, slot);
    return id;
}

void LessonTable::finishBuilding()
{
    for (const Lesson& l : lessons_)
        for (const int t : l.teachers)
            for (const int c : l.classes)
                teacherClasses_[std::size_t(t)].push_back(c);
    for (std::vector<int>& list : teacherClasses_) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }
    floors_ = counted_;
    floorDeficit_ = 0;
    counterMark_.assign(floors_.size(), 0);
    outsideAllowed_ = outside_;
    for (const Lesson& l : lessons_)
        if (l.main && l.slot < 0)
            for (const int k : l.counters)
                if (k >= 0)
                    ++outsideAllowed_[std::size_t(k)];
}

void LessonTable::count(int lessonId, int slot, int by)
{
    for (const conditions::LessonFacts& facts : lesson(lessonId).facts)
        by > 0 ? tally_.add(facts, slot) : tally_.remove(facts, slot);
}

conditions::RuleCounts LessonTable::changeOf(const std::vector<std::pair<int, int>>& moved)
{
    tally_.beginChange();
    for (const auto& [id, to] : moved) {
        const Lesson& l = lesson(id);
        // Member by member, leaving and then coming: a group's cells meet the same unit one
        // after another.
        for (const conditions::LessonFacts& facts : l.facts)
            if (l.slot >= 0)
                tally_.noteChange(facts, l.slot, -1);
        for (const conditions::LessonFacts& facts : l.facts)
            if (to >= 0)
                tally_.noteChange(facts, to, +1);
    }
    return tally_.change();
}

void LessonTable::setUnplaced(int lessonId, bool unplaced)
{
    const std::size_t id = std::size_t(lessonId);
    if ((unplacedAt_[id] >= 0) == unplaced)
        return;
    const int periods = int(lessons_[id].classes.size());
    if (unplaced) {
        unplacedAt_[id] = int(unplaced_.size());
        unplaced_.push_back(lessonId);
        unplacedPeriods_ += periods;
        return;
    }
    const int at = unplacedAt_[id];
    unplaced_[std::size_t(at)] = unplaced_.back();
    unplacedAt_[std::size_t(unplaced_[std::size_t(at)])] = at;
    unplaced_.pop_back();
    unplacedAt_[id] = -1;
    unplacedPeriods_ -= periods;
}

void LessonTable::countOutside(int lessonId, int slot, int change)
{
    const Lesson& l = lesson(lessonId);
    if (!l.main || isMorning(slot))
        return;
    for (const int k : l.counters)
        if (k >= 0)
            outside_[std::size_t(k)] += change;
}

void LessonTable::countFloor(int lessonId, int change)
{
    for (const int counter : lesson(lessonId).counters) {
        if (counter < 0)
            continue;
        const std::size_t k = std::size_t(counter);
        if (!floors_.empty())
            floorDeficit_ -= std::max(0, floors_[k] - counted_[k]);
        counted_[k] += change;
        if (!floors_.empty())
            floorDeficit_ += std::max(0, floors_[k] - counted_[k]);
    }
}

void LessonTable::place(int lessonId, int slot)
{
    Lesson& l = lessons_[std::size_t(lessonId)];
    for (const int c : l.classes)
        cells_[cellIndex(c, slot)] = lessonId;
    count(lessonId, slot, +1);
    countOutside(lessonId, slot, +1);
    l.slot = slot;
    setUnplaced(lessonId, false);
    countFloor(lessonId, +1);
}

void LessonTable::unplace(int lessonId)
{
    Lesson& l = lessons_[std::size_t(lessonId)];
    if (l.slot < 0)
        return;
    for (const int c : l.classes)
        cells_[cellIndex(c, l.slot)] = -1;
    count(lessonId, l.slot, -1);
    countOutside(lessonId, l.slot, -1);
    l.slot = -1;
    setUnplaced(lessonId, true);
    countFloor(lessonId, -1);
}

void LessonTable::exchange(const std::vector<int>& classes, int a, int b,
                           const std::vector<int>& lessons)
{
    for (const int c : classes)
        std::swap(cells_[cellIndex(c, a)], cells_[cellIndex(c, b)]);
    for (const int id : lessons) {
        Lesson& l = lessons_[std::size_t(id)];
        const int to = l.slot == a ? b : a;
        count(id, l.slot, -1);
        count(id, to, +1);
        countOutside(id, l.slot, -1);
        countOutside(id, to, +1);
        l.slot = to;
    }
}

LessonTable::Snapshot LessonTable::snapshot() const
{
    Snapshot result{std::vector<int>(lessons_.size())};
    for (std::size_t i = 0; i < lessons_.size(); ++i)
        result.lessonSlots[i] = lessons_[i].slot;
    return result;
}

void LessonTable::restore(const Snapshot& snapshot)
{
    for (int id = 0; id < lessonCount(); ++id)
        if (lesson(id).slot != snapshot.lessonSlots[std::size_t(id)])
            unplace(id);
    for (int id = 0; id < lessonCount(); ++id) {
        const int slot = snapshot.lessonSlots[std::size_t(id)];
        if (lesson(id).slot != slot && slot >= 0)
            place(id, slot);
    }
}

long long LessonTable::floorDeficitChange(const std::vector<int>& removed, int added) const
{
    if (floors_.empty())
        return 0;
    // Lessons standing in one slot share no counter: only the lesson coming in may meet a
    // counter of one going out, and then the counter keeps its count.
    if (++markStamp_ == 0) {
        std::fill(counterMark_.begin(), counterMark_.end(), 0);
        markStamp_ = 1;
    }
    const auto below = [this](std::size_t k, int by) {
        return std::max(0, floors_[k] - counted_[k] - by) - std::max(0, floors_[k] - counted_[k]);
    };
    long long change = 0;
    if (added >= 0)
        for (const int counter : lesson(added).counters)
            if (counter >= 0) {
                counterMark_[std::size_t(counter)] = markStamp_;
                change += below(std::size_t(counter), +1);
            }
    for (const int id : removed)
        for (const int counter : lesson(id).counters) {
            if (counter < 0)
                continue;
            const std::size_t k = std::size_t(counter);
            change += counterMark_[k] == markStamp_ ? -below(k, +1) : below(k, -1);
        }
    return change;
}

int LessonTable::mainOutsideMorning() const
{
    int count = 0;
    for (const Lesson& l : lessons_)
        if (l.main && l.slot >= 0 && !isMorning(l.slot))
            count += int(l.classes.size());
    return count;
}

QString LessonTable::verify(bool finished) const
{
    std::vector<int> cells(cells_.size(), -1);
    conditions::RuleTally recount(tally_.book(), classCount_, slotCount_);
    for (int t = 0; t < teacherCount_; ++t)
        recount.nameTeacher(t, teacherNames_.value(t));
    std::vector<int> counted(counted_.size(), 0);
    std::vector<int> outside(outside_.size(), 0);
    int unplacedPeriods = 0;
    for (int id = 0; id < lessonCount(); ++id) {
        const Lesson& l = lesson(id);
        if (l.slot < 0) {
            if (l.fixed)
                return QStringLiteral("a fixed lesson is not placed");
            unplacedPeriods += int(l.classes.size());
            continue;
        }
        for (const int c : l.classes) {
            if (cells[cellIndex(c, l.slot)] >= 0)
                return QStringLiteral("two lessons in one cell");
            cells[cellIndex(c, l.slot)] = id;
        }
        for (const conditions::LessonFacts& facts : l.facts)
            recount.add(facts, l.slot);
        for (const int counter : l.counters)
            if (counter >= 0) {
                ++counted[std::size_t(counter)];
                outside[std::size_t(counter)] += l.main && !isMorning(l.slot) ? 1 : 0;
            }
    }
    if (outside != outside_)
        return QStringLiteral("the main lessons outside the morning differ from a recount");
    for (std::size_t k = 0; k < outside.size() && mainRule == MainRule::Strict; ++k)
        if (outside[k] > outsideAllowed_[k])
            return QStringLiteral("a main lesson left the morning");
    if (cells != cells_)
        return QStringLiteral("the cells differ from the lessons' slots");
    if (!(recount.counts() == tally_.counts()))
        return QStringLiteral("the double bookings or the rules' violations differ from a recount");
    if (unplacedPeriods != unplacedPeriods_)
        return QStringLiteral("the unplaced periods differ from a recount");
    if (counted != counted_)
        return QStringLiteral("the lessons per course differ from a recount");
    if (finished && floorDeficit_ > 0)
        return QStringLiteral("a class holds fewer lessons of a course than it started with");
    return {};
}

} // namespace orve::optimiser
