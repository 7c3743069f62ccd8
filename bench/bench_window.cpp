// The window: a new palette, and opening the window.
#include "benchcases.h"
#include "main_window/form1.h"

#include <QFrame>
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

// The window built, loaded and shown maximised, then closed.
void OpenForm1(benchmark::State &state)
{
    QTemporaryDir folder;
    measure(state, [&] {
        Form1 form(&localNow, folder.path());
        benchmark::DoNotOptimize(form.imeslike);
    });
}
BENCHMARK(OpenForm1)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The baseline: a plain top-level widget with twelve buttons and three frames, shown
// maximised like the window.
void OpenPlainWidgets(benchmark::State &state)
{
    measure(state, [&] {
        QWidget window;
        for (int i = 0; i < 12; ++i) {
            auto *button = new QPushButton(QStringLiteral("button"), &window);
            button->setGeometry(672, 20 + 32 * i, 105, 17);
        }
        for (int i = 0; i < 3; ++i) {
            auto *frame = new QFrame(&window);
            frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            frame->setGeometry(104, 96 + 200 * i, 529, 150);
        }
        window.showMaximized();
        benchmark::DoNotOptimize(window.winId());
    });
}
BENCHMARK(OpenPlainWidgets)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace
