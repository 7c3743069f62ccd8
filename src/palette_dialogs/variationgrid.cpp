// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette_dialogs/variationgrid.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

// The frame around the current cell, outside it.
constexpr int kFrame = 3;

} // namespace

VariationGrid::VariationGrid(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(tr("Variations"));
}

QSize VariationGrid::sizeHint() const
{
    return {3 * kCellWidth + 4 * kGap, 3 * kCellHeight + 4 * kGap};
}

QRect VariationGrid::cellRect(int cell) const
{
    return {kGap + (cell % 3) * (kCellWidth + kGap), kGap + (cell / 3) * (kCellHeight + kGap),
            kCellWidth, kCellHeight};
}

int VariationGrid::cellAt(QPoint point) const
{
    for (int cell = 0; cell < kCells; ++cell) {
        if (cellRect(cell).contains(point)) {
            return cell;
        }
    }
    return -1;
}

QImage VariationGrid::cellPicture(const PaletteWaves &waves)
{
    QImage picture(kCellWidth, kCellHeight, QImage::Format_RGB32);
    auto *first = reinterpret_cast<QRgb *>(picture.scanLine(0));
    for (int x = 0; x < kCellWidth; ++x) {
        first[x] = toQRgb(paletteColumnColor(waves, 3 * x));
    }
    for (int y = 1; y < kCellHeight; ++y) {
        std::copy_n(first, kCellWidth, reinterpret_cast<QRgb *>(picture.scanLine(y)));
    }
    return picture;
}

void VariationGrid::setPalettes(const std::array<PaletteWaves, kCells> &palettes)
{
    for (int cell = 0; cell < kCells; ++cell) {
        pictures_[std::size_t(cell)] = cellPicture(palettes[std::size_t(cell)]);
    }
    update();
}

void VariationGrid::setCurrent(int cell)
{
    current_ = std::clamp(cell, 0, kCells - 1);
    setAccessibleDescription(
        current_ == kMiddle ? tr("The palette as it is")
                            : tr("Variation %1").arg(current_ < kMiddle ? current_ + 1 : current_));
    update();
}

void VariationGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRect frame = cellRect(current_).adjusted(-kFrame, -kFrame, kFrame, kFrame);
    painter.fillRect(frame, hasFocus() ? palette().highlight() : palette().mid());
    for (int cell = 0; cell < kCells; ++cell) {
        painter.drawImage(cellRect(cell), pictures_[std::size_t(cell)]);
    }
}

void VariationGrid::keyPressEvent(QKeyEvent *event)
{
    const int row = current_ / 3, column = current_ % 3;
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrent(row * 3 + std::max(column - 1, 0));
        break;
    case Qt::Key_Right:
        setCurrent(row * 3 + std::min(column + 1, 2));
        break;
    case Qt::Key_Up:
        setCurrent(std::max(row - 1, 0) * 3 + column);
        break;
    case Qt::Key_Down:
        setCurrent(std::min(row + 1, 2) * 3 + column);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit chosen(current_);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void VariationGrid::mousePressEvent(QMouseEvent *event)
{
    const int cell = cellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && cell >= 0) {
        setCurrent(cell);
        emit chosen(cell);
    }
}
