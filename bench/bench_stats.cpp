// The statistics at work, per method of the registry:
//   Window/<code>   the statistics table of a 1,000-draw window (offset 0, no comparison);
//   Batch/<code>    one filter pass over the full set through the batch path: the filter is
//                   prepared once, each pass compacts the set into a second buffer;
//   Matches/<code>  the same pass through per-combination Matches (one virtual call each);
//   Prepare/<code>  preparing the batch filter, paid once per pass before it;
// and Floor: the same compaction with the cheapest test there is, one byte compared per
// combination without a branch (FloorWord: the same, moving 8-byte words as the batch
// filters do). A table of times and ratios is printed at the end; with repetitions the
// medians are used, e.g.
//   bench_stats --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true
//               --benchmark_display_aggregates_only=true
//
// The archive is synthetic (a fixed seed), so runs compare like with like. Each method
// filters with a selection of about ten of its values: the values of a few combinations
// spread over the full set (for the numbers, ten numbers).

#include <benchmark/benchmark.h>

#include "ratio_reporter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/combs/full_set.h"
#include "engine/stats/stat_list.h"
#include "engine/stats/stat_table.h"

namespace {

constexpr int kDraws = 1000;
constexpr std::size_t kSelectionSize = 10;

mv::TDrawsArray MakeDraws() {
    std::mt19937 random(20240105u);
    mv::TDrawsArray draws(kDraws);
    for (int i = 0; i < kDraws; ++i) {
        mv::TDrawRec& d = draws[static_cast<std::size_t>(i)];
        d.Number = i + 1;
        std::vector<std::uint8_t> pool;
        for (int n = 1; n <= mv::MaxNumber; ++n) pool.push_back(static_cast<std::uint8_t>(n));
        for (auto& n : d.Nums) {
            const std::size_t k = random() % pool.size();
            n = pool[k];
            pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(k));
        }
        d.Extra = static_cast<std::uint8_t>(random() % mv::MaxNumber + 1);
        d.SetDate("05.01.2024");
    }
    return draws;
}

struct TFixture {
    mv::TDrawsArray Draws = MakeDraws();
    mv::TStatList Registry;
    std::vector<mv::TComb> Full = mv::FullSet();
    std::vector<mv::TComb> Out = std::vector<mv::TComb>(Full.size());
    int LastIndex = kDraws - 1;

    TFixture() {
        Registry.SetDraws(&Draws);
        // Segments: nine blocks of 2 x 2 cells of the six-column matrix, so that the segment
        // methods work with as many segments as a layout can have.
        for (int n = 1; n <= mv::MaxNumber; ++n) {
            Registry.Config().MatrixSegments[static_cast<std::size_t>(n - 1)] =
                static_cast<std::uint8_t>((n - 1) / 12 * 3 + (n - 1) % 6 / 2 + 1);
        }
        Registry.BuildMethods();
    }
};

TFixture& Fixture() {
    static TFixture fixture;
    return fixture;
}

// Methods whose values come from draws only (a bare combination has none): values of the
// 1,000-draw window, every few of them so that the selection spreads over the table.
mv::TStatDrawArray WindowSelection(mv::TCustomStat& stat) {
    const TFixture& f = Fixture();
    mv::TStatDrawArray values;
    mv::TLastValueArray lastValues;
    mv::TStatScratch scratch{};
    stat.InitValues(f.LastIndex, values);
    for (int i = 0; i <= f.LastIndex; ++i) {
        stat.AddDraw(i, f.LastIndex, lastValues, scratch, values, false);
    }
    mv::TStatDrawArray selected;
    const std::size_t step = std::max<std::size_t>(1, values.size() / kSelectionSize);
    for (std::size_t i = 0; i < values.size() && selected.size() < kSelectionSize; i += step) {
        selected.push_back(values[i]);
    }
    return selected;
}

// About ten values of the method: those of combinations spread over the full set.
mv::TStatDrawArray Selection(mv::TCustomStat& stat) {
    const std::vector<mv::TComb>& full = Fixture().Full;
    mv::TStatDrawArray selected;
    for (std::size_t k = 0; k < 64 && selected.size() < kSelectionSize; ++k) {
        stat.AddCombination(full[(k * 104729u + 4711u) % full.size()].Nums.data(), selected);
    }
    if (selected.empty()) selected = WindowSelection(stat);
    if (selected.size() > kSelectionSize) selected.resize(kSelectionSize);
    return selected;
}

