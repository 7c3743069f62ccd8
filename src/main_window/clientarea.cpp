#include "main_window/clientarea.h"

#include "surface/picturesurface.h"

#include <QPaintEvent>
#include <QPainter>

ClientArea::ClientArea(const PictureSurface &surface, QSize layoutSize) : surface_(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(layoutSize);
}

void ClientArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(surface_.BackColor()));
    surface_.paint(painter, QPoint(0, 0), event->rect());
}
