// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window tells where the hand is: the brush under the pointer and the mirror's guides,
// the pointer's place and colour, messages that read whole, the history to jump in, the keys.

#include "dialogs/filedialogs.h"
#include "dialogs/keyswindow.h"
#include "main_window/form1.h"
#include "main_window/messagelabel.h"
#include "main_window/statusline.h"
#include "palette_dialogs/focusring.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QAction>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestFeedback : public QObject {
    Q_OBJECT

private slots:
    void init();
    void theOutlineShowsOverTheCanvasNeverInIt();
    void theOutlineFollowsTheBrushAndTheMirror();
    void showGuidesTurnsBothOff();
    void aRepaintOfPartOfTheCanvasShowsTheOutlineThere();
    void theStatusBarTellsWhereThePointerIs_data();
    void theStatusBarTellsWhereThePointerIs();
    void aLongMessageIsShortenedInTheMiddle();
    void changePaletteAndSaveAgainSayWhatHappened();
    void colourStepSaysHowLongAColumnLasts_data();
    void colourStepSaysHowLongAColumnLasts();
    void theHistoryJumpsToJustAfterAStep();
    void theKeysWindowListsEveryCommand();
    void dialogsOpenRoomyAndTheFocusIsRinged();

private:
    QImage shown() const
    {
        PictureBox *canvas = form_->Picture1;
        return canvas->grab(canvas->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    void hover(int x, int y)
    {
        sendMouse(form_->Picture1, QEvent::MouseMove, boxPoint(form_->Picture1, x, y), Qt::NoButton,
                  Qt::NoButton);
    }
    void leave()
    {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(form_->Picture1, &event);
    }
    QStringList historyShown() const // the History menu's items, "*" before the marked one
    {
        emit form_->historyMenu()->aboutToShow();
        QStringList items;
        for (const QAction *item : form_->historyMenu()->actions()) {
            items.append((item->isChecked() ? QStringLiteral("*") : QString()) + item->text());
        }
        return items;
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestFeedback::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeFormWithMovingClock(folder_->path());
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestFeedback::theOutlineShowsOverTheCanvasNeverInIt()
{
    const QImage before = form_->Picture1->surface().Image().copy();
    hover(100, 100); // radius 2
    QCOMPARE(shown().pixel(100, 97), qRgb(255, 255, 255));
    QCOMPARE(shown().pixel(100, 96), qRgb(0, 0, 0));
    QCOMPARE(shown().pixel(104, 100), qRgb(0, 0, 0));
    QCOMPARE(shown().pixel(100, 98), qRgb(240, 240, 240)); // the disc's own pixels show through
    QCOMPARE(shown().pixel(100, 95), qRgb(240, 240, 240));
    QCOMPARE(form_->Picture1->surface().Image(), before);
    form_->Command6->click(); // a save holds the canvas alone
    QImage saved(form_->picturePath());
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), before);
    leave();
    QCOMPARE(shown(), before);
}

void TestFeedback::theOutlineFollowsTheBrushAndTheMirror()
{
    hover(100, 100);
    form_->commands().largerBrush->trigger(); // radius 3
    QCOMPARE(shown().pixel(100, 96), qRgb(255, 255, 255));
    QCOMPARE(shown().pixel(100, 95), qRgb(0, 0, 0));
    form_->Command2->click(); // radius 4
    QCOMPARE(shown().pixel(100, 95), qRgb(255, 255, 255));
    form_->commands().mirrorLeftRight->trigger();
    // The copy across the middle column, 2 * 262 - 100 = 424, and the dotted axis.
    QCOMPARE(shown().pixel(424, 95), qRgb(255, 255, 255));
    QCOMPARE(shown().pixel(424, 94), qRgb(0, 0, 0));
    QCOMPARE(shown().pixel(262, 0), qRgb(128, 128, 128));
    QCOMPARE(shown().pixel(262, 1), qRgb(240, 240, 240));
    form_->commands().mirrorKaleidoscope6->trigger();
    QCOMPARE(shown().pixel(136, 0), qRgb(128, 128, 128)); // the spoke at 60 degrees
    QCOMPARE(shown().pixel(262, 0), qRgb(240, 240, 240));
    // A stroke paints under the outline; the outline moves with the pointer.
    dragOn(form_->Picture1, {{300, 300}, {300, 300}});
    QCOMPARE(shown().pixel(100, 95), qRgb(240, 240, 240));
    QCOMPARE(shown().pixel(300, 295), qRgb(255, 255, 255));
}

void TestFeedback::showGuidesTurnsBothOff()
{
    QVERIFY(form_->commands().showGuides->isChecked());
    form_->commands().mirrorFourWays->trigger();
    hover(100, 100);
    QCOMPARE(shown().pixel(0, 218), qRgb(128, 128, 128));
    form_->commands().showGuides->trigger();
    QVERIFY(!form_->showGuides);
    QCOMPARE(shown(), form_->Picture1->surface().Image());
    form_->commands().showGuides->trigger();
    QCOMPARE(shown().pixel(0, 218), qRgb(128, 128, 128));
    QCOMPARE(shown().pixel(100, 97), qRgb(255, 255, 255));
}

void TestFeedback::aRepaintOfPartOfTheCanvasShowsTheOutlineThere()
{
    // A disc's repaint, canvas x and y 297..303 round a disc at (300, 300), ends on the
    // outline's light line: the window shows the same there as a repaint of the whole box.
    PictureBox *canvas = form_->Picture1;
    hover(300, 300);
    QImage whole(canvas->size(), QImage::Format_RGB32);
    canvas->render(&whole);
    QCOMPARE(whole.pixel(boxPoint(canvas, 303, 300)), qRgb(255, 255, 255));
    QCOMPARE(whole.pixel(boxPoint(canvas, 300, 303)), qRgb(255, 255, 255));
    QImage part = whole.copy();
    part.fill(qRgb(255, 0, 255));
    const QRect disc(boxPoint(canvas, 297, 297), QSize(7, 7));
    canvas->render(&part, disc.topLeft(), QRegion(disc));
    QCOMPARE(part.copy(disc), whole.copy(disc));
}

void TestFeedback::theStatusBarTellsWhereThePointerIs_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("colour");
    QTest::newRow("the top-left pixel") << QPoint(0, 0) << "0, 0"
                                        << "#F0F0F0";
    QTest::newRow("the bottom-right pixel") << QPoint(524, 436) << "524, 436"
                                            << "#F0F0F0";
    QTest::newRow("on the painted disc") << QPoint(201, 150) << "201, 150"
                                         << "#11D865";
    QTest::newRow("just off it") << QPoint(203, 150) << "203, 150"
                                 << "#F0F0F0";
}

