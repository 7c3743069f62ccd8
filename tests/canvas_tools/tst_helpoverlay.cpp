#include "canvas_tools/helpoverlay.h"
#include "main_window/form1.h"
#include "surface/picturebox.h"
#include "testsupport.h"

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
    void thePanelCoversColumns20To430AndLines20To150();
    void everyRowStartsAtItsPlace_data();
    void everyRowStartsAtItsPlace();
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
    QTest::mouseClick(form_->Command8, Qt::LeftButton);
}

void TestHelpOverlay::thePanelCoversColumns20To430AndLines20To150()
{
    const PictureSurface &canvas = form_->Picture1->surface();
    for (int y = 0; y < 437; ++y) {
        for (int x = 0; x < 525; ++x) {
            const bool onPanel = x >= 20 && x <= 430 && y >= 20 && y <= 150;
            const ColorValue c = canvas.Point(float(x), float(y));
            // Only the panel, the text and the untouched background; text only in rows 40 on.
            const bool fine = onPanel ? (c == kPanel || (c == kText && y >= 40))
                                      : (c == kBackground || (c == kText && y >= 40 && y < 150));
            if (!fine) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3").arg(x).arg(y).arg(c)));
            }
        }
    }
    QCOMPARE(canvas.Point(20, 20), kPanel);
    QCOMPARE(canvas.Point(430, 150), kPanel);
    QCOMPARE(canvas.Point(19, 20), kBackground);
    QCOMPARE(canvas.Point(431, 20), kBackground);
    QCOMPARE(canvas.Point(20, 151), kBackground);
}

void TestHelpOverlay::everyRowStartsAtItsPlace_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(kHelpRows.size()); ++row) {
        QTest::newRow(kHelpRows[row].text) << row;
    }
}

void TestHelpOverlay::everyRowStartsAtItsPlace()
{
    QFETCH(int, row);
    // The row printed alone at (30, y) on a plain grey surface: every pixel of its ink must be
    // ink on the canvas too.
    PictureSurface alone(QSize(525, 437));
    alone.setBackColor(kPanel);
    alone.CurrentX = 30;
    alone.CurrentY = kHelpRows[row].y;
    alone.Print(QString::fromLatin1(kHelpRows[row].text));
    const PictureSurface &canvas = form_->Picture1->surface();
    int ink = 0;
    int leftmost = 525;
    for (int y = 0; y < 437; ++y) {
        for (int x = 0; x < 525; ++x) {
            if (alone.Point(float(x), float(y)) == kText) {
                ++ink;
                leftmost = std::min(leftmost, x);
                QCOMPARE(canvas.Point(float(x), float(y)), kText);
            }
        }
    }
    QVERIFY(ink > 0);
    QVERIFY(leftmost >= 30 && leftmost <= 34);
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
