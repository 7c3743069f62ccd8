// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"
#include "main_window/statusline.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSizeGrip>
#include <QTemporaryDir>
#include <QtTest>

class TestStatusLine : public QObject {
    Q_OBJECT

private slots:
    void init();
    void theSwatchShowsThePaintingColour_data();
    void theSwatchShowsThePaintingColour();
    void theFieldsFollowTheBrushAndThePalette();
    void theFieldsNeverWidenTheRestoredWindow();
    void changeColorSaysWhatComesNextAndEscapeCancels();
    void aSaveSaysWhereThePictureWent();
    void undoAndRedoNameTheirStep_data();
    void undoAndRedoNameTheirStep();
    void tooltipsSayWhatEachControlDoes_data();
    void tooltipsSayWhatEachControlDoes();
    void theBoxesAndTheBrushSizeHaveAccessibleNames();

private:
    const StatusLine &status() const { return *form_->statusLine(); }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestStatusLine::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeFormWithMovingClock(folder_->path());
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void TestStatusLine::theSwatchShowsThePaintingColour_data()
{
    QTest::addColumn<bool>("onCanvas"); // a right press on the canvas, else a press on the strip
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QRgb>("swatch");
    QTest::newRow("strip column 0 of palette 1")
        << false << QPoint(0, 10) << "#11D865" << qRgb(17, 216, 101);
    QTest::newRow("strip column 524 of palette 1")
        << false << QPoint(524, 3) << "#A1FBF2" << qRgb(161, 251, 242);
    QTest::newRow("the canvas's grey")
        << true << QPoint(300, 200) << "#F0F0F0" << qRgb(240, 240, 240);
}

void TestStatusLine::theSwatchShowsThePaintingColour()
{
    QFETCH(bool, onCanvas);
    QFETCH(QPoint, at);
    QFETCH(QString, hex);
    QFETCH(QRgb, swatch);
    // Before any pick the brush paints black.
    QCOMPARE(status().colourText(), QStringLiteral("#000000"));
    clickOn(onCanvas ? form_->Picture1 : form_->Picture2, at.x(), at.y(),
            onCanvas ? Qt::RightButton : Qt::LeftButton);
    QCOMPARE(status().colourText(), hex);
    const QImage shown = status().swatch()->pixmap().toImage();
    QCOMPARE(shown.pixel(0, 0), swatch);
    QCOMPARE(shown.pixel(shown.width() - 1, shown.height() - 1), swatch);
}

void TestStatusLine::theFieldsFollowTheBrushAndThePalette()
{
    QCOMPARE(status().radiusText(), QStringLiteral("Brush radius 2"));
    QCOMPARE(status().modesText(), QStringLiteral("Separate discs · Mirror: None"));
    QCOMPARE(status().paletteText(), QStringLiteral("Palette 1"));
    // The window keeps its size: no grip in the status bar's corner, restored or maximised.
    QCOMPARE(status().findChildren<QSizeGrip *>().size(), 0);
    QTest::keySequence(form_.get(), QKeySequence("]"));
    form_->Command2->click();
    form_->commands().connectedStrokes->trigger();
    form_->commands().mirrorKaleidoscope6->trigger();
    form_->Command1->click();
    QCOMPARE(status().radiusText(), QStringLiteral("Brush radius 4"));
    QCOMPARE(status().modesText(), QStringLiteral("Connected strokes · Mirror: Kaleidoscope 6"));
    QCOMPARE(status().paletteText(), QStringLiteral("Palette 2"));
    form_->commands().undo->trigger();
    QCOMPARE(status().paletteText(), QStringLiteral("Palette 1"));
}

void TestStatusLine::theFieldsNeverWidenTheRestoredWindow()
{
    // Restored, the window is 492 pixels wide, whatever the fields say; the fields give way.
    form_->showNormal();
    QTRY_COMPARE(form_->width(), 492);
    sendMouse(form_->Picture1, QEvent::MouseMove, boxPoint(form_->Picture1, 500, 400), Qt::NoButton,
              Qt::NoButton); // the pointer's fields filled
    form_->commands().connectedStrokes->trigger();
    form_->commands().colourAlongStroke->trigger();
    form_->commands().livePalette->trigger();
    form_->commands().mirrorKaleidoscope8->trigger();
    QVERIFY(form_->goToPalette(1000000));
    QCOMPARE(status().pointerText(), QStringLiteral("500, 400"));
    QCOMPARE(status().paletteText(), QStringLiteral("Palette 1,000,000"));
    QVERIFY(status().modesText().size() > 60);
    QCoreApplication::sendPostedEvents(); // the layouts settled
    QVERIFY(form_->minimumSizeHint().width() <= 492);
    QCOMPARE(form_->width(), 492);
    form_->showMaximized();
}

void TestStatusLine::changeColorSaysWhatComesNextAndEscapeCancels()
{
    clickOn(form_->Picture2, 100, 10); // the painting colour
    const QImage before = form_->Picture1->surface().Image().copy();
    QTest::keySequence(form_.get(), QKeySequence("Ctrl+R"));
    QVERIFY(form_->Command4->isChecked());
    QCOMPARE(status().currentMessage(),
             QStringLiteral("Change color: your next press on the canvas turns every pixel of the "
                            "colour pressed into the painting colour. Escape cancels."));
    form_->Command4->click(); // clicked again it stays armed
    QVERIFY(form_->Command4->isChecked());
    QCOMPARE(form_->spremeni, qint16(1));
    QTest::keyClick(form_.get(), Qt::Key_Escape);
    QCOMPARE(form_->spremeni, qint16(0));
    QVERIFY(!form_->Command4->isChecked());
    QCOMPARE(status().currentMessage(),
             QStringLiteral("Change color cancelled: the canvas is as it was."));
    // A press afterwards recolours nothing; a drag paints one disc.
    dragOn(form_->Picture1, {{200, 200}, {200, 200}});
    QCOMPARE(countPixels(form_->Picture1->surface().Image(), RGB(240, 240, 240)), 525 * 437 - 13);
    QVERIFY(form_->Picture1->surface().Image() != before);
}

void TestStatusLine::aSaveSaysWhereThePictureWent()
{
    form_->Command6->click();
    QCOMPARE(status().currentMessage(),
             QStringLiteral("Picture saved as %1.")
                 .arg(QDir::toNativeSeparators(folder_->filePath("T20270305210407.jpg"))));
    QVERIFY(form_->savePictureAs(folder_->filePath("copy"), PictureFormat::Png));
    QCOMPARE(status().currentMessage(),
             QStringLiteral("Picture saved as %1.")
                 .arg(QDir::toNativeSeparators(folder_->filePath("copy.png"))));
}

void TestStatusLine::undoAndRedoNameTheirStep_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("undo");
    QTest::addColumn<QString>("redo");
    QTest::newRow("a stroke") << 0 << "&Undo Stroke"
                              << "&Redo Stroke";
    QTest::newRow("a replacement") << 1 << "&Undo Change color"
                                   << "&Redo Change color";
    QTest::newRow("new image") << 2 << "&Undo New image"
                               << "&Redo New image";
    QTest::newRow("help") << 3 << "&Undo Help"
                          << "&Redo Help";
    QTest::newRow("change palette") << 4 << "&Undo Change palette"
                                    << "&Redo Change palette";
    QTest::newRow("go to palette") << 5 << "&Undo Go to palette"
                                   << "&Redo Go to palette";
    QTest::newRow("paste palette") << 6 << "&Undo Paste palette"
                                   << "&Redo Paste palette";
    QTest::newRow("a picture pasted") << 7 << "&Undo Open picture"
                                      << "&Redo Open picture";
}

