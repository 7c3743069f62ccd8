// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/history.h"
#include "main_window/form1.h"
#include "main_window/statusline.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Pictures that come into the window and go out of it: open, drop, paste, copy, save as, and a
// colour picked from the canvas.
class TestPictureExchange : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void anOpenedPictureIsOneUndoableStepUnderANewName();
    void aFileThatCannotBeReadChangesNothing_data();
    void aFileThatCannotBeReadChangesNothing();
    void aDroppedFileOpens();
    void copyPutsTheCanvasOnTheClipboard();
    void pasteTakesAPictureAndTellsOfText();
    void saveAsWritesTheChosenFormatAndAFailureKeepsTheDrawing();
    void theSaveAsDialogSavesWhenAnsweredAndNotWhenCancelled_data();
    void theSaveAsDialogSavesWhenAnsweredAndNotWhenCancelled();
    void aRightPressPicksFromTheCanvasUnlessAReplacementIsArmed();

private:
    QString write(const QString &name, const QByteArray &content);
    QMessageBox *message() const { return form_->findChild<QMessageBox *>(); }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
    int socket_ = -1; // a socket a row listens on
};

void TestPictureExchange::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeFormWithMovingClock(folder_->path());
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    clickOn(form_->Picture2, 100, 10); // RGB(247, 243, 141)... a colour of the first palette
    dragOn(form_->Picture1, {{50, 60}, {50, 60}, {70, 64}});
}

void TestPictureExchange::cleanup()
{
    if (socket_ >= 0) {
        ::close(socket_);
        socket_ = -1;
    }
    form_.reset();
    QGuiApplication::clipboard()->clear();
}

QString TestPictureExchange::write(const QString &name, const QByteArray &content)
{
    QFile file(folder_->filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        return {};
    }
    return file.fileName();
}

