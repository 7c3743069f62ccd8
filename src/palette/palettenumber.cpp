// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/palettenumber.h"

#include "palette/paletterandom.h"

#include <QCoreApplication>
#include <QLocale>

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

bool sameWave(const ChannelWave &a, const ChannelWave &b)
{
    return a.phase == b.phase && a.period == b.period && a.amplitude == b.amplitude &&
           a.offset == b.offset;
}

bool sameStrip(const PaletteWaves &a, const PaletteWaves &b)
{
    return sameWave(a[0], b[0]) && sameWave(a[1], b[1]) && sameWave(a[2], b[2]);
}

QString numberText(qint64 number)
{
    return QLocale(QLocale::English).toString(number);
}

QString paletteTitle(const ShownPalette &palette)
{
    const QString title =
        QCoreApplication::translate("Palette", "Palette %1").arg(numberText(palette.number));
    return palette.changed ? title + QCoreApplication::translate("Palette", " (changed)") : title;
}
