// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/stroke.h"
#include "main_window/form1.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr QRgb kBlack = 0xff000000;

// The painted (black) runs of one canvas row, each as its first and last column.
QList<QPoint> paintedRuns(const QImage &image, int row)
{
    QList<QPoint> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, row) != kBlack) {
            continue;
        }
        if (!runs.isEmpty() && runs.last().y() == x - 1) {
            runs.last().setY(x);
        } else {
            runs.append({x, x});
        }
    }
    return runs;
}
} // namespace

class TestStroke : public QObject {
    Q_OBJECT

private slots:
    void init();
    void aStrokeIsUnbrokenOnlyWhenConnected_data();
    void aStrokeIsUnbrokenOnlyWhenConnected();
    void aClickLeavesOneDiscOnlyWhenConnected_data();
    void aClickLeavesOneDiscOnlyWhenConnected();
    void mirrorsPaintEachDiscAtItsImages_data();
    void mirrorsPaintEachDiscAtItsImages();
    void aMirroredConnectedStrokeIsOneUndoStep();
    void theBrushMenuShowsTheModes();
    void aConnectedStrokeStepsAsLineInEveryOctant_data();
    void aConnectedStrokeStepsAsLineInEveryOctant();

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestStroke::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeForm(folder_->path());
}

void TestStroke::aStrokeIsUnbrokenOnlyWhenConnected_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("radius");
    QTest::addColumn<QPoint>("to"); // pressed at (100, 200) and moved there, then to `to`
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<QPoint>>("runs"); // first and last painted column of each run
    const QPoint across(400, 200);
    QTest::newRow("radius 10, the middle row")
        << true << 10 << across << 200 << QList<QPoint>{{90, 410}};
    QTest::newRow("radius 10, the top row")
        << true << 10 << across << 190 << QList<QPoint>{{100, 400}};
    QTest::newRow("radius 10, a row below the top")
        << true << 10 << across << 191 << QList<QPoint>{{96, 404}};
    QTest::newRow("radius 10, above the top") << true << 10 << across << 189 << QList<QPoint>{};
    QTest::newRow("radius 10, below the bottom") << true << 10 << across << 211 << QList<QPoint>{};
    QTest::newRow("radius 2, the middle row")
        << true << 2 << across << 200 << QList<QPoint>{{98, 402}};
    QTest::newRow("radius 2, a row off the middle")
        << true << 2 << across << 199 << QList<QPoint>{{99, 401}};
    QTest::newRow("radius 2, the top row")
        << true << 2 << across << 198 << QList<QPoint>{{100, 400}};
    QTest::newRow("radius 2, slanted, 2 down in 5 across")
        << true << 2 << QPoint(300, 280) << 240 << QList<QPoint>{{194, 206}};
    QTest::newRow("off, radius 10: two discs")
        << false << 10 << across << 200 << QList<QPoint>{{90, 110}, {390, 410}};
    QTest::newRow("off, radius 2: two discs")
        << false << 2 << across << 200 << QList<QPoint>{{98, 102}, {398, 402}};
}

void TestStroke::aStrokeIsUnbrokenOnlyWhenConnected()
{
    QFETCH(bool, connected);
    QFETCH(int, radius);
    QFETCH(QPoint, to);
    QFETCH(int, row);
    QFETCH(QList<QPoint>, runs);
    form_->mera = qint16(radius);
    if (connected) {
        form_->commands().connectedStrokes->trigger();
    }
    dragOn(form_->Picture1, {{100, 200}, {100, 200}, to});
    QCOMPARE(paintedRuns(form_->Picture1->surface().Image(), row), runs);
}

void TestStroke::aClickLeavesOneDiscOnlyWhenConnected_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("pixels");
    QTest::newRow("connected: one disc of radius 2") << true << 13;
    QTest::newRow("not connected: nothing") << false << 0;
}

void TestStroke::aClickLeavesOneDiscOnlyWhenConnected()
{
    QFETCH(bool, connected);
    QFETCH(int, pixels);
    form_->commands().connectedStrokes->setChecked(!connected); // the item toggles
    form_->commands().connectedStrokes->trigger();
    QCOMPARE(form_->connectedStrokes, connected);
    clickOn(form_->Picture1, 300, 300);
    QCOMPARE(countPixels(form_->Picture1->surface().Image(), RGB(0, 0, 0)), pixels);
    QCOMPARE(form_->Picture1->surface().Point(300, 298),
             pixels ? RGB(0, 0, 0) : RGB(240, 240, 240));
}

