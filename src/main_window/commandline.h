// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"

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
std::optional<CommandLineOutcome> answerWithoutDisplay(const QStringList &arguments);
// After it, on what Qt left: a fault for an unknown option or more than one picture, else
// nothing.
std::optional<CommandLineOutcome> unexpectedArguments(const QStringList &arguments);
// The picture to open at the start, named after the options; empty when there is none. Only on
// what Qt left.
QString startPicture(const QStringList &arguments);
// The palette to start with: --palette N, else the first. The arguments are known to be sound.
PaletteNumber startPalette(const QStringList &arguments);
