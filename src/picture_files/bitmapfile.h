// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The extension saved pictures carry. The content is a bitmap all the same: users and their
// folders already hold pictures named this way.
inline constexpr char kPictureExtension[] = ".jpg";

// A Windows bitmap file of the image: the "BM" file header, a BITMAPINFOHEADER and uncompressed
// 24-bit rows, bottom row first, each padded to a multiple of 4 bytes. The first form writes it
// into `file`, reusing the memory `file` already has.
void encodeBitmap(const QImage &image, QByteArray &file);
QByteArray encodeBitmap(const QImage &image);

// The folder pictures are saved in: the root of drive D: on Windows; elsewhere, where there
// are no drive letters, the user's Pictures folder.
QString defaultSaveFolder();

// The full path of the picture `name` in `folder`.
QString picturePath(const QString &folder, const QString &name);
