// The stakes file: checking 100,000 stakes against a 10,000-draw archive, and appending
// 10,000 stakes, each beside its floor measured in the same run.
//
// Checking reads every record and writes the checked ones back in place; its floor reads the
// same 31.2 MB with plain pread(2) and writes them back with plain pwrite(2), in the same
// blocks. Appending is timed one record per call (as a scenario adds its stakes) and as one
// set (AppendMany); the floors write the same bytes with plain write(2), one record per call
// and all at once. The ratios are printed at the end.
//
// The files live in a temporary directory under $MV_BENCH_DIR (default: the current
// directory), so the disk under test is the one the data would be on.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>
#include "ratio_reporter.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/records.h"
#include "engine/stakes/stake_check.h"
#include "engine/stakes/stake_record.h"
#include "engine/stakes/stakes_file.h"
#include "engine/stats/stat_list.h"
#include "engine/support/data_lock.h"
#include "engine/support/ui_hooks.h"

namespace {

constexpr int kDraws = 10'000;
constexpr int kStakes = 100'000;
constexpr int kAppended = 10'000;
constexpr std::size_t kBlock = 4096 * mv::StakeRecSize;

std::uint32_t g_seed = 12345;
std::uint8_t Random36() {
    g_seed = g_seed * 1103515245u + 12345u;
    return static_cast<std::uint8_t>((g_seed >> 8) % 36 + 1);
}

mv::TDrawsArray MakeDraws() {
    mv::TDrawsArray draws(kDraws);
    for (int i = 0; i < kDraws; ++i) {
        mv::TDrawRec& d = draws[static_cast<std::size_t>(i)];
        d.Number = i + 1;
        for (auto& n : d.Nums) n = Random36();
    }
    return draws;
}

// Unchecked stakes for draws spread over the archive, in blocks behind markers.
std::vector<mv::TStakeRecord> MakeStakes(int count) {
    std::vector<mv::TStakeRecord> stakes;
    stakes.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        if (i % 50 == 0) {
            stakes.push_back(mv::MakeStakeMarker());
            continue;
        }
        mv::TStakeRecord rec;
        rec.Kind = mv::skScript;
        rec.DrawNumber = 1 + (i * 7) % kDraws;
        rec.SampleSize = 1000;
        std::uint8_t nums[5];
        for (auto& n : nums) n = Random36();
        rec.Numbers.Assign(nums);
        rec.Matches.Count = -1;
        rec.Profit = -15000;
        rec.Comment = "Сценарий: тест производительности";
        stakes.push_back(rec);
    }
    return stakes;
}

std::string Encode(const std::vector<mv::TStakeRecord>& recs) {
    std::string bytes;
    for (const auto& r : recs) {
        const mv::TStakeBytes b = mv::EncodeStakeRec(r);
        bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    return bytes;
}

struct TFixture {
    std::filesystem::path Dir;
    mv::TDrawsArray Draws = MakeDraws();
    std::vector<mv::TStakeRecord> Stakes = MakeStakes(kStakes);
    std::string StakeBytes = Encode(Stakes);
    std::vector<mv::TStakeRecord> Appended = MakeStakes(kAppended);
    std::string AppendedBytes = Encode(Appended);
    mv::TStatList Stats;
    mv::TDataLock Lock;
    mv::TStakesFile File{Lock};
    mv::TSilentUiHooks Hooks;

    TFixture() {
        const char* base = std::getenv("MV_BENCH_DIR");
        std::string pattern =
            ((base ? std::filesystem::path(base) : std::filesystem::current_path()) /
             "bench-stakes-XXXXXX")
                .string();
        if (!::mkdtemp(pattern.data())) std::abort();
        Dir = pattern;
        Stats.SetDraws(&Draws);
        Stats.Config().Cost = 15000;
        Stats.Config().Profits = {{3, 150000}, {4, 5000000}, {5, 100000000}};
        Lock.Acquire(Dir / "Marvolet_5z36.lsk");
    }
    ~TFixture() {
        Lock.Release();
        std::error_code ec;
        std::filesystem::remove_all(Dir, ec);
    }
    // The stakes file holds exactly `bytes`.
    void Reset(const std::string& bytes) {
        File.Truncate();
        if (::pwrite(Lock.Descriptor(), bytes.data(), bytes.size(), 0) !=
            static_cast<ssize_t>(bytes.size())) {
            std::abort();
        }
        File.ForgetCache();
    }
};

TFixture& Fixture() {
    static TFixture fixture;
    return fixture;
}

void BM_CheckStakes(benchmark::State& state) {
    TFixture& f = Fixture();
    mv::TStakeCheckParams params;
    params.Draws = &f.Draws;
    params.Stats = &f.Stats;
    std::int64_t checked = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.Reset(f.StakeBytes);
        state.ResumeTiming();
        checked = mv::CheckStakes(f.File, params, f.Hooks).CheckedCount;
    }
    if (checked != kStakes - kStakes / 50) state.SkipWithError("wrong checked count");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(f.StakeBytes.size()));
}

