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
// The channel amplitude: (sin + 1) * 126 spans 0..252.
constexpr double kChannelScale = 126.0;
// Channel values closer than this to a half are worked out with the library's sine.
constexpr double kHalfMargin = 1e-6;
// The largest angle quickSine is used for; palettes reach about 33.
constexpr double kQuickSineLimit = 1000.0;

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

double quickSine(double angle)
{
    // Whole quarter turns are taken off in two steps (the first 33 bits of pi / 2, then the
    // rest), leaving r in [-pi/4, pi/4]; short polynomials give sin r and cos r there.
    constexpr double kTwoOverPi = 6.36619772367581382433e-01;
    constexpr double kHalfPiHigh = 1.57079632673412561417e+00;
    constexpr double kHalfPiLow = 6.07710050650619224932e-11;
    constexpr double kRounder = 6755399441055744.0; // 1.5 * 2^52: rounds to a whole number
    const double quarters = (angle * kTwoOverPi + kRounder) - kRounder;
    const double r = (angle - quarters * kHalfPiHigh) - quarters * kHalfPiLow;
    const double r2 = r * r;
    const double sine = r + r * r2 *
                                (-1.66666666666666324348e-01 +
                                 r2 * (8.33333333332248946124e-03 +
                                       r2 * (-1.98412698298579493134e-04 +
                                             r2 * (2.75573137070700676789e-06 +
                                                   r2 * (-2.50507602534068634195e-08 +
                                                         r2 * 1.58969099521155010221e-10)))));
    const double cosine = 1.0 - 0.5 * r2 +
                          r2 * r2 *
                              (4.16666666666666019037e-02 +
                               r2 * (-1.38888888888741095749e-03 +
                                     r2 * (2.48015872894767294178e-05 +
                                           r2 * (-2.75573143513906633035e-07 +
                                                 r2 * (2.08757232129817482790e-09 +
                                                       r2 * -1.13596475577881948265e-11)))));
    switch (static_cast<long long>(quarters) & 3) {
    case 0:
        return sine;
    case 1:
        return cosine;
    case 2:
        return -sine;
    default:
        return -cosine;
    }
}

int channelValue(const ChannelWave &wave, int x)
{
    const float q = static_cast<float>(x) / wave.period;
    const double angle = wave.phase + double(q);
    // quickSine is within about 1e-15 of the library's sine on the palette's angles, so v is
    // within about 1e-12 of the value the library's sine gives. Only a v near a half could
    // round the other way; there the library's sine decides.
    const double v = (quickSine(angle) + 1.0) * kChannelScale;
    // v is at least -1e-12 here, so truncating takes the whole part and rounds v + 0.5 down.
    const double fraction = v - static_cast<double>(static_cast<int>(v));
    if (angle < 0 || angle > kQuickSineLimit || std::fabs(fraction - 0.5) < kHalfMargin) {
        return static_cast<int>(roundHalfToEven((std::sin(angle) + 1.0) * kChannelScale));
    }
    return static_cast<int>(v + 0.5);
}

ColorValue paletteColumnColor(const PaletteWaves &waves, int x)
{
    return RGB(channelValue(waves[0], x), channelValue(waves[1], x), channelValue(waves[2], x));
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