void SetItems(benchmark::State& state, std::size_t kept) {
    const auto n = static_cast<std::int64_t>(Fixture().Full.size());
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * n);
    state.counters["kept"] = static_cast<double>(kept);
}

void BM_Window(benchmark::State& state, int method) {
    TFixture& f = Fixture();
    mv::TStatTableRequest request;
    request.Registry = &f.Registry;
    request.MethodIndex = method;
    request.Draws = &f.Draws;
    request.WindowLength = kDraws;
    std::size_t rows = 0;
    for (auto _ : state) {
        const mv::TStatTable table = mv::ComputeStatTable(request);
        rows = table.Rows.size();
        benchmark::DoNotOptimize(table.Rows.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_Batch(benchmark::State& state, int method) {
    TFixture& f = Fixture();
    auto stat = f.Registry.CreateStat(f.Registry.Method(method));
    const mv::TStatDrawArray selected = Selection(*stat);
    const auto filter = stat->PrepareFilter(selected, false, false, f.LastIndex);
    std::size_t kept = 0;
    for (auto _ : state) {
        kept = filter->Apply(f.Full.data(), f.Full.size(), true, f.Out.data());
        benchmark::DoNotOptimize(kept);
        benchmark::ClobberMemory();
    }
    SetItems(state, kept);
}

// What a filter costs before its first pass (the pair tables of the batch path).
void BM_Prepare(benchmark::State& state, int method) {
    TFixture& f = Fixture();
    auto stat = f.Registry.CreateStat(f.Registry.Method(method));
    const mv::TStatDrawArray selected = Selection(*stat);
    for (auto _ : state) {
        auto filter = stat->PrepareFilter(selected, false, false, f.LastIndex);
        benchmark::DoNotOptimize(filter.get());
    }
}

void BM_Matches(benchmark::State& state, int method) {
    TFixture& f = Fixture();
    auto stat = f.Registry.CreateStat(f.Registry.Method(method));
    const mv::TStatDrawArray selected = Selection(*stat);
    stat->LoadDraws(-1, f.LastIndex, false);
    const mv::TComb* in = f.Full.data();
    mv::TComb* out = f.Out.data();
    const std::size_t count = f.Full.size();
    std::size_t kept = 0;
    for (auto _ : state) {
        kept = 0;
        for (std::size_t i = 0; i < count; ++i) {
            out[kept] = in[i];
            kept += static_cast<std::size_t>(
                stat->Matches(in[i].Nums.data(), selected, false, false, f.LastIndex));
        }
        benchmark::DoNotOptimize(kept);
        benchmark::ClobberMemory();
    }
    SetItems(state, kept);
}

// The smallest first number such that the combinations starting below it are about half.
std::uint8_t HalfThreshold() {
    const std::vector<mv::TComb>& full = Fixture().Full;
    std::size_t below = 0;
    for (int x = 1; x <= mv::MaxNumber; ++x) {
        below += static_cast<std::size_t>(std::count_if(
            full.begin(), full.end(), [x](const mv::TComb& c) { return c.Nums[0] == x; }));
        if (2 * below >= full.size()) return static_cast<std::uint8_t>(x + 1);
    }
    return mv::MaxNumber;
}

// One byte compared per combination, no branch. The order test is the floor's one byte:
// no single first number starts half of the set, a bound does.
void BM_Floor(benchmark::State& state) {
    TFixture& f = Fixture();
    std::uint8_t x = HalfThreshold();
    const mv::TComb* in = f.Full.data();
    mv::TComb* out = f.Out.data();
    const std::size_t count = f.Full.size();
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

// The same floor moving each combination as one 8-byte word, as the batch filters do (all
// but the last; it stays inside both buffers): the cheapest compaction this machine does.
void BM_FloorWord(benchmark::State& state) {
    TFixture& f = Fixture();
    std::uint8_t x = HalfThreshold();
    const auto* in = reinterpret_cast<const unsigned char*>(f.Full.data());
    auto* out = reinterpret_cast<unsigned char*>(f.Out.data());
    const std::size_t count = f.Full.size();
    std::size_t kept = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        kept = 0;
        for (std::size_t i = 0; i + 1 < count; ++i) {
            std::uint64_t word;
            std::memcpy(&word, in + 5 * i, sizeof word);
            std::memcpy(out + 5 * kept, &word, sizeof word);
            kept += static_cast<std::size_t>(static_cast<std::uint8_t>(word) < x);
        }
        benchmark::DoNotOptimize(kept);
        benchmark::ClobberMemory();
    }
    SetItems(state, kept);
}


void PrintTable(const mv::bench::TRatioReporter& reporter, const std::vector<std::string>& codes) {
    const double floor = reporter.Time("Floor");
    const double floorWord = reporter.Time("FloorWord");
    std::printf(
        "\nPer method (microseconds; a pass is %d combinations, the window %d draws;\n"
        "floor %.1f, word-move floor %.1f):\n",
        mv::FullSetSize, kDraws, floor, floorWord);
    std::printf("%-6s %9s %9s %9s %10s %12s %15s %14s\n", "method", "window", "prepare", "batch",
                "Matches", "batch/floor", "batch/wordfloor", "Matches/batch");
    for (const std::string& code : codes) {
        const double window = reporter.Time("Window/" + code);
        const double batch = reporter.Time("Batch/" + code);
        const double matches = reporter.Time("Matches/" + code);
        if (batch <= 0 || floor <= 0 || floorWord <= 0) continue;
        std::printf("%-6s %9.1f %9.1f %9.1f %10.1f %12.2f %15.2f %14.1f\n", code.c_str(), window,
                    reporter.Time("Prepare/" + code), batch, matches, batch / floor,
                    batch / floorWord, matches / batch);
    }
}

// Per group, the slowest filter pass among the methods whose value does not depend on the
// draws (no flag D or P: the pass targets 2x the floor) and among the others, and the
// slowest window analysis, e.g. for the channel group:
//   grp  batch KCM4 2.10 x floor   window CHNV 812.0 us
void PrintSlowestPerGroup(const mv::bench::TRatioReporter& reporter, const mv::TStatList& registry) {
    const double floor = reporter.Time("Floor");
    if (floor <= 0) return;
    std::printf("\nSlowest per group (batch pass / floor; window of %d draws):\n", kDraws);
    for (int group = 0; group < mv::StatGroupCount; ++group) {
        std::string batchCode[2], windowCode;
        double batch[2] = {0, 0};
        double window = 0;
        for (int i = 0; i < registry.MethodCount(); ++i) {
            const mv::TStatMethod& m = registry.Method(i);
            if (m.StatClass->Group != group) continue;
            const std::string code = mv::TStatList::MethodCode(m);
            const int kind = (m.StatClass->Flags & (mv::sfReference | mv::sfPeriod)) ? 1 : 0;
            const double b = reporter.Time("Batch/" + code);
            if (b > batch[kind]) batch[kind] = b, batchCode[kind] = code;
            const double w = reporter.Time("Window/" + code);
            if (w > window) window = w, windowCode = code;
        }
        if (batch[0] <= 0 && batch[1] <= 0 && window <= 0) continue;
        std::printf("%-4s", mv::StatGroupCode(group));
        for (int kind = 0; kind < 2; ++kind) {
            if (batch[kind] > 0) {
                std::printf("  %s %-6s %5.2f x floor", kind == 0 ? "batch" : "batch(D/P)",
                            batchCode[kind].c_str(), batch[kind] / floor);
            }
        }
        if (window > 0) std::printf("  window %-6s %9.1f us", windowCode.c_str(), window);
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const mv::TStatList& registry = Fixture().Registry;
    std::vector<std::string> codes;
    for (int i = 0; i < registry.MethodCount(); ++i) {
        codes.push_back(mv::TStatList::MethodCode(registry.Method(i)));
    }
    benchmark::RegisterBenchmark("Floor", BM_Floor)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FloorWord", BM_FloorWord)->Unit(benchmark::kMicrosecond);
    for (int i = 0; i < registry.MethodCount(); ++i) {
        const std::string& code = codes[static_cast<std::size_t>(i)];
        benchmark::RegisterBenchmark(("Window/" + code).c_str(), BM_Window, i)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Batch/" + code).c_str(), BM_Batch, i)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Matches/" + code).c_str(), BM_Matches, i)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Prepare/" + code).c_str(), BM_Prepare, i)
            ->Unit(benchmark::kMicrosecond);
    }
    mv::bench::TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintTable(reporter, codes);
    PrintSlowestPerGroup(reporter, registry);
    benchmark::Shutdown();
    return 0;
}
