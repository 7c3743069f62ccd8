// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"
#include "main_window/statusline.h"
#include "palette_dialogs/numberfield.h"
#include "palette_dialogs/palettebrowser.h"
#include "palette_dialogs/paletteeditor.h"
#include "palette_dialogs/palettestriplist.h"
#include "picture_files/pngchunk.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

namespace {

constexpr ColorValue kGrey = RGB(240, 240, 240);
constexpr int kNone = 65535;

int columnAt(const Form1 &form, QPoint at)
{
    return form.Picture1->surface().ColumnAt(float(at.x()), float(at.y()));
}

ColorValue canvasAt(const Form1 &form, QPoint at)
{
    return form.Picture1->surface().Point(float(at.x()), float(at.y()));
}

} // namespace

class TestLivePalette : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aPaletteChangeRecoloursTheStrokesOnlyWhileLive_data();
    void aPaletteChangeRecoloursTheStrokesOnlyWhileLive();
    void whatEachWayOfPaintingRemembers_data();
    void whatEachWayOfPaintingRemembers();
    void turningLiveOnRepaintsAtOnceAsOneStep();
    void editPaletteRecoloursLiveAndCancelPutsTheCanvasBack();
    void aSavedPngBringsItsPaletteAndColumnsBack();
    void aSaveAfterUndoingAPaletteKeepsThePaletteOfThePixels();
    void theBrowsersPreviewRecoloursTheCanvasAndEscapePutsItBack();
    void aSaveKeepsOnlyTheColumnsThePixelsShow();
    void aRecipeThatDoesNotFitOpensPlain_data();
    void aRecipeThatDoesNotFitOpensPlain();

private:
    // Palette 5 on the strip, a stroke from its column 200 at (100, 300)..(130, 300), saved as
    // a PNG; returns its path.
    QString saveAStroke();
    void pickFromStrip(int column) { clickOn(form_->Picture2, column, 14); }
    void press(const QKeySequence &key) { QTest::keySequence(form_.get(), key); }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestLivePalette::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeFormWithMovingClock(folder_->path());
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void TestLivePalette::cleanup()
{
    form_.reset();
    QGuiApplication::clipboard()->clear();
}

void TestLivePalette::aPaletteChangeRecoloursTheStrokesOnlyWhileLive_data()
{
    QTest::addColumn<bool>("live");
    QTest::addColumn<ColorValue>("strokeA"); // painted from column 200
    QTest::addColumn<ColorValue>("strokeB"); // painted from column 400
    QTest::addColumn<QString>("modes");
    // Palette 5's columns 200 and 400 before, palette 9's after.
    QTest::newRow("off: the canvas stays as painted")
        << false << RGB(211, 249, 252) << RGB(252, 65, 12)
        << QStringLiteral("Separate discs · Mirror: None");
    QTest::newRow("on: each stroke takes palette 9's colour of its column")
        << true << RGB(7, 12, 232) << RGB(35, 9, 244)
        << QStringLiteral("Separate discs · Mirror: None · Live palette");
}

