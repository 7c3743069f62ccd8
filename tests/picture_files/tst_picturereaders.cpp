// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures cut, re-terminated and forged, as an attacker or an unlucky user brings them: each
// refused with its reason, or, when whole, opened with exactly the pixels the file defines;
// each decoded twice over differently filled memory, which must not show.
#include "picture_files/picturefile.h"
#include "picturebytes.h"
#include "twicedecoded.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

#include <zlib.h>

namespace {

const QString kNotAPicture =
    QStringLiteral("It is not a picture in a format this program can read.");
const QString kDamaged = QStringLiteral("The picture is damaged and cannot be read.");
const QString kEndMissing = QStringLiteral("The picture is incomplete: its end is missing.");
const QString kDataMissing =
    QStringLiteral("The picture is incomplete: its pixel data ends before the picture does.");
const QString kLeavesPixels =
    QStringLiteral("The picture is incomplete: its pixel data leaves pixels undefined.");
const QString kNotCovered =
    QStringLiteral("The picture is incomplete: its data does not cover the picture.");

// With SINEPAINT_SEED_FOLDER set, each row's bytes are kept there too, named "refused-" or
// "whole-" and the row: they seed the fuzz targets, and the window's test opens them.
void keepAsSeed(const char *kind, const QByteArray &bytes)
{
    const QString folder = qEnvironmentVariable("SINEPAINT_SEED_FOLDER");
    if (folder.isEmpty()) {
        return;
    }
    QString name = QString::fromUtf8(QTest::currentDataTag());
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.]+")), QStringLiteral("-"));
    QFile seed(folder + u'/' + QLatin1String(kind) + u'-' + name);
    if (seed.open(QIODevice::WriteOnly)) {
        seed.write(bytes);
    }
}

} // namespace

class TestPictureReaders : public QObject {
    Q_OBJECT

private slots:
    void aPictureNotWholeIsRefused_data();
    void aPictureNotWholeIsRefused();
    void aWholePictureOpensWithItsPixels_data();
    void aWholePictureOpensWithItsPixels();
    void theTwiceDecodedCheckSeesPixelsNobodyWrote();
};

