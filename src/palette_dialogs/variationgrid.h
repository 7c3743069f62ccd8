// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/sinepalette.h"

#include <QWidget>

#include <array>

// Nine palettes as strips in three rows of three, the middle one the palette they vary. Each
// strip shows every third column of the palette. The arrow keys move the current cell, Enter
// or a click takes a cell (chosen).
class VariationGrid : public QWidget {
    Q_OBJECT

public:
    explicit VariationGrid(QWidget *parent = nullptr);

    static constexpr int kCells = 9;
    static constexpr int kMiddle = 4;
    static constexpr int kCellWidth = 175; // columns 0, 3, ..., 522
    static constexpr int kCellHeight = 40;
    static constexpr int kGap = 10;

    void setPalettes(const std::array<PaletteWaves, kCells> &palettes);
    int current() const { return current_; }
    void setCurrent(int cell);
    // The cell at a point of the widget, or -1 between cells.
    int cellAt(QPoint point) const;
    QRect cellRect(int cell) const;
    // A cell's strip as it is shown.
    static QImage cellPicture(const PaletteWaves &waves);

    QSize sizeHint() const override;

signals:
    void chosen(int cell);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::array<QImage, kCells> pictures_;
    int current_ = kMiddle;
};
