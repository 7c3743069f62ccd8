// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/appicon.h"
#include "app/commandline.h"
#include "app/displaycheck.h"
#include "app/termination.h"
#include "app/translations.h"
#include "main_window/form1.h"

#include <QApplication>

#include <cstdio>

namespace {

int report(const CommandLineOutcome &outcome)
{
    std::fputs(qPrintable(outcome.text), outcome.exitStatus == 0 ? stdout : stderr);
    return outcome.exitStatus;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("sinepaint"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SINEPAINT_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(SINEPAINT_APP_ID));
    QStringList arguments;
    QList<QByteArray> spelt; // as the system gave them: a file name need not be UTF-8
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
        spelt.append(argv[i]);
    }
    if (const auto outcome = answerWithoutDisplay(arguments, spelt)) {
        return report(*outcome);
    }
    const auto application = openDisplay<QApplication>(argc, argv);
    if (const auto outcome = unexpectedArguments(QApplication::arguments())) {
        return report(*outcome);
    }
    installTranslations(QLocale::system()); // the language of LANGUAGE, LC_ALL, LC_MESSAGES, LANG
    QApplication::setWindowIcon(sinepaintIcon()); // the window's and every dialog's
    quitOnTerminationRequest();
    Form1 window(&localNow, Form1::defaultFolderForPictures(), startPalette(arguments));
    // A picture named on the command line comes in as File → Open… would bring it; one that
    // cannot be read is reported in the window.
    if (const QString picture = startPicture(QApplication::arguments()); !picture.isEmpty()) {
        window.openPictureFile(nativeSpelling(picture, spelt));
    }
    return application->exec();
}
