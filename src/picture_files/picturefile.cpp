// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/picturefile.h"

#include "picture_files/atomicfile.h"
#include "picture_files/completeness.h"
#include "picture_files/jpegreader.h"
#include "picture_files/picturemessages.h"
#include "picture_files/tgareader.h"
#include "picture_files/webpreader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
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

// How much of a file is read first, to tell its format.
constexpr qint64 kSniffedBytes = 64 * 1024;

const QLocale kEnglish(QLocale::English); // the program's sizes: 1,073,741,825

QString notAPictureMessage()
{
    return QCoreApplication::translate("PictureFiles",
                                       "It is not a picture in a format this program can read.");
}

FormatName formatName(PictureFormat format)
{
    return kFormats[std::size_t(format)];
}

bool fitsInMemory(QSize size, qint64 mostPixels)
{
    return qint64(size.width()) * size.height() <= mostPixels;
}

// What a path names when it is no regular file, as the start of a sentence; empty for a
// regular file.
QString whatItIs(mode_t mode)
{
    if (S_ISREG(mode)) {
        return {};
    }
    if (S_ISDIR(mode)) {
        return QCoreApplication::translate("PictureFiles", "It is a folder");
    }
    if (S_ISFIFO(mode)) {
        return QCoreApplication::translate("PictureFiles", "It is a named pipe");
    }
    if (S_ISSOCK(mode)) {
        return QCoreApplication::translate("PictureFiles", "It is a socket");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return QCoreApplication::translate("PictureFiles", "It is a device");
    }
    return QCoreApplication::translate("PictureFiles", "It is not a regular file");
}

// What a regular file is when the system makes it as it is read (under /proc or /sys): as a
// whole sentence; empty for a file on disk.
QString systemFileKind(int descriptor)
{
    struct statfs system {};
    if (::fstatfs(descriptor, &system) != 0) {
        return {};
    }
    if (system.f_type == PROC_SUPER_MAGIC) {
        return QCoreApplication::translate(
            "PictureFiles", "It is a file of the system's process information (under /proc), "
                            "not a picture file.");
    }
    if (system.f_type == SYSFS_MAGIC) {
        return QCoreApplication::translate(
            "PictureFiles", "It is a file of the system's device information (under /sys), "
                            "not a picture file.");
    }
    return {};
}

// Decodes a picture in one of the formats Qt reads for the program, once it has proved whole.
DecodedPicture readWithQt(const QByteArray &bytes, const QByteArray &format, qint64 mostPixels)
{
    if (const QString fault = pictureFault(bytes, format, mostPixels); !fault.isEmpty()) {
        return {{}, fault};
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    // Every picture within the pixel limit fits, at what the reader needs a pixel: up to 16
    // bytes (four floats) for a TIFF, 8 for the others.
    reader.setAllocationLimit(int(mostPixels * (format == "tiff" ? 16 : 8) >> 20) + 1);
    const QSize size = reader.size();
    if (size.isValid() && !fitsInMemory(size, mostPixels)) {
        return {{}, tooManyPixels(size.width(), size.height(), mostPixels)};
    }
    QImage picture;
    if (!reader.read(&picture)) {
        return {{}, damagedMessage()};
    }
    return {picture, {}};
}

} // namespace

QString tooManyPixels(qint64 width, qint64 height, qint64 mostPixels)
{
    return QCoreApplication::translate(
               "PictureFiles", "The picture is %1 × %2 pixels; pictures of up to %3 million pixels "
                               "can be opened.")
        .arg(width)
        .arg(height)
        .arg(mostPixels >> 20);
}

PictureRead readPicture(const QString &path, qint64 mostPixels)
{
    return readPictureFile(QFile::encodeName(path), mostPixels);
}

