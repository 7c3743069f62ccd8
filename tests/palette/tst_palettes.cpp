// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"
#include "palette/paletteexport.h"
#include "palette/paletteline.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QAction>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Palette 1 as Copy palette writes it.
const QString kFirstLine = QStringLiteral(
    "sinepaint palette 1: red phase 5.243853766918183 period 68.88153; green phase "
    "0.7974771142005921 period 26.862747; blue phase 6.084489276409149 period 62.029648");

} // namespace

// Numbered palettes: going to one, copying and pasting its line, exporting it.
class TestPalettes : public QObject {
    Q_OBJECT

private slots:
    void init();
    void palettesAreNumberedAndGoneToExactly_data();
    void palettesAreNumberedAndGoneToExactly();
    void goingToAPaletteIsOneUndoableStep();
    void theCopiedLineNamesThePaletteAndPastesBack();
    void aHandEditedLineGivesTheStripItNames();
    void malformedLinesChangeNothing_data();
    void aPeriodWhoseLastColumnStaysFiniteIsTaken();
    void malformedLinesChangeNothing();
    void theGimpPaletteAndTheTextureHoldTheShownColumns();
    void aLineReadsBackToTheSameLineAndStrip_data();
    void aLineReadsBackToTheSameLineAndStrip();

private:
    // The strip tooltip's first line, which names the palette.
    QString stripTitle() const { return form_->Picture2->toolTip().section(u'\n', 0, 0); }
    ColorValue column(int x) const { return form_->Picture2->surface().Point(float(x), 14); }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestPalettes::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeForm(folder_->path());
}

void TestPalettes::palettesAreNumberedAndGoneToExactly_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<ColorValue>("first");
    QTest::addColumn<ColorValue>("last");
    QTest::newRow("palette 1") << 1 << RGB(17, 216, 101) << RGB(161, 251, 242);
    QTest::newRow("palette 5") << 5 << RGB(123, 22, 6) << RGB(7, 243, 90);
}

void TestPalettes::palettesAreNumberedAndGoneToExactly()
{
    QFETCH(int, number);
    QFETCH(ColorValue, first);
    QFETCH(ColorValue, last);
    // Clicked to, one "change palette" after the other.
    for (int i = 1; i < number; ++i) {
        form_->Command1->click();
    }
    QCOMPARE(column(0), first);
    QCOMPARE(column(524), last);
    QCOMPARE(stripTitle(), QStringLiteral("Palette %1").arg(number));
    QCOMPARE(form_->commands().paletteTitle->text(), QStringLiteral("Palette %1").arg(number));
    const QImage clicked = form_->Picture2->surface().Image().copy();
    // Gone to from another palette, and started with.
    QVERIFY(form_->goToPalette(3));
    QVERIFY(form_->goToPalette(PaletteNumber(number)));
    QCOMPARE(form_->Picture2->surface().Image(), clicked);
    Form1 started(
        [] {
            return QDateTime({2027, 3, 5}, {21, 4, 7});
        },
        folder_->path(), PaletteNumber(number));
    QCOMPARE(started.Picture2->surface().Image(), clicked);
    // The next is number + 1: palette 2 begins with RGB(250, 243, 90), palette 6 with
    // RGB(13, 201, 0).
    form_->Command1->click();
    QCOMPARE(stripTitle(), QStringLiteral("Palette %1").arg(number + 1));
    QCOMPARE(column(0), number == 5 ? RGB(13, 201, 0) : RGB(250, 243, 90));
}

void TestPalettes::goingToAPaletteIsOneUndoableStep()
{
    QVERIFY(!form_->goToPalette(0));
    QVERIFY(!form_->goToPalette(1'000'001));
    QVERIFY(form_->goToPalette(1'000'000));
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1,000,000"));
    form_->commands().undo->trigger();
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1"));
    QCOMPARE(column(0), RGB(17, 216, 101));
    form_->Command1->click(); // after undo the next is 2 again
    QCOMPARE(stripTitle(), QStringLiteral("Palette 2"));
    form_->commands().undo->trigger();
    form_->commands().redo->trigger();
    QCOMPARE(stripTitle(), QStringLiteral("Palette 2"));
}

void TestPalettes::theCopiedLineNamesThePaletteAndPastesBack()
{
    form_->commands().copyPalette->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), kFirstLine);
    const QImage first = form_->Picture2->surface().Image().copy();
    form_->Command1->click();
    const QImage second = form_->Picture2->surface().Image().copy();
    form_->commands().pastePalette->trigger();
    QCOMPARE(form_->Picture2->surface().Image(), first);
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1"));
    form_->commands().undo->trigger();
    QCOMPARE(stripTitle(), QStringLiteral("Palette 2"));
    QCOMPARE(form_->Picture2->surface().Image(), second); // the strip comes back too
    // The last palette there is pastes too.
    QVERIFY(form_->goToPalette(1'000'000));
    const QImage last = form_->Picture2->surface().Image().copy();
    form_->commands().copyPalette->trigger();
    QVERIFY(form_->goToPalette(3));
    QVERIFY(form_->pastePalette());
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1,000,000"));
    QCOMPARE(form_->Picture2->surface().Image(), last);
}

