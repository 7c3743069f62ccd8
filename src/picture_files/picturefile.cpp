// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/picturefile.h"

#include "picture_files/atomicfile.h"
#include "picture_files/completeness.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool fitsInMemory(QSize size)
{
    return qint64(size.width()) * size.height() <= kLargestPicturePixels;
}

// What a path names when it is no regular file, as the start of a sentence; empty for a
// regular file.
QString whatItIs(mode_t mode)
{
    if (S_ISREG(mode)) {
        return {};
    }
    if (S_ISDIR(mode)) {
        return QStringLiteral("It is a folder");
    }
    if (S_ISFIFO(mode)) {
        return QStringLiteral("It is a named pipe");
    }
    if (S_ISSOCK(mode)) {
        return QStringLiteral("It is a socket");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return QStringLiteral("It is a device");
    }
    return QStringLiteral("It is not a regular file");
}

} // namespace

PictureRead readPicture(const QString &path)
{
    // Opened without waiting, so a named pipe that nobody writes to cannot hold the program;
    // then only a regular file is read.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        const int error = errno;
        if (error == ENOENT) {
            return {{}, QStringLiteral("The file does not exist.")};
        }
        return {{},
                QStringLiteral("It cannot be opened: %1.")
                    .arg(QString::fromLocal8Bit(std::strerror(error)).toLower())};
    }
    QFile file;
    file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return {{}, QStringLiteral("It cannot be read.")};
    }
    if (const QString kind = whatItIs(status.st_mode); !kind.isEmpty()) {
        return {{}, kind + QStringLiteral(", not a picture file.")};
    }
    if (status.st_size > kLargestPictureFileBytes) {
        return {{},
                QStringLiteral("The file is %1 MiB; picture files of up to %2 MiB can be opened.")
                    .arg(status.st_size >> 20)
                    .arg(kLargestPictureFileBytes >> 20)};
    }
    // A file the system makes as it is read (under /proc) tells no size: read a little of it.
    constexpr qint64 kUnsizedRead = qint64(1) << 20;
    const QByteArray bytes = file.read(status.st_size > 0 ? status.st_size : kUnsizedRead);
    if (bytes.isEmpty()) {
        return {{}, QStringLiteral("The file is empty.")};
    }
    if (status.st_size > 0 && bytes.size() != status.st_size) {
        return {{}, QStringLiteral("It could not be read to its end.")};
    }
    return readPictureBytes(bytes);
}

PictureRead readPictureBytes(const QByteArray &bytes)
{
    if (bytes.isEmpty()) {
        return {{}, QStringLiteral("It holds no data.")};
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // The content decides the format, never a name.
    QImageReader reader(&buffer);
    // Every picture within the pixel limit fits, at up to eight bytes a pixel.
    reader.setAllocationLimit(int(kLargestPicturePixels * 8 >> 20));
    if (!reader.canRead()) {
        return {{}, QStringLiteral("It is not a picture in a format this program can read.")};
    }
    const QByteArray format = reader.format(); // known only before the picture is read
    const QSize size = reader.size();
    if (size.isValid() && !fitsInMemory(size)) {
        return {{}, tooLarge(size)};
    }
    if (const QString missing = missingPart(bytes, format); !missing.isEmpty()) {
        return {{}, QStringLiteral("The picture is incomplete: %1.").arg(missing)};
    }
    QImage picture;
    if (!reader.read(&picture)) {
        return {{}, QStringLiteral("The picture is damaged and cannot be read.")};
    }
    PictureRead read = checkPicture(picture);
    if (read.error.isEmpty() && format == "png") {
        read.recipe = findPngChunk(bytes, kRecipeChunkType);
    }
    return read;
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
                                    PictureFormat format, const QByteArray &recipe)
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
    if (format == PictureFormat::Png && !recipe.isEmpty()) {
        encoded = withPngChunk(encoded, kRecipeChunkType, recipe);
    }
    return writeFileAtomically(path, encoded);
}
