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
    benchmark::Shutdown();
    return 0;
}
