// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What undo and redo must bring back: the canvas, the strip and the picture name.
struct Pictures {
    QImage canvas;
    QImage strip;
    QString name;
    bool operator==(const Pictures &) const = default;
};

Pictures picturesOf(const Form1 &form)
{
    return {form.Picture1->surface().Image().copy(), form.Picture2->surface().Image().copy(),
            form.imeslike};
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT

private slots:
    void init();
    void undoAndRedoEachStep_data();
    void undoAndRedoEachStep();
    void aPickAfterUndoingAPaletteReadsTheEarlierStrip();
    void theMenusHoldTheirItemsInOrder_data();
    void theMenusHoldTheirItemsInOrder();
    void theAboutBoxesNameTheLicenceAndQt_data();
    void theAboutBoxesNameTheLicenceAndQt();
    void everyCommandIsOneActionForItsMenuItemButtonAndKey_data();
    void everyCommandIsOneActionForItsMenuItemButtonAndKey();
    void bannersShowTheirWholeCaptionInTheDefaultFamily_data();
    void bannersShowTheirWholeCaptionInTheDefaultFamily();

private:
    void press(const QKeySequence &key);

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestUndo::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeFormWithMovingClock(folder_->path());
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    clickOn(form_->Picture2, 100, 10); // a colour that shows on the grey canvas
    dragOn(form_->Picture1, {{50, 60}, {50, 60}, {70, 64}});
}

void TestUndo::press(const QKeySequence &key)
{
    QTest::keySequence(form_.get(), key);
}

void TestUndo::undoAndRedoEachStep_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QKeySequence>("redoKey");
    QTest::newRow("a stroke, redone with Ctrl+Y") << "stroke" << QKeySequence("Ctrl+Y");
    QTest::newRow("a colour replacement, redone with Ctrl+Shift+Z")
        << "replacement" << QKeySequence("Ctrl+Shift+Z");
    QTest::newRow("new image, with its picture name") << "new image" << QKeySequence("Ctrl+Y");
    QTest::newRow("help") << "help" << QKeySequence("Ctrl+Y");
    QTest::newRow("change palette") << "palette" << QKeySequence("Ctrl+Y");
}

void TestUndo::undoAndRedoEachStep()
{
    QFETCH(QString, step);
    QFETCH(QKeySequence, redoKey);
    const Pictures before = picturesOf(*form_);
    if (step == "stroke") {
        dragOn(form_->Picture1, {{300, 200}, {300, 200}, {320, 210}, {340, 190}});
    } else if (step == "replacement") {
        form_->Command4->click();
        clickOn(form_->Picture1, 200, 100); // the grey of the canvas, all but the stroke
    } else if (step == "new image") {
        form_->Command7->click();
    } else if (step == "help") {
        form_->Command8->click();
    } else {
        form_->Command1->click();
    }
    const Pictures after = picturesOf(*form_);
    QVERIFY(after != before);

    press(QKeySequence("Ctrl+Z"));
    QVERIFY(picturesOf(*form_) == before);
    press(redoKey);
    QVERIFY(picturesOf(*form_) == after);
    // The stroke made in init is the step before; a second undo takes it too.
    press(QKeySequence("Ctrl+Z"));
    press(QKeySequence("Ctrl+Z"));
    QCOMPARE(form_->Picture1->surface().Point(70, 64), PictureSurface::kDefaultBackColor);
}

void TestUndo::aPickAfterUndoingAPaletteReadsTheEarlierStrip()
{
    const ColorValue first = form_->Picture2->surface().Point(400, 10);
    form_->Command1->click();
    const ColorValue second = form_->Picture2->surface().Point(400, 10);
    QVERIFY(second != first);
    press(QKeySequence("Ctrl+Z"));
    clickOn(form_->Picture2, 400, 10);
    QCOMPARE(form_->color, std::optional<ColorValue>(first));
    // The generator ran on: redo shows the same later palette, a new click yet another.
    press(QKeySequence("Ctrl+Y"));
    QCOMPARE(form_->Picture2->surface().Point(400, 10), second);
    form_->Command1->click();
    QVERIFY(form_->Picture2->surface().Point(400, 10) != second);
}