void TestStatusLine::undoAndRedoNameTheirStep()
{
    QFETCH(int, step);
    QFETCH(QString, undo);
    QFETCH(QString, redo);
    QAction *undoItem = form_->commands().undo;
    QAction *redoItem = form_->commands().redo;
    QCOMPARE(undoItem->text(), QStringLiteral("&Undo"));
    clickOn(form_->Picture2, 100, 10);
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    switch (step) {
    case 0:
        dragOn(form_->Picture1, {{50, 50}, {60, 60}});
        break;
    case 1:
        form_->Command4->click();
        clickOn(form_->Picture1, 5, 5);
        break;
    case 2:
        form_->Command7->click();
        break;
    case 3:
        form_->Command8->click();
        break;
    case 4:
        form_->Command1->click();
        break;
    case 5:
        QVERIFY(form_->goToPalette(9));
        break;
    case 6:
        form_->commands().copyPalette->trigger();
        form_->Command1->click();
        QVERIFY(form_->pastePalette());
        break;
    case 7:
        QGuiApplication::clipboard()->setImage(picture);
        QVERIFY(form_->pastePicture());
        break;
    }
    QCOMPARE(undoItem->text(), undo);
    undoItem->trigger();
    QCOMPARE(redoItem->text(), redo);
    QCOMPARE(status().currentMessage(), "Undone: " + undo.mid(6) + '.');
    redoItem->trigger();
    QCOMPARE(status().currentMessage(), "Redone: " + redo.mid(6) + '.');
    QCOMPARE(redoItem->text(), QStringLiteral("&Redo"));
}

