// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/paletteline.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

constexpr const char *kChannelNames[] = {"red", "green", "blue"};

template <typename Number> QString shortest(Number value)
{
    char text[64];
    const auto written = std::to_chars(std::begin(text), std::end(text), value);
    return QString::fromLatin1(text, written.ptr - text);
}

// The whole text as a number of that type, or nothing.
template <typename Number> std::optional<Number> parsed(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    Number value{};
    const auto [end, error] = std::from_chars(bytes.constBegin(), bytes.constEnd(), value);
    if (error != std::errc() || end != bytes.constEnd()) {
        return std::nullopt;
    }
    return value;
}

// Whether a number the type cannot hold is too large, rather than too near zero.
bool tooLarge(const QString &text)
{
    return std::fabs(std::strtold(text.toLatin1().constData(), nullptr)) >= 1.0L;
}

// A number in range that a type cannot hold: too large, or too near zero.
template <typename Number> bool outOfRange(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    Number value{};
    const auto [end, error] = std::from_chars(bytes.constBegin(), bytes.constEnd(), value);
    return error == std::errc::result_out_of_range && end == bytes.constEnd();
}

} // namespace

QString paletteLine(const ShownPalette &palette)
{
    QStringList channels;
    for (std::size_t channel = 0; channel < palette.waves.size(); ++channel) {
        const ChannelWave &wave = palette.waves[channel];
        QString text = QStringLiteral("%1 phase %2 period %3")
                           .arg(QLatin1String(kChannelNames[channel]), shortest(wave.phase),
                                shortest(wave.period));
        // The amplitude and offset are named only where they are not every numbered palette's.
        if (wave.amplitude != kNumberedAmplitude) {
            text += QStringLiteral(" amplitude ") + shortest(wave.amplitude);
        }
        if (wave.offset != kNumberedOffset) {
            text += QStringLiteral(" offset ") + shortest(wave.offset);
        }
        channels.append(text);
    }
    return QStringLiteral("sinepaint palette %1: %2").arg(palette.number).arg(channels.join("; "));
}

namespace {

// A word of the line as a message quotes it: cut to 40 characters, with "…" where it goes on.
QString quoted(const QString &word)
{
    constexpr qsizetype kLongest = 40;
    return word.size() > kLongest ? word.left(kLongest) + QStringLiteral("…") : word;
}

// Why a number its type cannot hold is refused: too large (the largest it can be), or too
// near zero (and what follows from that).
template <typename Number>
QString outOfRangeReason(const QString &channel, const QString &what, const QString &text,
                         Number largest, const QString &nearZero)
{
    if (tooLarge(text)) {
        return QCoreApplication::translate("Palette",
                                           "The %1 %2 %3 is too large: the largest is %4.")
            .arg(channel, what, quoted(text), shortest(largest));
    }
    return QCoreApplication::translate("Palette", "The %1 %2 %3 is too near zero: %4.")
        .arg(channel, what, quoted(text), nearZero);
}

} // namespace

PaletteLineRead readPaletteLine(const QString &text)
{
    static const QRegularExpression line = [] {
        // Each channel: its phase, its period, and where they are named, amplitude and offset.
        const QString channel = QStringLiteral(
            "%1 phase (\\S+) period (\\S+?)(?: amplitude (\\S+?))?(?: offset (\\S+?))?");
        return QRegularExpression(
            QStringLiteral("^\\s*sinepaint palette (\\S+):\\s*%1;\\s*%2;\\s*%3;?\\s*$")
                .arg(channel.arg(QLatin1String("red")), channel.arg(QLatin1String("green")),
                     channel.arg(QLatin1String("blue"))));
    }();
    const QRegularExpressionMatch match = line.match(text);
    if (!match.hasMatch()) {
        return {{},
                QCoreApplication::translate(
                    "Palette", "It is not a palette line. A palette line reads like this:\n"
                               "sinepaint palette 1: red phase 0.5 period 30; green phase 1 "
                               "period 40; blue phase 2 period 50")};
    }
    const auto number = parsed<PaletteNumber>(match.captured(1));
    if (!number || *number < kFirstPaletteNumber || *number > kLastPaletteNumber) {
        return {{},
                QCoreApplication::translate(
                    "Palette", "The palette number %1 is not a whole number from %2 to %3.")
                    .arg(quoted(match.captured(1)), numberText(kFirstPaletteNumber),
                         numberText(kLastPaletteNumber))};
    }
    ShownPalette palette{*number, {}};
    for (int channel = 0; channel < 3; ++channel) {
        const QString phaseText = match.captured(2 + 4 * channel);
        const QString periodText = match.captured(3 + 4 * channel);
        const auto phase = parsed<double>(phaseText);
        const auto period = parsed<float>(periodText);
        const QString name = QLatin1String(kChannelNames[channel]);
        if (outOfRange<double>(phaseText)) {
            return {{},
                    outOfRangeReason(name, QStringLiteral("phase"), phaseText,
                                     std::numeric_limits<double>::max(),
                                     QCoreApplication::translate("Palette", "write 0 for it"))};
        }
        if (outOfRange<float>(periodText)) {
            return {{},
                    outOfRangeReason(
                        name, QStringLiteral("period"), periodText,
                        std::numeric_limits<float>::max(),
                        QCoreApplication::translate("Palette", "the strip would have no colours"))};
        }
        if (!phase || !std::isfinite(*phase)) {
            return {
                {},
                QCoreApplication::translate("Palette", "The %1 phase %2 is not a finite number.")
                    .arg(name, quoted(phaseText))};
        }
        if (!period || !std::isfinite(*period)) {
            return {
                {},
                QCoreApplication::translate("Palette", "The %1 period %2 is not a finite number.")
                    .arg(name, quoted(periodText))};
        }
        // The last column divided by the period must stay a finite number too.
        if (*period == 0.0f || !std::isfinite(float(kPaletteColumns - 1) / *period)) {
            return {{},
                    QCoreApplication::translate(
                        "Palette", "The %1 period %2 is too near zero: the strip would have "
                                   "no colours.")
                        .arg(name, quoted(periodText))};
        }
        ChannelWave wave{0.0f, *phase, *period};
        for (const auto &[term, value] : {std::pair{QStringLiteral("amplitude"), &wave.amplitude},
                                          std::pair{QStringLiteral("offset"), &wave.offset}}) {
            const QString text =
                match.captured(term == QLatin1String("offset") ? 5 + 4 * channel : 4 + 4 * channel);
            if (text.isEmpty()) {
                continue; // not named: every numbered palette's
            }
            const auto read = parsed<double>(text);
            if (!read || !(*read >= 0.0 && *read <= kMostAmplitude)) {
                return {{},
                        QCoreApplication::translate("Palette",
                                                    "The %1 %2 %3 is not a number from 0 to 255.")
                            .arg(name, term, quoted(text))};
            }
            *value = *read;
        }
        palette.waves[std::size_t(channel)] = wave;
    }
    return {palette, {}};
}
