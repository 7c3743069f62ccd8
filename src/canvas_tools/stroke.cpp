// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/stroke.h"

#include "surface/picturesurface.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A turn by a multiple of the kaleidoscope's angle, as its exact cosine and sine where these are
// whole or halves, so that the turns by 90 and 180 degrees are exact.
struct Turn {
    double cosine, sine;
};
constexpr double kHalfRootTwo = 0.70710678118654752440;
constexpr double kHalfRootThree = 0.86602540378443864676;
constexpr Turn kSixTurns[] = {{1, 0},  {0.5, kHalfRootThree},   {-0.5, kHalfRootThree},
                              {-1, 0}, {-0.5, -kHalfRootThree}, {0.5, -kHalfRootThree}};
constexpr Turn kEightTurns[] = {
    {1, 0},  {kHalfRootTwo, kHalfRootTwo},   {0, 1},  {-kHalfRootTwo, kHalfRootTwo},
    {-1, 0}, {-kHalfRootTwo, -kHalfRootTwo}, {0, -1}, {kHalfRootTwo, -kHalfRootTwo}};

// The nearest whole number, halves away from zero.
int nearest(double value)
{
    return int(std::round(value));
}

// a / b rounded to the nearest whole number, halves upwards, for a positive b (as Line rounds).
int roundedDivision(int a, int b)
{
    const int twice = 2 * a + b;
    const int quotient = twice / (2 * b);
    return (twice % (2 * b) < 0) ? quotient - 1 : quotient;
}

void addOnce(std::vector<QPoint> &centres, QPoint centre)
{
    if (std::find(centres.begin(), centres.end(), centre) == centres.end()) {
        centres.push_back(centre);
    }
}

} // namespace

QString mirrorName(Mirror mirror)
{
    switch (mirror) {
    case Mirror::none:
        return QCoreApplication::translate("Mirror", "None");
    case Mirror::leftRight:
        return QCoreApplication::translate("Mirror", "Left and right");
    case Mirror::topBottom:
        return QCoreApplication::translate("Mirror", "Top and bottom");
    case Mirror::fourWays:
        return QCoreApplication::translate("Mirror", "Four ways");
    case Mirror::kaleidoscope6:
        return QCoreApplication::translate("Mirror", "Kaleidoscope 6");
    case Mirror::kaleidoscope8:
        return QCoreApplication::translate("Mirror", "Kaleidoscope 8");
    }
    return {};
}

Mirror nextMirror(Mirror mirror)
{
    const auto *at = std::find(std::begin(kMirrors), std::end(kMirrors), mirror);
    return ++at == std::end(kMirrors) ? kMirrors[0] : *at;
}

std::vector<QPoint> mirrorCentres(QPoint centre, Mirror mirror, QSize canvas)
{
    const QPoint middle((canvas.width() - 1) / 2, (canvas.height() - 1) / 2);
    std::vector<QPoint> centres{centre};
    const int acrossX = 2 * middle.x() - centre.x();
    const int acrossY = 2 * middle.y() - centre.y();
    switch (mirror) {
    case Mirror::none:
        break;
    case Mirror::leftRight:
        addOnce(centres, {acrossX, centre.y()});
        break;
    case Mirror::topBottom:
        addOnce(centres, {centre.x(), acrossY});
        break;
    case Mirror::fourWays:
        addOnce(centres, {acrossX, centre.y()});
        addOnce(centres, {centre.x(), acrossY});
        addOnce(centres, {acrossX, acrossY});
        break;
    case Mirror::kaleidoscope6:
    case Mirror::kaleidoscope8: {
        const QPoint offset = centre - middle;
        const bool six = mirror == Mirror::kaleidoscope6;
        const Turn *turns = six ? kSixTurns : kEightTurns;
        for (int k = 1; k < (six ? 6 : 8); ++k) {
            const double x = offset.x(), y = offset.y();
            const double c = turns[k].cosine, s = turns[k].sine;
            addOnce(centres, middle + QPoint(nearest(x * c - y * s), nearest(x * s + y * c)));
        }
        break;
    }
    }
    return centres;
}

