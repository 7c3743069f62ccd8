// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/sinepalette.h"

#include <QString>

#include <cstdint>

class PaletteRandom;

// Palettes are numbered in the order the run's generator gives them: the start-up palette is
// 1, and palette n is made of draws 9n - 8 to 9n.
using PaletteNumber = std::uint32_t;

// The numbers a user may go to or start with.
inline constexpr PaletteNumber kFirstPaletteNumber = 1;
inline constexpr PaletteNumber kLastPaletteNumber = 1'000'000;

// The palette on the strip: its number and the waves it shows. A palette pasted from a line
// that someone changed shows other waves than its number's own.
struct ShownPalette {
    PaletteNumber number = kFirstPaletteNumber;
    PaletteWaves waves{};
    bool changed = false; // the waves are not palette `number`'s own
    bool operator==(const ShownPalette &other) const;
};

// The next palette the generator gives.
PaletteWaves nextPaletteWaves(PaletteRandom &random);
// Palette `number`, exactly as the number-th of a run: the generator goes to its draws.
PaletteWaves numberedPaletteWaves(PaletteNumber number, PaletteRandom &random);

// Whether two palettes paint the same strip: the same phase, period, amplitude and offset in
// every channel.
bool sameStrip(const PaletteWaves &a, const PaletteWaves &b);
// Whether two channels follow the same wave.
bool sameWave(const ChannelWave &a, const ChannelWave &b);

// "Palette 17", or "Palette 17 (changed)" when it is not palette 17's own strip.
QString paletteTitle(const ShownPalette &palette);

// A number as the window writes it, its thousands grouped: "1,000,000".
QString numberText(qint64 number);