void TestLivePalette::aPaletteChangeRecoloursTheStrokesOnlyWhileLive()
{
    QFETCH(bool, live);
    QFETCH(ColorValue, strokeA);
    QFETCH(ColorValue, strokeB);
    QFETCH(QString, modes);
    QVERIFY(form_->goToPalette(5));
    form_->Command8->click(); // the help panel, over x 20..430 and y 20..150
    pickFromStrip(200);
    dragOn(form_->Picture1, {{100, 300}, {100, 300}, {130, 300}});
    pickFromStrip(400);
    dragOn(form_->Picture1, {{300, 350}, {300, 350}, {340, 350}});
    QCOMPARE(canvasAt(*form_, {100, 300}), RGB(211, 249, 252));
    QCOMPARE(canvasAt(*form_, {340, 350}), RGB(252, 65, 12));
    if (live) {
        press(QKeySequence(QStringLiteral("Ctrl+Shift+L")));
    }
    QCOMPARE(form_->livePalette, live);
    QCOMPARE(form_->statusLine()->modesText(), modes);
    const QImage canvasBefore = form_->Picture1->surface().Image().copy();
    const QImage stripBefore = form_->Picture2->surface().Image().copy();

    QVERIFY(form_->goToPalette(9));
    for (QPoint at : {QPoint(100, 300), QPoint(130, 300), QPoint(98, 300), QPoint(130, 302)}) {
        QCOMPARE(canvasAt(*form_, at), strokeA);
    }
    for (QPoint at : {QPoint(300, 350), QPoint(340, 350), QPoint(342, 350)}) {
        QCOMPARE(canvasAt(*form_, at), strokeB);
    }
    // The grey, the help panel and its text are as they were.
    QCOMPARE(canvasAt(*form_, {10, 400}), kGrey);
    QCOMPARE(canvasAt(*form_, {131, 302}), kGrey);
    QCOMPARE(form_->Picture1->surface().Image().copy(0, 0, 525, 200),
             canvasBefore.copy(0, 0, 525, 200));
    // The painting colour follows its column while live.
    QCOMPARE(form_->color, std::optional<ColorValue>(strokeB));

    form_->commands().undo->trigger();
    QCOMPARE(form_->Picture2->surface().Image(), stripBefore);
    QCOMPARE(form_->Picture1->surface().Image(), canvasBefore);
    QCOMPARE(form_->color, std::optional<ColorValue>(RGB(252, 65, 12)));
    form_->commands().redo->trigger();
    QCOMPARE(canvasAt(*form_, {100, 300}), strokeA);
}

void TestLivePalette::whatEachWayOfPaintingRemembers_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<int>>("columns");
    // Each row picks column 250 of the strip first and paints at (50, 60), radius 2, unless it
    // says otherwise.
    QTest::newRow("a separate disc")
        << "disc" << QList<QPoint>{{50, 60}, {52, 60}, {53, 60}, {50, 62}, {50, 63}}
        << QList<int>{250, 250, kNone, 250, kNone};
    QTest::newRow("a connected stroke: the joining line too")
        << "connected" << QList<QPoint>{{50, 60}, {75, 60}, {100, 60}, {75, 63}}
        << QList<int>{250, 250, 250, kNone};
    QTest::newRow("left and right") << "leftRight" << QList<QPoint>{{50, 60}, {474, 60}, {262, 60}}
                                    << QList<int>{250, 250, kNone};
    QTest::newRow("top and bottom") << "topBottom" << QList<QPoint>{{50, 60}, {50, 376}, {50, 218}}
                                    << QList<int>{250, 250, kNone};
    QTest::newRow("kaleidoscope 6")
        << "kaleidoscope6"
        << QList<QPoint>{{362, 218}, {312, 305}, {212, 305}, {162, 218}, {212, 131}, {312, 131}}
        << QList<int>{250, 250, 250, 250, 250, 250};
    QTest::newRow("four ways")
        << "fourWays" << QList<QPoint>{{50, 60}, {474, 60}, {50, 376}, {474, 376}, {50, 218}}
        << QList<int>{250, 250, 250, 250, kNone};
    QTest::newRow("kaleidoscope 8")
        << "kaleidoscope8"
        << QList<QPoint>{{362, 218}, {333, 289}, {262, 318}, {191, 147}, {262, 218}}
        << QList<int>{250, 250, 250, 250, kNone};
    QTest::newRow("change color: the painting colour's column")
        << "changeColor" << QList<QPoint>{{50, 60}, {52, 60}, {10, 10}}
        << QList<int>{10, 10, kNone};
    QTest::newRow("change color to a colour from the canvas: none")
        << "changeColorFromCanvas" << QList<QPoint>{{50, 60}, {52, 60}} << QList<int>{kNone, kNone};
    QTest::newRow("a right-press pick of a remembered pixel paints its column")
        << "pickRemembered" << QList<QPoint>{{200, 200}, {50, 60}} << QList<int>{250, 250};
    QTest::newRow("a right-press pick of the grey paints none")
        << "pickGrey" << QList<QPoint>{{200, 200}, {50, 60}} << QList<int>{kNone, 250};
    QTest::newRow("the help panel and its text: none")
        << "help" << QList<QPoint>{{50, 60}, {25, 25}, {50, 200}} << QList<int>{kNone, kNone, 250};
    QTest::newRow("new image: none") << "newImage" << QList<QPoint>{{50, 60}} << QList<int>{kNone};
    QTest::newRow("an opened picture: none")
        << "open" << QList<QPoint>{{50, 60}, {0, 0}} << QList<int>{kNone, kNone};
    QTest::newRow("a pasted picture: none")
        << "paste" << QList<QPoint>{{50, 60}, {524, 436}} << QList<int>{kNone, kNone};
    QTest::newRow("undone, the columns from before; redone, the stroke's")
        << "undoRedo" << QList<QPoint>{{50, 60}, {50, 200}} << QList<int>{250, 250};
}

