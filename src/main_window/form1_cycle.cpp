// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Cycling colours: the strip's phases turn at a steady speed while the window goes on working;
// turning it off leaves the palette where it stopped, as one step.

#include "main_window/form1.h"

#include "main_window/statusline.h"
#include "palette/palettecycle.h"

#include <QAction>
#include <QInputDialog>
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
    statusLine_->remark(QStringLiteral("Cycling colours: one full turn in %1 s.").arg(cycleSeconds));
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
    takePalette(QStringLiteral("Cycle colours"),
                {palette_.number, stopped,
                 !sameStrip(stopped, numberedPaletteWaves(palette_.number, scratch))});
}

void Form1::askForCycleSpeed()
{
    bool ok = false;
    const int seconds = QInputDialog::getInt(
        this, QStringLiteral("Cycle speed"),
        QStringLiteral("Seconds for one full turn of the colours (%1 to %2):")
            .arg(kShortestCycleSeconds)
            .arg(kLongestCycleSeconds),
        cycleSeconds, kShortestCycleSeconds, kLongestCycleSeconds, 1, &ok);
    if (ok && seconds != cycleSeconds) {
        if (cycleColours) { // on from where it is, at the new speed
            cycleStart_ = turnedWaves(cycleStart_, double(cycleClock_.elapsed()) / 1000 /
                                                       cycleSeconds);
            cycleClock_.start();
        }
        cycleSeconds = seconds;
    }
}
