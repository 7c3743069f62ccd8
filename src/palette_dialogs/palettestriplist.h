// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QList>

class PaletteCatalogue;

// The kept palettes, then the numbered palettes 1 to kLastPaletteNumber, as rows of a list:
// each row its number (or "kept" and its place) and its strip. Only the rows in sight are
// ever worked out, so any part of the million shows at once. The arrow keys, Page Up and
// Down, Home, End and the wheel move the current row (currentChanged); digits typed go to that
// number; a click makes a row current; a double-click, or Enter, chooses it.
class PaletteStripList : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit PaletteStripList(PaletteCatalogue &catalogue, QList<ShownPalette> kept = {},
                              QWidget *parent = nullptr);

    static constexpr int kRowHeight = 22;
    static constexpr int kStripHeight = 16;
    static constexpr int kNumberWidth = 72;
    static constexpr int kStripWidth = 525;
    // How long digits typed one after another make one number.
    static constexpr int kTypingPauseMilliseconds = 1000;

    // The palette of the current row, its number, and the number of the first row in sight.
    ShownPalette currentPalette() const { return paletteAt(currentRow_); }
    PaletteNumber current() const { return currentPalette().number; }
    PaletteNumber firstShown() const;
    int currentRow() const { return currentRow_; }
    int rowCount() const;
    // Makes numbered palette `number` the current row and shows it, at the top where the list
    // can.
    void setCurrent(PaletteNumber number, bool atTop = false);
    void setCurrentRow(int row, bool atTop = false);
    ShownPalette paletteAt(int row) const;

    // The strip of palette `number` as a row shows it, `height` rows high.
    static QImage stripPicture(PaletteCatalogue &catalogue, PaletteNumber number, int height);
    static QImage stripPicture(const PaletteWaves &waves, int height);

signals:
    void currentChanged(const ShownPalette &palette);
    void chosen(const ShownPalette &palette);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int rowsInSight() const;
    int rowAt(int y) const; // -1 past the last row
    void updateScrollRange();
    void typeDigit(int digit);

    PaletteCatalogue &catalogue_;
    const QList<ShownPalette> kept_;
    int currentRow_ = 0;
    QString typed_;           // digits typed one after another
    QElapsedTimer lastDigit_; // when the last of them was
    int wheelTurned_ = 0;     // the wheel's turn not yet a whole row
};
