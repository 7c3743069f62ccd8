// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
    // The background colour beyond the surface, the surface's own pixels on it.
    const QRegion beyond = QRegion(event->rect()) - QRect(QPoint(0, 0), surface_.size());
    for (const QRect &part : beyond) {
        painter.fillRect(part, toQColor(surface_.BackColor()));
    }
    surface_.paint(painter, QPoint(0, 0), event->rect());
}
