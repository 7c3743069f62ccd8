// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QLocale>

class QTranslator;

// Puts the program's texts, and Qt's own (the standard buttons, file and message boxes), into
// the first of the locale's languages that has a translation; without one they stay English.
// Returns the translators installed, children of the application: deleting one takes its
// texts back.
QList<QTranslator *> installTranslations(const QLocale &locale);