PictureRead readPictureFile(const QByteArray &nativePath, qint64 mostPixels)
{
    // Opened without waiting, so a named pipe that nobody writes to cannot hold the program;
    // then only a regular file is read.
    const int descriptor = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        const int error = errno;
        struct stat status {};
        if (::stat(nativePath.constData(), &status) == 0) {
            if (const QString kind = whatItIs(status.st_mode); !kind.isEmpty()) {
                return {{},
                        kind +
                            QCoreApplication::translate("PictureFiles", ", not a picture file.")};
            }
        }
        if (error == ENOENT) {
            return {{}, QCoreApplication::translate("PictureFiles", "The file does not exist.")};
        }
        return {{},
                QCoreApplication::translate("PictureFiles", "It cannot be opened: %1.")
                    .arg(QString::fromLocal8Bit(std::strerror(error)).toLower())};
    }
    QFile file;
    file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return {{}, QCoreApplication::translate("PictureFiles", "It cannot be read.")};
    }
    if (const QString kind = whatItIs(status.st_mode); !kind.isEmpty()) {
        return {{}, kind + QCoreApplication::translate("PictureFiles", ", not a picture file.")};
    }
    if (const QString system = systemFileKind(descriptor); !system.isEmpty()) {
        return {{}, system};
    }
    if (status.st_size > kLargestPictureFileBytes) {
        return {{},
                QCoreApplication::translate("PictureFiles",
                                            "The file is %1 bytes; picture files of up to 1 GiB "
                                            "(%2 bytes) can be opened.")
                    .arg(kEnglish.toString(qint64(status.st_size)),
                         kEnglish.toString(kLargestPictureFileBytes))};
    }
    if (status.st_size == 0) {
        return {{}, QCoreApplication::translate("PictureFiles", "The file is empty.")};
    }
    // The start tells the format: a file that is no picture is refused before the rest is read.
    QByteArray bytes = file.read(std::min<qint64>(status.st_size, kSniffedBytes));
    if (contentFormat(bytes).isEmpty()) {
        return {{}, notAPictureMessage()};
    }
    if (bytes.size() < status.st_size) {
        bytes += file.read(status.st_size - bytes.size());
    }
    if (bytes.size() != status.st_size) {
        return {{},
                QCoreApplication::translate("PictureFiles", "It could not be read to its end.")};
    }
    return readPictureBytes(bytes, mostPixels);
}

PictureRead readPictureBytes(const QByteArray &bytes, qint64 mostPixels)
{
    if (bytes.isEmpty()) {
        return {{}, QCoreApplication::translate("PictureFiles", "It holds no data.")};
    }
    // The content decides the format, never a name.
    const QByteArray format = contentFormat(bytes);
    if (format.isEmpty()) {
        return {{}, notAPictureMessage()};
    }
    DecodedPicture decoded;
    if (format == "jpeg") {
        decoded = readJpeg(bytes, mostPixels);
    } else if (format == "webp") {
        decoded = readWebp(bytes, mostPixels);
    } else if (format == "tga") {
        decoded = readTga(bytes, mostPixels);
    } else {
        decoded = readWithQt(bytes, format, mostPixels);
    }
    if (!decoded.error.isEmpty()) {
        return {{}, decoded.error};
    }
    PictureRead read = checkPicture(decoded.picture, mostPixels);
    if (read.error.isEmpty() && format == "png") {
        read.recipe = findPngChunk(bytes, kRecipeChunkType);
    }
    return read;
}

PictureRead checkPicture(const QImage &picture, qint64 mostPixels)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) {
        return {{}, QCoreApplication::translate("PictureFiles", "It holds no picture.")};
    }
    if (!fitsInMemory(picture.size(), mostPixels)) {
        return {{}, tooManyPixels(picture.width(), picture.height(), mostPixels)};
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
    return {QCoreApplication::translate(
                "PictureFiles",
                "Images (*.png *.jpg *.jpeg *.jpe *.jfif *.gif *.bmp *.dib *.webp *.tif "
                "*.tiff *.ico *.cur *.tga *.pbm *.pgm *.ppm *.pnm)"),
            QCoreApplication::translate("PictureFiles", "All files (*)")};
}

SaveTarget saveTarget(const QString &typedPath, PictureFormat chosen)
{
    const QFileInfo typed(typedPath);
    if (!typed.absoluteDir().exists()) {
        return {typedPath, chosen,
                QCoreApplication::translate("PictureFiles", "The folder %1 does not exist.")
                    .arg(QDir::toNativeSeparators(typed.absolutePath()))};
    }
    if (const auto format = formatOfName(typedPath)) {
        return {typedPath, *format, {}};
    }
    if (!typed.suffix().isEmpty()) {
        return {typedPath, chosen,
                QCoreApplication::translate("PictureFiles",
                                            "Pictures are saved as .png, .bmp or .jpg, not as .%1.")
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
        return QCoreApplication::translate("PictureFiles", "The picture could not be encoded (%1).")
            .arg(writer.errorString());
    }
    if (format == PictureFormat::Png && !recipe.isEmpty()) {
        encoded = withPngChunk(encoded, kRecipeChunkType, recipe);
    }
    return writeFileAtomically(path, encoded);
}
