// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/picturesurface.h"
#include "testsupport.h"

#include <QPainter>
#include <QtTest>

namespace {
constexpr ColorValue kRed = RGB(255, 0, 0);
constexpr ColorValue kBlue = RGB(0, 0, 255);
constexpr ColorValue kGrey = PictureSurface::kDefaultBackColor;
} // namespace

class TestPictureSurface : public QObject {
    Q_OBJECT

private slots:
    void colourValuesLayRedInTheLowByte_data();
    void colourValuesLayRedInTheLowByte();
    void pointsOutsideReadAsNoColourAndPSetThereChangesNothing_data();
    void pointsOutsideReadAsNoColourAndPSetThereChangesNothing();
    void pSetThenPointReturnsTheColour();
    void verticalLineIncludesBothEndsAndIsClipped();
    void slantedLineStepsOnePixelPerColumn();
    void aSteepLineOverTheRightEdgeStopsThere();
    void aScaledPaintCoversExactlyTheDevicePixelsOfItsArea_data();
    void aScaledPaintCoversExactlyTheDevicePixelsOfItsArea();
    void solidCircleCoversExactlyThePixelsWithinTheRadius_data();
    void solidCircleCoversExactlyThePixelsWithinTheRadius();
    void circleWithoutFillPaintsOnlyItsOutline();
    void solidCircleTakesFillColourInsideAndLineColourOnTheOutline();
    void circleOverTheEdgeIsClipped();
    void clsFillsWithBackColourAndResetsThePrintPosition();
    void printDrawsCrispTextAndMovesDownOneLine();
    void printOfANumberDrawsItsDigits();
    void changesAreReportedWithTheirRectangle();
    void aCopySharesThePictureUntilEitherIsDrawnOn();
    void everyDrawingForgetsTheColumnsOfThePixelsItDraws_data();
    void everyDrawingForgetsTheColumnsOfThePixelsItDraws();
    void printForgetsTheColumnsOfItsInkAlone();
};

void TestPictureSurface::colourValuesLayRedInTheLowByte_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("value");
    QTest::addColumn<uint>("pixel");
    QTest::newRow("black") << 0 << 0 << 0 << 0 << 0xff000000u;
    QTest::newRow("pure red is the low byte") << 255 << 0 << 0 << 0x0000ff << 0xffff0000u;
    QTest::newRow("pure blue is the third byte") << 0 << 0 << 255 << 0xff0000 << 0xff0000ffu;
    QTest::newRow("panel grey") << 200 << 200 << 200 << 0xc8c8c8 << 0xffc8c8c8u;
    QTest::newRow("mixed") << 1 << 2 << 3 << 0x030201 << 0xff010203u;
}

void TestPictureSurface::colourValuesLayRedInTheLowByte()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(int, value);
    QFETCH(uint, pixel);
    QCOMPARE(RGB(red, green, blue), value);
    QCOMPARE(toQRgb(value), QRgb(pixel));
    QCOMPARE(fromQRgb(pixel), value);
}

void TestPictureSurface::pointsOutsideReadAsNoColourAndPSetThereChangesNothing_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::newRow("left of the area") << -1.0f << 0.0f;
    QTest::newRow("above the area") << 0.0f << -1.0f;
    QTest::newRow("first column past the right edge") << 525.0f << 10.0f;
    QTest::newRow("first row past the bottom") << 10.0f << 437.0f;
    QTest::newRow("the far corner of the whole-canvas loops") << 529.0f << 441.0f;
    QTest::newRow("very far away") << 1e30f << -1e30f;
}

void TestPictureSurface::pointsOutsideReadAsNoColourAndPSetThereChangesNothing()
{
    QFETCH(float, x);
    QFETCH(float, y);
    PictureSurface surface(QSize(525, 437));
    const QImage before = surface.Image().copy();
    QCOMPARE(surface.Point(x, y), kNoColor);
    surface.PSet(x, y, kRed);
    QCOMPARE(surface.Image(), before);
}

void TestPictureSurface::pSetThenPointReturnsTheColour()
{
    PictureSurface surface(QSize(525, 437));
    surface.PSet(524, 436, kRed);
    surface.PSet(0, 0, kBlue);
    QCOMPARE(surface.Point(524, 436), kRed);
    QCOMPARE(surface.Point(0, 0), kBlue);
    QCOMPARE(surface.Point(1, 0), kGrey);
    QCOMPARE(countPixels(surface.Image(), kGrey), 525 * 437 - 2);
}

