// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/picturerecipe.h"

#include "palette/paletteexport.h"
#include "palette/paletteline.h"
#include "palette/paletterandom.h"
#include "picture_files/pngchunk.h"
#include "surface/columnplane.h"

#include <QtEndian>

namespace {

constexpr char kFirstLine[] = "sinepaint recipe 1";
// The lines before the plane: a palette line of any sense is far shorter.
constexpr qsizetype kLongestHeader = 4096;
constexpr QRgb kColourBits = 0x00ffffff;

const QString kDamaged = QStringLiteral("its palette and strip columns are damaged");

// Whether the pixel at (x, y) shows the colour of the column it remembers.
bool showsItsColumn(QRgb pixel, StripColumn column, const StripColours &colours)
{
    return ((pixel ^ colours[column]) & kColourBits) == 0;
}

} // namespace

QByteArray encodeRecipe(const ShownPalette &palette, const QImage &picture, const QImage &columns,
                        qsizetype *dropped)
{
    const StripColours colours = stripColours(palette.waves);
    QByteArray plane(qsizetype(columns.width()) * columns.height() * 2, Qt::Uninitialized);
    auto *out = reinterpret_cast<uchar *>(plane.data());
    qsizetype notShown = 0;
    for (int y = 0; y < columns.height(); ++y) {
        const StripColumn *row = columnRow(columns, y);
        const auto *pixels = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < columns.width(); ++x, out += 2) {
            StripColumn column = row[x];
            if (column < kShownPaletteColumns && !showsItsColumn(pixels[x], column, colours)) {
                column = kNoColumn;
                ++notShown;
            }
            qToLittleEndian<quint16>(column, out);
        }
    }
    if (dropped) {
        *dropped = notShown;
    }
    return QByteArray(kFirstLine) + '\n' + paletteLine(palette).toUtf8() + '\n' +
           QByteArray::number(columns.width()) + ' ' + QByteArray::number(columns.height()) +
           '\n' + deflated(plane);
}

RecipeRead decodeRecipe(const QByteArray &recipe, const QImage &picture)
{
    Q_ASSERT(picture.depth() == 32);
    RecipeRead read;
    const qsizetype firstEnd = recipe.indexOf('\n');
    const qsizetype lineEnd = firstEnd < 0 ? -1 : recipe.indexOf('\n', firstEnd + 1);
    const qsizetype sizeEnd = lineEnd < 0 ? -1 : recipe.indexOf('\n', lineEnd + 1);
    if (sizeEnd < 0 || sizeEnd > kLongestHeader) {
        read.error = kDamaged;
        return read;
    }
    if (recipe.left(firstEnd) != kFirstLine) {
        read.error = QStringLiteral("its palette and strip columns are in a form this version "
                                    "cannot read");
        return read;
    }
    const PaletteLineRead line =
        readPaletteLine(QString::fromUtf8(recipe.mid(firstEnd + 1, lineEnd - firstEnd - 1)));
    if (!line.error.isEmpty()) {
        // Its first sentence, within this one.
        QString reason = line.error.section(QStringLiteral(". "), 0, 0).section(u'\n', 0, 0);
        reason = reason.endsWith(u'.') ? reason.chopped(1) : reason;
        read.error = QStringLiteral("its palette line cannot be read: %1")
                         .arg(reason.left(1).toLower() + reason.mid(1));
        return read;
    }
    const QByteArray size = recipe.mid(lineEnd + 1, sizeEnd - lineEnd - 1);
    const QByteArray expected = QByteArray::number(picture.width()) + ' ' +
                                QByteArray::number(picture.height());
    if (size != expected) {
        read.error = QStringLiteral("its strip columns are for a picture of another size");
        return read;
    }
    const auto plane = inflated(recipe.mid(sizeEnd + 1),
                                qsizetype(picture.width()) * picture.height() * 2);
    if (!plane) {
        read.error = kDamaged;
        return read;
    }
    const StripColours colours = stripColours(line.palette.waves);
    QImage columns(picture.size(), QImage::Format_Grayscale16);
    const auto *in = reinterpret_cast<const uchar *>(plane->constData());
    qsizetype notShown = 0;
    for (int y = 0; y < picture.height(); ++y) {
        StripColumn *row = columnRow(columns, y);
        const auto *pixels = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x, in += 2) {
            const StripColumn column = qFromLittleEndian<quint16>(in);
            if (column >= kShownPaletteColumns && column != kNoColumn) {
                read.error = QStringLiteral("its strip columns name a column past the strip's "
                                            "last, %1")
                                 .arg(kShownPaletteColumns - 1);
                return read;
            }
            notShown += column != kNoColumn && !showsItsColumn(pixels[x], column, colours);
            row[x] = column;
        }
    }
    if (notShown > 0) {
        read.error = QStringLiteral("its pixels no longer show its palette's colours (%1 differ), "
                                    "as if changed by another program")
                         .arg(notShown);
        return read;
    }
    PaletteRandom scratch; // the run's generator stays where it is
    read.palette = line.palette;
    read.palette.changed =
        !sameStrip(line.palette.waves, numberedPaletteWaves(line.palette.number, scratch));
    read.columns = columns;
    return read;
}