void TestPictureReaders::aPictureNotWholeIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray rowOfFour = QByteArray::fromHex("0405") + QByteArray::fromHex("0000");
    // Run-length BMPs whose codes leave pixels to whatever memory held.
    QTest::newRow("RLE8 BMP of only an end code, 8000 x 8000")
        << bmp(8000, 8000, 8, 1, 256, QByteArray::fromHex("0001")) << kLeavesPixels;
    QTest::newRow("RLE8 BMP that jumps past the picture")
        << bmp(4, 2, 8, 1, 256, QByteArray::fromHex("00020909") + "\x00\x01") << kLeavesPixels;
    QTest::newRow("RLE8 BMP cut after a row, an end code put back")
        << bmp(4, 2, 8, 1, 256, rowOfFour + QByteArray::fromHex("0001")) << kLeavesPixels;
    QTest::newRow("RLE8 BMP cut after a row") << bmp(4, 2, 8, 1, 256, rowOfFour) << kDataMissing;
    QTest::newRow("RLE8 BMP ending a row early")
        << bmp(4, 1, 8, 1, 256, QByteArray::fromHex("02050000")) << kLeavesPixels;
    QTest::newRow("RLE4 BMP of only an end code")
        << bmp(4, 2, 4, 2, 16, QByteArray::fromHex("0001")) << kLeavesPixels;
    QTest::newRow("RLE8 BMP whose run passes the row's end")
        << bmp(4, 1, 8, 1, 256, QByteArray::fromHex("05050001")) << kDamaged;
    QByteArray os2 = QByteArray::fromHex("424d2200000000000000"
                                         "1a000000"
                                         "0c000000"
                                         "0200"
                                         "0200"
                                         "0100"
                                         "1800") +
                     QByteArray(12, '\x7f');
    QTest::newRow("an OS/2 BMP, whole, its header size made 128") << [&] {
        QByteArray forged = os2;
        forged[14] = char(128);
        forged[30] = 0; // "compression" 8,388,608
        forged[33] = char(0x80);
        return forged;
    }() << kDamaged;
    // Found by fuzzing over differently filled memory: Qt's reader takes the pixels from after
    // the header, where the file has fewer.
    QTest::newRow("BMP whose pixels are said to start at its first byte") << [&] {
        QByteArray bytes = bmp(16, 1, 24, 0, 0, QByteArray(48, '\xff'));
        bytes.replace(10, 4, little32(0));
        return bytes.left(72);
    }() << kDamaged;
    // JPEGs cut and re-terminated: baseline, grey and progressive.
    const QByteArray baseline = encoded(noise(128, 128), "JPEG");
    const QByteArray grey = encoded(noise(128, 128, QImage::Format_Grayscale8), "JPEG");
    const QByteArray progressive = encoded(noise(128, 128), "JPEG", true);
    for (const double share : {0.2, 0.5, 0.97}) {
        QTest::newRow(
            qPrintable(QStringLiteral("baseline JPEG cut at %1 %, ended").arg(share * 100)))
            << cutAndEnded(baseline, share) << kDataMissing;
        QTest::newRow(qPrintable(QStringLiteral("grey JPEG cut at %1 %, ended").arg(share * 100)))
            << cutAndEnded(grey, share) << kDataMissing;
    }
    QTest::newRow("progressive JPEG cut at 50 %, ended")
        << cutAndEnded(progressive, 0.5) << kDataMissing;
    QTest::newRow("JPEG headers of 8192 x 8192 and an end")
        << largeHeaders(baseline, false)
        << QStringLiteral("The picture is incomplete: it holds no picture data.");
    QTest::newRow("JPEG headers of 8192 x 8192, a scan header and an end")
        << largeHeaders(baseline, true) << kDataMissing;
    QTest::newRow("progressive JPEG of 101 sound scans")
        << jpegOfScans(101)
        << QStringLiteral("The picture has more than 100 scans; pictures of up to 100 scans can "
                          "be opened.");
    // Refused at the second scan, whose progression is impossible: a warning.
    QTest::newRow("progressive JPEG, its first scan 1,000 times")
        << repeatedScan(progressive, 1000) << kDamaged;
    // GIFs whose codes define too few pixels.
    const QByteArray codes = gifCodes();
    QTest::newRow("GIF cut at a sub-block's end, re-terminated")
        << gif(codes.left(6) + QByteArray::fromHex("003b")) << kDataMissing;
    QTest::newRow("GIF of a clear code and an end code")
        << gif(lzwBlocks({4, 5}, 3, 255) + QByteArray::fromHex("003b")) << kDataMissing;
    QTest::newRow("GIF with a code the table does not hold")
        << gif(lzwBlocks({4, 7, 5}, 3, 255) + QByteArray::fromHex("003b")) << kDamaged;
    QTest::newRow("GIF whose picture of 9000 x 9000 lies on a screen of 1 x 1")
        << QByteArray("GIF89a") + little16(1) + little16(1) + char(0x81) + char(0) + char(0) +
               QByteArray::fromHex("ff000000ff000000ffffffff") + char(0x2c) + little16(0) +
               little16(0) + little16(9000) + little16(9000) + char(0) + char(2) +
               lzwBlocks({4, 5}, 3, 255) + QByteArray::fromHex("003b")
        << QStringLiteral("The picture is 9000 × 9000 pixels; pictures of up to 64 million "
                          "pixels can be opened.");
    // TIFFs whose strips do not cover the picture.
    const QByteArray pixels = QByteArray(12 * 2 * 3, '\x40');
    QTest::newRow("TIFF of 12 strips listing one")
        << tiff(2, 12, 1, pixels, {0}, {6}) << kNotCovered;
    QTest::newRow("TIFF whose rows were doubled")
        << tiff(2, 24, 1, pixels, {0, 6, 12, 18, 24, 30, 36, 42, 48, 54, 60, 66},
                {6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6})
        << kNotCovered;
    QTest::newRow("TIFF of one strip too short")
        << tiff(2, 12, 12, pixels.left(70), {0}, {70}) << kDataMissing;
    // Sizes whose product no 64-bit number holds.
    QTest::newRow("PBM of 5000000000 x 5000000000")
        << QByteArray("P4\n5000000000 5000000000\n\0\0", 26)
        << QStringLiteral("The picture is 5000000000 × 5000000000 pixels; pictures of up to 64 "
                          "million pixels can be opened.");
    QTest::newRow("TIFF of 4294967295 x 4294967295")
        << tiff(4294967295u, 4294967295u, 1, pixels, {0}, {6})
        << QStringLiteral("The picture is 4294967295 × 4294967295 pixels; pictures of up to 64 "
                          "million pixels can be opened.");
    // TIFFs stored in ways whose reader would leave pixels undefined, or not refuse data
    // that stops short: RGB of one sample, JPEG inside.
    const QString storedOtherwise =
        QStringLiteral("The picture's data is stored in a way this program does not read.");
    const QByteArray floatRgb =
        tiff(2, 1, 1, floats({1.0f, 0.2f, 0.0f, 0.0f, 0.0f, 1.0f}), {0}, {24}, 32, 3);
    QByteArray oneSample = floatRgb;
    oneSample[90] = 1; // SamplesPerPixel, the seventh entry's value
    QTest::newRow("TIFF of RGB in one sample") << oneSample << storedOtherwise;
    QByteArray jpegInside = floatRgb;
    jpegInside[54] = 7; // Compression, the fourth entry's value
    QTest::newRow("TIFF holding JPEG data") << jpegInside << storedOtherwise;
    QByteArray oneBit = tiff(8, 1, 1, QByteArray(1, '\x55'), {0}, {1}, 1);
    oneBit[90] = 1; // one sample
    oneBit[66] = 1; // Photometric: black is zero
    QTest::newRow("TIFF of 1-bit grey") << oneBit << storedOtherwise;
    // Found by fuzzing over differently filled memory: libtiff passed over a predictor of 220
    // values, and three of its 24 pixels came out of memory.
    QFile predictor(QFINDTESTDATA("fuzz/regressions/picture/tiff-predictor-of-220-values"));
    QVERIFY(predictor.open(QIODevice::ReadOnly));
    QTest::newRow("TIFF whose predictor has 220 values") << predictor.readAll() << kDamaged;
    QFile corrupt(QFINDTESTDATA("fuzz/regressions/picture/tiff-grey-deflate-corrupt"));
    QVERIFY(corrupt.open(QIODevice::ReadOnly));
    QTest::newRow("grey TIFF of corrupt Deflate data") << corrupt.readAll() << storedOtherwise;
    QTest::newRow("TIFF whose entries are out of order") << [&] {
        QByteArray bytes = tiff(2, 12, 12, pixels, {0}, {72});
        bytes[34] = char(0x10); // the third entry's tag, 258, made 272: past the next, 259
        return bytes;
    }() << kDamaged;
    // TGA: the footer is not pixels.
    QTest::newRow("TGA 2.0 whose pixels stop short of the footer")
        << tga(2, 2, 2, {}, QByteArray(9, '\x10'), true) << kDataMissing;
    QTest::newRow("run-length TGA 2.0 whose packets stop short of the footer")
        << tga(10, 2, 2, {}, QByteArray::fromHex("81102030"), true) << kDataMissing;
    // A PNG cut in its image data, its end chunk put back (libpng finds too little data).
    const QByteArray png = encoded(noise(128, 128), "PNG");
    const QByteArray end = QByteArray::fromHex("0000000049454e44ae426082");
    QTest::newRow("PNG cut at 50 %, its end chunk put back")
        << png.left(png.size() / 2) + end << kEndMissing;
    // Its image data chunk whole, but half as long, with its own checksum: libpng finds too
    // little data.
    QTest::newRow("PNG of half its image data, its chunks whole") << [&] {
        const qsizetype at = png.indexOf("IDAT") - 4;
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at) / 2;
        const QByteArray chunk = "IDAT" + png.mid(at + 8, length);
        const quint32 check = quint32(
            crc32(0, reinterpret_cast<const Bytef *>(chunk.constData()), uInt(chunk.size())));
        const QByteArray bigLength = big16(length >> 16) + big16(length & 0xffff);
        return png.left(at) + bigLength + chunk + big16(check >> 16) + big16(check & 0xffff) + end;
    }() << kDamaged;
    // An icon holding a whole PNG, its directory promising 100 bytes more than the file has.
    const QByteArray inner = encoded(noise(8, 8), "PNG");
    QTest::newRow("icon whose PNG the directory makes longer than the file")
        << QByteArray::fromHex("000001000100") + QByteArray::fromHex("0808000000002000") +
               little32(quint32(inner.size() + 100)) + little32(22) + inner
        << kDataMissing;
    // An icon whose bitmap is 0 pixels wide, all else in place.
    const QByteArray zeroWide = little32(40) + little32(0) + little32(64) + little16(1) +
                                little16(32) + QByteArray(24, '\0') + QByteArray(256, '\x7f');
    QTest::newRow("icon whose bitmap is 0 pixels wide")
        << QByteArray::fromHex("000001000100") + QByteArray::fromHex("0020000000002000") +
               little32(quint32(zeroWide.size())) + little32(22) + zeroWide
        << kDamaged;
    // An icon's 4-bit bitmap claiming 3,587,560,917 colours, past the 16 its pixels can name:
    // Qt reads no colour table at all, and would show what memory held.
    const QByteArray tooMany = little32(40) + little32(2) + little32(2) + little16(1) +
                               little16(4) + QByteArray(16, '\0') + little32(0xd5d5d5d5) +
                               little32(0) + QByteArray(16 * 4 + 8, '\x11');
    QTest::newRow("icon whose 4-bit bitmap claims more colours than 16")
        << QByteArray::fromHex("000001000100") + QByteArray::fromHex("0201000001000400") +
               little32(quint32(tooMany.size())) + little32(22) + tooMany
        << kDamaged;
    // A PNG whose text chunk claims 800 MB: refused before libpng asks for them.
    QByteArray longText = png;
    longText.insert(33, QByteArray::fromHex("30000000") + "tEXtx");
    QTest::newRow("PNG whose text chunk claims 800 MB") << longText << kEndMissing;
    QTest::newRow("PGM whose largest value is 0") << QByteArray("P5\n2 1\n0\n\0\0", 11) << kDamaged;
    QTest::newRow("PGM 0 pixels wide") << QByteArray("P5\n0 1\n255\n") << kDamaged;
    QTest::newRow("PGM 0 pixels high") << QByteArray("P5\n1 0\n255\n\0", 12) << kDamaged;
    QTest::newRow("BMP 0 pixels wide") << bmp(0, 2, 8, 0, 256, QByteArray(8, '\x01')) << kDamaged;
    QTest::newRow("animated WebP whose frame runs past the canvas's foot")
        << animatedWebp({0, 64}) << kDamaged;
    // Formats the program no longer reads.
    QTest::newRow("MNG whose PNG is 8,388,672 x 56")
        << QByteArray::fromHex("8a4d4e470d0a1a0a0000001c4d48445200000040000000300000000100000001"
                               "000000010000000000000000")
        << kNotAPicture;
    QTest::newRow("ICNS") << QByteArray("icns\0\0\0\x10it32\0\0\0\x08", 16) << kNotAPicture;
    QTest::newRow("XPM, cut and closed")
        << QByteArray("/* XPM */\nstatic char *x[] = {\n\"2 2 1 1\",\n\". c #ff0000\",\n\"..\"};\n")
        << kNotAPicture;
    QTest::newRow("XBM, cut and closed")
        << QByteArray("#define x_width 16\n#define x_height 16\nstatic char x_bits[] = {\n0x00};\n")
        << kNotAPicture;
}