void TestUndo::theMenusHoldTheirItemsInOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items"); // "-" for a separator
    QTest::newRow("File")
        << "&File"
        << QStringList{
               "&New image", "&Open…", "&Save on disk D:", "Save &As…", "&Export animation…",
               "-",          "&Quit"};
    QTest::newRow("Edit") << "&Edit"
                          << QStringList{"&Undo", "&Redo",         "&History",
                                         "-",     "&Copy",         "&Paste",
                                         "-",     "Change &color", "Ca&ncel change color"};
    QTest::newRow("Palette") << "&Palette"
                             << QStringList{"Palette 1",
                                            "-",
                                            "Change &palette",
                                            "&Go to palette…",
                                            "&Edit palette…",
                                            "&Browse palettes…",
                                            "&Variations…",
                                            "&Copy palette",
                                            "Pa&ste palette",
                                            "&Keep palette",
                                            "&Export palette…",
                                            "Export kep&t palettes…",
                                            "-",
                                            "&Live palette",
                                            "C&ycle colours",
                                            "Cycle spee&d…"};
    QTest::newRow("Brush") << "&Brush" << QStringList{"&Brush selection",
                                                      "&Larger brush",
                                                      "&Smaller brush",
                                                      "-",
                                                      "&Connected strokes",
                                                      "Colour &along the stroke",
                                                      "Colour s&tep…",
                                                      "&Mirror",
                                                      "-",
                                                      "Show &guides"};
    QTest::newRow("Help") << "&Help"
                          << QStringList{"&Help", "&Keys and commands", "-", "&About sinepaint",
                                         "About &Qt"};
}

void TestUndo::theMenusHoldTheirItemsInOrder()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    auto form = makeForm(folder_->path());
    QStringList menus, shown;
    for (QAction *title : form->menuBar()->actions()) {
        menus.append(title->text());
        if (title->text() == menu) {
            for (QAction *item : title->menu()->actions()) {
                shown.append(item->isSeparator() ? QStringLiteral("-") : item->text());
            }
        }
    }
    QCOMPARE(menus, (QStringList{"&File", "&Edit", "&Palette", "&Brush", "&Help"}));
    QCOMPARE(shown, items);
}

void TestUndo::theAboutBoxesNameTheLicenceAndQt_data()
{
    QTest::addColumn<bool>("ours"); // About sinepaint, else About Qt
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("says");
    QTest::newRow("About sinepaint")
        << true << "About sinepaint"
        << "Licensed under the GNU General Public License, version 3 or later "
           "(GPL-3.0-or-later).";
    QTest::newRow("About Qt") << false << "About Qt"
                              << "Qt is a C++ toolkit";
}

void TestUndo::theAboutBoxesNameTheLicenceAndQt()
{
    QFETCH(bool, ours);
    QFETCH(QString, title);
    QFETCH(QString, says);
    QString shownTitle, shownText;
    // The box waits for an answer: read it and close it once it shows. (The timer goes with
    // this function, should no box ever show.)
    QTimer closer;
    closer.setSingleShot(true);
    connect(&closer, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shownTitle = box->windowTitle();
            shownText = box->text() + box->informativeText();
            box->close();
        }
    });
    closer.start(0);
    (ours ? form_->commands().about : form_->commands().aboutQt)->trigger();
    QCOMPARE(shownTitle, title);
    QVERIFY2(shownText.contains(says), qPrintable(shownText));
    if (ours) {
        QVERIFY(shownText.contains(QStringLiteral("Runs on Qt %1.").arg(qVersion())));
    }
}

void TestUndo::everyCommandIsOneActionForItsMenuItemButtonAndKey_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("button"); // empty where the command has no button
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<bool>("pressKey"); // false for the commands that open a dialog
    auto row = [](const char *name, const char *menu, const char *item, const char *button,
                  const char *key, bool pressKey) {
        QTest::newRow(name) << menu << item << button << QKeySequence(key) << pressKey;
    };
    row("new image", "&File", "&New image", "new image", "Ctrl+N", true);
    row("open", "&File", "&Open…", "", "Ctrl+O", false);
    row("save", "&File", "&Save on disk D:", "save on disk D:", "Ctrl+S", true);
    row("save as", "&File", "Save &As…", "", "Ctrl+Shift+S", false);
    row("export animation", "&File", "&Export animation…", "", "Ctrl+Shift+E", false);
    row("quit", "&File", "&Quit", "exit", "Ctrl+Q", true);
    row("undo", "&Edit", "&Undo", "", "Ctrl+Z", true);
    row("redo", "&Edit", "&Redo", "", "Ctrl+Shift+Z", true);
    row("copy", "&Edit", "&Copy", "", "Ctrl+C", true);
    row("paste", "&Edit", "&Paste", "", "Ctrl+V", true);
    row("change color", "&Edit", "Change &color", "change color", "Ctrl+R", true);
    row("change palette", "&Palette", "Change &palette", "change palette", "Ctrl+G", true);
    row("go to palette", "&Palette", "&Go to palette…", "", "Ctrl+Shift+G", false);
    row("edit palette", "&Palette", "&Edit palette…", "", "Ctrl+Shift+P", false);
    row("browse palettes", "&Palette", "&Browse palettes…", "", "Ctrl+Shift+B", false);
    row("copy palette", "&Palette", "&Copy palette", "", "Ctrl+Shift+C", true);
    row("paste palette", "&Palette", "Pa&ste palette", "", "Ctrl+Shift+V", true);
    row("export palette", "&Palette", "&Export palette…", "", "Ctrl+E", false);
    row("live palette", "&Palette", "&Live palette", "", "Ctrl+Shift+L", true);
    row("cycle colours", "&Palette", "C&ycle colours", "", "Ctrl+Shift+Y", true);
    row("brush selection", "&Brush", "&Brush selection", "brush selection", "Ctrl+B", true);
    row("larger brush", "&Brush", "&Larger brush", "", "]", true);
    row("smaller brush", "&Brush", "&Smaller brush", "", "[", true);
    row("connected strokes", "&Brush", "&Connected strokes", "", "Ctrl+L", true);
    row("colour along the stroke", "&Brush", "Colour &along the stroke", "", "Ctrl+Shift+A", true);
    row("help", "&Help", "&Help", "help", "F1", true);
}

