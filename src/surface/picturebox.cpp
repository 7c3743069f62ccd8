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
    const QRect target = event->rect() & contentsRect();
    surface_.paint(painter, target.topLeft(), target.translated(-contentsRect().topLeft()));
}

QPointF PictureBox::drawablePosition(const QMouseEvent *event) const
{
    const QPointF inside = event->position() - QPointF(contentsRect().topLeft());
    return {std::floor(inside.x()), std::floor(inside.y())};
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    // Like any window, the box reports presses on its drawable area, not on its border.
    if (!contentsRect().contains(event->position().toPoint())) {
        return;
    }
    const QPointF at = drawablePosition(event);
    emit mouseDown(buttonMask(event->button()), shiftMask(event->modifiers()), float(at.x()),
                   float(at.y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    // While a button is held the box has the mouse and follows it anywhere; otherwise it reports
    // moves over its drawable area only.
    if (event->buttons() == Qt::NoButton && !contentsRect().contains(event->position().toPoint())) {
        return;
    }
    const QPointF at = drawablePosition(event);
    emit mouseMove(buttonMask(event->buttons()), shiftMask(event->modifiers()), float(at.x()),
                   float(at.y()));
}
