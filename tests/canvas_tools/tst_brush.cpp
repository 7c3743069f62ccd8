// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/brush.h"
#include "main_window/form1.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr ColorValue kBackground = PictureSurface::kDefaultBackColor;
constexpr ColorValue kBlack = RGB(0, 0, 0);
} // namespace

class TestBrush : public QObject {
    Q_OBJECT

private slots:
    void init();
    void brushSelectionCyclesTwoToTen_data();
    void brushSelectionCyclesTwoToTen();
    void movesWithoutTheLeftButtonAloneLeaveNoMark_data();
    void movesWithoutTheLeftButtonAloneLeaveNoMark();
    void beforeAnyPickADragPaintsBlackDiscsOfRadiusTwo();
    void aDragPaintsOneDiscPerMoveInThePickedColour();
    void modifierKeysMakeNoDifference_data();
    void modifierKeysMakeNoDifference();
    void aPressAloneLeavesNoMark();
    void aDiscOverTheEdgeIsClipped_data();
    void aDiscOverTheEdgeIsClipped();
    void eightClicksShowTenAndTheNinthTwo();
    void theIndicatorCoversTheEarlierNumber();
    void paintingWorksWhileReplacementIsArmed();
    void aStampRepaintsOnlyItsSquare();

private:
    // Presses the left button at canvas pixel `from`, moves through `path`, releases.
    void drag(QPoint from, const QList<QPoint> &path);

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestBrush::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeForm(folder_->path());
}

void TestBrush::drag(QPoint from, const QList<QPoint> &path)
{
    dragOn(form_->Picture1, QList<QPoint>{from} + path);
}

void TestBrush::brushSelectionCyclesTwoToTen_data()
{
    QTest::addColumn<QKeySequence>("key"); // Ctrl+B is "brush selection"
    QTest::addColumn<int>("radius");
    QTest::addColumn<int>("next");
    QTest::newRow("2 to 3") << QKeySequence("Ctrl+B") << 2 << 3;
    QTest::newRow("9 to 10") << QKeySequence("Ctrl+B") << 9 << 10;
    QTest::newRow("10 back to 2, never 11") << QKeySequence("Ctrl+B") << 10 << 2;
    QTest::newRow("] grows 2 to 3") << QKeySequence("]") << 2 << 3;
    QTest::newRow("] grows 9 to 10") << QKeySequence("]") << 9 << 10;
    QTest::newRow("] keeps 10") << QKeySequence("]") << 10 << 10;
    QTest::newRow("[ shrinks 10 to 9") << QKeySequence("[") << 10 << 9;
    QTest::newRow("[ shrinks 3 to 2") << QKeySequence("[") << 3 << 2;
    QTest::newRow("[ keeps 2") << QKeySequence("[") << 2 << 2;
}

void TestBrush::brushSelectionCyclesTwoToTen()
{
    QFETCH(QKeySequence, key);
    QFETCH(int, radius);
    QFETCH(int, next);
    form_->mera = qint16(radius);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QTest::keySequence(form_.get(), key);
    QCOMPARE(form_->mera, qint16(next));
    // The indicator shows the new radius (its pictures are checked literally below).
    PictureSurface shows(QSize(831, 641));
    drawBrushSizeIndicator(shows, next);
    QCOMPARE(form_->windowSurface().Image().copy(800, 417, 31, 16),
             shows.Image().copy(800, 417, 31, 16));
    // A disc of the new radius holds its literal count of pixels.
    const int discPixels[] = {0, 0, 13, 29, 49, 81, 113, 149, 197, 253, 317};
    sendMouse(form_->Picture1, QEvent::MouseMove, boxPoint(form_->Picture1, 200, 200), Qt::NoButton,
              Qt::LeftButton);
    QCOMPARE(countPixels(form_->Picture1->surface().Image(), kBlack), discPixels[next]);
}

void TestBrush::movesWithoutTheLeftButtonAloneLeaveNoMark_data()
{
    QTest::addColumn<Qt::MouseButtons>("buttons");
    QTest::newRow("no button") << Qt::MouseButtons();
    QTest::newRow("right button") << Qt::MouseButtons(Qt::RightButton);
    QTest::newRow("middle button") << Qt::MouseButtons(Qt::MiddleButton);
    QTest::newRow("left and right together") << (Qt::LeftButton | Qt::RightButton);
}

