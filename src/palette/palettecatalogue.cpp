// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/palettecatalogue.h"

PaletteWaves PaletteCatalogue::waves(PaletteNumber number)
{
    // Start from the nearest kept generator at or before the stride's first palette, keep one
    // there if there was none, then go on to the palette itself.
    const PaletteNumber strideStart = number - (number - 1) % kStride;
    auto kept = kept_.upper_bound(strideStart);
    PaletteRandom random = kept == kept_.begin() ? PaletteRandom() : std::prev(kept)->second;
    if (kept == kept_.begin() || std::prev(kept)->first != strideStart) {
        random.seek(std::uint64_t(std::tuple_size_v<PaletteDraws>) * (strideStart - 1));
        kept_.emplace(strideStart, random);
    }
    return numberedPaletteWaves(number, random);
}
