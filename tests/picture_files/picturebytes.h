// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Pictures made byte by byte for the readers' tests: whole, cut, re-terminated or forged.

// Numbers as the formats store them.
QByteArray little16(quint32 value);
QByteArray little24(quint32 value);
QByteArray little32(quint32 value);
QByteArray big16(quint32 value);

// The picture encoded by Qt's writer for that format.
QByteArray encoded(const QImage &image, const char *format, bool progressive = false);

// A picture whose every pixel differs from its neighbours, so that compressed data is long.
QImage noise(int width, int height, QImage::Format format = QImage::Format_RGB32);

// A BMP with a 40-byte header, a palette of `colours` greys and the data as given.
QByteArray bmp(qint32 width, qint32 height, quint16 bits, quint32 compression, int colours,
               const QByteArray &data);

// GIF codes packed as the format packs them, the lowest bit first, in sub-blocks of `block`.
QByteArray lzwBlocks(const QList<int> &codes, int bits, int block);
// The codes of a 4 x 4 GIF of four colours (index = (x + y) % 4), three bits each: a clear
// code before every two pixels keeps the table from growing.
QByteArray gifCodes();
// A GIF whose screen is `screen` pixels square and whose picture, 4 x 4 at `at`, has the codes
// given; its background colour is blue.
QByteArray gif(const QByteArray &blocks, int screen = 4, int at = 0);

// A little-endian TIFF of RGB pixels of `bits` bits (`sampleFormat` 3: floats), `rowsPerStrip`
// rows a strip, the strips listed as given (offsets into the pixel data).
QByteArray tiff(quint32 width, quint32 height, quint32 rowsPerStrip, const QByteArray &pixels,
                const QList<quint32> &strips, const QList<quint32> &stripBytes, quint32 bits = 8,
                quint32 sampleFormat = 1);
// 32-bit floats, little-endian.
QByteArray floats(const QList<float> &values);

// A TGA of true colour (type 2) or run-length true colour (10), 24 bits (or 32 with 8 of
// alpha), its rows from the top.
QByteArray tga(quint8 kind, quint16 width, quint16 height, const QByteArray &id,
               const QByteArray &pixels, bool footer, int bits = 24);
// A colour-mapped TGA of 2 x 2 (type 1, or 9 run-length), 8-bit indices into a map of 24-bit
// colours, its rows from the top.
QByteArray mappedTga(quint8 kind, const QByteArray &map, const QByteArray &indices);

// A RIFF chunk, padded to an even length.
QByteArray chunk(const char *type, const QByteArray &data);
// An animated WebP whose canvas is 64 x 64 and whose first frame is 2 x 2 of opaque red with its
// top left corner at `corner` (even numbers); its header says nothing of transparency.
QByteArray animatedWebp(QPoint corner = {0, 0});

// A JPEG cut at `share` of its length, its end marker put back.
QByteArray cutAndEnded(const QByteArray &jpeg, double share);
// A progressive JPEG whose first scan comes `times` times.
QByteArray repeatedScan(const QByteArray &jpeg, int times);
// A progressive grey JPEG of 8 x 8 pixels (a level of 100) in the first `count` of 128 scans
// that make a sound progression: DC in two steps, then each AC coefficient in a band of its
// own, first its high bits, then its last.
QByteArray jpegOfScans(int count);
// A baseline JPEG's headers with its size set to 8192 x 8192.
QByteArray largeHeaders(const QByteArray &jpeg, bool withScanHeader);