void TestBrush::movesWithoutTheLeftButtonAloneLeaveNoMark()
{
    QFETCH(Qt::MouseButtons, buttons);
    PictureBox *canvas = form_->Picture1;
    const QImage before = canvas->surface().Image().copy();
    for (int x = 50; x < 300; x += 10) {
        sendMouse(canvas, QEvent::MouseMove, boxPoint(canvas, x, 100), Qt::NoButton, buttons);
    }
    QCOMPARE(canvas->surface().Image(), before);
    // The fill is set solid by every move all the same.
    QCOMPARE(canvas->surface().FillStyle, PictureSurface::kFillSolid);
}

void TestBrush::beforeAnyPickADragPaintsBlackDiscsOfRadiusTwo()
{
    drag({100, 100}, {{100, 100}, {120, 100}});
    const QImage &canvas = form_->Picture1->surface().Image();
    QCOMPARE(countPixels(canvas, kBlack), 2 * 13); // two discs of radius 2, 13 pixels each
    QCOMPARE(form_->Picture1->surface().Point(120, 98), kBlack);
    QCOMPARE(form_->Picture1->surface().Point(120, 97), kBackground);
}

void TestBrush::aDragPaintsOneDiscPerMoveInThePickedColour()
{
    clickOn(form_->Picture2, 300, 10);
    const ColorValue picked = *form_->color;
    form_->Command2->click(); // radius 3
    form_->Command2->click(); // radius 4
    const QList<QPoint> centres{{60, 60}, {90, 60}, {90, 200}, {524, 436}};
    drag({10, 10}, centres);
    const PictureSurface &canvas = form_->Picture1->surface();
    for (int y = 0; y < 437; ++y) {
        for (int x = 0; x < 525; ++x) {
            bool inside = false;
            for (const QPoint &c : centres) {
                inside = inside || insideDisc(x, y, c.x(), c.y(), 4);
            }
            const ColorValue expected = inside ? picked : kBackground;
            if (canvas.Point(float(x), float(y)) != expected) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is wrong").arg(x).arg(y)));
            }
        }
    }
}

void TestBrush::modifierKeysMakeNoDifference_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Alt") << Qt::KeyboardModifiers(Qt::AltModifier);
}

void TestBrush::modifierKeysMakeNoDifference()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    PictureBox *canvas = form_->Picture1;
    sendMouse(canvas, QEvent::MouseMove, boxPoint(canvas, 40, 40), Qt::NoButton, Qt::LeftButton,
              modifiers);
    QCOMPARE(countPixels(canvas->surface().Image(), kBlack), 13);
    QCOMPARE(canvas->surface().Point(40, 40), kBlack);
}

void TestBrush::aPressAloneLeavesNoMark()
{
    const QImage before = form_->Picture1->surface().Image().copy();
    drag({200, 200}, {});
    QCOMPARE(form_->Picture1->surface().Image(), before);
}

void TestBrush::aDiscOverTheEdgeIsClipped_data()
{
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QRect>("painted");
    // A disc of radius 2 holds 13 pixels; what lies past an edge is cut off.
    QTest::newRow("left edge") << QPoint(-1, 200) << 4 << QRect(0, 199, 2, 3);
    QTest::newRow("right edge") << QPoint(525, 200) << 4 << QRect(523, 199, 2, 3);
    QTest::newRow("top edge") << QPoint(200, -1) << 4 << QRect(199, 0, 3, 2);
    QTest::newRow("bottom edge") << QPoint(200, 437) << 4 << QRect(199, 435, 3, 2);
    QTest::newRow("top left corner") << QPoint(-1, -1) << 1 << QRect(0, 0, 1, 1);
    QTest::newRow("top right corner") << QPoint(525, -1) << 1 << QRect(524, 0, 1, 1);
    QTest::newRow("bottom left corner") << QPoint(-1, 437) << 1 << QRect(0, 436, 1, 1);
    QTest::newRow("bottom right corner") << QPoint(525, 437) << 1 << QRect(524, 436, 1, 1);
    QTest::newRow("on the last column, over the top")
        << QPoint(524, -1) << 3 << QRect(523, 0, 2, 2);
    QTest::newRow("two outside, its tip reaches in") << QPoint(-2, 100) << 1 << QRect(0, 100, 1, 1);
    QTest::newRow("three below, out of reach") << QPoint(100, 439) << 0 << QRect();
}