void TestStroke::mirrorsPaintEachDiscAtItsImages_data()
{
    QTest::addColumn<int>("mode"); // the place in the Mirror menu
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QList<QPoint>>("centres");
    QTest::newRow("none") << 0 << QPoint(100, 50) << QList<QPoint>{{100, 50}};
    QTest::newRow("left and right") << 1 << QPoint(100, 50) << QList<QPoint>{{100, 50}, {424, 50}};
    QTest::newRow("left and right, on the first column")
        << 1 << QPoint(0, 10) << QList<QPoint>{{0, 10}, {524, 10}};
    QTest::newRow("left and right, on the middle column: itself")
        << 1 << QPoint(262, 50) << QList<QPoint>{{262, 50}};
    QTest::newRow("top and bottom") << 2 << QPoint(100, 50) << QList<QPoint>{{100, 50}, {100, 386}};
    QTest::newRow("top and bottom, on the middle row: itself")
        << 2 << QPoint(100, 218) << QList<QPoint>{{100, 218}};
    QTest::newRow("four ways") << 3 << QPoint(100, 50)
                               << QList<QPoint>{{100, 50}, {424, 50}, {100, 386}, {424, 386}};
    QTest::newRow("four ways, the centre pixel: itself")
        << 3 << QPoint(262, 218) << QList<QPoint>{{262, 218}};
    QTest::newRow("kaleidoscope 6")
        << 4 << QPoint(362, 218)
        << QList<QPoint>{{362, 218}, {312, 305}, {212, 305}, {162, 218}, {212, 131}, {312, 131}};
    QTest::newRow("kaleidoscope 6, halves away from the middle")
        << 4 << QPoint(263, 218)
        << QList<QPoint>{{263, 218}, {263, 219}, {261, 219}, {261, 218}, {261, 217}, {263, 217}};
    QTest::newRow("kaleidoscope 8")
        << 5 << QPoint(362, 218) << QList<QPoint>{{362, 218}, {333, 289}, {262, 318}, {191, 289},
                                                  {162, 218}, {191, 147}, {262, 118}, {333, 147}};
    QTest::newRow("kaleidoscope 8, the centre pixel: itself")
        << 5 << QPoint(262, 218) << QList<QPoint>{{262, 218}};
}

void TestStroke::mirrorsPaintEachDiscAtItsImages()
{
    QFETCH(int, mode);
    QFETCH(QPoint, centre);
    QFETCH(QList<QPoint>, centres);
    const std::vector<QPoint> found = mirrorCentres(centre, kMirrors[mode], {525, 437});
    QCOMPARE(QList<QPoint>(found.begin(), found.end()), centres);
    // On the canvas, from the menu: a disc at each centre, clipped at the edges.
    for (int step = 0; step < mode; ++step) {
        form_->commands().nextMirror->trigger();
    }
    sendMouse(form_->Picture1, QEvent::MouseMove, boxPoint(form_->Picture1, centre.x(), centre.y()),
              Qt::NoButton, Qt::LeftButton);
    const QImage &image = form_->Picture1->surface().Image();
    int inside = 0;
    for (int y = 0; y < 437; ++y) {
        for (int x = 0; x < 525; ++x) {
            const bool disc = std::any_of(centres.begin(), centres.end(), [&](QPoint c) {
                return insideDisc(x, y, c.x(), c.y(), 2);
            });
            inside += disc;
            QCOMPARE(image.pixel(x, y) == kBlack, disc);
        }
    }
    QVERIFY(inside > 0);
}

void TestStroke::aMirroredConnectedStrokeIsOneUndoStep()
{
    const QImage before = form_->Picture1->surface().Image().copy();
    form_->commands().connectedStrokes->trigger();
    form_->commands().mirrorKaleidoscope8->trigger();
    dragOn(form_->Picture1, {{300, 100}, {350, 150}, {400, 120}, {410, 300}});
    QVERIFY(form_->Picture1->surface().Image() != before);
    form_->commands().undo->trigger();
    QCOMPARE(form_->Picture1->surface().Image(), before);
    QVERIFY(!form_->history().canUndo());
}

