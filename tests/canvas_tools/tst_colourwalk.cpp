// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/stroke.h"
#include "main_window/form1.h"
#include "main_window/statusline.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int kNone = 65535;
}

class TestColourWalk : public QObject {
    Q_OBJECT

private slots:
    void init();
    void theWalkTurnsBackAtEitherEnd_data();
    void theWalkTurnsBackAtEitherEnd();
    void eachDiscTakesTheColumnOfItsPlaceOnThePath_data();
    void eachDiscTakesTheColumnOfItsPlaceOnThePath();

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestColourWalk::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeForm(folder_->path());
}

void TestColourWalk::theWalkTurnsBackAtEitherEnd_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("step");
    QTest::addColumn<QList<int>>("travelled");
    QTest::addColumn<QList<int>>("columns");
    QTest::newRow("every 4 pixels from column 10")
        << 10 << 4 << QList<int>{0, 3, 4, 7, 8, 29, 30} << QList<int>{10, 10, 11, 11, 12, 17, 17};
    QTest::newRow("every pixel, back from 524")
        << 522 << 1 << QList<int>{1, 2, 3, 4, 5} << QList<int>{523, 524, 523, 522, 521};
    QTest::newRow("from 524 the first step goes back")
        << 524 << 1 << QList<int>{0, 1} << QList<int>{524, 523};
    QTest::newRow("forth from 0 after a whole turn")
        << 0 << 1 << QList<int>{524, 525, 1047, 1048, 1049} << QList<int>{524, 523, 1, 0, 1};
    QTest::newRow("every 50 pixels")
        << 200 << 50 << QList<int>{49, 50, 99, 100, 26150} << QList<int>{200, 201, 201, 202, 325};
}

void TestColourWalk::theWalkTurnsBackAtEitherEnd()
{
    QFETCH(int, start);
    QFETCH(int, step);
    QFETCH(QList<int>, travelled);
    QFETCH(QList<int>, columns);
    for (qsizetype i = 0; i < travelled.size(); ++i) {
        QCOMPARE(int(walkedColumn(StripColumn(start), step, travelled[i], 525)), columns[i]);
    }
}

void TestColourWalk::eachDiscTakesTheColumnOfItsPlaceOnThePath_data()
{
    QTest::addColumn<int>("picked");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("mirror"); // kMirrors
    QTest::addColumn<QList<QPoint>>("drag");
    // Each disc of radius 2 alone paints the pixel two below its centre.
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<QList<ColorValue>>("colours"); // palette 1's
    QTest::newRow("a connected line of 30 pixels from column 10, every 4 pixels")
        << 10 << 4 << true << 0 << QList<QPoint>{{50, 100}, {80, 100}}
        << QList<QPoint>{{50, 102}, {53, 102}, {54, 102}, {79, 102}, {80, 102}, {81, 102}}
        << QList<int>{10, 10, 11, 17, 17, kNone}
        << QList<ColorValue>{RGB(28, 242, 121), RGB(28, 242, 121), RGB(29, 244, 123),
                             RGB(36, 251, 135), RGB(36, 251, 135), RGB(240, 240, 240)};
    QTest::newRow("turning back at 524, every pixel")
        << 523 << 1 << true << 0 << QList<QPoint>{{50, 200}, {54, 200}}
        << QList<QPoint>{{50, 202}, {51, 202}, {52, 202}, {53, 202}, {54, 202}}
        << QList<int>{523, 524, 523, 522, 521}
        << QList<ColorValue>{RGB(160, 251, 243), RGB(161, 251, 242), RGB(160, 251, 243),
                             RGB(158, 250, 244), RGB(156, 249, 245)};
    QTest::newRow("every 50 pixels: one column for the whole line")
        << 10 << 50 << true << 0 << QList<QPoint>{{50, 100}, {99, 100}}
        << QList<QPoint>{{50, 102}, {99, 102}} << QList<int>{10, 10}
        << QList<ColorValue>{RGB(28, 242, 121), RGB(28, 242, 121)};
    QTest::newRow("separate discs count the path between them; four ways, one column each")
        << 100 << 1 << false << 3 << QList<QPoint>{{50, 300}, {50, 300}, {55, 302}}
        << QList<QPoint>{{50, 302}, {55, 304}, {469, 304}, {55, 136}, {469, 136}}
        << QList<int>{100, 105, 105, 105, 105}
        << QList<ColorValue>{RGB(177, 2, 250), RGB(185, 0, 252), RGB(185, 0, 252), RGB(185, 0, 252),
                             RGB(185, 0, 252)};
}

void TestColourWalk::eachDiscTakesTheColumnOfItsPlaceOnThePath()
{
    QFETCH(int, picked);
    QFETCH(int, step);
    QFETCH(bool, connected);
    QFETCH(int, mirror);
    QFETCH(QList<QPoint>, drag);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<int>, columns);
    QFETCH(QList<ColorValue>, colours);
    clickOn(form_->Picture2, picked, 14);
    const std::optional<ColorValue> pickedColour = form_->color;
    form_->commands().colourAlongStroke->trigger();
    form_->colourStep = step;
    if (connected) {
        form_->commands().connectedStrokes->trigger();
    }
    form_->mirror = kMirrors[mirror];
    QVERIFY(
        form_->statusLine()->modesText().endsWith(QStringLiteral(" · Colour along the stroke")));
    dragOn(form_->Picture1, drag);
    const PictureSurface &canvas = form_->Picture1->surface();
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPoint at = points[i];
        QCOMPARE(int(canvas.ColumnAt(float(at.x()), float(at.y()))), columns[i]);
        QCOMPARE(canvas.Point(float(at.x()), float(at.y())), colours[i]);
    }
    // The painting colour is still the one picked; the stroke is one step.
    QCOMPARE(form_->color, pickedColour);
    QCOMPARE(form_->commands().undo->text(), QStringLiteral("&Undo Stroke"));
}

QTEST_MAIN(TestColourWalk)
#include "tst_colourwalk.moc"
