// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/completeness.h"

#include "picture_files/bytereader.h"
#include "picture_files/picturemessages.h"
#include "picture_files/tgareader.h"
#include "picture_files/tiffcheck.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace {

QString leavesPixelsUndefined()
{
    return QCoreApplication::translate("PictureFiles", "its pixel data leaves pixels undefined");
}

// GIF's LZW codes, walked without decoding: how many pixels they define. Any code the table
// does not hold yet makes the data damaged (-1).
qint64 lzwPixels(const QByteArray &data, quint32 rootBits, qint64 enough)
{
    const quint32 clear = 1u << rootBits, end = clear + 1;
    std::array<qint64, 4096> lengths{};
    quint32 codeBits = rootBits + 1, next = clear + 2;
    qint64 previous = 0,
           pixels = 0; // previous: the length of the last code's pixels, 0 after clear
    quint64 bits = 0;
    int held = 0;
    for (qsizetype at = 0; pixels < enough;) {
        while (held < int(codeBits) && at < data.size()) {
            bits |= quint64(quint8(data[at++])) << held;
            held += 8;
        }
        if (held < int(codeBits)) {
            break;
        }
        const quint32 code = quint32(bits & ((1u << codeBits) - 1));
        bits >>= codeBits;
        held -= int(codeBits);
        if (code == clear) {
            codeBits = rootBits + 1;
            next = clear + 2;
            previous = 0;
            continue;
        }
        if (code == end) {
            break;
        }
        qint64 length = 0;
        if (code < clear) {
            length = 1;
        } else if (previous != 0 && code < next) {
            length = lengths[code];
        } else if (previous != 0 && code == next) {
            length = previous + 1;
        } else {
            return -1;
        }
        if (previous != 0 && next < lengths.size()) {
            lengths[next++] = previous + 1;
            if (next == 1u << codeBits && codeBits < 12) {
                ++codeBits;
            }
        }
        pixels += length;
        previous = length;
    }
    return pixels;
}

// GIF: the blocks, one after the other, up to the trailer (3B); the first picture's data
// defines each of its pixels, and the picture and its frame fit in the pixel limit.
QString gifFault(const QByteArray &bytes, qint64 mostPixels)
{
    const Bytes at(bytes);
    const qint64 screenWidth = at.little16(6), screenHeight = at.little16(8);
    qint64 place = 13;
    if (at.byte(10) & 0x80) { // a global colour table
        place += 3 * (qint64(2) << (at.byte(10) & 7));
    }
    auto subBlocks = [&] {
        QByteArray data;
        while (at.has(place, 1) && at.byte(place) != 0) {
            data += bytes.mid(place + 1, at.byte(place));
            place += 1 + at.byte(place);
        }
        ++place; // the closing zero
        return data;
    };
    bool first = true;
    while (at.has(place, 1)) {
        const quint32 kind = at.byte(place);
        if (kind == 0x3b) {
            return first ? incompleteBecause(QCoreApplication::translate(
                               "PictureFiles", "it holds no picture data"))
                         : QString();
        }
        if (kind == 0x21) { // an extension: its label, then sub-blocks
            place += 2;
            subBlocks();
            continue;
        }
        if (kind != 0x2c) {
            return incompleteBecause(endMissing());
        }
        // An image: its descriptor, colours, code size, sub-blocks.
        const qint64 right = at.little16(place + 1) + qint64(at.little16(place + 5));
        const qint64 bottom = at.little16(place + 3) + qint64(at.little16(place + 7));
        const qint64 pixels = qint64(at.little16(place + 5)) * at.little16(place + 7);
        const quint32 flags = at.byte(place + 9);
        place += 10;
        if (flags & 0x80) {
            place += 3 * (qint64(2) << (flags & 7));
        }
        const quint32 rootBits = at.byte(place++);
        const QByteArray data = subBlocks();
        if (!first) {
            continue;
        }
        first = false;
        if (pixels == 0 || rootBits < 1 || rootBits > 8) {
            return damagedMessage();
        }
        const qint64 width = std::max(screenWidth, right), height = std::max(screenHeight, bottom);
        if (width * height > mostPixels) {
            return tooManyPixels(width, height, mostPixels);
        }
        const qint64 defined = lzwPixels(data, rootBits, pixels);
        if (defined < 0) {
            return damagedMessage();
        }
        if (defined < pixels) {
            return incompleteBecause(dataMissing());
        }
    }
    return incompleteBecause(endMissing());
}

