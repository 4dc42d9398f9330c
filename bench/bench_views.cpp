// The computations behind the analysis views over a 10,000-draw archive, each as the view
// asks for it:
//   Card            the map of the whole archive;
//   CardColours     the colours of one screen of the map (40 rows x 36 numbers);
//   Layout          the layout over the whole archive (its default window is 100);
//   CompareLists    the five comparison lists with their default windows;
//   Week            the week counts over the whole archive;
//   RepeatsDefault  the repeats analysis with its default window and depth (100, 100);
//   RepeatsWhole    the same over every draw with depth 100;
//   Sums            the sums distribution with its chart points (the 376,992 combinations
//                   are enumerated once per program; SumsEnumeration is that first time).
// Each must stay within 50 ms on a developer machine.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/support/ui_hooks.h"
#include "engine/views/card.h"
#include "engine/views/layout.h"
#include "engine/views/repeats.h"
#include "engine/views/sums.h"
#include "engine/views/week.h"

namespace {

constexpr int kDraws = 10000;

const mv::TDrawsArray& Draws() {
    static const mv::TDrawsArray draws = [] {
        std::mt19937 random(20240105u);
        mv::TDrawsArray result(kDraws);
        for (int i = 0; i < kDraws; ++i) {
            mv::TDrawRec& d = result[static_cast<std::size_t>(i)];
            d.Number = i + 1;
            std::vector<std::uint8_t> pool;
            for (int n = 1; n <= mv::MaxNumber; ++n) pool.push_back(static_cast<std::uint8_t>(n));
            for (auto& n : d.Nums) {
                const std::size_t k = random() % pool.size();
                n = pool[k];
                pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(k));
            }
            d.Extra = static_cast<std::uint8_t>(random() % 4 + 1);
            // Dates a day apart, so every day of the week occurs.
            const int day = i % 28 + 1;
            d.SetDate((day < 10 ? "0" : "") + std::to_string(day) + ".02.2023");
        }
        return result;
    }();
    return draws;
}

void Card(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(mv::TCard(Draws()));
}
BENCHMARK(Card)->Unit(benchmark::kMillisecond);

void CardColours(benchmark::State& state) {
    const mv::TCard card(Draws());
    for (auto _ : state) {
        int sum = 0;
        for (int row = kDraws / 2; row < kDraws / 2 + 40; ++row) {
            for (int n = 1; n <= mv::MaxNumber; ++n) {
                sum += mv::CardCellColour(card, row, n, true, true, 6)->G;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(CardColours)->Unit(benchmark::kMillisecond);

void Layout(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(mv::BuildLayoutGrid(Draws(), 0, kDraws, {}));
    }
}
BENCHMARK(Layout)->Unit(benchmark::kMillisecond);

void CompareLists(benchmark::State& state) {
    for (auto _ : state) {
        for (const int window : {50, 100, 200, 300, 400}) {
            benchmark::DoNotOptimize(mv::BuildCompareList(Draws(), 0, window));
        }
    }
}
BENCHMARK(CompareLists)->Unit(benchmark::kMillisecond);

void Week(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(mv::ComputeWeekCounts(Draws(), 0, kDraws));
}
BENCHMARK(Week)->Unit(benchmark::kMillisecond);

void Repeats(benchmark::State& state) {
    mv::TSilentUiHooks hooks;
    const int window = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(mv::ComputeRepeats(Draws(), window, 100, hooks));
    }
}
BENCHMARK(Repeats)->Name("RepeatsDefault")->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(Repeats)->Name("RepeatsWhole")->Arg(kDraws)->Unit(benchmark::kMillisecond);

void SumsEnumeration(benchmark::State& state) {
    for (auto _ : state) {
        // The first call of a program pays for the enumeration; measured here once.
        benchmark::DoNotOptimize(mv::TheoreticalSums());
    }
}
BENCHMARK(SumsEnumeration)->Iterations(1)->Unit(benchmark::kMillisecond);

void Sums(benchmark::State& state) {
    for (auto _ : state) {
        const mv::TSumsDistribution d = mv::ComputeSumsDistribution(Draws());
        benchmark::DoNotOptimize(mv::SumsChartPoints(d));
    }
}
BENCHMARK(Sums)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
