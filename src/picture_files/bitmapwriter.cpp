#include "picture_files/bitmapwriter.h"

#include "picture_files/bitmapfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

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
    if (file.write(encoded_) != encoded_.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}
