// Reading and writing a 10,000-draw archive, each beside its floor measured in the same run:
// reading the same bytes with plain read(2), and writing them with plain write(2), once
// without and once with fsync (the archive writer flushes to disk, so only the second floor
// compares like with like). The ratios are printed at the end.
//
// The files live in a temporary directory under $MV_BENCH_DIR (default: the current
// directory), so the disk under test is the one the data would be on.

#include <benchmark/benchmark.h>

#include "ratio_reporter.h"
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/core/records.h"
#include "engine/draws/archive_check.h"
#include "engine/draws/archive_file.h"

namespace {

constexpr int kDraws = 10'000;

mv::TDrawsArray MakeDraws() {
    mv::TDrawsArray draws(kDraws);
    std::uint32_t x = 12345;
    for (int i = 0; i < kDraws; ++i) {
        mv::TDrawRec& d = draws[static_cast<std::size_t>(i)];
        d.Number = i + 1;
        for (auto& n : d.Nums)
            n = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) % 36 + 1);
        d.Extra = static_cast<std::uint8_t>(i % 36 + 1);
        d.SetDate("05.01.2024");
    }
    return draws;
}

struct TFixture {
    std::filesystem::path Dir;
    std::filesystem::path Archive;
    std::filesystem::path Plain;
    mv::TDrawsArray Draws = MakeDraws();
    std::string Bytes = mv::EncodeArchive(Draws);

    TFixture() {
        const char* base = std::getenv("MV_BENCH_DIR");
        std::string pattern =
            ((base ? std::filesystem::path(base) : std::filesystem::current_path()) /
             "bench-archive-XXXXXX")
                .string();
        if (!::mkdtemp(pattern.data())) std::abort();
        Dir = pattern;
        Archive = Dir / "Marvolet_5z36.ldr";
        Plain = Dir / "plain.ldr";
        mv::WriteArchiveFile(Archive, Draws);
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

void SetBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(Fixture().Bytes.size()));
}

void BM_ReadArchiveFile(benchmark::State& state) {
    mv::TDrawsArray draws;
    for (auto _ : state) {
        mv::ReadArchiveFile(Fixture().Archive, draws);
        benchmark::DoNotOptimize(draws.data());
    }
    if (draws.size() != kDraws) state.SkipWithError("wrong draw count");
    SetBytes(state);
}

void BM_ReadFloor(benchmark::State& state) {
    std::string buffer(Fixture().Bytes.size(), '\0');
    for (auto _ : state) {
        const int fd = ::open(Fixture().Archive.c_str(), O_RDONLY | O_CLOEXEC);
        std::size_t got = 0;
        ssize_t n = 0;
        while ((n = ::read(fd, buffer.data() + got, buffer.size() - got)) > 0) {
            got += static_cast<std::size_t>(n);
        }
        ::close(fd);
        benchmark::DoNotOptimize(buffer.data());
        if (got != buffer.size()) state.SkipWithError("short read");
    }
    SetBytes(state);
}

void BM_WriteArchiveFile(benchmark::State& state) {
    for (auto _ : state) mv::WriteArchiveFile(Fixture().Archive, Fixture().Draws);
    SetBytes(state);
}

void PlainWrite(benchmark::State& state, bool sync) {
    const std::string& bytes = Fixture().Bytes;
    for (auto _ : state) {
        const int fd =
            ::open(Fixture().Plain.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
            state.SkipWithError("short write");
        }
        if (sync) ::fsync(fd);
        ::close(fd);
    }
    SetBytes(state);
}

void BM_WriteFloor(benchmark::State& state) {
    PlainWrite(state, false);
}
void BM_WriteFloorFsync(benchmark::State& state) {
    PlainWrite(state, true);
}

// The archive check over 100,000 well-formed draws with increasing dates (the check does all
// of its work and finds nothing), beside one plain pass reading every record's number,
// numbers and date length: what any linear look at the archive costs.
constexpr int kCheckDraws = 100'000;

const mv::TDrawsArray& CheckDraws() {
    static const mv::TDrawsArray draws = [] {
        mv::TDrawsArray all(kCheckDraws);
        for (int i = 0; i < kCheckDraws; ++i) {
            mv::TDrawRec& d = all[static_cast<std::size_t>(i)];
            d.Number = i + 1;
            for (int k = 0; k < mv::NumbersInDraw; ++k) {
                d.Nums[static_cast<std::size_t>(k)] =
                    static_cast<std::uint8_t>((i + 7 * k) % 36 + 1);
            }
            d.Extra = static_cast<std::uint8_t>(i % 36 + 1);
            char date[16];
            std::snprintf(date, sizeof date, "%02d.%02d.%04d", i % 28 + 1, i / 28 % 12 + 1,
                          1900 + i / 336);
            d.SetDate(date);
        }
        return all;
    }();
    return draws;
}

void BM_CheckArchive(benchmark::State& state) {
    const mv::TDrawsArray& draws = CheckDraws();
    std::size_t findings = 0;
    for (auto _ : state) {
        const auto found = mv::CheckArchive(draws);
        findings = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    if (findings != 0) state.SkipWithError("the archive should be clean");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kCheckDraws);
}

void BM_CheckFloor(benchmark::State& state) {
    const mv::TDrawsArray& draws = CheckDraws();
    for (auto _ : state) {
        std::uint64_t sum = 0;
        for (const mv::TDrawRec& d : draws) {
            sum +=
                static_cast<std::uint64_t>(d.Number) + d.Nums[0] + d.Nums[4] + d.Extra + d.DateLen;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kCheckDraws);
}

BENCHMARK(BM_CheckArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckFloor)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_ReadArchiveFile);
BENCHMARK(BM_ReadFloor);
BENCHMARK(BM_WriteArchiveFile);
BENCHMARK(BM_WriteFloor);
BENCHMARK(BM_WriteFloorFsync);


}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    mv::bench::TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatio to the floor (time per archive of %d draws):\n", kDraws);
    reporter.PrintRatio("ReadArchiveFile / plain read", "BM_ReadArchiveFile", "BM_ReadFloor");
    reporter.PrintRatio("WriteArchiveFile / plain write", "BM_WriteArchiveFile", "BM_WriteFloor");
    reporter.PrintRatio("WriteArchiveFile / plain write + fsync", "BM_WriteArchiveFile",
                        "BM_WriteFloorFsync");
    std::printf("\nArchive check of %d draws:\n", kCheckDraws);
    reporter.PrintRatio("CheckArchive / plain pass", "BM_CheckArchive", "BM_CheckFloor");
    if (const double us = reporter.Time("BM_CheckArchive"); us > 0) {
        std::printf("%-46s %6.1f ms\n", "CheckArchive", us / 1000.0);
    }
    benchmark::Shutdown();
    return 0;
}
