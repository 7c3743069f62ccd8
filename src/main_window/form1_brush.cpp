// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The brush: its discs on the canvas, the size keys and the modes of the Brush menu.

#include "main_window/form1.h"

#include "canvas_tools/brush.h"
#include "surface/picturebox.h"

#include <QAction>

// One disc of a stroke, at the pointer and its mirror images; with connected strokes, a disc at
// every pixel from the stroke's last disc on. The stroke's step begins with its first disc.
void Form1::paintBrush(float X, float Y)
{
    PictureSurface &canvas = Picture1->surface();
    if (!history_.recording()) {
        history_.begin({&canvas}, currentState(), QStringLiteral("Stroke"));
    }
    canvas.FillStyle = PictureSurface::kFillSolid;
    canvas.FillColor = color.value_or(0);
    const QPoint at{int(X), int(Y)};
    paintStroke(canvas, connectedStrokes ? strokeEnd_ : std::nullopt, at, mera, color.value_or(0),
                mirror, colorColumn);
    strokeEnd_ = at;
}

void Form1::growBrush()
{
    mera = qint16(largerBrushRadius(mera));
    ShowBrushSize();
}

void Form1::shrinkBrush()
{
    mera = qint16(smallerBrushRadius(mera));
    ShowBrushSize();
}

void Form1::setConnectedStrokes(bool on)
{
    connectedStrokes = on;
    commands_.connectedStrokes->setChecked(on);
    showStatus();
}

void Form1::setMirror(Mirror mode)
{
    mirror = mode;
    QAction *const items[] = {commands_.mirrorNone,          commands_.mirrorLeftRight,
                              commands_.mirrorTopBottom,     commands_.mirrorFourWays,
                              commands_.mirrorKaleidoscope6, commands_.mirrorKaleidoscope8};
    for (std::size_t i = 0; i < std::size(kMirrors); ++i) {
        items[i]->setChecked(kMirrors[i] == mode);
    }
    showStatus();
}

void Form1::stepMirror()
{
    setMirror(nextMirror(mirror));
}
