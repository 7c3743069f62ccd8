// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/colorvalue.h"
#include "surface/columnplane.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

class QPainter;

// The largest w with w*w + dy*dy <= r*r: half the width of row dy of a disc of radius r, whose
// pixels lie within r of its centre; -1 outside it.
qint64 discHalfWidth(qint64 radius, qint64 dy);

// A drawing surface with a persistent image of its drawable area. All drawing and pixel reading
// of the program goes through these operations; coordinates are whole pixels passed as floats,
// with the origin at the top-left of the drawable area. Nothing is anti-aliased: every pixel
// holds exactly a colour that was drawn.
//
// A surface may keep a plane of strip columns beside its pixels (the canvas does). Then every
// operation changes both together: Line, Circle, PSet, Print and Cls draw colours that come from
// no strip column, so the pixels they draw remember none, and an edit that names no columns
// leaves every pixel of the rectangle it returns remembering none.
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
    // The whole pixel that Point reads at (x, y); nothing outside the drawable area.
    std::optional<QPoint> pixelAt(float x, float y) const;
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

    // Gives the surface a plane of strip columns, in which no pixel remembers one yet.
    void keepColumns();
    // The plane of strip columns beside Image(); a null image when the surface keeps none.
    const QImage &Columns() const { return columns_; }
    // Changes each time any pixel's column may have changed, so that what is worked out from
    // the plane can be kept until then.
    quint64 ColumnsVersion() const { return columnsVersion_; }
    // The strip column the pixel at (x, y) remembers: kNoColumn outside the drawable area, on a
    // surface that keeps no plane, and for a colour from anywhere else.
    StripColumn ColumnAt(float x, float y) const;

    // Paints the part of the surface within `exposed`, with the surface's top-left corner at
    // `origin` (both in the painter's logical pixels). Nothing is smoothed: on a scaled screen
    // each device pixel shows the image pixel that shownPixel names, so a partial repaint shows
    // exactly what a full one would, and a pointer points at the pixel it is seen on.
    void paint(QPainter &painter, QPoint origin, const QRect &exposed) const;

    // Changes the image directly; edit(image) returns the rectangle it changed. An edit that
    // takes (image, columns) changes the plane of strip columns too (a null image when the
    // surface keeps none), or only reads it when it takes the columns as const; one that takes
    // the image alone leaves the rectangle it returns remembering no column.
    template <typename Edit> void edit(Edit &&editImage)
    {
        if constexpr (std::is_invocable_v<Edit, QImage &, const QImage &>) {
            notify(editImage(image_, std::as_const(columns_)));
        } else if constexpr (std::is_invocable_v<Edit, QImage &, QImage &>) {
            ++columnsVersion_;
            notify(editImage(image_, columns_));
        } else {
            const QRect changed = editImage(image_);
            forgetColumns(changed);
            notify(changed);
        }
    }

    // Takes the other surface's picture, of the same size, and its columns where both keep
    // them (none where only this one does).
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
    void forgetInkedColumns(const QString &text, QPoint baseline, const QRect &area);
    void notify(const QRect &changed);
    // The pixels of `area` remember no column.
    void forgetColumns(const QRect &area);

    QImage image_;   // the pixels
    QImage columns_; // the strip column of each pixel, or null
    quint64 columnsVersion_ = 0;
    ColorValue backColor_ = kDefaultBackColor;
    std::function<void(const QRect &)> changeListener_;
    int batchDepth_ = 0;
    QRect batchedChanges_;
};
