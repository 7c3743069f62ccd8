// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/palettecycle.h"

#include <cmath>
#include <numbers>

PaletteWaves turnedWaves(const PaletteWaves &waves, double turns)
{
    const double part = turns - std::floor(turns);
    PaletteWaves turned = waves;
    for (ChannelWave &wave : turned) {
        wave.phase += 2 * std::numbers::pi * part;
    }
    return turned;
}