void TestPictureExchange::anOpenedPictureIsOneUndoableStepUnderANewName()
{
    QImage picture(525, 437, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    picture.setPixel(524, 436, qRgb(200, 100, 0));
    const QString path = folder_->filePath("T20270305210407.png");
    QVERIFY(picture.save(path));
    const QImage before = form_->Picture1->surface().Image().copy();

    QVERIFY(form_->openPicture(path));
    QCOMPARE(form_->Picture1->surface().Image(), picture);
    QCOMPARE(form_->imeslike, QStringLiteral("T20270305210408"));
    QVERIFY(!message());

    form_->commands().undo->trigger();
    QCOMPARE(form_->Picture1->surface().Image(), before);
    QCOMPARE(form_->imeslike, QStringLiteral("T20270305210407"));
    form_->commands().redo->trigger();
    QCOMPARE(form_->Picture1->surface().Point(524, 436), RGB(200, 100, 0));
}

void TestPictureExchange::aFileThatCannotBeReadChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>(
        "via"); // a file, a named pipe, a folder, a sparse file, or the clipboard
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QImage picture(525, 437, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    auto encoded = [](const QImage &image, const char *format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    };
    const QByteArray png = encoded(picture, "PNG"), jpeg = encoded(picture, "JPEG");
    const QByteArray bmp = encoded(picture, "BMP");
    QImage mono(525, 437, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(1); // every byte written, the padding of each row too
    const QByteArray bmp1 = encoded(mono, "BMP"), xbm = encoded(mono, "XBM");
    // A GIF of 2 x 2 pixels, its last two bytes the end of its data and the trailer.
    const QByteArray gif = QByteArray::fromHex("4749463839610200020080000000000000ffffff2c00000000"
                                               "020002000002028444003b");
    // A JPEG's headers up to its scan, and the end marker.
    const QByteArray headersOnly = jpeg.left(jpeg.indexOf("\xff\xda")) + "\xff\xd9";
    // A BMP of 2 x 2 pixels whose pixel data would start past the end of the file.
    QByteArray pastTheEnd = encoded(picture.copy(0, 0, 2, 2), "BMP");
    pastTheEnd[10] = char(0x40);
    // A PNG whose header claims 100000 x 100000 pixels, its checksums right, with a little
    // image data and its end.
    const QByteArray huge = QByteArray::fromHex(
        "89504e470d0a1a0a0000000d49484452000186a0000186a0080200000027309c9f0000000b4944415478"
        "9c63604005000010000139bd8f650000000049454e44ae426082");
    const QString incomplete = QStringLiteral("The picture is incomplete: its end is missing.");
    const QString shortData =
        QStringLiteral("The picture is incomplete: its pixel data ends before the picture does.");
    const QString notAPicture =
        QStringLiteral("It is not a picture in a format this program can read.");
    auto row = [](const char *name, const char *via, const QByteArray &content,
                  const QString &reason) {
        QTest::newRow(name) << QString::fromLatin1(name) << via << content << reason;
    };
    row("empty.png", "file", {}, "The file is empty.");
    row("notes.png", "file", "shopping: milk, bread\n", notAPicture);
    row("cut.png", "file", png.left(png.size() / 2), incomplete);
    row("cut.jpg", "file", jpeg.left(jpeg.size() / 2), incomplete);
    row("cut.bmp", "file", bmp.left(bmp.size() / 2), shortData);
    row("cut-1-bit.bmp", "file", bmp1.left(bmp1.size() / 2), shortData);
    row("past-the-end.bmp", "file", pastTheEnd, shortData);
    row("cut.gif", "file", gif.left(gif.size() / 2), incomplete);
    row("cut-before-trailer.gif", "file", gif.chopped(1), incomplete);
    row("cut.xbm", "file", xbm.left(xbm.size() / 2), notAPicture); // XBM is no longer read
    row("headers.jpg", "file", headersOnly, "The picture is incomplete: it holds no picture data.");
    // One-picture icons and cursors cut in their pixel data: their only (and so last)
    // directory entry is checked.
    QByteArray ico = encoded(picture.copy(0, 0, 32, 32), "ICO");
    QByteArray cur = ico;
    cur[2] = 2; // the same directory as a cursor's
    // A JPEG whose EXIF thumbnail, a whole small JPEG with its own scan and end, comes before
    // a main picture cut off halfway.
    const QByteArray thumbnail = encoded(picture.copy(0, 0, 16, 16), "JPEG");
    QByteArray exif = QByteArray("Exif\0\0", 6) + thumbnail;
    QByteArray withThumbnail = QByteArray::fromHex("ffd8ffe1");
    withThumbnail += char((exif.size() + 2) >> 8);
    withThumbnail += char((exif.size() + 2) & 0xff);
    withThumbnail += exif + jpeg.mid(2, jpeg.size() / 2);
    row("thumbnail-then-cut.jpg", "file", withThumbnail, incomplete);
    const QByteArray webp = encoded(picture.copy(0, 0, 40, 30), "WEBP");
    row("last-bytes-cut.webp", "file", webp.chopped(3), incomplete);
    row("cut.ico", "file", ico.left(ico.size() - 40), shortData);
    row("cut.cur", "file", cur.left(cur.size() - 40), shortData);
    row("the clipboard", "clipboard", jpeg.left(jpeg.size() / 2), incomplete);
    row("pipe.png", "fifo", {}, "It is a named pipe, not a picture file.");
    row("folder.png", "folder", {}, "It is a folder, not a picture file.");
    row("socket.png", "socket", {}, "It is a socket, not a picture file.");
    row("/proc/self/status", "system", {},
        "It is a file of the system's process information (under /proc), not a picture file.");
    row("/proc/self/mem", "system", {},
        "It is a file of the system's process information (under /proc), not a picture file.");
    row("/dev/zero", "system", {}, "It is a device, not a picture file.");
    row("sparse.png", "sparse", {},
        "The file is 8,589,934,592 bytes; picture files of up to 1 GiB (1,073,741,824 bytes) can "
        "be opened.");
    row("one-byte-too-many.png", "sparse 1 GiB + 1", {},
        "The file is 1,073,741,825 bytes; picture files of up to 1 GiB (1,073,741,824 bytes) can "
        "be opened.");
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i) {
        noise[i] = char((i * 7919 + 13) % 251);
    }
    row("noise.bmp", "file", noise, notAPicture);
    row("huge.png", "file", huge,
        "The picture is 100000 × 100000 pixels; pictures of up to 64 million pixels can be "
        "opened.");
    // The largest size opened, 64 Mi pixels, is let through to the reading (which then finds
    // the data damaged); one row more is refused for its size.
    row("largest.png", "file",
        QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200002000000020000802000000fdc85d0e"
                            "0000000b49444154789c63604005000010000139bd8f650000000049454e44ae"
                            "426082"),
        "The picture is damaged and cannot be read.");
    row("larger.png", "file",
        QByteArray::fromHex("89504e470d0a1a0a0000000d494844520000200000002001080200000036948eab"
                            "0000000b49444154789c63604005000010000139bd8f650000000049454e44ae"
                            "426082"),
        "The picture is 8192 × 8193 pixels; pictures of up to 64 million pixels can be opened.");
}

