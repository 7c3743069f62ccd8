// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

// Where a dialog of `frame` (its size with the window frame) goes so that it covers none of
// `keepInSight` on a screen whose free area is `screen`: to the right of it, else to its left,
// else below it, else above it, each at the top (or left) of `keepInSight` where it fits.
// Nothing when the screen has no such room; the window manager places it then.
std::optional<QPoint> placeBeside(const QRect &keepInSight, const QSize &frame,
                                  const QRect &screen);

// Moves `dialog` beside `keepInSight` (global coordinates) on the screen it opens on, when
// that screen has room.
void moveBeside(QWidget *dialog, const QRect &keepInSight);
