// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"
#include "palette/paletterandom.h"

#include <map>

// The numbered palettes, for browsing: any palette from 1 to kLastPaletteNumber, in any order,
// exactly as the run's generator gives it. Going to a palette keeps the generator where it was
// every so many palettes on the way, so a later palette near one already seen, before it or
// after it, costs a few draws and not a seek from the start. The run's own generator is not
// touched.
class PaletteCatalogue {
public:
    PaletteWaves waves(PaletteNumber number);

private:
    // A kept generator every this many palettes.
    static constexpr PaletteNumber kStride = 256;

    std::map<PaletteNumber, PaletteRandom> kept_; // by the number of the palette it gives next
};
