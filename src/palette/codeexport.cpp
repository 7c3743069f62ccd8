// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/codeexport.h"

#include "palette/paletteexport.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <iterator>

namespace {

constexpr const char *kChannelNames[] = {"red", "green", "blue"};

template <typename Number> QByteArray shortest(Number value)
{
    char text[64];
    const auto end = std::to_chars(std::begin(text), std::end(text), value).ptr;
    return QByteArray(text, end - text);
}

// A GLSL float literal: the shortest text, with a point where it has neither point nor
// exponent.
template <typename Number> QByteArray glslNumber(Number value)
{
    QByteArray text = shortest(value);
    if (!text.contains('.') && !text.contains('e')) {
        text += ".0";
    }
    return text;
}

QByteArray glslVector(const PaletteWaves &waves,
                      const std::function<QByteArray(const ChannelWave &)> &term)
{
    return "vec3(" + term(waves[0]) + ", " + term(waves[1]) + ", " + term(waves[2]) + ")";
}

QByteArray hexColour(QRgb colour)
{
    return QByteArray::number(colour & 0xffffffu, 16).rightJustified(6, '0').prepend('#');
}

} // namespace

QByteArray paletteJson(const ShownPalette &palette)
{
    QByteArray json = "{\n  \"number\": " + QByteArray::number(palette.number) +
                      ",\n  \"changed\": " + (palette.changed ? "true" : "false") +
                      ",\n  \"columns\": " + QByteArray::number(kShownPaletteColumns);
    for (std::size_t channel = 0; channel < 3; ++channel) {
        const ChannelWave &wave = palette.waves[channel];
        json += ",\n  \"" + QByteArray(kChannelNames[channel]) +
                "\": {\"phase\": " + shortest(wave.phase) +
                ", \"period\": " + shortest(wave.period) +
                ", \"amplitude\": " + shortest(wave.amplitude) +
                ", \"offset\": " + shortest(wave.offset) + "}";
    }
    return json + "\n}\n";
}

QByteArray paletteGlsl(const ShownPalette &palette)
{
    const PaletteWaves &waves = palette.waves;
    return "// sinepaint palette " + QByteArray::number(palette.number) +
           (palette.changed ? " (changed)" : "") +
           ": the colour of strip column x (0 to 524) in 0..1.\n"
           "// Each channel is offset + amplitude * sin(phase + x / period), rounded and clamped\n"
           "// to 0..255, then divided by 255: the formula the program's strip follows. GLSL\n"
           "// computes in single precision, so a channel may now and then differ by one.\n"
           "vec3 sinepaint_palette(float x)\n{\n    const vec3 phase = " +
           glslVector(waves, [](const ChannelWave &w) { return glslNumber(w.phase); }) +
           ";\n    const vec3 period = " +
           glslVector(waves, [](const ChannelWave &w) { return glslNumber(w.period); }) +
           ";\n    const vec3 amplitude = " +
           glslVector(waves, [](const ChannelWave &w) { return glslNumber(w.amplitude); }) +
           ";\n    const vec3 offset = " +
           glslVector(waves, [](const ChannelWave &w) { return glslNumber(w.offset); }) +
           ";\n    return clamp(floor(offset + amplitude * sin(phase + x / period) + 0.5), 0.0, "
           "255.0) / 255.0;\n}\n";
}

QByteArray paletteCss(const ShownPalette &palette)
{
    constexpr int kStopEvery = 5;
    const int last = kShownPaletteColumns - 1;
    QByteArray css = "/* sinepaint palette " + QByteArray::number(palette.number) +
                     (palette.changed ? " (changed)" : "") +
                     ": its strip as a gradient, a stop every 5 columns. */\n:root {\n"
                     "  --sinepaint-palette-" +
                     QByteArray::number(palette.number) + ": linear-gradient(to right";
    for (int x = 0; x <= last; x = x == last ? last + 1 : std::min(x + kStopEvery, last)) {
        css += ",\n    " + hexColour(toQRgb(paletteColumnColor(palette.waves, x))) + ' ' +
               QByteArray::number(x * 100.0 / last, 'f', 2) + '%';
    }
    return css + ");\n}\n";
}
