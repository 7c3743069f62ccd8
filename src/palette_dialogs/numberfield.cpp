// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette_dialogs/numberfield.h"

#include <QFocusEvent>

#include <charconv>

NumberField::NumberField(QWidget *parent) : QLineEdit(parent)
{
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMilliseconds);
    connect(this, &QLineEdit::textEdited, &pause_, qOverload<>(&QTimer::start));
    connect(&pause_, &QTimer::timeout, this, &NumberField::tell);
    connect(this, &QLineEdit::editingFinished, this, [this] {
        pause_.stop();
        tell();
        showNumber(shown_); // text that was no number, or was refused, gives way
    });
}

std::optional<double> NumberField::numberIn(const QString &text)
{
    QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.startsWith('+')) {
        bytes.remove(0, 1);
    }
    if (!bytes.contains('.')) {
        bytes.replace(',', '.'); // a decimal comma, as many write it
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(bytes.constBegin(), bytes.constEnd(), value);
    if (bytes.isEmpty() || error != std::errc() || end != bytes.constEnd()) {
        return std::nullopt;
    }
    return value;
}

void NumberField::showNumber(double value)
{
    shown_ = value;
    const auto typed = numberIn(text());
    if (typed && (single_ ? float(*typed) == float(value) : *typed == value)) {
        return;
    }
    char written[64];
    const auto end = single_
                         ? std::to_chars(std::begin(written), std::end(written), float(value)).ptr
                         : std::to_chars(std::begin(written), std::end(written), value).ptr;
    setText(QString::fromLatin1(written, end - written));
}

void NumberField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectAll(); // typing replaces the value, whichever way the focus came
}

void NumberField::tell()
{
    if (const auto value = numberIn(text())) {
        emit numberTyped(*value);
    }
}
