// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/appicon.h"

#include "palette/sinepalette.h"
#include "surface/picturesurface.h"

#include <QPixmap>

namespace {

// The draws behind the icon's gradient: one fixed palette, chosen for its lively colours.
constexpr PaletteDraws kIconDraws{0.1f, 0.5f, 0.9f, 0.0f, 0.35f, 0.7f, 0.2f, 0.4f, 0.6f};

} // namespace

QImage sinepaintIconPicture(int side)
{
    PictureSurface picture(QSize(side, side));
    const PaletteWaves waves = paletteWaves(kIconDraws);
    // Squeeze the whole strip, 530 columns, into the icon's width.
    for (int x = 0; x < side; ++x) {
        const int column = x * kPaletteColumns / side;
        picture.Line(float(x), 0, float(x), float(side - 1), paletteColumnColor(waves, column));
    }
    picture.FillStyle = PictureSurface::kFillSolid;
    picture.FillColor = RGB(0, 0, 0);
    picture.Circle(float(side / 2), float(side / 2), float(side / 5), RGB(0, 0, 0));
    return picture.Image();
}

QIcon sinepaintIcon()
{
    QIcon icon;
    for (const int side : {16, 32}) {
        icon.addPixmap(QPixmap::fromImage(sinepaintIconPicture(side)));
    }
    return icon;
}
