// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/picturesurface.h"

#include <QFrame>

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

signals:
    // Button: the mouse buttons (1 left, 2 right, 4 middle); Shift: the modifier keys
    // (1 Shift, 2 Ctrl, 4 Alt); X, Y: the pointer in drawable-area pixels.
    void mouseDown(int Button, int Shift, float X, float Y);
    void mouseMove(int Button, int Shift, float X, float Y);
    // A button let go; Button is the button released.
    void mouseUp(int Button, int Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The drawable-area pixel under the pointer, which may lie outside the area.
    QPointF pointerPixel(const QMouseEvent *event) const;
    bool onDrawableArea(QPointF pixel) const;

    PictureSurface surface_;
};
