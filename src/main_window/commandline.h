#pragma once

#include <QStringList>

#include <optional>

// The command line: --help and --version, which work without a display, and nothing else.
// Qt's own options (-platform and the like) are taken out by the application object first.
struct CommandLineOutcome {
    int exitStatus; // 0 after help or version, 1 for an unknown option or any argument
    QString text;   // what to print: the help, the version, or the one line naming the fault
};

// Before the application object: help or version when asked for, else nothing.
std::optional<CommandLineOutcome> helpOrVersion(const QStringList &arguments);
// After it, on what Qt left: a fault for anything at all, else nothing.
std::optional<CommandLineOutcome> unexpectedArguments(const QStringList &arguments);
