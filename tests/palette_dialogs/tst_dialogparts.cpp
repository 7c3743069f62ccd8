// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette/palettenumber.h"
#include "palette/paletterandom.h"
#include "palette_dialogs/dialogplacement.h"
#include "palette_dialogs/focusring.h"
#include "palette_dialogs/numberfield.h"
#include "palette_dialogs/waveplot.h"

#include <QDialog>
#include <QLineEdit>
#include <QtTest>

class TestDialogParts : public QObject {
    Q_OBJECT

private slots:
    void aDialogGoesBesideTheControls_data();
    void aDialogGoesBesideTheControls();
    void aFieldReadsOnlyAWholeNumber_data();
    void aFieldReadsOnlyAWholeNumber();
    void thePlotShowsTheWavesOverTheStrip();
    void theFocusRingSurroundsTheFocusedControl();
};

void TestDialogParts::aDialogGoesBesideTheControls_data()
{
    QTest::addColumn<QRect>("controls");
    QTest::addColumn<QSize>("dialog");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("corner");  // (-1, -1): the window manager places it
    const QRect layout(0, 30, 831, 641); // the window's controls at scale 1, under a title
    QTest::newRow("to the right, at their top")
        << layout << QSize(600, 700) << QRect(0, 0, 1920, 1080) << QPoint(831, 30);
    QTest::newRow("to the right, moved up to stay on the screen")
        << layout << QSize(600, 1060) << QRect(0, 0, 1920, 1080) << QPoint(831, 20);
    QTest::newRow("to the left of a window on the right")
        << QRect(1000, 30, 831, 641) << QSize(600, 700) << QRect(0, 0, 1920, 1080)
        << QPoint(400, 30);
    QTest::newRow("below, where neither side has room")
        << QRect(100, 0, 831, 400) << QSize(900, 500) << QRect(0, 0, 1000, 1000)
        << QPoint(100, 400);
    QTest::newRow("on a second screen to the right")
        << QRect(1920, 30, 831, 641) << QSize(600, 700) << QRect(1920, 0, 1920, 1080)
        << QPoint(2751, 30);
    QTest::newRow("no room anywhere: scale 2 on a 1920 x 1080 screen")
        << QRect(0, 30, 1662, 1050) << QSize(1200, 1000) << QRect(0, 0, 1920, 1080)
        << QPoint(-1, -1);
}

void TestDialogParts::aDialogGoesBesideTheControls()
{
    QFETCH(QRect, controls);
    QFETCH(QSize, dialog);
    QFETCH(QRect, screen);
    QFETCH(QPoint, corner);
    QCOMPARE(placeBeside(controls, dialog, screen).value_or(QPoint(-1, -1)), corner);
}

void TestDialogParts::aFieldReadsOnlyAWholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("number");
    QTest::newRow("1.57") << "1.57" << true << 1.57;
    QTest::newRow("-2") << "-2" << true << -2.0;
    QTest::newRow("+3") << "+3" << true << 3.0;
    QTest::newRow("1e3") << "1e3" << true << 1000.0;
    QTest::newRow("a decimal comma") << "40,5" << true << 40.5;
    QTest::newRow("spaces around") << " 7 " << true << 7.0;
    QTest::newRow("on the way: 1.") << "1." << true << 1.0;
    QTest::newRow("on the way: -") << "-" << false << 0.0;
    QTest::newRow("on the way: 1e") << "1e" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("a point and a comma") << "1,000.5" << false << 0.0;
}

void TestDialogParts::aFieldReadsOnlyAWholeNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, number);
    const std::optional<double> read = NumberField::numberIn(text);
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber) {
        QCOMPARE(*read, number);
    }
}

void TestDialogParts::thePlotShowsTheWavesOverTheStrip()
{
    // Palette 1's column 0 is (17, 216, 101): red at row 127 - 17 / 2 = 119, green at 19, blue
    // at 77; the strip from row 132 down.
    PaletteRandom random;
    const QImage plot = WavePlot::plotPicture(numberedPaletteWaves(1, random));
    QCOMPARE(plot.size(), QSize(525, 148));
    QCOMPARE(plot.pixel(0, 119), 0xffff3030u);
    QCOMPARE(plot.pixel(0, 19), 0xff30ff30u);
    QCOMPARE(plot.pixel(0, 77), 0xff5070ffu);
    QCOMPARE(plot.pixel(0, 50), 0xff202020u);  // nothing there
    QCOMPARE(plot.pixel(0, 64), 0xff404040u);  // the guide of 126
    QCOMPARE(plot.pixel(0, 129), 0xff202020u); // the gap
    QCOMPARE(plot.pixel(0, 132), qRgb(17, 216, 101));
    QCOMPARE(plot.pixel(0, 147), qRgb(17, 216, 101));
    QCOMPARE(plot.pixel(524, 140), qRgb(161, 251, 242));
    // The blue curve, drawn last, is unbroken: in every column it runs from its own row (127
    // less half the column's blue) to the row before the next column's.
    for (int x = 0; x < 524; ++x) {
        const int row = 127 - qBlue(plot.pixel(x, 140)) / 2;
        const int next = 127 - qBlue(plot.pixel(x + 1, 140)) / 2;
        for (int y = std::min(row, next + 1); y <= std::max(row, next - 1); ++y) {
            QVERIFY2(plot.pixel(x, y) == 0xff5070ffu,
                     qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
        }
    }
}

void TestDialogParts::theFocusRingSurroundsTheFocusedControl()
{
    QDialog dialog;
    dialog.resize(300, 200);
    auto *field = new QLineEdit(&dialog);
    field->setGeometry(40, 50, 120, 24);
    auto *ring = new FocusRing(&dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ring->follow(field);
    QCOMPARE(ring->geometry(), QRect(37, 47, 126, 30)); // 2 pixels, a pixel away
    QVERIFY(ring->isVisible());
    const QImage shown = dialog.grab().toImage();
    const QRgb highlight = dialog.palette().color(QPalette::Active, QPalette::Highlight).rgb();
    QCOMPARE(shown.pixel(37, 47), highlight);
    QCOMPARE(shown.pixel(38, 60), highlight);  // the left side, two wide
    QCOMPARE(shown.pixel(162, 76), highlight); // the bottom right corner
    QVERIFY(shown.pixel(39, 60) != highlight); // the gap before the field
    field->move(100, 100);
    QCOMPARE(ring->geometry(), QRect(97, 97, 126, 30));
    QLineEdit elsewhere; // a control of another window
    ring->follow(&elsewhere);
    QVERIFY(!ring->isVisible());
    ring->follow(field);
    field->hide();
    QVERIFY(!ring->isVisible());
}

QTEST_MAIN(TestDialogParts)
#include "tst_dialogparts.moc"
