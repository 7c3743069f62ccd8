#include "picture_files/bitmapwriter.h"

#include "picture_files/bitmapfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

std::optional<QString> BitmapWriter::SavePicture(const QImage &picture, const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("The folder %1 does not exist and could not be created.")
            .arg(QDir::toNativeSeparators(folder));
    }
    encodeBitmap(picture, encoded_);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    errno = 0;
    if (file.write(encoded_) != encoded_.size()) {
        // The system's own words ("No space left on device", "File too large"); Qt's error
        // text can be "Unknown error" for a write that stopped part-way.
        const QString reason = errno != 0 ? qt_error_string(errno) : file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}