void TestFeedback::theStatusBarTellsWhereThePointerIs()
{
    QFETCH(QPoint, at);
    QFETCH(QString, position);
    QFETCH(QString, colour);
    const StatusLine &status = *form_->statusLine();
    QCOMPARE(status.pointerText(), QString());
    clickOn(form_->Picture2, 0, 10);                   // strip column 0 of palette 1, #11D865
    dragOn(form_->Picture1, {{200, 150}, {200, 150}}); // radius 2: x 198..202 on row 150
    hover(at.x(), at.y());
    QCOMPARE(status.pointerText(), position);
    QCOMPARE(status.pointerColourText(), colour);
    form_->commands().undo->trigger(); // the disc gone, under the pointer too
    QCOMPARE(status.pointerText(), position);
    QCOMPARE(status.pointerColourText(), QStringLiteral("#F0F0F0"));
    leave();
    QCOMPARE(status.pointerText(), QString());
    QCOMPARE(status.pointerColourText(), QString());
}

void TestFeedback::aLongMessageIsShortenedInTheMiddle()
{
    MessageLabel label;
    label.resize(240, 20);
    label.show();
    const QString message =
        QStringLiteral("Picture saved as /home/someone/Pictures/a/folder/with/a/long/name/"
                       "T20270305210407.bmp.");
    label.setMessage(message);
    QCOMPARE(label.message(), message);
    QCOMPARE(label.toolTip(), message);
    QVERIFY2(label.text().contains(QChar(0x2026)), qPrintable(label.text()));
    QVERIFY(label.text().startsWith(QStringLiteral("Pic")));
    QVERIFY(label.text().endsWith(QStringLiteral(".bmp.")));
    QVERIFY(label.fontMetrics().horizontalAdvance(label.text()) <= 240);
    label.resize(2000, 20); // room again: whole
    QCOMPARE(label.text(), message);
    label.setMessage(QStringLiteral("Short."));
    QCOMPARE(label.text(), QStringLiteral("Short."));
    QCOMPARE(label.toolTip(), QStringLiteral("Short."));
}

