// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette_dialogs/focusring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

FocusRing::FocusRing(QWidget *dialog) : QWidget(dialog)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusRing::follow(QWidget *control)
{
    if (control_) {
        control_->removeEventFilter(this);
    }
    const bool inside =
        control && control != parentWidget() && parentWidget()->isAncestorOf(control);
    control_ = inside ? control : nullptr;
    if (!control_) {
        hide();
        return;
    }
    control_->installEventFilter(this);
    place();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == control_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                                event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        place();
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::place()
{
    if (!control_ || !control_->isVisible()) {
        hide();
        return;
    }
    const int margin = kWidth + kGap;
    setGeometry(QRect(control_->mapTo(parentWidget(), QPoint(0, 0)), control_->size())
                    .adjusted(-margin, -margin, margin, margin));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor colour = palette().color(QPalette::Active, QPalette::Highlight);
    const QRect outer = rect();
    painter.fillRect(QRect(outer.topLeft(), QSize(outer.width(), kWidth)), colour);
    painter.fillRect(QRect(outer.left(), outer.bottom() - kWidth + 1, outer.width(), kWidth),
                     colour);
    painter.fillRect(QRect(outer.topLeft(), QSize(kWidth, outer.height())), colour);
    painter.fillRect(QRect(outer.right() - kWidth + 1, outer.top(), kWidth, outer.height()),
                     colour);
}
