// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Counts the frames the window shows while its colours cycle: a canvas painted all over with
// Live palette on, so that every frame redraws the strip and the whole canvas. After a second
// to settle, the strip's paints are counted for five seconds; prints frames a second.
#include "canvas_tools/stroke.h"
#include "main_window/form1.h"
#include "palette/sinepalette.h"
#include "surface/picturebox.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Counts the paint events of the object it watches while `counting`.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (counting && event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
    bool counting = false;
    int paints = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    Form1 form(&localNow, folder.path());
    PictureSurface &canvas = form.Picture1->surface();
    PaletteRandom random;
    const StripColours colours = stripColours(numberedPaletteWaves(1, random));
    int column = 0;
    for (int y = 0; y < canvas.size().height() + 5; y += 4) {
        for (int x = 0; x < canvas.size().width(); x += 40) {
            column = (column + 97) % 525;
            paintStroke(canvas, QPoint(x, y), QPoint(x + 40, y + 3), 5,
                        fromQRgb(colours[std::size_t(column)]), Mirror::none, StripColumn(column));
        }
    }
    form.commands().livePalette->trigger();
    form.commands().cycleColours->trigger();
    PaintCounter counter;
    form.Picture2->installEventFilter(&counter);
    QElapsedTimer clock;
    QTimer::singleShot(1000, [&] {
        counter.counting = true;
        clock.start();
        QTimer::singleShot(5000, [&] {
            std::printf("%.1f\n", counter.paints * 1000.0 / double(clock.elapsed()));
            application.quit();
        });
    });
    return application.exec();
}
