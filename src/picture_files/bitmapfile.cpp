// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/bitmapfile.h"

#include <QDir>
#include <QStandardPaths>
#include <QtEndian>

#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40; // BITMAPINFOHEADER
constexpr int kBitsPerPixel = 24;
constexpr int kPixelsPerMetre = 3780; // 96 dots per inch

void putLittleEndian16(char *at, quint16 value)
{
    qToLittleEndian(value, at);
}

void putLittleEndian32(char *at, quint32 value)
{
    qToLittleEndian(value, at);
}

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the bitmap rows are packed in little-endian order");

#if defined(__x86_64__) && defined(__GNUC__)
// Packs groups of four pixels with one byte shuffle each, on processors that have it. Stops
// while at least four pixels remain, so its 16-byte stores never reach past the row; returns
// how many pixels it packed.
__attribute__((target("ssse3"))) int packPixelsByShuffle(const QRgb *pixels, int width, char *out)
{
    const __m128i blueGreenRed =
        _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    int x = 0;
    for (; x + 8 <= width; x += 4, out += 12) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pixels + x));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_shuffle_epi8(four, blueGreenRed));
    }
    return x;
}

int packPixelsFast(const QRgb *pixels, int width, char *out)
{
    static const bool hasShuffle = __builtin_cpu_supports("ssse3");
    return hasShuffle ? packPixelsByShuffle(pixels, width, out) : 0;
}
#else
int packPixelsFast(const QRgb *, int, char *)
{
    return 0;
}
#endif

// One row of pixels as blue, green, red bytes, padded with zeros to rowBytes. What the fast
// path leaves, four pixels (0xAARRGGBB each) at a time become three little-endian words.
void packRow(const QRgb *pixels, int width, char *out, int rowBytes)
{
    int x = packPixelsFast(pixels, width, out);
    out += 3 * x;
    for (; x + 4 <= width; x += 4, out += 12) {
        const quint32 p0 = pixels[x], p1 = pixels[x + 1], p2 = pixels[x + 2], p3 = pixels[x + 3];
        const quint32 words[3] = {(p0 & 0xffffff) | (p1 << 24), ((p1 >> 8) & 0xffff) | (p2 << 16),
                                  ((p2 >> 16) & 0xff) | (p3 << 8)};
        std::memcpy(out, words, sizeof words); // a little-endian processor's byte order
    }
    for (; x < width; ++x, out += 3) {
        out[0] = char(qBlue(pixels[x]));
        out[1] = char(qGreen(pixels[x]));
        out[2] = char(qRed(pixels[x]));
    }
    std::memset(out, 0, std::size_t(rowBytes - width * 3));
}

} // namespace

void encodeBitmap(const QImage &image, QByteArray &file)
{
    const QImage source =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    const int width = source.width();
    const int height = source.height();
    const int rowBytes = (width * 3 + 3) & ~3;
    const int pixelOffset = kFileHeaderSize + kInfoHeaderSize;
    const qsizetype fileSize = pixelOffset + qsizetype(rowBytes) * height;

    file.resize(fileSize); // keeps the memory a previous file of this size had
    char *header = file.data();
    std::memset(header, 0, std::size_t(pixelOffset));
    header[0] = 'B';
    header[1] = 'M';
    putLittleEndian32(header + 2, quint32(fileSize));
    putLittleEndian32(header + 10, quint32(pixelOffset));
    char *info = header + kFileHeaderSize;
    putLittleEndian32(info + 0, kInfoHeaderSize);
    putLittleEndian32(info + 4, quint32(width));
    putLittleEndian32(info + 8, quint32(height)); // positive: bottom row first
    putLittleEndian16(info + 12, 1);              // planes
    putLittleEndian16(info + 14, kBitsPerPixel);
    putLittleEndian32(info + 16, 0); // BI_RGB, uncompressed
    putLittleEndian32(info + 20, quint32(rowBytes) * quint32(height));
    putLittleEndian32(info + 24, kPixelsPerMetre);
    putLittleEndian32(info + 28, kPixelsPerMetre);
    // Colours used and important colours stay 0: no colour table.

    char *out = file.data() + pixelOffset;
    for (int y = height - 1; y >= 0; --y, out += rowBytes) {
        packRow(reinterpret_cast<const QRgb *>(source.constScanLine(y)), width, out, rowBytes);
    }
}

QByteArray encodeBitmap(const QImage &image)
{
    QByteArray file;
    encodeBitmap(image, file);
    return file;
}

QString defaultSaveFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("D:/");
#else
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
#endif
}

QString picturePath(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(name + QLatin1String(kPictureExtension));
}
