// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/sinepalette.h"

#include "surface/picturesurface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// The arithmetic below is exact to the last bit: every step is done in the precision written
// next to it, float where a float is held and double where a double is.

namespace {

// The multiplier of the phases: the double nearest to 6.28, deliberately not 2 pi.
constexpr double kPhaseScale = 6.28;

ChannelWave channelWave(float baseDraw, float phaseDraw, float periodDraw)
{
    ChannelWave wave{};
    // In double precision, so that the largest draw gives 39 and never 40.
    wave.base = static_cast<float>(std::floor(double(baseDraw) * 20.0 + 20.0));
    wave.phase = double(phaseDraw) * kPhaseScale;
    // Single precision: the product is rounded to a float, then the sum.
    const float stretch = periodDraw * wave.base;
    wave.period = wave.base + stretch;
    return wave;
}

} // namespace

PaletteWaves paletteWaves(const PaletteDraws &draws)
{
    PaletteWaves waves{};
    for (int channel = 0; channel < 3; ++channel) {
        waves[channel] = channelWave(draws[channel], draws[3 + channel], draws[6 + channel]);
    }
    return waves;
}

double roundHalfToEven(double v)
{
    const double nearest = std::round(v); // halves away from zero
    if (std::fabs(v - std::trunc(v)) == 0.5) {
        return 2.0 * std::round(v / 2.0);
    }
    return nearest;
}

int channelValue(const ChannelWave &wave, int x)
{
    const float q = static_cast<float>(x) / wave.period;
    const double angle = wave.phase + double(q);
    const double value = wave.offset + wave.amplitude * std::sin(angle);
    return std::clamp(static_cast<int>(roundHalfToEven(value)), 0, 255);
}

ColorValue paletteColumnColor(const PaletteWaves &waves, int x)
{
    return RGB(channelValue(waves[0], x), channelValue(waves[1], x), channelValue(waves[2], x));
}

StripColours stripColours(const PaletteWaves &waves)
{
    StripColours colours{};
    for (int x = 0; x < kPaletteColumns; ++x) {
        colours[std::size_t(x)] = toQRgb(paletteColumnColor(waves, x));
    }
    return colours;
}

void drawPaletteStrip(PictureSurface &strip, const PaletteWaves &waves)
{
    // Each column is a vertical line of one colour from the top of the strip down, so every
    // row holds the same run of colours: the first row is worked out column by column and the
    // others copy it. Columns past the right edge cannot be seen and are not worked out.
    strip.edit([&](QImage &image) {
        const int columns = std::min(kPaletteColumns, image.width());
        const int rows = std::min(kPaletteLineBottom + 1, image.height());
        if (columns <= 0 || rows <= 0) {
            return QRect();
        }
        auto *first = reinterpret_cast<QRgb *>(image.scanLine(0));
        for (int x = 0; x < columns; ++x) {
            first[x] = toQRgb(paletteColumnColor(waves, x));
        }
        for (int y = 1; y < rows; ++y) {
            std::memcpy(image.scanLine(y), first, std::size_t(columns) * sizeof(QRgb));
        }
        return QRect(0, 0, columns, rows);
    });
}