void TestPictureReaders::aPictureNotWholeIsRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    keepAsSeed("refused", bytes);
    // Nothing keeps the reader busy (how quickly each is refused is measured by scripts/bench).
    QElapsedTimer clock;
    clock.start();
    const PictureRead read = readPictureBytes(bytes);
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(read.error, reason);
    QVERIFY(read.picture.isNull());
    // Over memory filled with one byte, then another (which takes time of its own).
    const auto reads = decodeTwice([&] { return readPictureBytes(bytes); });
    QCOMPARE(reads.first.error, reason);
    QCOMPARE(reads.second.error, reason);
}

void TestPictureReaders::aWholePictureOpensWithItsPixels_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QRgb>("colour"); // of the pixel at that place, as ARGB
    const QByteArray bgr = QByteArray::fromHex("0000ff"
                                               "00ff00"
                                               "ff0000"
                                               "ffffff");
    QTest::newRow("TGA 2.0 without ID or colour map")
        << tga(2, 2, 2, {}, bgr, true) << QSize(2, 2) << QPoint(1, 0) << QRgb(0xff00ff00);
    QTest::newRow("TGA 2.0 without ID, its last pixel")
        << tga(2, 2, 2, {}, bgr, true) << QSize(2, 2) << QPoint(1, 1) << QRgb(0xffffffff);
    QTest::newRow("TGA with a 1-byte ID")
        << tga(2, 2, 2, "x", bgr, false) << QSize(2, 2) << QPoint(0, 1) << QRgb(0xff0000ff);
    QTest::newRow("run-length TGA with a 1-byte ID")
        << tga(10, 2, 2, "x", QByteArray::fromHex("830a141e"), true) << QSize(2, 2) << QPoint(1, 1)
        << QRgb(0xff1e140a);
    QTest::newRow("TGA of 32 bits, half transparent")
        << tga(2, 1, 1, {}, QByteArray::fromHex("30201080"), false, 32) << QSize(1, 1)
        << QPoint(0, 0) << QRgb(0x80102030);
    // 16 bits: five bits of red, green and blue, the top bit alpha (the header says 1 alpha bit).
    // Red with the alpha bit clear (7C00), green with it set (83E0), little-endian.
    QByteArray sixteen = tga(2, 2, 1, {}, QByteArray::fromHex("007ce083"), false, 16);
    sixteen[17] = char(0x21);
    QTest::newRow("TGA of 16 bits, a pixel whose alpha bit is clear")
        << sixteen << QSize(2, 1) << QPoint(0, 0) << QRgb(0x00ff0000);
    QTest::newRow("TGA of 16 bits, a pixel whose alpha bit is set")
        << sixteen << QSize(2, 1) << QPoint(1, 0) << QRgb(0xff00ff00);
    const QByteArray map = QByteArray::fromHex("000000"
                                               "0000ff"
                                               "00ff00");
    QTest::newRow("colour-mapped TGA") << mappedTga(1, map, QByteArray::fromHex("00010201"))
                                       << QSize(2, 2) << QPoint(0, 1) << QRgb(0xff00ff00);
    QTest::newRow("run-length colour-mapped TGA")
        << mappedTga(9, map, QByteArray::fromHex("830200")) << QSize(2, 2) << QPoint(1, 1)
        << QRgb(0xff00ff00);
    QTest::newRow("run-length TGA of one packet of four pixels as they are")
        << tga(10, 2, 2, {},
               QByteArray::fromHex("03"
                                   "0000ff"
                                   "00ff00"
                                   "ff0000"
                                   "ffffff"),
               false)
        << QSize(2, 2) << QPoint(0, 1) << QRgb(0xff0000ff);
    QTest::newRow("GIF of four colours") << gif(gifCodes() + QByteArray::fromHex("003b"))
                                         << QSize(4, 4) << QPoint(3, 1) << QRgb(0xffff0000);
    QTest::newRow("GIF whose picture leaves the screen's edge")
        << gif(gifCodes() + QByteArray::fromHex("003b"), 6, 1) << QSize(6, 6) << QPoint(0, 0)
        << QRgb(0xff0000ff);
    QTest::newRow("RLE8 BMP, two full rows")
        << bmp(4, 2, 8, 1, 256,
               QByteArray::fromHex("0405") + QByteArray::fromHex("0000") +
                   QByteArray::fromHex("04010001"))
        << QSize(4, 2) << QPoint(3, 0) << QRgb(0xff111111);
    QTest::newRow("RLE8 BMP whose data ends with its top row, no code after it")
        << bmp(4, 2, 8, 1, 256, QByteArray::fromHex("040500000401")) << QSize(4, 2) << QPoint(0, 0)
        << QRgb(0xff111111);
    // Grey and alpha, two samples a pixel: the RGB TIFF's photometric, samples and bits changed.
    // Grey 10 at alpha 80, grey 20 opaque.
    QByteArray greyAlpha = tiff(2, 1, 1, QByteArray::fromHex("108020ff"), {0}, {4});
    greyAlpha.replace(38, 8, little32(2) + little16(8) + little16(8)); // bits: 8, 8 in the entry
    greyAlpha[66] = char(1);                                           // photometric: black is 0
    greyAlpha[90] = char(2);                                           // samples a pixel
    QTest::newRow("TIFF of grey and alpha")
        << greyAlpha << QSize(2, 1) << QPoint(1, 0) << QRgb(0xff202020);
    QTest::newRow("PGM whose header's parts end in carriage returns")
        << QByteArray("P5\r2 1\r255\r\x10\x20") << QSize(2, 1) << QPoint(1, 0) << QRgb(0xff202020);
    QTest::newRow("TIFF of 32-bit floats: 1.0, 0.2, 0.0")
        << tiff(2, 1, 1, floats({1.0f, 0.2f, 0.0f, 0.0f, 0.0f, 1.0f}), {0}, {24}, 32, 3)
        << QSize(2, 1) << QPoint(0, 0) << QRgb(0xffff3300);
    QTest::newRow("animated WebP, the canvas outside the frame")
        << animatedWebp() << QSize(64, 64) << QPoint(63, 63) << QRgb(0x00000000);
    QTest::newRow("animated WebP, the frame")
        << animatedWebp() << QSize(64, 64) << QPoint(1, 1) << QRgb(0xffff0000);
    QTest::newRow("animated WebP, a frame in the canvas's last corner")
        << animatedWebp({62, 62}) << QSize(64, 64) << QPoint(63, 63) << QRgb(0xffff0000);
    QTest::newRow("progressive JPEG of 100 scans")
        << jpegOfScans(100) << QSize(8, 8) << QPoint(7, 7) << QRgb(0xff646464);
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(qRgb(10, 20, 30));
    icon.setPixel(31, 0, qRgb(200, 100, 0));
    QTest::newRow("ICO of 32 x 32")
        << encoded(icon, "ICO") << QSize(32, 32) << QPoint(31, 0) << QRgb(0xffc86400);
    QTest::newRow("icon holding a PNG")
        << QByteArray::fromHex("000001000100") + QByteArray::fromHex("2020000000002000") +
               little32(quint32(encoded(icon, "PNG").size())) + little32(22) + encoded(icon, "PNG")
        << QSize(32, 32) << QPoint(0, 31) << QRgb(0xff0a141e);
    QImage grey(16, 16, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128)); // no loss in JPEG's colours
    QTest::newRow("progressive JPEG")
        << encoded(grey, "JPEG", true) << QSize(16, 16) << QPoint(15, 15) << QRgb(0xff808080);
}

