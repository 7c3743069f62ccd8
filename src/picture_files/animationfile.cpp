// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/animationfile.h"

#include "picture_files/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <webp/encode.h>
#include <webp/mux.h>

#include <memory>

namespace {

QString cancelledMessage()
{
    return QCoreApplication::translate("PictureFiles", "The export was cancelled.");
}

bool isWebP(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("webp"), Qt::CaseInsensitive) == 0;
}

std::optional<QString> writeWebP(const QString &path, int frames, int delayMs,
                                 const std::function<QImage(int)> &frame,
                                 const std::function<bool(int)> &goOn)
{
    std::unique_ptr<WebPAnimEncoder, void (*)(WebPAnimEncoder *)> encoder(nullptr,
                                                                          WebPAnimEncoderDelete);
    WebPConfig config;
    if (!WebPConfigInit(&config) || !WebPConfigLosslessPreset(&config, 0)) {
        return QCoreApplication::translate("PictureFiles", "The WebP encoder could not be set up.");
    }
    for (int k = 0; k < frames; ++k) {
        if (!goOn(k)) {
            return cancelledMessage();
        }
        const QImage image = frame(k).convertToFormat(QImage::Format_RGB32);
        if (!encoder) {
            WebPAnimEncoderOptions options;
            WebPAnimEncoderOptionsInit(&options);
            options.anim_params.loop_count = 0; // for ever
            encoder.reset(WebPAnimEncoderNew(image.width(), image.height(), &options));
            if (!encoder) {
                return QCoreApplication::translate("PictureFiles",
                                                   "The WebP encoder could not be set up.");
            }
        }
        WebPPicture picture;
        WebPPictureInit(&picture);
        picture.use_argb = 1;
        picture.width = image.width();
        picture.height = image.height();
        // RGB32 lies in memory as blue, green, red and an unused byte.
        const bool imported =
            WebPPictureImportBGRX(&picture, image.constBits(), int(image.bytesPerLine())) != 0;
        const bool added =
            imported && WebPAnimEncoderAdd(encoder.get(), &picture, k * delayMs, &config) != 0;
        WebPPictureFree(&picture);
        if (!added) {
            return QCoreApplication::translate("PictureFiles", "Frame %1 could not be encoded.")
                .arg(k);
        }
    }
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAdd(encoder.get(), nullptr, frames * delayMs, nullptr) ||
        !WebPAnimEncoderAssemble(encoder.get(), &data)) {
        return QCoreApplication::translate("PictureFiles",
                                           "The animation could not be put together.");
    }
    const QByteArray bytes(reinterpret_cast<const char *>(data.bytes), qsizetype(data.size));
    WebPDataClear(&data);
    if (!goOn(frames)) {
        return cancelledMessage();
    }
    return writeFileAtomically(path, bytes);
}

// The frames go into a folder of their own inside the target and move out only when all are
// written.
std::optional<QString> writeFrames(const QString &folder, int frames,
                                   const std::function<QImage(int)> &frame,
                                   const std::function<bool(int)> &goOn)
{
    QTemporaryDir scratch(QDir(folder).filePath(QStringLiteral(".sinepaint-frames-XXXXXX")));
    if (!scratch.isValid()) {
        return QCoreApplication::translate("PictureFiles", "The folder %1 cannot be written to.")
            .arg(QDir::toNativeSeparators(folder));
    }
    const auto name = [](int k) {
        return QStringLiteral("frame-%1.png").arg(k, 4, 10, QLatin1Char('0'));
    };
    for (int k = 0; k < frames; ++k) {
        if (!goOn(k)) {
            return cancelledMessage();
        }
        if (!frame(k).save(scratch.filePath(name(k)), "PNG")) {
            return QCoreApplication::translate("PictureFiles", "Frame %1 could not be written.")
                .arg(k);
        }
    }
    if (!goOn(frames)) {
        return cancelledMessage();
    }
    QDir target(folder);
    for (int k = 0; k < frames; ++k) {
        target.remove(name(k)); // an earlier export's frame of that name
        if (!QFile::rename(scratch.filePath(name(k)), target.filePath(name(k)))) {
            for (int moved = 0; moved < k; ++moved) {
                target.remove(name(moved));
            }
            return QCoreApplication::translate("PictureFiles",
                                               "Frame %1 could not be put in place.")
                .arg(k);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> animationTargetProblem(const QString &path)
{
    const QFileInfo target(path);
    if (target.isDir()) {
        return std::nullopt;
    }
    if (!isWebP(path)) {
        return QCoreApplication::translate(
                   "PictureFiles",
                   "An animation is written as a .webp file or into a folder, not as "
                   "%1.")
            .arg(target.suffix().isEmpty()
                     ? QCoreApplication::translate("PictureFiles", "a file without an ending")
                     : u'.' + target.suffix().left(40));
    }
    if (!target.absoluteDir().exists()) {
        return QCoreApplication::translate("PictureFiles", "The folder %1 does not exist.")
            .arg(QDir::toNativeSeparators(target.absolutePath()));
    }
    return std::nullopt;
}

std::optional<QString> writeAnimation(const QString &path, int frames, int delayMs,
                                      const std::function<QImage(int)> &frame,
                                      const std::function<bool(int)> &goOn)
{
    if (const auto problem = animationTargetProblem(path)) {
        return problem;
    }
    if (frames < 1) {
        return QCoreApplication::translate("PictureFiles", "An animation has at least one frame.");
    }
    if (QFileInfo(path).isDir()) {
        return writeFrames(path, frames, frame, goOn);
    }
    return writeWebP(path, frames, delayMs, frame, goOn);
}
