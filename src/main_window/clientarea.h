// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class PictureSurface;

// The window's client area: it holds the controls at their fixed places and shows the window's
// own drawing surface, its background colour filling whatever lies beyond the surface. It is
// never smaller than the layout; a smaller window scrolls it.
class ClientArea : public QWidget {
    Q_OBJECT

public:
    ClientArea(const PictureSurface &surface, QSize layoutSize);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const PictureSurface &surface_;
};
