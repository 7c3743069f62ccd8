// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/colourreplacement.h"
#include "main_window/form1.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr ColorValue kBackground = PictureSurface::kDefaultBackColor;
constexpr ColorValue kBlack = RGB(0, 0, 0);
constexpr ColorValue kC = RGB(40, 120, 200);
constexpr ColorValue kOneBitOff = RGB(41, 120, 200);
constexpr ColorValue kNew = RGB(250, 10, 90);
} // namespace

class TestColourReplacement : public QObject {
    Q_OBJECT

private slots:
    void init();
    void replacementTouchesExactlyThePixelsOfTheColour_data();
    void replacementTouchesExactlyThePixelsOfTheColour();
    void replacementNeverCascades();
    void anyButtonReplacesAcrossTheWholeCanvasThenDisarms_data();
    void anyButtonReplacesAcrossTheWholeCanvasThenDisarms();
    void aPressWhileOffChangesNothing();
    void armingTwiceThenOnePressReplacesOnce();
    void beforeAnyPickTheReplacementIsBlack();
    void pressingTheColourItselfChangesNothingAndDisarms();
    void theModeSurvivesOtherCommands();
    void aDragStartingWithTheArmedPressPaintsOverTheReplacement();

private:
    // A canvas with two separate areas of kC and one area one bit off it.
    void paintTwoAreasAndANearMiss();
    void pick(ColorValue colour);
    void pressCanvas(Qt::MouseButton button, int x, int y);

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestColourReplacement::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeForm(folder_->path());
}

void TestColourReplacement::paintTwoAreasAndANearMiss()
{
    PictureSurface &canvas = form_->Picture1->surface();
    canvas.FillStyle = PictureSurface::kFillSolid;
    canvas.FillColor = kC;
    canvas.Circle(50, 50, 10, kC);
    canvas.Circle(500, 400, 10, kC);
    canvas.FillColor = kOneBitOff;
    canvas.Circle(200, 200, 10, kOneBitOff);
}

void TestColourReplacement::pick(ColorValue colour)
{
    // The strip is the only way to pick; put the wanted colour where the press lands.
    form_->Picture2->surface().PSet(10, 10, colour);
    clickOn(form_->Picture2, 10, 10);
    QCOMPARE(form_->color, std::optional<ColorValue>(colour));
}

void TestColourReplacement::pressCanvas(Qt::MouseButton button, int x, int y)
{
    clickOn(form_->Picture1, x, y, button);
}

void TestColourReplacement::replacementTouchesExactlyThePixelsOfTheColour_data()
{
    QTest::addColumn<QRgb>("from");
    QTest::addColumn<QRgb>("to");
    QTest::addColumn<QRect>("changedRows");
    QTest::newRow("two separate areas") << qRgb(1, 2, 3) << qRgb(9, 9, 9) << QRect(0, 1, 8, 5);
    QTest::newRow("a colour that is not there") << qRgb(7, 7, 7) << qRgb(9, 9, 9) << QRect();
    QTest::newRow("into itself") << qRgb(1, 2, 3) << qRgb(1, 2, 3) << QRect();
}

void TestColourReplacement::replacementTouchesExactlyThePixelsOfTheColour()
{
    QFETCH(QRgb, from);
    QFETCH(QRgb, to);
    QFETCH(QRect, changedRows);
    QImage image(8, 7, QImage::Format_RGB32);
    image.fill(qRgb(200, 200, 200));
    image.setPixel(0, 1, qRgb(1, 2, 3));
    image.setPixel(7, 5, qRgb(1, 2, 3));
    image.setPixel(3, 3, qRgb(1, 2, 2)); // one bit off
    QImage expected = image.copy();
    if (from != to) {
        for (const QPoint p : {QPoint(0, 1), QPoint(7, 5)}) {
            if (expected.pixel(p) == from) {
                expected.setPixel(p, to);
            }
        }
    }
    QCOMPARE(replaceColour(image, from, to), changedRows);
    QCOMPARE(image, expected);
}

void TestColourReplacement::replacementNeverCascades()
{
    QImage image(4, 1, QImage::Format_RGB32);
    const QRgb a = qRgb(1, 1, 1), b = qRgb(2, 2, 2);
    image.setPixel(0, 0, a);
    image.setPixel(1, 0, b);
    image.setPixel(2, 0, a);
    image.setPixel(3, 0, b);
    replaceColour(image, a, b);
    for (int x = 0; x < 4; ++x) {
        QCOMPARE(image.pixel(x, 0), b);
    }
}

