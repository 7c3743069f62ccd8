#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <deque>
#include <initializer_list>
#include <optional>
#include <vector>

class PictureSurface;

// The rectangle that holds every pixel in which two images of the same size differ; empty when
// they are the same.
QRect changedRect(const QImage &before, const QImage &after);

// The changes to the pictures, for undo and redo. A step is one change as the user sees it: a
// stroke, a colour replacement, a cleared canvas, the help panel, a new palette. It keeps only
// what it changed: for each picture, the rectangle that changed, before and after, and the
// picture name before and after. The oldest steps are dropped once the steps together hold more
// than `capacity` bytes.
class History {
public:
    static constexpr qsizetype kDefaultCapacity = qsizetype(64) << 20; // 64 MiB

    explicit History(qsizetype capacity = kDefaultCapacity) : capacity_(capacity) {}

    // Begins a step that may change these surfaces; `name` is the picture name before it. The
    // pictures are noted without copying them: a surface copies its pixels on the first
    // change.
    void begin(std::initializer_list<PictureSurface *> surfaces, const QString &name);
    // Ends the step begun last, with the picture name after it. A step that changed no pixel and
    // no name is not kept. A new step drops the steps that could have been redone.
    void end(const QString &name);
    bool recording() const { return !open_.empty(); }

    // Puts the last step's pixels back as they were before it and returns the name from before
    // it; nothing when there is no step to undo. Redo does the step again.
    std::optional<QString> undo();
    std::optional<QString> redo();

    // The bytes the kept steps hold, those that can be undone and those that can be redone.
    qsizetype bytes() const { return bytes_; }

private:
    struct Patch {
        PictureSurface *surface;
        QPoint at;
        QImage before;
        QImage after;
    };
    struct Step {
        std::vector<Patch> patches;
        QString nameBefore;
        QString nameAfter;
        qsizetype bytes = 0;
    };
    struct Noted {
        PictureSurface *surface;
        QImage picture; // shares the surface's pixels until the surface changes
    };

    static void put(const Patch &patch, const QImage &pixels);
    // Takes the last step of `from` to `to`, putting its `pixels` back; returns its `name`.
    static std::optional<QString> move(std::deque<Step> &from, std::deque<Step> &to,
                                       QImage Patch::*pixels, QString Step::*name);

    qsizetype capacity_;
    std::deque<Step> done_;   // oldest first
    std::deque<Step> undone_; // the last undone last
    std::vector<Noted> open_;
    QString openName_;
    qsizetype bytes_ = 0;
};
