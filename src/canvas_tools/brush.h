// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class PictureSurface;

// The brush radii "brush selection" steps through: 2, 3, ..., 10, then 2 again.
inline constexpr int kSmallestBrushRadius = 2;
inline constexpr int kLargestBrushRadius = 10;

// The radius after one click on "brush selection".
int nextBrushRadius(int radius);

// Draws the brush-size indicator on the window: a grey box over the earlier number, then the
// radius printed on it.
void drawBrushSizeIndicator(PictureSurface &window, int radius);

// The radius one step larger or smaller, held within 2 to 10 (no wrapping round).
int largerBrushRadius(int radius);
int smallerBrushRadius(int radius);