void TestPalettes::aHandEditedLineGivesTheStripItNames()
{
    // Red now has phase 0 and period 20: 126 at column 0 and 157 at column 5.
    QGuiApplication::clipboard()->setText(
        QString(kFirstLine)
            .replace("red phase 5.243853766918183 period 68.88153", "red phase 0 period 20"));
    QVERIFY(form_->pastePalette());
    QCOMPARE(column(0), RGB(126, 216, 101));
    QCOMPARE(column(5), RGB(157, 231, 111));
    QCOMPARE(stripTitle(), QStringLiteral("Palette 1 (changed)"));
    form_->commands().copyPalette->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             "sinepaint palette 1: red phase 0 period 20; green phase 0.7974771142005921 period "
             "26.862747; blue phase 6.084489276409149 period 62.029648");
}

void TestPalettes::aPeriodWhoseLastColumnStaysFiniteIsTaken()
{
    // The last column, 529, over 1.556e-36 is just below the largest float: taken. (530 over
    // it would overflow.)
    const PaletteLineRead read =
        readPaletteLine(QString(kFirstLine).replace("68.88153", "1.556e-36"));
    QCOMPARE(read.error, QString());
    QCOMPARE(read.palette.waves[0].period, 1.556e-36f);
}

void TestPalettes::malformedLinesChangeNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");
    auto edited = [](const char *from, const char *to) {
        return QString(kFirstLine).replace(from, to);
    };
    QTest::newRow("empty") << ""
                           << "not a palette line";
    QTest::newRow("words") << "a sunset over the sea"
                           << "not a palette line";
    QTest::newRow("a missing number") << edited(" period 26.862747", " period") << "not a palette";
    QTest::newRow("a missing channel")
        << edited("; blue phase 6.084489276409149 period 62.029648", "") << "not a palette line";
    QTest::newRow("NaN") << edited("0.7974771142005921", "nan") << "green phase nan";
    QTest::newRow("infinity") << edited("62.029648", "inf")
                              << "The blue period inf is not a finite number.";
    QTest::newRow("zero period")
        << edited("68.88153", "0")
        << "The red period 0 is too near zero: the strip would have no colours.";
    QTest::newRow("a period too near zero")
        << edited("68.88153", "1e-40")
        << "The red period 1e-40 is too near zero: the strip would have no colours.";
    QTest::newRow("a period below the smallest float")
        << edited("68.88153", "1e-300")
        << "The red period 1e-300 is too near zero: the strip would have no colours.";
    QTest::newRow("a period above the largest float")
        << edited("68.88153", "1e39")
        << "The red period 1e39 is too large: the largest is 3.4028235e+38.";
    QTest::newRow("a phase above the largest double")
        << edited("0.7974771142005921", "-1e400")
        << "The green phase -1e400 is too large: the largest is 1.7976931348623157e+308.";
    QTest::newRow("a phase below the smallest double")
        << edited("0.7974771142005921", "1e-400")
        << "The green phase 1e-400 is too near zero: write 0 for it.";
    QTest::newRow("a very long word, quoted in part")
        << edited("68.88153", QByteArray(1'000'000, '7').append('x').constData())
        << "The red period 7777777777777777777777777777777777777777… is not a finite number.";
    QTest::newRow("palette 0") << edited("palette 1:", "palette 0:") << "number 0";
    QTest::newRow("letters for a number") << edited("68.88153", "68.8x") << "red period 68.8x";
    QTest::newRow("an amplitude past 255")
        << edited("period 68.88153", "period 68.88153 amplitude 300")
        << "The red amplitude 300 is not a number from 0 to 255.";
    QTest::newRow("an offset below 0") << edited("period 62.029648", "period 62.029648 offset -1")
                                       << "The blue offset -1 is not a number from 0 to 255.";
    QTest::newRow("an amplitude of letters")
        << edited("period 26.862747", "period 26.862747 amplitude tall")
        << "The green amplitude tall is not a number";
    QTest::newRow("an offset that is no number")
        << edited("period 26.862747", "period 26.862747 offset nan")
        << "The green offset nan is not a number";
    QTest::newRow("offset before amplitude")
        << edited("period 68.88153", "period 68.88153 offset 10 amplitude 20")
        << "not a palette line";
}

