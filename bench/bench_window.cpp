// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window: a new palette, and going to a far palette. Opening the window is measured from
// outside, in a real X server (start_to_frame.sh).
#include "benchcases.h"
#include "main_window/form1.h"

#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// "change palette": nine draws, the waves, and the 530 lines of the strip.
void NewPalette(benchmark::State &state)
{
    QTemporaryDir folder;
    Form1 form(&localNow, folder.path());
    measure(state, [&] { form.Command1->click(); });
}
BENCHMARK(NewPalette)->UseRealTime();

// Palette → Go to palette 1,000,000: the generator goes to its draws from the start, the strip
// and the undo step.
void GoToPalette1000000(benchmark::State &state)
{
    QTemporaryDir folder;
    Form1 form(&localNow, folder.path());
    measure(state, [&] { form.goToPalette(1'000'000); });
}
BENCHMARK(GoToPalette1000000)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
