#include "lowerbounds.h"

#include <algorithm>
#include <map>
#include <vector>

namespace orve::optimiser {

namespace {

// The most pairs of allowed periods beside each other in one part of a day, no period in two.
int mostPairs(const conditions::RuleBook& book, const std::vector<char>& allowed)
{
    int pairs = 0;
    const int last = std::min(int(allowed.size()), book.slotCount()) - 1;
    for (int s = 0; s < last; ++s)
        if (allowed[std::size_t(s)] && allowed[std::size_t(s) + 1] && book.joinsNext(s)) {
            ++pairs;
            ++s;
        }
    return pairs;
}

} // namespace

int ruleViolationLowerBound(const LessonTable& table)
{
    const conditions::RuleBook& book = table.tally().book();
    std::map<std::pair<int, int>, std::vector<int>> needs; // (class, course) -> its lessons
    for (int id = 0; id < table.lessonCount(); ++id)
        for (const conditions::LessonFacts& f : table.lesson(id).facts)
            if (f.course >= 0 && book.doublePeriods(f.classIndex, f.course) > 0)
                needs[{f.classIndex, f.course}].push_back(id);

    std::vector<char> teacherTaken(std::size_t(table.teacherCount()), 0);
    std::vector<char> classTaken(std::size_t(table.classCount()), 0);
    std::vector<char> allowed(std::size_t(table.slotCount()));
    int bound = 0;
    for (const auto& [need, lessons] : needs) {
        for (int s = 0; s < table.slotCount(); ++s)
            allowed[std::size_t(s)] = std::any_of(lessons.begin(), lessons.end(), [&](int id) {
                return table.mayStandKeepingRules(id, s);
            });
        const int most = std::min(mostPairs(book, allowed), int(lessons.size()) / 2);
        const int missing = book.doublePeriods(need.first, need.second) - most;
        const auto shares = [&](int id) {
            const Lesson& l = table.lesson(id);
            return std::any_of(l.teachers.begin(), l.teachers.end(),
                               [&](int t) { return teacherTaken[std::size_t(t)]; }) ||
                   std::any_of(l.classes.begin(), l.classes.end(),
                               [&](int c) { return classTaken[std::size_t(c)]; });
        };
        if (missing <= 0 || std::any_of(lessons.begin(), lessons.end(), shares))
            continue;
        for (const int id : lessons) {
            for (const int t : table.lesson(id).teachers)
                teacherTaken[std::size_t(t)] = 1;
            for (const int c : table.lesson(id).classes)
                classTaken[std::size_t(c)] = 1;
        }
        bound += missing;
    }
    return bound;
}

} // namespace orve::optimiser
