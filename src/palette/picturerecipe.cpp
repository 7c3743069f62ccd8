// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/picturerecipe.h"

#include "palette/paletteexport.h"
#include "palette/paletteline.h"
#include "palette/paletterandom.h"
#include "picture_files/pngchunk.h"
#include "surface/columnplane.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <vector>

namespace {

constexpr char kFirstLine[] = "sinepaint recipe 1";
// The lines before the plane: a palette line of any sense is far shorter.
constexpr qsizetype kLongestHeader = 4096;
constexpr QRgb kColourBits = 0x00ffffff;
// The longest run of one column written.
constexpr int kLongestRun = 0xffff;

QString damagedMessage()
{
    return QCoreApplication::translate("Palette", "its palette and strip columns are damaged");
}

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
    QByteArray runs;
    qsizetype notShown = 0;
    std::vector<StripColumn> kept(std::size_t(columns.width()));
    for (int y = 0; y < columns.height(); ++y) {
        const StripColumn *row = columnRow(columns, y);
        const auto *pixels = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < columns.width(); ++x) {
            StripColumn column = row[x];
            if (column < kShownPaletteColumns && !showsItsColumn(pixels[x], column, colours)) {
                column = kNoColumn;
                ++notShown;
            }
            kept[std::size_t(x)] = column;
        }
        for (int x = 0; x < columns.width();) {
            int end = x + 1;
            while (end < columns.width() && kept[std::size_t(end)] == kept[std::size_t(x)] &&
                   end - x < kLongestRun) {
                ++end;
            }
            char run[4];
            qToLittleEndian<quint16>(quint16(end - x), run);
            qToLittleEndian<quint16>(kept[std::size_t(x)], run + 2);
            runs.append(run, 4);
            x = end;
        }
    }
    if (dropped) {
        *dropped = notShown;
    }
    return QByteArray(kFirstLine) + '\n' + paletteLine(palette).toUtf8() + '\n' +
           QByteArray::number(columns.width()) + ' ' + QByteArray::number(columns.height()) + '\n' +
           deflated(runs);
}

RecipeRead decodeRecipe(const QByteArray &recipe, const QImage &picture)
{
    Q_ASSERT(picture.depth() == 32);
    RecipeRead read;
    const qsizetype firstEnd = recipe.indexOf('\n');
    const qsizetype lineEnd = firstEnd < 0 ? -1 : recipe.indexOf('\n', firstEnd + 1);
    const qsizetype sizeEnd = lineEnd < 0 ? -1 : recipe.indexOf('\n', lineEnd + 1);
    if (sizeEnd < 0 || sizeEnd > kLongestHeader) {
        read.error = damagedMessage();
        return read;
    }
    if (recipe.left(firstEnd) != kFirstLine) {
        read.error = QCoreApplication::translate(
            "Palette", "its palette and strip columns are in a form this version "
                       "cannot read");
        return read;
    }
    const PaletteLineRead line =
        readPaletteLine(QString::fromUtf8(recipe.mid(firstEnd + 1, lineEnd - firstEnd - 1)));
    if (!line.error.isEmpty()) {
        // Its first sentence, within this one.
        QString reason = line.error.section(QStringLiteral(". "), 0, 0);
        reason = reason.endsWith(u'.') ? reason.chopped(1) : reason;
        read.error = QCoreApplication::translate("Palette", "its palette line cannot be read: %1")
                         .arg(reason.left(1).toLower() + reason.mid(1));
        return read;
    }
    const QByteArray size = recipe.mid(lineEnd + 1, sizeEnd - lineEnd - 1);
    const QByteArray expected =
        QByteArray::number(picture.width()) + ' ' + QByteArray::number(picture.height());
    if (size != expected) {
        read.error = QCoreApplication::translate(
            "Palette", "its strip columns are for a picture of another size");
        return read;
    }
    // A run a pixel at most.
    const auto runs =
        inflated(recipe.mid(sizeEnd + 1), 4 * qsizetype(picture.width()) * picture.height());
    if (!runs) {
        read.error = damagedMessage();
        return read;
    }
    const StripColours colours = stripColours(line.palette.waves);
    QImage columns(picture.size(), QImage::Format_Grayscale16);
    const auto *in = reinterpret_cast<const uchar *>(runs->constData());
    const uchar *const end = in + runs->size();
    bool pastTheStrip = false;
    qsizetype notShown = 0;
    for (int y = 0; y < picture.height(); ++y) {
        StripColumn *row = columnRow(columns, y);
        const auto *pixels = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); in += 4) {
            const int length = end - in < 4 ? 0 : qFromLittleEndian<quint16>(in);
            if (length == 0 || length > picture.width() - x) { // the row's runs do not add up
                read.error = damagedMessage();
                return read;
            }
            const StripColumn column = qFromLittleEndian<quint16>(in + 2);
            std::fill(row + x, row + x + length, column);
            if (column != kNoColumn) {
                pastTheStrip |= column >= kShownPaletteColumns;
                for (int i = x; i < x + length && column < kShownPaletteColumns; ++i) {
                    notShown += !showsItsColumn(pixels[i], column, colours);
                }
            }
            x += length;
        }
    }
    if (in != end) {
        read.error = damagedMessage();
        return read;
    }
    if (pastTheStrip) {
        read.error = QCoreApplication::translate(
                         "Palette", "its strip columns name a column past the strip's last, %1")
                         .arg(kShownPaletteColumns - 1);
        return read;
    }
    if (notShown > 0) {
        read.error = QCoreApplication::translate(
                         "Palette", "its pixels no longer show its palette's colours (%1 differ), "
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
