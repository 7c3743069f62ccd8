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
    const auto reads = decodeTwice([&] { return readPicture(path); });
    if (reads.first.picture.isNull() == reads.first.error.isEmpty() ||
        reads.first.error != reads.second.error ||
        !samePixels(reads.first.picture, reads.second.picture)) {
        __builtin_trap();
    }
    return 0;
}
