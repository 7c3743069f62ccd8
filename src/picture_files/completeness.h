// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Whether the encoded picture `bytes`, in Qt's format `format` ("png", "jpeg", "gif", "bmp", ...),
// holds everything its headers promise. Qt's readers fill in what a cut-off file lacks, some
// with memory that was never written: a picture must prove it is whole before it is decoded.
// Returns what is missing, as the end of a sentence ("its end is missing"); empty when the
// picture is whole, or its format is one whose reader refuses a cut-off file by itself.
QString missingPart(const QByteArray &bytes, const QByteArray &format);
