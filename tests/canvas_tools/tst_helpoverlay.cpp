// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr ColorValue kBackground = PictureSurface::kDefaultBackColor;
constexpr ColorValue kPanel = RGB(200, 200, 200);
constexpr ColorValue kText = PictureSurface::kDefaultForeColor;
} // namespace

class TestHelpOverlay : public QObject {
    Q_OBJECT

private slots:
    void init();
    void theCanvasShowsExactlyThePanelAndTheSevenRows();
    void aSecondClickPaintsTheSame();
    void strokesPaintOverThePanelAndNewImageClearsIt();
    void helpLeavesTheStateAlone();

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Form1> form_;
};

void TestHelpOverlay::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    form_ = makeForm(folder_->path());
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QTest::mouseClick(form_->Command8, Qt::LeftButton);
}

void TestHelpOverlay::theCanvasShowsExactlyThePanelAndTheSevenRows()
{
    // What the user reads: a grey panel from (20, 20) to (430, 150), and the seven rows at x 30.
    PictureSurface expected(QSize(525, 437));
    expected.edit([](QImage &image) {
        image.fill(toQRgb(kBackground));
        QPainter(&image).fillRect(QRect(QPoint(20, 20), QPoint(430, 150)), toQColor(kPanel));
        return image.rect();
    });
    const std::pair<float, const char *> rows[] = {
        {40, "COMMAND BUTTONS"},
        {55, "new image: clear the canvas and prepare picture name"},
        {70, "change palette: select new random generated palette"},
        {85, "change color: click the button, pick up the color form palete, click on image"},
        {100, "brush selection: select brush dimension"},
        {115, "save on disk D: save the image as TYearMoDaHoMiSe.jpg (it takes some seconds)"},
        {130, "*"},
    };
    for (const auto &[y, text] : rows) {
        expected.CurrentX = 30;
        expected.CurrentY = y;
        expected.Print(QString::fromLatin1(text));
    }
    const QImage &canvas = form_->Picture1->surface().Image();
    for (int y = 0; y < 437; ++y) {
        for (int x = 0; x < 525; ++x) {
            if (canvas.pixel(x, y) != expected.Image().pixel(x, y)) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
            }
        }
    }
    QVERIFY(countPixels(canvas, kText) > 7 * 20); // the rows have ink
}

void TestHelpOverlay::aSecondClickPaintsTheSame()
{
    const QImage once = form_->Picture1->surface().Image().copy();
    form_->Command8->click();
    QCOMPARE(form_->Picture1->surface().Image(), once);
}

void TestHelpOverlay::strokesPaintOverThePanelAndNewImageClearsIt()
{
    PictureBox *canvas = form_->Picture1;
    dragOn(canvas, {{35, 45}, {35, 45}});
    for (int dy = -2; dy <= 2; ++dy) {
        QCOMPARE(canvas->surface().Point(35, float(45 + dy)), RGB(0, 0, 0));
    }
    QCOMPARE(canvas->surface().Point(38, 45) == kPanel || canvas->surface().Point(38, 45) == kText,
             true);
    form_->Command7->click();
    QCOMPARE(countPixels(canvas->surface().Image(), kBackground), 525 * 437);
    // And the screen shows it cleared, not the panel it had (the pointer gone, and with it the
    // brush's outline).
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(canvas, &leave);
    QTRY_COMPARE(
        canvas->grab(canvas->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32),
        canvas->surface().Image());
}

void TestHelpOverlay::helpLeavesTheStateAlone()
{
    form_->Command4->click();
    form_->Command2->click();
    const QString name = form_->imeslike;
    form_->Command8->click();
    QCOMPARE(form_->spremeni, qint16(1));
    QCOMPARE(form_->mera, qint16(3));
    QCOMPARE(form_->imeslike, name);
    QVERIFY(!form_->color.has_value());
}

QTEST_MAIN(TestHelpOverlay)
#include "tst_helpoverlay.moc"
