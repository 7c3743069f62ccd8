// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every input that fuzzing ever found to crash, hang or leak a reader, read again: a picture or
// a reason, and nothing else (under the sanitizers, nothing undefined either).
#include "palette/paletteline.h"
#include "palette/picturerecipe.h"
#include "picture_files/picturefile.h"

#include <QDir>
#include <QtTest>

class TestFuzzRegressions : public QObject {
    Q_OBJECT

private slots:
    void everyFindingIsReadOrRefused_data();
    void everyFindingIsReadOrRefused();
};

void TestFuzzRegressions::everyFindingIsReadOrRefused_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("path");
    const QString folder = QFINDTESTDATA("fuzz/regressions");
    QVERIFY(!folder.isEmpty());
    int found = 0;
    for (const char *reader : {"picture", "palette", "recipe"}) {
        const QDir inputs(folder + u'/' + QLatin1String(reader));
        for (const QString &name : inputs.entryList(QDir::Files)) {
            QTest::newRow(qPrintable(QLatin1String(reader) + u'/' + name))
                << QString::fromLatin1(reader) << inputs.filePath(name);
            ++found;
        }
    }
    QVERIFY(found >= 4);
}

void TestFuzzRegressions::everyFindingIsReadOrRefused()
{
    QFETCH(QString, reader);
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (reader == "palette") {
        const PaletteLineRead read = readPaletteLine(QString::fromUtf8(bytes));
        QVERIFY(read.error.size() < 400);
        return;
    }
    if (reader == "recipe") { // a PNG to its end chunk, then a recipe for it
        const qsizetype end = bytes.indexOf("IEND") + 8;
        const PictureRead picture = readPictureBytes(bytes.left(end));
        QCOMPARE(picture.error, QString());
        const RecipeRead read =
            decodeRecipe(bytes.mid(end), picture.picture.convertToFormat(QImage::Format_RGB32));
        QVERIFY(read.columns.isNull() != read.error.isEmpty());
        // The saves the program made are taken, with the palette they were saved with.
        if (path.endsWith(QLatin1String("saved-stroke"))) {
            QCOMPARE(read.palette.number, 5u);
        } else if (path.endsWith(QLatin1String("saved-kaleidoscope"))) {
            QCOMPARE(read.palette.number, 1u);
        }
        return;
    }
    for (const PictureRead &read : {readPictureBytes(bytes), readPicture(path)}) {
        QVERIFY2(read.picture.isNull() != read.error.isEmpty(), qPrintable(read.error));
    }
}

QTEST_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
