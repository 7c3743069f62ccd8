// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <optional>

// Chunks of a PNG file of the program's own, which other programs pass over, and the zlib
// streams in them.

// The chunk that keeps a picture's recipe (its palette and strip columns): ancillary, private,
// and not to be copied by a program that changes the pixels.
inline constexpr char kRecipeChunkType[] = "spLP";

// The PNG `png` with a chunk of the four-letter `type` and `data` put just before its IEND
// chunk; `png` itself when it holds no IEND.
QByteArray withPngChunk(const QByteArray &png, const char (&type)[5], const QByteArray &data);

// The first chunk of `type` in `png`, untrusted: nothing when there is none (or `png` is no
// PNG), or its data; `damaged` when the chunk runs past the end of the file or its CRC does not
// match.
struct PngChunk {
    std::optional<QByteArray> data;
    bool damaged = false;
};
PngChunk findPngChunk(const QByteArray &png, const char (&type)[5]);

// `bytes` compressed as a zlib stream.
QByteArray deflated(const QByteArray &bytes);
// A zlib stream inflated: nothing when it is damaged, cut, followed by anything, or would be
// longer than `limit` bytes. Never holds more than `limit` bytes in memory, whatever the
// stream says.
std::optional<QByteArray> inflated(const QByteArray &stream, qsizetype limit);
