#include "palette/paletterandom.h"
#include "palette/sinepalette.h"
#include "surface/picturesurface.h"

#include <QtTest>

#include <cmath>

namespace {

constexpr float kLargest = PaletteRandom::kLargestDraw;

// A draw that gives `base`: the middle of the range of draws that floor to it.
float drawForBase(int base)
{
    return (float(base - 20) + 0.5f) / 20.0f;
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
    void basesStayWithin20To39_data();
    void basesStayWithin20To39();
    void theLargestPeriodDrawDoublesEveryBase();
    void columnZeroDependsOnThePhaseAlone_data();
    void columnZeroDependsOnThePhaseAlone();
    void halvesRoundToTheEvenNeighbour_data();
    void halvesRoundToTheEvenNeighbour();
    void quickSineFollowsTheLibrarySine();
    void channelValuesEqualTheLibraryFormulaExactly();
    void palettesStayBelow253AndChangeByAtMost7PerColumn();
    void drawsAreWholeMultiplesOf2ToTheMinus24InZeroToOne();
    void twoFreshGeneratorsGiveTheSameSequence();
    void theStripShowsEveryColumnTopToBottom();
    void aNewPaletteCoversTheOldOneCompletely();
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
    const PaletteWaves waves = paletteWaves(PaletteDraws{});
    for (const ChannelWave &wave : waves) {
        QCOMPARE(wave.base, 20.0f);
        QCOMPARE(wave.phase, 0.0);
        QCOMPARE(wave.period, 20.0f);
        QCOMPARE(channelValue(wave, x), value);
    }
    QCOMPARE(paletteColumnColor(waves, x), RGB(value, value, value));
}

void TestSinePalette::basesStayWithin20To39_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<float>("base");
    QTest::newRow("draw 0 gives 20") << 0.0f << 20.0f;
    QTest::newRow("draw 0.5 gives 30") << 0.5f << 30.0f;
    QTest::newRow("the largest draw gives 39, never 40") << kLargest << 39.0f;
    QTest::newRow("just below 0.95 gives 38") << std::nextafter(0.95f, 0.0f) << 38.0f;
}

void TestSinePalette::basesStayWithin20To39()
{
    QFETCH(float, draw);
    QFETCH(float, base);
    const PaletteWaves waves = paletteWaves({draw, draw, draw, 0, 0, 0, 0, 0, 0});
    for (const ChannelWave &wave : waves) {
        QCOMPARE(wave.base, base);
        QCOMPARE(wave.period, base); // a period draw of 0 gives the base itself
    }
}

void TestSinePalette::theLargestPeriodDrawDoublesEveryBase()
{
    for (int base = 20; base <= 39; ++base) {
        const float baseDraw = drawForBase(base);
        const PaletteWaves waves =
            paletteWaves({baseDraw, baseDraw, baseDraw, 0, 0, 0, kLargest, kLargest, kLargest});
        QCOMPARE(waves[0].base, float(base));
        QCOMPARE(waves[0].period, float(2 * base));
    }
}

void TestSinePalette::columnZeroDependsOnThePhaseAlone_data()
{
    QTest::addColumn<float>("phaseDraw");
    QTest::newRow("phase 0") << 0.0f;
    QTest::newRow("a quarter of the draws") << 0.25f;
    QTest::newRow("the largest phase") << kLargest;
}

void TestSinePalette::columnZeroDependsOnThePhaseAlone()
{
    QFETCH(float, phaseDraw);
    const double phase = double(phaseDraw) * 6.28;
    const int expected = int(std::nearbyint((std::sin(phase) + 1.0) * 126.0));
    for (float periodDraw : {0.0f, 0.5f, kLargest}) {
        const PaletteWaves waves = paletteWaves({0.1f, 0.7f, kLargest, phaseDraw, phaseDraw,
                                                 phaseDraw, periodDraw, periodDraw, periodDraw});
        QCOMPARE(waves[0].phase, phase);
        for (const ChannelWave &wave : waves) {
            QCOMPARE(channelValue(wave, 0), expected);
        }
    }
}

void TestSinePalette::halvesRoundToTheEvenNeighbour_data()
{
    QTest::addColumn<double>("v");
    QTest::addColumn<double>("rounded");
    QTest::newRow("126.5 goes down to 126") << 126.5 << 126.0;
    QTest::newRow("127.5 goes up to 128") << 127.5 << 128.0;
    QTest::newRow("0.5 goes down to 0") << 0.5 << 0.0;
    QTest::newRow("251.5 goes up to 252") << 251.5 << 252.0;
    QTest::newRow("just below a half goes down") << std::nextafter(2.5, 0.0) << 2.0;
    QTest::newRow("just above a half goes up") << std::nextafter(2.5, 3.0) << 3.0;
    QTest::newRow("whole numbers stay") << 252.0 << 252.0;
}