void TestLivePalette::whatEachWayOfPaintingRemembers()
{
    QFETCH(QString, steps);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<int>, columns);
    pickFromStrip(250);
    if (steps == "connected") {
        press(QKeySequence(QStringLiteral("Ctrl+L")));
        dragOn(form_->Picture1, {{50, 60}, {100, 60}});
    } else if (steps == "leftRight" || steps == "topBottom" || steps == "fourWays" ||
               steps.startsWith("kaleidoscope")) {
        const std::map<QString, QAction *> modes{
            {"leftRight", form_->commands().mirrorLeftRight},
            {"topBottom", form_->commands().mirrorTopBottom},
            {"fourWays", form_->commands().mirrorFourWays},
            {"kaleidoscope6", form_->commands().mirrorKaleidoscope6},
            {"kaleidoscope8", form_->commands().mirrorKaleidoscope8}};
        modes.at(steps)->trigger();
        const QPoint at = steps.startsWith("kaleidoscope") ? QPoint(362, 218) : QPoint(50, 60);
        dragOn(form_->Picture1, {at, at});
    } else {
        dragOn(form_->Picture1, {{50, 60}, {50, 60}});
    }
    if (steps == "changeColor") {
        pickFromStrip(10);
        form_->Command4->click();
        clickOn(form_->Picture1, 50, 60);
    } else if (steps == "changeColorFromCanvas") {
        clickOn(form_->Picture1, 300, 300, Qt::RightButton); // the grey
        form_->Command4->click();
        clickOn(form_->Picture1, 50, 60);
    } else if (steps == "pickRemembered" || steps == "pickGrey") {
        const QPoint pick = steps == "pickRemembered" ? QPoint(50, 60) : QPoint(300, 300);
        clickOn(form_->Picture1, pick.x(), pick.y(), Qt::RightButton);
        dragOn(form_->Picture1, {{200, 200}, {200, 200}});
    } else if (steps == "help") {
        dragOn(form_->Picture1, {{50, 200}, {50, 200}});
        form_->Command8->click();
    } else if (steps == "newImage") {
        form_->Command7->click();
    } else if (steps == "open" || steps == "paste") {
        QImage picture(525, 437, QImage::Format_RGB32);
        picture.fill(qRgb(51, 168, 228)); // a strip colour, and still none remembered
        if (steps == "open") {
            const QString path = folder_->filePath(QStringLiteral("plain.png"));
            QVERIFY(picture.save(path));
            QVERIFY(form_->openPicture(path));
        } else {
            QGuiApplication::clipboard()->setImage(picture);
            QVERIFY(form_->pastePicture());
        }
    } else if (steps == "undoRedo") {
        dragOn(form_->Picture1, {{50, 200}, {50, 200}});
        form_->Command7->click();
        form_->commands().undo->trigger();
        QCOMPARE(columnAt(*form_, {50, 60}), 250);
        form_->commands().undo->trigger();
        QCOMPARE(columnAt(*form_, {50, 200}), kNone);
        form_->commands().redo->trigger();
    }
    for (qsizetype i = 0; i < points.size(); ++i) {
        QCOMPARE(columnAt(*form_, points[i]), columns[i]);
    }
}

