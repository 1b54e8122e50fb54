#include "lowerbounds.h"

#include <algorithm>
#include <map>
#include <vector>

namespace orve::optimiser {

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
    int bound = 0;
    for (const auto& [need, lessonsOfNeed] : needs) {
        // Before C++20 a lambda may not capture a structured binding.
        const std::vector<int>& lessons = lessonsOfNeed;
        const auto usable = [&](int s) {
            return s < table.slotCount() &&
                   std::any_of(lessons.begin(), lessons.end(),
                               [&](int id) { return table.mayStandKeepingRules(id, s); });
        };
        const int most = std::min(book.mostPairs(usable), int(lessons.size()) / 2);
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
