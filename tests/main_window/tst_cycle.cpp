// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"
#include "main_window/form1.h"
#include "palette/palettecycle.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QAction>
#include <QInputDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <webp/demux.h>

namespace {

// The frames of an animated WebP file, decoded by libwebp's demuxer; `end`, when given, takes
// the moment the last one ends, in milliseconds.
QList<QImage> framesOf(const QString &path, int *end = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    WebPData data{reinterpret_cast<const uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_BGRA;
    WebPAnimDecoder *decoder = WebPAnimDecoderNew(&data, &options);
    QList<QImage> frames;
    WebPAnimInfo info;
    uint8_t *pixels = nullptr;
    int start = 0;
    while (decoder && WebPAnimDecoderGetInfo(decoder, &info) &&
           WebPAnimDecoderHasMoreFrames(decoder) &&
           WebPAnimDecoderGetNext(decoder, &pixels, &start)) {
        frames.append(
            QImage(pixels, int(info.canvas_width), int(info.canvas_height), QImage::Format_ARGB32)
                .convertToFormat(QImage::Format_RGB32));
        if (end) {
            *end = start;
        }
    }
    WebPAnimDecoderDelete(decoder);
    return frames;
}

} // namespace

class TestCycle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("sinepaint")); }
    void init();
    void cycleSpeedOffersEightSecondsAtFirst();
    void theCycleTurnsEveryPhaseTogether_data();
    void theCycleTurnsEveryPhaseTogether();
    void offLeavesThePaletteWhereItStoppedAsOneStep();
    void anotherPaletteCommandStopsTheCycleFirst();
    void theCanvasFollowsTheCycleWhileLive();
    void anExportHoldsOneFullCycle();
    void theCommandLineExportsWithoutAWindow_data();
    void theCommandLineExportsWithoutAWindow();

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

void TestCycle::anExportHoldsOneFullCycle()
{
    const QString path = folder_->filePath(QStringLiteral("cycle.webp"));
    QVERIFY(!form_->exportAnimationTo(path, 4)); // nothing remembers a column yet
    QVERIFY(!QFile::exists(path));
    clickOn(form_->Picture2, 200, 14); // palette 1's column 200
    dragOn(form_->Picture1, {{50, 60}, {50, 60}});
    QVERIFY(form_->exportAnimationTo(path, 4));
    const QList<QImage> frames = framesOf(path);
    QCOMPARE(frames.size(), 4);
    QCOMPARE(frames[0], form_->Picture1->surface().Image());
    // Column 200 of palette 1 turned by a quarter each frame; the grey stays.
    const QList<QRgb> disc{qRgb(247, 243, 141), qRgb(90, 78, 1), qRgb(5, 9, 111),
                           qRgb(162, 174, 251)};
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(frames[k].pixel(50, 60), disc[k]);
        QCOMPARE(frames[k].pixel(52, 60), disc[k]);
        QCOMPARE(frames[k].pixel(53, 60), qRgb(240, 240, 240));
    }
    // An export stops a running cycle first, and starts from where it stopped.
    form_->commands().cycleColours->trigger();
    QVERIFY(form_->exportAnimationTo(path, 4));
    QVERIFY(!form_->cycleColours);
    QCOMPARE(framesOf(path).value(0), form_->Picture1->surface().Image());
    // Cancelled before the last frame: nothing is left.
    const QString cancelled = folder_->filePath(QStringLiteral("cancelled.webp"));
    QVERIFY(!form_->exportAnimationTo(cancelled, 4, [](int k) { return k < 3; }));
    QVERIFY(!QFile::exists(cancelled));
}

