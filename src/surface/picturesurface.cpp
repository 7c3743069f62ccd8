// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/picturesurface.h"

#include "surface/devicepixels.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Coordinates far outside any surface are held at this distance, so that arithmetic on them
// cannot overflow and they stay outside.
constexpr qint64 kFarAway = qint64(1) << 24;

// A coordinate as a whole pixel: the nearest whole number, halves to the even neighbour.
qint64 toPixel(float coordinate)
{
    // Below 2^22, adding and taking away 1.5 * 2^23 leaves the float rounded to a whole number,
    // halves to even; anything larger is far outside every surface.
    constexpr float kRounder = 12582912.0f;
    if (std::fabs(coordinate) < 4194304.0f) {
        return static_cast<qint64>((coordinate + kRounder) - kRounder);
    }
    return coordinate < 0 ? -kFarAway : kFarAway; // NaN too
}

// numerator / denominator rounded to the nearest whole number, for a positive denominator.
qint64 roundedDivision(qint64 numerator, qint64 denominator)
{
    const qint64 twice = 2 * numerator + denominator;
    const qint64 quotient = twice / (2 * denominator);
    return (twice % (2 * denominator) < 0) ? quotient - 1 : quotient;
}

} // namespace

// The largest w with w*w + dy*dy <= r*r: half the width of a disc's row dy, or -1 outside it.
qint64 discHalfWidth(qint64 radius, qint64 dy)
{
    const qint64 room = radius * radius - dy * dy;
    if (room < 0) {
        return -1;
    }
    auto width = static_cast<qint64>(std::sqrt(static_cast<double>(room)));
    while (width * width > room) {
        --width;
    }
    while ((width + 1) * (width + 1) <= room) {
        ++width;
    }
    return width;
}

PictureSurface::PictureSurface(QSize drawableSize) : image_(drawableSize, QImage::Format_RGB32)
{
    image_.fill(toQRgb(backColor_));
    font.setStyleStrategy(QFont::NoAntialias);
}

void PictureSurface::paint(QPainter &painter, QPoint origin, const QRect &exposed) const
{
    const QRect area = exposed & QRect(origin, image_.size());
    const QTransform toDevice = painter.deviceTransform();
    if (area.isEmpty() || toDevice.type() <= QTransform::TxTranslate) {
        // One device pixel per image pixel.
        painter.drawImage(area.topLeft(), image_, area.translated(-origin));
        return;
    }
    // Scaled: the device pixels whose centres lie in the area, each from the pixel that
    // shownPixel names. The painter maps the logical pixel p to scale * (p + offset).
    const double scale = toDevice.m11();
    const QPointF offset = QPointF(toDevice.dx(), toDevice.dy()) / scale;
    const QPoint imageOrigin = (QPointF(origin) + offset).toPoint();
    auto firstCentreAt = [&](double logical) { return int(std::ceil(logical * scale - 0.5)); };
    const QPointF areaStart = QPointF(area.topLeft()) + offset;
    const QPointF areaEnd = QPointF(area.bottomRight() + QPoint(1, 1)) + offset;
    const QRect device(QPoint(firstCentreAt(areaStart.x()), firstCentreAt(areaStart.y())),
                       QPoint(firstCentreAt(areaEnd.x()) - 1, firstCentreAt(areaEnd.y()) - 1));
    if (device.isEmpty()) {
        return;
    }
    std::vector<int> columns(std::size_t(device.width()));
    for (int i = 0; i < device.width(); ++i) {
        columns[std::size_t(i)] = std::clamp(shownPixel(device.left() + i, scale, imageOrigin.x()),
                                             0, image_.width() - 1);
    }
    QImage shown(device.size(), QImage::Format_RGB32);
    for (int j = 0; j < device.height(); ++j) {
        const int row = std::clamp(shownPixel(device.top() + j, scale, imageOrigin.y()), 0,
                                   image_.height() - 1);
        const auto *from = reinterpret_cast<const QRgb *>(image_.constScanLine(row));
        auto *to = reinterpret_cast<QRgb *>(shown.scanLine(j));
        for (int i = 0; i < device.width(); ++i) {
            to[i] = from[columns[std::size_t(i)]];
        }
    }
    shown.setDevicePixelRatio(scale);
    painter.drawImage(QPointF(device.topLeft()) / scale - offset, shown);
}

void PictureSurface::copyFrom(const PictureSurface &other)
{
    Q_ASSERT(other.size() == size());
    image_ = other.image_;
    if (!columns_.isNull()) {
        columns_ = other.columns_.isNull() ? emptyColumnPlane(size()) : other.columns_;
        ++columnsVersion_;
    }
    notify(rect());
}

