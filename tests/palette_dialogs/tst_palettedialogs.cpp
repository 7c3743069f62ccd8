// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"
#include "palette/palettecatalogue.h"
#include "palette_dialogs/numberfield.h"
#include "palette_dialogs/palettebrowser.h"
#include "palette_dialogs/paletteeditor.h"
#include "palette_dialogs/palettestriplist.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

class TestPaletteDialogs : public QObject {
    Q_OBJECT

private slots:
    void init();
    void anEditShowsOnTheStripAtOnce_data();
    void anEditShowsOnTheStripAtOnce();
    void okKeepsTheEditAsOneStepAndCancelPutsTheStripBack();
    void resetGoesBackToTheNumberedPalette();
    void theBrowserShowsTheStripsGoToShows_data();
    void theBrowserShowsTheStripsGoToShows();
    void theBrowserStartsAtTheStripAndTakesOnePalette();
    void escapeInTheBrowserTakesNothing();
    void typedValuesReturnIsOkAndOneUndoPutsTheStripBack();

private:
    ColorValue column(int x) const { return form_->Picture2->surface().Point(float(x), 14); }
    QString stripTitle() const { return form_->Picture2->toolTip().section(u'\n', 0, 0); }
    PaletteEditor *openEditor();

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestPaletteDialogs::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeForm(folder_->path());
}

PaletteEditor *TestPaletteDialogs::openEditor()
{
    form_->commands().editPalette->trigger();
    PaletteEditor *shown = nullptr; // one closed before may wait to be deleted
    for (PaletteEditor *editor : form_->findChildren<PaletteEditor *>()) {
        shown = editor->isVisible() ? editor : shown;
    }
    return shown;
}

void TestPaletteDialogs::anEditShowsOnTheStripAtOnce_data()
{
    QTest::addColumn<bool>("bySlider");
    QTest::addColumn<double>("phase");  // of red; the slider in thousandths
    QTest::addColumn<double>("period"); // the slider in hundredths
    QTest::addColumn<int>("x");
    QTest::addColumn<ColorValue>("colour");
    // Palette 1's green and blue stay; red (sin(phase + x / period) + 1) * 126.
    QTest::newRow("typed phase 0, period 20, column 0")
        << false << 0.0 << 20.0 << 0 << RGB(126, 216, 101);
    QTest::newRow("typed phase 0, period 20, column 5")
        << false << 0.0 << 20.0 << 5 << RGB(157, 231, 111);
    QTest::newRow("slid to phase 0, period 20, column 5")
        << true << 0.0 << 20.0 << 5 << RGB(157, 231, 111);
    QTest::newRow("slid to phase 1, period 78, column 0")
        << true << 1.0 << 78.0 << 0 << RGB(232, 216, 101);
    QTest::newRow("typed past the sliders: phase -1, period 200, column 0")
        << false << -1.0 << 200.0 << 0 << RGB(20, 216, 101);
}

void TestPaletteDialogs::anEditShowsOnTheStripAtOnce()
{
    QFETCH(bool, bySlider);
    QFETCH(double, phase);
    QFETCH(double, period);
    QFETCH(int, x);
    QFETCH(ColorValue, colour);
    PaletteEditor *editor = openEditor();
    QVERIFY(editor);
    if (bySlider) {
        editor->phaseSlider(0)->setValue(int(phase * 1000));
        editor->periodSlider(0)->setValue(int(period * 100));
    } else {
        typeAndLeave(editor->field(0, WaveTerm::Phase), QString::number(phase));
        typeAndLeave(editor->field(0, WaveTerm::Period), QString::number(period));
    }
    QCOMPARE(column(x), colour); // before OK
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1"));
    // A period of 0 is no palette: the strip keeps the last one.
    typeAndLeave(editor->field(0, WaveTerm::Period), QStringLiteral("0"));
    QCOMPARE(column(x), colour);
}

