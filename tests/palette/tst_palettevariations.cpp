// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/palettenumber.h"
#include "palette/paletterandom.h"
#include "palette/palettevariations.h"

#include <QtTest>

class TestPaletteVariations : public QObject {
    Q_OBJECT

private slots:
    void theGeneratorIsTheStandardMersenneTwister();
    void aVariationNudgesEveryTermByItsOwnDraw();
    void nudgesStayWithinTheirBounds();
};

void TestPaletteVariations::theGeneratorIsTheStandardMersenneTwister()
{
    // Seed 42's first draws of a 64-bit Mersenne Twister, top 53 bits over 2^52, less 1.
    VariationRandom random(42);
    QCOMPARE(random.nextSigned(), 0.5103110659090779);
    QCOMPARE(random.nextSigned(), 0.27806278770939485);
    QCOMPARE(random.nextSigned(), 0.5042904014960532);
    QCOMPARE(random.nextSigned(), -0.7274546327351259);
}

void TestPaletteVariations::aVariationNudgesEveryTermByItsOwnDraw()
{
    PaletteRandom run;
    const PaletteWaves first = numberedPaletteWaves(1, run);
    VariationRandom random(42);
    const PaletteWaves nudged = nudgedWaves(first, random);
    // Red: phase 5.243853766918183 + 0.4 x 0.510..., period 68.88153 x (1 + 0.15 x 0.278...)
    // as a float, amplitude 126 + 24 x 0.504..., offset 126 - 24 x 0.727...
    QCOMPARE(nudged[0].phase, 5.447978193281814);
    QCOMPARE(nudged[0].period, 71.7545394897461f);
    QCOMPARE(nudged[0].amplitude, 138.10296963590528);
    QCOMPARE(nudged[0].offset, 108.54108881435698);
    // The same seed, the same variations; the next draws, others.
    VariationRandom again(42);
    QVERIFY(sameStrip(paletteVariations(first, again)[0], nudged));
    QVERIFY(!sameStrip(paletteVariations(first, again)[0], nudged));
}

void TestPaletteVariations::nudgesStayWithinTheirBounds()
{
    PaletteWaves edge{};
    edge.fill(ChannelWave{20, 0.0, 40.0f, 255.0, 0.0});
    VariationRandom random(7);
    for (int i = 0; i < 200; ++i) {
        for (const ChannelWave &wave : nudgedWaves(edge, random)) {
            QVERIFY(wave.phase >= -0.4 && wave.phase <= 0.4);
            QVERIFY(wave.period >= 34.0f && wave.period <= 46.0f);
            QVERIFY(wave.amplitude >= 231.0 && wave.amplitude <= 255.0);
            QVERIFY(wave.offset >= 0.0 && wave.offset <= 24.0);
        }
    }
    // A period so near zero that a nudge down would leave no colours stays as it is.
    edge.fill(ChannelWave{20, 0.0, 1.556e-36f, 126.0, 126.0});
    bool kept = false;
    for (int i = 0; i < 20; ++i) {
        for (const ChannelWave &wave : nudgedWaves(edge, random)) {
            QVERIFY(std::isfinite(529.0f / wave.period));
            kept = kept || wave.period == 1.556e-36f;
        }
    }
    QVERIFY(kept);
}

QTEST_MAIN(TestPaletteVariations)
#include "tst_palettevariations.moc"