void TestPictureSurface::verticalLineIncludesBothEndsAndIsClipped()
{
    PictureSurface surface(QSize(525, 29));
    surface.Line(7, 0, 7, 33, kRed); // runs past the bottom of the area
    surface.Line(9, 3, 9, 5, kBlue);
    // The strip's lines past its right edge, x = 525 to 529, change nothing.
    for (int x = 525; x <= 529; ++x) {
        surface.Line(float(x), 0, float(x), 33, kRed);
    }
    for (int y = 0; y < 29; ++y) {
        QCOMPARE(surface.Point(7, float(y)), kRed);
    }
    QCOMPARE(surface.Point(9, 2), kGrey);
    QCOMPARE(surface.Point(9, 3), kBlue);
    QCOMPARE(surface.Point(9, 5), kBlue);
    QCOMPARE(surface.Point(9, 6), kGrey);
    QCOMPARE(countPixels(surface.Image(), kRed) + countPixels(surface.Image(), kBlue), 29 + 3);
}

void TestPictureSurface::slantedLineStepsOnePixelPerColumn()
{
    PictureSurface surface(QSize(20, 20));
    surface.Line(2, 2, 12, 7, kRed);
    QCOMPARE(countPixels(surface.Image(), kRed), 11);
    QCOMPARE(surface.Point(2, 2), kRed);
    QCOMPARE(surface.Point(12, 7), kRed);
    // Half way between two rows the line takes the lower one: (3, 2.5) is drawn at (3, 3).
    QCOMPARE(surface.Point(3, 3), kRed);
    QCOMPARE(surface.Point(3, 2), PictureSurface::kDefaultBackColor);
    // Backwards gives the same pixels.
    PictureSurface reversed(QSize(20, 20));
    reversed.Line(12, 7, 2, 2, kRed);
    QCOMPARE(reversed.Image(), surface.Image());
}

// A steep line that leaves past the right edge paints only its part inside; nothing of it wraps
// round to the start of a later row.
void TestPictureSurface::aSteepLineOverTheRightEdgeStopsThere()
{
    PictureSurface surface(QSize(20, 10));
    surface.Line(18, 0, 22, 9, kRed);
    QCOMPARE(countPixels(surface.Image(), kRed), 4);
    for (const QPoint pixel : {QPoint(18, 0), QPoint(18, 1), QPoint(19, 2), QPoint(19, 3)}) {
        QCOMPARE(surface.Point(float(pixel.x()), float(pixel.y())), kRed);
    }
}

void TestPictureSurface::aScaledPaintCoversExactlyTheDevicePixelsOfItsArea_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("first"); // the first and last device pixel whose centre lies in
    QTest::addColumn<int>("last");  // logical pixels 2 to 11, where the surface is painted
    QTest::newRow("1.25") << 1.25 << 2 << 14;
    QTest::newRow("1.5") << 1.5 << 3 << 17;
    QTest::newRow("2") << 2.0 << 4 << 23;
}

void TestPictureSurface::aScaledPaintCoversExactlyTheDevicePixelsOfItsArea()
{
    QFETCH(qreal, scale);
    QFETCH(int, first);
    QFETCH(int, last);
    PictureSurface surface(QSize(10, 10));
    surface.setBackColor(kRed);
    QImage screen(40, 40, QImage::Format_RGB32);
    screen.fill(toQRgb(kBlue));
    {
        QPainter painter(&screen);
        painter.scale(scale, scale);
        surface.paint(painter, QPoint(2, 2), QRect(0, 0, 30, 30));
    }
    for (int d = 0; d < 40; ++d) {
        const QRgb expected = toQRgb(d >= first && d <= last ? kRed : kBlue);
        QCOMPARE(screen.pixel(d, first), expected); // along a painted row
        QCOMPARE(screen.pixel(first, d), expected); // down a painted column
    }
}

