// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/picturefile.h"

#include "picture_files/atomicfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <array>

namespace {

struct FormatName {
    const char *name;   // Qt's name of the format
    const char *filter; // the file dialog's filter
};
constexpr std::array<FormatName, 3> kFormats{{
    {"png", "PNG picture (*.png)"},
    {"bmp", "BMP picture (*.bmp)"},
    {"jpg", "JPEG picture (*.jpg *.jpeg)"},
}};

constexpr int kJpegQuality = 95;

FormatName formatName(PictureFormat format)
{
    return kFormats[std::size_t(format)];
}

QString tooLarge(QSize size)
{
    return QStringLiteral("The picture is %1 × %2 pixels; pictures of up to %3 million pixels "
                          "can be opened.")
        .arg(size.width())
        .arg(size.height())
        .arg(kLargestPicturePixels >> 20);
}

// Whether a JPEG file has its end: Qt's reader fills in what a cut-off file lacks. The end
// marker (FF D9) must follow the start of the last scan (FF DA), if that lies in the file's
// last part; within a scan the bytes FF D9 and FF DA cannot stand.
bool jpegIsComplete(QFile &file)
{
    constexpr qint64 kTail = 64 * 1024;
    if (!file.seek(std::max<qint64>(0, file.size() - kTail))) {
        return false;
    }
    const QByteArray tail = file.read(kTail);
    const qsizetype end = tail.lastIndexOf("\xff\xd9");
    return end >= 0 && tail.lastIndexOf("\xff\xda") < end;
}

bool fitsInMemory(QSize size)
{
    return qint64(size.width()) * size.height() <= kLargestPicturePixels;
}

} // namespace

PictureRead readPicture(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, file.errorString()};
    }
    if (file.size() == 0) {
        return {{}, QStringLiteral("The file is empty.")};
    }
    // Read from the open file, so the content decides the format, never the name.
    QImageReader reader(&file);
    if (!reader.canRead()) {
        return {{}, QStringLiteral("It is not a picture in a format this program can read.")};
    }
    const QByteArray format = reader.format(); // known only before the picture is read
    const QSize size = reader.size();
    if (size.isValid() && !fitsInMemory(size)) {
        return {{}, tooLarge(size)};
    }
    QImage picture;
    if (!reader.read(&picture)) {
        return {
            {},
            QStringLiteral("The picture is damaged or incomplete (%1).").arg(reader.errorString())};
    }
    if (format == "jpeg" && !jpegIsComplete(file)) {
        return {{}, QStringLiteral("The picture is damaged or incomplete (its end is missing).")};
    }
    return checkPicture(picture);
}

PictureRead checkPicture(const QImage &picture)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) {
        return {{}, QStringLiteral("It holds no picture.")};
    }
    if (!fitsInMemory(picture.size())) {
        return {{}, tooLarge(picture.size())};
    }
    return {picture, {}};
}

QImage fitToCanvas(const QImage &picture, QSize canvas, QRgb background)
{
    QImage fitted(canvas, QImage::Format_RGB32);
    fitted.fill(background);
    QPainter painter(&fitted);
    if (picture.size() == canvas) {
        painter.drawImage(0, 0, picture);
        return fitted;
    }
    const QImage scaled = picture.scaled(canvas, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawImage((canvas.width() - scaled.width()) / 2,
                      (canvas.height() - scaled.height()) / 2, scaled);
    return fitted;
}

std::optional<PictureFormat> formatOfName(const QString &path)
{
    const QString ending = QFileInfo(path).suffix().toLower();
    if (ending == QLatin1String("png")) {
        return PictureFormat::Png;
    }
    if (ending == QLatin1String("bmp")) {
        return PictureFormat::Bmp;
    }
    if (ending == QLatin1String("jpg") || ending == QLatin1String("jpeg")) {
        return PictureFormat::Jpeg;
    }
    return std::nullopt;
}

QString pictureEnding(PictureFormat format)
{
    return QString::fromLatin1(formatName(format).name);
}

QStringList saveFilters()
{
    QStringList filters;
    for (const FormatName &format : kFormats) {
        filters.append(QString::fromLatin1(format.filter));
    }
    return filters;
}

QStringList openFilters()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
    }
    return {QStringLiteral("Images (%1)").arg(patterns.join(u' ')),
            QStringLiteral("All files (*)")};
}

SaveTarget saveTarget(const QString &typedPath, PictureFormat chosen)
{
    const QFileInfo typed(typedPath);
    if (!typed.absoluteDir().exists()) {
        return {typedPath, chosen,
                QStringLiteral("The folder %1 does not exist.")
                    .arg(QDir::toNativeSeparators(typed.absolutePath()))};
    }
    if (const auto format = formatOfName(typedPath)) {
        return {typedPath, *format, {}};
    }
    if (!typed.suffix().isEmpty()) {
        return {typedPath, chosen,
                QStringLiteral("Pictures are saved as .png, .bmp or .jpg, not as .%1.")
                    .arg(typed.suffix().left(40))};
    }
    return {typedPath + u'.' + pictureEnding(chosen), chosen, {}};
}

std::optional<QString> writePicture(const QImage &picture, const QString &path,
                                    PictureFormat format)
{
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, formatName(format).name);
    if (format == PictureFormat::Jpeg) {
        writer.setQuality(kJpegQuality);
    }
    if (!writer.write(picture)) {
        return QStringLiteral("The picture could not be encoded (%1).").arg(writer.errorString());
    }
    return writeFileAtomically(path, encoded);
}
