// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

// Animations written for other programs: a lossless animated WebP, or numbered PNG frames in
// a folder (frame-0000.png, frame-0001.png, ...) for ffmpeg and the like.

// The fewest and most frames of an animation, and the usual number.
inline constexpr int kFewestAnimationFrames = 2;
inline constexpr int kMostAnimationFrames = 240;
inline constexpr int kDefaultAnimationFrames = 60;

// Why an animation cannot go to `path`, in words for the user: an ending other than .webp for a
// file, or a folder that does not exist; nothing when it can.
std::optional<QString> animationTargetProblem(const QString &path);

// Writes `frames` frames, each `frame(k)` (of one size), shown `delayMs` each, to `path`: a
// .webp file, or an existing folder. `goOn(k)` is asked before each frame and stops the export
// when it answers false. The animation is written whole or not at all: a cancelled or failed
// export leaves nothing behind. Returns the reason when nothing was written.
std::optional<QString> writeAnimation(const QString &path, int frames, int delayMs,
                                      const std::function<QImage(int)> &frame,
                                      const std::function<bool(int)> &goOn);
