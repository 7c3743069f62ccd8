// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/bitmapwriter.h"
#include "picture_files/picturefile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr QRgb kGrey = 0xfff0f0f0;
constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kBlue = 0xff0000ff;

// A canvas-sized picture with a few pixels that tell where everything went.
QImage drawing()
{
    QImage picture(525, 437, QImage::Format_RGB32);
    picture.fill(kGrey);
    picture.setPixel(0, 0, kRed);
    picture.setPixel(524, 436, kBlue);
    picture.setPixel(300, 200, qRgb(1, 2, 3));
    return picture;
}

} // namespace

class TestPictureFile : public QObject {
    Q_OBJECT

private slots:
    void savedPicturesReopenPixelForPixel_data();
    void savedPicturesReopenPixelForPixel();
    void aJpegOpens();
    void aPictureOfThirtySixMillionPixelsOpens_data();
    void aPictureOfThirtySixMillionPixelsOpens();
    void otherSizesAreFittedAndCentred_data();
    void otherSizesAreFittedAndCentred();
    void transparentPartsShowTheBackground();
    void theFormatFollowsATypedEndingElseTheFilter_data();
    void theFormatFollowsATypedEndingElseTheFilter();
    void aPathThatCannotBeOpenedSaysWhyInLowerCase_data();
    void aPathThatCannotBeOpenedSaysWhyInLowerCase();
    void aFileOfExactlyOneGibibyteIsNotRefusedForItsSize();
};

void TestPictureFile::savedPicturesReopenPixelForPixel_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("format"); // -1: the program's own save, a bitmap named .jpg
    QTest::newRow("a saved T….jpg") << "T20270305210407.jpg" << -1;
    QTest::newRow("Save As PNG") << "picture.png" << int(PictureFormat::Png);
    QTest::newRow("Save As BMP") << "picture.bmp" << int(PictureFormat::Bmp);
}

void TestPictureFile::savedPicturesReopenPixelForPixel()
{
    QFETCH(QString, name);
    QFETCH(int, format);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    const auto failure = format < 0 ? BitmapWriter().SavePicture(drawing(), path)
                                    : writePicture(drawing(), path, PictureFormat(format));
    QCOMPARE(failure, std::nullopt);
    const PictureRead read = readPicture(path);
    QCOMPARE(read.error, QString());
    const QImage fitted = fitToCanvas(read.picture, {525, 437}, kGrey);
    QCOMPARE(fitted.convertToFormat(QImage::Format_RGB32), drawing());
}

void TestPictureFile::aJpegOpens()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("picture.jpg");
    QCOMPARE(writePicture(drawing(), path, PictureFormat::Jpeg), std::nullopt);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.left(2), QByteArray("\xff\xd8"));
    // Saved at quality 95: the first step of its first quantisation table is 2 (8 at the
    // usual 75, 16 at 50).
    const qsizetype table = bytes.indexOf("\xff\xdb");
    QVERIFY(table > 0);
    QCOMPARE(int(quint8(bytes.at(table + 5))), 2);
    const PictureRead read = readPicture(path);
    QCOMPARE(read.picture.size(), QSize(525, 437));
    // Quality 95 keeps a large flat area at its colour within a step or two.
    QVERIFY(qAbs(qRed(read.picture.pixel(400, 300)) - 240) <= 2);
}

void TestPictureFile::aPictureOfThirtySixMillionPixelsOpens_data()
{
    QTest::addColumn<int>("format");      // of the picture written, a QImage::Format
    QTest::addColumn<QByteArray>("kind"); // of file
    QTest::addColumn<int>("compression");
    // 288 MB decoded: more than Qt lets a reader allocate unless told, within the 64 million
    // pixels promised.
    QTest::newRow("PNG of 16-bit pixels") << int(QImage::Format_RGBA64) << QByteArray("png") << 0;
    // Four floats a pixel, 576 MB decoded: more than eight bytes a pixel would allow.
    QTest::newRow("TIFF of float pixels, LZW")
        << int(QImage::Format_RGBA32FPx4) << QByteArray("tiff") << 1;
}

void TestPictureFile::aPictureOfThirtySixMillionPixelsOpens()
{
    QFETCH(int, format);
    QFETCH(QByteArray, kind);
    QFETCH(int, compression);
    QImage picture(6000, 6000, QImage::Format(format));
    picture.fill(QColor(10, 20, 30));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, kind);
    writer.setQuality(0); // the smallest PNG
    writer.setCompression(compression);
    QVERIFY(writer.write(picture));
    picture = QImage();
    const PictureRead read = readPictureBytes(bytes);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.picture.size(), QSize(6000, 6000));
    QCOMPARE(read.picture.pixel(5999, 5999), qRgb(10, 20, 30));
}