void TestFeedback::changePaletteAndSaveAgainSayWhatHappened()
{
    const StatusLine &status = *form_->statusLine();
    form_->Command1->click();
    QCOMPARE(status.currentMessage(), QStringLiteral("Palette 2 is on the strip."));
    QVERIFY(form_->goToPalette(1'000'000));
    QCOMPARE(status.currentMessage(), QStringLiteral("Palette 1,000,000 is on the strip."));
    const QString path = QDir::toNativeSeparators(folder_->filePath("T20270305210407.jpg"));
    form_->Command6->click(); // the clock reads 21:04:08
    QCOMPARE(status.currentMessage(), QStringLiteral("Picture saved as %1.").arg(path));
    form_->Command6->click();
    QCOMPARE(
        status.currentMessage(),
        QStringLiteral("Picture saved again as %1, replacing the save of 21:04:08.").arg(path));
    form_->Command6->click();
    QCOMPARE(
        status.currentMessage(),
        QStringLiteral("Picture saved again as %1, replacing the save of 21:04:09.").arg(path));
    QFile::remove(form_->picturePath()); // gone: nothing is replaced
    form_->Command6->click();
    QCOMPARE(status.currentMessage(), QStringLiteral("Picture saved as %1.").arg(path));
    form_->Command7->click(); // a new picture, a new name
    form_->Command6->click();
    QCOMPARE(status.currentMessage(),
             QStringLiteral("Picture saved as %1.")
                 .arg(QDir::toNativeSeparators(folder_->filePath("T20270305210412.jpg"))));
}

void TestFeedback::colourStepSaysHowLongAColumnLasts_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("said");
    QTest::newRow("1") << 1 << "Colour along the stroke: one strip column every pixel of the path.";
    QTest::newRow("2") << 2
                       << "Colour along the stroke: one strip column every 2 pixels of the path.";
    QTest::newRow("50") << 50
                        << "Colour along the stroke: one strip column every 50 pixels of the "
                           "path.";
}

void TestFeedback::colourStepSaysHowLongAColumnLasts()
{
    QFETCH(int, step);
    QFETCH(QString, said);
    QTimer::singleShot(0, form_.get(), [&] {
        if (auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            dialog->setIntValue(step);
            dialog->accept();
        }
    });
    form_->commands().colourStep->trigger();
    QCOMPARE(form_->colourStep, step);
    QCOMPARE(form_->statusLine()->currentMessage(), said);
}

void TestFeedback::theHistoryJumpsToJustAfterAStep()
{
    QCOMPARE(historyShown(), QStringList{"No steps yet"});
    form_->Command1->click();                      // palette 2
    dragOn(form_->Picture1, {{50, 50}, {60, 50}}); // a stroke: a disc at (60, 50)
    form_->Command1->click();                      // palette 3
    form_->Command7->click();                      // new image
    QCOMPARE(historyShown(),
             (QStringList{"*New image", "Change palette", "Stroke", "Change palette"}));
    form_->historyMenu()->actions().at(2)->trigger(); // to just after the stroke
    QCOMPARE(form_->palette().number, 2u);
    QCOMPARE(form_->Picture1->surface().Point(60, 50), RGB(0, 0, 0)); // the stroke is back
    QCOMPARE(form_->statusLine()->currentMessage(),
             QStringLiteral("Undone: 2 steps, to just after Stroke."));
    QCOMPARE(historyShown(),
             (QStringList{"New image", "Change palette", "*Stroke", "Change palette"}));
    form_->historyMenu()->actions().at(0)->trigger(); // forward to the newest
    QCOMPARE(form_->palette().number, 3u);
    QCOMPARE(form_->statusLine()->currentMessage(),
             QStringLiteral("Redone: 2 steps, to just after New image."));
    QCOMPARE(historyShown(),
             (QStringList{"*New image", "Change palette", "Stroke", "Change palette"}));
    form_->historyMenu()->actions().at(3)->trigger(); // to just after the first step
    QCOMPARE(form_->palette().number, 2u);
    QCOMPARE(form_->Picture1->surface().Point(60, 50), RGB(240, 240, 240));
    QCOMPARE(historyShown(),
             (QStringList{"New image", "Change palette", "Stroke", "*Change palette"}));
    form_->commands().undo->trigger(); // the start: nothing marked
    QCOMPARE(historyShown(),
             (QStringList{"New image", "Change palette", "Stroke", "Change palette"}));
    // While colours cycle, stopping them is the newest step, and what could be redone goes.
    form_->commands().redo->trigger(); // palette 2
    form_->commands().cycleColours->trigger();
    QTest::qWait(200); // a fortieth of a turn: the strip has moved
    QCOMPARE(historyShown(), (QStringList{"*Cycle colours", "Change palette"}));
    form_->historyMenu()->actions().at(1)->trigger(); // the cycle's step undone
    QVERIFY(!form_->cycleColours);
    QCOMPARE(form_->palette().number, 2u);
    QVERIFY(!form_->palette().changed);
    QCOMPARE(historyShown(), (QStringList{"Cycle colours", "*Change palette"}));
}

