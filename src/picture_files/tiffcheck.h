// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Why a TIFF is refused before Qt's reader decodes it, as a whole sentence; empty when it may be
// decoded: see tiffcheck.cpp.
QString tiffFault(const QByteArray &bytes, qint64 mostPixels);
