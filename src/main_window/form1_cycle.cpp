// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Cycling colours: the strip's phases turn at a steady speed while the window goes on working;
// turning it off leaves the palette where it stopped, as one step.

#include "main_window/form1.h"

#include "dialogs/filedialogs.h"
#include "main_window/statusline.h"
#include "palette/palettecycle.h"
#include "picture_files/animationfile.h"
#include "surface/picturebox.h"

#include <QAction>
#include <QDir>
#include <QInputDialog>
#include <QProgressDialog>
#include <QScreen>
#include <QTimer>

void Form1::setCycleColours(bool on)
{
    if (!on) {
        stopCycle();
        return;
    }
    if (cycleColours) {
        return;
    }
    endStroke();
    cycleColours = true;
    commands_.cycleColours->setChecked(true);
    cycleStart_ = palette_.waves;
    if (!cycleTimer_) {
        cycleTimer_ = new QTimer(this);
        cycleTimer_->setTimerType(Qt::PreciseTimer);
        connect(cycleTimer_, &QTimer::timeout, this, &Form1::showCycleFrame);
    }
    // A frame each time the screen shows one.
    const double rate = screen() && screen()->refreshRate() > 0 ? screen()->refreshRate() : 60;
    cycleTimer_->start(std::max(1, int(1000 / rate)));
    cycleClock_.start();
    updateUndoCommands();
    statusLine_->remark(tr("Cycling colours: one full turn in %1 s.").arg(cycleSeconds));
}

void Form1::showCycleFrame()
{
    drawPalette(turnedWaves(cycleStart_, double(cycleClock_.elapsed()) / 1000 / cycleSeconds));
}

// The palette where the cycle stopped is taken as one step from the one it began with.
void Form1::stopCycle()
{
    if (!cycleColours) {
        return;
    }
    cycleTimer_->stop();
    cycleColours = false;
    commands_.cycleColours->setChecked(false);
    PaletteRandom scratch; // the run's generator stays where it is
    const PaletteWaves stopped =
        turnedWaves(cycleStart_, double(cycleClock_.elapsed()) / 1000 / cycleSeconds);
    drawPalette(palette_.waves); // back to where the step begins
    takePalette(tr("Cycle colours"),
                {palette_.number, stopped,
                 !sameStrip(stopped, numberedPaletteWaves(palette_.number, scratch))});
}

void Form1::askForCycleSpeed()
{
    bool ok = false;
    const int seconds =
        QInputDialog::getInt(this, tr("Cycle speed"),
                             tr("Seconds for one full turn of the colours (%1 to %2):")
                                 .arg(kShortestCycleSeconds)
                                 .arg(kLongestCycleSeconds),
                             cycleSeconds, kShortestCycleSeconds, kLongestCycleSeconds, 1, &ok);
    if (ok && seconds != cycleSeconds) {
        if (cycleColours) { // on from where it is, at the new speed
            cycleStart_ =
                turnedWaves(cycleStart_, double(cycleClock_.elapsed()) / 1000 / cycleSeconds);
            cycleClock_.start();
        }
        cycleSeconds = seconds;
    }
}

bool Form1::exportAnimationTo(const QString &path, int frames, const std::function<bool(int)> &goOn)
{
    stopCycle();
    const PictureSurface &canvas = Picture1->surface();
    const ColumnRuns runs(canvas.Columns());
    if (runs.count() == 0) {
        reportFailure(tr("Animation not exported"),
                      tr("No pixel of the picture remembers a strip column, so its "
                         "colours cannot cycle: paint with colours picked from the "
                         "strip first."));
        return false;
    }
    const QImage picture = canvas.Image();
    const PaletteWaves waves = palette_.waves;
    const auto failure = writeAnimation(
        path, frames, cycleSeconds * 1000 / frames,
        [&](int k) { return cycleFrame(picture, runs, waves, k, frames); },
        [&](int k) { return !goOn || goOn(k); });
    const QString where = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (failure) {
        reportFailure(tr("Animation not exported"),
                      tr("The animation could not be written to\n%1\n\nReason: %2\n\n"
                         "Nothing was written.")
                          .arg(where, *failure));
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    statusLine_->remark(tr("Animation of %1 frames, one full turn in %2 s, exported "
                           "to %3.")
                            .arg(frames)
                            .arg(cycleSeconds)
                            .arg(where));
    return true;
}

void Form1::askToExportAnimation()
{
    bool ok = false;
    const int frames = QInputDialog::getInt(this, tr("Export animation"),
                                            tr("Frames in one full turn of the colours (%1 to %2):")
                                                .arg(kFewestAnimationFrames)
                                                .arg(kMostAnimationFrames),
                                            kDefaultAnimationFrames, kFewestAnimationFrames,
                                            kMostAnimationFrames, 1, &ok);
    if (!ok) {
        return;
    }
    const QString webp = tr("Animated WebP (*.webp)");
    const QString folder = tr("PNG frames in a folder (*)");
    QString chosen;
    QString path = askForFileToSave(this, tr("Export animation"),
                                    QDir(lastFolder_).filePath(imeslike + QStringLiteral(".webp")),
                                    QStringList{webp, folder}.join(QStringLiteral(";;")), &chosen);
    if (!path.isEmpty() && chosen == folder) {
        path = askForFolder(this, tr("Folder for the frames"), QFileInfo(path).absolutePath());
    }
    if (path.isEmpty()) {
        return;
    }
    QProgressDialog progress(tr("Exporting the animation…"), tr("Cancel"), 0, frames, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    exportAnimationTo(path, frames, [&](int k) {
        progress.setValue(k);
        return !progress.wasCanceled();
    });
}
