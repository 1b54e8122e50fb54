// What a change would do, from the tally's counts, without changing them: the cells' changes
// are summed by key first, then a unit's teacher and venue count where its first cell comes or
// its last one goes, then each count is weighed against its rule.
#include "ruletally.h"
#include "ruletallykeys.h"

#include <algorithm>

namespace orve::conditions {

void RuleTally::noteLessons(int teacher, int slot, int by)
{
    const std::size_t key = std::size_t(teacher) * std::size_t(slots_) + std::size_t(slot);
    if (key >= trialLessonsMarks_.size())
        trialLessonsMarks_.resize(key + 1);
    TrialMark& mark = trialLessonsMarks_[key];
    if (mark.stamp == trialStamp_) {
        trialLessons_[std::size_t(mark.at)].by += by;
        return;
    }
    mark.stamp = trialStamp_;
    mark.at = int(trialLessons_.size());
    TrialLessons& entry = trialLessons_.emplace_back();
    entry.teacher = teacher;
    entry.slot = slot;
    entry.by = by;
}

void RuleTally::noteUnit(quint64 key, int by)
{
    // The members of a group lesson come one after another with the same key: look at the
    // last entry first.
    if (!trialUnits_.empty() && trialUnits_.back().first == key)
        trialUnits_.back().second += by;
    else
        addTo(trialUnits_, key, by);
}

void RuleTally::noteCell(const LessonFacts& lesson, int slot, int by)
{
    if (slot < 0 || slot >= slots_)
        return;
    if (lesson.teacher >= 0) {
        if (lesson.unit < 0)
            noteLessons(lesson.teacher, slot, by);
        else
            noteUnit(unitKey(lesson.unit, slot, lesson.teacher, false), by * lesson.cells);
    }
    if (lesson.venue >= 0) {
        if (lesson.unit < 0)
            addTo(trialVenues_, lesson.venue * slots_ + slot, by);
        else
            noteUnit(unitKey(lesson.unit, slot, lesson.venue, true), by * lesson.cells);
    }
    if (lesson.course < 0)
        return;
    const int day = dayOf(slot);
    if (day < 0)
        return;
    if (book_.courseUnavailable(lesson.course, slot))
        counts_.violations[std::size_t(RuleKind::CourseUnavailable)] += by;
    if (book_.courseDailyLimit(lesson.course) > 0) {
        const std::size_t at = courseDayAt(lesson, day);
        TrialMark& mark = courseDays_[at].trial;
        if (mark.stamp != trialStamp_) {
            mark.stamp = trialStamp_;
            mark.at = int(trialCourseDays_.size());
            trialCourseDays_.emplace_back(at, 0);
        }
        trialCourseDays_[std::size_t(mark.at)].second += by;
    }
    if (const int need = needOf(lesson.classIndex, lesson.course); need >= 0) {
        const std::size_t at = std::size_t(need) * std::size_t(book_.days()) + std::size_t(day);
        NeedDay& needDay = needDays_[at];
        if (needDay.trial.stamp != trialStamp_) {
            needDay.trial.stamp = trialStamp_;
            needDay.trial.at = int(trialPeriods_.size());
            TrialPeriods& entry = trialPeriods_.emplace_back();
            entry.at = at;
            entry.need = need;
            entry.periods = needDay.periods;
        }
        TrialPeriods& trial = trialPeriods_[std::size_t(needDay.trial.at)];
        const std::size_t period = std::size_t(periodOf(slot));
        const quint32 bit = quint32(1) << period;
        trial.net[period] = qint8(trial.net[period] + by);
        trial.periods = needDay.lessons[period] + trial.net[period] > 0 ? trial.periods | bit
                                                                         : trial.periods & ~bit;
    }
}

RuleCounts RuleTally::changeOf(const std::vector<Placed>& leaving, const std::vector<Placed>& coming)
{
    beginChange();
    for (const Placed& p : leaving)
        noteCell(p.lesson, p.slot, -1);
    for (const Placed& p : coming)
        noteCell(p.lesson, p.slot, +1);
    return change();
}

void RuleTally::beginChange()
{
    // Static rules (a course kept out of a slot) are counted straight into counts_ while the
    // cells are noted, and taken out again when the change is read.
    trialStart_ = counts_;
    trialLessons_.clear();
    trialUnits_.clear();
    trialVenues_.clear();
    trialCourseDays_.clear();
    trialPeriods_.clear();
    if (++trialStamp_ == 0) {
        std::fill(trialPairsMark_.begin(), trialPairsMark_.end(), 0);
        for (TrialMark& mark : trialLessonsMarks_)
            mark.stamp = 0;
        for (CourseDay& courseDay : courseDays_)
            courseDay.trial.stamp = 0;
        for (NeedDay& needDay : needDays_)
            needDay.trial.stamp = 0;
        trialStamp_ = 1;
    }
}

RuleCounts RuleTally::change()
{
    RuleCounts change = counts_ - trialStart_;
    counts_ = trialStart_;
    auto& violations = change.violations;
    const auto over = [](int held, int limit) { return std::max(held - limit, 0); };

    // A unit's teacher or venue counts once: where its first cell comes or its last goes.
    for (const auto& [key, by] : trialUnits_) {
        if (by == 0)
            continue;
        const int unit = int(key >> 32);
        const int slot = int((key >> 17) & 0x7fff);
        const bool venue = key & 1;
        const int which = int((key >> 1) & 0xffff);
        const int cells = unitCellsOf(unit, slot, which, venue);
        const int lessons = int(cells + by > 0) - int(cells > 0);
        if (lessons == 0)
            continue;
        if (venue)
            addTo(trialVenues_, which * slots_ + slot, lessons);
        else
            noteLessons(which, slot, lessons);
    }

    trialTeacherDays_.clear();
    for (const auto& [teacher, slot, by] : trialLessons_) {
        if (by == 0)
            continue;
        const int held = lessonsOf(teacher, slot);
        change.doubleBookings += int(held + by >= 2) - int(held >= 2);
        const int bookTeacher = ruleTeacher(teacher);
        if (bookTeacher < 0)
            continue;
        if (book_.teacherUnavailable(bookTeacher, slot))
            violations[std::size_t(RuleKind::TeacherUnavailable)] += by;
        if (const int day = dayOf(slot); day >= 0 && book_.teacherDailyLimit(bookTeacher) > 0)
            addTo(trialTeacherDays_,
                  std::size_t(bookTeacher) * std::size_t(book_.days()) + std::size_t(day), by);
    }
    for (const auto& [at, by] : trialTeacherDays_) {
        const int limit = book_.teacherDailyLimit(int(at / std::size_t(book_.days())));
        const int held = teacherDayLessons_[at];
        violations[std::size_t(RuleKind::TeacherDailyLimit)] +=
            over(held + by, limit) - over(held, limit);
    }
    for (const auto& [key, by] : trialVenues_) {
        const int capacity = book_.venueCapacity(key / slots_);
        const int held = venueLessons_[std::size_t(key)];
        violations[std::size_t(RuleKind::VenueCapacity)] +=
            over(held + by, capacity) - over(held, capacity);
    }
    for (const auto& [at, by] : trialCourseDays_) {
        const int course = int(at / std::size_t(book_.days()) % std::size_t(book_.courseCount()));
        const int limit = book_.courseDailyLimit(course);
        const int held = courseDays_[at].lessons;
        violations[std::size_t(RuleKind::CourseDailyLimit)] +=
            over(held + by, limit) - over(held, limit);
    }
    if (!trialPeriods_.empty()) {
        trialPairs_.clear();
        for (const TrialPeriods& t : trialPeriods_) {
            const NeedDay& needDay = needDays_[t.at];
            const quint32 now = needDay.periods;
            // A lesson that only changes places with another of its course changes no pair.
            if (t.periods == now)
                continue;
            const std::size_t need = std::size_t(t.need);
            if (trialPairsMark_[need] != trialStamp_) {
                trialPairsMark_[need] = trialStamp_;
                trialPairsAt_[need] = int(trialPairs_.size());
                trialPairs_.emplace_back(t.need, 0);
            }
            trialPairs_[std::size_t(trialPairsAt_[need])].second +=
                pairsIn(t.periods, partMasks_) - needDay.pairs;
        }
        for (const auto& [need, gained] : trialPairs_) {
            const int wanted = needWanted_[std::size_t(need)];
            const int held = pairs_[std::size_t(need)];
            violations[std::size_t(RuleKind::DoublePeriods)] +=
                std::max(wanted - held - gained, 0) - std::max(wanted - held, 0);
        }
    }
    return change;
}

int RuleTally::squaredLessonsChange(int teacher) const
{
    int change = 0;
    for (const auto& [which, slot, by] : trialLessons_)
        if (which == teacher) {
            const int held = lessonsOf(teacher, slot);
            change += (held + by) * (held + by) - held * held;
        }
    return change;
}

} // namespace orve::conditions
