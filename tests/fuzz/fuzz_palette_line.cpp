// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Palette lines as Paste palette reads them, and the strip a line that is taken shows.
#include "palette/paletteline.h"
#include "palette/sinepalette.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const PaletteLineRead read =
        readPaletteLine(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!read.error.isEmpty()) {
        if (read.error.size() > 400) { // a message quotes only a little of the line
            __builtin_trap();
        }
        return 0;
    }
    // Every column of a line that is taken is a colour, and its line reads back the same.
    for (int x = 0; x < kPaletteColumns; ++x) {
        for (const ChannelWave &wave : read.palette.waves) {
            const int value = channelValue(wave, x);
            if (value < 0 || value > 255) {
                __builtin_trap();
            }
        }
    }
    const PaletteLineRead again = readPaletteLine(paletteLine(read.palette));
    if (!again.error.isEmpty() || !sameStrip(again.palette.waves, read.palette.waves)) {
        __builtin_trap();
    }
    return 0;
}
