// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class QSaveFile;

// Writes `content` to `path`, replacing any file of that name and creating its folder when
// missing. The file is written under a temporary name and renamed when complete, so a failure
// never leaves a partial file behind and an existing file stays as it was. Returns the reason,
// in words for the user, when it fails.
std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &content);

// The last step of every atomic write: flushing the file and renaming it over the old one. A
// test can put a step that fails in its place; an empty function puts QSaveFile::commit back.
void setCommitStepForTesting(std::function<bool(QSaveFile &)> commit);
