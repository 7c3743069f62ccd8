// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/palettenumber.h"
#include "palette/paletterandom.h"
#include "palette/sinepalette.h"
#include "surface/picturesurface.h"

#include <QtTest>

#include <bit>
#include <cmath>

namespace {

constexpr float kLargest = PaletteRandom::kLargestDraw;

// The bits of a float or a double: equal bits, equal numbers, with no tolerance at all.
quint32 bits(float value)
{
    return std::bit_cast<quint32>(value);
}
quint64 bits(double value)
{
    return std::bit_cast<quint64>(value);
}

float floatWithBits(quint32 pattern)
{
    return std::bit_cast<float>(pattern);
}

PaletteDraws nextDraws(PaletteRandom &random)
{
    PaletteDraws draws{};
    for (float &draw : draws) {
        draw = random.next();
    }
    return draws;
}

} // namespace

class TestSinePalette : public QObject {
    Q_OBJECT

private slots:
    void allNineDrawsZeroGiveGreyColumns_data();
    void allNineDrawsZeroGiveGreyColumns();
    void basesAndPeriodsAreExactToTheLastBit_data();
    void basesAndPeriodsAreExactToTheLastBit();
    void columnZeroDependsOnThePhaseAlone_data();
    void columnZeroDependsOnThePhaseAlone();
    void halvesRoundToTheEvenNeighbour_data();
    void halvesRoundToTheEvenNeighbour();
    void channelValuesAtTheRoundingEdges();
    void aPinnedPaletteHasTheseColumns_data();
    void aPinnedPaletteHasTheseColumns();
    void theFirstTenPalettesOfARunAreAlwaysTheSame();
    void palettesStayBelow253AndChangeByAtMost7PerColumn();
    void drawsAreWholeMultiplesOf2ToTheMinus24InZeroToOne();
    void theStripShowsEachColumnTopToBottomAndCoversTheOldPalette();
    void amplitudeAndOffsetGiveTheseValues_data();
    void amplitudeAndOffsetGiveTheseValues();
    void numberedStripsAreThoseOfTheLastReleaseToTheBit();
};

void TestSinePalette::allNineDrawsZeroGiveGreyColumns_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("value");
    QTest::newRow("x 0") << 0 << 126;
    QTest::newRow("x 5") << 5 << 157;
    QTest::newRow("x 10") << 10 << 186;
    QTest::newRow("x 31, the crest") << 31 << 252;
    QTest::newRow("x 63") << 63 << 125;
    QTest::newRow("x 94, the trough") << 94 << 0;
    QTest::newRow("x 126") << 126 << 128;
}

void TestSinePalette::allNineDrawsZeroGiveGreyColumns()
{
    QFETCH(int, x);
    QFETCH(int, value);
    QCOMPARE(paletteColumnColor(paletteWaves(PaletteDraws{}), x), RGB(value, value, value));
}

void TestSinePalette::basesAndPeriodsAreExactToTheLastBit_data()
{
    QTest::addColumn<float>("baseDraw");
    QTest::addColumn<float>("periodDraw");
    QTest::addColumn<quint32>("base");
    QTest::addColumn<quint32>("period");
    QTest::newRow("draws 0 give base 20 and period 20")
        << 0.0f << 0.0f << 0x41a00000u << 0x41a00000u;
    QTest::newRow("the largest base draw gives 39, never 40")
        << kLargest << 0.0f << 0x421c0000u << 0x421c0000u;
    QTest::newRow("just below 0.95 gives 38")
        << std::nextafter(0.95f, 0.0f) << 0.0f << 0x42180000u << 0x42180000u;
    QTest::newRow("the largest period draw doubles base 20 to 40")
        << 0.0f << kLargest << 0x41a00000u << 0x42200000u;
    QTest::newRow("the largest period draw doubles base 39 to 78")
        << kLargest << kLargest << 0x421c0000u << 0x429c0000u;
    // Product and sum each rounded to single precision: rounding once would give the
    // neighbouring float, ...d5 and ...f3.
    QTest::newRow("base 20, period draw 0x3e4c3223: two roundings")
        << 0.025f << floatWithBits(0x3e4c3223) << 0x41a00000u << 0x41bfe7d6u;
    QTest::newRow("base 20, period draw 0x3e6ad2dd: two roundings")
        << 0.025f << floatWithBits(0x3e6ad2dd) << 0x41a00000u << 0x41c4b0f2u;
}

