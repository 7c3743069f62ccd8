// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command table: every command with its menu, text, keys, handler and button, and the menu
// bar, keys and tooltips made from it. The About box is here too.

#include "main_window/form1.h"

#include "surface/picturebox.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The platform's key for a standard action, or `usual` where the platform has none.
QKeySequence standardKey(QKeySequence::StandardKey action, QKeyCombination usual)
{
    return QKeySequence::keyBindings(action).value(0, QKeySequence(usual));
}

// Both usual redo keys everywhere, and the platform's own besides.
QList<QKeySequence> redoKeys()
{
    QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                             QKeySequence(Qt::CTRL | Qt::Key_Y)};
    for (const QKeySequence &own : QKeySequence::keyBindings(QKeySequence::Redo)) {
        if (!keys.contains(own)) {
            keys.append(own);
        }
    }
    return keys;
}

} // namespace

void Form1::createMenus()
{
    // One row a menu item, in menu order; "&Brush/&Mirror" names a submenu. A row without a
    // handler is a title, not a command. A check item turns on and off; the radio items of a
    // menu are one group, of which one is chosen.
    enum Mark { plain, check, radio };
    struct Row {
        const char *menu;
        const char *text;
        QList<QKeySequence> keys;
        std::function<void(Form1 &)> handler;
        QAction *Commands::*action;
        QPushButton *Form1::*button = nullptr;
        bool separatorBefore = false;
        Mark mark = plain;
        const char *tip = nullptr; // what it does: the button's tooltip, with the key after it
    };
    const auto mirrorRow = [](const char *text, QAction *Commands::*action, Mirror mode) {
        return Row{QT_TR_NOOP("&Brush/&Mirror"),
                   text,
                   {},
                   [mode](Form1 &form) { form.setMirror(mode); },
                   action,
                   nullptr,
                   false,
                   radio,
                   QT_TR_NOOP("Paint each disc again where this mirror puts it")};
    };
    // The platform's standard keys where there are such, and Ctrl and a letter of the caption
    // for the others: palette (G, as in generate), replace colour (R), brush (B).
    const auto key = [](QKeyCombination combination) { return QList{QKeySequence(combination)}; };
    const auto standard = [](QKeySequence::StandardKey action, QKeyCombination usual) {
        return QList{standardKey(action, usual)};
    };
    const Row rows[] = {
        {QT_TR_NOOP("&File"), QT_TR_NOOP("&New image"),
         standard(QKeySequence::New, Qt::CTRL | Qt::Key_N), &Form1::Command7_Click,
         &Commands::newImage, &Form1::Command7, false, plain,
         QT_TR_NOOP("Clear the canvas for a new picture under a new name")},
        {QT_TR_NOOP("&File"), QT_TR_NOOP("&Open…"),
         standard(QKeySequence::Open, Qt::CTRL | Qt::Key_O), &Form1::askToOpen, &Commands::open,
         nullptr, false, plain,
         QT_TR_NOOP("Open a picture onto the canvas (PNG, BMP, JPEG, GIF, WebP, TIFF and more)")},
        {QT_TR_NOOP("&File"), QT_TR_NOOP("&Save on disk D:"),
         standard(QKeySequence::Save, Qt::CTRL | Qt::Key_S), &Form1::Command6_Click,
         &Commands::save, &Form1::Command6, false, plain,
         QT_TR_NOOP("Save the canvas as a bitmap named after the date and time, in %1")},
        {QT_TR_NOOP("&File"), QT_TR_NOOP("Save &As…"), key(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         &Form1::askToSaveAs, &Commands::saveAs, nullptr, false, plain,
         QT_TR_NOOP("Save the canvas as PNG, BMP or JPEG under a name you choose")},
        {QT_TR_NOOP("&File"), QT_TR_NOOP("&Export animation…"),
         key(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &Form1::askToExportAnimation,
         &Commands::exportAnimation, nullptr, false, plain,
         QT_TR_NOOP(
             "Export one full cycle of the picture's live colours as an animated WebP or as PNG "
             "frames")},
        {QT_TR_NOOP("&File"), QT_TR_NOOP("&Quit"),
         standard(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q), &Form1::Command3_Click,
         &Commands::quit, &Form1::Command3, true, plain, QT_TR_NOOP("Close sinepaint")},
        {QT_TR_NOOP("&Edit"),
         QT_TR_NOOP("&Undo"),
         {QKeySequence(QKeySequence::Undo)},
         &Form1::undo,
         &Commands::undo,
         nullptr,
         false,
         plain,
         QT_TR_NOOP(
             "Take back the last stroke, colour replacement, new image, picture or palette")},
        {QT_TR_NOOP("&Edit"), QT_TR_NOOP("&Redo"), redoKeys(), &Form1::redo, &Commands::redo,
         nullptr, false, plain, QT_TR_NOOP("Do again the step undo took back")},
        {QT_TR_NOOP("&Edit"),
         QT_TR_NOOP("&Copy"),
         {QKeySequence(QKeySequence::Copy)},
         &Form1::copyCanvas,
         &Commands::copy,
         nullptr,
         true,
         plain,
         QT_TR_NOOP("Copy the canvas as a picture")},
        {QT_TR_NOOP("&Edit"),
         QT_TR_NOOP("&Paste"),
         {QKeySequence(QKeySequence::Paste)},
         &Form1::pasteCanvas,
         &Commands::paste,
         nullptr,
         false,
         plain,
         QT_TR_NOOP("Paste a picture onto the canvas")},
        {QT_TR_NOOP("&Edit"), QT_TR_NOOP("Change &color"), key(Qt::CTRL | Qt::Key_R),
         &Form1::Command4_Click, &Commands::changeColor, &Form1::Command4, true, plain,
         QT_TR_NOOP(
             "Arm a replacement: your next press on the canvas turns every pixel of the colour "
             "pressed into the painting colour")},
        {QT_TR_NOOP("&Edit"), QT_TR_NOOP("Ca&ncel change color"), key(Qt::Key_Escape),
         &Form1::cancelChangeColor, &Commands::cancelChangeColor, nullptr, false, plain,
         QT_TR_NOOP("Disarm change color, leaving the canvas as it is")},
        {QT_TR_NOOP("&Palette"), "", {}, nullptr, &Commands::paletteTitle},
        {QT_TR_NOOP("&Palette"), QT_TR_NOOP("Change &palette"), key(Qt::CTRL | Qt::Key_G),
         &Form1::Command1_Click, &Commands::changePalette, &Form1::Command1, true, plain,
         QT_TR_NOOP("Draw a new random palette on the strip")},
        {QT_TR_NOOP("&Palette"), QT_TR_NOOP("&Go to palette…"),
         key(Qt::CTRL | Qt::SHIFT | Qt::Key_G), &Form1::askForPalette, &Commands::goToPalette,
         nullptr, false, plain, QT_TR_NOOP("Put a numbered palette, 1 to 1,000,000, on the strip")},
        {QT_TR_NOOP("&Palette"), QT_TR_NOOP("&Edit palette…"),
         key(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &Form1::askToEditPalette, &Commands::editPalette,
         nullptr, false, plain,
         QT_TR_NOOP("Change the phase, period, amplitude and offset of the strip's three waves")},
        {QT_TR_NOOP("&Palette"), QT_TR_NOOP("&Browse palettes…"),
         key(Qt::CTRL | Qt::SHIFT | Qt::Key_B), &Form1::askToBrowsePalettes,
         &Commands::browsePalettes, nullptr, false, plain,
         QT_TR_NOOP("Look through the kept palettes and the numbered ones, and take one")},
        {QT_TR_NOOP("&Palette"), QT_TR_NOOP("&Variations…"), key(Qt::CTRL | Qt::SHIFT | Qt::Key_J),
         &Form1::askForVariations, &Commands::variations, nullptr, false, plain,
         QT_TR_NOOP("See eight palettes near the strip's, and take one")},
        {QT_TR_NOOP("&Palette"), QT_TR_NOOP("&Copy palette"), key(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
         &Form1::copyPalette, &Commands::copyPalette, nullptr, false, plain,
         QT_TR_NOOP("Copy the palette as a line of text")},
        {QT_TR_NOOP("&Palette"), QT_TR_NOOP("Pa&ste palette"),
         key(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &Form1::pastePaletteCommand,
         &Commands::pastePalette, nullptr, false, plain,
         QT_TR_NOOP("Put the palette of a pasted line on the strip; several lines are kept")},
        {QT_TR_NOOP("&Palette"), QT_TR_NOOP("&Keep palette"), key(Qt::CTRL | Qt::Key_K),
         &Form1::keepPalette, &Commands::keepPalette, nullptr, false, plain,
         QT_TR_NOOP("Keep the strip's palette for this run")},
        {QT_TR_NOOP("&Palette"), QT_TR_NOOP("&Export palette…"), key(Qt::CTRL | Qt::Key_E),
         &Form1::askToExportPalette, &Commands::exportPalette, nullptr, false, plain,
         QT_TR_NOOP("Export the palette as a GIMP palette, a PNG, a text line, JSON, GLSL or CSS")},
        {QT_TR_NOOP("&Palette"),
         QT_TR_NOOP("Export kep&t palettes…"),
         {},
         &Form1::askToExportKeptPalettes,
         &Commands::exportKeptPalettes,
         nullptr,
         false,
         plain,
         QT_TR_NOOP("Export the kept palettes as lines of text or a folder of GIMP palettes")},
        {QT_TR_NOOP("&Palette"), QT_TR_NOOP("&Live palette"), key(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
         [](Form1 &form) { form.setLivePalette(form.commands_.livePalette->isChecked()); },
         &Commands::livePalette, nullptr, true, check,
         QT_TR_NOOP(
             "Let the painted pixels follow the strip: each shows the colour of the strip column "
             "it was painted from")},
        {QT_TR_NOOP("&Palette"), QT_TR_NOOP("C&ycle colours"),
         key(Qt::CTRL | Qt::SHIFT | Qt::Key_Y),
         [](Form1 &form) { form.setCycleColours(form.commands_.cycleColours->isChecked()); },
         &Commands::cycleColours, nullptr, false, check,
         QT_TR_NOOP(
             "Turn the strip's colours round and round; off, the palette stays where it stopped")},
        {QT_TR_NOOP("&Palette"),
         QT_TR_NOOP("Cycle spee&d…"),
         {},
         &Form1::askForCycleSpeed,
         &Commands::cycleSpeed,
         nullptr,
         false,
         plain,
         QT_TR_NOOP("Choose how many seconds one full turn of the colours takes")},
        {QT_TR_NOOP("&Brush"), QT_TR_NOOP("&Brush selection"), key(Qt::CTRL | Qt::Key_B),
         &Form1::Command2_Click, &Commands::brushSelection, &Form1::Command2, false, plain,
         QT_TR_NOOP("Make the brush one step larger: radius 2 to 10, then 2 again")},
        {QT_TR_NOOP("&Brush"), QT_TR_NOOP("&Larger brush"), key(Qt::Key_BracketRight),
         &Form1::growBrush, &Commands::largerBrush, nullptr, false, plain,
         QT_TR_NOOP("Make the brush larger, up to radius 10")},
        {QT_TR_NOOP("&Brush"), QT_TR_NOOP("&Smaller brush"), key(Qt::Key_BracketLeft),
         &Form1::shrinkBrush, &Commands::smallerBrush, nullptr, false, plain,
         QT_TR_NOOP("Make the brush smaller, down to radius 2")},
        {QT_TR_NOOP("&Brush"), QT_TR_NOOP("&Connected strokes"), key(Qt::CTRL | Qt::Key_L),
         [](Form1 &form) {
             form.setConnectedStrokes(form.commands_.connectedStrokes->isChecked());
         },
         &Commands::connectedStrokes, nullptr, true, check,
         QT_TR_NOOP(
             "Paint a disc at every pixel between two pointer positions, for unbroken strokes")},
        {QT_TR_NOOP("&Brush"), QT_TR_NOOP("Colour &along the stroke"),
         key(Qt::CTRL | Qt::SHIFT | Qt::Key_A),
         [](Form1 &form) {
             form.setColourAlongStroke(form.commands_.colourAlongStroke->isChecked());
         },
         &Commands::colourAlongStroke, nullptr, false, check,
         QT_TR_NOOP(
             "Let the colour walk along the strip from the column picked as the stroke goes on")},
        {QT_TR_NOOP("&Brush"),
         QT_TR_NOOP("Colour s&tep…"),
         {},
         &Form1::askForColourStep,
         &Commands::colourStep,
         nullptr,
         false,
         plain,
         QT_TR_NOOP(
             "Choose how many pixels of a stroke's path each strip column lasts, with colour along "
             "the stroke")},
        mirrorRow(QT_TR_NOOP("&None"), &Commands::mirrorNone, Mirror::none),
        mirrorRow(QT_TR_NOOP("&Left and right"), &Commands::mirrorLeftRight, Mirror::leftRight),
        mirrorRow(QT_TR_NOOP("&Top and bottom"), &Commands::mirrorTopBottom, Mirror::topBottom),
        mirrorRow(QT_TR_NOOP("&Four ways"), &Commands::mirrorFourWays, Mirror::fourWays),
        mirrorRow(QT_TR_NOOP("Kaleidoscope &6"), &Commands::mirrorKaleidoscope6,
                  Mirror::kaleidoscope6),
        mirrorRow(QT_TR_NOOP("Kaleidoscope &8"), &Commands::mirrorKaleidoscope8,
                  Mirror::kaleidoscope8),
        {QT_TR_NOOP("&Brush/&Mirror"), QT_TR_NOOP("&Next mirror"), key(Qt::CTRL | Qt::Key_M),
         &Form1::stepMirror, &Commands::nextMirror, nullptr, true, plain,
         QT_TR_NOOP("Go on to the next mirror, round")},
        {QT_TR_NOOP("&Brush"),
         QT_TR_NOOP("Show &guides"),
         {},
         [](Form1 &form) { form.setShowGuides(form.commands_.showGuides->isChecked()); },
         &Commands::showGuides,
         nullptr,
         true,
         check,
         QT_TR_NOOP(
             "Show the brush's outline under the pointer and the mirror's axes over the canvas")},
        {QT_TR_NOOP("&Help"), QT_TR_NOOP("&Help"), standard(QKeySequence::HelpContents, Qt::Key_F1),
         &Form1::Command8_Click, &Commands::help, &Form1::Command8, false, plain,
         QT_TR_NOOP("Show what each button does, on the canvas")},
        {QT_TR_NOOP("&Help"), QT_TR_NOOP("&Keys and commands"), key(Qt::CTRL | Qt::Key_F1),
         &Form1::showKeysAndCommands, &Commands::keysAndCommands, nullptr, false, plain,
         QT_TR_NOOP("List every command with its menu, key and what it does")},
        {QT_TR_NOOP("&Help"),
         QT_TR_NOOP("&About sinepaint"),
         {},
         &Form1::showAbout,
         &Commands::about,
         nullptr,
         true,
         plain,
         QT_TR_NOOP("Show the version, the licence and the Qt the program runs on")},
        {QT_TR_NOOP("&Help"),
         QT_TR_NOOP("About &Qt"),
         {},
         &Form1::showAboutQt,
         &Commands::aboutQt,
         nullptr,
         false,
         plain,
         QT_TR_NOOP("Show Qt's own about box")},
    };

    QHash<QString, QMenu *> menus;
    QHash<QMenu *, QActionGroup *> radioGroups;
    // Menus are found by their English path; their titles are in the user's language.
    const auto menuAt = [&](const char *path) {
        const QString own = QString::fromUtf8(path);
        QMenu *&menu = menus[own];
        if (!menu) {
            const QString title = tr(path).section(u'/', -1);
            const qsizetype slash = own.lastIndexOf(u'/');
            menu = slash < 0 ? menuBar()->addMenu(title)
                             : menus.value(own.left(slash))->addMenu(title);
        }
        return menu;
    };
    for (const Row &row : rows) {
        QMenu *menu = menuAt(row.menu);
        if (row.separatorBefore) {
            menu->addSeparator();
        }
        QAction *action = menu->addAction(*row.text ? tr(row.text) : QString());
        commands_.*row.action = action;
        if (!row.handler) {
            action->setEnabled(false);
            continue;
        }
        action->setCheckable(row.mark != plain);
        if (row.mark == radio) {
            QActionGroup *&group = radioGroups[menu];
            group = group ? group : new QActionGroup(menu);
            group->addAction(action);
        }
        action->setShortcuts(row.keys);
        addAction(action); // its key works wherever the focus is in the window
        connect(action, &QAction::triggered, this,
                [this, handler = row.handler] { handler(*this); });
        const QString folder = QDir::toNativeSeparators(QDir(saveFolder_).absolutePath());
        const QString tip = row.tip ? tr(row.tip).replace(QStringLiteral("%1"), folder) : QString();
        action->setStatusTip(tip.isEmpty() ? QString() : tip + u'.');
        QStringList keys;
        for (const QKeySequence &sequence : row.keys) {
            keys.append(sequence.toString(QKeySequence::NativeText));
        }
        keysRows_.append({tr(row.menu).remove(u'&').replace(u'/', QStringLiteral(" → ")),
                          action->text().remove(u'&').remove(u'…'), keys.join(QStringLiteral(", ")),
                          tip.isEmpty() ? tip : tip + u'.'});
        if (row.button) {
            QPushButton *button = this->*row.button;
            connect(button, &QPushButton::clicked, action, &QAction::trigger);
            button->setToolTip(QStringLiteral("%1 (%2)").arg(
                tip, row.keys.value(0).toString(QKeySequence::NativeText)));
        }
    }
    commands_.showGuides->setChecked(showGuides);
    // Edit → History, after Redo: filled from the history each time it opens.
    QMenu *edit = menus.value(QStringLiteral("&Edit"));
    historyMenu_ = new QMenu(tr("&History"), edit);
    edit->insertMenu(edit->actions().value(edit->actions().indexOf(commands_.redo) + 1),
                     historyMenu_);
    connect(historyMenu_, &QMenu::aboutToShow, this, &Form1::fillHistoryMenu);
}

void Form1::showAbout()
{
    QMessageBox::about(
        this, tr("About sinepaint"),
        tr("<p><b>sinepaint %1</b></p>"
           "<p>A generative-art paint program: paint with colours from palettes "
           "whose red, green and blue are sine waves.</p>"
           "<p>Copyright © The sinepaint developers. Licensed under the GNU General "
           "Public License, version 3 or later (GPL-3.0-or-later). This is free "
           "software: you are free to change and redistribute it. There is NO "
           "WARRANTY, to the extent permitted by law.</p>"
           "<p>Runs on Qt %2.</p>")
            .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion())));
}

void Form1::showAboutQt()
{
    QApplication::aboutQt();
}

void Form1::showKeysAndCommands()
{
    auto *window = new KeysWindow(keysRows_, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}
