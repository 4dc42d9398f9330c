// The combination list at work, each beside its floor measured in the same run:
//   Floor          compacting the full set with the cheapest test there is: one byte compared
//                  per combination, no branch;
//   Pass/NUMS      one filter pass over the full set as a scenario runs it: ten selected
//                  numbers, FilterCombinations from one list into another (the filter is
//                  prepared for the pass);
//   Matches/NUMS   the same pass with one virtual Matches per combination, which searches the
//                  ten selected values linearly;
//   Copy           copying the full set from one list to another (a plain memory copy);
//   Generate       generating the full set into the working list (silent form, as scenarios);
//   Prefetch/num   building every full-set comparison file of the number family, files
//                  written (force, group 0), on every core;
//   Count/num      the same counts on one core, nothing written.
// Targets: Pass <= 2 x Floor and >= 4 x faster than Matches; Generate <= 2 ms; Prefetch < 1 s.
// A table of times and ratios is printed at the end; with repetitions the medians are used:
//   bench_combs --benchmark_repetitions=5 --benchmark_display_aggregates_only=true

#include <benchmark/benchmark.h>

#include "ratio_reporter.h"
#include <stdlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/combs/full_set.h"
#include "engine/combs/full_set_files.h"
#include "engine/combs/generation.h"
#include "engine/combs/selection.h"
#include "engine/session/list_commands.h"
#include "engine/session/workspace.h"

namespace {

const std::vector<int> kSelected = {3, 7, 11, 15, 19, 23, 27, 31, 33, 35};

struct TFixture {
    std::filesystem::path Dir;
    mv::TSilentUiHooks Hooks;
    std::unique_ptr<mv::TWorkspace> Ws;
    int Nums = -1;
    mv::TStatSelection Selection;
    // The full set, and a list the passes write their survivors into.
    mv::TCombsArray Full;
    mv::TCombsArray Out{mv::FullSetSize};

    TFixture() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "bench-combs-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        Dir = pattern;
        Ws = std::make_unique<mv::TWorkspace>(mv::TDataPaths{Dir}, Hooks);
        Nums = Ws->Stats().FindMethod("NUMS");
        for (const int n : kSelected)
            Selection.Values.emplace_back().Key = mv::TValueKey::FromK1(n);
        Selection.Text = "ten numbers";
        mv::AppendGeneratedSets(mv::gmFullSet, {}, Full);
    }
    ~TFixture() {
        std::error_code ec;
        std::filesystem::remove_all(Dir, ec);
    }
};

TFixture& Fixture() {
    static TFixture fixture;
    return fixture;
}

void SetItems(benchmark::State& state, std::size_t kept) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * mv::FullSetSize);
    state.counters["kept"] = static_cast<double>(kept);
}

void BM_Floor(benchmark::State& state) {
    TFixture& f = Fixture();
    const mv::TComb* in = f.Full.Data();
    mv::TComb* out = f.Out.Data();
    const std::size_t count = f.Full.Count();
    std::uint8_t x = 6;  // combinations starting below 6: about half of the set
    std::size_t kept = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        kept = 0;
        for (std::size_t i = 0; i < count; ++i) {
            out[kept] = in[i];
            kept += static_cast<std::size_t>(in[i].Nums[0] < x);
        }
        benchmark::DoNotOptimize(kept);
        benchmark::ClobberMemory();
    }
    SetItems(state, kept);
}

void BM_Pass(benchmark::State& state) {
    TFixture& f = Fixture();
    auto stat = f.Ws->Stats().CreateStat(f.Ws->Stats().Method(f.Nums));
    for (auto _ : state) {
        mv::FilterCombinations(*stat, f.Selection.Values, false, false, 0, f.Full, f.Out);
        benchmark::ClobberMemory();
    }
    SetItems(state, f.Out.Count());
}

