// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/palettevariations.h"

#include <algorithm>
#include <cmath>

double VariationRandom::nextSigned()
{
    // The top 53 bits as a number from 0 to 2 - 2^-52, less 1.
    return double(engine_() >> 11) * 0x1p-52 - 1.0;
}

PaletteWaves nudgedWaves(const PaletteWaves &waves, VariationRandom &random)
{
    PaletteWaves nudged = waves;
    for (ChannelWave &wave : nudged) {
        wave.phase += kPhaseNudge * random.nextSigned();
        const auto period = float(double(wave.period) * (1.0 + kPeriodNudge * random.nextSigned()));
        // A period so near zero that the last column over it is no number stays as it was.
        if (std::isfinite(float(kPaletteColumns - 1) / period)) {
            wave.period = period;
        }
        wave.amplitude =
            std::clamp(wave.amplitude + kAmplitudeNudge * random.nextSigned(), 0.0, kMostAmplitude);
        wave.offset =
            std::clamp(wave.offset + kAmplitudeNudge * random.nextSigned(), 0.0, kMostAmplitude);
    }
    return nudged;
}

PaletteVariations paletteVariations(const PaletteWaves &waves, VariationRandom &random)
{
    PaletteVariations variations{};
    for (PaletteWaves &variation : variations) {
        variation = nudgedWaves(waves, random);
    }
    return variations;
}
