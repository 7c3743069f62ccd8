// The window: a new palette. Opening the window is measured from outside, in a real X
// server (start_to_window.sh).
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

} // namespace
