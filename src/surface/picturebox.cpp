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
    if (overlayGrid_ != deviceGrid()) { // moved, or onto another screen: shown afresh
        renewOverlay(true);
    }
    paintOverlay(painter, event->rect() & contentsRect());
}

void PictureBox::setOverlay(PointerOverlay followsPointer, FixedOverlay stays)
{
    pointerOverlay_ = std::move(followsPointer);
    fixedOverlay_ = std::move(stays);
    refreshOverlay();
}

void PictureBox::refreshOverlay()
{
    renewOverlay(true);
}

DeviceGrid PictureBox::deviceGrid() const
{
    return {devicePixelRatio(), mapTo(window(), contentsRect().topLeft()), surface_.size()};
}

void PictureBox::setPointer(std::optional<QPoint> pixel)
{
    if (pixel == pointer_) {
        return;
    }
    pointer_ = pixel;
    renewOverlay(false);
    if (pixel) {
        emit pointerMoved(*pixel);
    } else {
        emit pointerLeft();
    }
}

void PictureBox::renewOverlay(bool all)
{
    overlayGrid_ = deviceGrid();
    for (const OverlayPiece &piece : pointerPieces_) {
        updateDevice(piece.bounds);
    }
    pointerPieces_.clear();
    if (pointer_ && pointerOverlay_) {
        pointerPieces_ = pointerOverlay_(*pointer_, overlayGrid_);
    }
    for (const OverlayPiece &piece : pointerPieces_) {
        updateDevice(piece.bounds);
    }
    if (all) {
        for (const OverlayPiece &piece : fixedPieces_) {
            updateDevice(piece.bounds);
        }
        fixedPieces_ = fixedOverlay_ ? fixedOverlay_(overlayGrid_) : std::vector<OverlayPiece>{};
        for (const OverlayPiece &piece : fixedPieces_) {
            updateDevice(piece.bounds);
        }
    }
}

// Repaints the logical pixels that hold the device pixels of `device`.
void PictureBox::updateDevice(const QRect &device)
{
    if (device.isEmpty()) {
        return;
    }
    const double scale = devicePixelRatio();
    const QPoint corner = mapTo(window(), QPoint(0, 0));
    const QRect logical(
        QPoint(int(std::floor(device.left() / scale)), int(std::floor(device.top() / scale))),
        QPoint(int(std::ceil((device.right() + 1) / scale)) - 1,
               int(std::ceil((device.bottom() + 1) / scale)) - 1));
    update(repaintRect(logical.translated(-corner)));
}

// The pieces' pixels whose centres lie in `exposed`, over what is painted there.
void PictureBox::paintOverlay(QPainter &painter, const QRect &exposed) const
{
    if (exposed.isEmpty()) {
        return;
    }
    const double scale = overlayGrid_.scale;
    const QPoint corner = mapTo(window(), QPoint(0, 0));
    auto firstCentreAt = [&](double logical) { return int(std::ceil(logical * scale - 0.5)); };
    const QRect device(QPoint(firstCentreAt(exposed.left() + corner.x()),
                              firstCentreAt(exposed.top() + corner.y())),
                       QPoint(firstCentreAt(exposed.right() + 1 + corner.x()) - 1,
                              firstCentreAt(exposed.bottom() + 1 + corner.y()) - 1));
    for (const auto *pieces : {&fixedPieces_, &pointerPieces_}) {
        for (const OverlayPiece &piece : *pieces) {
            const QRect area = piece.bounds & device;
            if (area.isEmpty()) {
                continue;
            }
            QImage shown(area.size(), QImage::Format_ARGB32_Premultiplied);
            shown.fill(Qt::transparent);
            for (const OverlayPixel &pixel : piece.pixels) {
                if (area.contains(pixel.device)) {
                    shown.setPixel(pixel.device - area.topLeft(), pixel.colour);
                }
            }
            shown.setDevicePixelRatio(scale);
            painter.drawImage(QPointF(area.topLeft()) / scale - QPointF(corner), shown);
        }
    }
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
    setPointer(onDrawableArea(at) ? std::optional(at.toPoint()) : std::nullopt);
    if (event->buttons() != Qt::NoButton || onDrawableArea(at)) {
        emit mouseMove(buttonMask(event->buttons()), shiftMask(event->modifiers()), float(at.x()),
                       float(at.y()));
    }
}

void PictureBox::leaveEvent(QEvent *event)
{
    setPointer(std::nullopt);
    QFrame::leaveEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = pointerPixel(event);
    emit mouseUp(buttonMask(event->button()), shiftMask(event->modifiers()), float(at.x()),
                 float(at.y()));
}
