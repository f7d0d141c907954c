#pragma once

#include <cstdint>
#include <random>

namespace orv {

// A uniform random generator, seeded from the clock by the program and
// scripted by tests.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A number in [0, 1).
    virtual double next() = 0;
    // Starts a new sequence from the clock. A scripted source keeps its script.
    virtual void seedFromClock() {}
};

// The program's generator: a Mersenne twister seeded from the clock.
class ClockRandomSource : public RandomSource
{
public:
    ClockRandomSource();
    double next() override;
    void seedFromClock() override;

private:
    std::mt19937_64 m_engine;
    std::uint64_t m_seedings = 0;
};

} // namespace orv
