// Writes a synthetic draws archive for demonstrations and benchmarks.
//
//   make_sample_archive OUTPUT.ldr [--count N] [--seed S]
//
// The draws are invented: numbered 1..N, five distinct numbers of 1..36 in drawing order
// (not sorted) and an extra number of 1..36, drawn on Wednesdays and Saturdays with the last
// one on Saturday 05.12.2026. The generator is a fixed splitmix64, so the same seed gives
// the same file byte for byte on every machine and library version.

#include <bitset>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "engine/core/datetime.h"
#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/draws/archive_file.h"

namespace {

constexpr std::uint64_t kDefaultSeed = 0x5A36'2026'1205'0001ULL;
constexpr int kDefaultCount = 2000;

class TSplitMix64 {
public:
    explicit TSplitMix64(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in 1..n, by rejection so that no value is favoured.
    int Between1And(int n) {
        const auto range = static_cast<std::uint64_t>(n);
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
        std::uint64_t x = Next();
        while (x >= limit) x = Next();
        return static_cast<int>(x % range) + 1;
    }

private:
    std::uint64_t m_state;
};

// Dates of `count` draws, oldest first, alternating Wednesday and Saturday backwards from
// the last (a Saturday).
std::vector<mv::TDateTime> DrawDates(int count) {
    std::vector<mv::TDateTime> dates(static_cast<std::size_t>(count));
    mv::TDateTime day = mv::EncodeDateTime({2026, 12, 5});
    bool saturday = true;
    for (int i = count - 1; i >= 0; --i) {
        dates[static_cast<std::size_t>(i)] = day;
        day -= saturday ? 3 : 4;  // Saturday -> Wednesday before, Wednesday -> Saturday before
        saturday = !saturday;
    }
    return dates;
}

mv::TDrawsArray MakeDraws(int count, std::uint64_t seed) {
    TSplitMix64 random(seed);
    const auto dates = DrawDates(count);
    mv::TDrawsArray draws;
    draws.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        mv::TDrawRec& d = draws.emplace_back();
        d.Number = i + 1;
        std::bitset<mv::MaxNumber + 1> taken;
        for (auto& n : d.Nums) {
            int v = random.Between1And(mv::MaxNumber);
            while (taken.test(static_cast<std::size_t>(v))) v = random.Between1And(mv::MaxNumber);
            taken.set(static_cast<std::size_t>(v));
            n = static_cast<std::uint8_t>(v);
        }
        d.Extra = static_cast<std::uint8_t>(random.Between1And(mv::MaxNumber));
        d.SetDate(mv::DrawDateText(dates[static_cast<std::size_t>(i)]));
    }
    return draws;
}

int Usage() {
    std::cerr << "usage: make_sample_archive OUTPUT.ldr [--count N] [--seed S]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string output;
    int count = kDefaultCount;
    std::uint64_t seed = kDefaultSeed;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--count" || a == "--seed") && i + 1 < argc) {
            char* end = nullptr;
            const unsigned long long v = std::strtoull(argv[++i], &end, 0);
            if (*end != '\0') return Usage();
            if (a == "--count") {
                if (v < 1 || v > 10'000'000) return Usage();
                count = static_cast<int>(v);
            } else {
                seed = v;
            }
        } else if (output.empty() && !a.empty() && a[0] != '-') {
            output = a;
        } else {
            return Usage();
        }
    }
    if (output.empty()) return Usage();
    try {
        mv::WriteArchiveFile(output, MakeDraws(count, seed));
    } catch (const mv::EError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    std::cerr << count << " synthetic draws written to " << output << " (seed 0x" << std::hex
              << seed << ")\n";
    return 0;
}