void TestSinePalette::basesAndPeriodsAreExactToTheLastBit()
{
    QFETCH(float, baseDraw);
    QFETCH(float, periodDraw);
    QFETCH(quint32, base);
    QFETCH(quint32, period);
    const PaletteWaves waves =
        paletteWaves({baseDraw, baseDraw, baseDraw, 0, 0, 0, periodDraw, periodDraw, periodDraw});
    for (const ChannelWave &wave : waves) {
        QCOMPARE(bits(wave.base), base);
        QCOMPARE(bits(wave.period), period);
    }
}

void TestSinePalette::columnZeroDependsOnThePhaseAlone_data()
{
    QTest::addColumn<float>("phaseDraw");
    QTest::addColumn<quint64>("phase");
    QTest::addColumn<int>("value");
    QTest::newRow("phase 0 gives 126") << 0.0f << quint64(0) << 126;
    QTest::newRow("draw 0.1, phase 0.628") << 0.1f << 0x3fe4189379c28f5cull << 200;
    QTest::newRow("draw 0.25, phase 1.57 in double") << 0.25f << 0x3ff91eb851eb851full << 252;
    QTest::newRow("draw 0.75, phase 4.71") << 0.75f << 0x4012d70a3d70a3d7ull << 0;
    QTest::newRow("the largest draw, 6.28 not 2 pi") << kLargest << 0x40191eb838cccccdull << 126;
}

void TestSinePalette::columnZeroDependsOnThePhaseAlone()
{
    QFETCH(float, phaseDraw);
    QFETCH(quint64, phase);
    QFETCH(int, value);
    for (float periodDraw : {0.0f, 0.5f, kLargest}) {
        const PaletteWaves waves = paletteWaves({0.1f, 0.7f, kLargest, phaseDraw, phaseDraw,
                                                 phaseDraw, periodDraw, periodDraw, periodDraw});
        for (const ChannelWave &wave : waves) {
            QCOMPARE(bits(wave.phase), phase);
            QCOMPARE(channelValue(wave, 0), value);
        }
    }
}

void TestSinePalette::halvesRoundToTheEvenNeighbour_data()
{
    QTest::addColumn<double>("v");
    QTest::addColumn<int>("rounded");
    QTest::newRow("126.5 goes down to 126") << 126.5 << 126;
    QTest::newRow("127.5 goes up to 128") << 127.5 << 128;
    QTest::newRow("0.5 goes down to 0") << 0.5 << 0;
    QTest::newRow("251.5 goes up to 252") << 251.5 << 252;
    QTest::newRow("just below a half goes down") << std::nextafter(2.5, 0.0) << 2;
    QTest::newRow("just above a half goes up") << std::nextafter(2.5, 3.0) << 3;
    QTest::newRow("whole numbers stay") << 252.0 << 252;
}

void TestSinePalette::halvesRoundToTheEvenNeighbour()
{
    QFETCH(double, v);
    QFETCH(int, rounded);
    QCOMPARE(int(roundHalfToEven(v)), rounded);
}

void TestSinePalette::channelValuesAtTheRoundingEdges()
{
    auto phase = [](quint64 pattern) { return std::bit_cast<double>(pattern); };
    // Phases at which column 0 is exactly 126.5 and exactly 127.5.
    QCOMPARE(channelValue({20, phase(0x3f704106dbf3ce95), 20}, 0), 126);
    QCOMPARE(channelValue({20, phase(0x3f8861abd6db701e), 20}, 0), 128);
    // Columns of palettes 23 and 160 of a run where x / period must be rounded to single
    // precision before it joins the phase: in double they give 174 and 239.
    auto draws = [](std::array<quint32, 9> patterns) {
        PaletteDraws result{};
        std::transform(patterns.begin(), patterns.end(), result.begin(), floatWithBits);
        return paletteWaves(result);
    };
    QCOMPARE(channelValue(draws({0x3eac9b56, 0x3ec6f29e, 0x3e26131c, 0x3f6d702b, 0x3f4b563b,
                                 0x3edf4acc, 0x3e9f5792, 0x3f5cd87a, 0x3f074df2})[1],
                          401),
             175);
    QCOMPARE(channelValue(draws({0x3ec0033a, 0x3eedff80, 0x3f593c71, 0x3f4392b0, 0x3ebabb04,
                                 0x3f5175d1, 0x3e1208a8, 0x3dcd40f0, 0x3ed7e900})[2],
                          116),
             240);
}

