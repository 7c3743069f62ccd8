// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>

// The program's icon at 16 x 16 and 32 x 32 pixels: a sine-wave gradient with a brush dot.
QIcon sinepaintIcon();

// The icon's picture drawn for a side of `side` pixels: the gradient of one fixed palette
// squeezed into the width, and a black dot of a fifth of the side in the middle.
QImage sinepaintIconPicture(int side);
