// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"

#include "canvas_tools/livecolours.h"
#include "palette/paletteexport.h"
#include "palette/paletterandom.h"
#include "palette/picturerecipe.h"
#include "picture_files/animationfile.h"
#include "picture_files/picturefile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

namespace {

const QString kPalette = QStringLiteral("palette");
const QString kExportPalette = QStringLiteral("export-palette");
const QString kExportAnimation = QStringLiteral("export-animation");
const QString kFrames = QStringLiteral("frames");
const QString kCycleSeconds = QStringLiteral("cycle-seconds");

// The parser with the program's options.
struct Parser : QCommandLineParser {
    Parser()
    {
        // Qt's own options are single-dash words (-reverse, -style): read as one option each,
        // never as a cluster of letters, of which -v would ask for the version.
        setSingleDashWordOptionMode(ParseAsLongOptions);
        setApplicationDescription(QStringLiteral(
            "A generative-art paint program: paint discs with colours picked from a random "
            "sine-wave palette, recolour, and save the canvas as a bitmap."));
        addHelpOption();
        addVersionOption();
        addOption({kPalette,
                   QStringLiteral("Start with palette N (%1 to %2) instead of the first.")
                       .arg(kFirstPaletteNumber)
                       .arg(kLastPaletteNumber),
                   QStringLiteral("N")});
        addOption({kExportPalette,
                   QStringLiteral("Write the palette (the first, or that of --palette) to FILE "
                                  "and end, without opening a window. The ending of FILE picks "
                                  "the format: .gpl (GIMP palette), .png (a picture one pixel "
                                  "high), .txt (the palette's line), .json, .glsl (a function) "
                                  "or .css (a gradient)."),
                   QStringLiteral("FILE")});
        addOption({kExportAnimation,
                   QStringLiteral("Write one full cycle of the picture's live colours (a PNG "
                                  "saved by sinepaint, which keeps its palette and strip "
                                  "columns) to OUT and end, without opening a window: a "
                                  "lossless animated .webp, or numbered PNG frames into the "
                                  "folder OUT."),
                   QStringLiteral("OUT")});
        addOption({kFrames,
                   QStringLiteral("The animation's frames, %1 to %2 (%3 unless given).")
                       .arg(kFewestAnimationFrames)
                       .arg(kMostAnimationFrames)
                       .arg(kDefaultAnimationFrames),
                   QStringLiteral("F")});
        addOption({kCycleSeconds,
                   QStringLiteral("Seconds for one full turn of the colours, 1 to 60 (8 unless "
                                  "given)."),
                   QStringLiteral("T")});
        addPositionalArgument(QStringLiteral("picture"),
                              QStringLiteral("A picture to open, as File → Open… would."),
                              QStringLiteral("[picture]"));
    }
};

CommandLineOutcome fault(const QString &text)
{
    return {1, QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), text)};
}

// The --palette value as a number in range, or nothing.
std::optional<PaletteNumber> paletteValue(const QString &text)
{
    // Leading zeros count for nothing, however many there are.
    static const QRegularExpression digits(QStringLiteral("^0*([0-9]{1,7})$"));
    const QRegularExpressionMatch match = digits.match(text);
    const uint number = match.captured(1).toUInt();
    if (!match.hasMatch() || number < kFirstPaletteNumber || number > kLastPaletteNumber) {
        return std::nullopt;
    }
    return PaletteNumber(number);
}

// A whole number from `lowest` to `highest`, leading zeros counting for nothing.
std::optional<int> wholeNumber(const QString &text, int lowest, int highest)
{
    static const QRegularExpression digits(QStringLiteral("^0*([0-9]{1,4})$"));
    const QRegularExpressionMatch match = digits.match(text);
    const int number = match.captured(1).toInt();
    if (!match.hasMatch() || number < lowest || number > highest) {
        return std::nullopt;
    }
    return number;
}

// Why a file cannot be written under a name given on the command line: a name whose bytes are
// not UTF-8 came in with a replacement character for them, and writing it would make another
// file than the one named.
std::optional<QString> unwritableName(const QString &name)
{
    if (name.contains(QChar::ReplacementCharacter)) {
        return QStringLiteral("its name is not valid UTF-8 (shown with �), so it would be written "
                              "under another name");
    }
    return std::nullopt;
}

QString quoted(const QString &text)
{
    return text.size() > 40 ? text.left(40) + QStringLiteral("…") : text;
}

