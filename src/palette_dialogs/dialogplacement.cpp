// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette_dialogs/dialogplacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The dialog's frame beyond its contents, where the window manager draws one.
constexpr int kFrameAllowance = 40;

// `start` moved so that a span of `length` from it stays within first..last where it can.
int within(int start, int length, int first, int last)
{
    return std::max(first, std::min(start, last - length + 1));
}

} // namespace

std::optional<QPoint> placeBeside(const QRect &keepInSight, const QSize &frame, const QRect &screen)
{
    const int top = within(keepInSight.top(), frame.height(), screen.top(), screen.bottom());
    const int left = within(keepInSight.left(), frame.width(), screen.left(), screen.right());
    const QPoint candidates[] = {
        {keepInSight.right() + 1, top},
        {keepInSight.left() - frame.width(), top},
        {left, keepInSight.bottom() + 1},
        {left, keepInSight.top() - frame.height()},
    };
    for (const QPoint &corner : candidates) {
        const QRect placed(corner, frame);
        if (screen.contains(placed) && !placed.intersects(keepInSight)) {
            return corner;
        }
    }
    return std::nullopt;
}

void moveBeside(QWidget *dialog, const QRect &keepInSight)
{
    const QScreen *screen =
        dialog->parentWidget() ? dialog->parentWidget()->screen() : dialog->screen();
    const QSize frame = dialog->sizeHint().expandedTo(dialog->minimumSize()) +
                        QSize(kFrameAllowance, kFrameAllowance);
    if (const auto corner = placeBeside(keepInSight, frame, screen->availableGeometry())) {
        dialog->move(*corner);
    }
}
