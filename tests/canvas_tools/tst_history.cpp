// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/history.h"
#include "surface/picturesurface.h"

#include <QtTest>

namespace {
constexpr ColorValue kGrey = PictureSurface::kDefaultBackColor;
constexpr ColorValue kRed = RGB(255, 0, 0);
constexpr ColorValue kBlue = RGB(0, 0, 255);

// The picture name a step's undo or redo gave back.
std::optional<QString> nameOf(const std::optional<StepState> &state)
{
    return state ? std::optional<QString>(state->pictureName) : std::nullopt;
}
} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void aStepKeepsTheChangedRectangleBeforeAndAfter_data();
    void aStepKeepsTheChangedRectangleBeforeAndAfter();
    void undoAndRedoWalkTheStepsAndANewStepDropsTheRedo();
    void stepsThatChangeNothingAreNotKept();
    void theOldestStepsGoBeyondTheCapacity();
    void aStepBringsBackTheStripColumnsWithThePixels();
    void aChangeOfColumnsAloneIsAStep();
};

void TestHistory::aStepKeepsTheChangedRectangleBeforeAndAfter_data()
{
    QTest::addColumn<QList<QPoint>>("pixels");
    QTest::addColumn<QRect>("changed");
    QTest::newRow("one pixel") << QList<QPoint>{{3, 4}} << QRect(3, 4, 1, 1);
    QTest::newRow("x and y apart") << QList<QPoint>{{7, 2}} << QRect(7, 2, 1, 1);
    QTest::newRow("two corners") << QList<QPoint>{{1, 8}, {9, 0}} << QRect(1, 0, 9, 9);
    QTest::newRow("the whole last row") << QList<QPoint>{{0, 9}, {19, 9}} << QRect(0, 9, 20, 1);
}

void TestHistory::aStepKeepsTheChangedRectangleBeforeAndAfter()
{
    QFETCH(QList<QPoint>, pixels);
    QFETCH(QRect, changed);
    PictureSurface surface(QSize(20, 10));
    const QImage before = surface.Image().copy();
    History history;
    history.begin({&surface}, StepState{QStringLiteral("T1"), {}});
    for (const QPoint &pixel : pixels) {
        surface.PSet(float(pixel.x()), float(pixel.y()), kRed);
    }
    QCOMPARE(changedRect(before, surface.Image()), changed);
    history.end(StepState{QStringLiteral("T1"), {}});
    // Before and after, four bytes a pixel each.
    QCOMPARE(history.bytes(), 2 * 4 * changed.width() * changed.height());
    QList<QRect> repainted;
    surface.setChangeListener([&](const QRect &rect) { repainted.append(rect); });
    QCOMPARE(nameOf(history.undo()), std::optional<QString>(QStringLiteral("T1")));
    QCOMPARE(surface.Image(), before);
    QCOMPARE(repainted, QList<QRect>{changed});
}

void TestHistory::undoAndRedoWalkTheStepsAndANewStepDropsTheRedo()
{
    PictureSurface surface(QSize(8, 8));
    History history;
    history.begin({&surface}, StepState{QStringLiteral("T1"), {}});
    surface.PSet(1, 1, kRed);
    history.end(StepState{QStringLiteral("T2"), {}}); // a new picture name, as "new image" gives
    history.begin({&surface}, StepState{QStringLiteral("T2"), {}});
    surface.PSet(2, 5, kBlue);
    history.end(StepState{QStringLiteral("T2"), {}});

    QCOMPARE(nameOf(history.undo()), std::optional<QString>(QStringLiteral("T2")));
    QCOMPARE(surface.Point(2, 5), kGrey);
    QCOMPARE(surface.Point(1, 1), kRed);
    QCOMPARE(nameOf(history.undo()), std::optional<QString>(QStringLiteral("T1")));
    QCOMPARE(surface.Point(1, 1), kGrey);
    QVERIFY(!history.undo());
    QCOMPARE(nameOf(history.redo()), std::optional<QString>(QStringLiteral("T2")));
    QCOMPARE(surface.Point(1, 1), kRed);
    QCOMPARE(surface.Point(2, 5), kGrey);

    // A new step: the blue pixel can no longer come back.
    history.begin({&surface}, StepState{QStringLiteral("T2"), {}});
    surface.PSet(6, 6, kBlue);
    history.end(StepState{QStringLiteral("T2"), {}});
    QVERIFY(!history.redo());
    QCOMPARE(surface.Point(2, 5), kGrey);
    QCOMPARE(history.bytes(), 2 * 4 + 2 * 4); // two one-pixel steps
}