void TestStroke::theBrushMenuShowsTheModes()
{
    const Form1::Commands &commands = form_->commands();
    QVERIFY(!commands.connectedStrokes->isChecked());
    QVERIFY(commands.mirrorNone->isChecked());
    commands.connectedStrokes->trigger();
    commands.mirrorFourWays->trigger();
    QVERIFY(commands.connectedStrokes->isChecked());
    QVERIFY(commands.mirrorFourWays->isChecked());
    QVERIFY(!commands.mirrorNone->isChecked());
    // Ctrl+M steps on, from the last round to the first.
    commands.nextMirror->trigger(); // Kaleidoscope 6
    commands.nextMirror->trigger(); // Kaleidoscope 8
    QVERIFY(commands.mirrorKaleidoscope8->isChecked());
    commands.nextMirror->trigger();
    QVERIFY(commands.mirrorNone->isChecked());
    QVERIFY(form_->mirror == Mirror::none);
}

void TestStroke::aConnectedStrokeStepsAsLineInEveryOctant_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QList<QPoint>>("steps"); // from (100, 100), halves rounded up
    QTest::newRow("right, rising")
        << QPoint(108, 95) << QList<QPoint>{{100, 100}, {101, 99}, {102, 99}, {103, 98}, {104, 98},
                                            {105, 97},  {106, 96}, {107, 96}, {108, 95}};
    QTest::newRow("up, to the right")
        << QPoint(105, 92) << QList<QPoint>{{100, 100}, {101, 99}, {101, 98}, {102, 97}, {103, 96},
                                            {103, 95},  {104, 94}, {104, 93}, {105, 92}};
    QTest::newRow("up, to the left")
        << QPoint(95, 92) << QList<QPoint>{{100, 100}, {99, 99}, {99, 98}, {98, 97}, {98, 96},
                                           {97, 95},   {96, 94}, {96, 93}, {95, 92}};
    QTest::newRow("left, rising") << QPoint(92, 95)
                                  << QList<QPoint>{{100, 100}, {99, 99}, {98, 99},
                                                   {97, 98},   {96, 98}, {95, 97},
                                                   {94, 96},   {93, 96}, {92, 95}};
    QTest::newRow("left, falling")
        << QPoint(92, 105) << QList<QPoint>{{100, 100}, {99, 101}, {98, 101}, {97, 102}, {96, 103},
                                            {95, 103},  {94, 104}, {93, 104}, {92, 105}};
    QTest::newRow("down, to the left")
        << QPoint(95, 108) << QList<QPoint>{{100, 100}, {99, 101}, {99, 102}, {98, 103}, {98, 104},
                                            {97, 105},  {96, 106}, {96, 107}, {95, 108}};
    QTest::newRow("down, to the right")
        << QPoint(105, 108)
        << QList<QPoint>{{100, 100}, {101, 101}, {101, 102}, {102, 103}, {103, 104},
                         {103, 105}, {104, 106}, {104, 107}, {105, 108}};
    QTest::newRow("right, falling")
        << QPoint(108, 105)
        << QList<QPoint>{{100, 100}, {101, 101}, {102, 101}, {103, 102}, {104, 103},
                         {105, 103}, {106, 104}, {107, 104}, {108, 105}};
}

void TestStroke::aConnectedStrokeStepsAsLineInEveryOctant()
{
    QFETCH(QPoint, to);
    QFETCH(QList<QPoint>, steps);
    const std::vector<QPoint> stepped = lineSteps({100, 100}, to);
    QCOMPARE(QList<QPoint>(stepped.begin(), stepped.end()), steps);
    // Line between the same points paints those pixels and no others.
    PictureSurface surface(QSize(200, 200));
    constexpr ColorValue kInk = RGB(0, 0, 0);
    surface.Line(100, 100, float(to.x()), float(to.y()), kInk);
    QCOMPARE(countPixels(surface.Image(), kInk), int(steps.size()));
    for (const QPoint &step : steps) {
        QCOMPARE(surface.Point(float(step.x()), float(step.y())), kInk);
    }
}

QTEST_MAIN(TestStroke)
#include "tst_stroke.moc"
