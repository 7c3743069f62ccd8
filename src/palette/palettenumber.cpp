// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/palettenumber.h"

#include "palette/paletterandom.h"

bool ShownPalette::operator==(const ShownPalette &other) const
{
    return number == other.number && changed == other.changed && sameStrip(waves, other.waves);
}

PaletteWaves nextPaletteWaves(PaletteRandom &random)
{
    PaletteDraws draws{};
    for (float &draw : draws) {
        draw = random.next();
    }
    return paletteWaves(draws);
}

PaletteWaves numberedPaletteWaves(PaletteNumber number, PaletteRandom &random)
{
    Q_ASSERT(number >= kFirstPaletteNumber);
    random.seek(std::uint64_t(std::tuple_size_v<PaletteDraws>) * (number - 1));
    return nextPaletteWaves(random);
}

bool sameStrip(const PaletteWaves &a, const PaletteWaves &b)
{
    for (std::size_t channel = 0; channel < a.size(); ++channel) {
        if (a[channel].phase != b[channel].phase || a[channel].period != b[channel].period) {
            return false;
        }
    }
    return true;
}

QString paletteTitle(const ShownPalette &palette)
{
    const QString title = QStringLiteral("Palette %1").arg(palette.number);
    return palette.changed ? title + QStringLiteral(" (changed)") : title;
}