// A run-length BMP's codes (RLE8, RLE4), walked from the bottom row up: every pixel defined by
// a run, none skipped by an early end of line, a jump or an early end.
QString runLengthFault(const Bytes &at, qint64 place, qint64 width, qint64 height, bool fourBits)
{
    qint64 x = 0, y = 0;
    while (at.has(place, 2)) {
        const quint32 count = at.byte(place), code = at.byte(place + 1);
        place += 2;
        if (count != 0) { // a run of one value (or two, alternating)
            x += count;
        } else if (code == 0 || code == 1) { // end of line, end of picture
            if (x != width) {
                return incompleteBecause(leavesPixelsUndefined());
            }
            x = 0;
            if (++y == height || code == 1) {
                return y == height ? QString() : incompleteBecause(leavesPixelsUndefined());
            }
            continue;
        } else if (code == 2) { // a jump, over pixels no code defines
            return incompleteBecause(leavesPixelsUndefined());
        } else { // that many pixels as they are, padded to two bytes
            const qint64 length = fourBits ? (code + 1) / 2 : code;
            if (!at.has(place, length)) {
                break;
            }
            place += length + (length & 1);
            x += code;
        }
        if (x > width) {
            return damagedMessage();
        }
    }
    // The data ends without its last end of line: whole only when the top row is full.
    return y == height - 1 && x == width ? QString() : incompleteBecause(dataMissing());
}

// BMP: a header of a size the format has, a known kind of data, and every row the header
// promises within the file (or, run-length, every pixel defined by the codes).
QString bmpFault(const QByteArray &bytes, qint64 mostPixels)
{
    const Bytes at(bytes);
    const qint64 offset = at.little32(10);
    const quint32 headerSize = at.little32(14);
    qint64 width = 0, height = 0;
    quint32 bits = 0, compression = 0;
    if (headerSize == 12) { // the old OS/2 header
        width = at.little16(18);
        height = qint16(at.little16(20));
        bits = at.little16(24);
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 ||
               headerSize == 124) {
        width = qint32(at.little32(18));
        height = qint32(at.little32(22));
        bits = at.little16(28);
        compression = at.little32(30);
    } else {
        return damagedMessage();
    }
    const bool bitsKnown =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    const bool kindKnown = compression == 0 || (compression == 1 && bits == 8) ||
                           (compression == 2 && bits == 4) ||
                           ((compression == 3 || compression == 6) && (bits == 16 || bits == 32));
    if (!at.has(0, 14 + qint64(headerSize)) || !bitsKnown || !kindKnown || width <= 0 ||
        height == 0) {
        return damagedMessage();
    }
    // The pixels start after the header, its masks and its colours, where Qt's reader looks.
    const quint32 used = headerSize == 12 ? 0 : at.little32(46);
    const qint64 colours = bits > 8 ? 0 : used > 0 && used < (1u << bits) ? used : 1 << bits;
    const qint64 masks = headerSize == 40 && (compression == 3 || compression == 6)
                             ? (compression == 3 ? 12 : 16)
                             : 0;
    if (offset < 14 + qint64(headerSize) + masks + colours * (headerSize == 12 ? 3 : 4)) {
        return damagedMessage();
    }
    if (width * std::abs(height) > mostPixels) {
        return tooManyPixels(width, std::abs(height), mostPixels);
    }
    if (compression == 1 || compression == 2) {
        return height < 0 ? damagedMessage()
                          : runLengthFault(at, offset, width, height, compression == 2);
    }
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return at.has(offset, product(rowBytes, std::abs(height))) ? QString()
                                                               : incompleteBecause(dataMissing());
}

// PNG: its chunks whole up to the end chunk, and a header within the pixel limit (read here for
// pictures inside icons, whose size Qt tells only once it decodes them).
QString pngFault(const QByteArray &bytes, qint64 mostPixels)
{
    const Bytes at(bytes);
    const qint64 width = at.big32(16), height = at.big32(20);
    if (product(width, height) > mostPixels) {
        return tooManyPixels(width, height, mostPixels);
    }
    // Chunk after chunk, each within the file, up to the end chunk: a length past the end
    // would have libpng ask for that much memory before it finds the data missing.
    for (qint64 place = 8; at.has(place, 12);) {
        const qint64 length = at.big32(place);
        if (!at.has(place, 12 + length)) {
            break;
        }
        if (bytes.mid(place + 4, 4) == "IEND") {
            return {};
        }
        place += 12 + length;
    }
    return incompleteBecause(endMissing());
}

