// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Edit palette: the waves typed or slid, shown on the strip at once, kept as one step or put back.

#include "main_window/form1.h"
#include "palette_dialogs/focusring.h"
#include "palette_dialogs/numberfield.h"
#include "palette_dialogs/paletteeditor.h"
#include "palette_dialogs/waveplot.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

class TestPaletteEditor : public QObject {
    Q_OBJECT

private slots:
    void init();
    void anEditShowsOnTheStripAtOnce_data();
    void anEditShowsOnTheStripAtOnce();
    void okKeepsTheEditAsOneStepAndCancelPutsTheStripBack();
    void resetGoesBackToTheNumberedPalette();
    void typedValuesReturnIsOkAndOneUndoPutsTheStripBack();
    void aTypedValueIsTakenWholeOrNotAtAll_data();
    void aTypedValueIsTakenWholeOrNotAtAll();
    void aNumberOnTheWayIsNeverTaken();
    void aNumberTypedAsTheEditorIsDeletedIsNeverTaken();
    void theFocusStartsInTheRedPhaseWithItsValueSelected();
    void tabGoesRoundEveryControlInOrder();
    void returnIsOkFromEveryFieldAndFromReset();
    void aSliderMovesAHundredthOfItsRangeAnArrowKey_data();
    void aSliderMovesAHundredthOfItsRangeAnArrowKey();
    void thePhaseSliderShowsThePhaseWithinTheTurn_data();
    void thePhaseSliderShowsThePhaseWithinTheTurn();
    void okDecidesChangedAgainstTheNumbersOwnWaves();

private:
    ColorValue column(int x) const { return form_->Picture2->surface().Point(float(x), 14); }
    QString stripTitle() const { return form_->Picture2->toolTip().section(u'\n', 0, 0); }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestPaletteEditor::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeForm(folder_->path());
}

void TestPaletteEditor::anEditShowsOnTheStripAtOnce_data()
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

