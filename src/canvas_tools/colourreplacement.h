// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

// Turns every pixel of exactly the colour `from` into `to`, over the whole image and in one
// pass; a pixel that has just been recoloured is never looked at again. Returns the rows that
// changed, across the full width (an empty rectangle when nothing did).
QRect replaceColour(QImage &image, QRgb from, QRgb to);
