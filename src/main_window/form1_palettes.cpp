// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Palette commands: go to a numbered palette, copy and paste a palette as its line, export it.

#include "main_window/form1.h"

#include "dialogs/filedialogs.h"
#include "main_window/clientarea.h"
#include "main_window/form1layout.h"
#include "main_window/statusline.h"
#include "palette/paletteexport.h"
#include "palette/paletteline.h"
#include "palette/sinepalette.h"
#include "palette_dialogs/dialogplacement.h"
#include "palette_dialogs/palettebrowser.h"
#include "palette_dialogs/paletteeditor.h"
#include "surface/picturebox.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QInputDialog>
#include <QScrollArea>

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
    statusLine_->remark(tr("%1 is on the strip.").arg(paletteTitle(palette)));
}

bool Form1::goToPalette(PaletteNumber number)
{
    stopCycle();
    if (number < kFirstPaletteNumber || number > kLastPaletteNumber) {
        return false;
    }
    takePalette(tr("Go to palette"), {number, numberedPaletteWaves(number, random_), false});
    return true;
}

bool Form1::pastePalette()
{
    stopCycle();
    // One line goes onto the strip; several go onto the shelf, and the last onto the strip.
    QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
    if (lines.isEmpty()) {
        lines.append(QString());
    }
    QList<ShownPalette> read;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        PaletteLineRead line = readPaletteLine(lines[i]);
        if (!line.error.isEmpty()) {
            reportFailure(tr("Palette not pasted"),
                          lines.size() == 1
                              ? tr("The clipboard holds no palette.\n\n%1").arg(line.error)
                              : tr("Line %1 of the clipboard is no palette, so "
                                   "none is taken.\n\n%2")
                                    .arg(i + 1)
                                    .arg(line.error));
            return false;
        }
        PaletteRandom scratch; // the run's generator stays where it is
        line.palette.changed =
            !sameStrip(line.palette.waves, numberedPaletteWaves(line.palette.number, scratch));
        read.append(line.palette);
    }
    if (read.size() > 1) {
        kept_.append(read);
    }
    takePalette(tr("Paste palette"), read.last());
    if (read.size() > 1) {
        statusLine_->remark(tr("%1 palettes kept; %2 is on the strip.")
                                .arg(read.size())
                                .arg(paletteTitle(read.last())));
    }
    return true;
}

bool Form1::exportPaletteTo(const QString &path, int swatches)
{
    stopCycle();
    if (const auto failure = exportPalette(palette_, path, swatches)) {
        reportFailure(tr("Palette not exported"),
                      tr("The palette could not be written to\n%1\n\nReason: %2")
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
    const int number = QInputDialog::getInt(
        this, tr("Go to palette"),
        tr("Palette number (%1 to %2):")
            .arg(numberText(kFirstPaletteNumber), numberText(kLastPaletteNumber)),
        int(palette_.number), int(kFirstPaletteNumber), int(kLastPaletteNumber), 1, &ok);
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
    const PaletteWaves shown = stripWaves_;
    connect(editor, &QDialog::finished, this, [this, editor, before, shown](int result) {
        // A field that loses the focus as the dialog closes tells its number once more: the
        // strip no longer listens.
        disconnect(editor, &PaletteEditor::wavesChanged, this, nullptr);
        drawPalette(shown);
        if (result == QDialog::Accepted) {
            PaletteRandom own;
            const PaletteWaves edited = editor->waves();
            const bool changed = !sameStrip(edited, numberedPaletteWaves(before.number, own));
            takePalette(tr("Edit palette"), {before.number, edited, changed});
        }
    });
    placeBesideControls(editor);
    editor->open();
}

void Form1::askToBrowsePalettes()
{
    stopCycle();
    // The strip (and with Live palette the canvas) previews the palette moved to; only one
    // taken makes a step, and the strip as it was comes back first.
    auto *browser = new PaletteBrowser(catalogue_, kept_, palette_.number, this);
    browser->setAttribute(Qt::WA_DeleteOnClose);
    const PaletteWaves shown = stripWaves_;
    connect(browser, &PaletteBrowser::paletteShown, this,
            [this](const ShownPalette &palette) { drawPalette(palette.waves); });
    connect(browser, &QDialog::rejected, this, [this, shown] { drawPalette(shown); });
    connect(browser, &PaletteBrowser::paletteChosen, this,
            [this, shown](const ShownPalette &palette) {
                drawPalette(shown);
                takePalette(tr("Browse palettes"), palette);
            });
    placeBesideControls(browser);
    browser->open();
}

void Form1::askToExportPalette()
{
    stopCycle();
    const QString path = askForFileToSave(
        this, tr("Export palette"),
        QDir(lastFolder_)
            .filePath(QStringLiteral("sinepaint-palette-%1%2.gpl")
                          .arg(palette_.number)
                          .arg(palette_.changed ? QStringLiteral("-changed") : QString())),
        paletteExportFilters().join(QStringLiteral(";;")));
    if (path.isEmpty()) {
        return;
    }
    int swatches = kShownPaletteColumns;
    if (namesGimpPalette(path)) {
        bool ok = false;
        swatches = QInputDialog::getInt(this, tr("GIMP palette swatches"),
                                        tr("Swatches, taken at evenly spaced columns (%1 to %2):")
                                            .arg(kFewestSwatches)
                                            .arg(kShownPaletteColumns),
                                        kShownPaletteColumns, kFewestSwatches, kShownPaletteColumns,
                                        1, &ok);
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

void Form1::placeBesideControls(QWidget *dialog) const
{
    const QRect inSight = scrollArea_->viewport()->rect().translated(
        scrollArea_->viewport()->mapToGlobal(QPoint(0, 0)));
    const QRect controls(clientArea_->mapToGlobal(QPoint(0, 0)), Form1Layout::kLayoutSize);
    moveBeside(dialog, controls.intersected(inSight));
}