void TestLivePalette::turningLiveOnRepaintsAtOnceAsOneStep()
{
    pickFromStrip(100); // palette 1: RGB(177, 2, 250)
    dragOn(form_->Picture1, {{50, 60}, {50, 60}});
    QVERIFY(form_->goToPalette(3));
    QCOMPARE(canvasAt(*form_, {50, 60}), RGB(177, 2, 250));
    const QImage before = form_->Picture1->surface().Image().copy();
    form_->commands().livePalette->trigger();
    QVERIFY(form_->commands().livePalette->isChecked());
    QCOMPARE(canvasAt(*form_, {50, 60}), RGB(75, 233, 168)); // palette 3's column 100
    QCOMPARE(canvasAt(*form_, {50, 63}), kGrey);
    QCOMPARE(form_->color, std::optional<ColorValue>(RGB(75, 233, 168)));
    QCOMPARE(form_->commands().undo->text(), QStringLiteral("&Undo Live palette"));
    form_->commands().undo->trigger();
    QCOMPARE(form_->Picture1->surface().Image(), before);
    QVERIFY(!form_->livePalette);
    QVERIFY(!form_->commands().livePalette->isChecked());
    form_->commands().redo->trigger();
    QVERIFY(form_->livePalette);
    QCOMPARE(canvasAt(*form_, {50, 60}), RGB(75, 233, 168));
    // A disc painted while live follows the next palette too: palette 9's columns 100, 200.
    pickFromStrip(200);
    dragOn(form_->Picture1, {{300, 60}, {300, 60}});
    QVERIFY(form_->goToPalette(9));
    QCOMPARE(canvasAt(*form_, {50, 60}), RGB(251, 210, 62));
    QCOMPARE(canvasAt(*form_, {300, 60}), RGB(7, 12, 232));
    // Off leaves the canvas as it is.
    form_->commands().livePalette->trigger();
    QVERIFY(!form_->livePalette);
    QVERIFY(form_->goToPalette(1));
    QCOMPARE(canvasAt(*form_, {50, 60}), RGB(251, 210, 62));
}

void TestLivePalette::editPaletteRecoloursLiveAndCancelPutsTheCanvasBack()
{
    pickFromStrip(0);
    dragOn(form_->Picture1, {{50, 60}, {50, 60}});
    form_->commands().livePalette->trigger();
    const QImage canvas = form_->Picture1->surface().Image().copy();
    const QImage strip = form_->Picture2->surface().Image().copy();
    form_->commands().editPalette->trigger();
    auto *editor = form_->findChild<PaletteEditor *>();
    QVERIFY(editor);
    // A slider step: red phase 1 at column 0, (sin 1 + 1) * 126 = 232; green and blue stay
    // palette 1's.
    editor->phaseSlider(0)->setValue(1000);
    QCOMPARE(canvasAt(*form_, {50, 60}), RGB(232, 216, 101));
    // Red phase 0 at column 0: (sin 0 + 1) * 126 = 126.
    typeAndLeave(editor->field(0, WaveTerm::Phase), QStringLiteral("0"));
    QCOMPARE(canvasAt(*form_, {50, 60}), RGB(126, 216, 101));
    editor->reject();
    QCOMPARE(form_->Picture1->surface().Image(), canvas);
    QCOMPARE(form_->Picture2->surface().Image(), strip);
    QCOMPARE(form_->color, std::optional<ColorValue>(RGB(17, 216, 101)));

    editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    QVERIFY(editor);
    typeAndLeave(editor->field(0, WaveTerm::Phase), QStringLiteral("0"));
    editor->accept();
    QCOMPARE(canvasAt(*form_, {50, 60}), RGB(126, 216, 101));
    QCOMPARE(form_->commands().undo->text(), QStringLiteral("&Undo Edit palette"));
    form_->commands().undo->trigger();
    QCOMPARE(form_->Picture1->surface().Image(), canvas);
    QCOMPARE(form_->Picture2->surface().Image(), strip);
}

