// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/animationfile.h"
#include "picture_files/atomicfile.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <webp/demux.h>

namespace {

// A frame of 6 x 4 pixels of one colour, its red the frame's number times 40.
QImage frameOf(int k)
{
    QImage frame(6, 4, QImage::Format_RGB32);
    frame.fill(qRgb(40 * k, 100, 200));
    return frame;
}

// The frames of an animated WebP and the time each starts at, decoded by libwebp's demuxer.
struct Decoded {
    QList<QImage> frames;
    QList<int> starts;
};
Decoded decode(const QByteArray &bytes)
{
    Decoded decoded;
    WebPData data{reinterpret_cast<const uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_BGRA; // as QImage's ARGB32 lies in memory
    WebPAnimDecoder *decoder = WebPAnimDecoderNew(&data, &options);
    if (!decoder) {
        return decoded;
    }
    WebPAnimInfo info;
    WebPAnimDecoderGetInfo(decoder, &info);
    uint8_t *pixels = nullptr;
    int start = 0;
    while (WebPAnimDecoderHasMoreFrames(decoder) &&
           WebPAnimDecoderGetNext(decoder, &pixels, &start)) {
        decoded.frames.append(
            QImage(pixels, int(info.canvas_width), int(info.canvas_height), QImage::Format_ARGB32)
                .convertToFormat(QImage::Format_RGB32));
        decoded.starts.append(start);
    }
    WebPAnimDecoderDelete(decoder);
    return decoded;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestAnimationFile : public QObject {
    Q_OBJECT

private slots:
    void aWebPHoldsEveryFrameLosslessly();
    void aFolderTakesNumberedFrames();
    void aTargetIsAWebPOrAFolder_data();
    void aTargetIsAWebPOrAFolder();
    void aCancelledOrFailedExportLeavesNothing_data();
    void aCancelledOrFailedExportLeavesNothing();
};

void TestAnimationFile::aWebPHoldsEveryFrameLosslessly()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("cycle.webp"));
    QCOMPARE(writeAnimation(path, 5, 133, frameOf, [](int) { return true; }), std::nullopt);
    const Decoded decoded = decode(contentOf(path));
    QCOMPARE(decoded.frames.size(), 5);
    QCOMPARE(decoded.starts, (QList<int>{133, 266, 399, 532, 665})); // each frame's end
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(decoded.frames[k], frameOf(k));
    }
}

void TestAnimationFile::aFolderTakesNumberedFrames()
{
    QTemporaryDir folder;
    QCOMPARE(writeAnimation(folder.path(), 3, 100, frameOf, [](int) { return true; }),
             std::nullopt);
    QCOMPARE(QDir(folder.path())
                 .entryList(QDir::Files | QDir::Hidden | QDir::AllDirs | QDir::NoDotAndDotDot),
             (QStringList{"frame-0000.png", "frame-0001.png", "frame-0002.png"}));
    QCOMPARE(QImage(folder.filePath(QStringLiteral("frame-0002.png")))
                 .convertToFormat(QImage::Format_RGB32),
             frameOf(2));
}

void TestAnimationFile::aTargetIsAWebPOrAFolder_data()
{
    QTest::addColumn<QString>("name"); // in a temporary folder; "." is the folder itself
    QTest::addColumn<QString>("problem");
    QTest::newRow("a .webp file") << "cycle.webp" << QString();
    QTest::newRow("in capitals") << "CYCLE.WEBP" << QString();
    QTest::newRow("the folder") << "." << QString();
    QTest::newRow("a GIF") << "cycle.gif"
                           << "An animation is written as a .webp file or into a folder, not as "
                              ".gif.";
    QTest::newRow("no ending, no folder")
        << "cycle"
        << "An animation is written as a .webp file or into a folder, not as a file without an "
           "ending.";
    QTest::newRow("a folder that does not exist") << "gone/cycle.webp"
                                                  << "The folder %1/gone does not exist.";
}

void TestAnimationFile::aTargetIsAWebPOrAFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, problem);
    QTemporaryDir folder;
    const auto found = animationTargetProblem(QDir(folder.path()).filePath(name));
    QCOMPARE(found.value_or(QString()), problem.replace(QStringLiteral("%1"), folder.path()));
}

void TestAnimationFile::aCancelledOrFailedExportLeavesNothing_data()
{
    QTest::addColumn<QString>("name"); // "." for the folder
    QTest::addColumn<QString>("how");  // cancel before frame 2, at the end, or fail
    QTest::addColumn<QString>("reason");
    QTest::newRow("a WebP cancelled before frame 2") << "cycle.webp"
                                                     << "cancel 2"
                                                     << "The export was cancelled.";
    QTest::newRow("a WebP cancelled once encoded") << "cycle.webp"
                                                   << "cancel 4"
                                                   << "The export was cancelled.";
    QTest::newRow("frames cancelled before frame 2") << "."
                                                     << "cancel 2"
                                                     << "The export was cancelled.";
    QTest::newRow("frames cancelled once written") << "."
                                                   << "cancel 4"
                                                   << "The export was cancelled.";
    QTest::newRow("a WebP whose last step fails") << "cycle.webp"
                                                  << "fail"
                                                  << "The finished file could not be put in place.";
    QTest::newRow("frames, one of whose names is taken by a folder")
        << "."
        << "fail"
        << "Frame 1 could not be put in place.";
}

void TestAnimationFile::aCancelledOrFailedExportLeavesNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, how);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QDir here(folder.path());
    if (how == "fail" && name == ".") {
        QVERIFY(here.mkdir(QStringLiteral("frame-0001.png")));
    } else if (how == "fail") {
        setCommitStepForTesting([](QSaveFile &) { return false; });
    }
    const int stopAt = how.startsWith("cancel") ? how.mid(7).toInt() : -1;
    const auto failure = writeAnimation(here.filePath(name), 4, 100, frameOf,
                                        [stopAt](int k) { return k != stopAt; });
    setCommitStepForTesting({});
    QCOMPARE(failure.value_or(QString()), reason);
    QStringList left =
        here.entryList(QDir::Files | QDir::Hidden | QDir::AllDirs | QDir::NoDotAndDotDot);
    left.removeAll(QStringLiteral("frame-0001.png")); // the folder the test put there
    QCOMPARE(left, QStringList());
}

QTEST_MAIN(TestAnimationFile)
#include "tst_animationfile.moc"
