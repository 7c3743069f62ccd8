// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/completeness.h"

#include <QList>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

// a * b for counts that are not negative, held at the largest count where it would overflow:
// no file holds that many bytes.
qint64 product(qint64 a, qint64 b)
{
    constexpr qint64 kMost = std::numeric_limits<qint64>::max();
    return a != 0 && b > kMost / a ? kMost : a * b;
}

const QString kEndMissing = QStringLiteral("its end is missing");
const QString kDataMissing = QStringLiteral("its pixel data ends before the picture does");

// Reads numbers from the bytes, refusing to read past the end.
class Bytes {
public:
    explicit Bytes(const QByteArray &bytes) : bytes_(bytes) {}

    qint64 size() const { return bytes_.size(); }
    bool has(qint64 at, qint64 count) const
    {
        return at >= 0 && count >= 0 && at <= size() && count <= size() - at;
    }
    quint32 byte(qint64 at) const { return has(at, 1) ? quint8(bytes_[at]) : 0; }
    quint32 little16(qint64 at) const { return byte(at) | byte(at + 1) << 8; }
    quint32 little32(qint64 at) const { return little16(at) | little16(at + 2) << 16; }
    quint32 big16(qint64 at) const { return byte(at) << 8 | byte(at + 1); }
    quint32 big32(qint64 at) const { return big16(at) << 16 | big16(at + 2); }

private:
    const QByteArray &bytes_;
};

// JPEG: a scan (FF DA) with data after its header, and the end marker (FF D9) after that.
QString jpegMissing(const QByteArray &bytes)
{
    const Bytes at(bytes);
    const qsizetype scan = bytes.lastIndexOf("\xff\xda");
    if (scan < 0) {
        return QStringLiteral("it holds no picture data");
    }
    const qint64 data = scan + 2 + at.big16(scan + 2);
    const qsizetype end = bytes.lastIndexOf("\xff\xd9");
    return end > data ? QString() : kEndMissing;
}

// GIF: the blocks, one after the other, up to the trailer (3B).
QString gifMissing(const QByteArray &bytes)
{
    const Bytes at(bytes);
    qint64 place = 13;
    if (at.byte(10) & 0x80) { // a global colour table
        place += 3 * (qint64(2) << (at.byte(10) & 7));
    }
    auto skipSubBlocks = [&] {
        while (at.has(place, 1) && at.byte(place) != 0) {
            place += 1 + at.byte(place);
        }
        ++place; // the closing zero
    };
    while (at.has(place, 1)) {
        const quint32 kind = at.byte(place);
        if (kind == 0x3b) {
            return {};
        }
        if (kind == 0x21) { // an extension: its label, then sub-blocks
            place += 2;
            skipSubBlocks();
        } else if (kind == 0x2c) { // an image: its descriptor, colours, code size, sub-blocks
            const quint32 flags = at.byte(place + 9);
            place += 10;
            if (flags & 0x80) {
                place += 3 * (qint64(2) << (flags & 7));
            }
            ++place;
            skipSubBlocks();
        } else {
            return kEndMissing;
        }
    }
    return kEndMissing;
}

// BMP: the rows the header promises lie within the file; run-length data reaches its end.
QString bmpMissing(const QByteArray &bytes)
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
    } else {
        width = qint32(at.little32(18));
        height = qint32(at.little32(22));
        bits = at.little16(28);
        compression = at.little32(30);
    }
    if (compression == 1 || compression == 2) { // RLE8, RLE4: pairs up to end-of-picture (0 1)
        qint64 place = offset;
        while (at.has(place, 2)) {
            const quint32 count = at.byte(place), code = at.byte(place + 1);
            place += 2;
            if (count != 0) {
                continue;
            }
            if (code == 1) {
                return {};
            }
            if (code == 2) {
                place += 2;
            } else if (code > 2) { // that many pixels as they are, padded to two bytes
                const qint64 length = compression == 1 ? code : (code + 1) / 2;
                place += length + (length & 1);
            }
        }
        return kDataMissing;
    }
    if (compression != 0 && compression != 3 && compression != 6) {
        return {}; // JPEG or PNG inside: their own reader checks them
    }
    const qint64 rowBytes = (std::abs(width) * bits + 31) / 32 * 4;
    return at.has(offset, product(rowBytes, std::abs(height))) ? QString() : kDataMissing;
}

// ICO and CUR: every picture the directory lists lies within the file.
QString iconMissing(const QByteArray &bytes)
{
    const Bytes at(bytes);
    const quint32 count = at.little16(4);
    for (quint32 i = 0; i < count; ++i) {
        const qint64 entry = 6 + 16 * qint64(i);
        if (!at.has(entry, 16) || !at.has(at.little32(entry + 12), at.little32(entry + 8))) {
            return kDataMissing;
        }
    }
    return {};
}

// XBM, XPM: the closing brace of the data after its opening one.
QString braceMissing(const QByteArray &bytes)
{
    const qsizetype open = bytes.indexOf('{');
    return open >= 0 && bytes.lastIndexOf('}') > open ? QString() : kEndMissing;
}

