// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebytes.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

#include <cstdio> // before jpeglib.h, which needs FILE
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <webp/encode.h>

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

QByteArray encoded(const QImage &image, const char *format, bool progressive)
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
QImage noise(int width, int height, QImage::Format format)
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
QByteArray gif(const QByteArray &blocks, int screen, int at)
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
                const QList<quint32> &strips, const QList<quint32> &stripBytes, quint32 bits,
                quint32 sampleFormat)
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
               const QByteArray &pixels, bool footer, int bits)
{
    QByteArray bytes = QByteArray(1, char(id.size())) + char(0) + char(kind) + QByteArray(5, '\0') +
                       little16(0) + little16(0) + little16(width) + little16(height) + char(bits) +
                       char(bits == 32 ? 0x28 : 0x20);
    bytes += id + pixels;
    if (footer) {
        bytes += little32(0) + little32(0) + QByteArray("TRUEVISION-XFILE.\0", 18);
    }
    return bytes;
}

QByteArray mappedTga(quint8 kind, const QByteArray &map, const QByteArray &indices)
{
    return QByteArray(1, '\0') + char(1) + char(kind) + little16(0) +
           little16(quint32(map.size() / 3)) + char(24) + little16(0) + little16(0) + little16(2) +
           little16(2) + char(8) + char(0x20) + map + indices;
}

// A RIFF chunk, padded to an even length.
QByteArray chunk(const char *type, const QByteArray &data)
{
    return QByteArray(type) + little32(data.size()) + data +
           (data.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

// An animated WebP whose canvas is 64 x 64 and whose first frame is 2 x 2 of opaque red with its
// top left corner at `corner` (even numbers); its header says nothing of transparency.
QByteArray animatedWebp(QPoint corner)
{
    const QByteArray red = QByteArray::fromHex("0000ffff").repeated(4); // B, G, R, A
    std::uint8_t *output = nullptr;
    const std::size_t size = WebPEncodeLosslessBGRA(
        reinterpret_cast<const std::uint8_t *>(red.constData()), 2, 2, 8, &output);
    const QByteArray still(reinterpret_cast<const char *>(output), qsizetype(size));
    WebPFree(output);
    const QByteArray frame = still.mid(12); // its VP8L chunk
    const QByteArray body =
        "WEBP" +
        chunk("VP8X",
              QByteArray(1, char(0x02)) + QByteArray(3, '\0') + little24(63) + little24(63)) +
        chunk("ANIM", little32(0xffffffff) + little16(0)) +
        chunk("ANMF", little24(corner.x() / 2) + little24(corner.y() / 2) + little24(1) +
                          little24(1) + little24(100) + char(0) + frame);
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
