// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestSaveToDisk : public QObject {
    Q_OBJECT

private slots:
    void init();
    void theSavedFileIsTheCanvasPixelForPixel();
    void savingTwiceLeavesOneFileWithTheLaterCanvas();
    void aSaveAfterNewImageWritesAPlainCanvasUnderTheNewName();
    void aFailedSaveIsReportedAndTheDrawingStays_data();
    void aFailedSaveIsReportedAndTheDrawingStays();
    void theButtonTellsWherePicturesGo();

private:
    void drawSomething();
    QImage savedPicture(const QString &name) const;
    QMessageBox *message() const { return form_->findChild<QMessageBox *>(); }

    std::unique_ptr<QTemporaryDir> folder_;
    QDateTime now_;
    std::unique_ptr<Form1> form_;
};

void TestSaveToDisk::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    now_ = QDateTime({2027, 3, 5}, {21, 4, 7});
    form_ = std::make_unique<Form1>([this] { return now_; }, folder_->path());
}

void TestSaveToDisk::drawSomething()
{
    form_->Command8->click();
    clickOn(form_->Picture2, 260, 5);
    QList<QPoint> path{{0, 0}};
    for (int x = 0; x <= 524; x += 6) {
        path.append({x, 436 - x * 436 / 524});
    }
    dragOn(form_->Picture1, path);
}

QImage TestSaveToDisk::savedPicture(const QString &name) const
{
    return QImage(folder_->filePath(name + QStringLiteral(".jpg")), "BMP")
        .convertToFormat(QImage::Format_RGB32);
}

void TestSaveToDisk::theSavedFileIsTheCanvasPixelForPixel()
{
    drawSomething();
    QTest::mouseClick(form_->Command6, Qt::LeftButton);
    QVERIFY(!message()); // no word on success
    QFile file(folder_->filePath(QStringLiteral("T20270305210407.jpg")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("BM"));
    const QImage saved = savedPicture(QStringLiteral("T20270305210407"));
    QCOMPARE(saved.size(), QSize(525, 437));
    QCOMPARE(saved, form_->Picture1->surface().Image());
    QCOMPARE(form_->Picture3->surface().Image(), form_->Picture1->surface().Image());
    QVERIFY(countPixels(saved, RGB(200, 200, 200)) > 0); // the help panel is in it
    QVERIFY(countPixels(saved, *form_->color) > 0);      // and the stroke
}

void TestSaveToDisk::savingTwiceLeavesOneFileWithTheLaterCanvas()
{
    form_->Command6->click();
    drawSomething();
    now_ = now_.addSecs(30); // saving does not renew the name
    form_->Command6->click();
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"T20270305210407.jpg"});
    QCOMPARE(savedPicture(QStringLiteral("T20270305210407")), form_->Picture1->surface().Image());
}

void TestSaveToDisk::aSaveAfterNewImageWritesAPlainCanvasUnderTheNewName()
{
    drawSomething();
    form_->Command6->click();
    now_ = now_.addSecs(61);
    form_->Command7->click();
    form_->Command6->click();
    const QImage plain = savedPicture(QStringLiteral("T20270305210508"));
    QCOMPARE(countPixels(plain, PictureSurface::kDefaultBackColor), 525 * 437);
    QVERIFY(savedPicture(QStringLiteral("T20270305210407")) != plain);
}

void TestSaveToDisk::aFailedSaveIsReportedAndTheDrawingStays_data()
{
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("the folder path is a regular file") << true;
    QTest::newRow("the target name is an existing directory") << false;
}

void TestSaveToDisk::aFailedSaveIsReportedAndTheDrawingStays()
{
    QFETCH(bool, folderIsAFile);
    drawSomething();
    form_->Command6->click();
    const QImage good = savedPicture(QStringLiteral("T20270305210407"));
    QVERIFY(!good.isNull());

    QString blockedPath;
    if (folderIsAFile) {
        // A window whose save folder is taken by a plain file.
        QFile blocker(folder_->filePath(QStringLiteral("taken")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        form_ = std::make_unique<Form1>([this] { return now_; }, blocker.fileName());
        drawSomething();
        blockedPath = QDir(blocker.fileName()).filePath(QStringLiteral("T20270305210407.jpg"));
    } else {
        now_ = now_.addSecs(1);
        form_->Command7->click();
        drawSomething();
        blockedPath = folder_->filePath(QStringLiteral("T20270305210408.jpg"));
        QVERIFY(QDir().mkdir(blockedPath));
    }
    const QImage canvas = form_->Picture1->surface().Image().copy();
    const QString name = form_->imeslike;
    const auto colour = form_->color;

    form_->Command6->click();
    QMessageBox *box = message();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QVERIFY2(box->text().contains(QDir::toNativeSeparators(blockedPath)), qPrintable(box->text()));
    QVERIFY(box->text().contains(QStringLiteral("Reason: ")));
    // The program goes on with its drawing and its state.
    QVERIFY(form_->isVisible());
    QCOMPARE(form_->Picture1->surface().Image(), canvas);
    QCOMPARE(form_->imeslike, name);
    QCOMPARE(form_->color, colour);
    QCOMPARE(form_->spremeni, qint16(0));
    // The earlier good picture is untouched, and nothing half-written is left about.
    QCOMPARE(savedPicture(QStringLiteral("T20270305210407")), good);
    const QStringList left =
        QDir(folder_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &entry : left) {
        QVERIFY2(entry.startsWith(QStringLiteral("T2027030521040")) || entry == "taken",
                 qPrintable(entry));
    }
    box->close();
    // Drawing goes on after the message.
    drawSomething();
}

void TestSaveToDisk::theButtonTellsWherePicturesGo()
{
    QVERIFY(form_->Command6->toolTip().contains(QDir::toNativeSeparators(folder_->path())));
}

QTEST_MAIN(TestSaveToDisk)
#include "tst_savetodisk.moc"
