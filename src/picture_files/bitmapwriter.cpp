// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/bitmapwriter.h"

#include "picture_files/atomicfile.h"
#include "picture_files/bitmapfile.h"

std::optional<QString> BitmapWriter::SavePicture(const QImage &picture, const QString &path)
{
    encodeBitmap(picture, encoded_);
    return writeFileAtomically(path, encoded_);
}
