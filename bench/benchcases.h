// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

#include <benchmark/benchmark.h>

#include <chrono>

// The canvas's drawable area, which every whole-canvas case works on.
inline constexpr QSize kCanvasSize{525, 437};

// Runs `step` for a fifth of a second before the measuring starts. On the virtual machines
// here, memory a process has just been given is slow for its first tens of milliseconds; the
// steady state is what a user meets, so every case and every baseline is warmed up alike.
template <typename Step> void warmUp(Step &&step)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
    while (std::chrono::steady_clock::now() < until) {
        step();
    }
}

// Warms `step` up, then times it once per benchmark iteration.
template <typename Step> void measure(benchmark::State &state, Step &&step)
{
    warmUp(step);
    for (auto _ : state) {
        step();
    }
}
