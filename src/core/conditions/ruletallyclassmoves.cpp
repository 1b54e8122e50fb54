// The quick test of one class's moves against the rules kept class by class, from the
// tally's counts: a course's lessons on each day the moves touch, and the double periods of
// those days recounted with the moves made.
#include "ruletally.h"

#include <algorithm>

namespace orve::conditions {

bool RuleTally::classMovesBreakRule(const std::vector<ClassMove>& moves) const
{
    const bool dailyKept = counts_.violations[std::size_t(RuleKind::CourseDailyLimit)] == 0;
    const bool pairsKept = counts_.violations[std::size_t(RuleKind::DoublePeriods)] == 0;
    if (!dailyKept && !pairsKept)
        return false;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const LessonFacts& lesson = *moves[i].lesson;
        // Each course of the class weighed once, at its first move.
        if (lesson.course < 0 ||
            std::any_of(moves.begin(), moves.begin() + std::ptrdiff_t(i),
                        [&](const ClassMove& m) { return m.lesson->course == lesson.course; }))
            continue;
        if (dailyKept && courseDayOverfilled(moves, lesson))
            return true;
        if (const int need = needOf(lesson.classIndex, lesson.course);
            pairsKept && need >= 0 && pairsLost(moves, lesson, need))
            return true;
    }
    return false;
}

bool RuleTally::courseDayOverfilled(const std::vector<ClassMove>& moves,
                                    const LessonFacts& lesson) const
{
    const int limit = book_.courseDailyLimit(lesson.course);
    if (limit <= 0 || lesson.classIndex < 0 || lesson.classIndex >= classCount_)
        return false;
    for (const ClassMove& move : moves) {
        const int day = dayOf(move.to);
        if (move.lesson->course != lesson.course || day < 0)
            continue;
        int net = 0;
        for (const ClassMove& other : moves)
            if (other.lesson->course == lesson.course)
                net += int(dayOf(other.to) == day) - int(dayOf(other.from) == day);
        if (net > 0 && courseDays_[courseDayAt(lesson, day)].lessons + net > limit)
            return true;
    }
    return false;
}

bool RuleTally::pairsLost(const std::vector<ClassMove>& moves, const LessonFacts& lesson,
                          int need) const
{
    const auto ofCourse = [&](const ClassMove& m) { return m.lesson->course == lesson.course; };
    // Pairs are lost only where a lesson leaves a period beside another of its course within
    // a part of the day: lessons coming in never split one.
    const auto inRun = [&](int slot) {
        const int day = dayOf(slot);
        if (day < 0)
            return false;
        const quint32 periods =
            needDays_[std::size_t(need) * std::size_t(book_.days()) + std::size_t(day)].periods;
        const quint32 bit = quint32(1) << periodOf(slot);
        for (const quint32 part : partMasks_)
            if (part & bit)
                return (periods & part & (bit << 1 | bit >> 1)) != 0;
        return false;
    };
    if (std::none_of(moves.begin(), moves.end(),
                     [&](const ClassMove& m) { return ofCourse(m) && inRun(m.from); }))
        return false;
    int pairs = pairs_[std::size_t(need)];
    // Each day weighed once, at the first end of a move on it (moves in order, from first).
    const auto metBefore = [&](std::size_t i, bool isTo, int day) {
        for (std::size_t j = 0; j <= i; ++j)
            if (ofCourse(moves[j]) && ((dayOf(moves[j].from) == day && (j < i || isTo)) ||
                                       (j < i && dayOf(moves[j].to) == day)))
                return true;
        return false;
    };
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (!ofCourse(moves[i]))
            continue;
        for (const bool isTo : {false, true}) {
            const int day = dayOf(isTo ? moves[i].to : moves[i].from);
            if (day < 0 || metBefore(i, isTo, day))
                continue;
            const NeedDay& held = needDays_[std::size_t(need) * std::size_t(book_.days()) +
                                            std::size_t(day)];
            std::array<qint8, 32> lessons = held.lessons;
            quint32 periods = held.periods;
            const auto change = [&](int slot, int by) {
                if (dayOf(slot) != day)
                    return;
                const std::size_t period = std::size_t(periodOf(slot));
                lessons[period] = qint8(lessons[period] + by);
                const quint32 bit = quint32(1) << period;
                periods = lessons[period] > 0 ? periods | bit : periods & ~bit;
            };
            for (const ClassMove& m : moves)
                if (ofCourse(m)) {
                    change(m.from, -1);
                    change(m.to, +1);
                }
            pairs += pairsIn(periods, partMasks_) - held.pairs;
        }
    }
    return pairs < needWanted_[std::size_t(need)];
}

} // namespace orve::conditions
