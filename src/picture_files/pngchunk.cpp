// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/pngchunk.h"

#include <QtEndian>

#include <zlib.h>

namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype kSignatureBytes = 8;
// A chunk's length, type and CRC around its data.
constexpr qsizetype kLengthBytes = 4, kTypeBytes = 4, kCrcBytes = 4;

quint32 chunkCrc(const char *typeAndData, qsizetype bytes)
{
    return quint32(
        crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef *>(typeAndData), uInt(bytes)));
}

// Walks the chunks of `png` and calls `visit(start, type, length)` for each whole one until it
// returns true; returns the start of the chunk it stopped at, or -1. A chunk that runs past the
// end stops the walk with `cut` set to its start.
template <typename Visit> qsizetype walkChunks(const QByteArray &png, Visit &&visit, qsizetype &cut)
{
    cut = -1;
    if (!png.startsWith(QByteArray(kSignature, kSignatureBytes))) {
        return -1;
    }
    const qsizetype end = png.size();
    for (qsizetype at = kSignatureBytes; end - at >= kLengthBytes + kTypeBytes;) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        const QByteArray type = png.mid(at + kLengthBytes, kTypeBytes);
        if (qint64(length) > end - at - kLengthBytes - kTypeBytes - kCrcBytes) {
            cut = at;
            return visit(at, type, qint64(-1)) ? at : -1;
        }
        if (visit(at, type, qint64(length))) {
            return at;
        }
        at += kLengthBytes + kTypeBytes + qsizetype(length) + kCrcBytes;
    }
    return -1;
}

} // namespace

QByteArray withPngChunk(const QByteArray &png, const char (&type)[5], const QByteArray &data)
{
    qsizetype cut = -1;
    const qsizetype iend = walkChunks(
        png, [](qsizetype, const QByteArray &name, qint64) { return name == "IEND"; }, cut);
    if (iend < 0) {
        return png;
    }
    QByteArray chunk(kLengthBytes, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    chunk.append(type, kTypeBytes);
    chunk.append(data);
    char crc[kCrcBytes];
    qToBigEndian<quint32>(chunkCrc(chunk.constData() + kLengthBytes, kTypeBytes + data.size()),
                          crc);
    chunk.append(crc, kCrcBytes);
    return png.left(iend) + chunk + png.mid(iend);
}

PngChunk findPngChunk(const QByteArray &png, const char (&type)[5])
{
    qint64 found = -2;
    qsizetype cut = -1;
    const qsizetype at = walkChunks(
        png,
        [&](qsizetype, const QByteArray &name, qint64 length) {
            found = length;
            return name == QByteArray(type, kTypeBytes);
        },
        cut);
    if (at < 0) {
        return {};
    }
    if (at == cut) {
        return {std::nullopt, true};
    }
    const qsizetype dataAt = at + kLengthBytes + kTypeBytes;
    const quint32 stored = qFromBigEndian<quint32>(png.constData() + dataAt + found);
    if (stored != chunkCrc(png.constData() + at + kLengthBytes, kTypeBytes + found)) {
        return {std::nullopt, true};
    }
    return {png.mid(dataAt, found), false};
}

QByteArray deflated(const QByteArray &bytes)
{
    uLongf size = compressBound(uLong(bytes.size()));
    QByteArray stream(qsizetype(size), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef *>(stream.data()), &size,
              reinterpret_cast<const Bytef *>(bytes.constData()), uLong(bytes.size()),
              Z_BEST_SPEED);
    stream.truncate(qsizetype(size));
    return stream;
}

std::optional<QByteArray> inflated(const QByteArray &stream, qsizetype limit)
{
    // One byte more than the limit tells a stream that is too long.
    QByteArray bytes(limit + 1, Qt::Uninitialized);
    z_stream z{};
    if (inflateInit(&z) != Z_OK) {
        return std::nullopt;
    }
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stream.constData()));
    z.avail_in = uInt(stream.size());
    z.next_out = reinterpret_cast<Bytef *>(bytes.data());
    z.avail_out = uInt(limit + 1);
    const int result = inflate(&z, Z_FINISH);
    const bool whole = result == Z_STREAM_END && z.avail_out > 0 && z.avail_in == 0;
    inflateEnd(&z);
    if (!whole) {
        return std::nullopt;
    }
    bytes.truncate(limit + 1 - qsizetype(z.avail_out));
    return bytes;
}
