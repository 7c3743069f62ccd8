// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/paletteexport.h"

#include "palette/paletteline.h"
#include "picture_files/atomicfile.h"
#include "picture_files/picturefile.h"

#include <QFileInfo>

QByteArray gimpPalette(const ShownPalette &palette)
{
    QByteArray file =
        "GIMP Palette\nName: sinepaint palette " + QByteArray::number(palette.number) + '\n';
    for (int x = 0; x < kShownPaletteColumns; ++x) {
        const QRgb colour = toQRgb(paletteColumnColor(palette.waves, x));
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

std::optional<QString> exportPalette(const ShownPalette &palette, const QString &path)
{
    const QString ending = QFileInfo(path).suffix().toLower();
    if (ending == QLatin1String("gpl")) {
        return writeFileAtomically(path, gimpPalette(palette));
    }
    if (ending == QLatin1String("png")) {
        return writePicture(paletteTexture(palette), path, PictureFormat::Png);
    }
    if (ending == QLatin1String("txt")) {
        return writeFileAtomically(path, paletteLine(palette).toUtf8() + '\n');
    }
    return QStringLiteral("The name must end in .gpl (a GIMP palette), .png (a picture one pixel "
                          "high) or .txt (the palette's line).");
}

QStringList paletteExportFilters()
{
    return {QStringLiteral("GIMP palette (*.gpl)"), QStringLiteral("PNG picture (*.png)"),
            QStringLiteral("Palette line (*.txt)")};
}
