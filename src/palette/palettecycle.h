// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/sinepalette.h"

// Cycling colours: the strip's three phases turned together.

// The shortest and longest time one full turn of the cycle may take, and the usual one.
inline constexpr int kShortestCycleSeconds = 1;
inline constexpr int kLongestCycleSeconds = 60;
inline constexpr int kDefaultCycleSeconds = 8;

// `waves` with every phase turned on by `turns` of a full turn (2 pi radians); whole turns
// change nothing, so a long cycle keeps its precision.
PaletteWaves turnedWaves(const PaletteWaves &waves, double turns);
