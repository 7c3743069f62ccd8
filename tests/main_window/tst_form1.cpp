// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/appicon.h"
#include "main_window/form1.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void controlsSitAtTheirPlacesWithTheirCaptions_data();
    void controlsSitAtTheirPlacesWithTheirCaptions();
    void theWindowOpensMaximisedAndBlackWithItsTitle();
    void theIconShowsTheStripSqueezedWithADot_data();
    void theIconShowsTheStripSqueezedWithADot();
    void startValuesAreSet();
    void theStartUpPaletteIsTheFirstOfTheRun();
    void tabOrderRunsAsLaidOutAndChangePaletteHasTheFocus();
    void spaceRightAfterStartUpChangesThePalette();
    void anyButtonPicksTheColourUnderThePointer_data();
    void anyButtonPicksTheColourUnderThePointer();
    void aNewPaletteLeavesThePickedColour();
    void bannersChangeNothing_data();
    void bannersChangeNothing();
    void exitClosesTheWindow();
    void theWindowRepaintsFromItsSurface();

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestForm1::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeForm(folder_->path());
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestForm1::controlsSitAtTheirPlacesWithTheirCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Command5") << "Command5" << QRect(104, 48, 529, 25)
                              << "FREEHAND - PICK UP A COLOR FROM PALETTE AND DRAW IMAGE USING "
                                 "MOUSEDOWN ACTION";
    QTest::newRow("Picture1") << "Picture1" << QRect(104, 96, 529, 441) << "";
    QTest::newRow("Picture3") << "Picture3" << QRect(96, 88, 529, 441) << "";
    QTest::newRow("Picture2") << "Picture2" << QRect(104, 560, 529, 33) << "";
    QTest::newRow("Command9") << "Command9" << QRect(104, 616, 529, 25) << "GENERATIVE ART BY";
    QTest::newRow("Command7") << "Command7" << QRect(672, 320, 105, 17) << "new image";
    QTest::newRow("Command1") << "Command1" << QRect(672, 352, 105, 17) << "change palette";
    QTest::newRow("Command4") << "Command4" << QRect(672, 384, 105, 17) << "change color";
    QTest::newRow("Command2") << "Command2" << QRect(672, 416, 105, 17) << "brush selection";
    QTest::newRow("Command6") << "Command6" << QRect(672, 448, 105, 17) << "save on disk D:";
    QTest::newRow("Command8") << "Command8" << QRect(672, 480, 49, 17) << "help";
    QTest::newRow("Command3") << "Command3" << QRect(728, 480, 49, 17) << "exit";
}

void TestForm1::controlsSitAtTheirPlacesWithTheirCaptions()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    const std::map<QString, QWidget *> controls{
        {"Command1", form_->Command1}, {"Command2", form_->Command2},
        {"Command3", form_->Command3}, {"Command4", form_->Command4},
        {"Command5", form_->Command5}, {"Command6", form_->Command6},
        {"Command7", form_->Command7}, {"Command8", form_->Command8},
        {"Command9", form_->Command9}, {"Picture1", form_->Picture1},
        {"Picture2", form_->Picture2}, {"Picture3", form_->Picture3}};
    QWidget *control = controls.at(name);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->parentWidget(), form_->clientArea());
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QVERIFY2(button->text().startsWith(caption), qPrintable(button->text()));
        QVERIFY(!button->isDefault());
    }
    QCOMPARE(control->isVisible(), name != "Picture3");
}

void TestForm1::theWindowOpensMaximisedAndBlackWithItsTitle()
{
    QCOMPARE(form_->windowTitle(), QStringLiteral("form1"));
    QVERIFY(form_->windowState().testFlag(Qt::WindowMaximized));
    // Start-up gives every window of the program the icon.
    QVERIFY(!sinepaintIcon().isNull());
    QVERIFY(sinepaintIcon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(sinepaintIcon().availableSizes().contains(QSize(32, 32)));
    // The background shows black around the controls, also on screen.
    QCOMPARE(form_->windowSurface().BackColor(), RGB(0, 0, 0));
    const QImage shown = form_->clientArea()->grab(QRect(0, 0, 100, 40)).toImage();
    QCOMPARE(shown.pixel(10, 10), qRgb(0, 0, 0));
    QCOMPARE(shown.pixel(99, 39), qRgb(0, 0, 0));
}

void TestForm1::theIconShowsTheStripSqueezedWithADot_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QRgb>("lastCorner");
    QTest::addColumn<QRgb>("pastTheDot"); // the first pixel right of the dot on its middle row
    QTest::newRow("16") << 16 << qRgb(118, 251, 152) << qRgb(204, 26, 1);
    QTest::newRow("32") << 32 << qRgb(195, 247, 186) << qRgb(248, 4, 2);
    QTest::newRow("256") << 256 << qRgb(239, 229, 210) << qRgb(252, 0, 6);
}

void TestForm1::theIconShowsTheStripSqueezedWithADot()
{
    QFETCH(int, side);
    QFETCH(QRgb, lastCorner);
    QFETCH(QRgb, pastTheDot);
    const QImage icon = sinepaintIconPicture(side);
    QCOMPARE(icon.size(), QSize(side, side));
    // Every size begins with the same column, and each column is one colour top to bottom.
    QCOMPARE(icon.pixel(0, 0), qRgb(126, 228, 6));
    QCOMPARE(icon.pixel(0, side - 1), qRgb(126, 228, 6));
    QCOMPARE(icon.pixel(side / 4, 1), qRgb(5, 24, 168));
    QCOMPARE(icon.pixel(side - 1, side - 1), lastCorner);
    // A black dot of a fifth of the side in the middle.
    const int middle = side / 2, radius = side / 5;
    QCOMPARE(icon.pixel(middle, middle), qRgb(0, 0, 0));
    QCOMPARE(icon.pixel(middle + radius, middle), qRgb(0, 0, 0));
    QCOMPARE(icon.pixel(middle + radius + 1, middle), pastTheDot);
    // One colour a column, and black: nothing smoothed.
    QSet<QRgb> colours;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            colours.insert(icon.pixel(x, y));
        }
    }
    QCOMPARE(colours.size(), side + 1);
}

