// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture decoded by one of the program's own readers, or the reason it was refused as a
// whole sentence for the user.
struct DecodedPicture {
    QImage picture; // null when refused
    QString error;
};

// The most scans a JPEG may have: a progressive picture needs about ten; a file that repeats
// one scan thousands of times would keep the program busy for no picture.
inline constexpr int kMostJpegScans = 100;

// Decodes a JPEG with libjpeg, refusing it at the first warning (data cut off, re-terminated or
// corrupt), at more than kMostJpegScans scans, and before any pixel is allocated when it has
// more than `mostPixels` pixels.
DecodedPicture readJpeg(const QByteArray &bytes, qint64 mostPixels);
