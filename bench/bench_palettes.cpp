// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The palette dialogs: a live redraw of the strip while a slider moves, pages and previews of
// the palette browser, and the variations' first paint.
#include "benchcases.h"
#include "main_window/form1.h"
#include "palette/palettecatalogue.h"
#include "palette_dialogs/palettebrowser.h"
#include "palette_dialogs/paletteeditor.h"

#include "palette_dialogs/palettestriplist.h"
#include "palette_dialogs/variationsdialog.h"
#include <QAction>
#include <QSlider>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// One slider step in Edit palette…: the new waves, the plot of them drawn, the window's strip
// drawn again and its repaint requested.
void EditorSliderStep(benchmark::State &state)
{
    QTemporaryDir folder;
    Form1 form(&localNow, folder.path());
    form.commands().editPalette->trigger();
    auto *editor = form.findChild<PaletteEditor *>();
    int step = 0;
    measure(state, [&] { editor->phaseSlider(0)->setValue(1000 + (step++ & 1)); });
}
BENCHMARK(EditorSliderStep)->UseRealTime();

// A page of the browser, once it is up: the view scrolled on by a page and every strip on it
// painted.
void BrowserPage(benchmark::State &state)
{
    PaletteCatalogue catalogue;
    PaletteBrowser browser(catalogue, {}, 500'000, nullptr);
    browser.show();
    int page = 0;
    measure(state, [&] {
        browser.list()->setCurrent(PaletteNumber(500'000 + 18 * (page++ % 40)), true);
        benchmark::DoNotOptimize(browser.list()->viewport()->grab());
    });
}
BENCHMARK(BrowserPage)->UseRealTime()->Unit(benchmark::kMillisecond);

// The browser's first page at palette 1,000,000: the dialog made, the generator gone to its
// draws from the start, and the page painted.
void BrowserFirstPageAt1000000(benchmark::State &state)
{
    measure(state, [&] {
        PaletteCatalogue catalogue;
        PaletteBrowser browser(catalogue, {}, 1'000'000, nullptr);
        browser.show();
        benchmark::DoNotOptimize(browser.list()->viewport()->grab());
    });
}
BENCHMARK(BrowserFirstPageAt1000000)->UseRealTime()->Unit(benchmark::kMillisecond);

// A step of the browser's preview near the end of the million: the selection moved a row, the
// palette worked out and drawn on the window's strip, its repaint requested.
void BrowserPreviewStep(benchmark::State &state)
{
    QTemporaryDir folder;
    Form1 form(&localNow, folder.path(), 999'998);
    form.commands().browsePalettes->trigger();
    auto *browser = form.findChild<PaletteBrowser *>();
    int step = 0;
    measure(state, [&] { browser->list()->setCurrent(PaletteNumber(999'999 + (step++ & 1))); });
}
BENCHMARK(BrowserPreviewStep)->UseRealTime();

// Palette → Variations…: the dialog made, eight variations drawn and its first paint.
void VariationsFirstPaint(benchmark::State &state)
{
    PaletteRandom random;
    const ShownPalette shown{17, numberedPaletteWaves(17, random), false};
    VariationRandom variations(42);
    measure(state, [&] {
        VariationsDialog dialog(shown, shown.waves, variations, nullptr);
        dialog.show();
        benchmark::DoNotOptimize(dialog.grab());
    });
}
BENCHMARK(VariationsFirstPaint)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
