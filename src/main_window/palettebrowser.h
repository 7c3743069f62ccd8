// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"

#include <QDialog>

class PaletteCatalogue;
class QListView;
class QSpinBox;

// Palette → Browse palettes…: the numbered palettes 1 to 1,000,000 as strips with their
// numbers, starting at the one on the strip. A click, or Enter, on a strip takes that palette
// and closes; a number typed in the field goes there; Escape takes nothing.
class PaletteBrowser : public QDialog {
    Q_OBJECT

public:
    PaletteBrowser(PaletteCatalogue &catalogue, PaletteNumber shown, QWidget *parent);

    // The list of strips and the field to go to a number.
    QListView *list() const { return list_; }
    QSpinBox *numberField() const { return numberField_; }

    // The strip of palette `number` as the list shows it, `height` rows high.
    static QImage stripPicture(PaletteCatalogue &catalogue, PaletteNumber number, int height);

signals:
    void paletteChosen(PaletteNumber number);

private:
    void goTo(PaletteNumber number);

    QListView *list_;
    QSpinBox *numberField_;
};
