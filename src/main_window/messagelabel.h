// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A one-line message that reads whole: too long for its room, it is shortened in the middle
// with "…", so that a file name's end stays, and its tooltip holds it in full.
class MessageLabel : public QLabel {
    Q_OBJECT

public:
    MessageLabel();

    void setMessage(const QString &message);
    QString message() const { return message_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();

    QString message_;
};
