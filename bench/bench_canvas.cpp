// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Colour replacement and the brush: the canvas work a user waits for.
#include "benchcases.h"
#include "canvas_tools/colourreplacement.h"
#include "canvas_tools/stroke.h"
#include "main_window/form1.h"
#include "surface/picturebox.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <utility>

namespace {

constexpr ColorValue kA = RGB(10, 20, 30);
constexpr ColorValue kB = RGB(200, 100, 50);
constexpr ColorValue kC = RGB(1, 2, 3);

// A canvas whose pixels alternate between two colours: half of them match either one.
void fillHalfAndHalf(PictureSurface &surface)
{
    for (int y = 0; y < kCanvasSize.height(); ++y) {
        for (int x = 0; x < kCanvasSize.width(); ++x) {
            surface.PSet(float(x), float(y), (x + y) % 2 ? kA : kB);
        }
    }
}

// The baseline of the replacement: copying the canvas's bytes once.
void MemcpyCanvas(benchmark::State &state)
{
    const QImage source(kCanvasSize, QImage::Format_RGB32);
    QImage target(kCanvasSize, QImage::Format_RGB32);
    measure(state, [&] {
        std::memcpy(target.bits(), source.constBits(), std::size_t(source.sizeInBytes()));
        benchmark::ClobberMemory();
    });
}
BENCHMARK(MemcpyCanvas)->UseRealTime();

// Times `replace(canvas, from, to)` on a canvas where half the pixels match; each pass turns
// them into the other colour and back again.
template <typename Replace> void measureReplacement(benchmark::State &state, Replace &&replace)
{
    PictureSurface canvas(kCanvasSize);
    fillHalfAndHalf(canvas);
    ColorValue from = kA, to = kC;
    measure(state, [&] {
        replace(canvas, from, to);
        std::swap(from, to);
        benchmark::ClobberMemory();
    });
}

// ReplaceColor as the window does it: one pass over the canvas image.
void ReplaceColorOnePass(benchmark::State &state)
{
    measureReplacement(state, [](PictureSurface &canvas, ColorValue from, ColorValue to) {
        canvas.edit([&](QImage &image) { return replaceColour(image, toQRgb(from), toQRgb(to)); });
    });
}
BENCHMARK(ReplaceColorOnePass)->UseRealTime();

// The same replacement read and written point by point, for reference.
void ReplaceColorPointByPoint(benchmark::State &state)
{
    measureReplacement(state, [](PictureSurface &canvas, ColorValue from, ColorValue to) {
        for (int x = 0; x <= 529; ++x) {
            for (int y = 0; y <= 441; ++y) {
                if (canvas.Point(float(x), float(y)) == from) {
                    canvas.PSet(float(x), float(y), to);
                }
            }
        }
    });
}
BENCHMARK(ReplaceColorPointByPoint)->UseRealTime();

// One disc of radius 10 as a drag paints it, with the canvas's request to repaint it.
void BrushStampRadius10(benchmark::State &state)
{
    QTemporaryDir folder;
    Form1 form(&localNow, folder.path());
    PictureSurface &canvas = form.Picture1->surface();
    int stamp = 0;
    measure(state, [&] {
        canvas.FillStyle = PictureSurface::kFillSolid;
        canvas.FillColor = kB;
        canvas.Circle(float(100 + (stamp & 15) * 5), 200, 10, kB);
        ++stamp;
    });
}
BENCHMARK(BrushStampRadius10)->UseRealTime();

// A move of a drag over the window's canvas, radius 10, from the mouse event to the repainted
// window: the disc painted and, with Brush → Show guides, the brush's outline moved with it.
template <bool outline> void MoveOverCanvas(benchmark::State &state)
{
    QTemporaryDir folder;
    Form1 form(&localNow, folder.path());
    form.show();
    QCoreApplication::processEvents();
    if (form.showGuides != outline) {
        form.commands().showGuides->trigger();
    }
    while (form.mera < 10) {
        form.commands().largerBrush->trigger();
    }
    PictureBox *canvas = form.Picture1;
    auto send = [&](QEvent::Type type, QPoint at) {
        const QPointF local = QPointF(canvas->contentsRect().topLeft() + at);
        QMouseEvent event(type, local, canvas->mapTo(canvas->window(), local),
                          canvas->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &event);
    };
    send(QEvent::MouseButtonPress, {20, 20});
    int move = 0;
    measure(state, [&] {
        send(QEvent::MouseMove, {20 + move % 480, 20 + (move / 480) % 400});
        QCoreApplication::processEvents();
        move += 3;
    });
    send(QEvent::MouseButtonRelease, {20, 20});
}
BENCHMARK(MoveOverCanvas<false>)->Name("MoveWithoutOutline")->UseRealTime();
BENCHMARK(MoveOverCanvas<true>)->Name("MoveWithOutline")->UseRealTime();

// A connected move of 500 pixels at radius 10: a disc at every pixel between two points, as a
// fast drag paints it with connected strokes on, with the one repaint request.
template <Mirror mirror> void ConnectedMove500(benchmark::State &state)
{
    PictureSurface canvas(kCanvasSize);
    canvas.keepColumns(); // as the window's canvas: every disc remembers its strip column
    canvas.setChangeListener([](QRect changed) { benchmark::DoNotOptimize(changed); });
    canvas.FillStyle = PictureSurface::kFillSolid;
    canvas.FillColor = kB;
    int move = 0;
    measure(state, [&] {
        const int y = 100 + (move++ & 15) * 10;
        paintStroke(canvas, QPoint(12, y), QPoint(512, y + 40), 10, kB, mirror, 200);
    });
}
BENCHMARK(ConnectedMove500<Mirror::none>)->Name("ConnectedMove500")->UseRealTime();

// The same move with colour along the stroke: each disc the strip's colour of the column its
// place on the path has walked to, one column every 4 pixels, as the window paints it.
void ConnectedMove500ColourAlong(benchmark::State &state)
{
    PictureSurface canvas(kCanvasSize);
    canvas.keepColumns();
    canvas.setChangeListener([](QRect changed) { benchmark::DoNotOptimize(changed); });
    QRgb strip[525];
    for (int x = 0; x < 525; ++x) {
        strip[x] = qRgb(x % 256, 255 - x % 256, 7);
    }
    int move = 0;
    qint64 travelled = 0;
    measure(state, [&] {
        const int y = 100 + (move++ & 15) * 10;
        paintStroke(canvas, QPoint(12, y), QPoint(512, y + 40), 10, Mirror::none, [&](int place) {
            const StripColumn column = walkedColumn(200, 4, travelled + place, 525);
            return DiscColour{fromQRgb(strip[column]), column};
        });
        travelled += 500;
    });
}
BENCHMARK(ConnectedMove500ColourAlong)->UseRealTime();
BENCHMARK(ConnectedMove500<Mirror::kaleidoscope8>)
    ->Name("ConnectedMove500Kaleidoscope8")
    ->UseRealTime();

} // namespace
