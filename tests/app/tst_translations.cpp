// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/translations.h"
#include "dialogs/keyswindow.h"
#include "main_window/form1.h"
#include "main_window/statusline.h"
#include "palette_dialogs/paletteeditor.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <functional>

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void theGermanWindowSpeaksGerman();
    void germanDialogsAndQtsOwnButtons();
    void eachGermanMenusKeysAreItsOwn();
    void theGermanHelpPanelKeepsItsTextInside();
    void theCLocaleKeepsEveryEnglishText();
    void everyTranslationIsFinished_data();
    void everyTranslationIsFinished();

private:
    std::unique_ptr<Form1> germanForm();
    QList<QTranslator *> translators_;
    QTemporaryDir folder_;
};

void TestTranslations::cleanup()
{
    qDeleteAll(translators_); // the texts go back to English
    translators_.clear();
}

std::unique_ptr<Form1> TestTranslations::germanForm()
{
    translators_ = installTranslations(QLocale(QLocale::German, QLocale::Germany));
    return makeForm(folder_.path());
}

// The menu bar's titles, each menu's items (its submenus' after it) and the buttons' captions.
QStringList menuTitles(const Form1 &form)
{
    QStringList titles;
    for (const QAction *title : form.menuBar()->actions()) {
        titles.append(title->text());
    }
    return titles;
}

void TestTranslations::theGermanWindowSpeaksGerman()
{
    const auto form = germanForm();
    QCOMPARE(translators_.size(), 2); // the program's and Qt's
    QCOMPARE(menuTitles(*form),
             (QStringList{"&Datei", "&Bearbeiten", "&Palette", "Pi&nsel", "&Hilfe"}));
    QCOMPARE(form->Command7->text(), QStringLiteral("neues Bild"));
    QCOMPARE(form->Command2->text(), QStringLiteral("Pinselauswahl"));
    QCOMPARE(form->Command3->text(), QStringLiteral("Ende"));
    QCOMPARE(form->Command9->text(),
             QStringLiteral("GENERATIVE KUNST VON DEN SINEPAINT-ENTWICKLERN"));
    QCOMPARE(form->commands().newImage->text(), QStringLiteral("&Neues Bild"));
    QStringList submenus;
    for (const QAction *item : form->menuBar()->actions().at(3)->menu()->actions()) {
        if (item->menu()) {
            submenus.append(item->text());
        }
    }
    QCOMPARE(submenus, QStringList{"&Spiegeln"});
    // Qt's own words: the key names.
    QCOMPARE(form->Command1->toolTip(),
             QStringLiteral("Eine neue Zufallspalette auf den Streifen legen (Strg+G)"));
    form->Command4->click();
    QCOMPARE(form->statusLine()->currentMessage(),
             QStringLiteral("Farbe ersetzen: Ihr nächster Klick auf die Leinwand färbt jedes Pixel "
                            "der angeklickten Farbe in die Malfarbe um. Escape bricht ab."));
    form->commands().cancelChangeColor->trigger();
    dragOn(form->Picture1, {{100, 100}, {120, 100}});
    QCOMPARE(form->commands().undo->text(), QStringLiteral("&Rückgängig: Pinselstrich"));
    form->commands().undo->trigger();
    QCOMPARE(form->commands().redo->text(), QStringLiteral("&Wiederholen: Pinselstrich"));
}

void TestTranslations::germanDialogsAndQtsOwnButtons()
{
    const auto form = germanForm();
    KeysWindow keys(form->keysRows(), form.get());
    QCOMPARE(keys.windowTitle(), QStringLiteral("Tasten und Befehle"));
    const KeysRow next = form->keysRows().at(37);
    QCOMPARE(next.menu, QStringLiteral("Pinsel → Spiegeln"));
    QCOMPARE(next.command, QStringLiteral("Nächster Spiegel"));
    QCOMPARE(next.keys, QStringLiteral("Strg+M"));
    QCOMPARE(next.does, QStringLiteral("Zum nächsten Spiegel weiterschalten, im Kreis."));

    form->commands().editPalette->trigger();
    PaletteEditor *editor = form->findChild<PaletteEditor *>();
    QVERIFY(editor && editor->isVisible());
    QStringList seen{editor->windowTitle()};
    for (const QPushButton *button :
         editor->findChild<QDialogButtonBox *>()->findChildren<QPushButton *>()) {
        seen << button->text();
    }
    editor->reject();
    // The dialog buttons' words are Qt's own.
    QCOMPARE(seen, (QStringList{"Palette bearbeiten", "OK", "Abbrechen", "Zurücksetzen"}));
}

