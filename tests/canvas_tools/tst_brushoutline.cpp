// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/brushoutline.h"

#include <QSet>
#include <QtTest>

Q_DECLARE_METATYPE(Mirror)

namespace {

constexpr QSize kCanvas{525, 437};

QSet<QPoint> pixelsOf(const OverlayPiece &piece, QRgb colour)
{
    QSet<QPoint> found;
    for (const OverlayPixel &pixel : piece.pixels) {
        if (pixel.colour == colour) {
            found.insert(pixel.device);
        }
    }
    return found;
}

} // namespace

class TestBrushOutline : public QObject {
    Q_OBJECT

private slots:
    void theOutlineRingsTheDisc_data();
    void theOutlineRingsTheDisc();
    void radius2AtScale1IsTwoDiamonds();
    void theOutlineStopsAtTheCanvasEdge();
    void theGuidesRunThroughTheMiddle_data();
    void theGuidesRunThroughTheMiddle();
};

void TestBrushOutline::theOutlineRingsTheDisc_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("radius");
    QTest::addColumn<int>("lights");
    QTest::addColumn<int>("darks");
    QTest::addColumn<QPoint>("topLight"); // straight above the centre
    QTest::addColumn<QPoint>("topDark");
    QTest::addColumn<QRect>("bounds");
    // The disc at canvas pixel (100, 100), the canvas at the window's corner.
    QTest::newRow("radius 2 at scale 1")
        << 1.0 << 2 << 12 << 16 << QPoint(100, 97) << QPoint(100, 96) << QRect(96, 96, 9, 9);
    QTest::newRow("radius 4 at scale 1")
        << 1.0 << 4 << 24 << 28 << QPoint(100, 95) << QPoint(100, 94) << QRect(94, 94, 13, 13);
    QTest::newRow("radius 10 at scale 1")
        << 1.0 << 10 << 60 << 64 << QPoint(100, 89) << QPoint(100, 88) << QRect(88, 88, 25, 25);
    QTest::newRow("radius 2 at scale 2")
        << 2.0 << 2 << 32 << 28 << QPoint(200, 195) << QPoint(200, 194) << QRect(194, 194, 14, 14);
    QTest::newRow("radius 4 at scale 2")
        << 2.0 << 4 << 60 << 52 << QPoint(200, 191) << QPoint(200, 190) << QRect(190, 190, 22, 22);
    QTest::newRow("radius 10 at scale 2") << 2.0 << 10 << 144 << 124 << QPoint(200, 179)
                                          << QPoint(200, 178) << QRect(178, 178, 46, 46);
    // A device pixel straddles two canvas pixels here; each shows the one under its centre.
    QTest::newRow("radius 2 at scale 1.5")
        << 1.5 << 2 << 20 << 24 << QPoint(150, 146) << QPoint(150, 145) << QRect(145, 145, 11, 11);
}

void TestBrushOutline::theOutlineRingsTheDisc()
{
    QFETCH(double, scale);
    QFETCH(int, radius);
    QFETCH(int, lights);
    QFETCH(int, darks);
    QFETCH(QPoint, topLight);
    QFETCH(QPoint, topDark);
    QFETCH(QRect, bounds);
    const OverlayPiece outline = brushOutline({scale, {0, 0}, kCanvas}, {100, 100}, radius);
    const QSet<QPoint> light = pixelsOf(outline, 0xffffffff);
    const QSet<QPoint> dark = pixelsOf(outline, 0xff000000);
    QCOMPARE(light.size(), lights);
    QCOMPARE(dark.size(), darks);
    QCOMPARE(qsizetype(outline.pixels.size()), qsizetype(lights + darks)); // each pixel once
    QVERIFY(light.contains(topLight));
    QVERIFY(dark.contains(topDark));
    QVERIFY(!light.contains(topLight + QPoint(0, 1))); // the disc's own top pixel is left alone
    QCOMPARE(outline.bounds, bounds);
}

void TestBrushOutline::radius2AtScale1IsTwoDiamonds()
{
    brushOutline({2.0, {0, 0}, kCanvas}, {50, 50}, 2); // the same radius at scale 2 just before
    const OverlayPiece outline = brushOutline({1.0, {0, 0}, kCanvas}, {100, 100}, 2);
    QCOMPARE(pixelsOf(outline, 0xffffffff), (QSet<QPoint>{{100, 97},
                                                          {99, 98},
                                                          {101, 98},
                                                          {98, 99},
                                                          {102, 99},
                                                          {97, 100},
                                                          {103, 100},
                                                          {98, 101},
                                                          {102, 101},
                                                          {99, 102},
                                                          {101, 102},
                                                          {100, 103}}));
    QCOMPARE(pixelsOf(outline, 0xff000000), (QSet<QPoint>{{100, 96},
                                                          {99, 97},
                                                          {101, 97},
                                                          {98, 98},
                                                          {102, 98},
                                                          {97, 99},
                                                          {103, 99},
                                                          {96, 100},
                                                          {104, 100},
                                                          {97, 101},
                                                          {103, 101},
                                                          {98, 102},
                                                          {102, 102},
                                                          {99, 103},
                                                          {101, 103},
                                                          {100, 104}}));
    // The canvas 10 pixels into the window: the same outline, 10 device pixels on.
    const OverlayPiece moved = brushOutline({1.0, {10, 0}, kCanvas}, {100, 100}, 2);
    QVERIFY(pixelsOf(moved, 0xffffffff).contains({110, 97}));
    QVERIFY(pixelsOf(moved, 0xff000000).contains({114, 100}));
}