void TestPictureExchange::aFileThatCannotBeReadChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, via);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString path = via == "file"     ? write(name, content)
                         : via == "system" ? name
                                           : folder_->filePath(name);
    if (via == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (via == "folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (via == "socket") { // a Unix socket a program listens on
        const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray native = QFile::encodeName(path);
        QVERIFY(native.size() < qsizetype(sizeof address.sun_path));
        std::memcpy(address.sun_path, native.constData(), std::size_t(native.size()));
        QCOMPARE(::bind(listening, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        socket_ = listening;
    } else if (via.startsWith("sparse")) { // 8 GiB, or 1 GiB and a byte, that take no room
        QFile sparse(path);
        QVERIFY(sparse.open(QIODevice::WriteOnly) &&
                sparse.resize(via == "sparse" ? qint64(8) << 30 : (qint64(1) << 30) + 1));
    }
    const QImage canvas = form_->Picture1->surface().Image().copy();
    const qsizetype historyBytes = form_->history().bytes();

    QElapsedTimer clock;
    clock.start();
    if (via == "clipboard") {
        auto *data = new QMimeData;
        data->setData("image/jpeg", content);
        QGuiApplication::clipboard()->setMimeData(data);
        QVERIFY(!form_->pastePicture());
    } else {
        QVERIFY(!form_->openPicture(path));
    }
    QVERIFY(clock.elapsed() < 5000); // nothing waits on a pipe
    QVERIFY(message());
    QVERIFY2(message()->text().contains(name), qPrintable(message()->text()));
    QVERIFY2(message()->text().endsWith("\n\n" + reason), qPrintable(message()->text()));
    QCOMPARE(form_->Picture1->surface().Image(), canvas);
    QCOMPARE(form_->imeslike, QStringLiteral("T20270305210407"));
    QCOMPARE(form_->history().bytes(), historyBytes);
    form_->commands().undo->trigger(); // the stroke before is still the last step
    QCOMPARE(form_->Picture1->surface().Point(70, 64), PictureSurface::kDefaultBackColor);
}

void TestPictureExchange::aDroppedFileOpens()
{
    QImage picture(1000, 400, QImage::Format_RGB32);
    picture.fill(qRgb(0, 128, 255));
    const QString path = folder_->filePath("wide.png");
    QVERIFY(picture.save(path));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPointF at = form_->Picture1->mapTo(form_.get(), QPointF(50, 50));
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form_.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form_.get(), &drop);
    QVERIFY(drop.isAccepted());
    // 1000 x 400 comes in as 525 x 210 from row 113, grey above and below.
    const PictureSurface &canvas = form_->Picture1->surface();
    QCOMPARE(canvas.Point(0, 113), RGB(0, 128, 255));
    QCOMPARE(canvas.Point(524, 322), RGB(0, 128, 255));
    QCOMPARE(canvas.Point(0, 112), PictureSurface::kDefaultBackColor);
    QCOMPARE(canvas.Point(524, 323), PictureSurface::kDefaultBackColor);

    // Image data dropped from another program comes in the same way.
    QImage dragged(525, 437, QImage::Format_RGB32);
    dragged.fill(qRgb(4, 5, 6));
    QMimeData image;
    image.setImageData(dragged);
    QDragEnterEvent imageEnter(at.toPoint(), Qt::CopyAction, &image, Qt::LeftButton,
                               Qt::NoModifier);
    QApplication::sendEvent(form_.get(), &imageEnter);
    QVERIFY(imageEnter.isAccepted());
    QDropEvent imageDrop(at, Qt::CopyAction, &image, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form_.get(), &imageDrop);
    QVERIFY(imageDrop.isAccepted());
    QCOMPARE(canvas.Image(), dragged);

    QMimeData text;
    text.setText("not a picture");
    QDragEnterEvent refused(at.toPoint(), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form_.get(), &refused);
    QVERIFY(!refused.isAccepted());
}

void TestPictureExchange::copyPutsTheCanvasOnTheClipboard()
{
    form_->commands().copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
             form_->Picture1->surface().Image());
}

