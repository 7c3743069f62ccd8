// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Browse palettes, its shelf of kept palettes, and Variations.

#include "main_window/form1.h"
#include "main_window/statusline.h"
#include "palette/palettecatalogue.h"
#include "palette_dialogs/numberfield.h"
#include "palette_dialogs/palettebrowser.h"
#include "palette_dialogs/palettestriplist.h"
#include "palette_dialogs/variationgrid.h"
#include "palette_dialogs/variationsdialog.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

class TestPaletteBrowser : public QObject {
    Q_OBJECT

private slots:
    void init();
    void theBrowserShowsTheStripsGoToShows_data();
    void theBrowserShowsTheStripsGoToShows();
    void theBrowserStartsAtTheStripAndTakesOnePalette();
    void escapeInTheBrowserTakesNothing();
    void upAndPageUpStopAtPalette1AndEndShowsTheLastWholeRow();
    void theBrowserPreviewsAndEscapePutsTheStripBackExactly();
    void digitsJumpAndTheNumberFieldFollows();
    void theWheelMovesTheSelectionARowANotch();
    void aClickSelectsADoubleClickTakes();
    void keptPalettesComeFirstAndExportTogether();
    void severalPastedLinesGoOntoTheShelf();
    void variationsAreTheSameUnderOneSeedAndOneIsTakenAsAStep();

private:
    ColorValue column(int x) const { return form_->Picture2->surface().Point(float(x), 14); }
    QString stripTitle() const { return form_->Picture2->toolTip().section(u'\n', 0, 0); }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestPaletteBrowser::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeForm(folder_->path());
}

void TestPaletteBrowser::theBrowserShowsTheStripsGoToShows_data()
{
    QTest::addColumn<int>("number");
    // The top of the range first, so the catalogue also has to go back.
    QTest::newRow("1000000") << 1'000'000;
    QTest::newRow("999999") << 999'999;
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
}

void TestPaletteBrowser::theBrowserShowsTheStripsGoToShows()
{
    static PaletteCatalogue catalogue; // one for all rows, as the window keeps one
    QFETCH(int, number);
    const QImage listed = PaletteStripList::stripPicture(catalogue, PaletteNumber(number), 3);
    QVERIFY(form_->goToPalette(PaletteNumber(number)));
    const QImage &strip = form_->Picture2->surface().Image();
    QCOMPARE(listed.size(), QSize(525, 3));
    QCOMPARE(listed.copy(0, 2, 525, 1), strip.copy(0, 14, 525, 1));
}

void TestPaletteBrowser::theBrowserStartsAtTheStripAndTakesOnePalette()
{
    QVERIFY(form_->goToPalette(17));
    form_->commands().browsePalettes->trigger();
    auto *browser = form_->findChild<PaletteBrowser *>();
    QVERIFY(browser);
    QCOMPARE(browser->list()->current(), PaletteNumber(17));
    QCOMPARE(browser->list()->firstShown(), PaletteNumber(17));
    browser->numberField()->setValue(500);
    QCOMPARE(browser->list()->current(), PaletteNumber(500));
    QTest::keyClick(browser->list(), Qt::Key_Down);
    QCOMPARE(browser->list()->firstShown(), PaletteNumber(500)); // a row down scrolls nothing
    QTest::keyClick(browser->list(), Qt::Key_Return);
    QCOMPARE(stripTitle(), QStringLiteral("Palette 501"));
    QVERIFY(!browser->isVisible());
    form_->commands().undo->trigger();
    QCOMPARE(stripTitle(), QStringLiteral("Palette 17"));
}

void TestPaletteBrowser::escapeInTheBrowserTakesNothing()
{
    form_->commands().browsePalettes->trigger();
    auto *browser = form_->findChild<PaletteBrowser *>();
    QTest::keyClick(browser->list(), Qt::Key_End);
    QCOMPARE(browser->list()->current(), PaletteNumber(1'000'000));
    QTest::keyClick(browser->list(), Qt::Key_PageUp);
    QCOMPARE(browser->list()->current(), PaletteNumber(1'000'000 - 18));
    QTest::keyClick(browser->list(), Qt::Key_Escape);
    QVERIFY(!browser->isVisible());
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1"));
    QVERIFY(!form_->history().canUndo());
}