void TestPictureReaders::aWholePictureOpensWithItsPixels()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QPoint, place);
    QFETCH(QRgb, colour);
    keepAsSeed("whole", bytes);
    const auto reads = decodeTwice([&] { return readPictureBytes(bytes); });
    QCOMPARE(reads.first.error, QString());
    QCOMPARE(reads.first.picture.size(), size);
    QVERIFY(samePixels(reads.first.picture, reads.second.picture));
    QCOMPARE(reads.first.picture.convertToFormat(QImage::Format_ARGB32).pixel(place), colour);
}

void TestPictureReaders::theTwiceDecodedCheckSeesPixelsNobodyWrote()
{
    // A reader that sets one pixel of a picture it never filled.
    auto careless = [] {
        QImage picture(64, 64, QImage::Format_RGB32);
        picture.setPixel(0, 0, qRgb(1, 2, 3));
        return picture;
    };
    const auto reads = decodeTwice(careless);
    QVERIFY(!samePixels(reads.first, reads.second));
    auto careful = [] {
        QImage picture(64, 64, QImage::Format_RGB32);
        picture.fill(qRgb(1, 2, 3));
        return picture;
    };
    const auto filled = decodeTwice(careful);
    QVERIFY(samePixels(filled.first, filled.second));
}

QTEST_MAIN(TestPictureReaders)
#include "tst_picturereaders.moc"
