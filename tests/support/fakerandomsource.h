#pragma once

#include "randomsource.h"

#include <deque>
#include <gtest/gtest.h>

namespace orv::test {

// Hands out scripted numbers; drawing past the script fails the test.
class FakeRandomSource : public RandomSource
{
public:
    FakeRandomSource() = default;
    explicit FakeRandomSource(std::deque<double> script) : values(std::move(script)) {}

    double next() override
    {
        ++draws;
        if (values.empty()) {
            ADD_FAILURE() << "random number drawn past the script";
            return 0.0;
        }
        const double v = values.front();
        values.pop_front();
        return v;
    }
    void seedFromClock() override { ++seedings; }

    std::deque<double> values;
    int draws = 0;
    int seedings = 0;
};

} // namespace orv::test
