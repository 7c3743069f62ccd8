// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Encoded pictures as the clipboard or a drop brings them.
#include "fuzzsupport.h"
#include "picture_files/picturefile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const PictureRead read =
        readPictureBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    // A picture is read, or refused with a reason: never both, never neither.
    if (read.picture.isNull() == read.error.isEmpty()) {
        __builtin_trap();
    }
    return 0;
}
