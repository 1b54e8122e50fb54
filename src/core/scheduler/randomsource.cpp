#include "randomsource.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace orve::scheduler {

quint64 SeededRandom::clockSeed()
{
    return quint64(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

double SeededRandom::next()
{
    // 53 random bits: every double in [0, 1) on the 2^-53 lattice, never 1.
    return double(engine_() >> 11) * 0x1.0p-53;
}

int drawSlotColumn(RandomSource& random, int columns)
{
    const int slotCount = columns - 1;
    // A source that hands out 1.0 must not reach the column after the last.
    return std::min(int(std::floor(slotCount * random.next() + 1)), std::max(slotCount, 1));
}

} // namespace orve::scheduler
