// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures cut, re-terminated and forged, as an attacker or an unlucky user brings them: each
// refused with its reason, or, when whole, opened with exactly the pixels
// the file defines; each decoded twice over differently filled memory, which must not show.
#include "picture_files/picturefile.h"
#include "twicedecoded.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

#include <cstdio> // before jpeglib.h, which needs FILE

#include <jpeglib.h>
#include <webp/encode.h>
#include <zlib.h>

#include <cstdlib>
#include <vector>

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

QByteArray little16(quint32 value)
{
    return QByteArray(1, char(value & 0xff)) + char(value >> 8 & 0xff);
}

QByteArray little32(quint32 value)
{
    return little16(value & 0xffff) + little16(value >> 16);
}

QByteArray little24(quint32 value)
{
    return little16(value & 0xffff) + char(value >> 16 & 0xff);
}

QByteArray big16(quint32 value)
{
    return QByteArray(1, char(value >> 8 & 0xff)) + char(value & 0xff);
}

QByteArray encoded(const QImage &image, const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// A picture whose every pixel differs from its neighbours, so that compressed data is long.
QImage noise(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int n = (x * 7919 + y * 104729) % 65521;
            image.setPixel(x, y, qRgb(n & 0xff, n >> 3 & 0xff, n >> 8 & 0xff));
        }
    }
    return image.convertToFormat(format);
}

// A BMP with a 40-byte header, a palette of `colours` greys and the data as given.
QByteArray bmp(qint32 width, qint32 height, quint16 bits, quint32 compression, int colours,
               const QByteArray &data)
{
    const quint32 offset = 14 + 40 + 4 * colours;
    QByteArray bytes = "BM" + little32(offset + data.size()) + little32(0) + little32(offset);
    bytes += little32(40) + little32(quint32(width)) + little32(quint32(height)) + little16(1) +
             little16(bits) + little32(compression) + little32(data.size()) + little32(2835) +
             little32(2835) + little32(colours) + little32(0);
    for (int i = 0; i < colours; ++i) {
        bytes += little32(quint32(i * 0x111111 & 0xffffff));
    }
    return bytes + data;
}

// GIF codes packed as the format packs them, the lowest bit first, in sub-blocks of `block`.
QByteArray lzwBlocks(const QList<int> &codes, int bits, int block)
{
    QByteArray packed;
    quint32 held = 0;
    int count = 0;
    for (const int code : codes) {
        held |= quint32(code) << count;
        count += bits;
        while (count >= 8) {
            packed += char(held & 0xff);
            held >>= 8;
            count -= 8;
        }
    }
    if (count > 0) {
        packed += char(held & 0xff);
    }
    QByteArray blocks;
    for (qsizetype at = 0; at < packed.size(); at += block) {
        const QByteArray part = packed.mid(at, block);
        blocks += char(part.size()) + part;
    }
    return blocks;
}

// A 4 x 4 GIF of four colours (index = (x + y) % 4), its codes three bits each: a clear code
// before every two pixels keeps the table from growing.
QByteArray gifCodes()
{
    QList<int> codes;
    for (int i = 0; i < 16; ++i) {
        if (i % 2 == 0) {
            codes.append(4); // clear
        }
        codes.append((i % 4 + i / 4) % 4);
    }
    codes.append(5); // end
    return lzwBlocks(codes, 3, 5);
}

// A GIF whose screen is `screen` pixels square and whose picture, 4 x 4 at `at`, has the codes
// given; its background colour is blue.
QByteArray gif(const QByteArray &blocks, int screen = 4, int at = 0)
{
    QByteArray bytes =
        "GIF89a" + little16(screen) + little16(screen) + char(0x81) + char(2) + char(0);
    bytes += QByteArray::fromHex("ff000000ff000000ffffffff"); // red, green, blue, white
    bytes += char(0x2c) + little16(at) + little16(at) + little16(4) + little16(4) + char(0);
    return bytes + char(2) + blocks;
}