void TestLivePalette::aSaveAfterUndoingAPaletteKeepsThePaletteOfThePixels()
{
    // Painted on palette 5, live; palette 6 taken and undone: the pixels show palette 5 again,
    // and the PNG says so, so that it opens live.
    form_->goToPalette(5);
    pickFromStrip(200);
    dragOn(form_->Picture1, {{100, 300}, {100, 300}, {130, 300}});
    form_->commands().livePalette->trigger();
    QVERIFY(form_->goToPalette(6));
    form_->commands().undo->trigger();
    const QString path = folder_->filePath(QStringLiteral("undone.png"));
    QVERIFY(form_->savePictureAs(path, PictureFormat::Png));
    Form1 later(&localNow, folder_->path());
    QVERIFY(later.openPicture(path));
    QCOMPARE(later.statusLine()->currentMessage(),
             QStringLiteral("Picture opened from %1 with its palette: Palette 5 is on the strip.")
                 .arg(path));
    QCOMPARE(later.Picture1->surface().ColumnAt(130, 300), StripColumn(200));
}

void TestLivePalette::theBrowsersPreviewRecoloursTheCanvasAndEscapePutsItBack()
{
    pickFromStrip(0);
    dragOn(form_->Picture1, {{50, 60}, {50, 60}});
    form_->commands().livePalette->trigger();
    const QImage canvas = form_->Picture1->surface().Image().copy();
    form_->commands().browsePalettes->trigger();
    auto *browser = form_->findChild<PaletteBrowser *>();
    QVERIFY(browser);
    QTest::keyClick(browser->list(), Qt::Key_Down); // palette 2's column 0
    QCOMPARE(canvasAt(*form_, {50, 60}), RGB(0xFA, 0xF3, 0x5A));
    QTest::keyClick(browser->list(), Qt::Key_Escape);
    QCOMPARE(form_->Picture1->surface().Image(), canvas);
    QCOMPARE(form_->color, std::optional<ColorValue>(RGB(17, 216, 101)));
}

QString TestLivePalette::saveAStroke()
{
    form_->goToPalette(5);
    pickFromStrip(200);
    dragOn(form_->Picture1, {{100, 300}, {100, 300}, {130, 300}});
    const QString path = folder_->filePath(QStringLiteral("stroke.png"));
    form_->savePictureAs(path, PictureFormat::Png);
    return path;
}

void TestLivePalette::aSavedPngBringsItsPaletteAndColumnsBack()
{
    const QString path = saveAStroke();
    const QImage columns = form_->Picture1->surface().Columns().copy();
    const QImage strip = form_->Picture2->surface().Image().copy();
    QImage saved(path);
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), form_->Picture1->surface().Image());

    Form1 later(&localNow, folder_->path()); // a later run
    const QImage plainStrip = later.Picture2->surface().Image().copy();
    QVERIFY(later.openPicture(path));
    QCOMPARE(later.statusLine()->currentMessage(),
             QStringLiteral("Picture opened from %1 with its palette: Palette 5 is on the strip.")
                 .arg(path));
    QCOMPARE(later.Picture2->surface().Image(), strip);
    QCOMPARE(later.Picture1->surface().Columns(), columns);
    QCOMPARE(later.palette().number, 5u);
    QCOMPARE(later.Picture1->surface().ColumnAt(130, 300), StripColumn(200));
    // One step: undo takes the picture, its palette and its columns away together.
    later.commands().undo->trigger();
    QCOMPARE(later.Picture2->surface().Image(), plainStrip);
    QCOMPARE(later.Picture1->surface().ColumnAt(130, 300), kNoColumn);
    QCOMPARE(later.palette().number, 1u);
    later.commands().redo->trigger();
    QCOMPARE(later.Picture1->surface().ColumnAt(130, 300), StripColumn(200));
    // The picture is live again: palette 3's column 200.
    later.commands().livePalette->trigger();
    QVERIFY(later.goToPalette(3));
    QCOMPARE(later.Picture1->surface().Point(130, 300), RGB(224, 5, 60));
    QCOMPARE(later.Picture1->surface().Point(131, 303), kGrey);
}

