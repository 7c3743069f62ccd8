// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Palettes to explore: variations of the palette on the strip, and the palettes kept this run
// (the shelf), which the browser lists first and which export together.

#include "main_window/form1.h"

#include "dialogs/filedialogs.h"
#include "main_window/statusline.h"
#include "palette/paletteexport.h"
#include "palette_dialogs/variationsdialog.h"

#include <QDir>

void Form1::askForVariations()
{
    stopCycle();
    PaletteRandom scratch; // the run's generator stays where it is
    auto *dialog = new VariationsDialog(palette_, numberedPaletteWaves(palette_.number, scratch),
                                        variationRandom_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &VariationsDialog::paletteChosen, this, [this](const ShownPalette &palette) {
        if (!(palette == palette_)) {
            takePalette(tr("Variations"), palette);
        }
    });
    placeBesideControls(dialog);
    dialog->open();
}

void Form1::keepPalette()
{
    stopCycle();
    if (kept_.contains(palette_)) {
        statusLine_->remark(tr("%1 is kept already.").arg(paletteTitle(palette_)));
        return;
    }
    kept_.append(palette_);
    statusLine_->remark(tr("%1 is kept: %2 kept, first in Browse palettes.")
                            .arg(paletteTitle(palette_))
                            .arg(kept_.size()));
}

bool Form1::exportKeptPalettesTo(const QString &path)
{
    if (const auto failure = exportKeptPalettes(kept_, path)) {
        reportFailure(tr("Kept palettes not exported"),
                      tr("The kept palettes could not be written to\n%1\n\nReason: %2")
                          .arg(QDir::toNativeSeparators(path), *failure));
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    statusLine_->remark(tr("%1 kept palettes exported to %2.")
                            .arg(kept_.size())
                            .arg(QDir::toNativeSeparators(path)));
    return true;
}

void Form1::askToExportKeptPalettes()
{
    stopCycle();
    if (kept_.isEmpty()) {
        reportFailure(tr("No kept palettes"),
                      tr("No palette is kept yet: Palette → Keep palette (Ctrl+K) "
                         "keeps the one on the strip."));
        return;
    }
    // A name ending in .txt is one file of lines; any other name is a folder of GIMP palettes.
    const QString path =
        askForFileToSave(this, tr("Export kept palettes"),
                         QDir(lastFolder_).filePath(QStringLiteral("sinepaint-kept-palettes.txt")),
                         tr("Palette lines, one a line (*.txt);;GIMP palettes, one a file, into a "
                            "folder (*)"),
                         nullptr, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty()) {
        exportKeptPalettesTo(path);
    }
}
