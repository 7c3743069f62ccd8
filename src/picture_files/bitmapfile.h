#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// The extension saved pictures carry. The content is a bitmap all the same: users and their
// folders already hold pictures named this way.
inline constexpr char kPictureExtension[] = ".jpg";

// A Windows bitmap file of the image: the "BM" file header, a BITMAPINFOHEADER and uncompressed
// 24-bit rows, bottom row first, each padded to a multiple of 4 bytes.
QByteArray encodeBitmap(const QImage &image);

// SavePicture: writes the picture as a bitmap to `path`, replacing any file of that name. The
// file is written under a temporary name and renamed when complete, so a failure never leaves a
// partial file behind. Returns the reason, in words for the user, when it fails.
std::optional<QString> SavePicture(const QImage &picture, const QString &path);

// The folder pictures are saved in: the root of drive D: on Windows; elsewhere, where there
// are no drive letters, the user's Pictures folder.
QString defaultSaveFolder();

// The full path of the picture `name` in `folder`.
QString picturePath(const QString &folder, const QString &name);
