#include "picture_files/bitmapfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>

#include <cstring>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40; // BITMAPINFOHEADER
constexpr int kBitsPerPixel = 24;
constexpr int kPixelsPerMetre = 3780; // 96 dots per inch

void putLittleEndian16(char *at, quint16 value)
{
    qToLittleEndian(value, at);
}

void putLittleEndian32(char *at, quint32 value)
{
    qToLittleEndian(value, at);
}

} // namespace

QByteArray encodeBitmap(const QImage &image)
{
    const QImage source =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    const int width = source.width();
    const int height = source.height();
    const int rowBytes = (width * 3 + 3) & ~3;
    const int pixelOffset = kFileHeaderSize + kInfoHeaderSize;
    const qsizetype fileSize = pixelOffset + qsizetype(rowBytes) * height;

    QByteArray file(fileSize, '\0');
    char *header = file.data();
    header[0] = 'B';
    header[1] = 'M';
    putLittleEndian32(header + 2, quint32(fileSize));
    putLittleEndian32(header + 10, quint32(pixelOffset));
    char *info = header + kFileHeaderSize;
    putLittleEndian32(info + 0, kInfoHeaderSize);
    putLittleEndian32(info + 4, quint32(width));
    putLittleEndian32(info + 8, quint32(height)); // positive: bottom row first
    putLittleEndian16(info + 12, 1);              // planes
    putLittleEndian16(info + 14, kBitsPerPixel);
    putLittleEndian32(info + 16, 0); // BI_RGB, uncompressed
    putLittleEndian32(info + 20, quint32(rowBytes) * quint32(height));
    putLittleEndian32(info + 24, kPixelsPerMetre);
    putLittleEndian32(info + 28, kPixelsPerMetre);
    // Colours used and important colours stay 0: no colour table.

    auto *out = reinterpret_cast<uchar *>(file.data() + pixelOffset);
    for (int y = height - 1; y >= 0; --y, out += rowBytes) {
        const auto *row = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *pixel = out;
        for (int x = 0; x < width; ++x, pixel += 3) {
            pixel[0] = uchar(qBlue(row[x]));
            pixel[1] = uchar(qGreen(row[x]));
            pixel[2] = uchar(qRed(row[x]));
        }
    }
    return file;
}

std::optional<QString> SavePicture(const QImage &picture, const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("The folder %1 does not exist and could not be created.")
            .arg(QDir::toNativeSeparators(folder));
    }
    const QByteArray bytes = encodeBitmap(picture);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

QString defaultSaveFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("D:/");
#else
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
#endif
}

QString picturePath(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(name + QLatin1String(kPictureExtension));
}
