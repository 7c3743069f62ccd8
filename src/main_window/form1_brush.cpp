// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The brush: its discs on the canvas, the size keys and the modes of the Brush menu.

#include "main_window/form1.h"

#include "canvas_tools/brush.h"
#include "surface/picturebox.h"

#include "main_window/statusline.h"

#include <QAction>
#include <QInputDialog>

// One disc of a stroke, at the pointer and its mirror images; with connected strokes, a disc at
// every pixel from the stroke's last disc on. The stroke's step begins with its first disc.
// With colour along the stroke, each disc takes the strip's colour of the column the walk has
// reached at its place on the path.
void Form1::paintBrush(float X, float Y)
{
    PictureSurface &canvas = Picture1->surface();
    if (!history_.recording()) {
        history_.begin({&canvas}, currentState(), tr("Stroke"));
        strokeTravelled_ = 0;
    }
    canvas.FillStyle = PictureSurface::kFillSolid;
    canvas.FillColor = color.value_or(0);
    const QPoint at{int(X), int(Y)};
    const std::optional<QPoint> from = connectedStrokes ? strokeEnd_ : std::nullopt;
    const qint64 before = strokeTravelled_;
    const int travel = strokeEnd_ ? pathSteps(*strokeEnd_, at) : 0;
    if (colourAlongStroke && colorColumn != kNoColumn) {
        const auto *strip =
            reinterpret_cast<const QRgb *>(Picture2->surface().Image().constScanLine(0));
        const int columns = Picture2->surface().size().width();
        paintStroke(canvas, from, at, mera, mirror, [&](int place) {
            const StripColumn column =
                walkedColumn(colorColumn, colourStep, before + (from ? place : travel), columns);
            return DiscColour{fromQRgb(strip[column]), column};
        });
    } else {
        paintStroke(canvas, from, at, mera, color.value_or(0), mirror, colorColumn);
    }
    strokeTravelled_ = before + travel;
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

void Form1::setColourAlongStroke(bool on)
{
    colourAlongStroke = on;
    commands_.colourAlongStroke->setChecked(on);
    showStatus();
}

void Form1::askForColourStep()
{
    bool ok = false;
    const int step = QInputDialog::getInt(
        this, tr("Colour step"), tr("Pixels of the stroke's path for each strip column (1 to 50):"),
        colourStep, 1, 50, 1, &ok);
    if (ok) {
        colourStep = step;
        statusLine_->remark(tr("Colour along the stroke: one strip column every %1 of the path.")
                                .arg(step == 1 ? tr("pixel") : tr("%1 pixels").arg(step)));
    }
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
    Picture1->refreshOverlay();
}

void Form1::stepMirror()
{
    setMirror(nextMirror(mirror));
}
