// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// The formats Qt's own readers decode for the program: each is checked here first, since those
// readers fill in what a cut-off or forged file lacks, some with memory that was never written.
// A picture must prove that its data defines every pixel before it is decoded.

// Qt's name of the format of the encoded picture `bytes`, told by its content alone: "png",
// "gif", "bmp", "tiff", "ico", "cur", "pbm", "pgm" or "ppm" for those Qt reads for the program,
// "jpeg", "webp" or "tga" for those it reads itself; empty for anything else.
QByteArray contentFormat(const QByteArray &bytes);

// Why the picture `bytes`, in Qt's format `format`, is refused before decoding, as a whole
// sentence: data missing, pixels its data leaves undefined, a nested picture too large, a kind
// of data the reader cannot be trusted with. Empty when it may be decoded.
QString pictureFault(const QByteArray &bytes, const QByteArray &format, qint64 mostPixels);
