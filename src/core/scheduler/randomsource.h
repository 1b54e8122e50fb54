// Where the scheduler's random draws come from: uniform numbers in [0, 1). The program seeds
// one generator from the clock per run; tests inject a fixed seed or a scripted sequence.
#pragma once

#include <QtGlobal>
#include <random>

namespace orve::scheduler {

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform number in [0, 1).
    virtual double next() = 0;
};

class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(quint64 seed) : engine_(seed) {}
    static quint64 clockSeed();
    double next() override;

private:
    std::mt19937_64 engine_;
};

// A uniform slot column 1 .. columns - 1 of the master timetable: floor((columns - 1) x + 1).
int drawSlotColumn(RandomSource& random, int columns);

} // namespace orve::scheduler
