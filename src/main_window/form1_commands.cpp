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
        return Row{"&Brush/&Mirror",
                   text,
                   {},
                   [mode](Form1 &form) { form.setMirror(mode); },
                   action,
                   nullptr,
                   false,
                   radio,
                   "Paint each disc again where this mirror puts it"};
    };
    // The platform's standard keys where there are such, and Ctrl and a letter of the caption
    // for the others: palette (G, as in generate), replace colour (R), brush (B).
    const auto key = [](QKeyCombination combination) { return QList{QKeySequence(combination)}; };
    const auto standard = [](QKeySequence::StandardKey action, QKeyCombination usual) {
        return QList{standardKey(action, usual)};
    };
    const Row rows[] = {
        {"&File", "&New image", standard(QKeySequence::New, Qt::CTRL | Qt::Key_N),
         &Form1::Command7_Click, &Commands::newImage, &Form1::Command7, false, plain,
         "Clear the canvas for a new picture under a new name"},
        {"&File", "&Open…", standard(QKeySequence::Open, Qt::CTRL | Qt::Key_O), &Form1::askToOpen,
         &Commands::open, nullptr, false, plain,
         "Open a picture onto the canvas (PNG, BMP, JPEG, GIF, WebP, TIFF and more)"},
        {"&File", "&Save on disk D:", standard(QKeySequence::Save, Qt::CTRL | Qt::Key_S),
         &Form1::Command6_Click, &Commands::save, &Form1::Command6, false, plain,
         "Save the canvas as a bitmap named after the date and time, in %1"},
        {"&File", "Save &As…", key(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &Form1::askToSaveAs,
         &Commands::saveAs, nullptr, false, plain,
         "Save the canvas as PNG, BMP or JPEG under a name you choose"},
        {"&File", "&Export animation…", key(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
         &Form1::askToExportAnimation, &Commands::exportAnimation, nullptr, false, plain,
         "Export one full cycle of the picture's live colours as an animated WebP or as PNG "
         "frames"},
        {"&File", "&Quit", standard(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q),
         &Form1::Command3_Click, &Commands::quit, &Form1::Command3, true, plain, "Close sinepaint"},
        {"&Edit",
         "&Undo",
         {QKeySequence(QKeySequence::Undo)},
         &Form1::undo,
         &Commands::undo,
         nullptr,
         false,
         plain,
         "Take back the last stroke, colour replacement, new image, picture or palette"},
        {"&Edit", "&Redo", redoKeys(), &Form1::redo, &Commands::redo, nullptr, false, plain,
         "Do again the step undo took back"},
        {"&Edit",
         "&Copy",
         {QKeySequence(QKeySequence::Copy)},
         &Form1::copyCanvas,
         &Commands::copy,
         nullptr,
         true,
         plain,
         "Copy the canvas as a picture"},
        {"&Edit",
         "&Paste",
         {QKeySequence(QKeySequence::Paste)},
         &Form1::pasteCanvas,
         &Commands::paste,
         nullptr,
         false,
         plain,
         "Paste a picture onto the canvas"},
        {"&Edit", "Change &color", key(Qt::CTRL | Qt::Key_R), &Form1::Command4_Click,
         &Commands::changeColor, &Form1::Command4, true, plain,
         "Arm a replacement: your next press on the canvas turns every pixel of the colour "
         "pressed into the painting colour"},
        {"&Edit", "Ca&ncel change color", key(Qt::Key_Escape), &Form1::cancelChangeColor,
         &Commands::cancelChangeColor, nullptr, false, plain,
         "Disarm change color, leaving the canvas as it is"},
        {"&Palette", "", {}, nullptr, &Commands::paletteTitle},
        {"&Palette", "Change &palette", key(Qt::CTRL | Qt::Key_G), &Form1::Command1_Click,
         &Commands::changePalette, &Form1::Command1, true, plain,
         "Draw a new random palette on the strip"},
        {"&Palette", "&Go to palette…", key(Qt::CTRL | Qt::SHIFT | Qt::Key_G),
         &Form1::askForPalette, &Commands::goToPalette, nullptr, false, plain,
         "Put a numbered palette, 1 to 1,000,000, on the strip"},
        {"&Palette", "&Edit palette…", key(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
         &Form1::askToEditPalette, &Commands::editPalette, nullptr, false, plain,
         "Change the phase, period, amplitude and offset of the strip's three waves"},
        {"&Palette", "&Browse palettes…", key(Qt::CTRL | Qt::SHIFT | Qt::Key_B),
         &Form1::askToBrowsePalettes, &Commands::browsePalettes, nullptr, false, plain,
         "Look through the kept palettes and the numbered ones, and take one"},
        {"&Palette", "&Variations…", key(Qt::CTRL | Qt::SHIFT | Qt::Key_J),
         &Form1::askForVariations, &Commands::variations, nullptr, false, plain,
         "See eight palettes near the strip's, and take one"},
        {"&Palette", "&Copy palette", key(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &Form1::copyPalette,
         &Commands::copyPalette, nullptr, false, plain, "Copy the palette as a line of text"},
        {"&Palette", "Pa&ste palette", key(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
         &Form1::pastePaletteCommand, &Commands::pastePalette, nullptr, false, plain,
         "Put the palette of a pasted line on the strip; several lines are kept"},
        {"&Palette", "&Keep palette", key(Qt::CTRL | Qt::Key_K), &Form1::keepPalette,
         &Commands::keepPalette, nullptr, false, plain, "Keep the strip's palette for this run"},
        {"&Palette", "&Export palette…", key(Qt::CTRL | Qt::Key_E), &Form1::askToExportPalette,
         &Commands::exportPalette, nullptr, false, plain,
         "Export the palette as a GIMP palette, a PNG, a text line, JSON, GLSL or CSS"},
        {"&Palette",
         "Export kep&t palettes…",
         {},
         &Form1::askToExportKeptPalettes,
         &Commands::exportKeptPalettes,
         nullptr,
         false,
         plain,
         "Export the kept palettes as lines of text or a folder of GIMP palettes"},
        {"&Palette", "&Live palette", key(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
         [](Form1 &form) { form.setLivePalette(form.commands_.livePalette->isChecked()); },
         &Commands::livePalette, nullptr, true, check,
         "Let the painted pixels follow the strip: each shows the colour of the strip column "
         "it was painted from"},
        {"&Palette", "C&ycle colours", key(Qt::CTRL | Qt::SHIFT | Qt::Key_Y),
         [](Form1 &form) { form.setCycleColours(form.commands_.cycleColours->isChecked()); },
         &Commands::cycleColours, nullptr, false, check,
         "Turn the strip's colours round and round; off, the palette stays where it stopped"},
        {"&Palette",
         "Cycle spee&d…",
         {},
         &Form1::askForCycleSpeed,
         &Commands::cycleSpeed,
         nullptr,
         false,
         plain,
         "Choose how many seconds one full turn of the colours takes"},
        {"&Brush", "&Brush selection", key(Qt::CTRL | Qt::Key_B), &Form1::Command2_Click,
         &Commands::brushSelection, &Form1::Command2, false, plain,
         "Make the brush one step larger: radius 2 to 10, then 2 again"},
        {"&Brush", "&Larger brush", key(Qt::Key_BracketRight), &Form1::growBrush,
         &Commands::largerBrush, nullptr, false, plain, "Make the brush larger, up to radius 10"},
        {"&Brush", "&Smaller brush", key(Qt::Key_BracketLeft), &Form1::shrinkBrush,
         &Commands::smallerBrush, nullptr, false, plain,
         "Make the brush smaller, down to radius 2"},
        {"&Brush", "&Connected strokes", key(Qt::CTRL | Qt::Key_L),
         [](Form1 &form) {
             form.setConnectedStrokes(form.commands_.connectedStrokes->isChecked());
         },
         &Commands::connectedStrokes, nullptr, true, check,
         "Paint a disc at every pixel between two pointer positions, for unbroken strokes"},
        {"&Brush", "Colour &along the stroke", key(Qt::CTRL | Qt::SHIFT | Qt::Key_A),
         [](Form1 &form) {
             form.setColourAlongStroke(form.commands_.colourAlongStroke->isChecked());
         },
         &Commands::colourAlongStroke, nullptr, false, check,
         "Let the colour walk along the strip from the column picked as the stroke goes on"},
        {"&Brush",
         "Colour s&tep…",
         {},
         &Form1::askForColourStep,
         &Commands::colourStep,
         nullptr,
         false,
         plain,
         "Choose how many pixels of a stroke's path each strip column lasts, with colour along "
         "the stroke"},
        mirrorRow("&None", &Commands::mirrorNone, Mirror::none),
        mirrorRow("&Left and right", &Commands::mirrorLeftRight, Mirror::leftRight),
        mirrorRow("&Top and bottom", &Commands::mirrorTopBottom, Mirror::topBottom),
        mirrorRow("&Four ways", &Commands::mirrorFourWays, Mirror::fourWays),
        mirrorRow("Kaleidoscope &6", &Commands::mirrorKaleidoscope6, Mirror::kaleidoscope6),
        mirrorRow("Kaleidoscope &8", &Commands::mirrorKaleidoscope8, Mirror::kaleidoscope8),
        {"&Brush/&Mirror", "&Next mirror", key(Qt::CTRL | Qt::Key_M), &Form1::stepMirror,
         &Commands::nextMirror, nullptr, true, plain, "Go on to the next mirror, round"},
        {"&Brush",
         "Show &guides",
         {},
         [](Form1 &form) { form.setShowGuides(form.commands_.showGuides->isChecked()); },
         &Commands::showGuides,
         nullptr,
         true,
         check,
         "Show the brush's outline under the pointer and the mirror's axes over the canvas"},
        {"&Help", "&Help", standard(QKeySequence::HelpContents, Qt::Key_F1), &Form1::Command8_Click,
         &Commands::help, &Form1::Command8, false, plain,
         "Show what each button does, on the canvas"},
        {"&Help", "&Keys and commands", key(Qt::CTRL | Qt::Key_F1), &Form1::showKeysAndCommands,
         &Commands::keysAndCommands, nullptr, false, plain,
         "List every command with its menu, key and what it does"},
        {"&Help",
         "&About sinepaint",
         {},
         &Form1::showAbout,
         &Commands::about,
         nullptr,
         true,
         plain,
         "Show the version, the licence and the Qt the program runs on"},
        {"&Help",
         "About &Qt",
         {},
         &Form1::showAboutQt,
         &Commands::aboutQt,
         nullptr,
         false,
         plain,
         "Show Qt's own about box"},
    };

    QHash<QString, QMenu *> menus;
    QHash<QMenu *, QActionGroup *> radioGroups;
    const auto menuAt = [&](const QString &path) {
        QMenu *&menu = menus[path];
        if (!menu) {
            const qsizetype slash = path.lastIndexOf(u'/');
            menu = slash < 0 ? menuBar()->addMenu(path)
                             : menus.value(path.left(slash))->addMenu(path.mid(slash + 1));
        }
        return menu;
    };
    for (const Row &row : rows) {
        QMenu *menu = menuAt(QString::fromUtf8(row.menu));
        if (row.separatorBefore) {
            menu->addSeparator();
        }
        QAction *action = menu->addAction(QString::fromUtf8(row.text));
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
        const QString tip = QString::fromUtf8(row.tip).replace(QStringLiteral("%1"), folder);
        action->setStatusTip(tip.isEmpty() ? QString() : tip + u'.');
        QStringList keys;
        for (const QKeySequence &sequence : row.keys) {
            keys.append(sequence.toString(QKeySequence::NativeText));
        }
        keysRows_.append(
            {QString::fromUtf8(row.menu).remove(u'&').replace(u'/', QStringLiteral(" → ")),
             QString::fromUtf8(row.text).remove(u'&').remove(u'…'), keys.join(QStringLiteral(", ")),
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
    historyMenu_ = new QMenu(QStringLiteral("&History"), edit);
    edit->insertMenu(edit->actions().value(edit->actions().indexOf(commands_.redo) + 1),
                     historyMenu_);
    connect(historyMenu_, &QMenu::aboutToShow, this, &Form1::fillHistoryMenu);
}

void Form1::showAbout()
{
    QMessageBox::about(
        this, QStringLiteral("About sinepaint"),
        QStringLiteral("<p><b>sinepaint %1</b></p>"
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
