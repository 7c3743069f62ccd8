// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette_dialogs/paletteeditor.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <cmath>
#include <numbers>

namespace {

// The sliders' steps: a phase in thousandths of a radian over a full turn, a period in
// hundredths of a column over the periods the generator gives.
constexpr double kPhaseStep = 0.001;
constexpr int kPhaseSteps = 6283; // 2 pi
constexpr double kPeriodStep = 0.01;
constexpr int kLeastPeriodStep = 2000; // 20 columns a radian
constexpr int kMostPeriodStep = 7800;  // 78
// What may be typed: any value that far either side of zero.
constexpr double kTypedLimit = 1e9;

const char *const kChannelNames[] = {"&Red", "&Green", "&Blue"};

} // namespace

PaletteEditor::PaletteEditor(const PaletteWaves &shown, const PaletteWaves &own,
                             const QString &title, QWidget *parent)
    : QDialog(parent), waves_(shown), own_(own)
{
    setWindowTitle(QStringLiteral("Edit palette"));
    QFont sharp = font(); // text without smoothing, as everything the program paints
    sharp.setStyleStrategy(QFont::NoAntialias);
    setFont(sharp);
    auto *grid = new QGridLayout(this);
    auto *about = new QLabel(
        QStringLiteral("%1. Each channel is a sine wave along the strip: its phase is where the "
                       "wave starts, its period how many columns make one radian. The strip "
                       "follows every change.")
            .arg(title));
    about->setWordWrap(true);
    grid->addWidget(about, 0, 0, 1, 5);
    grid->addWidget(new QLabel(QStringLiteral("Phase (radians)")), 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Period (columns a radian)")), 1, 3, 1, 2);
    for (int channel = 0; channel < 3; ++channel) {
        Row &row = rows_[std::size_t(channel)];
        row.phaseSlider = new QSlider(Qt::Horizontal);
        row.phaseSlider->setRange(0, kPhaseSteps);
        row.phaseBox = new QDoubleSpinBox;
        row.phaseBox->setRange(-kTypedLimit, kTypedLimit);
        row.phaseBox->setDecimals(6);
        row.phaseBox->setSingleStep(0.01);
        row.periodSlider = new QSlider(Qt::Horizontal);
        row.periodSlider->setRange(kLeastPeriodStep, kMostPeriodStep);
        row.periodBox = new QDoubleSpinBox;
        row.periodBox->setRange(-kTypedLimit, kTypedLimit);
        row.periodBox->setDecimals(4);
        row.periodBox->setSingleStep(0.1);
        auto *name = new QLabel(QString::fromLatin1(kChannelNames[channel]));
        name->setBuddy(row.phaseSlider);
        const QString channelName = name->text().remove(u'&');
        row.phaseSlider->setAccessibleName(channelName + QStringLiteral(" phase"));
        row.phaseBox->setAccessibleName(channelName + QStringLiteral(" phase"));
        row.periodSlider->setAccessibleName(channelName + QStringLiteral(" period"));
        row.periodBox->setAccessibleName(channelName + QStringLiteral(" period"));
        grid->addWidget(name, channel + 2, 0);
        grid->addWidget(row.phaseSlider, channel + 2, 1);
        grid->addWidget(row.phaseBox, channel + 2, 2);
        grid->addWidget(row.periodSlider, channel + 2, 3);
        grid->addWidget(row.periodBox, channel + 2, 4);
        connect(row.phaseSlider, &QSlider::valueChanged, this,
                [this, channel](int step) { setPhase(channel, step * kPhaseStep); });
        connect(row.phaseBox, &QDoubleSpinBox::valueChanged, this,
                [this, channel](double phase) { setPhase(channel, phase); });
        connect(row.periodSlider, &QSlider::valueChanged, this,
                [this, channel](int step) { setPeriod(channel, step * kPeriodStep); });
        connect(row.periodBox, &QDoubleSpinBox::valueChanged, this,
                [this, channel](double period) { setPeriod(channel, period); });
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                         QDialogButtonBox::Reset);
    buttons->button(QDialogButtonBox::Reset)
        ->setToolTip(QStringLiteral("Back to the numbered palette's own waves"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::Reset), &QPushButton::clicked, this, [this] {
        waves_ = own_;
        showWaves();
        emit wavesChanged(waves_);
    });
    grid->addWidget(buttons, 5, 0, 1, 5);
    showWaves();
}

// Sets every control to the waves without taking their rounded values back.
void PaletteEditor::showWaves()
{
    showing_ = true;
    for (std::size_t channel = 0; channel < 3; ++channel) {
        const ChannelWave &wave = waves_[channel];
        const Row &row = rows_[channel];
        const double turn = 2 * std::numbers::pi;
        const double phaseInTurn = std::fmod(std::fmod(wave.phase, turn) + turn, turn);
        row.phaseSlider->setValue(int(std::lround(phaseInTurn / kPhaseStep)));
        row.phaseBox->setValue(wave.phase);
        row.periodSlider->setValue(int(std::lround(wave.period / kPeriodStep)));
        row.periodBox->setValue(double(wave.period));
    }
    showing_ = false;
}

void PaletteEditor::setPhase(int channel, double phase)
{
    if (showing_) {
        return;
    }
    waves_[std::size_t(channel)].phase = phase;
    showWaves();
    emit wavesChanged(waves_);
}

void PaletteEditor::setPeriod(int channel, double period)
{
    // A period of 0, or so near it that the last column over it is no number, is no palette.
    if (showing_ || !std::isfinite(529.0f / float(period))) {
        return;
    }
    waves_[std::size_t(channel)].period = float(period);
    showWaves();
    emit wavesChanged(waves_);
}
