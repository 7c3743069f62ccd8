// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QList<QTranslator *> installTranslations(const QLocale &locale)
{
    // The program's own translations are built into it; Qt's come with Qt.
    const std::pair<QString, QString> places[] = {
        {QStringLiteral("sinepaint"), QStringLiteral(":/i18n")},
        {QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
    };
    QList<QTranslator *> installed;
    for (const auto &[name, folder] : places) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, name, QStringLiteral("_"), folder) &&
            QCoreApplication::installTranslator(translator)) {
            installed.append(translator);
        } else {
            delete translator;
        }
    }
    return installed;
}
