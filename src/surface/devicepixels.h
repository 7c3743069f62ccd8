// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

#include <cmath>

// On a scaled screen, `scale` device pixels make one logical pixel, and an image pixel usually
// covers a fractional number of device pixels. One rule decides both what a device pixel shows
// and what a pointer on it points at: the image pixel under the device pixel's centre. With
// `devicePixel` counted from the window's corner and `origin` the window's logical pixel where
// the image begins, that is the image pixel returned here. At scale 1 it is devicePixel - origin.
inline int shownPixel(int devicePixel, double scale, int origin)
{
    return int(std::floor((devicePixel + 0.5) / scale)) - origin;
}

// The logical rectangle to repaint when `changed` has changed. On a fractional scale a device
// pixel straddles two logical pixels, and the window system's repaint of a logical rectangle may
// leave out one that shows a pixel inside it: one pixel more on every side takes it in.
inline QRect repaintRect(const QRect &changed)
{
    return changed.adjusted(-1, -1, 1, 1);
}
