// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Encoded pictures as the clipboard or a drop brings them.
#include "fuzzsupport.h"
#include "picture_files/picturefile.h"
#include "twicedecoded.h"

#include <cstddef>
#include <cstdint>

// Pictures of up to 4 million pixels: the same checks and refusals as at the program's 64
// million, within the 3 s and 700 MB an input may take under the sanitizers, twice decoded.
constexpr qint64 kFuzzedPixels = qint64(4) << 20;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // A picture is read, or refused with a reason: never both, never neither; and no pixel
    // shows what memory held before (two decodings agree).
    if (!sameTwice([&] { return readPictureBytes(bytes, kFuzzedPixels); })) {
        __builtin_trap();
    }
    return 0;
}
