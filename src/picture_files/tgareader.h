// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture_files/jpegreader.h"

// Whether the bytes look like a TGA picture: a TGA 2.0 footer at the end, or a header whose
// every field has one of the values the format allows.
bool looksLikeTga(const QByteArray &bytes);

// Decodes a TGA picture (colour-mapped, true-colour or grey, plain or run-length), refused when
// its pixel data, which ends where a TGA 2.0 file's extension area, developer area or footer
// begins, does not define every pixel, and before any pixel is allocated when it has more than
// `mostPixels` pixels.
DecodedPicture readTga(const QByteArray &bytes, qint64 mostPixels);
