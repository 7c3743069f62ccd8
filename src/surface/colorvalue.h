// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRgb>
#include <QtGlobal>

// A colour as the program passes it around: 0x00BBGGRR in a signed 32-bit integer, red in the
// low byte. Reading a point outside a drawable area gives -1.
using ColorValue = qint32;

// The colour value a point outside the drawable area reads as.
inline constexpr ColorValue kNoColor = -1;

// RGB: the colour value red + 256 * green + 65536 * blue, each channel 0..255.
constexpr ColorValue RGB(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

// The opaque pixel a surface image stores for a colour value.
constexpr QRgb toQRgb(ColorValue colour)
{
    const auto bits = static_cast<quint32>(colour);
    return qRgb(bits & 0xff, (bits >> 8) & 0xff, (bits >> 16) & 0xff);
}

// The colour value of an image pixel; its alpha byte is ignored.
constexpr ColorValue fromQRgb(QRgb pixel)
{
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

inline QColor toQColor(ColorValue colour)
{
    return QColor::fromRgb(toQRgb(colour));
}