void TestPictureFile::otherSizesAreFittedAndCentred_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("placed");
    QTest::newRow("wide") << QSize(1000, 400) << QRect(0, 113, 525, 210);
    QTest::newRow("tall") << QSize(400, 1000) << QRect(175, 0, 174, 437);
    QTest::newRow("small, grown") << QSize(105, 23) << QRect(0, 161, 525, 115);
    QTest::newRow("twice the canvas") << QSize(1050, 874) << QRect(0, 0, 525, 437);
    QTest::newRow("one pixel") << QSize(1, 1) << QRect(44, 0, 437, 437);
}

void TestPictureFile::otherSizesAreFittedAndCentred()
{
    QFETCH(QSize, size);
    QFETCH(QRect, placed);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kRed);
    const QImage fitted = fitToCanvas(picture, {525, 437}, kGrey);
    QCOMPARE(fitted.size(), QSize(525, 437));
    // Red exactly within the placed rectangle, the background around it.
    QRect red;
    for (int y = 0; y < 437; ++y) {
        for (int x = 0; x < 525; ++x) {
            if (fitted.pixel(x, y) == kRed) {
                red |= QRect(x, y, 1, 1);
            } else {
                QCOMPARE(fitted.pixel(x, y), kGrey);
            }
        }
    }
    QCOMPARE(red, placed);
}

void TestPictureFile::transparentPartsShowTheBackground()
{
    QImage picture(525, 437, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(10, 20, kBlue);
    const QImage fitted = fitToCanvas(picture, {525, 437}, kGrey);
    QCOMPARE(fitted.pixel(0, 0), kGrey);
    QCOMPARE(fitted.pixel(10, 20), kBlue);
    QCOMPARE(fitted.pixel(11, 20), kGrey);
}

void TestPictureFile::theFormatFollowsATypedEndingElseTheFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("error");
    QTest::newRow("no ending: the filter's")
        << "/a" << int(PictureFormat::Bmp) << "/a.bmp" << int(PictureFormat::Bmp) << "";
    QTest::newRow("typed .png under the JPEG filter")
        << "/a.png" << int(PictureFormat::Jpeg) << "/a.png" << int(PictureFormat::Png) << "";
    QTest::newRow("typed .JPEG in capitals")
        << "/a.JPEG" << int(PictureFormat::Png) << "/a.JPEG" << int(PictureFormat::Jpeg) << "";
    QTest::newRow("an ending that is no format this program writes")
        << "/out.gif" << int(PictureFormat::Png) << "/out.gif" << int(PictureFormat::Png)
        << "Pictures are saved as .png, .bmp or .jpg, not as .gif.";
    QTest::newRow("a folder that does not exist")
        << "/choen/mine.png" << int(PictureFormat::Png) << "/choen/mine.png"
        << int(PictureFormat::Png) << "The folder /choen does not exist.";
}

void TestPictureFile::theFormatFollowsATypedEndingElseTheFilter()
{
    QFETCH(QString, typed);
    QFETCH(int, chosen);
    QFETCH(QString, path);
    QFETCH(int, format);
    QFETCH(QString, error);
    const SaveTarget target = saveTarget(typed, PictureFormat(chosen));
    QCOMPARE(target.path, path);
    QCOMPARE(int(target.format), format);
    QCOMPARE(target.error, error);
}

void TestPictureFile::aPathThatCannotBeOpenedSaysWhyInLowerCase_data()
{
    QTest::addColumn<QString>("inside"); // under a regular file, or a loop of links
    QTest::addColumn<QString>("reason");
    QTest::newRow("a file taken for a folder") << "file/picture.png"
                                               << "It cannot be opened: not a directory.";
    QTest::newRow("a link to itself") << "loop"
                                      << "It cannot be opened: too many levels of symbolic links.";
}

void TestPictureFile::aPathThatCannotBeOpenedSaysWhyInLowerCase()
{
    QFETCH(QString, inside);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("loop")),
                        folder.filePath(QStringLiteral("loop"))));
    QCOMPARE(readPicture(folder.filePath(inside)).error, reason);
}

void TestPictureFile::aFileOfExactlyOneGibibyteIsNotRefusedForItsSize()
{
    QTemporaryDir folder;
    QFile sparse(folder.filePath(QStringLiteral("zeros.png"))); // takes no room on the disk
    QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(1) << 30));
    sparse.close();
    // Found to be no picture from its start alone, at once, not read whole; one byte more is
    // refused for its size (the bad-input table of the window's tests).
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(readPicture(sparse.fileName()).error,
             QStringLiteral("It is not a picture in a format this program can read."));
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
}

QTEST_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