void BM_CheckFloor(benchmark::State& state) {
    TFixture& f = Fixture();
    std::vector<char> buffer(kBlock);
    const int fd = f.Lock.Descriptor();
    for (auto _ : state) {
        state.PauseTiming();
        f.Reset(f.StakeBytes);
        state.ResumeTiming();
        for (std::size_t at = 0; at < f.StakeBytes.size(); at += kBlock) {
            const std::size_t n = std::min(kBlock, f.StakeBytes.size() - at);
            if (::pread(fd, buffer.data(), n, static_cast<off_t>(at)) != static_cast<ssize_t>(n) ||
                ::pwrite(fd, buffer.data(), n, static_cast<off_t>(at)) != static_cast<ssize_t>(n)) {
                state.SkipWithError("short read or write");
            }
        }
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(f.StakeBytes.size()));
}

void SetAppendedBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(Fixture().AppendedBytes.size()));
}

void BM_AppendStakeEach(benchmark::State& state) {
    TFixture& f = Fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.Reset(std::string());
        state.ResumeTiming();
        for (const auto& rec : f.Appended) f.File.Append(rec);
    }
    if (f.File.Count() != kAppended) state.SkipWithError("wrong count");
    SetAppendedBytes(state);
}

void BM_AppendStakeSet(benchmark::State& state) {
    TFixture& f = Fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.Reset(std::string());
        state.ResumeTiming();
        f.File.AppendMany(f.Appended);
    }
    if (f.File.Count() != kAppended) state.SkipWithError("wrong count");
    SetAppendedBytes(state);
}

void PlainAppend(benchmark::State& state, std::size_t chunk) {
    TFixture& f = Fixture();
    const std::string& bytes = f.AppendedBytes;
    const int fd = f.Lock.Descriptor();
    for (auto _ : state) {
        state.PauseTiming();
        f.Reset(std::string());
        state.ResumeTiming();
        for (std::size_t at = 0; at < bytes.size(); at += chunk) {
            if (::pwrite(fd, bytes.data() + at, chunk, static_cast<off_t>(at)) !=
                static_cast<ssize_t>(chunk)) {
                state.SkipWithError("short write");
            }
        }
    }
    SetAppendedBytes(state);
}

void BM_AppendFloorEach(benchmark::State& state) {
    PlainAppend(state, mv::StakeRecSize);
}
void BM_AppendFloorSet(benchmark::State& state) {
    PlainAppend(state, Fixture().AppendedBytes.size());
}

BENCHMARK(BM_CheckStakes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendStakeEach)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendFloorEach)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendStakeSet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendFloorSet)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    mv::bench::TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatio to the floor:\n");
    reporter.PrintRatio("CheckStakes (100,000) / plain read+write", "BM_CheckStakes",
                        "BM_CheckFloor");
    reporter.PrintRatio("Append x 10,000 / plain write x 10,000", "BM_AppendStakeEach",
                        "BM_AppendFloorEach");
    reporter.PrintRatio("AppendMany (10,000) / one plain write", "BM_AppendStakeSet",
                        "BM_AppendFloorSet");
    benchmark::Shutdown();
    return 0;
}
