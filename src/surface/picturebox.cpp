// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/picturebox.h"

#include "surface/devicepixels.h"
#include "surface/mousearguments.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

PictureBox::PictureBox(const QRect &outerGeometry, QWidget *parent)
    : QFrame(parent), surface_(outerGeometry.size() - QSize(2 * kBorderWidth, 2 * kBorderWidth))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderWidth);
    setGeometry(outerGeometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.setChangeListener([this](const QRect &changed) {
        update(repaintRect(changed.translated(contentsRect().topLeft())) & contentsRect());
    });
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    // Image pixels map one to one onto the drawable area; on a scaled screen each device pixel
    // shows the image pixel under its centre, so every shown pixel keeps its exact colour.
    QPainter painter(this);
    surface_.paint(painter, contentsRect().topLeft(), event->rect());
}

QPointF PictureBox::pointerPixel(const QMouseEvent *event) const
{
    // The event's own position is rounded to whole logical pixels, but on a scaled screen a
    // pointer on the right half of a pixel is still on that pixel. The position in the window
    // is not rounded: it tells the device pixel under the pointer, and that shows one pixel.
    const double scale = devicePixelRatio();
    const QPoint origin = mapTo(window(), contentsRect().topLeft());
    auto onScreen = [&](double logical) { return int(std::floor(logical * scale + 1e-9)); };
    const QPointF at = event->scenePosition();
    return QPointF(shownPixel(onScreen(at.x()), scale, origin.x()),
                   shownPixel(onScreen(at.y()), scale, origin.y()));
}

bool PictureBox::onDrawableArea(QPointF pixel) const
{
    return pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() < surface_.size().width() &&
           pixel.y() < surface_.size().height();
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    // Like any window, the box reports presses on its drawable area, not on its border.
    const QPointF at = pointerPixel(event);
    if (onDrawableArea(at)) {
        emit mouseDown(buttonMask(event->button()), shiftMask(event->modifiers()), float(at.x()),
                       float(at.y()));
    }
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    // While a button is held the box has the mouse and follows it anywhere; otherwise it reports
    // moves over its drawable area only.
    const QPointF at = pointerPixel(event);
    if (event->buttons() != Qt::NoButton || onDrawableArea(at)) {
        emit mouseMove(buttonMask(event->buttons()), shiftMask(event->modifiers()), float(at.x()),
                       float(at.y()));
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = pointerPixel(event);
    emit mouseUp(buttonMask(event->button()), shiftMask(event->modifiers()), float(at.x()),
                 float(at.y()));
}