void TestBrush::aDiscOverTheEdgeIsClipped()
{
    QFETCH(QPoint, centre);
    QFETCH(int, pixels);
    QFETCH(QRect, painted);
    PictureBox *canvas = form_->Picture1;
    // With the button held the canvas follows the pointer past its edge.
    dragOn(canvas, {{100, 100}, centre});
    const QImage &image = canvas->surface().Image();
    QRect found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            found |= image.pixel(x, y) == toQRgb(kBlack) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    QCOMPARE(countPixels(image, kBlack), pixels);
    QCOMPARE(found, painted);
}

void TestBrush::eightClicksShowTenAndTheNinthTwo()
{
    for (int click = 0; click < 8; ++click) {
        QTest::mouseClick(form_->Command2, Qt::LeftButton);
    }
    QCOMPARE(form_->mera, qint16(10));
    QTest::mouseClick(form_->Command2, Qt::LeftButton);
    QCOMPARE(form_->mera, qint16(2));
    sendMouse(form_->Picture1, QEvent::MouseMove, boxPoint(form_->Picture1, 50, 50), Qt::NoButton,
              Qt::LeftButton);
    QCOMPARE(countPixels(form_->Picture1->surface().Image(), kBlack), 13);
}

void TestBrush::theIndicatorCoversTheEarlierNumber()
{
    // What the user sees: a grey box over x 800..830 and y 417..432 of the black window, with
    // only the number, printed from (805, 418), on it.
    auto freshIndicator = [](const char *number) {
        PictureSurface window(QSize(831, 641));
        window.edit([](QImage &image) {
            image.fill(toQRgb(kBlack));
            QPainter(&image).fillRect(QRect(QPoint(800, 417), QPoint(830, 432)),
                                      toQColor(RGB(200, 200, 200)));
            return image.rect();
        });
        window.CurrentX = 805;
        window.CurrentY = 418;
        window.Print(QString::fromLatin1(number));
        return window.Image().copy(799, 416, 33, 18);
    };
    const QImage shows2 = freshIndicator("2");
    const QImage shows10 = freshIndicator("10");
    QVERIFY(shows2 != shows10);
    auto shown = [&] { return form_->windowSurface().Image().copy(799, 416, 33, 18); };
    QCOMPARE(shown(), shows2); // from start-up on
    for (int click = 0; click < 8; ++click) {
        form_->Command2->click();
    }
    QCOMPARE(shown(), shows10);
    form_->Command2->click();
    // Nothing of the 10 is left inside the box: it was repainted before the 2.
    QCOMPARE(shown(), shows2);
    QVERIFY(countPixels(shows2, PictureSurface::kDefaultForeColor) > 5);
}

void TestBrush::paintingWorksWhileReplacementIsArmed()
{
    form_->Command4->click();
    sendMouse(form_->Picture1, QEvent::MouseMove, boxPoint(form_->Picture1, 70, 70), Qt::NoButton,
              Qt::LeftButton);
    QCOMPARE(countPixels(form_->Picture1->surface().Image(), kBlack), 13);
    QCOMPARE(form_->spremeni, qint16(1));
}

// Notes the region of every paint event the watched widget receives.
class PaintWatcher : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }
};

void TestBrush::aStampRepaintsOnlyItsSquare()
{
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    PaintWatcher watcher;
    form_->Picture1->installEventFilter(&watcher);
    form_->commands().showGuides->trigger(); // the outline repaints its own ring besides
    form_->Command2->click();                // radius 3
    QCoreApplication::processEvents();
    watcher.painted = QRegion();
    sendMouse(form_->Picture1, QEvent::MouseMove, boxPoint(form_->Picture1, 200, 100), Qt::NoButton,
              Qt::LeftButton);
    QTRY_VERIFY(!watcher.painted.isEmpty());
    // The disc's square, x 197..203 and y 97..103, and one pixel round it, in the box's own
    // coordinates (inside its 2-pixel border).
    QCOMPARE(watcher.painted.boundingRect(), QRect(198, 98, 9, 9));

    // With the guides shown, the outline around the disc too: its light line x 296..304, its
    // dark one x 295..305, and one pixel round them.
    form_->commands().showGuides->trigger();
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(form_->Picture1, &leave);
    QCoreApplication::processEvents();
    watcher.painted = QRegion();
    sendMouse(form_->Picture1, QEvent::MouseMove, boxPoint(form_->Picture1, 300, 100), Qt::NoButton,
              Qt::LeftButton);
    QTRY_VERIFY(!watcher.painted.isEmpty());
    QCOMPARE(watcher.painted.boundingRect(), QRect(296, 96, 13, 13));
}

QTEST_MAIN(TestBrush)
#include "tst_brush.moc"
