// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Palette commands: go to a numbered palette, copy and paste a palette as its line, export it.

#include "main_window/form1.h"

#include "main_window/statusline.h"
#include "palette/paletteexport.h"
#include "palette/paletteline.h"
#include "palette/sinepalette.h"
#include "palette_dialogs/palettebrowser.h"
#include "palette_dialogs/paletteeditor.h"
#include "surface/picturebox.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>

void Form1::drawPalette(const PaletteWaves &waves)
{
    stripWaves_ = waves;
    drawPaletteStrip(Picture2->surface(), waves);
    followStrip(waves);
}

void Form1::showPalette(const ShownPalette &palette)
{
    drawPalette(palette.waves);
    showState({imeslike, palette, livePalette});
}

void Form1::takePalette(const QString &stepName, const ShownPalette &palette)
{
    recordStep(stepName, [&] { showPalette(palette); });
    statusLine_->remark(QStringLiteral("%1 is on the strip.").arg(paletteTitle(palette)));
}

bool Form1::goToPalette(PaletteNumber number)
{
    stopCycle();
    if (number < kFirstPaletteNumber || number > kLastPaletteNumber) {
        return false;
    }
    takePalette(QStringLiteral("Go to palette"),
                {number, numberedPaletteWaves(number, random_), false});
    return true;
}

bool Form1::pastePalette()
{
    stopCycle();
    PaletteLineRead read = readPaletteLine(QGuiApplication::clipboard()->text());
    if (!read.error.isEmpty()) {
        reportFailure(QStringLiteral("Palette not pasted"),
                      QStringLiteral("The clipboard holds no palette.\n\n%1").arg(read.error));
        return false;
    }
    PaletteRandom scratch; // the run's generator stays where it is
    read.palette.changed =
        !sameStrip(read.palette.waves, numberedPaletteWaves(read.palette.number, scratch));
    takePalette(QStringLiteral("Paste palette"), read.palette);
    return true;
}

bool Form1::exportPaletteTo(const QString &path, int swatches)
{
    stopCycle();
    if (const auto failure = exportPalette(palette_, path, swatches)) {
        reportFailure(QStringLiteral("Palette not exported"),
                      QStringLiteral("The palette could not be written to\n%1\n\nReason: %2")
                          .arg(QDir::toNativeSeparators(path), *failure));
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    return true;
}

void Form1::askForPalette()
{
    stopCycle();
    bool ok = false;
    const int number = QInputDialog::getInt(this, QStringLiteral("Go to palette"),
                                            QStringLiteral("Palette number (%1 to %2):")
                                                .arg(kFirstPaletteNumber)
                                                .arg(kLastPaletteNumber),
                                            int(palette_.number), int(kFirstPaletteNumber),
                                            int(kLastPaletteNumber), 1, &ok);
    if (ok) {
        goToPalette(PaletteNumber(number));
    }
}

void Form1::askToEditPalette()
{
    stopCycle();
    // The strip (and with Live palette the canvas) follows the editor live; only OK makes a
    // step of it.
    PaletteRandom scratch; // the run's generator stays where it is
    const ShownPalette before = palette_;
    auto *editor = new PaletteEditor(before.waves, numberedPaletteWaves(before.number, scratch),
                                     paletteTitle(before), this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor, &PaletteEditor::wavesChanged, this,
            [this](const PaletteWaves &waves) { drawPalette(waves); });
    connect(editor, &QDialog::finished, this, [this, editor, before](int result) {
        drawPalette(before.waves);
        if (result == QDialog::Accepted) {
            PaletteRandom own;
            const PaletteWaves edited = editor->waves();
            const bool changed = !sameStrip(edited, numberedPaletteWaves(before.number, own));
            takePalette(QStringLiteral("Edit palette"), {before.number, edited, changed});
        }
    });
    editor->open();
}

void Form1::askToBrowsePalettes()
{
    stopCycle();
    auto *browser = new PaletteBrowser(catalogue_, palette_.number, this);
    browser->setAttribute(Qt::WA_DeleteOnClose);
    connect(browser, &PaletteBrowser::paletteChosen, this, &Form1::goToPalette);
    browser->open();
}

void Form1::askToExportPalette()
{
    stopCycle();
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export palette"),
        QDir(lastFolder_)
            .filePath(QStringLiteral("sinepaint-palette-%1%2.gpl")
                          .arg(palette_.number)
                          .arg(palette_.changed ? QStringLiteral("-changed") : QString())),
        paletteExportFilters().join(QStringLiteral(";;")));
    if (path.isEmpty()) {
        return;
    }
    int swatches = kShownPaletteColumns;
    if (QFileInfo(path).suffix().toLower() == QLatin1String("gpl")) {
        bool ok = false;
        swatches = QInputDialog::getInt(
            this, QStringLiteral("GIMP palette swatches"),
            QStringLiteral("Swatches, taken at evenly spaced columns (%1 to %2):")
                .arg(kFewestSwatches)
                .arg(kShownPaletteColumns),
            kShownPaletteColumns, kFewestSwatches, kShownPaletteColumns, 1, &ok);
        if (!ok) {
            return;
        }
    }
    exportPaletteTo(path, swatches);
}

void Form1::copyPalette()
{
    stopCycle();
    QGuiApplication::clipboard()->setText(paletteLine(palette_));
}

void Form1::pastePaletteCommand()
{
    pastePalette();
}