void TestPictureSurface::solidCircleCoversExactlyThePixelsWithinTheRadius_data()
{
    QTest::addColumn<int>("radius");
    QTest::newRow("radius 0 is one pixel") << 0;
    QTest::newRow("radius 1") << 1;
    QTest::newRow("smallest brush") << 2;
    QTest::newRow("radius 5") << 5;
    QTest::newRow("largest brush") << 10;
    QTest::newRow("large circle") << 57;
}

void TestPictureSurface::solidCircleCoversExactlyThePixelsWithinTheRadius()
{
    QFETCH(int, radius);
    PictureSurface surface(QSize(200, 200));
    surface.FillStyle = PictureSurface::kFillSolid;
    surface.FillColor = kRed;
    surface.Circle(100, 90, float(radius), kRed);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            const ColorValue expected = insideDisc(x, y, 100, 90, radius) ? kRed : kGrey;
            if (surface.Point(float(x), float(y)) != expected) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is wrong").arg(x).arg(y)));
            }
        }
    }
}

void TestPictureSurface::circleWithoutFillPaintsOnlyItsOutline()
{
    PictureSurface surface(QSize(40, 40));
    surface.FillColor = kBlue; // not used while there is no fill
    surface.Circle(20, 20, 6, kRed);
    QCOMPARE(surface.Point(20, 20), kGrey);
    QCOMPARE(surface.Point(26, 20), kRed);
    QCOMPARE(surface.Point(20, 14), kRed);
    QCOMPARE(surface.Point(25, 20), kGrey);
    QCOMPARE(countPixels(surface.Image(), kBlue), 0);
    // Every outline pixel lies in the disc and has a neighbour outside it.
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (surface.Point(float(x), float(y)) != kRed) {
                continue;
            }
            QVERIFY(insideDisc(x, y, 20, 20, 6));
            QVERIFY(!insideDisc(x - 1, y, 20, 20, 6) || !insideDisc(x + 1, y, 20, 20, 6) ||
                    !insideDisc(x, y - 1, 20, 20, 6) || !insideDisc(x, y + 1, 20, 20, 6));
        }
    }
    // The outline shows in the colour of the (unused) fill too: black, the first fill colour.
    PictureSurface black(QSize(40, 40));
    black.FillColor = RGB(0, 0, 0);
    black.Circle(20, 20, 6, RGB(0, 0, 0));
    QCOMPARE(black.Point(26, 20), RGB(0, 0, 0));
    QCOMPARE(black.Point(20, 20), kGrey);
}

void TestPictureSurface::solidCircleTakesFillColourInsideAndLineColourOnTheOutline()
{
    PictureSurface surface(QSize(40, 40));
    surface.FillStyle = PictureSurface::kFillSolid;
    surface.FillColor = kBlue;
    surface.Circle(20, 20, 6, kRed);
    QCOMPARE(surface.Point(20, 20), kBlue);
    QCOMPARE(surface.Point(26, 20), kRed);
    QCOMPARE(countPixels(surface.Image(), kBlue) + countPixels(surface.Image(), kRed), 113);
}

void TestPictureSurface::circleOverTheEdgeIsClipped()
{
    PictureSurface surface(QSize(30, 30));
    surface.FillStyle = PictureSurface::kFillSolid;
    surface.FillColor = kRed;
    surface.Circle(0, 29, 10, kRed);
    int expected = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            expected += insideDisc(x, y, 0, 29, 10) ? 1 : 0;
        }
    }
    QCOMPARE(countPixels(surface.Image(), kRed), expected);
    surface.Circle(-50, -50, 10, kBlue); // wholly outside: nothing
    QCOMPARE(countPixels(surface.Image(), kBlue), 0);
}

void TestPictureSurface::clsFillsWithBackColourAndResetsThePrintPosition()
{
    PictureSurface surface(QSize(30, 20));
    surface.PSet(3, 3, kRed);
    surface.CurrentX = 12;
    surface.CurrentY = 7;
    surface.Cls();
    QCOMPARE(countPixels(surface.Image(), kGrey), 30 * 20);
    QVERIFY(surface.CurrentX == 0.0f && surface.CurrentY == 0.0f);

    surface.setBackColor(kBlue);
    QCOMPARE(countPixels(surface.Image(), kBlue), 30 * 20);
    surface.PSet(1, 1, kRed);
    surface.Cls();
    QCOMPARE(countPixels(surface.Image(), kBlue), 30 * 20);
}

