// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/bitmapfile.h"
#include "picture_files/bitmapwriter.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

quint32 read32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 read16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// An image whose every pixel differs, in every channel, from its neighbours.
QImage patterned(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb((x * 7 + y) & 0xff, (y * 13 + x * 3) & 0xff, (x ^ y) & 0xff));
        }
    }
    return image;
}

} // namespace

class TestBitmapFile : public QObject {
    Q_OBJECT

private slots:
    void theHeaderDescribesAnUncompressedBottomUpBitmap_data();
    void theHeaderDescribesAnUncompressedBottomUpBitmap();
    void everyWidthReadsBackPixelForPixel();
    void theBottomRowComesFirstInBlueGreenRedOrder();
    void savedPicturesReadBackPixelForPixel();
    void savingReplacesAnEarlierFileOfTheSameName();
    void failuresAreReportedAndLeaveNothingBehind_data();
    void failuresAreReportedAndLeaveNothingBehind();
    void missingFoldersAreCreated();
    void picturesGoToThePicturesFolderWhereThereAreNoDriveLetters();
};

void TestBitmapFile::theHeaderDescribesAnUncompressedBottomUpBitmap_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<quint32>("fileBytes");
    QTest::addColumn<quint32>("pixelBytes");
    QTest::newRow("the canvas: 1575 bytes a row, padded to 1576")
        << 525 << 437 << 688766u << 688712u;
    QTest::newRow("rows that need no padding") << 4 << 3 << 90u << 36u;
    QTest::newRow("one pixel, padded to 4 bytes") << 1 << 1 << 58u << 4u;
    QTest::newRow("13 wide: four at a time, then single pixels") << 13 << 5 << 254u << 200u;
}

void TestBitmapFile::theHeaderDescribesAnUncompressedBottomUpBitmap()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(quint32, fileBytes);
    QFETCH(quint32, pixelBytes);
    const QByteArray file = encodeBitmap(patterned(width, height));
    QCOMPARE(file.left(2), QByteArray("BM"));
    QCOMPARE(quint32(file.size()), fileBytes);
    QCOMPARE(read32(file, 2), fileBytes);
    QCOMPARE(read32(file, 6), 0u);   // reserved
    QCOMPARE(read32(file, 10), 54u); // pixels follow the two headers
    QCOMPARE(read32(file, 14), 40u); // BITMAPINFOHEADER
    QCOMPARE(read32(file, 18), quint32(width));
    QCOMPARE(read32(file, 22), quint32(height)); // positive: bottom row first
    QCOMPARE(read16(file, 26), quint16(1));      // planes
    QCOMPARE(read16(file, 28), quint16(24));     // bits a pixel
    QCOMPARE(read32(file, 30), 0u);              // uncompressed
    QCOMPARE(read32(file, 34), pixelBytes);
    QCOMPARE(read32(file, 38), 3780u); // 96 dots an inch, across
    QCOMPARE(read32(file, 42), 3780u); // and down
    QCOMPARE(read32(file, 46), 0u);    // no colour table
    QCOMPARE(read32(file, 50), 0u);    // every colour counts
}

void TestBitmapFile::everyWidthReadsBackPixelForPixel()
{
    for (int width = 1; width <= 24; ++width) {
        const QImage picture = patterned(width, 3);
        QImage read;
        QVERIFY(read.loadFromData(encodeBitmap(picture), "BMP"));
        QCOMPARE(read.convertToFormat(QImage::Format_RGB32), picture);
    }
}

void TestBitmapFile::theBottomRowComesFirstInBlueGreenRedOrder()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(1, 0, qRgb(4, 5, 6));
    image.setPixel(0, 1, qRgb(7, 8, 9));
    image.setPixel(1, 1, qRgb(10, 11, 12));
    const QByteArray pixels = encodeBitmap(image).mid(54);
    QCOMPARE(pixels, QByteArray("\x09\x08\x07\x0c\x0b\x0a\0\0\x03\x02\x01\x06\x05\x04\0\0", 16));
}

void TestBitmapFile::savedPicturesReadBackPixelForPixel()
{
    QTemporaryDir folder;
    const QImage picture = patterned(525, 437);
    const QString path = folder.filePath(QStringLiteral("T20270305210407.jpg"));
    QCOMPARE(BitmapWriter().SavePicture(picture, path), std::nullopt);
    QImage read(path, "BMP");
    QCOMPARE(read.size(), picture.size());
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), picture);
}

void TestBitmapFile::savingReplacesAnEarlierFileOfTheSameName()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("T1.jpg"));
    QImage first(10, 10, QImage::Format_RGB32);
    first.fill(qRgb(1, 1, 1));
    QCOMPARE(BitmapWriter().SavePicture(first, path), std::nullopt);
    QCOMPARE(BitmapWriter().SavePicture(patterned(10, 10), path), std::nullopt);
    QCOMPARE(QImage(path, "BMP").convertToFormat(QImage::Format_RGB32), patterned(10, 10));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"T1.jpg"});
}

void TestBitmapFile::failuresAreReportedAndLeaveNothingBehind_data()
{
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("the folder path is a regular file") << true;
    QTest::newRow("the target name is a directory") << false;
}

void TestBitmapFile::failuresAreReportedAndLeaveNothingBehind()
{
    QFETCH(bool, folderIsAFile);
    QTemporaryDir folder;
    QString path;
    if (folderIsAFile) {
        QFile blocker(folder.filePath(QStringLiteral("pictures")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        path = folder.filePath(QStringLiteral("pictures/T1.jpg"));
    } else {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("T1.jpg")));
        path = folder.filePath(QStringLiteral("T1.jpg"));
    }
    const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
    const auto failure = BitmapWriter().SavePicture(patterned(5, 5), path);
    QVERIFY(failure.has_value());
    QVERIFY(!failure->isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

void TestBitmapFile::missingFoldersAreCreated()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("new/deeper/T1.jpg"));
    QCOMPARE(BitmapWriter().SavePicture(patterned(3, 3), path), std::nullopt);
    QVERIFY(QFile::exists(path));
}

void TestBitmapFile::picturesGoToThePicturesFolderWhereThereAreNoDriveLetters()
{
    // The tests run with a home folder of their own.
    QCOMPARE(defaultSaveFolder(), QDir::home().filePath(QStringLiteral("Pictures")));
    QCOMPARE(picturePath(QStringLiteral("/some/where"), QStringLiteral("T20270305210407")),
             QStringLiteral("/some/where/T20270305210407.jpg"));
}

QTEST_MAIN(TestBitmapFile)
#include "tst_bitmapfile.moc"
