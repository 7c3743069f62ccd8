// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/picturename.h"

QString pictureName(const QDateTime &moment)
{
    const QDate day = moment.date();
    const QTime time = moment.time();
    return QStringLiteral("T%1%2%3%4%5%6")
        .arg(day.year(), 4, 10, QLatin1Char('0'))
        .arg(day.month(), 2, 10, QLatin1Char('0'))
        .arg(day.day(), 2, 10, QLatin1Char('0'))
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'));
}

QDateTime localNow()
{
    return QDateTime::currentDateTime();
}
