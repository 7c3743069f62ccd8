// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/paletterandom.h"

float PaletteRandom::next()
{
    ++taken_;
    // The top 24 of the engine's 32 bits give k in [0, 2^24); k * 2^-24 is exact in a float.
    const std::uint32_t k = engine_() >> 8;
    return static_cast<float>(k) * (1.0f / 16777216.0f);
}

void PaletteRandom::seek(std::uint64_t taken)
{
    if (taken < taken_) {
        engine_ = std::mt19937();
        taken_ = 0;
    }
    engine_.discard(taken - taken_);
    taken_ = taken;
}
