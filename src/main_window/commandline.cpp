#include "main_window/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The parser with the program's only options, --help and --version.
struct Parser : QCommandLineParser {
    Parser()
    {
        setApplicationDescription(QStringLiteral(
            "A generative-art paint program: paint discs with colours picked from a random "
            "sine-wave palette, recolour, and save the canvas as a bitmap."));
        addHelpOption();
        addVersionOption();
    }
};

} // namespace

std::optional<CommandLineOutcome> helpOrVersion(const QStringList &arguments)
{
    Parser parser;
    parser.parse(arguments); // Qt's own options are still there: unknown ones are not faults yet
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        // Before the application object the parser cannot know the program's file name.
        return CommandLineOutcome{0,
                                  parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                            QCoreApplication::applicationName())};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        return CommandLineOutcome{
            0, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                             QCoreApplication::applicationVersion())};
    }
    return std::nullopt;
}

std::optional<CommandLineOutcome> unexpectedArguments(const QStringList &arguments)
{
    Parser parser;
    const QString program = QCoreApplication::applicationName();
    if (!parser.parse(arguments)) {
        return CommandLineOutcome{1, QStringLiteral("%1: %2\n").arg(program, parser.errorText())};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return CommandLineOutcome{
            1, QStringLiteral("%1: unexpected argument '%2': the program takes none\n")
                   .arg(program, parser.positionalArguments().first())};
    }
    return std::nullopt;
}
