// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/mousearguments.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QtTest>

class TestPictureBox : public QObject {
    Q_OBJECT

private slots:
    void drawableAreaIsTheOuterSizeLessATwoPixelBorder_data();
    void drawableAreaIsTheOuterSizeLessATwoPixelBorder();
    void buttonsAndModifiersBecomeBitMasks_data();
    void buttonsAndModifiersBecomeBitMasks();
    void pressesAreReportedInDrawableAreaPixels_data();
    void pressesAreReportedInDrawableAreaPixels();
    void movesWithoutAButtonOutsideTheAreaAreNotReportedButDragsAre();
    void theBoxShowsItsImageAgainWheneverItRepaints();
};

void TestPictureBox::drawableAreaIsTheOuterSizeLessATwoPixelBorder_data()
{
    QTest::addColumn<QRect>("outer");
    QTest::addColumn<QSize>("drawable");
    QTest::newRow("canvas") << QRect(104, 96, 529, 441) << QSize(525, 437);
    QTest::newRow("palette strip") << QRect(104, 560, 529, 33) << QSize(525, 29);
}

void TestPictureBox::drawableAreaIsTheOuterSizeLessATwoPixelBorder()
{
    QFETCH(QRect, outer);
    QFETCH(QSize, drawable);
    QWidget window;
    PictureBox box(outer, &window);
    QCOMPARE(box.geometry(), outer);
    QCOMPARE(box.surface().size(), drawable);
    QCOMPARE(box.contentsRect(), QRect(QPoint(2, 2), drawable));
}

void TestPictureBox::buttonsAndModifiersBecomeBitMasks_data()
{
    QTest::addColumn<Qt::MouseButtons>("buttons");
    QTest::addColumn<int>("mask");
    QTest::newRow("none") << Qt::MouseButtons() << 0;
    QTest::newRow("left") << Qt::MouseButtons(Qt::LeftButton) << 1;
    QTest::newRow("right") << Qt::MouseButtons(Qt::RightButton) << 2;
    QTest::newRow("middle") << Qt::MouseButtons(Qt::MiddleButton) << 4;
    QTest::newRow("left and right") << (Qt::LeftButton | Qt::RightButton) << 3;
    QTest::newRow("back button is not one of the three") << Qt::MouseButtons(Qt::BackButton) << 0;
}

void TestPictureBox::buttonsAndModifiersBecomeBitMasks()
{
    QFETCH(Qt::MouseButtons, buttons);
    QFETCH(int, mask);
    QCOMPARE(buttonMask(buttons), mask);
    QCOMPARE(shiftMask(Qt::ShiftModifier | Qt::AltModifier), 5);
    QCOMPARE(shiftMask(Qt::ControlModifier), 2);
}

void TestPictureBox::pressesAreReportedInDrawableAreaPixels_data()
{
    QTest::addColumn<QPoint>("position");  // in the box, as the event rounds it
    QTest::addColumn<QPointF>("fraction"); // where the pointer really is, off that
    QTest::addColumn<bool>("reported");
    QTest::addColumn<QPointF>("pixel");
    QTest::newRow("x and y kept apart") << QPoint(12, 22) << QPointF() << true << QPointF(10, 20);
    QTest::newRow("right half of pixel 200 on a 2x screen is still 200")
        << QPoint(203, 17) << QPointF(-0.5, -0.5) << true << QPointF(200, 14);
    QTest::newRow("a quarter into pixel 7 on a 1.25x screen")
        << QPoint(9, 3) << QPointF(0.25, 0.4) << true << QPointF(7, 1);
    QTest::newRow("last drawable pixel")
        << QPoint(526, 30) << QPointF() << true << QPointF(524, 28);
    QTest::newRow("left border") << QPoint(1, 10) << QPointF() << false << QPointF();
    QTest::newRow("right border") << QPoint(527, 10) << QPointF() << false << QPointF();
    QTest::newRow("bottom border") << QPoint(100, 31) << QPointF() << false << QPointF();
}

void TestPictureBox::pressesAreReportedInDrawableAreaPixels()
{
    QFETCH(QPoint, position);
    QFETCH(QPointF, fraction);
    QFETCH(bool, reported);
    QFETCH(QPointF, pixel);
    QWidget window;
    PictureBox box(QRect(30, 40, 529, 33), &window);
    QSignalSpy downs(&box, &PictureBox::mouseDown);
    sendMouse(&box, QEvent::MouseButtonPress, position, Qt::RightButton, Qt::RightButton,
              Qt::ShiftModifier, fraction);
    QCOMPARE(downs.size(), reported ? 1 : 0);
    if (reported) {
        QCOMPARE(downs[0][0].toInt(), 2);
        QCOMPARE(downs[0][1].toInt(), 1);
        QCOMPARE(QPointF(downs[0][2].toFloat(), downs[0][3].toFloat()), pixel);
    }
}

void TestPictureBox::movesWithoutAButtonOutsideTheAreaAreNotReportedButDragsAre()
{
    QWidget window;
    PictureBox box(QRect(0, 0, 100, 100), &window);
    QSignalSpy moves(&box, &PictureBox::mouseMove);
    sendMouse(&box, QEvent::MouseMove, QPoint(0, 50), Qt::NoButton, Qt::NoButton);
    QCOMPARE(moves.size(), 0);
    sendMouse(&box, QEvent::MouseMove, QPoint(-5, 50), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(moves.size(), 1);
    QCOMPARE(moves[0][0].toInt(), 1);
    QCOMPARE(moves[0][2].toFloat(), -7.0f);
    QCOMPARE(moves[0][3].toFloat(), 48.0f);
}

void TestPictureBox::theBoxShowsItsImageAgainWheneverItRepaints()
{
    QWidget window;
    PictureBox box(QRect(0, 0, 60, 40), &window);
    box.surface().FillStyle = PictureSurface::kFillSolid;
    box.surface().FillColor = RGB(10, 200, 30);
    box.surface().Circle(20, 15, 8, RGB(10, 200, 30));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // What a repaint of the box shows is exactly its image, however often it repaints.
    for (int pass = 0; pass < 2; ++pass) {
        const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(box.contentsRect()), box.surface().Image());
    }
}

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