void TestPictureExchange::pasteTakesAPictureAndTellsOfText()
{
    QImage picture(525, 437, QImage::Format_RGB32);
    picture.fill(qRgb(9, 8, 7));
    QGuiApplication::clipboard()->setImage(picture);
    form_->commands().paste->trigger();
    QCOMPARE(form_->Picture1->surface().Image(), picture);
    QCOMPARE(form_->imeslike, QStringLiteral("T20270305210408"));

    QGuiApplication::clipboard()->setText("hello");
    form_->commands().paste->trigger();
    QCOMPARE(form_->Picture1->surface().Image(), picture);
    QCOMPARE(form_->imeslike, QStringLiteral("T20270305210408"));
    QCOMPARE(form_->statusLine()->currentMessage(),
             QStringLiteral("The clipboard holds text, not a picture."));

    // A picture file copied in a file manager comes in as an opened file.
    QImage copied(525, 437, QImage::Format_RGB32);
    copied.fill(qRgb(1, 2, 3));
    QVERIFY(copied.save(folder_->filePath("copied.png")));
    auto *file = new QMimeData;
    file->setUrls({QUrl::fromLocalFile(folder_->filePath("copied.png"))});
    QGuiApplication::clipboard()->setMimeData(file);
    QVERIFY(form_->pastePicture());
    QCOMPARE(form_->Picture1->surface().Image(), copied);

    QGuiApplication::clipboard()->clear();
    QVERIFY(!form_->pastePicture());
    QVERIFY(!message());
}

void TestPictureExchange::saveAsWritesTheChosenFormatAndAFailureKeepsTheDrawing()
{
    const QImage canvas = form_->Picture1->surface().Image().copy();
    QVERIFY(form_->savePictureAs(folder_->filePath("a"), PictureFormat::Png));
    QCOMPARE(QImage(folder_->filePath("a.png"), "PNG"), canvas);
    QVERIFY(form_->savePictureAs(folder_->filePath("b.bmp"), PictureFormat::Png));
    QCOMPARE(QImage(folder_->filePath("b.bmp"), "BMP").convertToFormat(QImage::Format_RGB32),
             canvas);
    QCOMPARE(form_->imeslike, QStringLiteral("T20270305210407")); // the name stays

    // Into a "folder" that is a file: reported, nothing written, the drawing stays.
    const QString blocker = write("blocker", "x");
    QVERIFY(!form_->savePictureAs(blocker + "/c.png", PictureFormat::Png));
    QVERIFY(message());
    QVERIFY2(message()->text().contains("c.png"), qPrintable(message()->text()));
    QVERIFY(!QFile::exists(blocker + "/c.png"));
    QCOMPARE(form_->Picture1->surface().Image(), canvas);

    // A mistyped folder is refused, not made.
    delete message();
    QVERIFY(!form_->savePictureAs(folder_->filePath("choen/mine.png"), PictureFormat::Png));
    QVERIFY2(message()->text().contains("does not exist"), qPrintable(message()->text()));
    QVERIFY(!QFileInfo::exists(folder_->filePath("choen")));
}

