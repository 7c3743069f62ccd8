// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/history.h"

#include "surface/picturesurface.h"

#include <algorithm>
#include <cstring>

namespace {

// changedRect for images of pixels of type Pixel.
template <typename Pixel> QRect changedArea(const QImage &before, const QImage &after)
{
    const int width = before.width();
    const auto rowBytes = std::size_t(width) * sizeof(Pixel);
    int top = -1, bottom = -1, left = width, right = -1;
    for (int y = 0; y < before.height(); ++y) {
        const auto *was = reinterpret_cast<const Pixel *>(before.constScanLine(y));
        const auto *is = reinterpret_cast<const Pixel *>(after.constScanLine(y));
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

// Whether two images share their pixels, so that neither can have changed since.
bool shared(const QImage &a, const QImage &b)
{
    return a.constBits() == b.constBits();
}

} // namespace

QRect changedRect(const QImage &before, const QImage &after)
{
    Q_ASSERT(before.size() == after.size() && before.depth() == after.depth());
    if (shared(before, after)) {
        return {};
    }
    if (before.depth() == 16) {
        return changedArea<StripColumn>(before, after);
    }
    Q_ASSERT(before.depth() == 32);
    return changedArea<QRgb>(before, after);
}

PackedColumns::PackedColumns(const QImage &plane, const QRect &area) : size_(area.size())
{
    if (area == plane.rect()) {
        whole_ = plane;
        return;
    }
    constexpr StripColumn kLongestRun = 0xffff;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const StripColumn *row = columnRow(plane, y);
        for (int x = area.left(); x <= area.right();) {
            const StripColumn column = row[x];
            int end = x + 1;
            while (end <= area.right() && row[end] == column && end - x < kLongestRun) {
                ++end;
            }
            runs_.push_back(StripColumn(end - x));
            runs_.push_back(column);
            x = end;
        }
    }
}

qsizetype PackedColumns::bytes() const
{
    return whole_.isNull() ? qsizetype(runs_.size() * sizeof(StripColumn)) : whole_.sizeInBytes();
}

void PackedColumns::unpack(QImage &plane, QPoint at) const
{
    if (!whole_.isNull()) {
        plane = whole_;
        return;
    }
    std::size_t run = 0;
    for (int y = 0; y < size_.height(); ++y) {
        StripColumn *row = columnRow(plane, at.y() + y) + at.x();
        for (int x = 0; x < size_.width(); run += 2) {
            std::fill(row + x, row + x + runs_[run], runs_[run + 1]);
            x += runs_[run];
        }
    }
}

void History::begin(std::initializer_list<PictureSurface *> surfaces, const StepState &state,
                    const QString &name)
{
    openName_ = name;
    open_.clear();
    for (PictureSurface *surface : surfaces) {
        open_.push_back({surface, surface->Image(), surface->Columns()});
    }
    openState_ = state;
}

void History::end(const StepState &state)
{
    Step step{{}, openState_, state, 0, openName_};
    for (const Noted &noted : open_) {
        const QImage &now = noted.surface->Image();
        const QImage &columnsNow = noted.surface->Columns();
        const bool columns = !noted.columns.isNull() && !columnsNow.isNull();
        QRect changed = changedRect(noted.picture, now);
        if (columns && changed != now.rect()) {
            changed |= changedRect(noted.columns, columnsNow);
        }
        // A change of the whole picture keeps the pictures themselves, shared, not copies.
        auto part = [&](const QImage &image) {
            return changed == image.rect() ? image : image.copy(changed);
        };
        if (!changed.isEmpty()) {
            Patch patch{noted.surface, changed.topLeft(), part(noted.picture), part(now), {}, {}};
            if (columns) {
                patch.columnsBefore = PackedColumns(noted.columns, changed);
                patch.columnsAfter = PackedColumns(columnsNow, changed);
            }
            step.bytes +=
                2 * qsizetype(changed.width()) * changed.height() * qsizetype(sizeof(QRgb)) +
                patch.columnsBefore.bytes() + patch.columnsAfter.bytes();
            step.patches.push_back(std::move(patch));
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

void History::put(const Patch &patch, const QImage &pixels, const PackedColumns &columns)
{
    patch.surface->edit([&](QImage &image, QImage &plane) {
        const QRect area(patch.at, pixels.size());
        const auto rowBytes = std::size_t(area.width()) * sizeof(QRgb);
        for (int y = 0; y < area.height(); ++y) {
            std::memcpy(image.scanLine(area.top() + y) + area.left() * int(sizeof(QRgb)),
                        pixels.constScanLine(y), rowBytes);
        }
        if (!plane.isNull()) {
            columns.unpack(plane, patch.at);
        }
        return area;
    });
}

std::optional<StepState> History::undo()
{
    return move(done_, undone_, &Patch::before, &Patch::columnsBefore, &Step::before);
}

std::optional<StepState> History::redo()
{
    return move(undone_, done_, &Patch::after, &Patch::columnsAfter, &Step::after);
}

std::optional<StepState> History::move(std::deque<Step> &from, std::deque<Step> &to,
                                       QImage Patch::*pixels, PackedColumns Patch::*columns,
                                       StepState Step::*state)
{
    if (from.empty()) {
        return std::nullopt;
    }
    Step step = std::move(from.back());
    from.pop_back();
    for (const Patch &patch : step.patches) {
        put(patch, patch.*pixels, patch.*columns);
    }
    StepState result = step.*state;
    to.push_back(std::move(step));
    return result;
}

History::Timeline History::timeline(int most) const
{
    Timeline shown{{}, int(undone_.size()), int(undone_.size() + done_.size())};
    for (auto step = undone_.begin(); step != undone_.end() && shown.names.size() < most; ++step) {
        shown.names.append(step->name);
    }
    for (auto step = done_.rbegin(); step != done_.rend() && shown.names.size() < most; ++step) {
        shown.names.append(step->name);
    }
    return shown;
}
