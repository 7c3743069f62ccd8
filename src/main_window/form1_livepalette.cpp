// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The living palette: the painted pixels remember the strip columns of their colours, follow
// the strip while Live palette is on, and leave in a PNG with the palette as the picture's
// recipe.

#include "main_window/form1.h"

#include "palette/picturerecipe.h"
#include "palette/sinepalette.h"
#include "surface/picturebox.h"

#include <QAction>

// Turning it on repaints every remembered pixel at once: one step, so that undo brings back
// the colours from before and the mode with them.
void Form1::setLivePalette(bool on)
{
    stopCycle();
    recordStep(tr("Live palette"), [&] {
        livePalette = on;
        followStrip(palette_.waves);
    });
    commands_.livePalette->setChecked(livePalette);
    followColour();
    showStatus();
}

void Form1::followColour()
{
    if (livePalette && colorColumn != kNoColumn) {
        color = paletteColumnColor(palette_.waves, colorColumn);
    }
}

void Form1::followStrip(const PaletteWaves &waves)
{
    if (!livePalette) {
        return;
    }
    const StripColours colours = stripColours(waves);
    PictureSurface &canvas = Picture1->surface();
    if (liveRunsVersion_ != canvas.ColumnsVersion()) {
        liveRuns_ = ColumnRuns(canvas.Columns());
        liveRunsVersion_ = canvas.ColumnsVersion();
    }
    canvas.edit([&](QImage &image, const QImage &) { return liveRuns_.recolour(image, colours); });
}

QByteArray Form1::pictureRecipe(qsizetype *dropped) const
{
    const QImage &columns = Picture1->surface().Columns();
    for (int y = 0; y < columns.height(); ++y) {
        const StripColumn *row = columnRow(columns, y);
        if (std::any_of(row, row + columns.width(),
                        [](StripColumn column) { return column != kNoColumn; })) {
            // The palette as the strip shows it, a cycle's turn included.
            const ShownPalette shown{palette_.number, stripWaves_,
                                     palette_.changed || !sameStrip(stripWaves_, palette_.waves)};
            return encodeRecipe(shown, Picture1->surface().Image(), columns, dropped);
        }
    }
    *dropped = 0;
    return {};
}