void TestPictureSurface::printDrawsCrispTextAndMovesDownOneLine()
{
    PictureSurface surface(QSize(300, 60));
    surface.CurrentX = 30;
    surface.CurrentY = 10;
    surface.Print(QStringLiteral("COMMAND BUTTONS"));
    PictureSurface atCorner(QSize(300, 60));
    atCorner.Print(QStringLiteral("COMMAND BUTTONS"));
    // No anti-aliasing: only the background and the text colour, and the very same ink as from
    // the corner, moved exactly 30 across and 10 down.
    QCOMPARE(countPixels(surface.Image(), kGrey) +
                 countPixels(surface.Image(), PictureSurface::kDefaultForeColor),
             300 * 60);
    QVERIFY(countPixels(surface.Image(), PictureSurface::kDefaultForeColor) > 50);
    QCOMPARE(surface.Image().copy(30, 10, 270, 50), atCorner.Image().copy(0, 0, 270, 50));
    QCOMPARE(countPixels(surface.Image(), PictureSurface::kDefaultForeColor),
             countPixels(atCorner.Image(), PictureSurface::kDefaultForeColor));
    // The next Print starts at the left edge, one line of the font lower.
    const QFontMetrics metrics(surface.font, &surface.Image());
    QVERIFY(surface.CurrentX == 0.0f);
    QVERIFY(surface.CurrentY == float(10 + metrics.height()));
    QVERIFY(metrics.height() >= 12 && metrics.height() <= 20);
}

void TestPictureSurface::printOfANumberDrawsItsDigits()
{
    PictureSurface number(QSize(40, 20));
    number.Print(10);
    PictureSurface text(QSize(40, 20));
    text.Print(QStringLiteral("10"));
    QCOMPARE(number.Image(), text.Image());
    QVERIFY(countPixels(number.Image(), PictureSurface::kDefaultForeColor) > 5);
}

void TestPictureSurface::changesAreReportedWithTheirRectangle()
{
    PictureSurface surface(QSize(100, 100));
    QList<QRect> reported;
    surface.setChangeListener([&](const QRect &changed) { reported.append(changed); });
    surface.FillStyle = PictureSurface::kFillSolid;
    surface.Circle(5, 50, 10, kRed);
    surface.PSet(200, 200, kRed); // outside: no change, nothing reported
    surface.Line(40, 10, 40, 20, kBlue);
    QCOMPARE(reported.size(), 2);
    QCOMPARE(reported[0], QRect(0, 40, 16, 21));
    QCOMPARE(reported[1], QRect(40, 10, 1, 11));
}

void TestPictureSurface::aCopySharesThePictureUntilEitherIsDrawnOn()
{
    PictureSurface original(QSize(8, 8));
    PictureSurface copy(QSize(8, 8));
    original.PSet(1, 1, kRed);
    copy.copyFrom(original);
    QCOMPARE(copy.Image(), original.Image());
    original.PSet(2, 2, kBlue);
    original.Cls();
    QCOMPARE(copy.Point(1, 1), kRed);
    QCOMPARE(copy.Point(2, 2), kGrey);
    copy.PSet(5, 5, kBlue);
    QCOMPARE(original.Point(5, 5), kGrey);
}

using Columns = QList<int>; // the column a pixel remembers; 65535 for none

