#pragma once

namespace orv {

// Turns wheel deltas into whole notches (120 units of Qt's angle delta each):
// the small deltas of touchpads and fine-grained wheels add up to a notch,
// and what is left over waits for the next event. A turn the other way
// starts afresh.
class WheelNotches
{
public:
    static constexpr int kNotch = 120;

    // Whole notches in `delta` with what was left before; positive away from the user.
    int take(int delta)
    {
        if ((delta > 0 && m_rest < 0) || (delta < 0 && m_rest > 0))
            m_rest = 0;
        m_rest += delta;
        const int notches = m_rest / kNotch;
        m_rest -= notches * kNotch;
        return notches;
    }
    void reset() { m_rest = 0; }

private:
    int m_rest = 0;
};

} // namespace orv