void BM_Matches(benchmark::State& state) {
    TFixture& f = Fixture();
    auto stat = f.Ws->Stats().CreateStat(f.Ws->Stats().Method(f.Nums));
    stat->LoadDraws(-1, 0, false);
    const mv::TComb* in = f.Full.Data();
    mv::TComb* out = f.Out.Data();
    const std::size_t count = f.Full.Count();
    std::size_t kept = 0;
    for (auto _ : state) {
        kept = 0;
        for (std::size_t i = 0; i < count; ++i) {
            out[kept] = in[i];
            kept += static_cast<std::size_t>(
                stat->Matches(in[i].Nums.data(), f.Selection.Values, false, false, 0));
        }
        benchmark::DoNotOptimize(kept);
        benchmark::ClobberMemory();
    }
    SetItems(state, kept);
}

void BM_Copy(benchmark::State& state) {
    TFixture& f = Fixture();
    for (auto _ : state) {
        f.Out.CopyFrom(f.Full);
        benchmark::ClobberMemory();
    }
}

void BM_Generate(benchmark::State& state) {
    TFixture& f = Fixture();
    for (auto _ : state) {
        mv::GenerateCombinations(*f.Ws, mv::gmFullSet, "", false);
        benchmark::ClobberMemory();
    }
    state.counters["count"] = static_cast<double>(f.Ws->Combs().CurrentList.Count());
}

void BM_Prefetch(benchmark::State& state) {
    TFixture& f = Fixture();
    int built = 0;
    for (auto _ : state) built = mv::RebuildFullSetFiles(*f.Ws, true, 1u << 0).Built;
    state.counters["files"] = built;
}

void BM_CountSequential(benchmark::State& state) {
    TFixture& f = Fixture();
    const std::vector<mv::TComb> set = mv::FullSet();
    const mv::TStatList& registry = f.Ws->Stats();
    int methods = 0;
    for (auto _ : state) {
        methods = 0;
        for (int i = 0; i < registry.MethodCount(); ++i) {
            const mv::TStatMethod& m = registry.Method(i);
            if (!m.StatClass->HasNorm() || m.StatClass->Group != 0) continue;
            const auto stat = registry.CreateStat(m);
            benchmark::DoNotOptimize(mv::CountFullSetValues(*stat, set.data(), set.size()));
            ++methods;
        }
    }
    state.counters["files"] = methods;
}


void PrintSummary(const mv::bench::TRatioReporter& r) {
    const double floor = r.Time("Floor");
    const double pass = r.Time("Pass/NUMS");
    const double matches = r.Time("Matches/NUMS");
    const double generate = r.Time("Generate");
    const double prefetch = r.Time("Prefetch/num/real_time");  // wall time: several cores
    std::printf("\nFilter pass (NUMS, ten numbers): %.1f us; floor %.1f us; Matches %.1f us\n",
                pass, floor, matches);
    if (floor > 0 && pass > 0) {
        std::printf("  pass / floor    = %.2f (target <= 2)\n", pass / floor);
        std::printf("  Matches / pass  = %.2f (target >= 4)\n", matches / pass);
    }
    std::printf(
        "Generating the full set: %.3f ms (target <= 2 ms); plain copy of the set %.3f ms\n",
        generate / 1000, r.Time("Copy") / 1000);
    std::printf(
        "Comparison files of the number family: %.1f ms (target < 1000 ms); "
        "counting on one core %.1f ms\n",
        prefetch / 1000, r.Time("Count/num") / 1000);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Fixture();
    benchmark::RegisterBenchmark("Floor", BM_Floor)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Pass/NUMS", BM_Pass)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Matches/NUMS", BM_Matches)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Copy", BM_Copy)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Generate", BM_Generate)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Prefetch/num", BM_Prefetch)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Count/num", BM_CountSequential)->Unit(benchmark::kMillisecond);
    mv::bench::TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintSummary(reporter);
    benchmark::Shutdown();
    return 0;
}
