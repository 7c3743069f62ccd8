// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

// A ring two pixels wide in the highlight colour around whichever control of a dialog has the
// keyboard focus, so that the focus is plainly visible in every style. It lets the mouse
// through, and follows the focus, and the control as it moves or is resized.
class FocusRing : public QWidget {
    Q_OBJECT

public:
    explicit FocusRing(QWidget *dialog);

    static constexpr int kWidth = 2;
    static constexpr int kGap = 1; // between the control and the ring

    // Puts the ring around `control` (hidden for none, or one outside the dialog).
    void follow(QWidget *control);
    QWidget *followed() const { return control_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    QPointer<QWidget> control_;
};