void TestPaletteEditor::anEditShowsOnTheStripAtOnce()
{
    QFETCH(bool, bySlider);
    QFETCH(double, phase);
    QFETCH(double, period);
    QFETCH(int, x);
    QFETCH(ColorValue, colour);
    PaletteEditor *editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
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

void TestPaletteEditor::okKeepsTheEditAsOneStepAndCancelPutsTheStripBack()
{
    const QImage before = form_->Picture2->surface().Image().copy();
    PaletteEditor *editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    typeAndLeave(editor->field(2, WaveTerm::Phase), QStringLiteral("1.5"));
    QVERIFY(form_->Picture2->surface().Image() != before);
    editor->reject();
    QCOMPARE(form_->Picture2->surface().Image(), before);
    QVERIFY(!form_->history().canUndo());

    editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
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

void TestPaletteEditor::resetGoesBackToTheNumberedPalette()
{
    QVERIFY(form_->goToPalette(5));
    const QImage own = form_->Picture2->surface().Image().copy();
    PaletteEditor *editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    editor->periodSlider(1)->setValue(3000);
    QVERIFY(form_->Picture2->surface().Image() != own);
    editor->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Reset)->click();
    QCOMPARE(form_->Picture2->surface().Image(), own);
    editor->accept();
    QCOMPARE(stripTitle(), QStringLiteral("Palette 5"));
}

void TestPaletteEditor::typedValuesReturnIsOkAndOneUndoPutsTheStripBack()
{
    const QImage before = form_->Picture2->surface().Image().copy();
    // An edit by the slider, taken and undone first.
    PaletteEditor *editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    QTest::keyClick(editor->phaseSlider(0), Qt::Key_PageUp);
    QVERIFY(form_->Picture2->surface().Image() != before);
    QTest::keyClick(editor->phaseSlider(0), Qt::Key_Return);
    QVERIFY(!editor->isVisible());
    form_->commands().undo->trigger();
    QCOMPARE(form_->Picture2->surface().Image(), before);

    editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
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

void TestPaletteEditor::aTypedValueIsTakenWholeOrNotAtAll_data()
{
    // Typed into palette 1's red channel, then Tab: what the field then shows, the red term,
    // and how often the strip changed.
    QTest::addColumn<int>("term");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("changes");
    QTest::addColumn<QString>("refusal"); // the line under the controls
    const int phase = int(WaveTerm::Phase), period = int(WaveTerm::Period);
    const int amplitude = int(WaveTerm::Amplitude), offset = int(WaveTerm::Offset);
    QTest::newRow("phase 1.57") << phase << "1.57"
                                << "1.57" << 1.57 << 1 << QString();
    QTest::newRow("period 40.5") << period << "40.5"
                                 << "40.5" << 40.5 << 1 << QString();
    QTest::newRow("period 29.3, a float, shown as typed")
        << period << "29.3"
        << "29.3" << double(29.3f) << 1 << QString();
    QTest::newRow("phase -2") << phase << "-2"
                              << "-2" << -2.0 << 1 << QString();
    QTest::newRow("phase 1e3, not reformatted") << phase << "1e3"
                                                << "1e3" << 1000.0 << 1 << QString();
    QTest::newRow("offset 40,5 with a decimal comma") << offset << "40,5"
                                                      << "40,5" << 40.5 << 1 << QString();
    QTest::newRow("amplitude 0") << amplitude << "0"
                                 << "0" << 0.0 << 1 << QString();
    QTest::newRow("phase abc: the value stays")
        << phase << "abc"
        << "5.243853766918183" << 5.243853766918183 << 0 << QString();
    QTest::newRow("phase emptied: the value stays")
        << phase << ""
        << "5.243853766918183" << 5.243853766918183 << 0 << QString();
    QTest::newRow("period 0: no palette")
        << period << "0"
        << "68.88153" << double(68.88153f) << 0
        << QString("0 is not taken: the red period is a number from -1,000,000,000 to "
                   "1,000,000,000, not 0.");
    QTest::newRow("amplitude 300: past 255")
        << amplitude << "300"
        << "126" << 126.0 << 0
        << QString("300 is not taken: the red amplitude is a number from 0 to 255.");
    QTest::newRow("offset -1: below 0")
        << offset << "-1"
        << "126" << 126.0 << 0
        << QString("-1 is not taken: the red offset is a number from 0 to 255.");
}

void TestPaletteEditor::aTypedValueIsTakenWholeOrNotAtAll()
{
    QFETCH(int, term);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(double, value);
    QFETCH(int, changes);
    QFETCH(QString, refusal);
    PaletteEditor *editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    QSignalSpy changed(editor, &PaletteEditor::wavesChanged);
    typeAndLeave(editor->field(0, WaveTerm(term)), keys);
    QCOMPARE(editor->field(0, WaveTerm(term))->text(), shown);
    const ChannelWave &red = editor->waves()[0];
    const double values[] = {red.phase, double(red.period), red.amplitude, red.offset};
    QCOMPARE(values[term], value);
    QCOMPARE(changed.count(), changes);
    QCOMPARE(editor->refusal(), refusal);
    if (!refusal.isEmpty()) { // the reason stays past the field's pause, as does the value
        QTest::qWait(1000);
        QCOMPARE(editor->refusal(), refusal);
        QCOMPARE(changed.count(), changes);
    }
}

void TestPaletteEditor::aNumberOnTheWayIsNeverTaken()
{
    // "4" on the way to "40" never reaches the strip: the number is taken after a pause.
    PaletteEditor *editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    QSignalSpy changed(editor, &PaletteEditor::wavesChanged);
    NumberField *period = editor->field(0, WaveTerm::Period);
    period->selectAll();
    QTest::keyClicks(period, QStringLiteral("40"));
    QCOMPARE(changed.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 5000);
    QCOMPARE(editor->waves()[0].period, 40.0f);
    QCOMPARE(period->text(), QStringLiteral("40"));
}

void TestPaletteEditor::aNumberTypedAsTheEditorIsDeletedIsNeverTaken()
{
    // The window closing under an open editor deletes it; the field it had the focus in then
    // loses it, and what was typed must not reach the strip through a half-deleted dialog.
    PaletteEditor *editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    QVERIFY(QTest::qWaitForWindowActive(editor));
    const ColorValue before = column(5);
    QSignalSpy changed(editor, &PaletteEditor::wavesChanged);
    QTest::keyClicks(editor->field(0, WaveTerm::Phase), QStringLiteral("2"));
    delete editor;
    QCOMPARE(changed.count(), 0);
    QCOMPARE(column(5), before);
}

void TestPaletteEditor::theFocusStartsInTheRedPhaseWithItsValueSelected()
{
    PaletteEditor *editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    QCOMPARE(editor->focusWidget(), editor->field(0, WaveTerm::Phase));
    QVERIFY(editor->findChild<FocusRing *>()); // which rings the focused control
    QCOMPARE(editor->windowTitle(), QStringLiteral("Edit palette"));
    QCOMPARE(editor->font().styleStrategy(), QFont::NoAntialias);
    // Its explanation wraps: the whole dialog fits the 800-pixel-wide offscreen screen.
    QVERIFY2(editor->sizeHint().width() <= 800,
             qPrintable(QString::number(editor->sizeHint().width())));
    // The plot stands whole above the controls: the red phase row starts below it, at the size
    // the dialog opens with (a wrapped explanation once left the rows too little room).
    editor->layout()->activate();
    QVERIFY2(editor->field(0, WaveTerm::Phase)->geometry().top() >
                 editor->plot()->geometry().bottom(),
             qPrintable(QStringLiteral("field at %1, plot down to %2")
                            .arg(editor->field(0, WaveTerm::Phase)->geometry().top())
                            .arg(editor->plot()->geometry().bottom())));
    QCOMPARE(editor->field(0, WaveTerm::Phase)->selectedText(),
             QStringLiteral("5.243853766918183"));
    // Typing replaces the whole value.
    QTest::keyClicks(editor->field(0, WaveTerm::Phase), QStringLiteral("2"));
    QCOMPARE(editor->field(0, WaveTerm::Phase)->text(), QStringLiteral("2"));
}

void TestPaletteEditor::tabGoesRoundEveryControlInOrder()
{
    PaletteEditor *editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    QStringList order;
    QWidget *at = editor->field(0, WaveTerm::Phase);
    do {
        if ((at->focusPolicy() & Qt::TabFocus) && at->isEnabled() && at->isVisibleTo(editor)) {
            const auto *button = qobject_cast<QPushButton *>(at);
            order.append(button ? button->text()
                                : at->accessibleName() + (qobject_cast<QSlider *>(at)
                                                              ? QStringLiteral(" slider")
                                                              : QStringLiteral(" field")));
        }
        at = at->nextInFocusChain();
    } while (at != editor->field(0, WaveTerm::Phase) && order.size() < 40);
    QCOMPARE(order, QStringList({"Red phase field",
                                 "Red phase slider",
                                 "Red period field",
                                 "Red period slider",
                                 "Red amplitude field",
                                 "Red amplitude slider",
                                 "Red offset field",
                                 "Red offset slider",
                                 "Green phase field",
                                 "Green phase slider",
                                 "Green period field",
                                 "Green period slider",
                                 "Green amplitude field",
                                 "Green amplitude slider",
                                 "Green offset field",
                                 "Green offset slider",
                                 "Blue phase field",
                                 "Blue phase slider",
                                 "Blue period field",
                                 "Blue period slider",
                                 "Blue amplitude field",
                                 "Blue amplitude slider",
                                 "Blue offset field",
                                 "Blue offset slider",
                                 "OK",
                                 "Cancel",
                                 "Reset"}));
}

void TestPaletteEditor::returnIsOkFromEveryFieldAndFromReset()
{
    for (int channel = 0; channel < 3; ++channel) {
        for (int term = 0; term < kWaveTerms; ++term) {
            PaletteEditor *editor =
                openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
            QTest::keyClick(editor->field(channel, WaveTerm(term)), Qt::Key_Return);
            QVERIFY(!editor->isVisible());
            QCOMPARE(editor->result(), int(QDialog::Accepted));
        }
    }
    PaletteEditor *editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    typeAndLeave(editor->field(1, WaveTerm::Amplitude), QStringLiteral("60"));
    auto *reset = editor->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Reset);
    QTest::keyClick(reset, Qt::Key_Return);
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(form_->palette().waves[1].amplitude, 60.0); // not reset
}

void TestPaletteEditor::aSliderMovesAHundredthOfItsRangeAnArrowKey_data()
{
    QTest::addColumn<int>("term");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("value");
    QTest::newRow("phase, an arrow: 0.063 of a turn of 6.283")
        << int(WaveTerm::Phase) << "0" << int(Qt::Key_Right) << 0.063;
    QTest::newRow("phase, Page Up: 0.628")
        << int(WaveTerm::Phase) << "0" << int(Qt::Key_PageUp) << 0.628;
    QTest::newRow("period, an arrow: 0.58 of 20 to 78")
        << int(WaveTerm::Period) << "20" << int(Qt::Key_Right) << 20.58;
    QTest::newRow("period, Page Down: 5.8 less")
        << int(WaveTerm::Period) << "40" << int(Qt::Key_PageDown) << 34.2;
    QTest::newRow("amplitude, an arrow: 3 of 255")
        << int(WaveTerm::Amplitude) << "100" << int(Qt::Key_Left) << 97.0;
    QTest::newRow("offset, Page Up: 26 of 255")
        << int(WaveTerm::Offset) << "100" << int(Qt::Key_PageUp) << 126.0;
}

void TestPaletteEditor::aSliderMovesAHundredthOfItsRangeAnArrowKey()
{
    QFETCH(int, term);
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(double, value);
    PaletteEditor *editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    typeAndLeave(editor->field(2, WaveTerm(term)), from);
    QTest::keyClick(editor->slider(2, WaveTerm(term)), Qt::Key(key));
    const ChannelWave &blue = editor->waves()[2];
    const double values[] = {blue.phase, double(blue.period), blue.amplitude, blue.offset};
    QCOMPARE(values[term], term == int(WaveTerm::Period) ? double(float(value)) : value);
    QVERIFY(editor->slider(2, WaveTerm(term))->width() >= 200); // long enough to be precise
    // Each slider to the right of its field, on the field's row.
    const QRect field = editor->field(2, WaveTerm(term))->geometry();
    const QRect slider = editor->slider(2, WaveTerm(term))->geometry();
    QVERIFY(slider.left() > field.right());
    QVERIFY(slider.top() < field.bottom() && slider.bottom() > field.top());
}

void TestPaletteEditor::thePhaseSliderShowsThePhaseWithinTheTurn_data()
{
    QTest::addColumn<QString>("phase");
    QTest::addColumn<int>("step"); // thousandths of a radian, 0 to 6283
    QTest::newRow("-1 shows at 2 pi - 1") << "-1" << 5283;
    QTest::newRow("2 pi + 1 shows at 1") << "7.283185307179586" << 1000;
    QTest::newRow("-7.3: a turn and more back") << "-7.3" << 5266;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("1.2346 at the nearest thousandth") << "1.2346" << 1235;
}

void TestPaletteEditor::thePhaseSliderShowsThePhaseWithinTheTurn()
{
    QFETCH(QString, phase);
    QFETCH(int, step);
    QGuiApplication::clipboard()->setText(
        QStringLiteral("sinepaint palette 1: red phase %1 period 20; green phase 0 period 20; "
                       "blue phase 0 period 20")
            .arg(phase));
    QVERIFY(form_->pastePalette());
    PaletteEditor *editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    QCOMPARE(editor->phaseSlider(0)->value(), step);
    QCOMPARE(editor->field(0, WaveTerm::Phase)->text(), phase);
}

void TestPaletteEditor::okDecidesChangedAgainstTheNumbersOwnWaves()
{
    QGuiApplication::clipboard()->setText(
        QStringLiteral("sinepaint palette 1: red phase 0 period 20; green phase "
                       "0.7974771142005921 period 26.862747; blue phase 6.084489276409149 "
                       "period 62.029648"));
    QVERIFY(form_->pastePalette());
    PaletteEditor *editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    editor->accept(); // unedited
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1 (changed)"));
    editor = openDialog<PaletteEditor>(*form_, form_->commands().editPalette);
    editor->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Reset)->click();
    editor->accept();
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1"));
    QCOMPARE(column(0), RGB(17, 216, 101));
}

QTEST_MAIN(TestPaletteEditor)
#include "tst_paletteeditor.moc"
