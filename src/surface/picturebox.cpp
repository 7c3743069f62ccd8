#include "surface/picturebox.h"

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
    surface_.setChangeListener(
        [this](const QRect &changed) { update(changed.translated(contentsRect().topLeft())); });
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    // Image pixels map one to one onto the drawable area; on a scaled display the painter
    // enlarges them without smoothing, so every shown pixel keeps its exact colour.
    QPainter painter(this);
    surface_.paint(painter, contentsRect().topLeft());
}

QPointF PictureBox::pointerPixel(const QMouseEvent *event) const
{
    // The event's own position is rounded to whole logical pixels, but on a scaled display the
    // pointer on the right half of a pixel is still on that pixel. Its position in the window
    // is not rounded.
    const QPointF inside =
        event->scenePosition() - mapTo(window(), QPointF(contentsRect().topLeft()));
    return {std::floor(inside.x()), std::floor(inside.y())};
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