void TestForm1::startValuesAreSet()
{
    QCOMPARE(form_->mera, qint16(2));
    QCOMPARE(form_->spremeni, qint16(0));
    QCOMPARE(form_->sir, 529);
    QCOMPARE(form_->vis, 441);
    QVERIFY(!form_->color.has_value());
    QVERIFY(!form_->color1.has_value());
    QCOMPARE(form_->imeslike, QStringLiteral("T20270305210407"));
    QCOMPARE(form_->Picture1->surface().Point(100, 100), PictureSurface::kDefaultBackColor);
}

void TestForm1::theStartUpPaletteIsTheFirstOfTheRun()
{
    const PictureSurface &strip = form_->Picture2->surface();
    const std::pair<int, ColorValue> columns[] = {
        {0, RGB(17, 216, 101)}, {200, RGB(247, 243, 141)}, {524, RGB(161, 251, 242)}};
    for (const auto &[x, colour] : columns) {
        QCOMPARE(strip.Point(float(x), 0), colour);
        QCOMPARE(strip.Point(float(x), 28), colour);
    }
    // A second window starts the same way.
    auto second = makeForm(folder_->path());
    QCOMPARE(second->Picture2->surface().Image(), strip.Image());
}

void TestForm1::tabOrderRunsAsLaidOutAndChangePaletteHasTheFocus()
{
    QTRY_COMPARE(QApplication::focusWidget(), form_->Command1);
    const QList<QWidget *> order{form_->Command1, form_->Command3, form_->Command7, form_->Picture1,
                                 form_->Picture2, form_->Command2, form_->Command4, form_->Command5,
                                 form_->Command6, form_->Command8, form_->Command9};
    // Tab walks through the visible controls in this order and comes round again.
    for (qsizetype i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), order[i % order.size()]);
    }
}

void TestForm1::spaceRightAfterStartUpChangesThePalette()
{
    QTRY_COMPARE(QApplication::focusWidget(), form_->Command1);
    const QImage before = form_->Picture2->surface().Image().copy();
    QTest::keyClick(form_->Command1, Qt::Key_Space);
    QVERIFY(form_->Picture2->surface().Image() != before);
}

void TestForm1::anyButtonPicksTheColourUnderThePointer_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("x");
    QTest::newRow("left button, first column") << Qt::LeftButton << 0;
    QTest::newRow("right button") << Qt::RightButton << 200;
    QTest::newRow("middle button, last column") << Qt::MiddleButton << 524;
}

void TestForm1::anyButtonPicksTheColourUnderThePointer()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, x);
    const ColorValue shown = form_->Picture2->surface().Point(float(x), 14);
    clickOn(form_->Picture2, x, 14, button, Qt::ControlModifier);
    QCOMPARE(form_->color, std::optional<ColorValue>(shown));
}

void TestForm1::aNewPaletteLeavesThePickedColour()
{
    clickOn(form_->Picture2, 50, 3);
    const auto picked = form_->color;
    QVERIFY(picked.has_value());
    form_->Command1->click();
    QCOMPARE(form_->color, picked);
    QVERIFY(form_->Picture2->surface().Point(50, 3) != *picked);
}

void TestForm1::bannersChangeNothing_data()
{
    QTest::addColumn<bool>("credit");
    QTest::newRow("freehand banner") << false;
    QTest::newRow("credit banner") << true;
}

void TestForm1::bannersChangeNothing()
{
    QFETCH(bool, credit);
    QPushButton *banner = credit ? form_->Command9 : form_->Command5;
    // Something on the canvas and a mode armed, for a banner to spoil.
    clickOn(form_->Picture2, 150, 5);
    dragOn(form_->Picture1, {{40, 300}, {60, 310}, {80, 290}});
    form_->Command8->click();
    form_->Command2->click();
    form_->Command4->click();
    const std::optional<ColorValue> colour = form_->color;
    const QString name = form_->imeslike;
    const QImage canvas = form_->Picture1->surface().Image().copy();
    const QImage strip = form_->Picture2->surface().Image().copy();
    const QImage window = form_->windowSurface().Image().copy();
    QTest::mouseClick(banner, Qt::LeftButton);
    QCOMPARE(form_->Picture1->surface().Image(), canvas);
    QCOMPARE(form_->Picture2->surface().Image(), strip);
    QCOMPARE(form_->windowSurface().Image(), window);
    QCOMPARE(form_->mera, qint16(3));
    QCOMPARE(form_->spremeni, qint16(1));
    QCOMPARE(form_->color, colour);
    QCOMPARE(form_->imeslike, name);
    QVERIFY(form_->isVisible());
}

void TestForm1::exitClosesTheWindow()
{
    QTest::mouseClick(form_->Command3, Qt::LeftButton);
    QVERIFY(!form_->isVisible());
}

void TestForm1::theWindowRepaintsFromItsSurface()
{
    // What the window shows of the indicator is what its surface holds.
    const QRect indicator(795, 410, 40, 30);
    const QImage shown =
        form_->clientArea()->grab(indicator).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, form_->windowSurface().Image().copy(indicator));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
