// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette_dialogs/paletteeditor.h"
#include "palette_dialogs/dialogdress.h"

#include "palette/palettenumber.h"
#include "palette_dialogs/numberfield.h"
#include "palette_dialogs/waveplot.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSlider>

#include <cmath>
#include <numbers>

namespace {

// What each term's slider covers, in its own steps (so many to one unit of the term), and how
// far a typed value may go.
struct TermScale {
    const char *name;
    const char *label;
    double stepsPerUnit;
    int leastStep, mostStep;
    double leastTyped, mostTyped;
};
constexpr double kTypedLimit = 1e9; // a phase or period typed: that far either side of zero
constexpr TermScale kTerms[kWaveTerms] = {
    {QT_TRANSLATE_NOOP("PaletteEditor", "phase"),
     QT_TRANSLATE_NOOP("PaletteEditor", "Phase (radians)"), 1000, 0, 6283, -kTypedLimit,
     kTypedLimit}, // a turn, 2 pi
    {QT_TRANSLATE_NOOP("PaletteEditor", "period"),
     QT_TRANSLATE_NOOP("PaletteEditor", "Period (columns a radian)"), 100, 2000, 7800, -kTypedLimit,
     kTypedLimit},
    {QT_TRANSLATE_NOOP("PaletteEditor", "amplitude"),
     QT_TRANSLATE_NOOP("PaletteEditor", "Amplitude"), 1, 0, 255, 0, kMostAmplitude},
    {QT_TRANSLATE_NOOP("PaletteEditor", "offset"), QT_TRANSLATE_NOOP("PaletteEditor", "Offset"), 1,
     0, 255, 0, kMostAmplitude},
};

const char *const kChannelNames[] = {QT_TRANSLATE_NOOP("PaletteEditor", "&Red"),
                                     QT_TRANSLATE_NOOP("PaletteEditor", "&Green"),
                                     QT_TRANSLATE_NOOP("PaletteEditor", "&Blue")};

double &termOf(ChannelWave &wave, WaveTerm term, double &period)
{
    switch (term) {
    case WaveTerm::Phase:
        return wave.phase;
    case WaveTerm::Period:
        return period;
    case WaveTerm::Amplitude:
        return wave.amplitude;
    case WaveTerm::Offset:
        break;
    }
    return wave.offset;
}

// The slider's step for a value: a phase within its turn, the others as they are.
int sliderStep(WaveTerm term, double value)
{
    if (term == WaveTerm::Phase) {
        const double turn = 2 * std::numbers::pi;
        value = std::fmod(std::fmod(value, turn) + turn, turn);
    }
    return int(std::lround(value * kTerms[int(term)].stepsPerUnit));
}

} // namespace

PaletteEditor::PaletteEditor(const PaletteWaves &shown, const PaletteWaves &own,
                             const QString &title, QWidget *parent)
    : QDialog(parent), waves_(shown), own_(own), plot_(new WavePlot), refusal_(new QLabel)
{
    dressDialog(this, tr("Edit palette"));
    auto *grid = new QGridLayout(this);
    auto *about =
        new QLabel(tr("%1. Each channel is a sine wave along the strip: its phase is where the "
                      "wave starts, its period how many columns make one radian, its amplitude "
                      "how far it swings about its offset. Type a number, then Tab or a pause; "
                      "the strip follows every change.")
                       .arg(title));
    about->setWordWrap(true);
    grid->addWidget(about, 0, 0, 1, 4);
    plot_->setFixedSize(plot_->sizeHint());
    // A window's layout does not ask a wrapped label how tall it is at the width it gets, so the
    // label asks for the lines it needs at the plot's width, the narrowest the dialog can be:
    // the rows below never crowd the plot.
    about->setMinimumHeight(about->heightForWidth(plot_->width()));
    grid->addWidget(plot_, 1, 0, 1, 4, Qt::AlignHCenter);
    QWidget *previous = nullptr;
    for (int channel = 0; channel < 3; ++channel) {
        auto *name = new QLabel(tr(kChannelNames[channel]));
        const QString channelName = name->text().remove(u'&');
        grid->addWidget(name, 2 + channel * kWaveTerms, 0);
        for (int t = 0; t < kWaveTerms; ++t) {
            const TermScale &scale = kTerms[t];
            const auto term = WaveTerm(t);
            Control &made = control(channel, term);
            made.field = new NumberField;
            made.field->setSinglePrecision(term == WaveTerm::Period);
            made.field->setMinimumWidth(made.field->fontMetrics().horizontalAdvance(
                QStringLiteral("-0.00000000000000000")));
            made.slider = new QSlider(Qt::Horizontal);
            made.slider->setRange(scale.leastStep, scale.mostStep);
            // An arrow key moves a hundredth of the range, a Page key a tenth.
            const int range = scale.mostStep - scale.leastStep;
            made.slider->setSingleStep(int(std::lround(range / 100.0)));
            made.slider->setPageStep(int(std::lround(range / 10.0)));
            made.slider->setMinimumWidth(300);
            const QString accessible = QStringLiteral("%1 %2").arg(channelName, tr(scale.name));
            made.field->setAccessibleName(accessible);
            made.slider->setAccessibleName(accessible);
            const int row = 2 + channel * kWaveTerms + t;
            grid->addWidget(new QLabel(tr(scale.label)), row, 1);
            grid->addWidget(made.field, row, 2);
            grid->addWidget(made.slider, row, 3);
            if (term == WaveTerm::Phase) {
                name->setBuddy(made.field);
            }
            connect(made.field, &NumberField::numberTyped, this,
                    [this, channel, term](double value) { setTerm(channel, term, value); });
            connect(made.slider, &QSlider::valueChanged, this, [this, channel, term](int step) {
                setTerm(channel, term, step / kTerms[int(term)].stepsPerUnit);
            });
            for (QWidget *next :
                 {static_cast<QWidget *>(made.field), static_cast<QWidget *>(made.slider)}) {
                if (previous) {
                    setTabOrder(previous, next);
                }
                previous = next;
            }
        }
    }
    refusal_->setWordWrap(true);
    grid->addWidget(refusal_, 2 + 3 * kWaveTerms, 0, 1, 4);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                         QDialogButtonBox::Reset);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton *reset = buttons->button(QDialogButtonBox::Reset);
    ok->setDefault(true);
    reset->setAutoDefault(false); // Return on it is still OK; Space resets
    reset->setToolTip(tr("Back to the numbered palette's own waves"));
    grid->addWidget(buttons, 3 + 3 * kWaveTerms, 0, 1, 4);
    setTabOrder(previous, ok);
    setTabOrder(ok, buttons->button(QDialogButtonBox::Cancel));
    setTabOrder(buttons->button(QDialogButtonBox::Cancel), reset);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(reset, &QPushButton::clicked, this, [this] {
        waves_ = own_;
        refusal_->clear();
        showWaves();
        emit wavesChanged(waves_);
    });
    showWaves();
    NumberField *first = field(0, WaveTerm::Phase);
    first->setFocus();
    first->selectAll();
}

