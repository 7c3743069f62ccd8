// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Undo and redo: their speed, and what the history holds.
#include "benchcases.h"
#include "canvas_tools/colourreplacement.h"
#include "canvas_tools/history.h"
#include "main_window/form1.h"
#include "surface/picturebox.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

constexpr ColorValue kA = RGB(10, 20, 30);
constexpr ColorValue kB = RGB(200, 100, 50);

// A history whose one step is a colour replacement over the whole canvas.
struct ReplacedCanvas {
    PictureSurface canvas{kCanvasSize};
    History history;

    ReplacedCanvas()
    {
        canvas.setBackColor(kA);
        history.begin({&canvas}, StepState{});
        canvas.edit([](QImage &image) { return replaceColour(image, toQRgb(kA), toQRgb(kB)); });
        history.end(StepState{});
    }
};

// Times `timed` (undo or redo of the replacement: the canvas's pixels from before or after it
// put back, with the repaint request); each pass does `untimed` first, to come back.
template <typename Timed, typename Untimed>
void measureUndoRedo(benchmark::State &state, Timed &&timed, Untimed &&untimed)
{
    ReplacedCanvas replaced;
    warmUp([&] {
        timed(replaced.history);
        untimed(replaced.history);
    });
    for (auto _ : state) {
        state.PauseTiming();
        untimed(replaced.history);
        state.ResumeTiming();
        timed(replaced.history);
    }
}

void UndoReplacement(benchmark::State &state)
{
    measureUndoRedo(
        state, [](History &history) { history.undo(); }, [](History &history) { history.redo(); });
}
BENCHMARK(UndoReplacement)->UseRealTime();

void RedoReplacement(benchmark::State &state)
{
    measureUndoRedo(
        state, [](History &history) { history.redo(); }, [](History &history) { history.undo(); });
}
BENCHMARK(RedoReplacement)->UseRealTime();

// The process's peak resident memory so far, in KiB.
long peakKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return 0;
}

} // namespace

std::string historyFigures()
{
    QTemporaryDir folder;
    Form1 form(&localNow, folder.path());
    PictureBox *canvas = form.Picture1;
    const long before = peakKib();
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPointF local = QPointF(canvas->contentsRect().topLeft() + at);
        QMouseEvent event(type, local, canvas->mapTo(canvas->window(), local),
                          canvas->mapToGlobal(local), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &event);
    };
    // One stroke of 40 discs of radius 2 along a slant: its bounding box is 5 + 39 * 5 by
    // 5 + 39 * 2 pixels.
    send(QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton, Qt::LeftButton);
    for (int i = 0; i < 40; ++i) {
        send(QEvent::MouseMove, {20 + 5 * i, 20 + 2 * i}, Qt::NoButton, Qt::LeftButton);
    }
    send(QEvent::MouseButtonRelease, {215, 98}, Qt::LeftButton, Qt::NoButton);
    const double boxBytes = 4.0 * (5 + 39 * 5) * (5 + 39 * 2);
    const double strokeRatio = double(form.history().bytes()) / boxBytes;

    // One long connected stroke of radius 10, from (20, 300) to (500, 380) in one move: its
    // bounding box is 501 by 101 pixels.
    const qsizetype bytesBefore = form.history().bytes();
    form.commands().connectedStrokes->trigger();
    form.mera = 10;
    send(QEvent::MouseButtonPress, {20, 300}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, {500, 380}, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {500, 380}, Qt::LeftButton, Qt::NoButton);
    const double connectedRatio = double(form.history().bytes() - bytesBefore) / (4.0 * 501 * 101);
    form.commands().connectedStrokes->trigger();
    form.mera = 2;

    // 999 more strokes, and 100 replacements of the whole canvas's colour.
    for (int stroke = 1; stroke < 1000; ++stroke) {
        const QPoint at(10 + stroke % 500, 10 + stroke % 420);
        send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, at + QPoint(6, 3), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    for (int replacement = 0; replacement < 100; ++replacement) {
        form.Command1->click(); // a new palette, a new colour to pick
        const QPoint strip = form.Picture2->contentsRect().topLeft() + QPoint(replacement * 5, 10);
        QMouseEvent pick(QEvent::MouseButtonPress, QPointF(strip),
                         form.Picture2->mapTo(&form, QPointF(strip)),
                         form.Picture2->mapToGlobal(QPointF(strip)), Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(form.Picture2, &pick);
        form.Command4->click();
        send(QEvent::MouseButtonPress, {520, 430}, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, {520, 430}, Qt::LeftButton, Qt::NoButton);
    }
    const double historyMib = double(form.history().bytes()) / (1 << 20);
    const double growthMib = double(peakKib() - before) / 1024;
    char lines[640];
    std::snprintf(lines, sizeof lines,
                  "\n%-52s %8.2f  %-10s %s\n%-52s %8.2f  %-10s %s\n%-52s %8.1f  %-10s %s\n"
                  "%-52s %8.1f  %-10s %s\n",
                  "history bytes of a stroke / its bounding box", strokeRatio, "<= 2.5",
                  strokeRatio <= 2.5 ? "yes" : "NO", "the same for a long connected stroke",
                  connectedRatio, "<= 2.5", connectedRatio <= 2.5 ? "yes" : "NO",
                  "history after 1000 strokes, 100 replacements (MiB)", historyMib, "<= 64",
                  historyMib <= 64 ? "yes" : "NO",
                  // The history and a few canvases in flight: a step's pictures before and after.
                  "peak memory growth meanwhile (MiB)", growthMib, "<= 64 + 8",
                  growthMib <= 72 ? "yes" : "NO");
    return lines;
}