void TestUndo::everyCommandIsOneActionForItsMenuItemButtonAndKey()
{
    QFETCH(QString, menu);
    QFETCH(QString, item);
    QFETCH(QString, button);
    QFETCH(QKeySequence, key);
    QFETCH(bool, pressKey);
    QAction *action = nullptr;
    for (QAction *title : form_->menuBar()->actions()) {
        if (title->text() == menu) {
            for (QAction *candidate : title->menu()->actions()) {
                // Undo and Redo name their step after them.
                const bool named =
                    candidate->text() == item || ((item == "&Undo" || item == "&Redo") &&
                                                  candidate->text().startsWith(item + ' '));
                action = named ? candidate : action;
            }
        }
    }
    QVERIFY(action);
    QCOMPARE(action->shortcut(), key);
    QSignalSpy triggers(action, &QAction::triggered);
    if (!button.isEmpty()) {
        QPushButton *target = nullptr;
        for (QPushButton *candidate : form_->findChildren<QPushButton *>()) {
            target = candidate->text() == button ? candidate : target;
        }
        QVERIFY(target);
        QVERIFY2(target->toolTip().endsWith(" (" + key.toString(QKeySequence::NativeText) + ")"),
                 qPrintable(target->toolTip()));
        target->click();
        QCOMPARE(triggers.size(), 1);
        form_->show(); // "exit" closed the window
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    if (action == form_->commands().redo) {
        QVERIFY(!action->isEnabled()); // nothing undone yet
        press(QKeySequence("Ctrl+Z"));
        QVERIFY(action->isEnabled());
    }
    if (pressKey) {
        triggers.clear();
        press(key);
        QCOMPARE(triggers.size(), 1);
    }
}

void TestUndo::bannersShowTheirWholeCaptionInTheDefaultFamily_data()
{
    QTest::addColumn<qreal>("points"); // the application font's size; 0: as it is
    QTest::newRow("the default font") << 0.0;
    QTest::newRow("10 pt") << 10.0;
    QTest::newRow("12 pt") << 12.0;
    QTest::newRow("14 pt") << 14.0;
}

void TestUndo::bannersShowTheirWholeCaptionInTheDefaultFamily()
{
    QFETCH(qreal, points);
    const QFont usual = QApplication::font();
    if (points > 0) {
        QFont larger = usual;
        larger.setPointSizeF(points);
        QApplication::setFont(larger);
    }
    auto form = makeForm(folder_->path());
    QApplication::setFont(usual);
    const QFont font = points > 0 ? [&] {
        QFont set = usual;
        set.setPointSizeF(points);
        return set;
    }()
                                  : usual;
    for (QPushButton *banner : {form->Command5, form->Command9}) {
        QCOMPARE(banner->font().family(), font.family());
        QVERIFY(banner->font().pointSizeF() <= font.pointSizeF());
        // The caption, with the margins the style gives it, within the 529 pixels.
        QVERIFY2(banner->sizeHint().width() <= 529, qPrintable(banner->text()));
        // The largest such size: half a point more would not fit.
        if (banner->font().pointSizeF() < font.pointSizeF()) {
            QFont larger = banner->font();
            larger.setPointSizeF(larger.pointSizeF() + 0.5);
            QPushButton probe(banner->text());
            probe.setFont(larger);
            QVERIFY(probe.sizeHint().width() > 529);
        }
    }
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
