// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Undo and redo: the steps recorded around each change, and the state that comes back with the
// pixels.

#include "main_window/form1.h"

#include "main_window/statusline.h"
#include "surface/picturebox.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <cstdlib>

void Form1::recordStep(const QString &name, const std::function<void()> &change)
{
    endStroke();
    history_.begin({&Picture1->surface(), &Picture2->surface()}, currentState(), name);
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
    stepThroughHistory(true);
}

void Form1::redo()
{
    stepThroughHistory(false);
}

// One step back (undo) or forward (redo), said in the status bar.
void Form1::stepThroughHistory(bool back)
{
    stopCycle(); // the cycle's step first, then back or forth from there
    endStroke();
    const QString name = back ? history_.undoName() : history_.redoName();
    if (const auto state = back ? history_.undo() : history_.redo()) {
        showState(*state);
        statusLine_->remark((back ? tr("Undone: %1.") : tr("Redone: %1.")).arg(name));
    }
    updateUndoCommands();
}

StepState Form1::currentState() const
{
    return {imeslike, palette_, livePalette};
}

// The pixels are back already: the rest of the state follows them.
void Form1::showState(const StepState &state)
{
    imeslike = state.pictureName;
    palette_ = state.palette;
    stripWaves_ = palette_.waves; // the strip's pixels are the step's, never a cycle's turn
    livePalette = state.livePalette;
    commands_.livePalette->setChecked(livePalette);
    followColour();
    showStatus();
    const QString title = paletteTitle(palette_);
    Picture2->setToolTip(title + tr("\nPress to pick the colour under the pointer."));
    Picture2->setAccessibleDescription(title);
    commands_.paletteTitle->setText(title);
    statusLine_->showPalette(title);
}

void Form1::updateUndoCommands()
{
    // "Undo Stroke", "Redo Change palette": the menu names the step.
    const QString undone = cycleColours ? tr("Cycle colours") : history_.undoName();
    const QString redone = history_.redoName();
    commands_.undo->setText(undone.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undone));
    commands_.redo->setText(redone.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redone));
    commands_.undo->setEnabled(history_.canUndo() || cycleColours);
    commands_.redo->setEnabled(history_.canRedo());
}

// Edit → History: the last 30 steps, newest first, the one the canvas is just after marked;
// choosing one undoes or redoes to just after it.
void Form1::fillHistoryMenu()
{
    historyMenu_->clear();
    History::Timeline timeline = history_.timeline(30);
    auto *group = new QActionGroup(historyMenu_);
    auto add = [&](const QString &name, bool current) {
        QAction *item = historyMenu_->addAction(name);
        item->setCheckable(true);
        item->setChecked(current);
        group->addAction(item);
        return item;
    };
    if (cycleColours) {
        // A choice stops the cycle first: a step of its own, after which nothing is redone.
        connect(add(tr("Cycle colours"), true), &QAction::triggered, this, &Form1::stopCycle);
        timeline.names = timeline.names.mid(timeline.current, 29);
        timeline.total -= timeline.current;
        timeline.current = -1;
    }
    for (int place = 0; place < timeline.names.size(); ++place) {
        const int step = timeline.total - 1 - place;
        connect(add(timeline.names[place], place == timeline.current), &QAction::triggered, this,
                [this, step] { jumpInHistory(step); });
    }
    if (timeline.names.isEmpty() && !cycleColours) {
        historyMenu_->addAction(tr("No steps yet"))->setEnabled(false);
    }
}

void Form1::jumpInHistory(int step)
{
    stopCycle();
    endStroke();
    const History::Timeline now = history_.timeline(0);
    const int steps = (now.total - now.current - 1) - step; // undone: more than 0
    if (steps == 0) {
        return;
    }
    const bool back = steps > 0;
    std::optional<StepState> state;
    for (int count = 0; count < std::abs(steps); ++count) {
        state = back ? history_.undo() : history_.redo();
    }
    if (state) {
        showState(*state);
        const QString name = history_.undoName();
        statusLine_->remark(
            (back ? tr("Undone: %1 steps, %2.") : tr("Redone: %1 steps, %2."))
                .arg(std::abs(steps))
                .arg(name.isEmpty() ? tr("back to the start") : tr("to just after ") + name));
    }
    updateUndoCommands();
}