void TestTranslations::eachGermanMenusKeysAreItsOwn()
{
    // (The English menus share three letters, C in Edit, E in Palette and N in Mirror, and keep
    // them, as they have always been.)
    const auto form = germanForm();
    // Alt and a letter: the letter after "&" in each title, and in each item of an open menu.
    const auto clashes = [](const QList<QAction *> &items) {
        QStringList taken;
        QStringList clashing;
        for (const QAction *item : items) {
            const QRegularExpressionMatch key =
                QRegularExpression(QStringLiteral("&([^&])")).match(item->text());
            if (!key.hasMatch()) {
                continue;
            }
            const QString letter = key.captured(1).toLower();
            if (taken.contains(letter)) {
                clashing.append(item->text());
            }
            taken.append(letter);
        }
        return clashing;
    };
    QCOMPARE(clashes(form->menuBar()->actions()), QStringList());
    std::function<void(QMenu *)> walk = [&](QMenu *menu) {
        QVERIFY2(clashes(menu->actions()).isEmpty(),
                 qPrintable(clashes(menu->actions()).join(u',')));
        for (QAction *item : menu->actions()) {
            if (item->menu()) {
                walk(item->menu());
            }
        }
    };
    for (QAction *title : form->menuBar()->actions()) {
        walk(title->menu());
    }
}

void TestTranslations::theGermanHelpPanelKeepsItsTextInside()
{
    const auto form = germanForm();
    form->Command8->click();
    // The panel is x 20..430, y 20..150, light grey; its text, black, starts at x 30. Right of
    // it the canvas stays as it was, and the panel holds German text.
    const QImage canvas = form->Picture1->surface().Image();
    int outside = 0;
    int inside = 0;
    for (int y = 20; y <= 150; ++y) {
        for (int x = 20; x < canvas.width(); ++x) {
            const bool text = canvas.pixel(x, y) == qRgb(0, 0, 0);
            (x > 430 ? outside : inside) += text ? 1 : 0;
        }
    }
    QCOMPARE(outside, 0);
    QVERIFY(inside > 1000);
}

