// The keys of the tally's sparse counts, shared by its two source files.
#pragma once

#include <QtGlobal>
#include <utility>
#include <vector>

namespace orve::conditions {

// A unit's cells in a slot with one teacher (venue false) or one venue (venue true): the unit
// in the high 32 bits, the slot (below 2^15) in bits 17-31, the teacher or venue (below 2^16)
// in bits 1-16.
inline quint64 unitKey(int unit, int slot, int which, bool venue)
{
    return (quint64(quint32(unit)) << 32) | (quint64(quint32(slot)) << 17) |
           (quint64(quint32(which)) << 1) | quint64(venue);
}

// Adds `by` to the entry of `key`, making one when there is none.
template <typename Key, typename Value> void addTo(std::vector<std::pair<Key, Value>>& changes,
                                                  Key key, Value by)
{
    for (auto& entry : changes)
        if (entry.first == key) {
            entry.second += by;
            return;
        }
    changes.emplace_back(key, by);
}

} // namespace orve::conditions
