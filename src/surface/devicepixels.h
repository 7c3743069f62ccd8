// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QRgb>
#include <QSize>

#include <cmath>
#include <vector>

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

// How a surface's pixels lie on the device: `scale` device pixels a logical pixel, the
// surface's top-left corner at the window's logical pixel `origin`, `size` pixels of it.
// Device pixels are counted from the window's corner, as shownPixel counts them.
struct DeviceGrid {
    double scale = 1;
    QPoint origin;
    QSize size;

    bool operator==(const DeviceGrid &other) const = default;
    // The surface's pixel a device pixel shows; it may lie outside the surface.
    QPoint shown(QPoint device) const
    {
        return {shownPixel(device.x(), scale, origin.x()),
                shownPixel(device.y(), scale, origin.y())};
    }
    bool showsSurface(QPoint device) const
    {
        const QPoint pixel = shown(device);
        return pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() < size.width() &&
               pixel.y() < size.height();
    }
    // The first device pixel, along one axis, that shows the surface's pixel `pixel` or one
    // after it.
    int firstDevice(int pixel, int originAlong) const
    {
        return int(std::ceil((pixel + originAlong) * scale - 0.5));
    }
    // The device pixels that show the surface.
    QRect deviceRect() const
    {
        return QRect(QPoint(firstDevice(0, origin.x()), firstDevice(0, origin.y())),
                     QPoint(firstDevice(size.width(), origin.x()) - 1,
                            firstDevice(size.height(), origin.y()) - 1));
    }
};

// A device pixel shown over a surface, never in it: a brush's outline, a guide.
struct OverlayPixel {
    QPoint device;
    QRgb colour;
    bool operator==(const OverlayPixel &other) const = default;
};

// Overlay pixels that come and go together, and the device rectangle that holds them.
struct OverlayPiece {
    QRect bounds;
    std::vector<OverlayPixel> pixels;
};
