#include "morningpass.h"

#include "lessontable.h"
#include "runcontrol.h"
#include "slotexchange.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace orve::optimiser {

namespace {

// Main lessons the move brings into the morning; -1 when it takes one out of it.
int morningGain(const LessonTable& table, const SlotExchange& move)
{
    int gained = 0;
    for (const int id : move.lessons) {
        const Lesson& l = table.lesson(id);
        const int to = l.slot == move.a ? move.b : move.a;
        if (!l.main || table.isMorning(l.slot) == table.isMorning(to))
            continue;
        if (table.isMorning(l.slot))
            return -1;
        ++gained;
    }
    return gained;
}

} // namespace

int bringMainLessonsToMorning(LessonTable& table, RunControl& control)
{
    SlotExchangeBuilder builder(table);
    SlotExchange move;
    SlotExchange best;
    std::vector<int> outside;
    int returned = 0;
    for (bool changed = true; changed;) {
        changed = false;
        outside.clear();
        for (int id = 0; id < table.lessonCount(); ++id) {
            const Lesson& l = table.lesson(id);
            if (l.main && !l.fixed && l.slot >= 0 && !table.isMorning(l.slot))
                outside.push_back(id);
        }
        for (std::size_t i = outside.size(); i > 1; --i)
            std::swap(outside[i - 1], outside[std::size_t(control.below(int(i)))]);
        for (const int id : outside) {
            if (!control.step())
                return returned;
            const int from = table.lesson(id).slot;
            if (table.isMorning(from)) // an earlier move of this pass brought it in
                continue;
            long long bestValue = LLONG_MAX;
            int ties = 0;
            for (int to = 0; to < table.slotCount(); ++to) {
                if (!table.isMorning(to) ||
                    !builder.build(table.lesson(id).classes.front(), from, to, move))
                    continue;
                const int cost = builder.cost(move);
                const int gained = morningGain(table, move);
                if (cost > 0 || gained <= 0)
                    continue;
                // Fewer double bookings first, then more main lessons in the morning.
                const long long value = static_cast<long long>(cost) * 1000 - gained;
                if (value < bestValue) {
                    bestValue = value;
                    ties = 1;
                } else if (value > bestValue || control.below(++ties) != 0) {
                    continue;
                }
                std::swap(best, move);
            }
            if (ties > 0) {
                applyExchange(table, best);
                control.moved();
                ++returned;
                changed = true;
            }
        }
    }
    return returned;
}

} // namespace orve::optimiser