// --export-animation: the picture's recipe, cycled, written out.
CommandLineOutcome exportAnimation(const Parser &parser, const QList<QByteArray> &spelt)
{
    const auto frames =
        parser.isSet(kFrames)
            ? wholeNumber(parser.value(kFrames), kFewestAnimationFrames, kMostAnimationFrames)
            : kDefaultAnimationFrames;
    if (!frames) {
        return fault(QStringLiteral("--frames takes a whole number from %1 to %2, not '%3'")
                         .arg(kFewestAnimationFrames)
                         .arg(kMostAnimationFrames)
                         .arg(quoted(parser.value(kFrames))));
    }
    const auto seconds =
        parser.isSet(kCycleSeconds) ? wholeNumber(parser.value(kCycleSeconds), 1, 60) : 8;
    if (!seconds) {
        return fault(QStringLiteral("--cycle-seconds takes a whole number from 1 to 60, not '%1'")
                         .arg(quoted(parser.value(kCycleSeconds))));
    }
    if (parser.positionalArguments().size() != 1) {
        return fault(QStringLiteral("--export-animation takes one picture, a PNG saved by "
                                    "sinepaint"));
    }
    const QString path = parser.positionalArguments().first();
    const QString out = parser.value(kExportAnimation);
    if (const auto problem =
            unwritableName(out).has_value() ? unwritableName(out) : animationTargetProblem(out)) {
        return fault(
            QStringLiteral("the animation cannot be written to %1: %2").arg(out, *problem));
    }
    const PictureRead read = readPictureFile(nativeSpelling(path, spelt));
    if (!read.error.isEmpty()) {
        return fault(QStringLiteral("%1 cannot be read: %2").arg(path, read.error));
    }
    const QImage picture = read.picture.convertToFormat(QImage::Format_RGB32);
    const RecipeRead recipe =
        read.recipe.data ? decodeRecipe(*read.recipe.data, picture) : RecipeRead{};
    if (read.recipe.damaged || !recipe.error.isEmpty()) {
        return fault(QStringLiteral("the palette of %1 cannot be taken: %2")
                         .arg(path, read.recipe.damaged
                                        ? QStringLiteral("its palette and strip columns are "
                                                         "damaged")
                                        : recipe.error));
    }
    const ColumnRuns runs(recipe.columns);
    if (recipe.columns.isNull() || runs.count() == 0) {
        return fault(QStringLiteral("%1 remembers no strip column, so its colours cannot cycle: "
                                    "save a picture painted from the strip as .png in sinepaint")
                         .arg(path));
    }
    const PaletteWaves waves = recipe.palette.waves;
    if (const auto failure = writeAnimation(
            out, *frames, *seconds * 1000 / *frames,
            [&](int k) { return cycleFrame(picture, runs, waves, k, *frames); },
            [](int) { return true; })) {
        return fault(
            QStringLiteral("the animation could not be written to %1: %2").arg(out, *failure));
    }
    return {0, {}};
}

} // namespace

std::optional<CommandLineOutcome> answerWithoutDisplay(const QStringList &arguments,
                                                       const QList<QByteArray> &spelt)
{
    Parser parser;
    const bool parsed = parser.parse(arguments); // Qt's own options are still there
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        // Before the application object the parser cannot know the program's file name.
        return CommandLineOutcome{0,
                                  parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                            QCoreApplication::applicationName())};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        return CommandLineOutcome{
            0,
            QStringLiteral("%1 %2\n"
                           "Copyright (C) 2026 The sinepaint developers\n"
                           "License GPLv3+: GNU GPL version 3 or later "
                           "<https://gnu.org/licenses/gpl.html>.\n"
                           "This is free software: you are free to change and redistribute "
                           "it.\n"
                           "There is NO WARRANTY, to the extent permitted by law.\n")
                .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())};
    }
    std::optional<PaletteNumber> palette = kFirstPaletteNumber;
    if (parser.isSet(kPalette)) {
        palette = paletteValue(parser.value(kPalette));
        if (!palette) {
            return fault(QStringLiteral("--palette takes a whole number from %1 to %2, not '%3'")
                             .arg(kFirstPaletteNumber)
                             .arg(kLastPaletteNumber)
                             .arg(quoted(parser.value(kPalette))));
        }
    }
    if (parser.isSet(kExportAnimation)) {
        // No display: Qt's options have no meaning here, so anything unknown is a fault.
        return parsed ? exportAnimation(parser, spelt) : fault(parser.errorText());
    }
    if (!parser.isSet(kExportPalette)) {
        return std::nullopt;
    }
    // An export opens no display, so Qt's options have no meaning here: anything unknown is a
    // fault.
    if (!parsed) {
        return fault(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fault(QStringLiteral("unexpected argument '%1': an export opens no picture")
                         .arg(parser.positionalArguments().first()));
    }
    PaletteRandom random;
    const ShownPalette shown{*palette, numberedPaletteWaves(*palette, random), false};
    const QString path = parser.value(kExportPalette);
    if (const auto problem = unwritableName(path)) {
        return fault(QStringLiteral("the palette cannot be written to %1: %2").arg(path, *problem));
    }
    if (const auto failure = exportPalette(shown, path)) {
        return fault(QStringLiteral("the palette could not be written to %1: %2")
                         .arg(path, QString(*failure).replace(u'\n', u' ')));
    }
    return CommandLineOutcome{0, {}};
}

std::optional<CommandLineOutcome> unexpectedArguments(const QStringList &arguments)
{
    Parser parser;
    if (!parser.parse(arguments)) {
        return fault(parser.errorText());
    }
    if (parser.positionalArguments().size() > 1) {
        return fault(QStringLiteral("unexpected argument '%1': the program opens one picture")
                         .arg(parser.positionalArguments().at(1)));
    }
    return std::nullopt;
}

QByteArray nativeSpelling(const QString &argument, const QList<QByteArray> &spelt)
{
    for (const QByteArray &bytes : spelt) {
        if (QFile::decodeName(bytes) == argument) {
            return bytes;
        }
    }
    return QFile::encodeName(argument);
}

QString startPicture(const QStringList &arguments)
{
    Parser parser;
    parser.parse(arguments);
    return parser.positionalArguments().value(0);
}

PaletteNumber startPalette(const QStringList &arguments)
{
    Parser parser;
    parser.parse(arguments);
    return paletteValue(parser.value(kPalette)).value_or(kFirstPaletteNumber);
}
