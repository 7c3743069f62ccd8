// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/colorvalue.h"
#include "surface/columnplane.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class PictureSurface;

// Where each disc of a stroke is painted again: across the canvas's middle column and row, or
// turned about its centre pixel.
enum class Mirror { none, leftRight, topBottom, fourWays, kaleidoscope6, kaleidoscope8 };
inline constexpr Mirror kMirrors[] = {Mirror::none,          Mirror::leftRight,
                                      Mirror::topBottom,     Mirror::fourWays,
                                      Mirror::kaleidoscope6, Mirror::kaleidoscope8};

// The name a user sees: "None", "Left and right", ..., "Kaleidoscope 8".
QString mirrorName(Mirror mirror);
// The mode after `mirror` in the order above, round from the last to the first.
Mirror nextMirror(Mirror mirror);

// The centres a disc at `centre` is painted at on a canvas of `canvas` pixels: `centre` first,
// then its images, each once. The middle column is (width - 1) / 2 and the middle row
// (height - 1) / 2: a reflection takes x to 2 * middle - x. A kaleidoscope turns the offset from
// the middle pixel by every multiple of 60 or 45 degrees and rounds each coordinate to the
// nearest whole pixel, halves away from the middle.
std::vector<QPoint> mirrorCentres(QPoint centre, Mirror mirror, QSize canvas);

// The pixels of the straight line from `from` to `to`, from `from` on: one a step along the
// longer axis, the other coordinate rounded as the surface's Line rounds it.
std::vector<QPoint> lineSteps(QPoint from, QPoint to);

// Paints one piece of a stroke with discs of `radius` in `colour` (the discs Circle paints
// with a solid fill of the same colour), each at its mirror centres:
// a disc at `to` alone when there is no `from`, or else at every step of the line after `from`
// up to `to`, so that the stroke is unbroken. Every pixel painted remembers `column`, the strip
// column the colour was picked from. Returns the rectangle it painted in.
QRect paintStroke(PictureSurface &canvas, std::optional<QPoint> from, QPoint to, int radius,
                  ColorValue colour, Mirror mirror, StripColumn column = kNoColumn);

// The colour of one disc: its colour and the strip column it remembers.
struct DiscColour {
    ColorValue colour;
    StripColumn column;
};

// The strip column a walk along the strip from `start` has reached `travelled` pixels along a
// stroke's path: one column further every `step` pixels, turning back at either end of the
// strip's `columns` (..., 523, 524, 523, ...), so the colour never jumps.
StripColumn walkedColumn(StripColumn start, int step, qint64 travelled, int columns);

// The same piece of a stroke as paintStroke, each disc in the colour `colourAt` gives for its
// place: 0 for the disc at `to` alone, else 1 for the first step after `from` up to the number
// of steps to `to`.
QRect paintStroke(PictureSurface &canvas, std::optional<QPoint> from, QPoint to, int radius,
                  Mirror mirror, const std::function<DiscColour(int place)> &colourAt);

// How far the pointer travels from `from` to `to` along a stroke's path: one pixel a step of
// the line between them.
int pathSteps(QPoint from, QPoint to);
