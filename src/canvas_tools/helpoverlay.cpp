// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/helpoverlay.h"

#include "surface/picturesurface.h"

#include <QCoreApplication>

namespace {
constexpr ColorValue kPanelColor = RGB(200, 200, 200);
} // namespace

void drawHelpOverlay(PictureSurface &canvas)
{
    const PictureSurface::ChangeBatch oneRepaint(canvas);
    // The panel is laid down column by column.
    for (int x = kHelpPanelLeft; x <= kHelpPanelRight; ++x) {
        canvas.Line(float(x), kHelpPanelTop, float(x), kHelpPanelBottom, kPanelColor);
    }
    // Each row starts again at the left margin, whatever the previous row left behind.
    for (const HelpRow &row : kHelpRows) {
        canvas.CurrentX = kHelpTextX;
        canvas.CurrentY = row.y;
        canvas.Print(QCoreApplication::translate("HelpOverlay", row.text));
    }
}
