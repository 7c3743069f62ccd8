// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/paletteexport.h"
#include "palette/paletteline.h"
#include "palette/paletterandom.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

ShownPalette numbered(PaletteNumber number)
{
    PaletteRandom random;
    return {number, numberedPaletteWaves(number, random), false};
}

QByteArray exported(const ShownPalette &palette, const QString &name, int swatches = 525)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    if (const auto failure = exportPalette(palette, path, swatches)) {
        return "failed: " + failure->toUtf8();
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

// Palette 17's strip as the last release exported it, from the table of numbered strips.
QList<QByteArray> stripOf17()
{
    QFile table(QFINDTESTDATA("palette/data/numbered_strips.txt"));
    if (table.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!table.atEnd()) {
            const QList<QByteArray> words = table.readLine().simplified().split(' ');
            if (words[0] == "17") {
                return words.mid(1);
            }
        }
    }
    return {};
}

} // namespace

class TestPaletteExport : public QObject {
    Q_OBJECT

private slots:
    void palette17ForCode_data();
    void palette17ForCode();
    void theJsonFormulaGivesTheStrip();
    void theCssGradientHasAStopEveryFiveColumns();
    void aGimpPaletteTakesEvenlySpacedSwatches_data();
    void aGimpPaletteTakesEvenlySpacedSwatches();
    void keptPalettesGoOutAsLinesOrOneGimpPaletteEach();
    void aGimpPaletteIsNamedByItsEndingInAnyCase_data();
    void aGimpPaletteIsNamedByItsEndingInAnyCase();
};

void TestPaletteExport::palette17ForCode_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("JSON")
        << "17.json"
        << QByteArray("{\n"
                      "  \"number\": 17,\n"
                      "  \"changed\": false,\n"
                      "  \"columns\": 525,\n"
                      "  \"red\": {\"phase\": 0.0850253963470459, \"period\": 48.599415, "
                      "\"amplitude\": 126, \"offset\": 126},\n"
                      "  \"green\": {\"phase\": 5.835775356292725, \"period\": "
                      "47.684116, \"amplitude\": 126, \"offset\": 126},\n"
                      "  \"blue\": {\"phase\": 1.3642535734176637, \"period\": "
                      "28.718285, \"amplitude\": 126, \"offset\": 126}\n"
                      "}\n");
    QTest::newRow("GLSL")
        << "17.GLSL"
        << QByteArray(
               "// sinepaint palette 17: the colour of strip column x (0 to 524) in 0..1.\n"
               "// Each channel is offset + amplitude * sin(phase + x / period), rounded and "
               "clamped\n"
               "// to 0..255, then divided by 255: the formula the program's strip follows. GLSL\n"
               "// computes in single precision, so a channel may now and then differ by one.\n"
               "vec3 sinepaint_palette(float x)\n"
               "{\n"
               "    const vec3 phase = vec3(0.0850253963470459, 5.835775356292725, "
               "1.3642535734176637);\n"
               "    const vec3 period = vec3(48.599415, 47.684116, 28.718285);\n"
               "    const vec3 amplitude = vec3(126.0, 126.0, 126.0);\n"
               "    const vec3 offset = vec3(126.0, 126.0, 126.0);\n"
               "    return clamp(floor(offset + amplitude * sin(phase + x / period) + 0.5), 0.0, "
               "255.0) / 255.0;\n"
               "}\n");
}

void TestPaletteExport::palette17ForCode()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QCOMPARE(exported(numbered(17), name), content);
}

void TestPaletteExport::theJsonFormulaGivesTheStrip()
{
    // The formula worked out here from the JSON's numbers alone, over every column, against
    // the strip the last release exported; the period is single precision, as is x / period.
    const QJsonObject json = QJsonDocument::fromJson(exported(numbered(17), "17.json")).object();
    QCOMPARE(json.value("columns").toInt(), 525);
    const QList<QByteArray> strip = stripOf17();
    QCOMPARE(strip.size(), 525);
    for (int x = 0; x < 525; ++x) {
        QRgb colour = 0;
        for (const char *channel : {"red", "green", "blue"}) {
            const QJsonObject wave = json.value(channel).toObject();
            const float quotient = float(x) / float(wave.value("period").toDouble());
            const double value = wave.value("offset").toDouble() +
                                 wave.value("amplitude").toDouble() *
                                     std::sin(wave.value("phase").toDouble() + double(quotient));
            colour = colour << 8 | QRgb(std::clamp(int(std::nearbyint(value)), 0, 255));
        }
        QCOMPARE(QByteArray::number(colour, 16).rightJustified(6, '0').toUpper(), strip[x]);
    }
}