void TestPictureSurface::everyDrawingForgetsTheColumnsOfThePixelsItDraws_data()
{
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<Columns>("columns");
    // Every pixel of a 40 x 30 surface remembers column 7 before the drawing.
    QTest::newRow("PSet: its pixel alone")
        << "pset" << QList<QPoint>{{3, 4}, {4, 4}, {3, 5}} << Columns{65535, 7, 7};
    QTest::newRow("a vertical line, both ends")
        << "vertical" << QList<QPoint>{{10, 2}, {10, 5}, {10, 1}, {10, 6}, {11, 3}}
        << Columns{65535, 65535, 7, 7, 7};
    QTest::newRow("a slanted line") << "slant" << QList<QPoint>{{0, 0}, {4, 2}, {8, 4}, {4, 3}}
                                    << Columns{65535, 65535, 65535, 7};
    QTest::newRow("a solid circle of radius 3")
        << "disc" << QList<QPoint>{{20, 15}, {23, 15}, {22, 17}, {24, 15}, {23, 17}}
        << Columns{65535, 65535, 65535, 7, 7};
    QTest::newRow("an unfilled circle: its outline alone")
        << "ring" << QList<QPoint>{{20, 15}, {23, 15}, {17, 15}, {24, 15}}
        << Columns{7, 65535, 65535, 7};
    QTest::newRow("Cls: everything")
        << "cls" << QList<QPoint>{{0, 0}, {39, 29}, {20, 15}} << Columns{65535, 65535, 65535};
    QTest::newRow("an edit of the pixels alone: the rectangle it returns")
        << "pixels" << QList<QPoint>{{5, 5}, {6, 6}, {7, 7}, {4, 5}} << Columns{65535, 65535, 7, 7};
    QTest::newRow("an edit with columns: what it writes")
        << "columns" << QList<QPoint>{{1, 1}, {2, 1}} << Columns{300, 7};
    QTest::newRow("outside the surface: none")
        << "nothing" << QList<QPoint>{{-1, 0}, {40, 0}, {0, 30}, {39, 29}}
        << Columns{65535, 65535, 65535, 7};
}

void TestPictureSurface::everyDrawingForgetsTheColumnsOfThePixelsItDraws()
{
    QFETCH(QString, drawing);
    QFETCH(QList<QPoint>, points);
    QFETCH(Columns, columns);
    PictureSurface surface(QSize(40, 30));
    QCOMPARE(surface.ColumnAt(0, 0), kNoColumn); // no plane yet
    surface.keepColumns();
    QCOMPARE(surface.ColumnAt(39, 29), kNoColumn);
    surface.edit([](QImage &image, QImage &plane) {
        fillColumns(plane, plane.rect(), 7);
        return image.rect();
    });
    if (drawing == "pset") {
        surface.PSet(3, 4, kRed);
    } else if (drawing == "vertical") {
        surface.Line(10, 2, 10, 5, kRed);
    } else if (drawing == "slant") {
        surface.Line(0, 0, 8, 4, kRed);
    } else if (drawing == "disc" || drawing == "ring") {
        surface.FillStyle =
            drawing == "disc" ? PictureSurface::kFillSolid : PictureSurface::kFillTransparent;
        surface.FillColor = kBlue;
        surface.Circle(20, 15, 3, kRed);
    } else if (drawing == "cls") {
        surface.Cls();
    } else if (drawing == "pixels") {
        surface.edit([](QImage &) { return QRect(5, 5, 2, 2); });
    } else if (drawing == "columns") {
        surface.edit([](QImage &, QImage &plane) {
            fillColumns(plane, QRect(1, 1, 1, 1), 300);
            return QRect(1, 1, 1, 1);
        });
    }
    for (qsizetype i = 0; i < points.size(); ++i) {
        QCOMPARE(int(surface.ColumnAt(float(points[i].x()), float(points[i].y()))), columns[i]);
    }
}

void TestPictureSurface::printForgetsTheColumnsOfItsInkAlone()
{
    PictureSurface surface(QSize(120, 30));
    surface.keepColumns();
    surface.edit([](QImage &image, QImage &plane) {
        fillColumns(plane, plane.rect(), 40);
        return image.rect();
    });
    surface.CurrentX = 5;
    surface.CurrentY = 5;
    surface.Print(QStringLiteral("HI 42"));
    int inked = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 120; ++x) {
            const bool ink = surface.Point(float(x), float(y)) == PictureSurface::kDefaultForeColor;
            inked += ink;
            QCOMPARE(int(surface.ColumnAt(float(x), float(y))), ink ? 65535 : 40);
        }
    }
    QVERIFY(inked > 20);
    // A copy takes the columns with the pixels; a copy of a surface without them, none.
    PictureSurface copy(QSize(120, 30));
    copy.keepColumns();
    copy.copyFrom(surface);
    QCOMPARE(copy.Columns(), surface.Columns());
    copy.copyFrom(PictureSurface(QSize(120, 30)));
    QCOMPARE(copy.ColumnAt(0, 0), kNoColumn);
}

QTEST_MAIN(TestPictureSurface)
#include "tst_picturesurface.moc"
