// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Encoded pictures as the clipboard or a drop brings them.
#include "fuzzsupport.h"
#include "picture_files/picturefile.h"
#include "twicedecoded.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto reads = decodeTwice([&] { return readPictureBytes(bytes); });
    // A picture is read, or refused with a reason: never both, never neither; and no pixel
    // shows what memory held before (the two decodings agree).
    if (reads.first.picture.isNull() == reads.first.error.isEmpty() ||
        reads.first.error != reads.second.error ||
        !samePixels(reads.first.picture, reads.second.picture)) {
        __builtin_trap();
    }
    return 0;
}