// A little-endian TIFF of 8-bit RGB pixels, `rowsPerStrip` rows a strip, the strips listed as
// given (offsets into the pixel data).
QByteArray tiff(quint32 width, quint32 height, quint32 rowsPerStrip, const QByteArray &pixels,
                const QList<quint32> &strips, const QList<quint32> &stripBytes, quint32 bits = 8,
                quint32 sampleFormat = 1)
{
    struct Entry {
        quint16 tag, type;
        quint32 count, value;
    };
    const quint32 entries = 10;
    const quint32 directory = 8, after = directory + 2 + entries * 12 + 4;
    const quint32 listBytes = 4 * strips.size();
    const quint32 offsetsAt = after, countsAt = after + listBytes, bitsAt = countsAt + listBytes;
    const quint32 dataAt = bitsAt + 6;
    QList<Entry> list{
        {256, 4, 1, width},
        {257, 4, 1, height},
        {258, 3, 3, bitsAt},
        {259, 3, 1, 1},
        {262, 3, 1, 2},
        {273, 4, quint32(strips.size()), strips.size() == 1 ? dataAt + strips[0] : offsetsAt},
        {277, 3, 1, 3},
        {278, 4, 1, rowsPerStrip},
        {279, 4, quint32(stripBytes.size()), stripBytes.size() == 1 ? stripBytes[0] : countsAt},
        {339, 3, 1, sampleFormat}};
    QByteArray bytes = "II*" + QByteArray(1, '\0') + little32(directory) + little16(entries);
    for (const Entry &entry : list) {
        bytes += little16(entry.tag) + little16(entry.type) + little32(entry.count) +
                 (entry.type == 3 && entry.count == 1 ? little16(entry.value) + little16(0)
                                                      : little32(entry.value));
    }
    bytes += little32(0);
    for (const quint32 strip : strips) {
        bytes += little32(dataAt + strip);
    }
    for (const quint32 count : stripBytes) {
        bytes += little32(count);
    }
    bytes += little16(bits) + little16(bits) + little16(bits);
    return bytes + pixels;
}

QByteArray floats(const QList<float> &values)
{
    QByteArray bytes;
    for (const float value : values) {
        quint32 word = 0;
        std::memcpy(&word, &value, 4);
        bytes += little32(word);
    }
    return bytes;
}

// A TGA of true colour (type 2) or run-length true colour (10), 24 bits, its rows from the top.
QByteArray tga(quint8 kind, quint16 width, quint16 height, const QByteArray &id,
               const QByteArray &pixels, bool footer)
{
    QByteArray bytes = QByteArray(1, char(id.size())) + char(0) + char(kind) + QByteArray(5, '\0') +
                       little16(0) + little16(0) + little16(width) + little16(height) + char(24) +
                       char(0x20);
    bytes += id + pixels;
    if (footer) {
        bytes += little32(0) + little32(0) + QByteArray("TRUEVISION-XFILE.\0", 18);
    }
    return bytes;
}

