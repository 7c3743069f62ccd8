// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"

#include <QDialog>

class PaletteCatalogue;
class PaletteStripList;
class QSpinBox;

// Palette → Browse palettes…: the numbered palettes 1 to 1,000,000 as strips with their
// numbers, starting at the one on the strip. A click, or Enter, on a strip takes that palette
// and closes; a number typed in the field goes there; Escape takes nothing.
class PaletteBrowser : public QDialog {
    Q_OBJECT

public:
    PaletteBrowser(PaletteCatalogue &catalogue, PaletteNumber shown, QWidget *parent);

    // The list of strips and the field to go to a number.
    PaletteStripList *list() const { return list_; }
    QSpinBox *numberField() const { return numberField_; }

signals:
    void paletteChosen(PaletteNumber number);

private:
    PaletteStripList *list_;
    QSpinBox *numberField_;
};
