// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/devicepixels.h"
#include "surface/picturesurface.h"

#include <QFrame>

#include <functional>
#include <optional>
#include <vector>

// A picture box: a frame with a 2-pixel sunken border around a drawing surface. It shows the
// surface's persistent image, so nothing drawn is ever lost, and reports mouse events in
// drawable-area pixels.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    // The border on each side of the drawable area.
    static constexpr int kBorderWidth = 2;

    PictureBox(const QRect &outerGeometry, QWidget *parent);

    PictureSurface &surface() { return surface_; }
    const PictureSurface &surface() const { return surface_; }

    // What the box shows over its surface and never in it, in device pixels: pieces that follow
    // the pointer while it is over the drawable area (given the pixel under it), and pieces that
    // stay. Both are asked again by refreshOverlay, and whenever the box's place on the device
    // changes; the pointer's pieces with every move.
    using PointerOverlay = std::function<std::vector<OverlayPiece>(QPoint, const DeviceGrid &)>;
    using FixedOverlay = std::function<std::vector<OverlayPiece>(const DeviceGrid &)>;
    void setOverlay(PointerOverlay followsPointer, FixedOverlay stays);
    void refreshOverlay();
    // The drawable-area pixel under the pointer; nothing while the pointer is elsewhere.
    std::optional<QPoint> pointer() const { return pointer_; }
    // How the drawable area lies on the device now.
    DeviceGrid deviceGrid() const;

signals:
    // Button: the mouse buttons (1 left, 2 right, 4 middle); Shift: the modifier keys
    // (1 Shift, 2 Ctrl, 4 Alt); X, Y: the pointer in drawable-area pixels.
    void mouseDown(int Button, int Shift, float X, float Y);
    void mouseMove(int Button, int Shift, float X, float Y);
    // A button let go; Button is the button released.
    void mouseUp(int Button, int Shift, float X, float Y);
    // The pointer came onto another pixel of the drawable area, or left it.
    void pointerMoved(QPoint pixel);
    void pointerLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setPointer(std::optional<QPoint> pixel);
    // Asks the overlay's pieces again (the pointer's alone, or all) and repaints where they were
    // and where they are.
    void renewOverlay(bool all);
    void updateDevice(const QRect &device);
    void paintOverlay(QPainter &painter, const QRect &exposed) const;

    // The drawable-area pixel under the pointer, which may lie outside the area.
    QPointF pointerPixel(const QMouseEvent *event) const;
    bool onDrawableArea(QPointF pixel) const;

    PictureSurface surface_;
    PointerOverlay pointerOverlay_;
    FixedOverlay fixedOverlay_;
    std::optional<QPoint> pointer_;
    DeviceGrid overlayGrid_; // the grid the pieces were asked for
    std::vector<OverlayPiece> pointerPieces_;
    std::vector<OverlayPiece> fixedPieces_;
};
