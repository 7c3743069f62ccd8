// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The smallest Qt Widgets program: one empty window, maximised, that closes itself after two
// seconds. Its peak memory is the yardstick for the program's.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.showMaximized();
    QTimer::singleShot(2000, &window, &QWidget::close);
    return application.exec();
}