void PictureSurface::keepColumns()
{
    columns_ = emptyColumnPlane(size());
    ++columnsVersion_;
}

StripColumn PictureSurface::ColumnAt(float x, float y) const
{
    const auto pixel = pixelAt(x, y);
    if (columns_.isNull() || !pixel) {
        return kNoColumn;
    }
    return columnRow(columns_, pixel->y())[pixel->x()];
}

void PictureSurface::forgetColumns(const QRect &area)
{
    if (!columns_.isNull()) {
        fillColumns(columns_, area, kNoColumn);
        ++columnsVersion_;
    }
}

void PictureSurface::Line(float x1, float y1, float x2, float y2, ColorValue colour)
{
    qint64 xa = toPixel(x1), ya = toPixel(y1), xb = toPixel(x2), yb = toPixel(y2);
    const QRgb pixel = toQRgb(colour);
    const qint64 width = image_.width(), height = image_.height();
    uchar *bits = image_.bits();
    const qint64 stride = image_.bytesPerLine();
    const bool columns = !columns_.isNull();
    auto put = [&](qint64 x, qint64 y) {
        if (x >= 0 && x < width && y >= 0 && y < height) {
            reinterpret_cast<QRgb *>(bits + y * stride)[x] = pixel;
            if (columns) {
                columnRow(columns_, int(y))[x] = kNoColumn;
            }
        }
    };
    // Step along the longer axis, one pixel per step, and only over the part inside the image.
    if (xa == xb && ya != yb) {
        // A vertical line: straight down one column, over the rows inside the image.
        const qint64 top = std::max<qint64>(std::min(ya, yb), 0);
        const qint64 bottom = std::min(std::max(ya, yb), height - 1);
        for (qint64 y = top; y <= bottom; ++y) {
            put(xa, y);
        }
    } else if (std::abs(xb - xa) >= std::abs(yb - ya)) {
        if (xa > xb) {
            std::swap(xa, xb);
            std::swap(ya, yb);
        }
        const qint64 dx = xb - xa, dy = yb - ya;
        for (qint64 x = std::max<qint64>(xa, 0); x <= std::min(xb, width - 1); ++x) {
            put(x, dx == 0 ? ya : ya + roundedDivision(dy * (x - xa), dx));
        }
    } else {
        if (ya > yb) {
            std::swap(xa, xb);
            std::swap(ya, yb);
        }
        const qint64 dx = xb - xa, dy = yb - ya;
        for (qint64 y = std::max<qint64>(ya, 0); y <= std::min(yb, height - 1); ++y) {
            put(xa + roundedDivision(dx * (y - ya), dy), y);
        }
    }
    columnsVersion_ += columns;
    const QRect bounds(QPoint(int(std::min(xa, xb)), int(std::min(ya, yb))),
                       QPoint(int(std::max(xa, xb)), int(std::max(ya, yb))));
    notify(bounds & rect());
}

void PictureSurface::fillSpan(int y, int left, int right, QRgb pixel)
{
    if (y < 0 || y >= image_.height()) {
        return;
    }
    left = std::max(left, 0);
    right = std::min(right, image_.width() - 1);
    if (left <= right) {
        auto *row = reinterpret_cast<QRgb *>(image_.scanLine(y));
        std::fill(row + left, row + right + 1, pixel);
        forgetColumns(QRect(QPoint(left, y), QPoint(right, y)));
    }
}

void PictureSurface::Circle(float x, float y, float radius, ColorValue colour)
{
    const qint64 cx = toPixel(x), cy = toPixel(y), r = toPixel(radius);
    if (r < 0 || r >= kFarAway || cx + r < 0 || cy + r < 0 || cx - r >= image_.width() ||
        cy - r >= image_.height()) {
        return;
    }
    // Half the width of every row of the disc, with a row of -1 beyond each end.
    constexpr qint64 kSmallRadius = 64;
    qint64 smallRows[2 * kSmallRadius + 3];
    std::vector<qint64> largeRows;
    qint64 *halfWidths = smallRows;
    if (r > kSmallRadius) {
        largeRows.resize(std::size_t(2 * r + 3));
        halfWidths = largeRows.data();
    }
    halfWidths[0] = halfWidths[2 * r + 2] = -1;
    for (qint64 dy = -r; dy <= r; ++dy) {
        halfWidths[dy + r + 1] = discHalfWidth(r, dy);
    }

    const QRgb outline = toQRgb(colour);
    const QRgb inside = toQRgb(FillColor);
    const qint64 firstRow = std::max<qint64>(-r, -cy);
    const qint64 lastRow = std::min<qint64>(r, image_.height() - 1 - cy);
    for (qint64 dy = firstRow; dy <= lastRow; ++dy) {
        const int row = int(cy + dy);
        const qint64 *widths = halfWidths + dy + r + 1;
        const qint64 half = widths[0];
        if (FillStyle == kFillSolid) {
            fillSpan(row, int(cx - half), int(cx + half), inside);
        }
        // A pixel is on the outline when a neighbour in its row or column is outside the disc.
        const qint64 edge = std::min(half, std::min(widths[-1], widths[1]) + 1);
        if (FillStyle != kFillSolid || inside != outline) {
            fillSpan(row, int(cx - half), int(cx - edge), outline);
            fillSpan(row, int(cx + edge), int(cx + half), outline);
        }
    }
    notify(QRect(int(cx - r), int(cy - r), int(2 * r + 1), int(2 * r + 1)) & rect());
}

