// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/colorvalue.h"

#include <array>

class PictureSurface;

// The amplitude and offset every numbered palette has: its channels span 0..252.
inline constexpr double kNumberedAmplitude = 126.0;
inline constexpr double kNumberedOffset = 126.0;
// The largest amplitude or offset a palette may have; the least is 0.
inline constexpr double kMostAmplitude = 255.0;

// The sine wave one colour channel follows along the strip.
struct ChannelWave {
    float base;                            // scale of the period, a whole number 20..39
    double phase;                          // argument of the sine at column 0, in radians
    float period;                          // columns per radian, base..2*base
    double amplitude = kNumberedAmplitude; // how far the wave swings from its offset, 0..255
    double offset = kNumberedOffset;       // the value the wave swings about, 0..255
};

// The red, green and blue waves of one palette.
using PaletteWaves = std::array<ChannelWave, 3>;

// The nine random draws of one palette, in the order they are taken: the three bases, the three
// phases and the three periods, each as red, green, blue.
using PaletteDraws = std::array<float, 9>;

// The columns drawn on the strip: 0..529, more than its drawable area shows.
inline constexpr int kPaletteColumns = 530;
// Each column is a line from y = 0 to this y.
inline constexpr int kPaletteLineBottom = 33;

// The colours of the strip's columns 0..529, as pixels.
using StripColours = std::array<QRgb, kPaletteColumns>;

// The waves that nine draws give.
PaletteWaves paletteWaves(const PaletteDraws &draws);

// A channel's value at column x: offset + amplitude * sin(phase + x / period), rounded (a
// half to the even neighbour), clamped to 0..255. For every numbered palette (amplitude and
// offset 126) this gives, in every column, exactly the value (sin(...) + 1) * 126 always gave.
int channelValue(const ChannelWave &wave, int x);

// The colour of column x of the palette.
ColorValue paletteColumnColor(const PaletteWaves &waves, int x);

// The colour of every column of the palette.
StripColours stripColours(const PaletteWaves &waves);

// v rounded to the nearest whole number, a half going to the even neighbour.
double roundHalfToEven(double v);

// Paints the palette over the strip: each column takes its colour from the top down, as a
// vertical line to y = 33 would, clipped to the strip; the old palette is covered completely.
void drawPaletteStrip(PictureSurface &strip, const PaletteWaves &waves);