void TestHistory::stepsThatChangeNothingAreNotKept()
{
    PictureSurface surface(QSize(8, 8));
    History history;
    history.begin({&surface}, StepState{QStringLiteral("T1"), {}});
    surface.PSet(3, 3, kGrey); // the colour it had
    history.end(StepState{QStringLiteral("T1"), {}});
    QCOMPARE(history.bytes(), 0);
    QVERIFY(!history.undo());
    // A new name alone is a step.
    history.begin({&surface}, StepState{QStringLiteral("T1"), {}});
    history.end(StepState{QStringLiteral("T2"), {}});
    QCOMPARE(nameOf(history.undo()), std::optional<QString>(QStringLiteral("T1")));
}

void TestHistory::theOldestStepsGoBeyondTheCapacity()
{
    PictureSurface surface(QSize(10, 10));
    History history(3 * 800); // three whole-surface steps of 2 * 400 bytes
    for (const ColorValue colour : {kRed, kBlue, kRed, kBlue}) {
        history.begin({&surface}, StepState{QStringLiteral("T1"), {}});
        surface.setBackColor(colour);
        history.end(StepState{QStringLiteral("T1"), {}});
    }
    QCOMPARE(history.bytes(), 2400);
    for (const ColorValue was : {kRed, kBlue, kRed}) {
        QVERIFY(history.undo());
        QCOMPARE(surface.Point(5, 5), was);
    }
    QVERIFY(!history.undo()); // the first step, back to grey, is gone
    QCOMPARE(surface.Point(5, 5), kRed);
}

void TestHistory::aStepBringsBackTheStripColumnsWithThePixels()
{
    PictureSurface surface(QSize(20, 10));
    surface.keepColumns();
    History history;
    history.begin({&surface}, StepState{});
    surface.edit([](QImage &image, QImage &plane) {
        const QRect area(2, 2, 4, 3);
        for (int y = 2; y <= 4; ++y) { // rows 2..4 whole, the columns in a part of them
            std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(y)), 20, qRgb(255, 0, 0));
        }
        fillColumns(plane, area, 5);
        columnRow(plane, 3)[3] = 6; // a second run in the middle row
        return QRect(0, 2, 20, 3);
    });
    history.end(StepState{});
    // The pixels before and after, four bytes each, and the columns as runs of a length and a
    // column, two bytes each: one run a row before; after, three in rows 2 and 4, five in row 3.
    QCOMPARE(history.bytes(), 2 * 4 * 20 * 3 + 2 * 2 * (3 + (3 + 5 + 3)));
    QCOMPARE(surface.ColumnAt(3, 3), StripColumn(6));
    QCOMPARE(surface.ColumnAt(5, 4), StripColumn(5));
    history.undo();
    QCOMPARE(surface.Columns(), emptyColumnPlane(QSize(20, 10)));
    QCOMPARE(surface.Point(0, 2), kGrey);
    history.redo();
    QCOMPARE(surface.ColumnAt(2, 2), StripColumn(5));
    QCOMPARE(surface.ColumnAt(3, 3), StripColumn(6));
    QCOMPARE(surface.ColumnAt(4, 3), StripColumn(5));
    QCOMPARE(surface.ColumnAt(6, 3), kNoColumn);
    QCOMPARE(surface.ColumnAt(5, 5), kNoColumn);
    QCOMPARE(surface.Point(19, 4), kRed);

    // A change of the whole picture keeps whole planes, shared: two bytes a pixel each.
    const qsizetype before = history.bytes();
    history.begin({&surface}, StepState{});
    surface.edit([](QImage &image, QImage &plane) {
        image.fill(Qt::blue);
        fillColumns(plane, plane.rect(), 9);
        return image.rect();
    });
    history.end(StepState{});
    QCOMPARE(history.bytes() - before, 2 * 4 * 20 * 10 + 2 * 2 * 20 * 10);
    history.undo();
    QCOMPARE(surface.ColumnAt(3, 3), StripColumn(6));
    QCOMPARE(surface.ColumnAt(0, 0), kNoColumn);
    history.redo();
    QCOMPARE(surface.ColumnAt(3, 3), StripColumn(9));
}

void TestHistory::aChangeOfColumnsAloneIsAStep()
{
    PictureSurface surface(QSize(20, 10));
    surface.keepColumns();
    History history;
    history.begin({&surface}, StepState{});
    surface.edit([](QImage &, QImage &plane) {
        columnRow(plane, 3)[7] = 300;
        return QRect(7, 3, 1, 1);
    });
    history.end(StepState{});
    QVERIFY(history.canUndo());
    // One pixel: four bytes before and after, and one run of one column before and after.
    QCOMPARE(history.bytes(), 2 * 4 + 2 * 4);
    history.undo();
    QCOMPARE(surface.ColumnAt(7, 3), kNoColumn);
    history.redo();
    QCOMPARE(surface.ColumnAt(7, 3), StripColumn(300));
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
