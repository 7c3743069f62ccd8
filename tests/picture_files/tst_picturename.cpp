// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"
#include "picture_files/picturename.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>

class TestPictureName : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void namesAreTAndTheZeroPaddedDateAndTime_data();
    void namesAreTAndTheZeroPaddedDateAndTime();
    void startUpNamesThePictureAfterItsMoment();
    void newImageClearsTheCanvasAndRenamesItOnly();
    void twoNewImagesInOneSecondGiveTheSameName();
};

// The whole test runs in a time zone 5 h 45 min east of universal time, where a name made from
// the universal clock would be plainly wrong. (A POSIX zone: no time-zone database needed.)
void TestPictureName::initTestCase()
{
    qputenv("TZ", "XST-5:45");
    tzset();
}

void TestPictureName::namesAreTAndTheZeroPaddedDateAndTime_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("name");
    QTest::newRow("an evening") << QDateTime({2027, 3, 5}, {21, 4, 7}) << "T20270305210407";
    QTest::newRow("afternoon hours on the 24-hour clock")
        << QDateTime({2026, 12, 8}, {15, 15, 9}) << "T20261208151509";
    QTest::newRow("single-digit fields are zero-padded")
        << QDateTime({2027, 2, 1}, {0, 0, 5}) << "T20270201000005";
    QTest::newRow("the last second of the year")
        << QDateTime({2026, 12, 31}, {23, 59, 59}) << "T20261231235959";
    QTest::newRow("noon") << QDateTime({2030, 10, 10}, {12, 0, 0}) << "T20301010120000";
}

void TestPictureName::namesAreTAndTheZeroPaddedDateAndTime()
{
    QFETCH(QDateTime, moment);
    QFETCH(QString, name);
    QCOMPARE(pictureName(moment), name);
}

void TestPictureName::startUpNamesThePictureAfterItsMoment()
{
    QTemporaryDir folder;
    auto form = makeForm(folder.path(), QDateTime({2027, 1, 2}, {3, 4, 5}));
    QCOMPARE(form->imeslike, QStringLiteral("T20270102030405"));
    QCOMPARE(form->picturePath(), folder.filePath(QStringLiteral("T20270102030405.jpg")));

    // With the real clock the name is that of the moment of start-up on the local clock.
    auto local = [](const QDateTime &universal) {
        return pictureName(
            QDateTime(universal.date(), universal.time()).addSecs(5 * 3600 + 45 * 60));
    };
    const QDateTime before = QDateTime::currentDateTimeUtc();
    Form1 real(&localNow, folder.path());
    const QDateTime after = QDateTime::currentDateTimeUtc();
    QVERIFY2(real.imeslike == local(before) || real.imeslike == local(after),
             qPrintable(real.imeslike + " at " + before.toString(Qt::ISODate)));
}

void TestPictureName::newImageClearsTheCanvasAndRenamesItOnly()
{
    QTemporaryDir folder;
    QDateTime now({2027, 3, 5}, {21, 4, 7});
    Form1 form([&] { return now; }, folder.path());
    clickOn(form.Picture2, 100, 10);
    form.Command2->click();
    form.Command8->click();
    PictureBox *canvas = form.Picture1;
    dragOn(canvas, {{300, 300}, {300, 300}});
    form.Command4->click();
    const QImage strip = form.Picture2->surface().Image().copy();
    const auto colour = form.color;

    now = now.addSecs(3600 * 5 + 1);
    form.Command7->click();
    QCOMPARE(form.imeslike, QStringLiteral("T20270306020408"));
    QCOMPARE(countPixels(canvas->surface().Image(), PictureSurface::kDefaultBackColor), 525 * 437);
    QCOMPARE(form.Picture2->surface().Image(), strip);
    QCOMPARE(form.color, colour);
    QCOMPARE(form.mera, qint16(3));
    QCOMPARE(form.spremeni, qint16(1));
}

void TestPictureName::twoNewImagesInOneSecondGiveTheSameName()
{
    QTemporaryDir folder;
    QDateTime now({2027, 3, 5}, {21, 4, 7, 100});
    Form1 form([&] { return now; }, folder.path());
    form.Command7->click();
    const QString first = form.imeslike;
    now = now.addMSecs(800);
    form.Command7->click();
    QCOMPARE(form.imeslike, first);
}

QTEST_MAIN(TestPictureName)
#include "tst_picturename.moc"
