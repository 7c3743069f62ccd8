// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the benchmarks offscreen and prints one table: each case's median time and its ratio
// to a baseline measured in the same run, against its target.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// What each case is held to: a ratio to a baseline case, or a time of its own.
struct Target {
    const char *name;
    const char *baseline; // nullptr: no baseline, the limit is in microseconds
    double limit;         // the largest ratio, or the largest time in microseconds
    bool reference;       // shown for comparison only, with no target to hold
};

constexpr Target kTargets[] = {
    {"ReplaceColorOnePass", "MemcpyCanvas", 2.0, false},
    {"ReplaceColorPointByPoint", "MemcpyCanvas", 0, true},
    {"SaveClick", "SaveFileOfTheSameSize", 1.2, false},
    {"CopyAndEncode", "MemcpyCanvas", 0, true},
    {"BrushStampRadius10", nullptr, 2.0, false},
    {"MoveWithOutline", "MoveWithoutOutline", 1.1, false},
    {"ConnectedMove500", nullptr, 200.0, false},
    {"ConnectedMove500Kaleidoscope8", nullptr, 1600.0, false},
    {"ConnectedMove500ColourAlong", "ConnectedMove500", 1.2, false},
    {"NewPalette", nullptr, 50.0, false},
    {"UndoReplacement", "MemcpyCanvas", 2.0, false},
    {"RedoReplacement", "MemcpyCanvas", 2.0, false},
    {"OpenPicture", "LoadPngAndMemcpy", 1.2, false},
    {"GoToPalette1000000", nullptr, 100'000.0, false},
    {"EditorSliderStep", nullptr, 1'000.0, false},
    {"BrowserPage", nullptr, 16'000.0, false},
    {"BrowserFirstPageAt1000000", nullptr, 60'000.0, false},
    {"BrowserPreviewStep", nullptr, 2'000.0, false},
    {"VariationsFirstPaint", nullptr, 16'000.0, false},
    {"RecolourRememberedCanvas", "MemcpyCanvas", 3.0, false},
    {"RecolourEveryPixelApart", "MemcpyCanvas", 0, true},
    {"EditorSliderStepLive", nullptr, 2'000.0, false},
    {"CycleFrame", nullptr, 1'000.0, false},
    {"ExportAnimation60", nullptr, 3'000'000.0, false},
    {"SavePngWithRecipe", "SavePngPlain", 1.3, false},
    {"OpenPngWithRecipe", "OpenPngPlain", 1.3, false},
};

// Keeps each case's median real time, in seconds, as the runs come in.
class MedianCollector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> medians;
};

void printTable(const std::map<std::string, double> &medians)
{
    std::printf("\n%-26s %12s  %-24s %12s %7s %8s  %s\n", "case", "median", "baseline",
                "its median", "ratio", "target", "holds");
    for (const Target &target : kTargets) {
        const auto found = medians.find(target.name);
        if (found == medians.end()) {
            continue;
        }
        const double micros = found->second * 1e6;
        if (target.baseline == nullptr) {
            std::printf("%-26s %9.2f us  %-24s %12s %7s %5.1f us  %s\n", target.name, micros, "-",
                        "-", "-", target.limit, micros <= target.limit ? "yes" : "NO");
            continue;
        }
        const auto base = medians.find(target.baseline);
        if (base == medians.end()) {
            continue;
        }
        const double ratio = found->second / base->second;
        if (target.reference) {
            std::printf("%-26s %9.2f us  %-24s %9.2f us %7.2f %8s  %s\n", target.name, micros,
                        target.baseline, base->second * 1e6, ratio, "-", "reference");
        } else {
            std::printf("%-26s %9.2f us  %-24s %9.2f us %7.2f %6.1fx  %s\n", target.name, micros,
                        target.baseline, base->second * 1e6, ratio, target.limit,
                        ratio <= target.limit ? "yes" : "NO");
        }
    }
}

} // namespace

// The history's figures: bytes for a stroke, and memory after a long session (bench_history).
// Worked out before the benchmarks, so that the memory they take does not hide its growth.
std::string historyFigures();

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);

    // Medians over repetitions, unless told otherwise.
    std::vector<char *> arguments(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=7";
    std::string aggregatesOnly = "--benchmark_report_aggregates_only=true";
    arguments.push_back(repetitions.data());
    arguments.push_back(aggregatesOnly.data());
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());

    const std::string history = historyFigures();
    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
    printTable(collector.medians);
    std::fputs(history.c_str(), stdout);
    return 0;
}