void TestPictureExchange::theSaveAsDialogSavesWhenAnsweredAndNotWhenCancelled_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("filter"); // chosen in the dialog; none: the one it offers
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QByteArray>("start"); // of the file saved
    QTest::newRow("a name typed without an ending")
        << true << QString() << QStringList{"typed.png"} << QByteArray("\x89PNG");
    QTest::newRow("a name typed without an ending, BMP chosen")
        << true << QStringLiteral("BMP picture (*.bmp)") << QStringList{"typed.bmp"}
        << QByteArray("BM");
    QTest::newRow("a name typed without an ending, JPEG chosen")
        << true << QStringLiteral("JPEG picture (*.jpg *.jpeg)") << QStringList{"typed.jpg"}
        << QByteArray("\xff\xd8");
    QTest::newRow("cancelled") << false << QString() << QStringList{} << QByteArray();
}

void TestPictureExchange::theSaveAsDialogSavesWhenAnsweredAndNotWhenCancelled()
{
    QFETCH(bool, answer);
    QFETCH(QString, filter);
    QFETCH(QStringList, files);
    QFETCH(QByteArray, start);
    QString offered;
    // The dialog waits for an answer: give it once it shows. (The timer goes with this
    // function, should no dialog ever show.)
    QTimer answerer;
    answerer.setSingleShot(true);
    connect(&answerer, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        offered = dialog->selectedFiles().value(0);
        if (!filter.isEmpty()) { // as a choice in the dialog's list of types
            dialog->selectNameFilter(filter);
            emit dialog->filterSelected(filter);
        }
        if (answer) {
            dialog->selectFile(QStringLiteral("typed"));
            static_cast<QDialog *>(dialog)->accept(); // as the Save button does
        } else {
            dialog->reject();
        }
    });
    answerer.start(0);
    form_->commands().saveAs->trigger();
    // It opens in the pictures folder, offering the picture's name as a PNG.
    QCOMPARE(offered, folder_->filePath("T20270305210407.png"));
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), files);
    if (!files.isEmpty()) {
        QFile saved(folder_->filePath(files.constFirst()));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.read(start.size()), start);
    }
}

void TestPictureExchange::aRightPressPicksFromTheCanvasUnlessAReplacementIsArmed()
{
    const ColorValue stroke = form_->Picture1->surface().Point(70, 64);
    clickOn(form_->Picture2, 400, 10);
    const ColorValue strip = *form_->color;
    QVERIFY(strip != stroke);
    const QImage before = form_->Picture1->surface().Image().copy();
    clickOn(form_->Picture1, 70, 64, Qt::RightButton);
    QCOMPARE(form_->color, std::optional<ColorValue>(stroke));
    QCOMPARE(form_->Picture1->surface().Image(), before); // a right press paints nothing
    clickOn(form_->Picture1, 300, 300, Qt::RightButton);
    QCOMPARE(form_->color, std::optional<ColorValue>(PictureSurface::kDefaultBackColor));

    // Armed, a right press replaces: the grey takes the colour picked last.
    clickOn(form_->Picture1, 70, 64, Qt::RightButton);
    form_->Command4->click();
    clickOn(form_->Picture1, 300, 300, Qt::RightButton);
    QCOMPARE(form_->spremeni, qint16(0));
    QCOMPARE(form_->Picture1->surface().Point(0, 0), stroke);
}

QTEST_MAIN(TestPictureExchange)
#include "tst_pictureexchange.moc"
