// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>
#include <QTimer>

#include <optional>

// A field a number is typed into. What is typed is never reformatted: a number is told
// (numberTyped) when the typing is complete, on Return, on Tab or when the field loses the
// focus, or after a pause in the typing, and only when the whole text is a number ("1.57",
// "-2", "1e3"; a decimal comma as well). "4" on the way to "40" is never told. Leaving the
// field with text that is no number, or one that was not taken, shows the value in effect
// again.
class NumberField : public QLineEdit {
    Q_OBJECT

public:
    explicit NumberField(QWidget *parent = nullptr);

    // How long typing must pause before a number is taken.
    static constexpr int kPauseMilliseconds = 700;

    // Shows the value in effect, written as the shortest text that reads back to it; text
    // that already reads as that value stays as typed.
    void showNumber(double value);
    // The value is held as a float: written, and compared with what is typed, as one.
    void setSinglePrecision(bool single) { single_ = single; }
    double shownNumber() const { return shown_; }

    // The whole text as a number, or nothing.
    static std::optional<double> numberIn(const QString &text);

signals:
    void numberTyped(double value);

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    void tell();

    double shown_ = 0.0;
    bool single_ = false;
    QTimer pause_;
};
