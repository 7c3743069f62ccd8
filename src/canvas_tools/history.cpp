// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/history.h"

#include "surface/picturesurface.h"

#include <cstring>

QRect changedRect(const QImage &before, const QImage &after)
{
    Q_ASSERT(before.size() == after.size() && before.depth() == 32 && after.depth() == 32);
    const int width = before.width();
    const auto rowBytes = std::size_t(width) * sizeof(QRgb);
    int top = -1, bottom = -1, left = width, right = -1;
    for (int y = 0; y < before.height(); ++y) {
        const auto *was = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        const auto *is = reinterpret_cast<const QRgb *>(after.constScanLine(y));
        if (std::memcmp(was, is, rowBytes) == 0) {
            continue;
        }
        top = top < 0 ? y : top;
        bottom = y;
        int first = 0;
        while (was[first] == is[first]) {
            ++first;
        }
        int last = width - 1;
        while (was[last] == is[last]) {
            --last;
        }
        left = std::min(left, first);
        right = std::max(right, last);
    }
    if (top < 0) {
        return {};
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void History::begin(std::initializer_list<PictureSurface *> surfaces, const StepState &state,
                    const QString &name)
{
    openName_ = name;
    open_.clear();
    for (PictureSurface *surface : surfaces) {
        open_.push_back({surface, surface->Image()});
    }
    openState_ = state;
}

void History::end(const StepState &state)
{
    Step step{{}, openState_, state, 0, openName_};
    for (const Noted &noted : open_) {
        const QImage &now = noted.surface->Image();
        const QRect changed = changedRect(noted.picture, now);
        // A change of the whole picture keeps the pictures themselves, shared, not copies.
        auto part = [&](const QImage &image) {
            return changed == image.rect() ? image : image.copy(changed);
        };
        if (!changed.isEmpty()) {
            step.patches.push_back(
                {noted.surface, changed.topLeft(), part(noted.picture), part(now)});
            step.bytes +=
                2 * qsizetype(changed.width()) * changed.height() * qsizetype(sizeof(QRgb));
        }
    }
    open_.clear();
    if (step.patches.empty() && step.before == step.after) {
        return;
    }
    for (const Step &dropped : undone_) {
        bytes_ -= dropped.bytes;
    }
    undone_.clear();
    bytes_ += step.bytes;
    done_.push_back(std::move(step));
    while (bytes_ > capacity_ && !done_.empty()) {
        bytes_ -= done_.front().bytes;
        done_.pop_front();
    }
}

void History::put(const Patch &patch, const QImage &pixels)
{
    patch.surface->edit([&](QImage &image) {
        const QRect area(patch.at, pixels.size());
        const auto rowBytes = std::size_t(area.width()) * sizeof(QRgb);
        for (int y = 0; y < area.height(); ++y) {
            std::memcpy(image.scanLine(area.top() + y) + area.left() * int(sizeof(QRgb)),
                        pixels.constScanLine(y), rowBytes);
        }
        return area;
    });
}

std::optional<StepState> History::undo()
{
    return move(done_, undone_, &Patch::before, &Step::before);
}

std::optional<StepState> History::redo()
{
    return move(undone_, done_, &Patch::after, &Step::after);
}

std::optional<StepState> History::move(std::deque<Step> &from, std::deque<Step> &to,
                                       QImage Patch::*pixels, StepState Step::*state)
{
    if (from.empty()) {
        return std::nullopt;
    }
    Step step = std::move(from.back());
    from.pop_back();
    for (const Patch &patch : step.patches) {
        put(patch, patch.*pixels);
    }
    StepState result = step.*state;
    to.push_back(std::move(step));
    return result;
}