// TIFF: every strip or tile the first directory names lies within the file.
QString tiffMissing(const QByteArray &bytes)
{
    const Bytes at(bytes);
    const bool little = bytes.startsWith("II");
    auto u16 = [&](qint64 place) { return little ? at.little16(place) : at.big16(place); };
    auto u32 = [&](qint64 place) { return little ? at.little32(place) : at.big32(place); };
    const qint64 directory = u32(4);
    const quint32 entries = u16(directory);
    if (!at.has(directory + 2, 12 * qint64(entries))) {
        return kDataMissing;
    }
    // The values of a tag: SHORT (3) or LONG (4), in the entry when they fit, else where it says.
    auto values = [&](quint32 tag) {
        QList<qint64> found;
        for (quint32 i = 0; i < entries; ++i) {
            const qint64 entry = directory + 2 + 12 * qint64(i);
            if (u16(entry) != tag) {
                continue;
            }
            const quint32 type = u16(entry + 2), count = std::min<quint32>(u32(entry + 4), 1 << 20);
            const qint64 width = type == 3 ? 2 : 4;
            const qint64 place = width * count <= 4 ? entry + 8 : u32(entry + 8);
            // At most a million values in all, however many entries repeat the tag.
            for (quint32 k = 0;
                 k < count && found.size() < (1 << 20) && at.has(place + width * k, width); ++k) {
                found.append(type == 3 ? u16(place + width * k) : u32(place + width * k));
            }
        }
        return found;
    };
    for (const auto &[offsetsTag, countsTag] : {std::pair{273u, 279u}, std::pair{324u, 325u}}) {
        const QList<qint64> offsets = values(offsetsTag), counts = values(countsTag);
        for (qsizetype i = 0; i < offsets.size(); ++i) {
            if (i >= counts.size() || !at.has(offsets[i], counts[i])) {
                return kDataMissing;
            }
        }
    }
    return {};
}

// TGA: the pixels an uncompressed picture promises; run-length packets for every pixel.
QString tgaMissing(const QByteArray &bytes)
{
    const Bytes at(bytes);
    const quint32 type = at.byte(2);
    const qint64 pixelBytes = (at.byte(16) + 7) / 8;
    const qint64 pixels = qint64(at.little16(12)) * at.little16(14);
    qint64 place = 18 + at.byte(0) + qint64(at.little16(5)) * ((at.byte(7) + 7) / 8);
    if (type == 1 || type == 2 || type == 3) {
        return at.has(place, product(pixels, pixelBytes)) ? QString() : kDataMissing;
    }
    for (qint64 done = 0; done < pixels;) {
        if (!at.has(place, 1)) {
            return kDataMissing;
        }
        const quint32 packet = at.byte(place);
        const qint64 run = (packet & 0x7f) + 1;
        place += 1 + ((packet & 0x80) ? pixelBytes : run * pixelBytes);
        done += run;
    }
    return at.has(0, place) ? QString() : kDataMissing;
}

// WBMP: a row of bits, padded to whole bytes, for every row.
QString wbmpMissing(const QByteArray &bytes)
{
    const Bytes at(bytes);
    qint64 place = 2;
    auto number = [&] { // a multi-byte whole number: seven bits a byte
        qint64 value = 0;
        for (int i = 0; i < 5 && at.has(place, 1); ++i) {
            const quint32 part = at.byte(place++);
            value = value << 7 | (part & 0x7f);
            if (!(part & 0x80)) {
                break;
            }
        }
        return value;
    };
    const qint64 width = number(), height = number();
    return at.has(place, product((width + 7) / 8, height)) ? QString() : kDataMissing;
}

} // namespace

QString missingPart(const QByteArray &bytes, const QByteArray &format)
{
    const Bytes at(bytes);
    if (format == "png") {
        return bytes.contains("IEND") ? QString() : kEndMissing;
    }
    if (format == "jpeg" || format == "jpg") {
        return jpegMissing(bytes);
    }
    if (format == "gif") {
        return gifMissing(bytes);
    }
    if (format == "bmp") {
        return bmpMissing(bytes);
    }
    if (format == "ico" || format == "cur") {
        return iconMissing(bytes);
    }
    if (format == "xbm" || format == "xpm") {
        return braceMissing(bytes);
    }
    if (format == "tif" || format == "tiff") {
        return tiffMissing(bytes);
    }
    if (format == "tga") {
        return tgaMissing(bytes);
    }
    if (format == "wbmp") {
        return wbmpMissing(bytes);
    }
    if (format == "webp") { // RIFF: the size after its first eight bytes
        return at.has(8, at.little32(4)) ? QString() : kEndMissing;
    }
    if (format == "icns") { // its whole length, at its start
        return at.has(0, at.big32(4)) ? QString() : kEndMissing;
    }
    if (format == "mng") {
        return bytes.contains("MEND") ? QString() : kEndMissing;
    }
    return {};
}
