#include "engine/core/game.h"

#include <cmath>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {

long double Factorial(int n) {
    long double r = 1.0L;
    for (int i = 2; i <= n; ++i) r *= i;
    return r;
}

// n * (n - 1) * ... * (n - count + 1)
long double FallingProduct(int n, int count) {
    long double r = 1.0L;
    for (int i = 0; i < count; ++i) r *= n - i;
    return r;
}

constexpr std::array<TRgb, ChannelPaletteSize> kPalette = {{
    {170, 255, 170}, {255, 255, 170}, {170, 255, 255}, {255, 170, 170}, {170, 170, 255},
    {255, 213, 170}, {213, 170, 255}, {212, 212, 212}, {170, 213, 255}, {255, 170, 213},
    {213, 255, 213}, {255, 255, 213}, {213, 255, 255}, {255, 213, 213}, {213, 213, 255},
    {255, 234, 213}, {234, 213, 255}, {233, 233, 233}, {213, 234, 255},
}};

}  // namespace

std::int64_t Binomial(int n, int k) {
    if (k >= n) return 1;
    return std::llround(Factorial(n) / (Factorial(n - k) * Factorial(k)));
}

std::int64_t HitCount(int k) {
    const int rest = NumbersInDraw - k;
    const long double drawn = FallingProduct(NumbersInDraw, k) / Factorial(k);
    const long double others = FallingProduct(MaxNumber - NumbersInDraw, rest) / Factorial(rest);
    return std::llround(drawn * others);
}

const std::array<THitEntry, NumbersInDraw + 1>& HitTable() {
    static const auto table = [] {
        std::array<THitEntry, NumbersInDraw + 1> t{};
        const long double full = static_cast<long double>(Binomial(MaxNumber, NumbersInDraw));
        for (int k = 0; k <= NumbersInDraw; ++k) {
            t[k].Count = static_cast<std::int32_t>(HitCount(k));
            t[k].Probability = t[k].Count / full;
        }
        return t;
    }();
    return table;
}

void SortNumbers(TDrawRec& draw) {
    auto& n = draw.Nums;
    for (std::size_t i = 1; i < n.size(); ++i) {
        const std::uint8_t v = n[i];
        std::size_t j = i;
        for (; j > 0 && n[j - 1] > v; --j) n[j] = n[j - 1];
        n[j] = v;
    }
}

int CountMatches(const std::uint8_t* a, const std::uint8_t* b) {
    int count = 0;
    for (int i = 0; i < NumbersInDraw; ++i) {
        for (int j = 0; j < NumbersInDraw; ++j) count += a[i] == b[j] ? 1 : 0;
    }
    return count;
}

int ChannelOf(int number, int width) { return (number + width - 1) / width; }

TRgb ChannelPalette(int index) { return kPalette[static_cast<std::size_t>(index - 1)]; }

TRgb ChannelColor(int number, int width) {
    if (number < 1 || number > MaxNumber || width < 1) return {255, 0, 0};
    int c = ChannelOf(number, width);
    while (c > ChannelPaletteSize) c -= ChannelPaletteSize;
    return ChannelPalette(c);
}

int MatrixRows(int cols) { return cols < 1 ? MaxNumber : (MaxNumber + cols - 1) / cols; }

std::string DrawDateText(TDateTime t) {
    if (t <= 0) return {};
    const TDateParts p = DecodeDateTime(t);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", p.Day, p.Month, p.Year);
    return buffer;
}

TDateTime ParseDrawDate(const std::string& text) {
    if (Trim(text).empty()) return 0;
    // Fixed positions of the mask "dd.mm.yyyy"; a missing part reads as 0.
    const auto part = [&text](std::size_t pos, std::size_t len) {
        return pos < text.size() ? StrToIntDef(text.substr(pos, len), 0) : 0;
    };
    TDateParts p;
    p.Day = part(0, 2);
    p.Month = part(3, 2);
    p.Year = part(6, 4);
    if (!IsValidDate(p.Year, p.Month, p.Day)) {
        throw EConvertError("\"" + text + Msg(TMsg::InvalidDateSuffix));
    }
    return EncodeDateTime(p);
}

std::string CombText(const TComb& comb) {
    std::string out;
    for (int i = 0; i < NumbersInDraw; ++i) {
        std::string word = std::to_string(comb.Nums[i]);
        while (NumericNumbers && word.size() < 2) word.insert(0, "0");
        if (i > 0) out += ' ';
        out += word;
    }
    return out;
}

TComb ParseCombText(const std::string& line) {
    const auto words = SplitWords(line, "\t ,-.:;|");
    if (words.size() != NumbersInDraw) {
        throw EError(Msg(TMsg::InvalidCombinationPrefix) + line + "\"!");
    }
    TComb comb;
    for (int i = 0; i < NumbersInDraw; ++i) {
        comb.Nums[i] = StrToByteOrZero(words[i]);
    }
    return comb;
}

std::string DrawNumbersText(const TDrawRec& draw) {
    std::string out;
    for (int i = 0; i < NumbersInDraw; ++i) {
        if (i > 0) out += ';';
        out += std::to_string(draw.Nums[i]);
    }
    return out;
}

std::string DrawLineText(const TDrawRec& draw) {
    return Msg(TMsg::DrawNumberPrefix) + std::to_string(draw.Number) + Msg(TMsg::DrawDateOf) +
           draw.Date() + Msg(TMsg::DrawValuesLabel) + DrawNumbersText(draw) +
           " e:" + std::to_string(draw.Extra);
}

int NumbersSum(const std::array<std::uint8_t, NumbersInDraw>& nums) {
    int sum = 0;
    for (const auto n : nums) sum += n;
    return sum;
}

int UniqueNumberCount(const TComb* list, std::size_t count) {
    std::array<bool, 256> seen{};
    int distinct = 0;
    for (std::size_t i = 0; i < count && distinct < MaxNumber; ++i) {
        for (const auto n : list[i].Nums) {
            if (!seen[n]) {
                seen[n] = true;
                ++distinct;
            }
        }
    }
    return distinct;
}

}  // namespace mv
