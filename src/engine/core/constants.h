#pragma once

#include <cstdint>

namespace mv {

// The game: five distinct numbers of 1..36 per draw, plus one extra number of 1..36.
inline constexpr int NumbersInDraw = 5;
inline constexpr int MaxNumber = 36;
inline constexpr int ExtraCount = 1;
// The largest draw number a new draw may have (typed, imported or downloaded): far beyond any
// real lottery, and far enough below the int32 limit that arithmetic on draw numbers never
// overflows. Draws read from the archive are taken as they are, larger numbers included.
inline constexpr std::int32_t MaxDrawNumber = 9'999'999;

namespace detail {
constexpr int SmallestSum() {
    int s = 0;
    for (int i = 1; i <= NumbersInDraw; ++i) s += i;
    return s;
}
constexpr int LargestSum() {
    int s = 0;
    for (int i = 0; i < NumbersInDraw; ++i) s += MaxNumber - i;
    return s;
}
constexpr std::int64_t Choose(int n, int k) {
    std::int64_t r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}
}  // namespace detail

inline constexpr int MinSum = detail::SmallestSum();
inline constexpr int MaxSum = detail::LargestSum();
inline constexpr int SumStep = (MaxSum - MinSum) / 10;
inline constexpr int FullSetSize = static_cast<int>(detail::Choose(MaxNumber, NumbersInDraw));
// Every number's display text is a plain integer in this game.
inline constexpr bool NumericNumbers = true;

static_assert(MinSum == 15 && MaxSum == 170 && SumStep == 15);
static_assert(FullSetSize == 376992);

}  // namespace mv
