// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include "picture_files/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// Saves that meet a broken file system: the window reports each failure and goes on with its
// drawing, and an earlier good picture is never damaged.
class TestSaveFaults : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aVanishedFolderIsMadeAgain();
    void aFolderThatCannotBeMadeAgainIsReported();
    void aWriteThatFailsPartWayIsReportedAndKeepsTheEarlierPicture();
    void aSaveThatFailsAtItsLastStepIsReported_data();
    void aSaveThatFailsAtItsLastStepIsReported();

private:
    void stroke(int y);
    QMessageBox *message() const { return form_->findChild<QMessageBox *>(); }
    // Checks the failure was reported and that the window goes on as it was.
    void expectReportedFailure(const QString &reasonPart);

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestSaveFaults::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
}

void TestSaveFaults::cleanup()
{
    form_.reset();
}

void TestSaveFaults::stroke(int y)
{
    clickOn(form_->Picture2, y, 5);
    QList<QPoint> path;
    for (int x = 10; x < 500; x += 7) {
        path.append({x, y});
    }
    dragOn(form_->Picture1, path);
}

void TestSaveFaults::expectReportedFailure(const QString &reasonPart)
{
    const QImage canvas = form_->Picture1->surface().Image().copy();
    const QString name = form_->imeslike;
    form_->Command6->click();
    QMessageBox *box = message();
    QVERIFY(box);
    QVERIFY2(box->text().contains(reasonPart, Qt::CaseInsensitive), qPrintable(box->text()));
    QVERIFY(form_->isVisible());
    QCOMPARE(form_->Picture1->surface().Image(), canvas);
    QCOMPARE(form_->imeslike, name);
    box->close();
    QCoreApplication::processEvents();
}

void TestSaveFaults::aVanishedFolderIsMadeAgain()
{
    const QString pictures = folder_->filePath(QStringLiteral("Pictures"));
    form_ = makeForm(pictures);
    stroke(100);
    form_->Command6->click();
    QVERIFY(QDir(pictures).removeRecursively());
    stroke(200);
    form_->Command6->click();
    QVERIFY(!message());
    const QImage saved(form_->picturePath(), "BMP");
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), form_->Picture1->surface().Image());
}

void TestSaveFaults::aFolderThatCannotBeMadeAgainIsReported()
{
    const QString parent = folder_->filePath(QStringLiteral("home"));
    form_ = makeForm(parent + QStringLiteral("/Pictures"));
    stroke(100);
    form_->Command6->click();
    QVERIFY(!message());
    // The folder goes, and a plain file takes its parent's place.
    QVERIFY(QDir(parent).removeRecursively());
    QFile blocker(parent);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    stroke(200);
    expectReportedFailure(QStringLiteral("could not be created"));
    // Once the way is clear again, the same drawing saves.
    QVERIFY(QFile::remove(parent));
    form_->Command6->click();
    QVERIFY(!message());
    const QImage saved(form_->picturePath(), "BMP");
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), form_->Picture1->surface().Image());
}

void TestSaveFaults::aWriteThatFailsPartWayIsReportedAndKeepsTheEarlierPicture()
{
    form_ = makeForm(folder_->path());
    stroke(100);
    form_->Command6->click();
    QVERIFY(!message());
    const QString path = form_->picturePath();
    const QImage good = QImage(path, "BMP").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(good, form_->Picture1->surface().Image());

    // From now on no file may grow past 100 KB, a seventh of a picture: the next save fails
    // part-way through its writing, as on a full disk. Any user may lower their own limit.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit lowered{100 * 1024, limit.rlim_max};
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &lowered), 0);
    stroke(300);
    expectReportedFailure(QStringLiteral("too large"));
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);

    QCOMPARE(QImage(path, "BMP").convertToFormat(QImage::Format_RGB32), good);
    QCOMPARE(
        QDir(folder_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList{QFileInfo(path).fileName()});
}

void TestSaveFaults::aSaveThatFailsAtItsLastStepIsReported_data()
{
    QTest::addColumn<bool>("saveAs"); // Save As instead of "save on disk D:"
    QTest::newRow("save on disk D:") << false;
    QTest::newRow("save as PNG") << true;
}

// The flush to the disk or the rename over the old file fails, as on a disk that fills up at
// the last moment: reported, no file left behind, the earlier picture as it was.
void TestSaveFaults::aSaveThatFailsAtItsLastStepIsReported()
{
    QFETCH(bool, saveAs);
    form_ = makeForm(folder_->path());
    stroke(100);
    const QString path =
        saveAs ? folder_->filePath(QStringLiteral("picture.png")) : form_->picturePath();
    auto save = [&] {
        return saveAs ? form_->savePictureAs(path, PictureFormat::Png)
                      : (form_->Command6->click(), !message());
    };
    QVERIFY(save());
    const QByteArray good = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QVERIFY(!good.isEmpty());

    setCommitStepForTesting([](QSaveFile &file) {
        file.cancelWriting();
        return false;
    });
    stroke(300);
    const bool saved = save();
    setCommitStepForTesting({});
    QVERIFY(!saved);
    QVERIFY(message());
    QVERIFY2(message()->text().contains(QStringLiteral("could not be saved")),
             qPrintable(message()->text()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), good);
    QCOMPARE(
        QDir(folder_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList{QFileInfo(path).fileName()});
}

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
