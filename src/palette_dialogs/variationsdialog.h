// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"
#include "palette/palettevariations.h"

#include <QDialog>

#include <array>

class VariationGrid;

// Palette → Variations…: the palette on the strip in the middle and eight variations around
// it. A click, or Enter, takes one (paletteChosen) and closes; More draws eight new; Escape
// takes none.
class VariationsDialog : public QDialog {
    Q_OBJECT

public:
    // `own` are the waves of the palette's number, against which a variation is "changed".
    VariationsDialog(const ShownPalette &shown, const PaletteWaves &own, VariationRandom &random,
                     QWidget *parent);

    VariationGrid *grid() const { return grid_; }
    // The palette of a cell, as it would be taken.
    ShownPalette palette(int cell) const;
    // Draws eight new variations.
    void drawMore();

signals:
    void paletteChosen(const ShownPalette &palette);

private:
    const ShownPalette shown_;
    const PaletteWaves own_;
    VariationRandom &random_;
    std::array<PaletteWaves, 9> cells_{};
    VariationGrid *grid_;
};