void TestFeedback::theKeysWindowListsEveryCommand()
{
    // Every command of the menus, once: its text without the accelerator's "&" and "…".
    QStringList commands;
    std::function<void(QMenu *)> walk = [&](QMenu *menu) {
        for (QAction *item : menu->actions()) {
            if (item->menu() && item->menu() != form_->historyMenu()) {
                walk(item->menu());
            } else if (!item->isSeparator() && item->isEnabled() && !item->menu() &&
                       item != form_->commands().undo && item != form_->commands().redo) {
                commands.append(item->text().remove(u'&').remove(QChar(0x2026)));
            }
        }
    };
    for (QAction *title : form_->menuBar()->actions()) {
        walk(title->menu());
    }
    KeysWindow window(form_->keysRows(), form_.get());
    QStringList listed = window.shownCommands();
    listed.removeAll(QStringLiteral("Undo"));
    listed.removeAll(QStringLiteral("Redo"));
    listed.removeAll(QStringLiteral("Cancel change color")); // disabled until armed
    QCOMPARE(listed, commands);
    QCOMPARE(window.table()->rowCount(), 43);
    const KeysRow next = form_->keysRows().at(37);
    QCOMPARE(next.menu, QStringLiteral("Brush → Mirror"));
    QCOMPARE(next.command, QStringLiteral("Next mirror"));
    QCOMPARE(next.keys, QStringLiteral("Ctrl+M"));
    QCOMPARE(next.does, QStringLiteral("Go on to the next mirror, round."));
    QTest::keyClicks(window.search(), QStringLiteral("kaleido"));
    QCOMPARE(window.shownCommands(), (QStringList{"Kaleidoscope 6", "Kaleidoscope 8"}));
    window.search()->setText(QStringLiteral("ctrl+f1"));
    QCOMPARE(window.shownCommands(), QStringList{"Keys and commands"});
    window.search()->setText(QStringLiteral("palette export"));
    QCOMPARE(window.shownCommands(), (QStringList{"Export palette", "Export kept palettes"}));
    QCOMPARE(form_->commands().keysAndCommands->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+F1")));
}

void TestFeedback::dialogsOpenRoomyAndTheFocusIsRinged()
{
    // The offscreen screen is 800 x 600: 90 % of its width, and 500 high.
    QWidget dialog;
    QCOMPARE(roomySize(&dialog), QSize(720, 500));
    const FocusRing *ring = form_->clientArea()->findChild<FocusRing *>();
    QVERIFY(ring);
    form_->Command7->setFocus();
    QCOMPARE(ring->followed(), form_->Command7);
    QCOMPARE(ring->geometry(), form_->Command7->geometry().adjusted(-3, -3, 3, 3));
    form_->Picture1->setFocus();
    QCOMPARE(ring->followed(), form_->Picture1);
    // Export palette: the file dialog at that size, taken with the name it offers, then the
    // swatches, 525 offered, one less after a Down.
    QSize fileDialog;
    int offered = 0;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            fileDialog = files->size();
            static_cast<QDialog *>(files)->accept(); // the name offered
        } else if (auto *number = qobject_cast<QInputDialog *>(modal)) {
            offered = number->intValue();
            QTest::keyClick(number->findChild<QSpinBox *>(), Qt::Key_Down);
            number->accept();
            answerer.stop();
        }
    });
    answerer.start(10);
    form_->commands().exportPalette->trigger();
    QCOMPARE(fileDialog, QSize(720, 500));
    QCOMPARE(offered, 525);
    QFile exported(folder_->filePath(QStringLiteral("sinepaint-palette-1.gpl")));
    QVERIFY2(exported.open(QIODevice::ReadOnly),
             qPrintable(QDir(folder_->path()).entryList(QDir::Files).join(u' ')));
    QCOMPARE(exported.readAll().count('\n'), 3 + 524);

    // Export animation: the frames offered are 60 and Up makes them 61; then its file dialog, at
    // the same size, cancelled.
    int frames = 0;
    fileDialog = {};
    QTimer animationAnswerer;
    connect(&animationAnswerer, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *number = qobject_cast<QInputDialog *>(modal)) {
            offered = number->intValue();
            QTest::keyClick(number->findChild<QSpinBox *>(), Qt::Key_Up);
            frames = number->intValue();
            number->accept();
        } else if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            fileDialog = files->size();
            static_cast<QDialog *>(files)->reject();
            animationAnswerer.stop();
        }
    });
    animationAnswerer.start(10);
    form_->commands().exportAnimation->trigger();
    QCOMPARE(offered, 60);
    QCOMPARE(frames, 61);
    QCOMPARE(fileDialog, QSize(720, 500));
}

QTEST_MAIN(TestFeedback)
#include "tst_feedback.moc"
