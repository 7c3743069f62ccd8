// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture_files/jpegreader.h"

// Decodes a WebP with libwebp: a still picture whole, or an animation's first frame on its
// canvas (what the frame leaves uncovered transparent, as the format says), refused when any
// byte is missing and before any pixel is allocated when it has more than `mostPixels` pixels.
DecodedPicture readWebp(const QByteArray &bytes, qint64 mostPixels);
