// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"

#include <QDialog>
#include <QList>

class PaletteCatalogue;
class PaletteStripList;
class QSpinBox;

// Palette → Browse palettes…: the kept palettes, then the numbered palettes 1 to 1,000,000,
// as strips, starting at the number on the strip. Moving the selection shows its palette at
// once (paletteShown), so the window's strip can preview it; Enter or a double-click takes
// it (paletteChosen) and closes; the number field follows the selection and goes where a
// number is typed; Escape takes nothing.
class PaletteBrowser : public QDialog {
    Q_OBJECT

public:
    PaletteBrowser(PaletteCatalogue &catalogue, const QList<ShownPalette> &kept,
                   PaletteNumber shown, QWidget *parent);

    // The list of strips and the field to go to a number.
    PaletteStripList *list() const { return list_; }
    QSpinBox *numberField() const { return numberField_; }

signals:
    void paletteShown(const ShownPalette &palette);
    void paletteChosen(const ShownPalette &palette);

private:
    PaletteStripList *list_;
    QSpinBox *numberField_;
};
