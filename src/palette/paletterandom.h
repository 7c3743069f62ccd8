#pragma once

#include <cstdint>
#include <random>

// The run's pseudo-random generator: uniform single-precision draws in [0, 1), each a whole
// multiple of 2^-24, so a draw is never 1. It is never seeded from the clock: every run of the
// program sees the same sequence.
class PaletteRandom {
public:
    // The largest draw there is: 1 - 2^-24.
    static constexpr float kLargestDraw = 1.0f - 1.0f / 16777216.0f;

    float next();

private:
    std::mt19937 engine_; // default-constructed: the same starting state in every run
};
