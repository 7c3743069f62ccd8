// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The words the picture readers refuse a picture in.

// Ends of "The picture is incomplete: …".
inline const QString kEndMissing = QStringLiteral("its end is missing");
inline const QString kDataMissing = QStringLiteral("its pixel data ends before the picture does");

inline const QString kDamaged = QStringLiteral("The picture is damaged and cannot be read.");

inline QString incompleteBecause(const QString &missing)
{
    return QStringLiteral("The picture is incomplete: %1.").arg(missing);
}

// "The picture is W × H pixels; pictures of up to N million pixels can be opened."
QString tooManyPixels(qint64 width, qint64 height, qint64 mostPixels);
