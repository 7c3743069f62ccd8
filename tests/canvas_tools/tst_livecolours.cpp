// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/colourreplacement.h"
#include "canvas_tools/livecolours.h"
#include "surface/columnplane.h"

#include <QtTest>

namespace {

constexpr QRgb kGrey = 0xfff0f0f0;
constexpr QRgb kOld = 0xff0a141e;

// A table in which only columns 0, 200, 524 and 529 have colours of their own.
StripColours table()
{
    StripColours colours{};
    colours.fill(0xff000000);
    colours[0] = 0xff7e7e7e;
    colours[200] = 0xff1b2f9c;
    colours[524] = 0xfff80a00;
    colours[529] = 0xff010203;
    return colours;
}

} // namespace

class TestLiveColours : public QObject {
    Q_OBJECT

private slots:
    void aRememberedPixelTakesItsColumnsColour_data();
    void aRememberedPixelTakesItsColumnsColour();
    void theRowsHoldingRememberedPixelsAreRepainted();
    void aReplacementGivesTheReplacedPixelsThePaintingColoursColumn_data();
    void aReplacementGivesTheReplacedPixelsThePaintingColoursColumn();
};

void TestLiveColours::aRememberedPixelTakesItsColumnsColour_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QRgb>("pixel");
    QTest::newRow("none: the pixel keeps its colour") << 65535 << kOld;
    QTest::newRow("column 0") << 0 << 0xff7e7e7eu;
    QTest::newRow("column 200") << 200 << 0xff1b2f9cu;
    QTest::newRow("column 524, the last shown") << 524 << 0xfff80a00u;
    QTest::newRow("column 529, the last drawn") << 529 << 0xff010203u;
    QTest::newRow("a column past the strip keeps its colour") << 530 << kOld;
    QTest::newRow("65534 keeps its colour") << 65534 << kOld;
}

void TestLiveColours::aRememberedPixelTakesItsColumnsColour()
{
    QFETCH(int, column);
    QFETCH(QRgb, pixel);
    // The pixel at each place of a row of 37 (a vector's width and the rest after it).
    for (int x : {0, 7, 8, 31, 36}) {
        QImage image(37, 3, QImage::Format_RGB32);
        image.fill(kOld);
        QImage columns = emptyColumnPlane(image.size());
        columnRow(columns, 1)[x] = StripColumn(column);
        recolourByColumns(image, columns, table());
        QCOMPARE(image.pixel(x, 1), pixel);
        QCOMPARE(image.pixel(x == 0 ? 1 : x - 1, 1), kOld);
        QCOMPARE(image.pixel(x, 0), kOld);
        QCOMPARE(image.pixel(x, 2), kOld);
    }
}

void TestLiveColours::theRowsHoldingRememberedPixelsAreRepainted()
{
    QImage image(10, 9, QImage::Format_RGB32);
    image.fill(kGrey);
    QImage columns = emptyColumnPlane(image.size());
    columnRow(columns, 1)[4] = 0; // the first row
    fillColumns(columns, QRect(2, 6, 8, 1), 200);
    image.setPixel(3, 7, 0xfff80a00);
    columnRow(columns, 7)[3] = 524; // the last row, though it shows its colour already
    columnRow(columns, 8)[0] = 600; // no column of the strip: remembers none
    const ColumnRuns runs(columns);
    QCOMPARE(runs.count(), 3);
    QCOMPARE(runs.recolour(image, table()), QRect(0, 1, 10, 7));
    QCOMPARE(image.pixel(4, 1), 0xff7e7e7eu);
    QCOMPARE(image.pixel(1, 6), kGrey);
    QCOMPARE(image.pixel(2, 6), 0xff1b2f9cu);
    QCOMPARE(image.pixel(9, 6), 0xff1b2f9cu);
    QCOMPARE(image.pixel(0, 8), kGrey);
    QCOMPARE(recolourByColumns(image, emptyColumnPlane(image.size()), table()), QRect());
}

void TestLiveColours::aReplacementGivesTheReplacedPixelsThePaintingColoursColumn_data()
{
    QTest::addColumn<QRgb>("to");
    QTest::addColumn<int>("toColumn");
    QTest::addColumn<QRect>("changed");
    QTest::addColumn<QList<QRgb>>("pixels"); // at x = 0, 1, 2 of row 2
    QTest::addColumn<QList<int>>("columns"); // the same
    // Row 2: the old colour remembering column 9, grey remembering none, the old colour
    // remembering none.
    QTest::newRow("to a colour of column 300")
        << 0xff112233u << 300 << QRect(0, 2, 4, 1) << QList<QRgb>{0xff112233, kGrey, 0xff112233}
        << QList<int>{300, 65535, 300};
    QTest::newRow("to a colour from no column")
        << 0xff112233u << 65535 << QRect(0, 2, 4, 1) << QList<QRgb>{0xff112233, kGrey, 0xff112233}
        << QList<int>{65535, 65535, 65535};
    QTest::newRow("to the same colour: only the columns change")
        << kOld << 12 << QRect(0, 2, 4, 1) << QList<QRgb>{kOld, kGrey, kOld}
        << QList<int>{12, 65535, 12};
}

void TestLiveColours::aReplacementGivesTheReplacedPixelsThePaintingColoursColumn()
{
    QFETCH(QRgb, to);
    QFETCH(int, toColumn);
    QFETCH(QRect, changed);
    QFETCH(QList<QRgb>, pixels);
    QFETCH(QList<int>, columns);
    QImage image(4, 5, QImage::Format_RGB32);
    image.fill(kGrey);
    QImage plane = emptyColumnPlane(image.size());
    image.setPixel(0, 2, kOld);
    columnRow(plane, 2)[0] = 9;
    image.setPixel(2, 2, kOld);
    QCOMPARE(replaceColour(image, plane, kOld, to, StripColumn(toColumn)), changed);
    for (int x = 0; x < 3; ++x) {
        QCOMPARE(image.pixel(x, 2), pixels[x]);
        QCOMPARE(int(columnRow(plane, 2)[x]), columns[x]);
    }
    QCOMPARE(int(columnRow(plane, 1)[0]), 65535);
}

QTEST_MAIN(TestLiveColours)
#include "tst_livecolours.moc"