void TestSinePalette::halvesRoundToTheEvenNeighbour()
{
    QFETCH(double, v);
    QFETCH(double, rounded);
    QCOMPARE(roundHalfToEven(v), rounded);
}

void TestSinePalette::quickSineFollowsTheLibrarySine()
{
    // Every angle a palette can reach: phases up to 6.28 plus columns up to 529 / 20.
    double worst = 0;
    for (int i = 0; i <= 4000000; ++i) {
        const double angle = 33.0 * i / 4000000.0;
        worst = std::max(worst, std::fabs(quickSine(angle) - std::sin(angle)));
    }
    QVERIFY2(worst < 1e-14, qPrintable(QString::number(worst, 'g', 3)));
}

void TestSinePalette::channelValuesEqualTheLibraryFormulaExactly()
{
    // The value exactly as the arithmetic defines it, with the library's sine.
    auto reference = [](const ChannelWave &wave, int x) {
        const float q = static_cast<float>(x) / wave.period;
        return int(std::nearbyint((std::sin(wave.phase + double(q)) + 1.0) * 126.0));
    };
    PaletteRandom random;
    for (int palette = 0; palette < 600; ++palette) {
        for (const ChannelWave &wave : paletteWaves(nextDraws(random))) {
            for (int x = 0; x < kPaletteColumns; ++x) {
                if (channelValue(wave, x) != reference(wave, x)) {
                    QFAIL(qPrintable(QStringLiteral("palette %1, column %2").arg(palette).arg(x)));
                }
            }
        }
    }
    // Angles whose value lies right at a half: v = 126.5 where sin = 0.5 / 126.
    const ChannelWave atHalf{20, std::asin(0.5 / 126.0), 20};
    QCOMPARE(channelValue(atHalf, 0), reference(atHalf, 0));
}

void TestSinePalette::palettesStayBelow253AndChangeByAtMost7PerColumn()
{
    PaletteRandom random;
    for (int palette = 0; palette < 300; ++palette) {
        const PaletteWaves waves = paletteWaves(nextDraws(random));
        for (int channel = 0; channel < 3; ++channel) {
            const ChannelWave &wave = waves[channel];
            QVERIFY(wave.base >= 20 && wave.base <= 39);
            QVERIFY(wave.period >= wave.base && wave.period <= 2 * wave.base);
            QVERIFY(wave.phase >= 0 && wave.phase < 6.28);
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
        QCOMPARE(scaled, std::floor(scaled));
        smallest = std::min(smallest, draw);
        largest = std::max(largest, draw);
    }
    // Uniform over the whole range, not stuck in a corner of it.
    QVERIFY(smallest < 0.001f);
    QVERIFY(largest > 0.999f);
}

void TestSinePalette::twoFreshGeneratorsGiveTheSameSequence()
{
    PaletteRandom first;
    PaletteRandom second;
    const PaletteDraws firstPalette = nextDraws(first);
    QCOMPARE(nextDraws(second), firstPalette);
    // The sequence runs on: the second palette differs from the first.
    QVERIFY(nextDraws(first) != firstPalette);
}

void TestSinePalette::theStripShowsEveryColumnTopToBottom()
{
    const PaletteWaves waves = paletteWaves({0.3f, 0.6f, 0.9f, 0.1f, 0.5f, 0.8f, 0.2f, 0.4f, 0.7f});
    PictureSurface strip(QSize(525, 29));
    drawPaletteStrip(strip, waves);
    for (int x = 0; x < 525; ++x) {
        const ColorValue expected = paletteColumnColor(waves, x);
        for (int y = 0; y < 29; ++y) {
            if (strip.Point(float(x), float(y)) != expected) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is wrong").arg(x).arg(y)));
            }
        }
    }
}

void TestSinePalette::aNewPaletteCoversTheOldOneCompletely()
{
    PictureSurface strip(QSize(525, 29));
    strip.PSet(524, 28, RGB(255, 255, 255)); // white is never a palette colour
    drawPaletteStrip(strip, paletteWaves(PaletteDraws{}));
    const QImage first = strip.Image().copy();
    drawPaletteStrip(strip, paletteWaves({0.9f, 0.8f, 0.7f, 0.6f, 0.5f, 0.4f, 0.3f, 0.2f, 0.1f}));
    QCOMPARE(strip.Point(524, 28),
             paletteColumnColor(
                 paletteWaves({0.9f, 0.8f, 0.7f, 0.6f, 0.5f, 0.4f, 0.3f, 0.2f, 0.1f}), 524));
    int sameColumns = 0;
    for (int x = 0; x < 525; ++x) {
        sameColumns += strip.Image().pixel(x, 0) == first.pixel(x, 0) ? 1 : 0;
    }
    QVERIFY(sameColumns < 10);
}

QTEST_MAIN(TestSinePalette)
#include "tst_sinepalette.moc"
