// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

// The command line: --help, --version and --export-palette, which work without a display, and
// --palette. Qt's own options (-platform and the like) are taken out by the application object
// first.
struct CommandLineOutcome {
    int exitStatus; // 0 after help, version or an export; 1 for a fault
    QString text;   // what to print: the help, the version, or the one line naming the fault
};

// Before the application object: help or version when asked for, a fault in --palette, or an
// export of the palette (the answer says how it went); else nothing.
// `spelt`: the arguments as the system gave them (see nativeSpelling).
std::optional<CommandLineOutcome> answerWithoutDisplay(const QStringList &arguments,
                                                       const QList<QByteArray> &spelt = {});
// After it, on what Qt left: a fault for an unknown option or more than one picture, else
// nothing.
std::optional<CommandLineOutcome> unexpectedArguments(const QStringList &arguments);
// The picture to open at the start, named after the options; empty when there is none. Only on
// what Qt left.
QString startPicture(const QStringList &arguments);
// How the system spells an argument: the bytes among `spelt` (the program's arguments as it was
// given them) that decode to it, so that a file whose name is not UTF-8 can still be opened;
// else its UTF-8.
QByteArray nativeSpelling(const QString &argument, const QList<QByteArray> &spelt);
// The palette to start with: --palette N, else the first. The arguments are known to be sound.
PaletteNumber startPalette(const QStringList &arguments);
