// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Undo and redo: the steps recorded around each change, and the state that comes back with the
// pixels.

#include "main_window/form1.h"

#include "surface/picturebox.h"

#include <QAction>

void Form1::recordStep(PictureBox *box, const std::function<void()> &change)
{
    endStroke();
    history_.begin({&box->surface()}, currentState());
    change();
    history_.end(currentState());
    updateUndoCommands();
}

void Form1::endStroke()
{
    if (history_.recording()) {
        history_.end(currentState());
        updateUndoCommands();
    }
}

void Form1::undo()
{
    endStroke();
    if (const auto state = history_.undo()) {
        showState(*state);
    }
    updateUndoCommands();
}

void Form1::redo()
{
    endStroke();
    if (const auto state = history_.redo()) {
        showState(*state);
    }
    updateUndoCommands();
}

StepState Form1::currentState() const
{
    return {imeslike, palette_};
}

// The pixels are back already: the rest of the state follows them.
void Form1::showState(const StepState &state)
{
    imeslike = state.pictureName;
    palette_ = state.palette;
    const QString title = paletteTitle(palette_);
    Picture2->setToolTip(title);
    commands_.paletteTitle->setText(title);
}

void Form1::updateUndoCommands()
{
    commands_.undo->setEnabled(history_.canUndo());
    commands_.redo->setEnabled(history_.canRedo());
}