void PictureSurface::PSet(float x, float y, ColorValue colour)
{
    const qint64 px = toPixel(x), py = toPixel(y);
    if (px < 0 || py < 0 || px >= image_.width() || py >= image_.height()) {
        return;
    }
    reinterpret_cast<QRgb *>(image_.scanLine(int(py)))[px] = toQRgb(colour);
    forgetColumns(QRect(int(px), int(py), 1, 1));
    notify(QRect(int(px), int(py), 1, 1));
}

ColorValue PictureSurface::Point(float x, float y) const
{
    const auto pixel = pixelAt(x, y);
    if (!pixel) {
        return kNoColor;
    }
    return fromQRgb(reinterpret_cast<const QRgb *>(image_.constScanLine(pixel->y()))[pixel->x()]);
}

std::optional<QPoint> PictureSurface::pixelAt(float x, float y) const
{
    const qint64 px = toPixel(x), py = toPixel(y);
    if (px < 0 || py < 0 || px >= image_.width() || py >= image_.height()) {
        return std::nullopt;
    }
    return QPoint(int(px), int(py));
}

void PictureSurface::Cls()
{
    image_.fill(toQRgb(backColor_));
    forgetColumns(rect());
    CurrentX = 0;
    CurrentY = 0;
    notify(rect());
}

void PictureSurface::setBackColor(ColorValue colour)
{
    backColor_ = colour;
    image_.fill(toQRgb(backColor_));
    forgetColumns(rect());
    notify(rect());
}

void PictureSurface::Print(const QString &text)
{
    const int x = int(toPixel(CurrentX));
    const int y = int(toPixel(CurrentY));
    const QFontMetrics metrics(font, &image_);
    const QRect ink = metrics.boundingRect(text).translated(x, y + metrics.ascent());
    const QRect line(x, y, metrics.horizontalAdvance(text), metrics.height());
    const QRect changed = ink.united(line).adjusted(-1, -1, 1, 1) & rect();
    if (!changed.isEmpty()) {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(toQColor(ForeColor));
        painter.drawText(QPoint(x, y + metrics.ascent()), text);
        if (!columns_.isNull()) {
            forgetInkedColumns(text, QPoint(x, y + metrics.ascent()), changed);
        }
    }
    notify(changed);
    CurrentX = 0;
    CurrentY = float(y + metrics.height());
}

// The same text again, into a mask: the pixels it inks remember no column.
void PictureSurface::forgetInkedColumns(const QString &text, QPoint baseline, const QRect &area)
{
    ++columnsVersion_;
    QImage ink(area.size(), QImage::Format_Grayscale8);
    ink.fill(0);
    {
        QPainter painter(&ink);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(baseline - area.topLeft(), text);
    }
    for (int y = 0; y < area.height(); ++y) {
        const uchar *inked = ink.constScanLine(y);
        StripColumn *row = columnRow(columns_, area.top() + y) + area.left();
        for (int x = 0; x < area.width(); ++x) {
            if (inked[x] != 0) {
                row[x] = kNoColumn;
            }
        }
    }
}

void PictureSurface::Print(int number)
{
    Print(QString::number(number));
}

void PictureSurface::setChangeListener(std::function<void(const QRect &)> listener)
{
    changeListener_ = std::move(listener);
}

void PictureSurface::notify(const QRect &changed)
{
    if (batchDepth_ > 0) {
        batchedChanges_ |= changed;
    } else if (changeListener_ && !changed.isEmpty()) {
        changeListener_(changed);
    }
}

PictureSurface::ChangeBatch::ChangeBatch(PictureSurface &surface) : surface_(surface)
{
    ++surface_.batchDepth_;
}

PictureSurface::ChangeBatch::~ChangeBatch()
{
    if (--surface_.batchDepth_ == 0) {
        const QRect changed = std::exchange(surface_.batchedChanges_, QRect());
        surface_.notify(changed);
    }
}
