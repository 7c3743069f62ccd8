// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

// The mouse buttons as a bit mask: 1 left, 2 right, 4 middle.
int buttonMask(Qt::MouseButtons buttons);
// The modifier keys as a bit mask: 1 Shift, 2 Ctrl, 4 Alt.
int shiftMask(Qt::KeyboardModifiers modifiers);