std::vector<QPoint> lineSteps(QPoint from, QPoint to)
{
    const int dx = to.x() - from.x(), dy = to.y() - from.y();
    const int steps = std::max(std::abs(dx), std::abs(dy));
    std::vector<QPoint> points;
    points.reserve(std::size_t(steps) + 1);
    // As Line does, the other coordinate is counted from the end with the smaller coordinate on
    // the longer axis, so a line and its reverse cover the same pixels.
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const QPoint low = (alongX ? dx >= 0 : dy >= 0) ? from : to;
    const QPoint high = low == from ? to : from;
    for (int i = 0; i <= steps; ++i) {
        const int along =
            (alongX ? from.x() : from.y()) + (alongX ? (dx >= 0 ? i : -i) : (dy >= 0 ? i : -i));
        if (steps == 0) {
            points.push_back(from);
        } else if (alongX) {
            const int run = high.x() - low.x();
            points.emplace_back(
                along, low.y() + roundedDivision((high.y() - low.y()) * (along - low.x()), run));
        } else {
            const int run = high.y() - low.y();
            points.emplace_back(
                low.x() + roundedDivision((high.x() - low.x()) * (along - low.y()), run), along);
        }
    }
    return points;
}

QRect paintStroke(PictureSurface &canvas, std::optional<QPoint> from, QPoint to, int radius,
                  ColorValue colour, Mirror mirror, StripColumn column)
{
    return paintStroke(canvas, from, to, radius, mirror, [colour, column](int) {
        return DiscColour{colour, column};
    });
}

QRect paintStroke(PictureSurface &canvas, std::optional<QPoint> from, QPoint to, int radius,
                  Mirror mirror, const std::function<DiscColour(int place)> &colourAt)
{
    // The same discs as Circle paints in one colour, drawn row by row straight into the image:
    // a fast drag paints hundreds of them at once.
    std::vector<int> halfWidths;
    for (int dy = -radius; dy <= radius; ++dy) {
        halfWidths.push_back(int(discHalfWidth(radius, dy)));
    }
    const std::vector<QPoint> steps = from ? lineSteps(*from, to) : std::vector<QPoint>{to};
    const std::size_t first = from ? 1 : 0; // `from` has its disc already
    QRect painted;
    canvas.edit([&](QImage &image, QImage &columns) {
        const QRect bounds = image.rect();
        const bool remember = !columns.isNull();
        for (std::size_t i = first; i < steps.size(); ++i) {
            const DiscColour disc = colourAt(int(i));
            const QRgb pixel = toQRgb(disc.colour);
            for (const QPoint centre : mirrorCentres(steps[i], mirror, bounds.size())) {
                const QRect area(centre - QPoint(radius, radius),
                                 QSize(2 * radius + 1, 2 * radius + 1));
                if (!area.intersects(bounds)) {
                    continue;
                }
                painted |= area & bounds;
                for (int dy = -radius; dy <= radius; ++dy) {
                    const int row = centre.y() + dy;
                    const int half = halfWidths[std::size_t(dy + radius)];
                    const int left = std::max(centre.x() - half, 0);
                    const int right = std::min(centre.x() + half, bounds.right());
                    if (row < 0 || row > bounds.bottom() || left > right) {
                        continue;
                    }
                    auto *line = reinterpret_cast<QRgb *>(image.scanLine(row));
                    std::fill(line + left, line + right + 1, pixel);
                    if (remember) {
                        StripColumn *plane = columnRow(columns, row);
                        std::fill(plane + left, plane + right + 1, disc.column);
                    }
                }
            }
        }
        return painted;
    });
    return painted;
}

StripColumn walkedColumn(StripColumn start, int step, qint64 travelled, int columns)
{
    // There and back is one turn of 2 * (columns - 1) places.
    const qint64 turn = 2 * qint64(columns - 1);
    const qint64 place = (qint64(start) + travelled / std::max(step, 1)) % turn;
    return StripColumn(place < columns ? place : turn - place);
}

int pathSteps(QPoint from, QPoint to)
{
    return std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
}
