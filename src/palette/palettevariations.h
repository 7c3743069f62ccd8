// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/sinepalette.h"

#include <array>
#include <cstdint>
#include <random>

// The generator of variations: one of its own, so that the run's generator, and with it the
// numbered palettes, stay as they are. The same seed gives the same variations everywhere
// (a 64-bit Mersenne Twister, its draws turned into numbers by the program itself).
class VariationRandom {
public:
    explicit VariationRandom(std::uint64_t seed) : engine_(seed) {}
    // A number from -1 up to (not including) 1, a multiple of 2^-52.
    double nextSigned();

private:
    std::mt19937_64 engine_;
};

// How far a variation may move each term of a channel's wave from where it was.
inline constexpr double kPhaseNudge = 0.4;      // radians
inline constexpr double kPeriodNudge = 0.15;    // of the period
inline constexpr double kAmplitudeNudge = 24.0; // the amplitude and the offset, within 0..255

// The waves with every channel's phase, period, amplitude and offset nudged by a step of its
// own, drawn in that order, red first.
PaletteWaves nudgedWaves(const PaletteWaves &waves, VariationRandom &random);

// Eight variations of the waves.
using PaletteVariations = std::array<PaletteWaves, 8>;
PaletteVariations paletteVariations(const PaletteWaves &waves, VariationRandom &random);
