#include "randomsource.h"

#include <chrono>

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

} // namespace orve::scheduler
