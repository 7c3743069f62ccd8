// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/picturerecipe.h"
#include "picture_files/pngchunk.h"
#include "surface/columnplane.h"

#include <QtEndian>
#include <QtTest>

namespace {

// A PNG of one grey pixel, and the same with a chunk "spLP" holding "ab" before its end.
const QByteArray kPng = QByteArray::fromHex(
    "89504e470d0a1a0a0000000d49484452000000010000000108000000003a7e9b550000000a49444154789c6368"
    "00000082008177cd72b60000000049454e44ae426082");
const QByteArray kPngWithChunk = QByteArray::fromHex(
    "89504e470d0a1a0a0000000d49484452000000010000000108000000003a7e9b550000000a49444154789c6368"
    "00000082008177cd72b60000000273704c506162a782ada40000000049454e44ae426082");

// Palette 1 as its line, and its column 200's colour.
const QByteArray kPaletteOne =
    "sinepaint palette 1: red phase 5.243853766918183 period 68.88153; green phase "
    "0.7974771142005921 period 26.862747; blue phase 6.084489276409149 period 62.029648";
constexpr QRgb kColumn200 = 0xfff7f38d; // RGB(247, 243, 141)

constexpr QRgb kColumn524 = 0xffa1fbf2; // RGB(161, 251, 242)

// A picture of 4 x 2 pixels: grey, but pixel (1, 0) in palette 1's column 200 and (3, 1) in
// its column 524.
QImage picture()
{
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(0xfff0f0f0);
    image.setPixel(1, 0, kColumn200);
    image.setPixel(3, 1, kColumn524);
    return image;
}

// A recipe with these lines, then a zlib stream of runs: pairs of a length and a column, each
// a little-endian 16-bit number.
QByteArray recipe(const QByteArray &lines, const QList<quint16> &runs)
{
    QByteArray plane;
    for (quint16 number : runs) {
        char bytes[2];
        qToLittleEndian(number, bytes);
        plane.append(bytes, 2);
    }
    return lines + qCompress(plane).mid(4); // without Qt's length in front
}

// Row 0: none, 200, none, none; row 1: none.
const QList<quint16> kColumns{1, 65535, 1, 200, 2, 65535, 4, 65535};
const QByteArray kLines = "sinepaint recipe 1\n" + kPaletteOne + "\n4 2\n";

} // namespace

class TestPictureRecipe : public QObject {
    Q_OBJECT

private slots:
    void aChunkGoesJustBeforeTheEnd();
    void aChunkIsFoundOrCalledDamaged_data();
    void aChunkIsFoundOrCalledDamaged();
    void aStreamInflatesToExactlyItsSize_data();
    void aStreamInflatesToExactlyItsSize();
    void aRecipeIsTakenOnlyWhenItFitsThePicture_data();
    void aRecipeIsTakenOnlyWhenItFitsThePicture();
    void aRecipeKeepsOnlyTheColumnsThePixelsShow();
};

void TestPictureRecipe::aChunkGoesJustBeforeTheEnd()
{
    QCOMPARE(withPngChunk(kPng, "spLP", "ab"), kPngWithChunk);
    QCOMPARE(withPngChunk("not a PNG", "spLP", "ab"), QByteArray("not a PNG"));
    QCOMPARE(withPngChunk(kPng.chopped(12), "spLP", "ab"), kPng.chopped(12)); // no IEND
}

void TestPictureRecipe::aChunkIsFoundOrCalledDamaged_data()
{
    QTest::addColumn<QByteArray>("png");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("damaged");
    QByteArray badCrc = kPngWithChunk;
    badCrc[kPngWithChunk.indexOf("spLP") + 4] = 'A';
    QByteArray pastTheEnd = kPngWithChunk;
    pastTheEnd[kPngWithChunk.indexOf("spLP") - 1] = char(0x40); // 64 bytes of data
    QTest::newRow("found") << kPngWithChunk << true << QByteArray("ab") << false;
    QTest::newRow("none") << kPng << false << QByteArray() << false;
    QTest::newRow("not a PNG") << QByteArray("spLP") << false << QByteArray() << false;
    QTest::newRow("its data changed: the CRC differs") << badCrc << false << QByteArray() << true;
    QTest::newRow("its length past the end") << pastTheEnd << false << QByteArray() << true;
    QTest::newRow("cut in its data")
        << kPngWithChunk.left(kPngWithChunk.indexOf("spLP") + 5) << false << QByteArray() << true;
}

void TestPictureRecipe::aChunkIsFoundOrCalledDamaged()
{
    QFETCH(QByteArray, png);
    QFETCH(bool, found);
    QFETCH(QByteArray, data);
    QFETCH(bool, damaged);
    const PngChunk chunk = findPngChunk(png, "spLP");
    QCOMPARE(chunk.data.has_value(), found);
    QCOMPARE(chunk.data.value_or(QByteArray()), data);
    QCOMPARE(chunk.damaged, damaged);
}

void TestPictureRecipe::aStreamInflatesToExactlyItsSize_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("taken");
    const QByteArray stream = qCompress(QByteArray(1000, 'x')).mid(4);
    QTest::newRow("as long as the limit") << stream << 1000 << true;
    QTest::newRow("longer than the limit") << stream << 999 << false;
    QTest::newRow("shorter than the limit") << stream << 1001 << true;
    QTest::newRow("cut") << stream.chopped(3) << 1000 << false;
    QTest::newRow("something after it") << stream + "x" << 1000 << false;
    QTest::newRow("no stream") << QByteArray("xxxxxxxx") << 8 << false;
    // A stream of 100 MB in 100 KB: refused after the first bytes past the size.
    QTest::newRow("a bomb") << qCompress(QByteArray(100'000'000, 0)).mid(4) << 16 << false;
}