PaletteEditor::~PaletteEditor()
{
    // Deleting a dialog still open (its window closing under it) hides it first, and the field
    // that loses the focus then tells what was typed: nothing is left here to take it.
    for (const auto &channel : controls_) {
        for (const Control &each : channel) {
            disconnect(each.field, nullptr, this, nullptr);
        }
    }
}

PaletteEditor::Control &PaletteEditor::control(int channel, WaveTerm term)
{
    return controls_[std::size_t(channel)][std::size_t(term)];
}

NumberField *PaletteEditor::field(int channel, WaveTerm term) const
{
    return controls_[std::size_t(channel)][std::size_t(term)].field;
}

QSlider *PaletteEditor::slider(int channel, WaveTerm term) const
{
    return controls_[std::size_t(channel)][std::size_t(term)].slider;
}

QString PaletteEditor::refusal() const
{
    return refusal_->text();
}

// Sets every control to the waves; a field keeps what was typed where it reads as the value.
void PaletteEditor::showWaves()
{
    for (int channel = 0; channel < 3; ++channel) {
        ChannelWave wave = waves_[std::size_t(channel)];
        double period = double(wave.period);
        for (int t = 0; t < kWaveTerms; ++t) {
            const auto term = WaveTerm(t);
            const double value = termOf(wave, term, period);
            const Control &shown = control(channel, term);
            const QSignalBlocker quiet(shown.slider); // showing the value changes nothing
            shown.slider->setValue(sliderStep(term, value));
            shown.field->showNumber(value);
        }
    }
    plot_->setWaves(waves_);
}

void PaletteEditor::setTerm(int channel, WaveTerm term, double value)
{
    const TermScale &scale = kTerms[int(term)];
    ChannelWave wave = waves_[std::size_t(channel)];
    // A period of 0, or so near it that the last column over it is no number, is no palette.
    const bool noPalette =
        term == WaveTerm::Period && !std::isfinite(float(kPaletteColumns - 1) / float(value));
    // Only a typed value can be refused: a slider's are all within these bounds.
    if (!(value >= scale.leastTyped && value <= scale.mostTyped) || noPalette) {
        const QString channelName = tr(kChannelNames[channel]).remove(u'&');
        refusal_->setText(tr("%1 is not taken: the %2 %3 is a number from %4 to %5%6.")
                              .arg(field(channel, term)->text().trimmed(), channelName.toLower(),
                                   tr(scale.name),
                                   QLocale(QLocale::English).toString(scale.leastTyped, 'f', 0),
                                   QLocale(QLocale::English).toString(scale.mostTyped, 'f', 0),
                                   term == WaveTerm::Period ? tr(", not 0") : QString()));
        return;
    }
    double period = double(wave.period);
    termOf(wave, term, period) = value;
    wave.period = float(period);
    refusal_->clear();
    if (sameWave(wave, waves_[std::size_t(channel)])) {
        return;
    }
    waves_[std::size_t(channel)] = wave;
    showWaves();
    emit wavesChanged(waves_);
}
