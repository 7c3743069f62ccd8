// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture_files/pngchunk.h"

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

#include <optional>

// Pictures that come in from outside (a file, a drop, the clipboard) and go out in the usual
// formats.

// The most pixels a picture from outside may have: 64 million, 256 MiB at four bytes a pixel.
inline constexpr qint64 kLargestPicturePixels = qint64(64) << 20;
// The largest picture file read: 1 GiB, more than an uncompressed picture of that many pixels.
inline constexpr qint64 kLargestPictureFileBytes = qint64(1) << 30;

// A picture read from outside, or the reason it could not be read, in words for the user.
struct PictureRead {
    QImage picture; // null when it could not be read
    QString error;
    PngChunk recipe = {}; // a PNG's recipe chunk (kRecipeChunkType), as it is in the file
};

// Reads the picture file at `path` in any format the program reads, whatever its name's ending
// says (the program's own .jpg files hold bitmaps). Only a regular file on disk is read, and
// nothing waits on a named pipe or a device; a file too large, or whose start is no picture,
// is refused before the rest is read. Never reads more than kLargestPicturePixels pixels.
// (`mostPixels`: a lower limit, for the fuzz targets, which must stay quick.)
PictureRead readPicture(const QString &path, qint64 mostPixels = kLargestPicturePixels);
// The same for a path as the system spells it, in bytes that need not be UTF-8.
PictureRead readPictureFile(const QByteArray &nativePath,
                            qint64 mostPixels = kLargestPicturePixels);

// Reads an encoded picture (a file's bytes, or image data from the clipboard or a drop) in one
// of the formats the program reads: PNG, JPEG, GIF, BMP, WebP, TIFF, ICO and CUR, TGA, and
// PBM, PGM and PPM as bytes. A picture is decoded only when its data defines every pixel
// (each reader refuses a cut-off, re-terminated or forged file), and refused before any
// pixel is allocated when it declares more than kLargestPicturePixels pixels.
PictureRead readPictureBytes(const QByteArray &bytes, qint64 mostPixels = kLargestPicturePixels);

// Checks a picture that came decoded (from the clipboard or a drop).
PictureRead checkPicture(const QImage &picture, qint64 mostPixels = kLargestPicturePixels);

// The canvas of `canvas` pixels that a picture comes in as: a picture of exactly that size
// pixel for pixel; any other size scaled smoothly to fit, keeping its proportions, and
// centred. Whatever the picture leaves uncovered or transparent shows `background`.
QImage fitToCanvas(const QImage &picture, QSize canvas, QRgb background);

// The formats pictures are saved in by name.
enum class PictureFormat { Png, Bmp, Jpeg };

// The format a file name's ending names: .png, .bmp, .jpg or .jpeg in any case; nothing for any
// other ending.
std::optional<PictureFormat> formatOfName(const QString &path);

// The ending a file of that format gets: "png", "bmp" or "jpg".
QString pictureEnding(PictureFormat format);

// The file dialog's filters for saving, PNG first, in the order of PictureFormat.
QStringList saveFilters();
// The file dialog's filters for opening: the endings of every format the program reads, and
// all files.
QStringList openFilters();

// Where a Save As goes: a typed ending that names a format decides; else the chosen filter's
// format, whose ending is added to a name without one. A name with another ending, or in a
// folder that does not exist, is refused with the reason.
struct SaveTarget {
    QString path;
    PictureFormat format;
    QString error; // empty when the picture can be saved there
};
SaveTarget saveTarget(const QString &typedPath, PictureFormat chosen);

// Writes the picture to `path` in `format` (JPEG at quality 95) as writeFileAtomically does,
// a PNG with a recipe chunk holding `recipe` when that is not empty; returns the reason when it
// fails.
std::optional<QString> writePicture(const QImage &picture, const QString &path,
                                    PictureFormat format, const QByteArray &recipe = {});
