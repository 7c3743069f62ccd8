// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/tiffcheck.h"

#include "picture_files/bytereader.h"
#include "picture_files/picturemessages.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>

namespace {

QString dataDoesNotCover()
{
    return QCoreApplication::translate("PictureFiles", "its data does not cover the picture");
}

} // namespace

// TIFF: the first directory's strips or tiles, as many as the picture's rows and columns need,
// each within the file, and each uncompressed one as long as its rows; data compressed only in
// a way whose decoder refuses data that stops short, in a layout Qt's reader fills whole.
QString tiffFault(const QByteArray &bytes, qint64 mostPixels)
{
    const Bytes at(bytes);
    const bool little = bytes.startsWith("II");
    auto u16 = [&](qint64 place) { return little ? at.little16(place) : at.big16(place); };
    auto u32 = [&](qint64 place) { return little ? at.little32(place) : at.big32(place); };
    const qint64 directory = u32(4);
    const quint32 entries = u16(directory);
    if (!at.has(directory + 2, 12 * qint64(entries))) {
        return incompleteBecause(dataMissing());
    }
    // The values of a tag: SHORT (3) or LONG (4), in the entry when they fit, else where it says.
    auto values = [&](quint32 tag) {
        QList<qint64> found;
        for (quint32 i = 0; i < entries; ++i) {
            const qint64 entry = directory + 2 + 12 * qint64(i);
            if (u16(entry) != tag) {
                continue;
            }
            const quint32 type = u16(entry + 2), count = std::min<quint32>(u32(entry + 4), 1 << 20);
            const qint64 width = type == 3 ? 2 : 4;
            const qint64 place = width * count <= 4 ? entry + 8 : u32(entry + 8);
            // At most a million values in all, however many entries repeat the tag.
            for (quint32 k = 0;
                 k < count && found.size() < (1 << 20) && at.has(place + width * k, width); ++k) {
                found.append(type == 3 ? u16(place + width * k) : u32(place + width * k));
            }
        }
        return found;
    };
    auto value = [&](quint32 tag, qint64 otherwise) {
        const QList<qint64> found = values(tag);
        return found.isEmpty() ? otherwise : found.first();
    };
    // Entries in the order of their tags, as the format has them, and a predictor of one value,
    // none or horizontal: libtiff passes over a directory out of order or a predictor it cannot
    // take with a warning, and its decoding then leaves pixels unwritten.
    for (quint32 i = 1; i < entries; ++i) {
        if (u16(directory + 2 + 12 * qint64(i)) <= u16(directory + 2 + 12 * qint64(i - 1))) {
            return damagedMessage();
        }
    }
    if (const QList<qint64> predictor = values(317);
        !predictor.isEmpty() && (predictor.size() != 1 || predictor[0] < 1 || predictor[0] > 2)) {
        return damagedMessage();
    }
    const qint64 width = value(256, 0), height = value(257, 0);
    const qint64 compression = value(259, 1), samples = value(277, 1), bits = value(258, 1);
    if (width <= 0 || height <= 0 || samples <= 0 || bits <= 0) {
        return damagedMessage();
    }
    if (product(width, height) > mostPixels) {
        return tooManyPixels(width, height, mostPixels);
    }
    // Only data compressed so that its decoder refuses data that stops short, and only the
    // layouts Qt's reader fills row for row: grey, RGB with or without alpha, or a palette,
    // their samples in one plane, each as many bits as the first says. Grey and palette
    // pictures only uncompressed: Qt's reader goes on past a decoding error in them.
    const bool compressed = compression == 1 || compression == 5 || compression == 8 ||
                            compression == 32946 || compression == 32773;
    const qint64 photometric = value(262, -1), format = value(339, 1);
    const QList<qint64> sampleBits = values(258);
    const bool sameBits = std::all_of(sampleBits.begin(), sampleBits.end(),
                                      [&](qint64 each) { return each == bits; });
    const bool integers = format == 1 && (bits == 8 || bits == 16);
    const bool known =
        ((photometric == 0 || photometric == 1) && samples <= 2 && integers && compression == 1) ||
        (photometric == 2 && (samples == 3 || samples == 4) &&
         (integers || (format == 3 && (bits == 16 || bits == 32)))) ||
        (photometric == 3 && samples == 1 && format == 1 && bits == 8 && compression == 1);
    if (!compressed || !known || !sameBits || value(284, 1) != 1) {
        return QCoreApplication::translate(
            "PictureFiles", "The picture's data is stored in a way this program does not read.");
    }
    const bool tiled = !values(322).isEmpty();
    const qint64 across = tiled ? value(322, 0) : width;
    const qint64 down = tiled ? value(323, 0) : std::min(value(278, height), height);
    if (across <= 0 || down <= 0) {
        return damagedMessage();
    }
    const qint64 pieces = ((width + across - 1) / across) * ((height + down - 1) / down);
    const QList<qint64> offsets = values(tiled ? 324 : 273), counts = values(tiled ? 325 : 279);
    if (offsets.size() != pieces || counts.size() != offsets.size()) {
        return incompleteBecause(dataDoesNotCover());
    }
    const qint64 rowBits = product(product(across, samples), bits);
    const qint64 rowBytes = rowBits / 8 + (rowBits % 8 != 0 ? 1 : 0);
    for (qsizetype i = 0; i < offsets.size(); ++i) {
        // The last strip holds only the rows that are left.
        const qint64 first = tiled ? 0 : i * down;
        const qint64 rows = tiled ? down : std::min(down, height - first);
        if (!at.has(offsets[i], counts[i]) ||
            (compression == 1 && counts[i] < product(rowBytes, rows))) {
            return incompleteBecause(dataMissing());
        }
    }
    return {};
}
