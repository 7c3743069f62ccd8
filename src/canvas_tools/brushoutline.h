// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "canvas_tools/stroke.h"
#include "surface/devicepixels.h"

#include <QRgb>

#include <vector>

// What the canvas shows over its pixels, in device pixels, so that it is one device pixel wide at
// every scale and never part of the picture: the outline of the disc a press would paint, and
// the axes of the mirror.

// The outline's two lines: light next to the disc, dark around that, so that one of them stands
// out on any colour.
inline constexpr QRgb kOutlineLight = 0xffffffff;
inline constexpr QRgb kOutlineDark = 0xff000000;
// A guide: every other device pixel of a line, in middle grey.
inline constexpr QRgb kGuideColour = 0xff808080;

// The outline of the disc of `radius` at `centre`: the light line is every device pixel outside
// the disc beside one inside it (above, below, left or right), the dark line every pixel beside
// the light line, outside both; only pixels that show the surface.
OverlayPiece brushOutline(const DeviceGrid &grid, QPoint centre, int radius);

// The guides of a mirror through the canvas's middle pixel ((width - 1) / 2, (height - 1) / 2):
// the axis across which it reflects, both axes for four ways, and the spokes of a kaleidoscope
// every 60 or 45 degrees from the horizontal; none for no mirror. Each line runs through the
// middle pixel's centre, over the whole canvas.
OverlayPiece mirrorGuides(const DeviceGrid &grid, Mirror mirror);
