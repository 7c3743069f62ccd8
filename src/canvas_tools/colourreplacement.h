// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

#include "surface/columnplane.h"

// Turns every pixel of exactly the colour `from` into `to`, over the whole image and in one
// pass; a pixel that has just been recoloured is never looked at again. Returns the rows that
// changed, across the full width (an empty rectangle when nothing did).
QRect replaceColour(QImage &image, QRgb from, QRgb to);

// The same, with the plane of strip columns beside the image: every pixel of the colour `from`
// takes `to` and remembers `toColumn`, the column the painting colour came from (kNoColumn for
// none), even where `from` and `to` are the same colour. Returns the rows in which any pixel
// matched, across the full width.
QRect replaceColour(QImage &image, QImage &columns, QRgb from, QRgb to, StripColumn toColumn);
