// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"
#include "surface/columnplane.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <deque>
#include <initializer_list>
#include <optional>
#include <vector>

class PictureSurface;

// What a step keeps besides pixels: the picture name, the palette on the strip and whether the
// picture follows the strip.
struct StepState {
    QString pictureName;
    ShownPalette palette;
    bool livePalette = false;
    bool operator==(const StepState &other) const = default;
};

// The rectangle that holds every pixel in which two images of the same size and depth (32 or 16
// bits) differ; empty when they are the same.
QRect changedRect(const QImage &before, const QImage &after);

// A rectangle of a plane of strip columns, packed as runs of one column: a stroke's rectangle
// holds a few runs a row, where the plane itself holds two bytes a pixel. The whole plane is
// kept as it is, shared.
class PackedColumns {
public:
    PackedColumns() = default;
    PackedColumns(const QImage &plane, const QRect &area);
    // Writes the rectangle back into `plane` with its top-left corner at `at`.
    void unpack(QImage &plane, QPoint at) const;
    qsizetype bytes() const;

private:
    QSize size_;
    std::vector<StripColumn> runs_; // pairs of a length and a column, row after row
    QImage whole_;                  // the whole plane, when the rectangle is all of it
};

// The changes to the pictures, for undo and redo. A step is one change as the user sees it: a
// stroke, a colour replacement, a cleared canvas, the help panel, a new palette. It keeps only
// what it changed: for each picture, the rectangle that changed, before and after, and the
// picture name and palette before and after. The oldest steps are dropped once the steps together
// hold more than `capacity` bytes.
class History {
public:
    static constexpr qsizetype kDefaultCapacity = qsizetype(64) << 20; // 64 MiB

    explicit History(qsizetype capacity = kDefaultCapacity) : capacity_(capacity) {}

    // Begins a step that may change these surfaces; `state` is the one before it, `name` what
    // the user calls it ("Stroke", "Change palette"). The pictures are noted without copying
    // them: a surface copies its pixels on the first change.
    void begin(std::initializer_list<PictureSurface *> surfaces, const StepState &state,
               const QString &name = {});
    // Ends the step begun last, with the state after it. A step that changed no pixel and no
    // state is not kept. A new step drops the steps that could have been redone.
    void end(const StepState &state);
    bool recording() const { return !open_.empty(); }
    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    // The names of the step that undo and redo would take back or do again; empty when none.
    QString undoName() const { return done_.empty() ? QString() : done_.back().name; }
    QString redoName() const { return undone_.empty() ? QString() : undone_.back().name; }

    // Puts the last step's pixels back as they were before it and returns the state from before
    // it; nothing when there is no step to undo. Redo does the step again.
    std::optional<StepState> undo();
    std::optional<StepState> redo();

    // The names of the last `most` steps, newest first: those that could be redone, then those
    // that could be undone; `current` is where the step undo would take back is among them (the
    // number of steps that could be redone), `names.size()` or more when it is none of them;
    // `total` counts all the kept steps, of which the oldest is step 0.
    struct Timeline {
        QStringList names;
        int current = 0;
        int total = 0;
    };
    Timeline timeline(int most) const;

    // The bytes the kept steps hold, those that can be undone and those that can be redone.
    qsizetype bytes() const { return bytes_; }

private:
    struct Patch {
        PictureSurface *surface;
        QPoint at;
        QImage before;
        QImage after;
        PackedColumns columnsBefore; // empty where the surface keeps no columns
        PackedColumns columnsAfter;
    };
    struct Step {
        std::vector<Patch> patches;
        StepState before;
        StepState after;
        qsizetype bytes = 0;
        QString name;
    };
    struct Noted {
        PictureSurface *surface;
        QImage picture; // shares the surface's pixels until the surface changes
        QImage columns; // and its columns, null where it keeps none
    };

    static void put(const Patch &patch, const QImage &pixels, const PackedColumns &columns);
    // Takes the last step of `from` to `to`, putting its `pixels` and `columns` back; returns
    // its `state`.
    static std::optional<StepState> move(std::deque<Step> &from, std::deque<Step> &to,
                                         QImage Patch::*pixels, PackedColumns Patch::*columns,
                                         StepState Step::*state);

    qsizetype capacity_;
    std::deque<Step> done_;   // oldest first
    std::deque<Step> undone_; // the last undone last
    std::vector<Noted> open_;
    StepState openState_;
    QString openName_;
    qsizetype bytes_ = 0;
};