void TestColourReplacement::anyButtonReplacesAcrossTheWholeCanvasThenDisarms_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestColourReplacement::anyButtonReplacesAcrossTheWholeCanvasThenDisarms()
{
    QFETCH(Qt::MouseButton, button);
    paintTwoAreasAndANearMiss();
    const QImage before = form_->Picture1->surface().Image().copy();
    const int areaPixels = countPixels(before, kC);
    pick(kNew);
    QTest::mouseClick(form_->Command4, Qt::LeftButton);
    QCOMPARE(form_->spremeni, qint16(1));
    pressCanvas(button, 45, 52);
    QCOMPARE(form_->spremeni, qint16(0));
    QCOMPARE(form_->color1, std::optional<ColorValue>(kC));
    const QImage &after = form_->Picture1->surface().Image();
    QCOMPARE(countPixels(after, kC), 0);
    QCOMPARE(countPixels(after, kNew), areaPixels);
    QCOMPARE(form_->Picture1->surface().Point(500, 400), kNew); // not touching the press
    QCOMPARE(countPixels(after, kOneBitOff), countPixels(before, kOneBitOff));
    QCOMPARE(countPixels(after, kBackground), countPixels(before, kBackground));

    // A second press without arming again does nothing.
    pick(kBlack);
    pressCanvas(button, 200, 200);
    QCOMPARE(countPixels(after, kOneBitOff), countPixels(before, kOneBitOff));
}

void TestColourReplacement::aPressWhileOffChangesNothing()
{
    paintTwoAreasAndANearMiss();
    pick(kNew);
    const QImage before = form_->Picture1->surface().Image().copy();
    pressCanvas(Qt::LeftButton, 50, 50);
    QCOMPARE(form_->Picture1->surface().Image(), before);
    QVERIFY(!form_->color1.has_value());
    QCOMPARE(form_->spremeni, qint16(0));
}

void TestColourReplacement::armingTwiceThenOnePressReplacesOnce()
{
    paintTwoAreasAndANearMiss();
    pick(kNew);
    form_->Command4->click();
    form_->Command4->click();
    pressCanvas(Qt::LeftButton, 50, 50);
    QCOMPARE(form_->spremeni, qint16(0));
    pick(kBlack);
    pressCanvas(Qt::LeftButton, 50, 50); // the areas are kNew now, and stay so
    QCOMPARE(form_->Picture1->surface().Point(50, 50), kNew);
}

void TestColourReplacement::beforeAnyPickTheReplacementIsBlack()
{
    const int canvasPixels = 525 * 437;
    form_->Command4->click();
    pressCanvas(Qt::LeftButton, 300, 300);
    QCOMPARE(countPixels(form_->Picture1->surface().Image(), kBlack), canvasPixels);
}

void TestColourReplacement::pressingTheColourItselfChangesNothingAndDisarms()
{
    paintTwoAreasAndANearMiss();
    pick(kC);
    const QImage before = form_->Picture1->surface().Image().copy();
    form_->Command4->click();
    pressCanvas(Qt::LeftButton, 50, 50);
    QCOMPARE(form_->Picture1->surface().Image(), before);
    QCOMPARE(form_->spremeni, qint16(0));
}

void TestColourReplacement::theModeSurvivesOtherCommands()
{
    form_->Command4->click();
    form_->Command1->click(); // change palette
    form_->Command2->click(); // brush selection
    form_->Command7->click(); // new image
    form_->Command8->click(); // help
    form_->Command6->click(); // save
    clickOn(form_->Picture2, 3, 3);
    QCOMPARE(form_->spremeni, qint16(1));
    const ColorValue panel = RGB(200, 200, 200);
    const int panelPixels = countPixels(form_->Picture1->surface().Image(), panel);
    pressCanvas(Qt::LeftButton, 25, 25); // on the help panel
    QCOMPARE(countPixels(form_->Picture1->surface().Image(), *form_->color), panelPixels);
}

void TestColourReplacement::aDragStartingWithTheArmedPressPaintsOverTheReplacement()
{
    pick(kNew);
    form_->Command4->click();
    PictureBox *canvas = form_->Picture1;
    dragOn(canvas, {{100, 100}, {100, 100}});
    // The whole grey canvas took kNew first; the disc of the move is kNew on top of it.
    QCOMPARE(countPixels(canvas->surface().Image(), kNew), 525 * 437);

    pick(kBlack);
    form_->Command4->click();
    sendMouse(canvas, QEvent::MouseButtonPress, boxPoint(canvas, 10, 10), Qt::LeftButton,
              Qt::LeftButton);
    pick(kC); // a pick in the middle of the drag, with the left button still held
    sendMouse(canvas, QEvent::MouseMove, boxPoint(canvas, 10, 10), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(countPixels(canvas->surface().Image(), kBlack), 525 * 437 - 13);
    QCOMPARE(countPixels(canvas->surface().Image(), kC), 13);
}

QTEST_MAIN(TestColourReplacement)
#include "tst_colourreplacement.moc"
