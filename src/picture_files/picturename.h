// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

// The name of a picture begun at `moment`: "T" and year, month, day, hour (24-hour clock),
// minute and second, each zero-padded: T20270305210407. Always 15 characters.
QString pictureName(const QDateTime &moment);

// The local date and time now, as the clock the window starts with reads it.
QDateTime localNow();
