// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/sinepalette.h"

#include <QDialog>

#include <array>

class QDoubleSpinBox;
class QSlider;

// Palette → Edit palette…: the three waves of the palette on the strip, each channel's phase
// and period with a slider and a spin box that follow each other. Every change is told at once
// (wavesChanged), so the window's strip can follow it live; Reset goes back to the palette's
// own waves. A value that is no palette (a period of 0) is not taken.
class PaletteEditor : public QDialog {
    Q_OBJECT

public:
    PaletteEditor(const PaletteWaves &shown, const PaletteWaves &own, const QString &title,
                  QWidget *parent);

    // The waves as edited: exactly those shown until a control is changed.
    const PaletteWaves &waves() const { return waves_; }

    // The controls of a channel (0 red, 1 green, 2 blue).
    QSlider *phaseSlider(int channel) const { return rows_[channel].phaseSlider; }
    QDoubleSpinBox *phaseBox(int channel) const { return rows_[channel].phaseBox; }
    QSlider *periodSlider(int channel) const { return rows_[channel].periodSlider; }
    QDoubleSpinBox *periodBox(int channel) const { return rows_[channel].periodBox; }

signals:
    void wavesChanged(const PaletteWaves &waves);

private:
    struct Row {
        QSlider *phaseSlider, *periodSlider;
        QDoubleSpinBox *phaseBox, *periodBox;
    };

    void showWaves();
    void setPhase(int channel, double phase);
    void setPeriod(int channel, double period);

    PaletteWaves waves_;
    const PaletteWaves own_;
    std::array<Row, 3> rows_{};
    bool showing_ = false; // the controls are being set to the waves, not changed by the user
};