void TestPalettes::malformedLinesChangeNothing()
{
    QFETCH(QString, text);
    QFETCH(QString, reason);
    form_->Command1->click();
    const QImage strip = form_->Picture2->surface().Image().copy();
    const qsizetype historyBytes = form_->history().bytes();
    QGuiApplication::clipboard()->setText(text);
    QVERIFY(!form_->pastePalette());
    auto *message = form_->findChild<QMessageBox *>();
    QVERIFY(message);
    QVERIFY2(message->text().contains(reason), qPrintable(message->text().left(300)));
    QVERIFY(message->text().size() < 500);
    QCOMPARE(form_->Picture2->surface().Image(), strip);
    QCOMPARE(stripTitle(), QStringLiteral("Palette 2"));
    QCOMPARE(form_->history().bytes(), historyBytes);
}

void TestPalettes::theGimpPaletteAndTheTextureHoldTheShownColumns()
{
    const QString gpl = folder_->filePath("first.gpl");
    QVERIFY(form_->exportPaletteTo(gpl));
    QFile file(gpl);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 3 + 525 + 1); // the last line ends with a line break
    QCOMPARE(lines[0], "GIMP Palette");
    QCOMPARE(lines[1], "Name: sinepaint palette 1");
    QCOMPARE(lines[2], "Columns: 64");
    QCOMPARE(lines[3], " 17 216 101");
    QCOMPARE(lines[8], " 22 231 111");
    QCOMPARE(lines[527], "161 251 242");
    QCOMPARE(lines[528], "");

    const QString png = folder_->filePath("first.png");
    QVERIFY(form_->exportPaletteTo(png));
    const QImage texture(png);
    QCOMPARE(texture.size(), QSize(525, 1));
    QCOMPARE(texture.pixel(0, 0), qRgb(17, 216, 101));
    QCOMPARE(texture.pixel(524, 0), qRgb(161, 251, 242));

    QVERIFY(form_->exportPaletteTo(folder_->filePath("first.txt")));
    QFile line(folder_->filePath("first.txt"));
    QVERIFY(line.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(line.readAll()), kFirstLine + '\n');

    QVERIFY(!form_->exportPaletteTo(folder_->filePath("first.doc")));
    QVERIFY(form_->findChild<QMessageBox *>());
    QVERIFY(!QFile::exists(folder_->filePath("first.doc")));

    // An ending in capitals is written as its lower-case twin.
    const std::pair<const char *, const char *> twins[] = {
        {"SUNSET.GPL", "first.gpl"}, {"x.PNG", "first.png"}, {"x.Txt", "first.txt"}};
    for (const auto &[name, twin] : twins) {
        QVERIFY2(form_->exportPaletteTo(folder_->filePath(name)), name);
        QFile written(folder_->filePath(name)), lower(folder_->filePath(twin));
        QVERIFY(written.open(QIODevice::ReadOnly) && lower.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), lower.readAll());
    }
}

void TestPalettes::aLineReadsBackToTheSameLineAndStrip_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("written"); // as the program writes it back
    QTest::addColumn<ColorValue>("column31");
    QTest::newRow("amplitude and offset in two channels")
        << "sinepaint palette 1: red phase 0.5 period 30 amplitude 60 offset 100; green phase 1 "
           "period 40; blue phase 2 period 50 amplitude 20 offset 230"
        << "sinepaint palette 1: red phase 0.5 period 30 amplitude 60 offset 100; green phase 1 "
           "period 40; blue phase 2 period 50 amplitude 20 offset 230"
        << RGB(160, 249, 240);
    QTest::newRow("an offset alone, a fraction")
        << "sinepaint palette 2: red phase 0 period 20; green phase 0 period 20 offset 0.5; "
           "blue phase 0 period 20"
        << "sinepaint palette 2: red phase 0 period 20; green phase 0 period 20 offset 0.5; "
           "blue phase 0 period 20"
        << RGB(252, 126, 252);
    QTest::newRow("126 named is not written")
        << "sinepaint palette 3: red phase 0 period 20 amplitude 126 offset 126; green phase 0 "
           "period 20; blue phase 0 period 20 amplitude 0"
        << "sinepaint palette 3: red phase 0 period 20; green phase 0 period 20; blue phase 0 "
           "period 20 amplitude 0"
        << RGB(252, 252, 126);
    QTest::newRow("a line of the last release, without them")
        << QString(kFirstLine) << QString(kFirstLine) << RGB(56, 243, 163);
}

void TestPalettes::aLineReadsBackToTheSameLineAndStrip()
{
    QFETCH(QString, line);
    QFETCH(QString, written);
    QFETCH(ColorValue, column31);
    QGuiApplication::clipboard()->setText(line);
    QVERIFY(form_->pastePalette());
    QCOMPARE(column(31), column31);
    const QImage strip = form_->Picture2->surface().Image().copy();
    form_->commands().copyPalette->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), written);
    QVERIFY(form_->goToPalette(9));
    QVERIFY(form_->pastePalette());
    QCOMPARE(form_->Picture2->surface().Image(), strip);
}

QTEST_MAIN(TestPalettes)
#include "tst_palettes.moc"
