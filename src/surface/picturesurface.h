// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/colorvalue.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;

// The largest w with w*w + dy*dy <= r*r: half the width of row dy of a disc of radius r, whose
// pixels lie within r of its centre; -1 outside it.
qint64 discHalfWidth(qint64 radius, qint64 dy);

// A drawing surface with a persistent image of its drawable area. All drawing and pixel reading
// of the program goes through these operations; coordinates are whole pixels passed as floats,
// with the origin at the top-left of the drawable area. Nothing is anti-aliased: every pixel
// holds exactly a colour that was drawn.
class PictureSurface {
public:
    // FillStyle values: solid fill of circles, and the initial no-fill.
    static constexpr int kFillSolid = 0;
    static constexpr int kFillTransparent = 1;

    // The light grey a surface shows until it is given another background.
    static constexpr ColorValue kDefaultBackColor = RGB(240, 240, 240);
    // The colour text is printed in.
    static constexpr ColorValue kDefaultForeColor = RGB(0, 0, 0);

    explicit PictureSurface(QSize drawableSize);

    QSize size() const { return image_.size(); }

    // Line: a one-pixel-wide straight line, both end points included.
    void Line(float x1, float y1, float x2, float y2, ColorValue colour);
    // Circle: the outline of radius r in the colour; while FillStyle is solid the inside takes
    // FillColor. A pixel belongs to the circle when its distance from the centre is at most r.
    void Circle(float x, float y, float radius, ColorValue colour);
    // PSet: that one pixel takes the colour; outside the drawable area nothing happens.
    void PSet(float x, float y, ColorValue colour);
    // Point: the colour value of that pixel, or kNoColor outside the drawable area.
    ColorValue Point(float x, float y) const;
    // Cls: the whole surface takes BackColor, and the print position returns to the corner.
    void Cls();
    // Print: the text drawn with its top-left corner at (CurrentX, CurrentY) in the text colour,
    // with no background box; afterwards CurrentX is 0 and CurrentY one text line lower.
    void Print(const QString &text);
    void Print(int number);

    // BackColor: the background colour. Setting it repaints the whole surface in it.
    ColorValue BackColor() const { return backColor_; }
    void setBackColor(ColorValue colour);

    // Image: the persistent picture of the drawable area, every pixel as it is shown.
    const QImage &Image() const { return image_; }

    // Paints the part of the surface within `exposed`, with the surface's top-left corner at
    // `origin` (both in the painter's logical pixels). Nothing is smoothed: on a scaled screen
    // each device pixel shows the image pixel that shownPixel names, so a partial repaint shows
    // exactly what a full one would, and a pointer points at the pixel it is seen on.
    void paint(QPainter &painter, QPoint origin, const QRect &exposed) const;

    // Changes the image directly; edit(image) returns the rectangle it changed.
    template <typename Edit> void edit(Edit &&editImage) { notify(editImage(image_)); }

    // Takes the other surface's picture, of the same size.
    void copyFrom(const PictureSurface &other);

    // Called with every changed rectangle, so a view can repaint just that part.
    void setChangeListener(std::function<void(const QRect &)> listener);

    // While a ChangeBatch lives, the changes of many operations are gathered and reported
    // once, as one rectangle, when it ends: a drawing of hundreds of lines asks for one repaint.
    class ChangeBatch {
    public:
        explicit ChangeBatch(PictureSurface &surface);
        ~ChangeBatch();
        ChangeBatch(const ChangeBatch &) = delete;
        ChangeBatch &operator=(const ChangeBatch &) = delete;

    private:
        PictureSurface &surface_;
    };

    float CurrentX = 0;                       // CurrentX: where the next Print starts, across
    float CurrentY = 0;                       // CurrentY: where the next Print starts, down
    int FillStyle = kFillTransparent;         // FillStyle: kFillSolid fills circles
    ColorValue FillColor = 0;                 // FillColor: inside colour of filled circles
    ColorValue ForeColor = kDefaultForeColor; // text colour of Print
    QFont font;                               // font of Print, never anti-aliased

private:
    QRect rect() const { return QRect(QPoint(0, 0), image_.size()); }
    void fillSpan(int y, int left, int right, QRgb pixel);
    void notify(const QRect &changed);

    QImage image_; // the pixels
    ColorValue backColor_ = kDefaultBackColor;
    std::function<void(const QRect &)> changeListener_;
    int batchDepth_ = 0;
    QRect batchedChanges_;
};
