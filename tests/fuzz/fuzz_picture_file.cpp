// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Picture files as File → Open… reads them.
#include "fuzzsupport.h"
#include "picture_files/picturefile.h"
#include "twicedecoded.h"

#include <QFile>
#include <QTemporaryDir>

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
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size)) {
        return 0;
    }
    file.close();
    // Read, or refused with a reason, never both, and the same over differently filled memory.
    if (!sameTwice([&] { return readPicture(path, kFuzzedPixels); })) {
        __builtin_trap();
    }
    return 0;
}
