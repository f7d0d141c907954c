#include "randomsource.h"

#include <chrono>

namespace orv {

ClockRandomSource::ClockRandomSource()
{
    seedFromClock();
}

double ClockRandomSource::next()
{
    // The top 53 bits scaled by 2^-53: every value is exact and below 1.
    return double(m_engine() >> 11) * 0x1.0p-53;
}

void ClockRandomSource::seedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = std::uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    // The seeding count keeps two seedings within one clock tick apart.
    ++m_seedings;
    std::seed_seq seq{std::uint32_t(ticks), std::uint32_t(ticks >> 32), std::uint32_t(m_seedings)};
    m_engine.seed(seq);
}

} // namespace orv