void TestPaletteBrowser::upAndPageUpStopAtPalette1AndEndShowsTheLastWholeRow()
{
    QVERIFY(form_->goToPalette(5));
    PaletteBrowser *browser = openDialog<PaletteBrowser>(*form_, form_->commands().browsePalettes);
    QTest::keyClick(browser->list(), Qt::Key_PageUp);
    QCOMPARE(browser->list()->current(), PaletteNumber(1));
    QTest::keyClick(browser->list(), Qt::Key_Up);
    QCOMPARE(browser->list()->current(), PaletteNumber(1));
    QCOMPARE(browser->list()->firstShown(), PaletteNumber(1));
    QTest::keyClick(browser->list(), Qt::Key_End);
    QCOMPARE(browser->list()->current(), PaletteNumber(1'000'000));
    // 18 whole rows in sight: 999,983 to 1,000,000.
    QCOMPARE(browser->list()->viewport()->height() / PaletteStripList::kRowHeight, 18);
    QCOMPARE(browser->list()->firstShown(), PaletteNumber(999'983));
    // The scroll bar's end shows the same last page, not rows past the last.
    browser->list()->verticalScrollBar()->setValue(0);
    browser->list()->verticalScrollBar()->setValue(browser->list()->verticalScrollBar()->maximum());
    QCOMPARE(browser->list()->firstShown(), PaletteNumber(999'983));
    QTest::keyClick(browser->list(), Qt::Key_PageDown);
    QCOMPARE(browser->list()->current(), PaletteNumber(1'000'000));
}

void TestPaletteBrowser::theBrowserPreviewsAndEscapePutsTheStripBackExactly()
{
    QVERIFY(form_->goToPalette(17));
    const QImage before = form_->Picture2->surface().Image().copy();
    PaletteBrowser *browser = openDialog<PaletteBrowser>(*form_, form_->commands().browsePalettes);
    QTest::keyClick(browser->list(), Qt::Key_Up);
    QCOMPARE(browser->list()->current(), PaletteNumber(16));
    QVERIFY(form_->Picture2->surface().Image() != before); // palette 16 at once
    QTest::keyClick(browser->list(), Qt::Key_Home);
    QCOMPARE(column(0), RGB(0x11, 0xD8, 0x65)); // palette 1, on the strip before any step
    QCOMPARE(stripTitle(), QStringLiteral("Palette 17"));
    QCOMPARE(form_->commands().undo->text(), QStringLiteral("&Undo Go to palette")); // no step
    QTest::keyClick(browser->list(), Qt::Key_Down);
    QCOMPARE(column(0), RGB(0xFA, 0xF3, 0x5A)); // palette 2
    QTest::keyClick(browser, Qt::Key_Escape);
    QVERIFY(!browser->isVisible());
    QCOMPARE(form_->Picture2->surface().Image(), before);
    QCOMPARE(form_->commands().undo->text(), QStringLiteral("&Undo Go to palette"));

    browser = openDialog<PaletteBrowser>(*form_, form_->commands().browsePalettes);
    QTest::keyClick(browser->list(), Qt::Key_End);
    QCOMPARE(column(0), RGB(0xD2, 0xF2, 0x06)); // palette 1,000,000
    QTest::keyClick(browser->list(), Qt::Key_Return);
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1,000,000"));
    QCOMPARE(form_->commands().undo->text(), QStringLiteral("&Undo Browse palettes"));
    form_->commands().undo->trigger();
    QCOMPARE(form_->Picture2->surface().Image(), before);
}

void TestPaletteBrowser::digitsJumpAndTheNumberFieldFollows()
{
    PaletteBrowser *browser = openDialog<PaletteBrowser>(*form_, form_->commands().browsePalettes);
    QTest::keyClicks(browser->list(), QStringLiteral("42"));
    QCOMPARE(browser->list()->current(), PaletteNumber(42));
    QCOMPARE(browser->numberField()->value(), 42);
    QCOMPARE(column(0), RGB(0xDB, 0xE7, 0x25));
    QTest::keyClick(browser->list(), Qt::Key_Down);
    QCOMPARE(browser->numberField()->value(), 43);
    // After a pause, digits begin a new number.
    QTest::qWait(PaletteStripList::kTypingPauseMilliseconds + 100);
    QTest::keyClicks(browser->list(), QStringLiteral("1000"));
    QCOMPARE(browser->list()->current(), PaletteNumber(1000));
    QCOMPARE(column(0), RGB(0x03, 0x4F, 0x42));
    browser->numberField()->setValue(17);
    QCOMPARE(browser->list()->current(), PaletteNumber(17));
    QCOMPARE(column(0), RGB(0x89, 0x47, 0xF9));
}

void TestPaletteBrowser::theWheelMovesTheSelectionARowANotch()
{
    QVERIFY(form_->goToPalette(10));
    PaletteBrowser *browser = openDialog<PaletteBrowser>(*form_, form_->commands().browsePalettes);
    QWidget *rows = browser->list()->viewport();
    auto turn = [&](int delta) {
        QWheelEvent wheel(QPointF(100, 100), rows->mapToGlobal(QPointF(100, 100)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(rows, &wheel);
    };
    turn(-240); // two notches towards the user: two rows on
    QCOMPARE(browser->list()->current(), PaletteNumber(12));
    QCOMPARE(browser->numberField()->value(), 12);
    turn(120);
    QCOMPARE(browser->list()->current(), PaletteNumber(11));
    turn(60); // half a notch from a touchpad: nothing yet
    QCOMPARE(browser->list()->current(), PaletteNumber(11));
    turn(60);
    QCOMPARE(browser->list()->current(), PaletteNumber(10));
    QCOMPARE(stripTitle(), QStringLiteral("Palette 10")); // previewed only, no step
}

void TestPaletteBrowser::aClickSelectsADoubleClickTakes()
{
    PaletteBrowser *browser = openDialog<PaletteBrowser>(*form_, form_->commands().browsePalettes);
    QWidget *rows = browser->list()->viewport();
    const QPoint thirdRow(300, 2 * PaletteStripList::kRowHeight + 5);
    QTest::mouseClick(rows, Qt::LeftButton, {}, thirdRow);
    QCOMPARE(browser->list()->current(), PaletteNumber(3));
    QVERIFY(browser->isVisible());
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1"));
    QTest::mouseDClick(rows, Qt::LeftButton, {}, thirdRow);
    QVERIFY(!browser->isVisible());
    QCOMPARE(stripTitle(), QStringLiteral("Palette 3"));
}

void TestPaletteBrowser::keptPalettesComeFirstAndExportTogether()
{
    form_->commands().exportKeptPalettes->trigger(); // none kept yet: says so
    auto *none = form_->findChild<QMessageBox *>();
    QVERIFY(none && none->text().startsWith(QStringLiteral("No palette is kept yet")));
    none->close();
    QVERIFY(form_->goToPalette(17));
    form_->commands().keepPalette->trigger();
    QCOMPARE(form_->statusLine()->currentMessage(),
             QStringLiteral("Palette 17 is kept: 1 kept, first in Browse palettes."));
    form_->commands().keepPalette->trigger();
    QCOMPARE(form_->statusLine()->currentMessage(), QStringLiteral("Palette 17 is kept already."));
    QVERIFY(form_->goToPalette(2));
    form_->commands().keepPalette->trigger();
    QCOMPARE(form_->keptPalettes().size(), 2);

    QVERIFY(form_->goToPalette(5));
    PaletteBrowser *browser = openDialog<PaletteBrowser>(*form_, form_->commands().browsePalettes);
    QCOMPARE(browser->list()->current(), PaletteNumber(5));
    QTest::keyClick(browser->list(), Qt::Key_Home);
    QCOMPARE(browser->list()->currentRow(), 0);
    QCOMPARE(browser->list()->current(), PaletteNumber(17));
    QCOMPARE(column(0), RGB(0x89, 0x47, 0xF9));
    QTest::keyClick(browser->list(), Qt::Key_Down);
    QCOMPARE(browser->list()->current(), PaletteNumber(2));
    QTest::keyClick(browser->list(), Qt::Key_Down);
    QCOMPARE(browser->list()->current(), PaletteNumber(1)); // the numbered palettes follow
    browser->reject();

    const QString lines = folder_->filePath(QStringLiteral("kept.txt"));
    QVERIFY(form_->exportKeptPalettesTo(lines));
    QFile written(lines);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> read = written.readAll().split('\n');
    QCOMPARE(read.size(), 3);
    QVERIFY(read[0].startsWith("sinepaint palette 17: red phase 0.0850253963470459 period "));
    QVERIFY(read[1].startsWith("sinepaint palette 2: "));
}

void TestPaletteBrowser::severalPastedLinesGoOntoTheShelf()
{
    const QString line17 = QStringLiteral(
        "sinepaint palette 17: red phase 0.0850253963470459 period 48.599415; green phase "
        "5.835775356292725 period 47.684116; blue phase 1.3642535734176637 period 28.718285");
    const QString edited = QStringLiteral("sinepaint palette 1: red phase 0 period 20 amplitude "
                                          "60; green phase 0 period 20; blue phase 0 period 20");
    const QImage before = form_->Picture2->surface().Image().copy();
    // A bad second line: nothing is taken.
    QGuiApplication::clipboard()->setText(line17 + "\nsinepaint palette 2: red\n" + edited);
    QVERIFY(!form_->pastePalette());
    auto *message = form_->findChild<QMessageBox *>();
    QVERIFY(message && message->text().startsWith(QStringLiteral("Line 2 of the clipboard")));
    message->close();
    QCOMPARE(form_->keptPalettes().size(), 0);
    QCOMPARE(form_->Picture2->surface().Image(), before);

    // One line goes onto the strip alone, not onto the shelf.
    QGuiApplication::clipboard()->setText(line17);
    QVERIFY(form_->pastePalette());
    QCOMPARE(stripTitle(), QStringLiteral("Palette 17"));
    QCOMPARE(form_->keptPalettes().size(), 0);
    form_->commands().undo->trigger();
    QCOMPARE(form_->Picture2->surface().Image(), before);

    // Windows line ends, and a line of nothing but spaces between: passed over.
    QGuiApplication::clipboard()->setText(line17 + "\r\n \t\r\n" + edited + "\n");
    QVERIFY(form_->pastePalette());
    QCOMPARE(form_->keptPalettes().size(), 2);
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1 (changed)"));
    QCOMPARE(column(0), RGB(126, 126, 126));
    QCOMPARE(form_->statusLine()->currentMessage(),
             QStringLiteral("2 palettes kept; Palette 1 (changed) is on the strip."));
    form_->commands().undo->trigger(); // one step
    QCOMPARE(form_->Picture2->surface().Image(), before);
}

void TestPaletteBrowser::variationsAreTheSameUnderOneSeedAndOneIsTakenAsAStep()
{
    auto openVariations = [this] {
        return openDialog<VariationsDialog>(*form_, form_->commands().variations);
    };
    form_->seedVariations(42);
    VariationsDialog *dialog = openVariations();
    QVERIFY(dialog);
    // Seed 42's first variation of palette 1: red phase 5.447978193281814 and so on.
    QCOMPARE(dialog->palette(0).waves[0].phase, 5.447978193281814);
    QCOMPARE(dialog->palette(0).waves[0].amplitude, 138.10296963590528);
    QCOMPARE(dialog->palette(4), form_->palette()); // the middle: as it is
    const ShownPalette first = dialog->palette(0);
    QTest::keyClick(dialog->grid(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!form_->history().canUndo());

    form_->seedVariations(42);
    dialog = openVariations();
    QCOMPARE(dialog->palette(0), first);
    // Return on More, the focus there, draws eight new; Enter on the grid still takes.
    QPushButton *more = nullptr;
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        more = button->text() == QStringLiteral("&More") ? button : more;
    }
    QVERIFY(more);
    QTest::keyClick(more, Qt::Key_Return);
    QVERIFY(dialog->isVisible());
    QVERIFY(!(dialog->palette(0) == first));
    // The arrows move a cell at a time from the middle and stop at the grid's edges.
    QStringList walked;
    for (const Qt::Key key :
         {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left,
          Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) {
        QTest::keyClick(dialog->grid(), key);
        walked << QString::number(dialog->grid()->current());
    }
    QCOMPARE(walked.join(u' '), QStringLiteral("7 7 4 1 1 0 0 1 2 2 5"));
    const ShownPalette right = dialog->palette(5);
    QTest::keyClick(dialog->grid(), Qt::Key_Right);
    QCOMPARE(dialog->grid()->current(), 5);
    QTest::keyClick(dialog->grid(), Qt::Key_Return);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(form_->palette(), right);
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1 (changed)"));
    QCOMPARE(form_->commands().undo->text(), QStringLiteral("&Undo Variations"));
    // The run's generator did not move: the next palette is still palette 2.
    form_->Command1->click();
    QCOMPARE(column(0), RGB(0xFA, 0xF3, 0x5A));
}

QTEST_MAIN(TestPaletteBrowser)
#include "tst_palettebrowser.moc"