void TestStatusLine::tooltipsSayWhatEachControlDoes_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("change palette") << "Command1"
                                    << "Draw a new random palette on the strip (Ctrl+G)";
    QTest::newRow("brush selection")
        << "Command2"
        << "Make the brush one step larger: radius 2 to 10, then 2 again (Ctrl+B)";
    QTest::newRow("exit") << "Command3"
                          << "Close sinepaint (Ctrl+Q)";
    QTest::newRow("change color")
        << "Command4"
        << "Arm a replacement: your next press on the canvas turns every pixel of the colour "
           "pressed into the painting colour (Ctrl+R)";
    QTest::newRow("new image") << "Command7"
                               << "Clear the canvas for a new picture under a new name (Ctrl+N)";
    QTest::newRow("help") << "Command8"
                          << "Show what each button does, on the canvas (F1)";
    QTest::newRow("the canvas")
        << "Picture1"
        << "Drag with the left button to paint; press with the right button to pick a colour.";
    QTest::newRow("the strip") << "Picture2"
                               << "Palette 1\nPress to pick the colour under the pointer.";
}

void TestStatusLine::tooltipsSayWhatEachControlDoes()
{
    QFETCH(QString, control);
    QFETCH(QString, tooltip);
    const std::map<QString, QWidget *> controls{
        {"Command1", form_->Command1}, {"Command2", form_->Command2}, {"Command3", form_->Command3},
        {"Command4", form_->Command4}, {"Command7", form_->Command7}, {"Command8", form_->Command8},
        {"Picture1", form_->Picture1}, {"Picture2", form_->Picture2}};
    QCOMPARE(controls.at(control)->toolTip(), tooltip);
}

void TestStatusLine::theBoxesAndTheBrushSizeHaveAccessibleNames()
{
    auto named = [](QWidget *widget, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(widget)->text(text);
    };
    QCOMPARE(named(form_->Picture1, QAccessible::Name), QStringLiteral("Canvas"));
    QCOMPARE(named(form_->Picture2, QAccessible::Name), QStringLiteral("Palette strip"));
    QCOMPARE(named(form_->Picture2, QAccessible::Description), QStringLiteral("Palette 1"));
    QLabel *brushSize = nullptr;
    for (QLabel *label : form_->clientArea()->findChildren<QLabel *>()) {
        brushSize = label->accessibleName() == "Brush size" ? label : brushSize;
    }
    QVERIFY(brushSize);
    QCOMPARE(brushSize->geometry(), QRect(800, 417, 31, 16));
    QTest::keySequence(form_.get(), QKeySequence("]"));
    QTest::keySequence(form_.get(), QKeySequence("]"));
    QCOMPARE(named(brushSize, QAccessible::Description), QStringLiteral("Brush radius 4"));
    // The hidden copy is no child that assistive technology sees.
    QAccessibleInterface *area = QAccessible::queryAccessibleInterface(form_->clientArea());
    for (int i = 0; i < area->childCount(); ++i) {
        QVERIFY(area->child(i)->object() != form_->Picture3);
    }
    QVERIFY(area->childCount() > 10);
}

QTEST_MAIN(TestStatusLine)
#include "tst_statusline.moc"