// A RIFF chunk, padded to an even length.
QByteArray chunk(const char *type, const QByteArray &data)
{
    return QByteArray(type) + little32(data.size()) + data +
           (data.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

// An animated WebP whose canvas is 64 x 64 and whose first frame is 2 x 2 of opaque red at its
// top left corner; its header says nothing of transparency.
QByteArray animatedWebp()
{
    const QByteArray red = QByteArray::fromHex("0000ffff").repeated(4); // B, G, R, A
    std::uint8_t *output = nullptr;
    const std::size_t size = WebPEncodeLosslessBGRA(
        reinterpret_cast<const std::uint8_t *>(red.constData()), 2, 2, 8, &output);
    const QByteArray still(reinterpret_cast<const char *>(output), qsizetype(size));
    WebPFree(output);
    const QByteArray frame = still.mid(12); // its VP8L chunk
    const QByteArray body = "WEBP" +
                            chunk("VP8X", QByteArray(1, char(0x02)) + QByteArray(3, '\0') +
                                              little24(63) + little24(63)) +
                            chunk("ANIM", little32(0xffffffff) + little16(0)) +
                            chunk("ANMF", little24(0) + little24(0) + little24(1) + little24(1) +
                                              little24(100) + char(0) + frame);
    return "RIFF" + little32(body.size()) + body;
}

// A JPEG cut at `share` of its length, its end marker put back.
QByteArray cutAndEnded(const QByteArray &jpeg, double share)
{
    return jpeg.left(qsizetype(jpeg.size() * share)) + "\xff\xd9";
}

// A progressive JPEG whose first scan comes `times` times.
QByteArray repeatedScan(const QByteArray &jpeg, int times)
{
    const qsizetype scan = jpeg.indexOf("\xff\xda");
    qsizetype end = scan + 2;
    while (!(quint8(jpeg[end]) == 0xff && quint8(jpeg[end + 1]) != 0 &&
             (quint8(jpeg[end + 1]) < 0xd0 || quint8(jpeg[end + 1]) > 0xd7))) {
        ++end;
    }
    return jpeg.left(scan) + jpeg.mid(scan, end - scan).repeated(times) + jpeg.mid(end);
}

// A progressive grey JPEG of 8 x 8 pixels (a level of 100) in the first `count` of 128 scans
// that make a sound progression: DC in two steps, then each AC coefficient in a band of its
// own, first its high bits, then its last.
QByteArray jpegOfScans(int count)
{
    std::vector<jpeg_scan_info> scans;
    scans.push_back({1, {0, 0, 0, 0}, 0, 0, 0, 1});
    scans.push_back({1, {0, 0, 0, 0}, 0, 0, 1, 0});
    for (int k = 1; k < 64; ++k) {
        scans.push_back({1, {0, 0, 0, 0}, k, k, 0, 1});
    }
    for (int k = 1; k < 64; ++k) {
        scans.push_back({1, {0, 0, 0, 0}, k, k, 1, 0});
    }
    scans.resize(std::size_t(count));
    jpeg_compress_struct jpeg{};
    jpeg_error_mgr errors{};
    jpeg.err = jpeg_std_error(&errors);
    jpeg_create_compress(&jpeg);
    unsigned char *output = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&jpeg, &output, &size);
    jpeg.image_width = 8;
    jpeg.image_height = 8;
    jpeg.input_components = 1;
    jpeg.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&jpeg);
    jpeg.scan_info = scans.data();
    jpeg.num_scans = count;
    jpeg_start_compress(&jpeg, TRUE);
    JSAMPLE row[8] = {100, 100, 100, 100, 100, 100, 100, 100};
    for (int y = 0; y < 8; ++y) {
        JSAMPROW rows[] = {row};
        jpeg_write_scanlines(&jpeg, rows, 1);
    }
    jpeg_finish_compress(&jpeg);
    jpeg_destroy_compress(&jpeg);
    const QByteArray bytes(reinterpret_cast<const char *>(output), qsizetype(size));
    std::free(output);
    return bytes;
}

// A baseline JPEG's headers with its size set to 8192 x 8192.
QByteArray largeHeaders(const QByteArray &jpeg, bool withScanHeader)
{
    QByteArray bytes = jpeg;
    const qsizetype frame = bytes.indexOf("\xff\xc0");
    bytes.replace(frame + 5, 4, big16(8192) + big16(8192));
    const qsizetype scan = bytes.indexOf("\xff\xda");
    const qsizetype end =
        withScanHeader ? scan + 2 + qFromBigEndian<quint16>(bytes.constData() + scan + 2) : scan;
    return bytes.left(end) + "\xff\xd9";
}

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
    // A PNG whose text chunk claims 800 MB: refused before libpng asks for them.
    QByteArray longText = png;
    longText.insert(33, QByteArray::fromHex("30000000") + "tEXtx");
    QTest::newRow("PNG whose text chunk claims 800 MB") << longText << kEndMissing;
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
    QTest::newRow("TIFF of 32-bit floats: 1.0, 0.2, 0.0")
        << tiff(2, 1, 1, floats({1.0f, 0.2f, 0.0f, 0.0f, 0.0f, 1.0f}), {0}, {24}, 32, 3)
        << QSize(2, 1) << QPoint(0, 0) << QRgb(0xffff3300);
    QTest::newRow("animated WebP, the canvas outside the frame")
        << animatedWebp() << QSize(64, 64) << QPoint(63, 63) << QRgb(0x00000000);
    QTest::newRow("animated WebP, the frame")
        << animatedWebp() << QSize(64, 64) << QPoint(1, 1) << QRgb(0xffff0000);
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
