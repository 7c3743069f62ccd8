// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the canvas shows over its pixels and never in them: the outline of the brush under the
// pointer, at each mirror copy, and the mirror's guides; and where the pointer is, in the
// status bar.

#include "main_window/form1.h"

#include "canvas_tools/brushoutline.h"
#include "main_window/statusline.h"
#include "surface/picturebox.h"

#include <QAction>

void Form1::showOverCanvas()
{
    Picture1->setOverlay(
        [this](QPoint pointer, const DeviceGrid &grid) {
            std::vector<OverlayPiece> outlines;
            if (showGuides) {
                for (const QPoint centre :
                     mirrorCentres(pointer, mirror, Picture1->surface().size())) {
                    outlines.push_back(brushOutline(grid, centre, mera));
                }
            }
            return outlines;
        },
        [this](const DeviceGrid &grid) {
            return showGuides ? std::vector{mirrorGuides(grid, mirror)}
                              : std::vector<OverlayPiece>{};
        });
    connect(Picture1, &PictureBox::pointerMoved, this, &Form1::showPointer);
    connect(Picture1, &PictureBox::pointerLeft, this, &Form1::showPointer);
}

void Form1::setShowGuides(bool on)
{
    showGuides = on;
    commands_.showGuides->setChecked(on);
    Picture1->refreshOverlay();
}

// The pointer's pixel and the colour under it, while it is over the canvas.
void Form1::showPointer()
{
    const std::optional<QPoint> at = Picture1->pointer();
    statusLine_->showPointer(at, at ? Picture1->surface().Point(float(at->x()), float(at->y()))
                                    : ColorValue(0));
}