void TestBrushOutline::theOutlineStopsAtTheCanvasEdge()
{
    const OverlayPiece outline = brushOutline({1.0, {0, 0}, kCanvas}, {0, 0}, 4);
    QCOMPARE(pixelsOf(outline, 0xffffffff).size(), 7);
    QCOMPARE(pixelsOf(outline, 0xff000000).size(), 8);
    for (const OverlayPixel &pixel : outline.pixels) {
        QVERIFY(pixel.device.x() >= 0 && pixel.device.y() >= 0);
    }
    QCOMPARE(outline.bounds, QRect(0, 0, 7, 7));
}

void TestBrushOutline::theGuidesRunThroughTheMiddle_data()
{
    QTest::addColumn<Mirror>("mirror");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("count");         // distinct device pixels
    QTest::addColumn<QList<QPoint>>("on");  // some of them
    QTest::addColumn<QList<QPoint>>("off"); // and pixels that are not
    QTest::newRow("none") << Mirror::none << 1.0 << 0 << QList<QPoint>{}
                          << QList<QPoint>{{262, 218}};
    QTest::newRow("left and right")
        << Mirror::leftRight << 1.0 << 219 << QList<QPoint>{{262, 0}, {262, 218}, {262, 436}}
        << QList<QPoint>{{262, 1}, {261, 0}, {0, 218}};
    QTest::newRow("left and right at scale 2")
        << Mirror::leftRight << 2.0 << 437 << QList<QPoint>{{525, 1}, {525, 437}, {525, 873}}
        << QList<QPoint>{{524, 1}, {525, 0}, {525, 874}};
    QTest::newRow("top and bottom")
        << Mirror::topBottom << 1.0 << 263 << QList<QPoint>{{0, 218}, {262, 218}, {524, 218}}
        << QList<QPoint>{{1, 218}, {262, 0}};
    QTest::newRow("top and bottom at scale 2")
        << Mirror::topBottom << 2.0 << 525 << QList<QPoint>{{1, 437}, {1049, 437}}
        << QList<QPoint>{{0, 437}, {1, 436}};
    QTest::newRow("four ways") << Mirror::fourWays << 1.0 << 481
                               << QList<QPoint>{{262, 0}, {0, 218}, {262, 218}}
                               << QList<QPoint>{{44, 0}};
    QTest::newRow("kaleidoscope 6")
        << Mirror::kaleidoscope6 << 1.0 << 699
        << QList<QPoint>{{0, 218}, {136, 0}, {388, 436}, {388, 0}, {136, 436}}
        << QList<QPoint>{{262, 0}, {44, 0}};
    QTest::newRow("kaleidoscope 6 at scale 2")
        << Mirror::kaleidoscope6 << 2.0 << 1398 << QList<QPoint>{{1, 437}, {272, 873}}
        << QList<QPoint>{{525, 1}};
    QTest::newRow("kaleidoscope 8")
        << Mirror::kaleidoscope8 << 1.0 << 917
        << QList<QPoint>{{0, 218}, {262, 0}, {44, 0}, {480, 436}, {44, 436}, {480, 0}}
        << QList<QPoint>{{136, 0}, {43, 0}};
    QTest::newRow("kaleidoscope 8 at scale 2")
        << Mirror::kaleidoscope8 << 2.0 << 1834 << QList<QPoint>{{525, 1}, {961, 0}}
        << QList<QPoint>{{525, 0}};
}

void TestBrushOutline::theGuidesRunThroughTheMiddle()
{
    QFETCH(Mirror, mirror);
    QFETCH(double, scale);
    QFETCH(int, count);
    QFETCH(QList<QPoint>, on);
    QFETCH(QList<QPoint>, off);
    const OverlayPiece guides = mirrorGuides({scale, {0, 0}, kCanvas}, mirror);
    const QSet<QPoint> grey = pixelsOf(guides, 0xff808080);
    QCOMPARE(grey.size(), count);
    QCOMPARE(qsizetype(grey.size()) <= qsizetype(guides.pixels.size()), true);
    for (const QPoint at : on) {
        QVERIFY2(grey.contains(at), qPrintable(QStringLiteral("%1, %2").arg(at.x()).arg(at.y())));
    }
    for (const QPoint at : off) {
        QVERIFY2(!grey.contains(at), qPrintable(QStringLiteral("%1, %2").arg(at.x()).arg(at.y())));
    }
}

QTEST_MAIN(TestBrushOutline)
#include "tst_brushoutline.moc"
