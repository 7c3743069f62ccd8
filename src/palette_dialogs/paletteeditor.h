// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/sinepalette.h"

#include <QDialog>

#include <array>

class NumberField;
class QLabel;
class QSlider;
class WavePlot;

// The four terms of a channel's wave.
enum class WaveTerm { Phase, Period, Amplitude, Offset };
inline constexpr int kWaveTerms = 4;

// Palette → Edit palette…: the three waves of the palette on the strip as a plot, and each
// channel's phase, period, amplitude and offset with a field to type it into and a slider.
// Every change is told at once (wavesChanged), so the window's strip can follow it live; Reset
// goes back to the palette's own waves. A value that is no palette (a period of 0, an
// amplitude past 255) is not taken, and the dialog says why. The focus starts in the red
// phase, its value selected; Return is OK from every field.
class PaletteEditor : public QDialog {
    Q_OBJECT

public:
    PaletteEditor(const PaletteWaves &shown, const PaletteWaves &own, const QString &title,
                  QWidget *parent);
    ~PaletteEditor() override;

    // The waves as edited: exactly those shown until a control is changed.
    const PaletteWaves &waves() const { return waves_; }

    // The controls of a channel (0 red, 1 green, 2 blue).
    NumberField *field(int channel, WaveTerm term) const;
    QSlider *slider(int channel, WaveTerm term) const;
    QSlider *phaseSlider(int channel) const { return slider(channel, WaveTerm::Phase); }
    QSlider *periodSlider(int channel) const { return slider(channel, WaveTerm::Period); }
    WavePlot *plot() const { return plot_; }
    // Why the last value typed was not taken; empty when it was.
    QString refusal() const;

signals:
    void wavesChanged(const PaletteWaves &waves);

private:
    struct Control {
        NumberField *field;
        QSlider *slider;
    };

    void showWaves();
    void setTerm(int channel, WaveTerm term, double value);
    Control &control(int channel, WaveTerm term);

    PaletteWaves waves_;
    const PaletteWaves own_;
    std::array<std::array<Control, kWaveTerms>, 3> controls_{};
    WavePlot *plot_;
    QLabel *refusal_;
};
