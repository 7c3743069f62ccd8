// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// The words the picture readers refuse a picture in.

// Ends of "The picture is incomplete: …".
inline QString endMissing()
{
    return QCoreApplication::translate("PictureFiles", "its end is missing");
}
inline QString dataMissing()
{
    return QCoreApplication::translate("PictureFiles",
                                       "its pixel data ends before the picture does");
}

inline QString damagedMessage()
{
    return QCoreApplication::translate("PictureFiles",
                                       "The picture is damaged and cannot be read.");
}

inline QString incompleteBecause(const QString &missing)
{
    return QCoreApplication::translate("PictureFiles", "The picture is incomplete: %1.")
        .arg(missing);
}

// "The picture is W × H pixels; pictures of up to N million pixels can be opened."
QString tooManyPixels(qint64 width, qint64 height, qint64 mostPixels);
