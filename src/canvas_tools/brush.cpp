// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/brush.h"

#include "surface/picturesurface.h"

#include <algorithm>

namespace {

// The indicator box, in window pixels: columns 800..830, each a line from y 417 to y 432.
constexpr int kBoxLeft = 800;
constexpr int kBoxRight = 830;
constexpr int kBoxTop = 417;
constexpr int kBoxBottom = 432;
constexpr ColorValue kBoxColor = RGB(200, 200, 200);
// Where the number is printed.
constexpr float kTextX = 805;
constexpr float kTextY = 418;

} // namespace

int nextBrushRadius(int radius)
{
    ++radius;
    return radius > kLargestBrushRadius ? kSmallestBrushRadius : radius;
}

int largerBrushRadius(int radius)
{
    return std::min(radius + 1, kLargestBrushRadius);
}

int smallerBrushRadius(int radius)
{
    return std::max(radius - 1, kSmallestBrushRadius);
}

void drawBrushSizeIndicator(PictureSurface &window, int radius)
{
    const PictureSurface::ChangeBatch oneRepaint(window);
    for (int x = kBoxLeft; x <= kBoxRight; ++x) {
        window.Line(float(x), kBoxTop, float(x), kBoxBottom, kBoxColor);
    }
    window.CurrentX = kTextX;
    window.CurrentY = kTextY;
    window.Print(radius);
}
