// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/messagelabel.h"

#include <QFontMetrics>

MessageLabel::MessageLabel()
{
    // As narrow as need be: the message gives way to the fields beside it, not they to it.
    setMinimumWidth(1);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

void MessageLabel::setMessage(const QString &message)
{
    message_ = message;
    setToolTip(message);
    fit();
}

void MessageLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

void MessageLabel::fit()
{
    const int room = contentsRect().width();
    setText(fontMetrics().elidedText(message_, Qt::ElideMiddle, room));
}
