// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// Writes pictures as bitmap files. The encoded file is kept in memory the writer owns, so a
// save after the first needs no fresh memory.
class BitmapWriter {
public:
    // SavePicture: writes the picture as a bitmap to `path`, replacing any file of that name and
    // creating its folder when missing. The file is written under a temporary name and renamed
    // when complete, so a failure never leaves a partial file behind. Returns the reason, in
    // words for the user, when it fails.
    std::optional<QString> SavePicture(const QImage &picture, const QString &path);

private:
    QByteArray encoded_;
};