void TestSinePalette::aPinnedPaletteHasTheseColumns_data()
{
    // Bases 30, 25, 35; phases 0.628, 1.256, 1.884; periods 45, 31.25, 66.5.
    QTest::addColumn<int>("x");
    QTest::addColumn<ColorValue>("colour");
    QTest::newRow("column 0") << 0 << RGB(200, 246, 246);
    QTest::newRow("column 1") << 1 << RGB(202, 247, 245);
    QTest::newRow("column 100") << 100 << RGB(162, 4, 95);
    QTest::newRow("column 263") << 263 << RGB(150, 95, 72);
    QTest::newRow("column 524, the last shown") << 524 << RGB(89, 33, 84);
    QTest::newRow("column 529, the last drawn") << 529 << RGB(103, 48, 75);
}

void TestSinePalette::aPinnedPaletteHasTheseColumns()
{
    QFETCH(int, x);
    QFETCH(ColorValue, colour);
    const PaletteWaves waves =
        paletteWaves({0.5f, 0.25f, 0.75f, 0.1f, 0.2f, 0.3f, 0.5f, 0.25f, 0.9f});
    QCOMPARE(paletteColumnColor(waves, x), colour);
}

void TestSinePalette::theFirstTenPalettesOfARunAreAlwaysTheSame()
{
    PaletteRandom random;
    const PaletteDraws first = nextDraws(random);
    const quint32 firstDraws[9] = {0x3f5091bb, 0x3e0aba78, 0x3f67e1fa, 0x3f55c31f, 0x3e0208d4,
                                   0x3f7807b7, 0x3f69d300, 0x3e6256bc, 0x3f21e24b};
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(bits(first[std::size_t(i)]), firstDraws[i]);
    }
    QCOMPARE(paletteColumnColor(paletteWaves(first), 200), RGB(247, 243, 141));
    // Every channel value of every column of the first ten palettes, in one FNV-1a digest.
    quint64 digest = 1469598103934665603ull;
    PaletteDraws draws = first;
    for (int palette = 0; palette < 10; ++palette) {
        const PaletteWaves waves = paletteWaves(draws);
        for (int x = 0; x < kPaletteColumns; ++x) {
            for (const ChannelWave &wave : waves) {
                digest = (digest ^ quint64(channelValue(wave, x))) * 1099511628211ull;
            }
        }
        draws = nextDraws(random);
    }
    QCOMPARE(digest, 0xbc3db9a8e31675d6ull);
}

void TestSinePalette::palettesStayBelow253AndChangeByAtMost7PerColumn()
{
    PaletteRandom random;
    for (int palette = 0; palette < 300; ++palette) {
        for (const ChannelWave &wave : paletteWaves(nextDraws(random))) {
            int previous = channelValue(wave, 0);
            for (int x = 0; x < kPaletteColumns; ++x) {
                const int value = channelValue(wave, x);
                QVERIFY2(value >= 0 && value <= 252, qPrintable(QString::number(value)));
                QVERIFY(std::abs(value - previous) <= 7);
                previous = value;
            }
        }
    }
}

void TestSinePalette::drawsAreWholeMultiplesOf2ToTheMinus24InZeroToOne()
{
    PaletteRandom random;
    float smallest = 1, largest = 0;
    for (int i = 0; i < 100000; ++i) {
        const float draw = random.next();
        QVERIFY(draw >= 0.0f && draw < 1.0f);
        const double scaled = double(draw) * 16777216.0;
        QVERIFY(scaled == std::floor(scaled));
        smallest = std::min(smallest, draw);
        largest = std::max(largest, draw);
    }
    // Uniform over the whole range, not stuck in a corner of it.
    QVERIFY(smallest < 0.001f);
    QVERIFY(largest > 0.999f);
}