void TestPaletteDialogs::okKeepsTheEditAsOneStepAndCancelPutsTheStripBack()
{
    const QImage before = form_->Picture2->surface().Image().copy();
    PaletteEditor *editor = openEditor();
    typeAndLeave(editor->field(2, WaveTerm::Phase), QStringLiteral("1.5"));
    QVERIFY(form_->Picture2->surface().Image() != before);
    editor->reject();
    QCOMPARE(form_->Picture2->surface().Image(), before);
    QVERIFY(!form_->history().canUndo());

    editor = openEditor();
    typeAndLeave(editor->field(0, WaveTerm::Phase), QStringLiteral("0"));
    typeAndLeave(editor->field(0, WaveTerm::Period), QStringLiteral("20"));
    editor->accept();
    const QImage edited = form_->Picture2->surface().Image().copy();
    QCOMPARE(column(5), RGB(157, 231, 111));
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1 (changed)"));
    form_->commands().copyPalette->trigger();
    const QString line = QGuiApplication::clipboard()->text();
    QCOMPARE(line, "sinepaint palette 1: red phase 0 period 20; green phase 0.7974771142005921 "
                   "period 26.862747; blue phase 6.084489276409149 period 62.029648");
    form_->commands().undo->trigger();
    QCOMPARE(form_->Picture2->surface().Image(), before);
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1"));
    form_->commands().redo->trigger();
    QCOMPARE(form_->Picture2->surface().Image(), edited);
    // Its line pasted back gives the same strip, bit for bit.
    form_->commands().undo->trigger();
    QGuiApplication::clipboard()->setText(line);
    QVERIFY(form_->pastePalette());
    QCOMPARE(form_->Picture2->surface().Image(), edited);
}

void TestPaletteDialogs::resetGoesBackToTheNumberedPalette()
{
    QVERIFY(form_->goToPalette(5));
    const QImage own = form_->Picture2->surface().Image().copy();
    PaletteEditor *editor = openEditor();
    editor->periodSlider(1)->setValue(3000);
    QVERIFY(form_->Picture2->surface().Image() != own);
    editor->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Reset)->click();
    QCOMPARE(form_->Picture2->surface().Image(), own);
    editor->accept();
    QCOMPARE(stripTitle(), QStringLiteral("Palette 5"));
}

void TestPaletteDialogs::theBrowserShowsTheStripsGoToShows_data()
{
    QTest::addColumn<int>("number");
    // The top of the range first, so the catalogue also has to go back.
    QTest::newRow("1000000") << 1'000'000;
    QTest::newRow("999999") << 999'999;
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
}

void TestPaletteDialogs::theBrowserShowsTheStripsGoToShows()
{
    static PaletteCatalogue catalogue; // one for all rows, as the window keeps one
    QFETCH(int, number);
    const QImage listed = PaletteStripList::stripPicture(catalogue, PaletteNumber(number), 3);
    QVERIFY(form_->goToPalette(PaletteNumber(number)));
    const QImage &strip = form_->Picture2->surface().Image();
    QCOMPARE(listed.size(), QSize(525, 3));
    QCOMPARE(listed.copy(0, 2, 525, 1), strip.copy(0, 14, 525, 1));
}

void TestPaletteDialogs::theBrowserStartsAtTheStripAndTakesOnePalette()
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

void TestPaletteDialogs::escapeInTheBrowserTakesNothing()
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

void TestPaletteDialogs::typedValuesReturnIsOkAndOneUndoPutsTheStripBack()
{
    const QImage before = form_->Picture2->surface().Image().copy();
    // An edit by the slider, taken and undone first.
    PaletteEditor *editor = openEditor();
    QTest::keyClick(editor->phaseSlider(0), Qt::Key_PageUp);
    QVERIFY(form_->Picture2->surface().Image() != before);
    QTest::keyClick(editor->phaseSlider(0), Qt::Key_Return);
    QVERIFY(!editor->isVisible());
    form_->commands().undo->trigger();
    QCOMPARE(form_->Picture2->surface().Image(), before);

    editor = openEditor();
    typeAndLeave(editor->field(0, WaveTerm::Phase), QStringLiteral("1.57"));
    editor->field(0, WaveTerm::Period)->selectAll();
    QTest::keyClicks(editor->field(0, WaveTerm::Period), QStringLiteral("20"));
    QTest::keyClick(editor->field(0, WaveTerm::Period), Qt::Key_Return);
    QVERIFY(!editor->isVisible());
    QCOMPARE(column(0), RGB(252, 216, 101));
    QCOMPARE(form_->commands().undo->text(), QStringLiteral("&Undo Edit palette"));
    form_->commands().undo->trigger();
    QCOMPARE(form_->Picture2->surface().Image(), before);
    QVERIFY(!form_->history().canUndo());
}

QTEST_MAIN(TestPaletteDialogs)
#include "tst_palettedialogs.moc"
