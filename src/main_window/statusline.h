// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "canvas_tools/stroke.h"
#include "surface/colorvalue.h"

#include <QStatusBar>

#include <optional>

class MessageLabel;
class QLabel;
class QTimer;

// The status bar below the client area. On its right: while the pointer is over the canvas, its
// pixel ("x, y") and the colour under it; at all times, the painting colour as a swatch and as
// #RRGGBB, the brush radius, the brush modes and the palette on the strip. On its left, a
// sentence on what just happened or what comes next, shortened in the middle where it would
// not fit, and whole in its tooltip.
class StatusLine : public QStatusBar {
    Q_OBJECT

public:
    StatusLine();

    void showColour(ColorValue colour);
    void showRadius(int radius);
    void showModes(bool connectedStrokes, Mirror mirror, bool livePalette = false,
                   bool colourAlongStroke = false);
    void showPalette(const QString &title);
    // The pointer's pixel on the canvas and the colour there; nothing for no pixel.
    void showPointer(std::optional<QPoint> pixel, ColorValue colour);

    // A remark on what just happened, shown for a while.
    void remark(const QString &sentence);
    // What comes next, shown until the next remark or clear().
    void announce(const QString &sentence);
    // The sentence shown, whole, and its end.
    QString currentMessage() const;
    void clearMessage();

    // The fields as shown, for tests and assistive technology.
    QLabel *swatch() const { return swatch_; }
    QString colourText() const;
    QString radiusText() const;
    QString modesText() const;
    QString paletteText() const;
    QString pointerText() const;
    QString pointerColourText() const;
    MessageLabel *messageLabel() const { return message_; }

    // As narrow as the window may be: its fields never widen the window. Text that grows while
    // the window is shown would otherwise make it wider, and a window that grows while the
    // window manager maximises it stays at the grown size instead.
    QSize minimumSizeHint() const override;

private:
    QLabel *addField();

    MessageLabel *message_;
    QTimer *remarkTime_;
    QLabel *pointer_;
    QLabel *pointerColour_;
    QLabel *swatch_;
    QLabel *colour_;
    QLabel *radius_;
    QLabel *modes_;
    QLabel *palette_;
    std::optional<ColorValue> shownColour_;
};