void TestSinePalette::theStripShowsEachColumnTopToBottomAndCoversTheOldPalette()
{
    PictureSurface strip(QSize(525, 29));
    strip.PSet(524, 28, RGB(255, 255, 255)); // white is never a palette colour
    drawPaletteStrip(strip, paletteWaves(PaletteDraws{}));
    drawPaletteStrip(strip, paletteWaves({0.3f, 0.6f, 0.9f, 0.1f, 0.5f, 0.8f, 0.2f, 0.4f, 0.7f}));
    const std::pair<int, ColorValue> columns[] = {
        {0, RGB(200, 126, 6)}, {262, RGB(175, 179, 155)}, {524, RGB(1, 222, 215)}};
    for (const auto &[x, colour] : columns) {
        for (int y = 0; y < 29; ++y) {
            QCOMPARE(strip.Point(float(x), float(y)), colour);
        }
    }
    // Every row is the first row again.
    const QImage &image = strip.Image();
    for (int y = 1; y < 29; ++y) {
        QVERIFY(std::equal(image.constScanLine(0), image.constScanLine(0) + 525 * 4,
                           image.constScanLine(y)));
    }
}

void TestSinePalette::amplitudeAndOffsetGiveTheseValues_data()
{
    // Phase 0 and period 20: offset + amplitude * sin(x / 20), rounded, clamped to 0..255.
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<double>("offset");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("value");
    QTest::newRow("amplitude 60, offset 100, column 0: the offset") << 60.0 << 100.0 << 0 << 100;
    QTest::newRow("amplitude 60, offset 100, column 31, near the crest")
        << 60.0 << 100.0 << 31 << 160;
    QTest::newRow("amplitude 200, offset 100, column 50") << 200.0 << 100.0 << 50 << 220;
    QTest::newRow("amplitude 20, offset 230, column 31") << 20.0 << 230.0 << 31 << 250;
    QTest::newRow("amplitude 0: the offset everywhere") << 0.0 << 42.0 << 7 << 42;
    QTest::newRow("above 255 clamped: amplitude 255, offset 255, column 31")
        << 255.0 << 255.0 << 31 << 255;
    QTest::newRow("below 0 clamped: amplitude 255, offset 0, column 94") << 255.0 << 0.0 << 94 << 0;
    QTest::newRow("126 and 126, as numbered palettes: the crest") << 126.0 << 126.0 << 31 << 252;
    QTest::newRow("126 and 126, as numbered palettes: the trough") << 126.0 << 126.0 << 94 << 0;
}

void TestSinePalette::amplitudeAndOffsetGiveTheseValues()
{
    QFETCH(double, amplitude);
    QFETCH(double, offset);
    QFETCH(int, x);
    QFETCH(int, value);
    QCOMPARE(channelValue({20, 0.0, 20, amplitude, offset}, x), value);
}

void TestSinePalette::numberedStripsAreThoseOfTheLastReleaseToTheBit()
{
    // Each line: a number, then the 525 colours of its strip as the last release exported them.
    QFile table(QFINDTESTDATA("palette/data/numbered_strips.txt"));
    QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
    int compared = 0;
    PaletteRandom random;
    while (!table.atEnd()) {
        const QList<QByteArray> words = table.readLine().simplified().split(' ');
        if (words[0].startsWith('#')) {
            continue;
        }
        QCOMPARE(words.size(), 1 + 525);
        const auto number = PaletteNumber(words[0].toUInt());
        const StripColours colours = stripColours(numberedPaletteWaves(number, random));
        for (int x = 0; x < 525; ++x) {
            const QRgb expected = 0xff000000u | words[1 + x].toUInt(nullptr, 16);
            if (colours[std::size_t(x)] != expected) {
                QFAIL(qPrintable(QStringLiteral("palette %1, column %2: %3, not %4")
                                     .arg(number)
                                     .arg(x)
                                     .arg(colours[std::size_t(x)], 8, 16)
                                     .arg(expected, 8, 16)));
            }
        }
        ++compared;
    }
    QCOMPARE(compared, 20);
}

QTEST_MAIN(TestSinePalette)
#include "tst_sinepalette.moc"
