// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the program's icon into a hicolor icon theme folder, each size drawn for that size:
// make_icons FOLDER NAME writes FOLDER/NxN/apps/NAME.png for every size the theme lists.
#include "app/appicon.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: make_icons FOLDER NAME\n", stderr);
        return 2;
    }
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments[1]).arg(side);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, arguments[2]);
        if (!QDir().mkpath(folder) || !sinepaintIconPicture(side).save(file, "PNG")) {
            std::fprintf(stderr, "make_icons: could not write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
