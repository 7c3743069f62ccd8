// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/tgareader.h"

#include "picture_files/picturemessages.h"

#include <QList>

#include <algorithm>
#include <optional>

namespace {

constexpr qint64 kHeaderBytes = 18;
constexpr qint64 kFooterBytes = 26;

bool hasFooter(const QByteArray &bytes)
{
    return bytes.size() >= kHeaderBytes + kFooterBytes &&
           bytes.endsWith(QByteArray("TRUEVISION-XFILE.\0", 18));
}

quint32 byteAt(const QByteArray &bytes, qint64 at)
{
    return at >= 0 && at < bytes.size() ? quint8(bytes[at]) : 0;
}

quint32 little16(const QByteArray &bytes, qint64 at)
{
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
}

quint32 little32(const QByteArray &bytes, qint64 at)
{
    return little16(bytes, at) | little16(bytes, at + 2) << 16;
}

// The header's fields.
struct Header {
    qint64 idBytes, mapFirst, mapLength, mapBits;
    quint32 kind; // 1 colour-mapped, 2 true-colour, 3 grey; 8 more when run-length
    qint64 width, height, bits;
    bool topDown, rightToLeft;
    int alphaBits;
};

Header headerOf(const QByteArray &bytes)
{
    const quint32 descriptor = byteAt(bytes, 17);
    return {byteAt(bytes, 0),         little16(bytes, 3),    little16(bytes, 5),
            byteAt(bytes, 7),         byteAt(bytes, 2),      little16(bytes, 12),
            little16(bytes, 14),      byteAt(bytes, 16),     (descriptor & 0x20) != 0,
            (descriptor & 0x10) != 0, int(descriptor & 0x0f)};
}

bool isKnown(const Header &header, bool hasMap)
{
    const quint32 kind = header.kind & ~8u;
    const bool mapped = kind == 1;
    if (header.kind & ~11u || kind < 1 || header.width == 0 || header.height == 0 ||
        (mapped && !hasMap)) {
        return false;
    }
    if (mapped) {
        return header.bits == 8 && header.mapLength > 0 &&
               (header.mapBits == 15 || header.mapBits == 16 || header.mapBits == 24 ||
                header.mapBits == 32);
    }
    if (kind == 3) {
        return header.bits == 8;
    }
    return header.bits == 15 || header.bits == 16 || header.bits == 24 || header.bits == 32;
}

// One pixel of `bits` bits at `at`, as a colour.
QRgb colourAt(const QByteArray &bytes, qint64 at, qint64 bits, bool grey, bool alpha)
{
    if (grey) {
        const int level = int(byteAt(bytes, at));
        return qRgb(level, level, level);
    }
    if (bits <= 16) { // five bits of red, green and blue, the top bit alpha
        const quint32 word = little16(bytes, at);
        auto wide = [](quint32 five) { return int(five << 3 | five >> 2); };
        return qRgba(wide(word >> 10 & 31), wide(word >> 5 & 31), wide(word & 31),
                     alpha && !(word & 0x8000) ? 0 : 255);
    }
    const int blue = int(byteAt(bytes, at)), green = int(byteAt(bytes, at + 1));
    const int red = int(byteAt(bytes, at + 2));
    return qRgba(red, green, blue, bits == 32 && alpha ? int(byteAt(bytes, at + 3)) : 255);
}

} // namespace

bool looksLikeTga(const QByteArray &bytes)
{
    if (bytes.size() < kHeaderBytes) {
        return false;
    }
    const quint32 mapType = byteAt(bytes, 1);
    return mapType <= 1 && (hasFooter(bytes) || isKnown(headerOf(bytes), mapType == 1));
}

DecodedPicture readTga(const QByteArray &bytes, qint64 mostPixels)
{
    const Header header = headerOf(bytes);
    if (!isKnown(header, byteAt(bytes, 1) == 1)) {
        return {{}, damagedMessage()};
    }
    if (header.width * header.height > mostPixels) {
        return {{}, tooManyPixels(header.width, header.height, mostPixels)};
    }
    // The pixel data ends where a TGA 2.0 file's other parts begin.
    qint64 end = bytes.size();
    if (hasFooter(bytes)) {
        end -= kFooterBytes;
        for (const qint64 part : {qint64(little32(bytes, end)), qint64(little32(bytes, end + 4))}) {
            if (part != 0) {
                end = std::min(end, part);
            }
        }
    }
    // The ID field, read once, then the colour map (skipped by a picture that does not use it).
    const qint64 mapBytes = byteAt(bytes, 1) == 1 ? (header.mapBits + 7) / 8 : 0;
    qint64 place = kHeaderBytes + header.idBytes;
    if (place + header.mapLength * mapBytes > end) {
        return {{}, incompleteBecause(dataMissing())};
    }
    QList<QRgb> map;
    const bool alpha = header.alphaBits > 0;
    const bool mapped = (header.kind & 7) == 1, grey = (header.kind & 7) == 3;
    for (qint64 i = 0; mapped && i < header.mapLength; ++i) {
        map.append(colourAt(bytes, place + i * mapBytes, header.mapBits, false, alpha));
    }
    place += header.mapLength * mapBytes;
    const qint64 pixelBytes = (header.bits + 7) / 8;
    auto pixelAt = [&](qint64 at) -> std::optional<QRgb> {
        if (!mapped) {
            return colourAt(bytes, at, header.bits, grey, alpha);
        }
        const qint64 index = qint64(byteAt(bytes, at)) - header.mapFirst;
        return index >= 0 && index < map.size() ? std::optional(map[index]) : std::nullopt;
    };
    QImage picture(int(header.width), int(header.height),
                   alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (picture.isNull()) {
        return {{}, damagedMessage()};
    }
    const qint64 pixels = header.width * header.height;
    const bool runs = header.kind & 8;
    for (qint64 done = 0; done < pixels;) {
        qint64 count = 1;
        bool repeated = false;
        if (runs) {
            if (place >= end) {
                return {{}, incompleteBecause(dataMissing())};
            }
            const quint32 packet = byteAt(bytes, place++);
            count = std::min<qint64>((packet & 0x7f) + 1, pixels - done);
            repeated = packet & 0x80;
        }
        const qint64 needed = repeated ? pixelBytes : count * pixelBytes;
        if (place + needed > end) {
            return {{}, incompleteBecause(dataMissing())};
        }
        for (qint64 i = 0; i < count; ++i, ++done) {
            const auto colour = pixelAt(repeated ? place : place + i * pixelBytes);
            if (!colour) {
                return {{}, damagedMessage()};
            }
            const qint64 row = done / header.width, column = done % header.width;
            const int y = int(header.topDown ? row : header.height - 1 - row);
            const int x = int(header.rightToLeft ? header.width - 1 - column : column);
            reinterpret_cast<QRgb *>(picture.scanLine(y))[x] = *colour;
        }
        place += needed;
    }
    return {picture, {}};
}
