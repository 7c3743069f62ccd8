// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The living palette: a canvas whose every pixel remembers its strip column following the
// strip, a live slider step, and PNGs saved and opened with their recipe and without.
#include "benchcases.h"
#include "canvas_tools/livecolours.h"
#include "canvas_tools/stroke.h"
#include "main_window/form1.h"
#include "palette/palettecycle.h"
#include "palette/sinepalette.h"
#include "palette_dialogs/paletteeditor.h"
#include "picture_files/animationfile.h"
#include "surface/picturebox.h"

#include <QAction>
#include <QSlider>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// A canvas painted all over, as a painter would: connected strokes of radius 5 from a new
// strip column every 40 pixels, row after row, until every pixel remembers a column; its
// colours from palette 1. With `remember` false, the same pixels remembering none.
void paintAllOver(PictureSurface &canvas, bool remember = true)
{
    PaletteRandom random;
    const StripColours colours = stripColours(numberedPaletteWaves(1, random));
    int column = 0;
    for (int y = 0; y < kCanvasSize.height() + 5; y += 4) {
        for (int x = 0; x < kCanvasSize.width(); x += 40) {
            column = (column + 97) % 525;
            paintStroke(canvas, QPoint(x, y), QPoint(x + 40, y + 3), 5,
                        fromQRgb(colours[std::size_t(column)]), Mirror::none,
                        remember ? StripColumn(column) : kNoColumn);
        }
    }
}

// Every pixel remembers another column than its neighbours, (x + y) mod 525: the most a
// lookup can cost, which no brush paints.
void rememberEveryPixelApart(PictureSurface &canvas)
{
    PaletteRandom random;
    const StripColours colours = stripColours(numberedPaletteWaves(1, random));
    canvas.edit([&](QImage &image, QImage &columns) {
        for (int y = 0; y < image.height(); ++y) {
            auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int column = (x + y) % 525;
                pixels[x] = colours[std::size_t(column)];
                columnRow(columns, y)[x] = StripColumn(column);
            }
        }
        return image.rect();
    });
}

// The repaint a palette change makes with Live palette on: every pixel of the canvas takes its
// column's colour, turn about from two palettes, with the repaint request.
template <bool apart> void RecolourRememberedCanvas(benchmark::State &state)
{
    PictureSurface canvas(kCanvasSize);
    canvas.keepColumns();
    canvas.setChangeListener([](QRect changed) { benchmark::DoNotOptimize(changed); });
    if (apart) {
        rememberEveryPixelApart(canvas);
    } else {
        paintAllOver(canvas);
    }
    for (int y = 0; y < kCanvasSize.height(); ++y) { // every pixel remembers one
        const StripColumn *row = columnRow(canvas.Columns(), y);
        if (std::count(row, row + kCanvasSize.width(), kNoColumn) != 0) {
            state.SkipWithError("a pixel remembers no column");
            return;
        }
    }
    PaletteRandom random;
    const StripColours palettes[] = {stripColours(numberedPaletteWaves(2, random)),
                                     stripColours(numberedPaletteWaves(3, random))};
    // As the window keeps them while the plane stays as it is.
    const ColumnRuns runs(canvas.Columns());
    int turn = 0;
    measure(state, [&] {
        canvas.edit([&](QImage &image, const QImage &) {
            return runs.recolour(image, palettes[turn++ & 1]);
        });
        benchmark::ClobberMemory();
    });
    state.counters["runs"] = double(runs.count());
}
BENCHMARK(RecolourRememberedCanvas<false>)->Name("RecolourRememberedCanvas")->UseRealTime();
BENCHMARK(RecolourRememberedCanvas<true>)->Name("RecolourEveryPixelApart")->UseRealTime();

// One frame of cycling colours with Live palette on a canvas painted all over: the turned
// waves, the strip drawn with them, every remembered pixel recoloured, the repaint requests.
void CycleFrame(benchmark::State &state)
{
    PictureSurface canvas(kCanvasSize);
    canvas.keepColumns();
    PictureSurface strip(QSize(525, 29));
    for (PictureSurface *surface : {&canvas, &strip}) {
        surface->setChangeListener([](QRect changed) { benchmark::DoNotOptimize(changed); });
    }
    paintAllOver(canvas);
    const ColumnRuns runs(canvas.Columns());
    PaletteRandom random;
    const PaletteWaves start = numberedPaletteWaves(1, random);
    int frame = 0;
    measure(state, [&] {
        const PaletteWaves waves = turnedWaves(start, (frame++ % 480) / 480.0);
        drawPaletteStrip(strip, waves);
        const StripColours colours = stripColours(waves);
        canvas.edit([&](QImage &image, const QImage &) { return runs.recolour(image, colours); });
    });
}
BENCHMARK(CycleFrame)->UseRealTime();

// The command line's export of 60 frames of the canvas painted all over, as an animated WebP:
// each frame recoloured, encoded losslessly, and the file written.
void ExportAnimation60(benchmark::State &state)
{
    QTemporaryDir folder;
    PictureSurface canvas(kCanvasSize);
    canvas.keepColumns();
    paintAllOver(canvas);
    const ColumnRuns runs(canvas.Columns());
    PaletteRandom random;
    const PaletteWaves waves = numberedPaletteWaves(1, random);
    const QString path = folder.filePath(QStringLiteral("cycle.webp"));
    for (auto _ : state) {
        writeAnimation(
            path, 60, 133, [&](int k) { return cycleFrame(canvas.Image(), runs, waves, k, 60); },
            [](int) { return true; });
    }
}
BENCHMARK(ExportAnimation60)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// One slider step in Edit palette… with Live palette on and every pixel remembered: the strip
// and the whole canvas drawn again, with their repaint requests.
void EditorSliderStepLive(benchmark::State &state)
{
    QTemporaryDir folder;
    Form1 form(&localNow, folder.path());
    paintAllOver(form.Picture1->surface());
    form.commands().livePalette->trigger();
    form.commands().editPalette->trigger();
    auto *editor = form.findChild<PaletteEditor *>();
    int step = 0;
    measure(state, [&] { editor->phaseSlider(0)->setValue(1000 + (step++ & 1)); });
}
BENCHMARK(EditorSliderStepLive)->UseRealTime();

// Save As a PNG of a canvas whose every pixel remembers a column (with its recipe), or of the
// same pixels remembering none (a plain PNG).
template <bool recipe> void SavePng(benchmark::State &state)
{
    QTemporaryDir folder;
    Form1 form(&localNow, folder.path());
    paintAllOver(form.Picture1->surface(), recipe);
    const QString path = folder.filePath(QStringLiteral("picture.png"));
    measure(state, [&] { form.savePictureAs(path, PictureFormat::Png); });
}
BENCHMARK(SavePng<true>)->Name("SavePngWithRecipe")->UseRealTime();
BENCHMARK(SavePng<false>)->Name("SavePngPlain")->UseRealTime();

// File → Open of those PNGs: read, checked, and taken with their palette and columns.
template <bool recipe> void OpenPng(benchmark::State &state)
{
    QTemporaryDir folder;
    Form1 form(&localNow, folder.path());
    paintAllOver(form.Picture1->surface(), recipe);
    const QString path = folder.filePath(QStringLiteral("picture.png"));
    form.savePictureAs(path, PictureFormat::Png);
    measure(state, [&] { form.openPicture(path); });
}
BENCHMARK(OpenPng<true>)->Name("OpenPngWithRecipe")->UseRealTime();
BENCHMARK(OpenPng<false>)->Name("OpenPngPlain")->UseRealTime();

} // namespace