void TestPictureRecipe::aStreamInflatesToExactlyItsSize()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, size);
    QFETCH(bool, taken);
    const auto bytes = inflated(stream, size);
    QCOMPARE(bytes.has_value(), taken);
    if (taken) {
        QCOMPARE(*bytes, QByteArray(1000, 'x'));
    }
}

void TestPictureRecipe::aRecipeIsTakenOnlyWhenItFitsThePicture_data()
{
    QTest::addColumn<QByteArray>("recipe");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("last"); // the column pixel (3, 1) remembers when taken
    const QString damaged = QStringLiteral("its palette and strip columns are damaged");
    QList<quint16> past = kColumns;
    past[7] = 525;
    QList<quint16> wrongColumn = kColumns;
    wrongColumn[3] = 201;
    QTest::newRow("a recipe that fits") << recipe(kLines, kColumns) << QString() << 65535;
    QTest::newRow("column 524 on a pixel that shows it")
        << recipe(kLines, {1, 65535, 1, 200, 2, 65535, 3, 65535, 1, 524}) << QString() << 524;
    QTest::newRow("another version")
        << recipe("sinepaint recipe 2\n" + kPaletteOne + "\n4 2\n", kColumns)
        << "its palette and strip columns are in a form this version cannot read" << 65535;
    QTest::newRow("no lines") << QByteArray("sinepaint recipe 1") << damaged << 65535;
    QTest::newRow("cut in its columns") << recipe(kLines, kColumns).chopped(4) << damaged << 65535;
    QTest::newRow("lines longer than 4 KB")
        << recipe("sinepaint recipe 1\n" + kPaletteOne + QByteArray(4096, ' ') + "\n4 2\n",
                  kColumns)
        << damaged << 65535;
    QTest::newRow("a malformed palette line")
        << recipe("sinepaint recipe 1\nsinepaint palette 1: red phase x period 30; green phase 1 "
                  "period 40; blue phase 2 period 50\n4 2\n",
                  kColumns)
        << "its palette line cannot be read: the red phase x is not a finite number" << 65535;
    QTest::newRow("not a palette line")
        << recipe("sinepaint recipe 1\nhello\n4 2\n", kColumns)
        << "its palette line cannot be read: it is not a palette line" << 65535;
    QTest::newRow("another size") << recipe("sinepaint recipe 1\n" + kPaletteOne + "\n2 4\n",
                                            kColumns)
                                  << "its strip columns are for a picture of another size" << 65535;
    QTest::newRow("a row short") << recipe(kLines, kColumns.mid(0, 6)) << damaged << 65535;
    QTest::newRow("half a run") << recipe(kLines, kColumns.mid(0, 7)) << damaged << 65535;
    QTest::newRow("a run past the end of its row")
        << recipe(kLines, {1, 65535, 1, 200, 3, 65535, 3, 65535}) << damaged << 65535;
    QTest::newRow("a run of no pixels")
        << recipe(kLines, {1, 65535, 0, 200, 1, 200, 2, 65535, 4, 65535}) << damaged << 65535;
    QTest::newRow("a run after the last row")
        << recipe(kLines, kColumns + QList<quint16>{1, 65535}) << damaged << 65535;
    QTest::newRow("a column past 524")
        << recipe(kLines, past) << "its strip columns name a column past the strip's last, 524"
        << 65535;
    QTest::newRow("a pixel that does not show its column")
        << recipe(kLines, wrongColumn)
        << "its pixels no longer show its palette's colours (1 differ), as if changed by another "
           "program"
        << 65535;
}

void TestPictureRecipe::aRecipeIsTakenOnlyWhenItFitsThePicture()
{
    QFETCH(QByteArray, recipe);
    QFETCH(QString, error);
    QFETCH(int, last);
    const RecipeRead read = decodeRecipe(recipe, picture());
    QCOMPARE(read.error, error);
    QCOMPARE(read.columns.isNull(), !error.isEmpty());
    if (error.isEmpty()) {
        QCOMPARE(read.palette.number, 1u);
        QVERIFY(!read.palette.changed);
        QCOMPARE(columnRow(read.columns, 0)[1], StripColumn(200));
        QCOMPARE(columnRow(read.columns, 0)[0], kNoColumn);
        QCOMPARE(int(columnRow(read.columns, 1)[3]), last);
    }
}

void TestPictureRecipe::aRecipeKeepsOnlyTheColumnsThePixelsShow()
{
    QImage columns = emptyColumnPlane({4, 2});
    columnRow(columns, 0)[1] = 200; // shows palette 1's column 200
    columnRow(columns, 1)[2] = 300; // grey, not column 300's colour
    ShownPalette one{1, {}, false};
    const RecipeRead line = decodeRecipe(recipe(kLines, kColumns), picture());
    one.waves = line.palette.waves;
    qsizetype dropped = -1;
    const QByteArray kept = encodeRecipe(one, picture(), columns, &dropped);
    QCOMPARE(dropped, 1);
    QCOMPARE(kept.left(kLines.size()), kLines);
    QCOMPARE(kept, recipe(kLines, kColumns).left(kLines.size()) + kept.mid(kLines.size()));
    const RecipeRead back = decodeRecipe(kept, picture());
    QCOMPARE(back.error, QString());
    QCOMPARE(columnRow(back.columns, 0)[1], StripColumn(200));
    QCOMPARE(columnRow(back.columns, 1)[2], kNoColumn);
    QCOMPARE(inflated(kept.mid(kLines.size()), 100),
             std::optional<QByteArray>(QByteArray::fromHex("0100ffff0100c8000200ffff0400ffff")));
}

QTEST_MAIN(TestPictureRecipe)
#include "tst_picturerecipe.moc"
