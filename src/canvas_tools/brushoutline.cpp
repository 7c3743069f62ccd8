// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/brushoutline.h"

#include "surface/picturesurface.h"

#include <cmath>
#include <cstdlib>

namespace {

// A line through `centre` (in device units) at a slope along its longer axis: `across` is how far
// the other coordinate moves for one device pixel along; `vertical` when it runs down.
struct GuideLine {
    bool vertical;
    double across;
};

void addPixel(OverlayPiece &piece, QPoint device, QRgb colour)
{
    piece.pixels.push_back({device, colour});
    piece.bounds |= QRect(device, QSize(1, 1));
}

// The outline's pixels on the grid's device pixels, whether they show the surface or not.
std::vector<OverlayPixel> outlinePixels(const DeviceGrid &grid, QPoint centre, int radius)
{
    // The device pixels around the disc, two beyond it on every side.
    const int margin = 2;
    const QRect box(
        QPoint(grid.firstDevice(centre.x() - radius, grid.origin.x()) - margin,
               grid.firstDevice(centre.y() - radius, grid.origin.y()) - margin),
        QPoint(grid.firstDevice(centre.x() + radius + 1, grid.origin.x()) - 1 + margin,
               grid.firstDevice(centre.y() + radius + 1, grid.origin.y()) - 1 + margin));
    enum Kind : char { outside, inside, light };
    std::vector<char> kinds(std::size_t(box.width()) * std::size_t(box.height()), outside);
    auto kindAt = [&](int x, int y) -> char & {
        return kinds[std::size_t(y - box.top()) * std::size_t(box.width()) +
                     std::size_t(x - box.left())];
    };
    auto has = [&](int x, int y, Kind kind) { return box.contains(x, y) && kindAt(x, y) == kind; };
    auto beside = [&](int x, int y, Kind kind) {
        return has(x - 1, y, kind) || has(x + 1, y, kind) || has(x, y - 1, kind) ||
               has(x, y + 1, kind);
    };
    // Each device column's offset from the centre in canvas pixels, and each row's half width.
    std::vector<int> across(std::size_t(box.width()));
    for (int x = box.left(); x <= box.right(); ++x) {
        across[std::size_t(x - box.left())] = std::abs(grid.shown({x, 0}).x() - centre.x());
    }
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const qint64 half = discHalfWidth(radius, grid.shown({0, y}).y() - centre.y());
        for (int x = box.left(); x <= box.right(); ++x) {
            if (across[std::size_t(x - box.left())] <= half) {
                kindAt(x, y) = inside;
            }
        }
    }
    std::vector<OverlayPixel> pixels;
    std::vector<QPoint> lights;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (kindAt(x, y) == outside && beside(x, y, inside)) {
                lights.push_back({x, y});
            }
        }
    }
    for (const QPoint at : lights) {
        kindAt(at.x(), at.y()) = light;
    }
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const char kind = kindAt(x, y);
            const bool dark = kind == outside && beside(x, y, light);
            if (kind == light || dark) {
                pixels.push_back({{x, y}, dark ? kOutlineDark : kOutlineLight});
            }
        }
    }
    return pixels;
}

} // namespace

OverlayPiece brushOutline(const DeviceGrid &grid, QPoint centre, int radius)
{
    // At a whole scale the outline is the same shape wherever it lies: it is worked out once for
    // each radius and scale, around the pixel (0, 0), and moved to its place.
    struct Shape {
        double scale = 0;
        int radius = -1;
        std::vector<OverlayPixel> pixels;
    };
    thread_local Shape last;
    std::vector<OverlayPixel> ownPixels;
    const std::vector<OverlayPixel> *pixels = &ownPixels;
    QPoint offset;
    if (grid.scale == std::floor(grid.scale)) {
        if (last.scale != grid.scale || last.radius != radius) {
            last = {grid.scale, radius, outlinePixels({grid.scale, {}, {}}, {}, radius)};
        }
        pixels = &last.pixels;
        const int scale = int(grid.scale);
        offset = (centre + grid.origin) * scale;
    } else {
        ownPixels = outlinePixels(grid, centre, radius);
    }
    OverlayPiece piece;
    piece.pixels.reserve(pixels->size());
    for (const OverlayPixel &pixel : *pixels) {
        if (grid.showsSurface(pixel.device + offset)) {
            addPixel(piece, pixel.device + offset, pixel.colour);
        }
    }
    return piece;
}

OverlayPiece mirrorGuides(const DeviceGrid &grid, Mirror mirror)
{
    const double root3 = std::sqrt(3.0);
    const GuideLine horizontal{false, 0}, vertical{true, 0};
    std::vector<GuideLine> lines;
    switch (mirror) {
    case Mirror::none:
        break;
    case Mirror::leftRight:
        lines = {vertical};
        break;
    case Mirror::topBottom:
        lines = {horizontal};
        break;
    case Mirror::fourWays:
        lines = {horizontal, vertical};
        break;
    case Mirror::kaleidoscope6: // at 0, 60 and 120 degrees
        lines = {horizontal, {true, 1 / root3}, {true, -1 / root3}};
        break;
    case Mirror::kaleidoscope8: // at 0, 45, 90 and 135 degrees
        lines = {horizontal, {false, 1}, vertical, {false, -1}};
        break;
    }
    // The middle pixel's centre, in device units.
    const QPointF middle(((grid.size.width() - 1) / 2 + 0.5 + grid.origin.x()) * grid.scale,
                         ((grid.size.height() - 1) / 2 + 0.5 + grid.origin.y()) * grid.scale);
    const QRect device = grid.deviceRect();
    OverlayPiece piece;
    for (const GuideLine &line : lines) {
        const double start = line.vertical ? middle.y() : middle.x();
        const double other = line.vertical ? middle.x() : middle.y();
        const int first = line.vertical ? device.top() : device.left();
        const int last = line.vertical ? device.bottom() : device.right();
        for (int along = first; along <= last; ++along) {
            if ((along - int(std::floor(start))) % 2 != 0) {
                continue; // dotted, a pixel on the middle's own
            }
            const int at = int(std::floor(other + (along + 0.5 - start) * line.across));
            const QPoint pixel = line.vertical ? QPoint(at, along) : QPoint(along, at);
            if (grid.showsSurface(pixel)) {
                addPixel(piece, pixel, kGuideColour);
            }
        }
    }
    return piece;
}