// ICO and CUR: every picture the directory lists lies within the file, and holds, within its
// own bytes, what its own header promises: a PNG's end, or a bitmap's colours, pixels and mask.
QString iconFault(const QByteArray &bytes, qint64 mostPixels)
{
    const Bytes at(bytes);
    const quint32 count = at.little16(4);
    for (quint32 i = 0; i < count; ++i) {
        const qint64 entry = 6 + 16 * qint64(i);
        const qint64 size = at.little32(entry + 8), offset = at.little32(entry + 12);
        if (!at.has(entry, 16) || !at.has(offset, size)) {
            return incompleteBecause(dataMissing());
        }
        const QByteArray inner = bytes.mid(offset, size);
        if (inner.startsWith("\x89PNG\r\n\x1a\n")) {
            if (const QString fault = pngFault(inner, mostPixels); !fault.isEmpty()) {
                return fault;
            }
            continue;
        }
        const Bytes picture(inner);
        const qint64 width = qint32(picture.little32(4));
        const qint64 height = qint32(picture.little32(8)) / 2; // the colours, then the mask
        const quint32 bits = picture.little16(14), used = picture.little32(32);
        if (picture.little32(0) != 40 || width <= 0 || height <= 0 ||
            !(bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)) {
            return damagedMessage();
        }
        // A colour table longer than the depth can name is not read at all.
        if (bits <= 8 && used > (1u << bits)) {
            return damagedMessage();
        }
        if (width * height > mostPixels) {
            return tooManyPixels(width, height, mostPixels);
        }
        const qint64 colours = bits > 8 ? 0 : used > 0 ? used : 1 << bits;
        const qint64 rows = (width * bits + 31) / 32 * 4, maskRows = (width + 31) / 32 * 4;
        if (!picture.has(0, 40 + 4 * colours + (rows + maskRows) * height)) {
            return incompleteBecause(dataMissing());
        }
    }
    return count == 0 ? damagedMessage() : QString();
}

// PBM, PGM, PPM as bytes (P4, P5, P6): every row the header promises within the file.
QString netpbmFault(const QByteArray &bytes, qint64 mostPixels)
{
    const char kind = bytes.at(1);
    qsizetype place = 2;
    auto number = [&]() -> qint64 { // after white space and comments; -1 when there is none
        while (place < bytes.size()) {
            if (bytes[place] == '#') {
                while (place < bytes.size() && bytes[place] != '\n') {
                    ++place;
                }
            } else if (bytes[place] == ' ' || (bytes[place] >= '\t' && bytes[place] <= '\r')) {
                ++place;
            } else {
                break;
            }
        }
        qint64 value = -1;
        for (; place < bytes.size() && bytes[place] >= '0' && bytes[place] <= '9' &&
               value < (qint64(1) << 32);
             ++place) {
            value = std::max<qint64>(value, 0) * 10 + (bytes[place] - '0');
        }
        return value;
    };
    const qint64 width = number(), height = number(), most = kind == '4' ? 1 : number();
    if (width <= 0 || height <= 0 || most <= 0 || most > 65535) {
        return damagedMessage();
    }
    if (product(width, height) > mostPixels) {
        return tooManyPixels(width, height, mostPixels);
    }
    const qint64 sampleBytes = most > 255 ? 2 : 1;
    const qint64 rowBytes = kind == '4'   ? (width + 7) / 8
                            : kind == '5' ? width * sampleBytes
                                          : width * 3 * sampleBytes;
    // One white-space byte ends the header.
    return Bytes(bytes).has(place + 1, rowBytes * height) ? QString()
                                                          : incompleteBecause(dataMissing());
}

} // namespace

QByteArray contentFormat(const QByteArray &bytes)
{
    const Bytes at(bytes);
    if (bytes.startsWith("\x89PNG\r\n\x1a\n")) {
        return "png";
    }
    if (bytes.startsWith("\xff\xd8\xff")) {
        return "jpeg";
    }
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")) {
        return "gif";
    }
    if (bytes.startsWith("BM") && bytes.size() >= 26) {
        return "bmp";
    }
    if (bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP") {
        return "webp";
    }
    if (bytes.startsWith("II*\0") || bytes.startsWith(QByteArray("MM\0*", 4))) {
        return "tiff";
    }
    if (bytes.size() > 3 && bytes[0] == 'P' && bytes[1] >= '4' && bytes[1] <= '6' &&
        QByteArray(" \t\n\r").contains(bytes[2])) {
        return QByteArray(bytes[1] == '4' ? "pbm" : bytes[1] == '5' ? "pgm" : "ppm");
    }
    const bool tga = looksLikeTga(bytes);
    if (tga && bytes.endsWith(QByteArray("TRUEVISION-XFILE.\0", 18))) {
        return "tga";
    }
    const quint32 iconKind = at.little16(2), icons = at.little16(4);
    if (at.little16(0) == 0 && (iconKind == 1 || iconKind == 2) && icons > 0 &&
        at.has(0, 6 + 16 * qint64(icons))) {
        return iconKind == 1 ? "ico" : "cur";
    }
    return tga ? "tga" : QByteArray();
}

QString pictureFault(const QByteArray &bytes, const QByteArray &format, qint64 mostPixels)
{
    if (format == "png") {
        return pngFault(bytes, mostPixels);
    }
    if (format == "gif") {
        return gifFault(bytes, mostPixels);
    }
    if (format == "bmp") {
        return bmpFault(bytes, mostPixels);
    }
    if (format == "ico" || format == "cur") {
        return iconFault(bytes, mostPixels);
    }
    if (format == "tiff") {
        return tiffFault(bytes, mostPixels);
    }
    if (format == "pbm" || format == "pgm" || format == "ppm") {
        return netpbmFault(bytes, mostPixels);
    }
    return {};
}
