// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/paletteexport.h"

#include "palette/codeexport.h"
#include "palette/paletteline.h"
#include "picture_files/atomicfile.h"
#include "picture_files/picturefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

int swatchColumn(int i, int swatches)
{
    const int last = kShownPaletteColumns - 1;
    return (i * last + (swatches - 1) / 2) / (swatches - 1);
}

QByteArray gimpPalette(const ShownPalette &palette, int swatches)
{
    constexpr int kMostInARow = 64;
    QByteArray file = "GIMP Palette\nName: sinepaint palette " +
                      QByteArray::number(palette.number) +
                      "\nColumns: " + QByteArray::number(std::min(swatches, kMostInARow)) + '\n';
    for (int i = 0; i < swatches; ++i) {
        const QRgb colour = toQRgb(paletteColumnColor(palette.waves, swatchColumn(i, swatches)));
        file += QString::asprintf("%3d %3d %3d\n", qRed(colour), qGreen(colour), qBlue(colour))
                    .toLatin1();
    }
    return file;
}

QImage paletteTexture(const ShownPalette &palette)
{
    QImage texture(kShownPaletteColumns, 1, QImage::Format_RGB32);
    for (int x = 0; x < kShownPaletteColumns; ++x) {
        texture.setPixel(x, 0, toQRgb(paletteColumnColor(palette.waves, x)));
    }
    return texture;
}

std::optional<QString> exportPalette(const ShownPalette &palette, const QString &path, int swatches)
{
    const QString ending = QFileInfo(path).suffix().toLower();
    if (namesGimpPalette(path)) {
        if (swatches < kFewestSwatches || swatches > kShownPaletteColumns) {
            return QCoreApplication::translate("Palette",
                                               "A GIMP palette holds 2 to 525 swatches.");
        }
        return writeFileAtomically(path, gimpPalette(palette, swatches));
    }
    if (ending == QLatin1String("json")) {
        return writeFileAtomically(path, paletteJson(palette));
    }
    if (ending == QLatin1String("glsl")) {
        return writeFileAtomically(path, paletteGlsl(palette));
    }
    if (ending == QLatin1String("css")) {
        return writeFileAtomically(path, paletteCss(palette));
    }
    if (ending == QLatin1String("png")) {
        return writePicture(paletteTexture(palette), path, PictureFormat::Png);
    }
    if (ending == QLatin1String("txt")) {
        return writeFileAtomically(path, paletteLine(palette).toUtf8() + '\n');
    }
    return QCoreApplication::translate(
        "Palette", "The name must end in .gpl (a GIMP palette), .png (a picture one pixel "
                   "high), .txt (the palette's line), .json, .glsl or .css.");
}

std::optional<QString> exportKeptPalettes(const QList<ShownPalette> &kept, const QString &path)
{
    if (QFileInfo(path).suffix().toLower() == QLatin1String("txt")) {
        QByteArray lines;
        for (const ShownPalette &palette : kept) {
            lines += paletteLine(palette).toUtf8() + '\n';
        }
        return writeFileAtomically(path, lines);
    }
    const int digits = std::max(2, int(QString::number(kept.size()).size()));
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const QString name = QStringLiteral("%1-sinepaint-palette-%2%3.gpl")
                                 .arg(i + 1, digits, 10, QLatin1Char('0'))
                                 .arg(kept[i].number)
                                 .arg(kept[i].changed ? QStringLiteral("-changed") : QString());
        if (auto failure = writeFileAtomically(QDir(path).filePath(name), gimpPalette(kept[i]))) {
            return failure;
        }
    }
    return std::nullopt;
}

bool namesGimpPalette(const QString &path)
{
    return QFileInfo(path).suffix().toLower() == QLatin1String("gpl");
}

QStringList paletteExportFilters()
{
    return {QCoreApplication::translate("Palette", "GIMP palette (*.gpl)"),
            QCoreApplication::translate("Palette", "PNG picture (*.png)"),
            QCoreApplication::translate("Palette", "Palette line (*.txt)"),
            QCoreApplication::translate("Palette", "JSON for code (*.json)"),
            QCoreApplication::translate("Palette", "GLSL function (*.glsl)"),
            QCoreApplication::translate("Palette", "CSS gradient (*.css)")};
}