void TestLivePalette::aSaveKeepsOnlyTheColumnsThePixelsShow()
{
    // Nothing remembered: a PNG as any other, with no chunk of the program's own.
    const QString plain = folder_->filePath(QStringLiteral("plain.png"));
    QVERIFY(form_->savePictureAs(plain, PictureFormat::Png));
    QFile plainFile(plain);
    QVERIFY(plainFile.open(QIODevice::ReadOnly));
    QVERIFY(!plainFile.readAll().contains("spLP"));

    // One disc of 13 pixels from palette 1, then palette 5 with Live palette off: the disc no
    // longer shows its column's colour on the strip.
    pickFromStrip(200);
    dragOn(form_->Picture1, {{100, 300}, {100, 300}});
    QVERIFY(form_->goToPalette(5));
    const QString path = folder_->filePath(QStringLiteral("dropped.png"));
    QVERIFY(form_->savePictureAs(path, PictureFormat::Png));
    QCOMPARE(form_->statusLine()->currentMessage(),
             QStringLiteral("Picture saved as %1. 13 painted pixels no longer showed their strip "
                            "columns' colours and were saved without them: turn on Live palette "
                            "first to keep them.")
                 .arg(path));
    Form1 later(&localNow, folder_->path());
    QVERIFY(later.openPicture(path));
    QCOMPARE(later.Picture1->surface().ColumnAt(100, 300), kNoColumn);
    QCOMPARE(later.Picture1->surface().Point(100, 300), RGB(247, 243, 141));
}

void TestLivePalette::aRecipeThatDoesNotFitOpensPlain_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");
    QTest::newRow("one pixel changed by another program")
        << "pixel"
        << "its pixels no longer show its palette's colours (1 differ), as if changed by another "
           "program";
    QTest::newRow("a byte of the chunk changed") << "byte"
                                                 << "its palette and strip columns are damaged";
    QTest::newRow("the chunk cut, its length cut to fit")
        << "cut"
        << "its palette and strip columns are damaged";
    QTest::newRow("the picture made larger elsewhere")
        << "size"
        << "its strip columns are for a picture of another size";
}

void TestLivePalette::aRecipeThatDoesNotFitOpensPlain()
{
    QFETCH(QString, damage);
    QFETCH(QString, reason);
    const QString path = saveAStroke();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    const qsizetype chunk = bytes.indexOf("spLP");
    QVERIFY(chunk > 0);
    const QByteArray recipe = *findPngChunk(bytes, "spLP").data;
    QImage picture = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    if (damage == "pixel" || damage == "size") {
        picture.setPixel(130, 300, qRgb(0, 0, 0));
        if (damage == "size") {
            picture = picture.copy(0, 0, 525, 438);
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        bytes = withPngChunk(buffer.data(), "spLP", recipe);
    } else if (damage == "byte") {
        bytes[chunk + 10] = char(bytes[chunk + 10] ^ 1);
    } else { // the chunk's last 100 bytes of data gone, and its length 100 shorter
        const qsizetype length = recipe.size() - 100;
        bytes.remove(chunk + 4 + length, 100);
        bytes[chunk - 2] = char(length >> 8);
        bytes[chunk - 1] = char(length);
        QCOMPARE(length >> 16, 0);
    }
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    Form1 later(&localNow, folder_->path());
    const QImage strip = later.Picture2->surface().Image().copy();
    QVERIFY(later.openPicture(path));
    QCOMPARE(later.statusLine()->currentMessage(),
             QStringLiteral("Picture opened from %1 without its palette: %2.").arg(path, reason));
    QCOMPARE(later.Picture1->surface().Columns(), emptyColumnPlane({525, 437}));
    QCOMPARE(later.Picture2->surface().Image(), strip);
    QCOMPARE(later.palette().number, 1u);
    if (damage != "size") { // that one is scaled to fit
        QCOMPARE(later.Picture1->surface().Point(100, 300), RGB(211, 249, 252));
    }
}

QTEST_MAIN(TestLivePalette)
#include "tst_livepalette.moc"
