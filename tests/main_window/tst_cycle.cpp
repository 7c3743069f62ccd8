// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"
#include "palette/palettecycle.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestCycle : public QObject {
    Q_OBJECT

private slots:
    void init();
    void theCycleTurnsEveryPhaseTogether_data();
    void theCycleTurnsEveryPhaseTogether();
    void offLeavesThePaletteWhereItStoppedAsOneStep();
    void anotherPaletteCommandStopsTheCycleFirst();
    void theCanvasFollowsTheCycleWhileLive();

private:
    QImage strip() const { return form_->Picture2->surface().Image().copy(); }
    // Lets the cycle run until the strip shows other colours than `than`.
    void runUntilTheStripDiffersFrom(const QImage &than);

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestCycle::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeForm(folder_->path());
    form_->cycleSeconds = 1; // a full turn a second: a frame moves the strip
}

void TestCycle::runUntilTheStripDiffersFrom(const QImage &than)
{
    QTRY_VERIFY_WITH_TIMEOUT(strip() != than, 2000);
}

void TestCycle::theCycleTurnsEveryPhaseTogether_data()
{
    QTest::addColumn<double>("turns");
    QTest::addColumn<double>("red"); // palette 1's red phase, 5.243853766918183, turned
    QTest::newRow("none") << 0.0 << 5.243853766918183;
    QTest::newRow("a quarter turn") << 0.25 << 6.814650093713079;
    QTest::newRow("a turn and a quarter: the same") << 1.25 << 6.814650093713079;
    QTest::newRow("one frame of 60 a second, 8 s a turn") << 1.0 / 480 << 5.25694373630814;
    QTest::newRow("60 such frames") << 60.0 / 480 << 6.029251930315631;
    QTest::newRow("a quarter back: three quarters on") << -0.25 << 9.956242747302873;
}

void TestCycle::theCycleTurnsEveryPhaseTogether()
{
    QFETCH(double, turns);
    QFETCH(double, red);
    const PaletteWaves before = form_->palette().waves;
    const PaletteWaves turned = turnedWaves(before, turns);
    QCOMPARE(turned[0].phase, red); // exactly
    for (int channel : {1, 2}) {
        QCOMPARE(turned[channel].phase - before[channel].phase, red - before[0].phase);
    }
    for (int channel : {0, 1, 2}) {
        QCOMPARE(turned[channel].period, before[channel].period);
    }
}

void TestCycle::offLeavesThePaletteWhereItStoppedAsOneStep()
{
    const QImage start = strip();
    form_->commands().cycleColours->trigger();
    QVERIFY(form_->cycleColours);
    runUntilTheStripDiffersFrom(start);
    QVERIFY(!form_->history().canUndo()); // nothing recorded while it runs
    form_->commands().cycleColours->trigger();
    QVERIFY(!form_->cycleColours);
    QVERIFY(!form_->commands().cycleColours->isChecked());
    const QImage stopped = strip();
    QVERIFY(stopped != start);
    QTest::qWait(100); // it stays where it stopped
    QCOMPARE(strip(), stopped);
    QCOMPARE(form_->palette().number, 1u);
    QVERIFY(form_->palette().changed);
    QCOMPARE(form_->commands().undo->text(), QStringLiteral("&Undo Cycle colours"));
    form_->commands().undo->trigger();
    QCOMPARE(strip(), start);
    QVERIFY(!form_->palette().changed);
    form_->commands().redo->trigger();
    QCOMPARE(strip(), stopped);
}

void TestCycle::anotherPaletteCommandStopsTheCycleFirst()
{
    const QImage start = strip();
    form_->commands().cycleColours->trigger();
    runUntilTheStripDiffersFrom(start);
    form_->Command1->click(); // change palette
    QVERIFY(!form_->cycleColours);
    QCOMPARE(form_->palette().number, 2u);
    const QImage two = strip();
    QTest::qWait(100);
    QCOMPARE(strip(), two);
    form_->commands().undo->trigger(); // where the cycle stopped
    QVERIFY(strip() != start);
    QCOMPARE(form_->commands().undo->text(), QStringLiteral("&Undo Cycle colours"));
    form_->commands().undo->trigger();
    QCOMPARE(strip(), start);
    // Undo stops it too, and takes back the cycle's step.
    form_->commands().cycleColours->trigger();
    QCOMPARE(form_->commands().undo->text(), QStringLiteral("&Undo Cycle colours"));
    runUntilTheStripDiffersFrom(start);
    form_->commands().undo->trigger();
    QVERIFY(!form_->cycleColours);
    QCOMPARE(strip(), start);
}

void TestCycle::theCanvasFollowsTheCycleWhileLive()
{
    clickOn(form_->Picture2, 200, 14);
    dragOn(form_->Picture1, {{50, 60}, {50, 60}});
    form_->commands().livePalette->trigger();
    const QImage canvas = form_->Picture1->surface().Image().copy();
    form_->commands().cycleColours->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(form_->Picture1->surface().Point(50, 60) != RGB(247, 243, 141), 2000);
    QCOMPARE(form_->Picture1->surface().Point(50, 63), RGB(240, 240, 240));
    form_->commands().cycleColours->trigger();
    const ColorValue stopped = form_->Picture1->surface().Point(50, 60);
    QCOMPARE(stopped, form_->Picture2->surface().Point(200, 14));
    form_->commands().undo->trigger();
    QCOMPARE(form_->Picture1->surface().Image(), canvas);
}

QTEST_MAIN(TestCycle)
#include "tst_cycle.moc"
