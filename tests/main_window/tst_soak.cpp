// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"
#include "surface/picturebox.h"
#include "testsupport.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

namespace {

constexpr int kEvents = 20000;
constexpr unsigned kDefaultSeed = 20261208;

unsigned soakSeed()
{
    bool ok = false;
    const unsigned seed = qEnvironmentVariable("SINEPAINT_SOAK_SEED").toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

} // namespace

// Random input of every kind, as Qt events, to one window; the window must stay sound
// throughout and never hold a pixel no event could have painted.
class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void randomInputKeepsTheWindowSound();
};

void TestSoak::randomInputKeepsTheWindowSound()
{
    const unsigned seed = soakSeed();
    std::mt19937 random(seed);
    auto below = [&](int n) { return int(random() % unsigned(n)); };
    auto where = [&](int i, const QString &what) {
        return QStringLiteral("seed %1 (set SINEPAINT_SOAK_SEED to repeat), event %2: %3")
            .arg(seed)
            .arg(i)
            .arg(what);
    };

    QTemporaryDir folder;
    QDateTime now({2027, 3, 5}, {21, 4, 7});
    Form1 form([&] { return now; }, folder.path());
    PictureBox *canvas = form.Picture1;
    PictureBox *strip = form.Picture2;
    const QList<QPushButton *> buttons{form.Command1, form.Command2, form.Command4, form.Command5,
                                       form.Command6, form.Command7, form.Command8, form.Command9};
    // The colours a canvas pixel can hold: its background, black (the brush before any pick,
    // and the text), the help panel, and every colour ever picked.
    QSet<ColorValue> paintable{PictureSurface::kDefaultBackColor, RGB(0, 0, 0), RGB(200, 200, 200)};
    const QList<Qt::MouseButton> pressable{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    int saves = 0;

    for (int i = 0; i < kEvents; ++i) {
        if (i % 50 == 0) {
            now = now.addSecs(1);
        }
        const int kind = below(100);
        QString what;
        if (kind < 55) {
            const auto mask = Qt::MouseButtons::fromInt(below(8));
            const QPoint at = boxPoint(canvas, below(565) - 20, below(477) - 20);
            what = QStringLiteral("move %1 at (%2, %3)").arg(mask.toInt()).arg(at.x()).arg(at.y());
            sendMouse(canvas, QEvent::MouseMove, at, Qt::NoButton, mask);
        } else if (kind < 70) {
            const Qt::MouseButton button = pressable[below(3)];
            const QPoint at = boxPoint(canvas, below(529) - 2, below(441) - 2);
            what = QStringLiteral("press canvas at (%1, %2)").arg(at.x()).arg(at.y());
            sendMouse(canvas, QEvent::MouseButtonPress, at, button, button);
            sendMouse(canvas, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        } else if (kind < 85) {
            const Qt::MouseButton button = pressable[below(3)];
            const QPoint at = boxPoint(strip, below(529) - 2, below(33) - 2);
            what = QStringLiteral("press strip at (%1, %2)").arg(at.x()).arg(at.y());
            sendMouse(strip, QEvent::MouseButtonPress, at, button, button);
            sendMouse(strip, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
            if (form.color) {
                paintable.insert(*form.color);
            }
        } else {
            QPushButton *button = buttons[below(int(buttons.size()))];
            // Saving is rarer than the other commands, as it is for users.
            if (button == form.Command6 && below(4) != 0) {
                button = form.Command2;
            }
            what = QStringLiteral("click \"%1\"").arg(button->text());
            QTest::mouseClick(button, Qt::LeftButton);
            if (button == form.Command6) {
                ++saves;
                const QString path = form.picturePath();
                QVERIFY2(!form.findChild<QMessageBox *>(), qPrintable(where(i, what)));
                const QImage saved = QImage(path, "BMP").convertToFormat(QImage::Format_RGB32);
                QVERIFY2(saved == canvas->surface().Image(), qPrintable(where(i, what)));
                QFile::remove(path);
            }
        }
        QVERIFY2(form.mera >= 2 && form.mera <= 10, qPrintable(where(i, what)));
        QVERIFY2(form.spremeni == 0 || form.spremeni == 1, qPrintable(where(i, what)));
        QVERIFY2(form.imeslike.size() == 15 && form.imeslike.startsWith(u'T'),
                 qPrintable(where(i, what)));
        QVERIFY2(!form.color || paintable.contains(*form.color), qPrintable(where(i, what)));
    }

    const QImage &image = canvas->surface().Image();
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (!paintable.contains(fromQRgb(row[x]))) {
                QFAIL(qPrintable(where(kEvents, QStringLiteral("pixel (%1, %2) holds %3")
                                                    .arg(x)
                                                    .arg(y)
                                                    .arg(fromQRgb(row[x]), 6, 16))));
            }
        }
    }
    QVERIFY(saves > 10);
    QVERIFY(form.isVisible());
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