void TestPaletteExport::theCssGradientHasAStopEveryFiveColumns()
{
    const QList<QByteArray> lines = exported(numbered(17), "17.css").split('\n');
    QCOMPARE(lines.size(), 3 + 106 + 2);
    QCOMPARE(lines[0],
             "/* sinepaint palette 17: its strip as a gradient, a stop every 5 columns. */");
    QCOMPARE(lines[1], ":root {");
    QCOMPARE(lines[2], "  --sinepaint-palette-17: linear-gradient(to right,");
    QCOMPARE(lines[3], "    #8947f9 0.00%,");      // column 0
    QCOMPARE(lines[4], "    #9654fc 0.95%,");      // column 5
    QCOMPARE(lines[107], "    #0312c7 99.24%,");   // column 520
    QCOMPARE(lines[108], "    #010dd5 100.00%);"); // column 524, the last
    QCOMPARE(lines[109], "}");
}

void TestPaletteExport::aGimpPaletteTakesEvenlySpacedSwatches_data()
{
    QTest::addColumn<int>("swatches");
    QTest::addColumn<QByteArray>("content"); // after "GIMP Palette\nName: sinepaint palette 17\n"
    QTest::newRow("2: the first and the last column")
        << 2 << QByteArray("Columns: 2\n137  71 249\n  1  13 213\n");
    QTest::newRow("3: columns 0, 262 and 524")
        << 3 << QByteArray("Columns: 3\n137  71 249\n 35   7  16\n  1  13 213\n");
    QTest::newRow("4: columns 0, 175, 349 and 524")
        << 4 << QByteArray("Columns: 4\n137  71 249\n 61 116 242\n231 196 229\n  1  13 213\n");
}

void TestPaletteExport::aGimpPaletteTakesEvenlySpacedSwatches()
{
    QFETCH(int, swatches);
    QFETCH(QByteArray, content);
    QCOMPARE(exported(numbered(17), "17.gpl", swatches),
             "GIMP Palette\nName: sinepaint palette 17\n" + content);
    QCOMPARE(exported(numbered(17), "17.gpl", 1),
             "failed: A GIMP palette holds 2 to 525 swatches.");
    QCOMPARE(exported(numbered(17), "17.gpl", 526),
             "failed: A GIMP palette holds 2 to 525 swatches.");
}

void TestPaletteExport::keptPalettesGoOutAsLinesOrOneGimpPaletteEach()
{
    ShownPalette edited = numbered(1);
    edited.waves[0].amplitude = 60;
    edited.changed = true;
    const QList<ShownPalette> kept = {numbered(5), edited, numbered(5)};
    QTemporaryDir folder;
    QCOMPARE(exportKeptPalettes(kept, folder.filePath("kept.txt")), std::nullopt);
    QFile lines(folder.filePath("kept.txt"));
    QVERIFY(lines.open(QIODevice::ReadOnly));
    QCOMPARE(lines.readAll().split('\n'),
             QList<QByteArray>({paletteLine(numbered(5)).toUtf8(),
                                "sinepaint palette 1: red phase 5.243853766918183 period "
                                "68.88153 amplitude 60; green phase 0.7974771142005921 period "
                                "26.862747; blue phase 6.084489276409149 period 62.029648",
                                paletteLine(numbered(5)).toUtf8(), ""}));

    // An ending in capitals is the same file of lines, not a folder.
    QCOMPARE(exportKeptPalettes(kept, folder.filePath("KEPT.TXT")), std::nullopt);
    QVERIFY(QFileInfo(folder.filePath("KEPT.TXT")).isFile());
    QFile capitals(folder.filePath("KEPT.TXT"));
    QVERIFY(capitals.open(QIODevice::ReadOnly) && lines.seek(0));
    QCOMPARE(capitals.readAll(), lines.readAll());

    QCOMPARE(exportKeptPalettes(kept, folder.filePath("gimp")), std::nullopt);
    QCOMPARE(QDir(folder.filePath("gimp")).entryList(QDir::Files),
             QStringList({"01-sinepaint-palette-5.gpl", "02-sinepaint-palette-1-changed.gpl",
                          "03-sinepaint-palette-5.gpl"}));
    QFile second(folder.filePath("gimp/02-sinepaint-palette-1-changed.gpl"));
    QVERIFY(second.open(QIODevice::ReadOnly));
    QCOMPARE(second.readAll().left(63), "GIMP Palette\nName: sinepaint palette 1\nColumns: 64\n"
                                        " 74 216 101\n");
}

void TestPaletteExport::aGimpPaletteIsNamedByItsEndingInAnyCase_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("gimp"); // the swatches are asked for, and written
    QTest::newRow("sunset.gpl") << "/home/me/sunset.gpl" << true;
    QTest::newRow("SUNSET.GPL") << "/home/me/SUNSET.GPL" << true;
    QTest::newRow("a.Gpl") << "a.Gpl" << true;
    QTest::newRow("a.gpl.txt") << "a.gpl.txt" << false;
    QTest::newRow("gpl, no ending") << "/home/me/gpl" << false;
    QTest::newRow("a.json") << "a.json" << false;
}

void TestPaletteExport::aGimpPaletteIsNamedByItsEndingInAnyCase()
{
    QFETCH(QString, path);
    QFETCH(bool, gimp);
    QCOMPARE(namesGimpPalette(path), gimp);
}

QTEST_MAIN(TestPaletteExport)
#include "tst_paletteexport.moc"
