// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

std::function<bool(QSaveFile &)> &commitStep()
{
    static std::function<bool(QSaveFile &)> step;
    return step;
}

} // namespace

void setCommitStepForTesting(std::function<bool(QSaveFile &)> commit)
{
    commitStep() = std::move(commit);
}

std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &content)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return QCoreApplication::translate("PictureFiles",
                                           "The folder %1 does not exist and could not be created.")
            .arg(QDir::toNativeSeparators(folder));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    errno = 0;
    if (file.write(content) != content.size()) {
        // The system's own words ("No space left on device", "File too large"); Qt's error
        // text can be "Unknown error" for a write that stopped part-way.
        const QString reason = errno != 0 ? qt_error_string(errno) : file.errorString();
        file.cancelWriting();
        return reason;
    }
    const bool committed = commitStep() ? commitStep()(file) : file.commit();
    if (!committed) {
        const QString reason = file.errorString();
        return reason.isEmpty() || reason == QStringLiteral("Unknown error")
                   ? QCoreApplication::translate("PictureFiles",
                                                 "The finished file could not be put in place.")
                   : reason;
    }
    return std::nullopt;
}