void TestCycle::theCommandLineExportsWithoutAWindow_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the picture; %1 is the folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("frames");    // in %1/out.webp
    QTest::addColumn<bool>("onePixel"); // of the picture remembers a column, not a disc
    QTest::newRow("4 frames, a turn in 3 s")
        << QStringList{"--export-animation", "%1/out.webp", "--frames", "4", "--cycle-seconds", "3"}
        << 0 << QString() << 4 << false;
    QTest::newRow("a picture of one run of one column")
        << QStringList{"--export-animation", "%1/out.webp", "--frames", "4", "--cycle-seconds", "3"}
        << 0 << QString() << 4 << true;
    QTest::newRow("60 frames unless told")
        << QStringList{"--export-animation", "%1/out.webp"} << 0 << QString() << 60 << false;
    QTest::newRow("--frames 0")
        << QStringList{"--export-animation", "%1/out.webp", "--frames", "0"} << 1
        << "sinepaint: --frames takes a whole number from 2 to 240, not '0'\n"
        << 0 << false;
    QTest::newRow("--frames 100000")
        << QStringList{"--export-animation", "%1/out.webp", "--frames", "100000"} << 1
        << "sinepaint: --frames takes a whole number from 2 to 240, not '100000'\n"
        << 0 << false;
    QTest::newRow("--cycle-seconds 0")
        << QStringList{"--export-animation", "%1/out.webp", "--cycle-seconds", "0"} << 1
        << "sinepaint: --cycle-seconds takes a whole number from 1 to 60, not '0'\n"
        << 0 << false;
    QTest::newRow("a folder that does not exist")
        << QStringList{"--export-animation", "%1/gone/out.webp"} << 1
        << "sinepaint: the animation cannot be written to %1/gone/out.webp: The folder %1/gone "
           "does not exist.\n"
        << 0 << false;
    QTest::newRow("neither .webp nor a folder")
        << QStringList{"--export-animation", "%1/out.gif"} << 1
        << "sinepaint: the animation cannot be written to %1/out.gif: An animation is written as "
           "a .webp file or into a folder, not as .gif.\n"
        << 0 << false;
}

void TestCycle::theCommandLineExportsWithoutAWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, text);
    QFETCH(int, frames);
    QFETCH(bool, onePixel);
    clickOn(form_->Picture2, 200, 14);
    if (onePixel) { // one pixel of its own colour, turned into the strip's by change color
        QImage grey(525, 437, QImage::Format_RGB32);
        grey.fill(qRgb(240, 240, 240));
        grey.setPixel(50, 60, qRgb(1, 2, 3));
        QVERIFY(form_->takePicture(grey, QStringLiteral("test")));
        form_->Command4->click();
        clickOn(form_->Picture1, 50, 60);
    } else {
        dragOn(form_->Picture1, {{50, 60}, {50, 60}});
    }
    const QString picture = folder_->filePath(QStringLiteral("picture.png"));
    QVERIFY(form_->savePictureAs(picture, PictureFormat::Png));
    for (QString &argument : arguments) {
        argument.replace(QStringLiteral("%1"), folder_->path());
    }
    const auto outcome = answerWithoutDisplay(QStringList{"sinepaint", picture} + arguments);
    QVERIFY(outcome);
    QCOMPARE(outcome->exitStatus, status);
    QCOMPARE(outcome->text, QString(text).replace(QStringLiteral("%1"), folder_->path()));
    int end = 0;
    const QList<QImage> written = framesOf(folder_->filePath(QStringLiteral("out.webp")), &end);
    QCOMPARE(written.size(), frames);
    if (frames == 4) {
        QCOMPARE(written[1].pixel(50, 60), qRgb(90, 78, 1));
        QCOMPARE(written[1].pixel(onePixel ? 51 : 53, 60), qRgb(240, 240, 240)); // past it
        QCOMPARE(end, 3000); // four frames of 750 ms: one turn in 3 s
    } else if (frames == 60) {
        QCOMPARE(end, 60 * 133); // 8 s a turn, 133 ms a frame
    }
}

void TestCycle::cycleSpeedOffersEightSecondsAtFirst()
{
    const auto fresh = makeForm(folder_->path()); // as the program starts
    int offered = 0;
    QTimer::singleShot(0, fresh.get(), [&] {
        if (auto *dialog = fresh->findChild<QInputDialog *>()) {
            offered = dialog->intValue();
            dialog->reject();
        }
    });
    fresh->commands().cycleSpeed->trigger();
    QCOMPARE(offered, 8);
}

QTEST_MAIN(TestCycle)
#include "tst_cycle.moc"
