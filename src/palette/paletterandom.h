// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

    // How many draws the sequence has given.
    std::uint64_t drawsTaken() const { return taken_; }
    // Goes on from draw `taken` of the sequence, as if exactly that many had been taken.
    void seek(std::uint64_t taken);

private:
    std::mt19937 engine_; // default-constructed: the same starting state in every run
    std::uint64_t taken_ = 0;
};