void TestTranslations::theCLocaleKeepsEveryEnglishText()
{
    translators_ = installTranslations(QLocale::c());
    QCOMPARE(translators_.size(), 0);
    const auto form = makeForm(folder_.path());
    QCOMPARE(menuTitles(*form), (QStringList{"&File", "&Edit", "&Palette", "&Brush", "&Help"}));
    QStringList rows;
    for (const KeysRow &row : form->keysRows()) {
        rows.append(row.menu + u'|' + row.command + u'|' + row.keys);
    }
    QCOMPARE(rows, (QStringList{
                       "File|New image|Ctrl+N",
                       "File|Open|Ctrl+O",
                       "File|Save on disk D:|Ctrl+S",
                       "File|Save As|Ctrl+Shift+S",
                       "File|Export animation|Ctrl+Shift+E",
                       "File|Quit|Ctrl+Q",
                       "Edit|Undo|Ctrl+Z",
                       "Edit|Redo|Ctrl+Shift+Z, Ctrl+Y, Alt+Shift+Backspace",
                       "Edit|Copy|Ctrl+C",
                       "Edit|Paste|Ctrl+V",
                       "Edit|Change color|Ctrl+R",
                       "Edit|Cancel change color|Esc",
                       "Palette|Change palette|Ctrl+G",
                       "Palette|Go to palette|Ctrl+Shift+G",
                       "Palette|Edit palette|Ctrl+Shift+P",
                       "Palette|Browse palettes|Ctrl+Shift+B",
                       "Palette|Variations|Ctrl+Shift+J",
                       "Palette|Copy palette|Ctrl+Shift+C",
                       "Palette|Paste palette|Ctrl+Shift+V",
                       "Palette|Keep palette|Ctrl+K",
                       "Palette|Export palette|Ctrl+E",
                       "Palette|Export kept palettes|",
                       "Palette|Live palette|Ctrl+Shift+L",
                       "Palette|Cycle colours|Ctrl+Shift+Y",
                       "Palette|Cycle speed|",
                       "Brush|Brush selection|Ctrl+B",
                       "Brush|Larger brush|]",
                       "Brush|Smaller brush|[",
                       "Brush|Connected strokes|Ctrl+L",
                       "Brush|Colour along the stroke|Ctrl+Shift+A",
                       "Brush|Colour step|",
                       "Brush → Mirror|None|",
                       "Brush → Mirror|Left and right|",
                       "Brush → Mirror|Top and bottom|",
                       "Brush → Mirror|Four ways|",
                       "Brush → Mirror|Kaleidoscope 6|",
                       "Brush → Mirror|Kaleidoscope 8|",
                       "Brush → Mirror|Next mirror|Ctrl+M",
                       "Brush|Show guides|",
                       "Help|Help|F1",
                       "Help|Keys and commands|Ctrl+F1",
                       "Help|About sinepaint|",
                       "Help|About Qt|",
                   }));
    QStringList buttons;
    for (const QPushButton *button :
         {form->Command5, form->Command9, form->Command7, form->Command1, form->Command4,
          form->Command2, form->Command6, form->Command8, form->Command3}) {
        buttons.append(button->text());
    }
    QCOMPARE(buttons,
             (QStringList{
                 "FREEHAND - PICK UP A COLOR FROM PALETTE AND DRAW IMAGE USING MOUSEDOWN ACTION",
                 "GENERATIVE ART BY THE SINEPAINT DEVELOPERS", "new image", "change palette",
                 "change color", "brush selection", "save on disk D:", "help", "exit"}));
    QCOMPARE(form->Command1->toolTip(),
             QStringLiteral("Draw a new random palette on the strip (Ctrl+G)"));
}

void TestTranslations::everyTranslationIsFinished_data()
{
    QTest::addColumn<QString>("path");
    const QDir folder(QStringLiteral(SINEPAINT_TRANSLATIONS_DIR));
    const QStringList files = folder.entryList({QStringLiteral("*.ts")}, QDir::Files);
    QVERIFY(files.contains(QStringLiteral("sinepaint_de.ts")));
    for (const QString &file : files) {
        QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }
}

// What a message's text holds that its translation must hold as well: its placeholders, in
// any order, its keyboard accelerator ("&" and a letter), and its spaces and line breaks at
// either end.
QString kept(const QString &text)
{
    QStringList placeholders;
    for (const auto &match : QRegularExpression(QStringLiteral("%\\d+")).globalMatch(text)) {
        placeholders.append(match.captured());
    }
    placeholders.sort();
    const qsizetype start = text.indexOf(QRegularExpression(QStringLiteral("\\S")));
    const qsizetype end = text.lastIndexOf(QRegularExpression(QStringLiteral("\\S")));
    return QStringLiteral("placeholders %1; %2 accelerator(s); starts %3; ends %4")
        .arg(placeholders.join(u' '),
             QString::number(text.count(QRegularExpression(QStringLiteral("&[^& ]")))),
             QString::fromLatin1(text.left(start).toUtf8().toHex()),
             QString::fromLatin1(text.mid(end + 1).toUtf8().toHex()));
}

void TestTranslations::everyTranslationIsFinished()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    QString source;
    int messages = 0;
    QStringList faults;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (ts.name() == QLatin1String("source")) {
            source = ts.readElementText();
        } else if (ts.name() == QLatin1String("translation")) {
            ++messages;
            const QString type = ts.attributes().value(QLatin1String("type")).toString();
            const QString translation = ts.readElementText();
            if (!type.isEmpty()) {
                faults.append(QStringLiteral("%1: %2").arg(type, source));
            } else if (translation.isEmpty()) {
                faults.append(QStringLiteral("empty: %1").arg(source));
            } else if (kept(translation) != kept(source)) {
                faults.append(QStringLiteral("%1 (%2) but %3 (%4)")
                                  .arg(source, kept(source), translation, kept(translation)));
            }
        }
    }
    QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
    QVERIFY(messages > 300);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
