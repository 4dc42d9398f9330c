// A back-test of a scenario on the bundled sample archive.
//   Test100/1line    one line with three filters of the number family (single-select, a few
//                    variants) run as a test over the last 100 draws
//   Passes/10lines   passes of a ten-line scenario at one offset each
//   .../stepwise     the same with every removal step of the number filter made on its own
//                    (one filter pass per step) instead of counted in one pass
// After the run: passes per second and the shares of window analysis, filter passes,
// starting lists and stake handling.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/run/script_runner.h"
#include "engine/session/list_commands.h"
#include "engine/session/stake_commands.h"
#include "ratio_reporter.h"

namespace {

const char* kLine =
    "FULL:0#FIRST|TSD1#NUMS:10,20#LMV:3;5#SF:0|TSD1#EVEN:30#LNO:#ST:1|TSD1#PRIM:15#LNO:#ST:1"
    "| | | | |";

struct TBench {
    std::filesystem::path Dir;
    mv::TSilentUiHooks Hooks;
    std::unique_ptr<mv::TWorkspace> Ws;

    TBench() {
        Dir = std::filesystem::temp_directory_path() /
              ("mv-bench-scenario-" + std::to_string(::getpid()));
        std::filesystem::create_directories(Dir);
        std::filesystem::copy_file(MV_SAMPLE_ARCHIVE, Dir / "Marvolet_5z36.ldr",
                                   std::filesystem::copy_options::overwrite_existing);
        Ws = std::make_unique<mv::TWorkspace>(mv::TDataPaths{Dir}, Hooks);
        Ws->LockDataFiles();
        Ws->ReadArchive();
        Ws->Stats().BuildMethods();
        Ws->Config().Cost = 10000;
    }
    ~TBench() {
        Ws.reset();
        std::error_code ec;
        std::filesystem::remove_all(Dir, ec);
    }
};

TBench& Bench() {
    static TBench bench;
    return bench;
}

mv::TRunTimes g_times;
double g_passes = 0;
double g_seconds = 0;

void Add(const mv::TScriptRunner& runner, int passes, double seconds) {
    g_times.Tables += runner.Times().Tables;
    g_times.Filters += runner.Times().Filters;
    g_times.Lists += runner.Times().Lists;
    g_times.Stakes += runner.Times().Stakes;
    g_passes += passes;
    g_seconds += seconds;
}

// Only the default runs count in the totals printed at the end.
mv::TScriptRunSettings Settings(const benchmark::State& state) {
    mv::TScriptRunSettings settings;
    settings.FuseRemovalSteps = state.range(0) != 0;
    return settings;
}

void BM_Test100(benchmark::State& state) {
    TBench& b = Bench();
    const std::vector<std::string> lines = {kLine};
    for (auto _ : state) {
        mv::ClearStakes(*b.Ws);
        mv::TScriptRunner runner(*b.Ws, Settings(state));
        runner.Lines = &lines;
        const auto start = std::chrono::steady_clock::now();
        runner.Test(100);
        if (state.range(0) != 0) {
            Add(runner, 100,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        state.counters["stakes"] = static_cast<double>(runner.StakeCount());
    }
}

void BM_Passes10(benchmark::State& state) {
    TBench& b = Bench();
    const std::vector<std::string> lines(10, kLine);
    for (auto _ : state) {
        mv::ClearStakes(*b.Ws);
        mv::TScriptRunner runner(*b.Ws, Settings(state));
        runner.Lines = &lines;
        const auto start = std::chrono::steady_clock::now();
        runner.Test(10);
        if (state.range(0) != 0) {
            Add(runner, 10,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RegisterBenchmark("Test100/1line", BM_Test100)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Passes/10lines", BM_Passes10)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Test100/1line/stepwise", BM_Test100)
        ->Arg(0)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Passes/10lines/stepwise", BM_Passes10)
        ->Arg(0)
        ->Unit(benchmark::kMillisecond);
    mv::bench::TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double total = g_seconds > 0 ? g_seconds : 1;
    std::printf("\npasses/s (all runs): %.1f\n", g_passes / total);
    std::printf(
        "shares: window analysis %.1f%%, filter passes %.1f%%, starting lists %.1f%%, "
        "stakes %.1f%%\n",
        100 * g_times.Tables / total, 100 * g_times.Filters / total, 100 * g_times.Lists / total,
        100 * g_times.Stakes / total);
    benchmark::Shutdown();
    return 0;
}
