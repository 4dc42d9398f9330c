#include "engine/combs/generation.h"

#include <algorithm>
#include <array>
#include <optional>

#include "engine/combs/comb_files.h"
#include "engine/combs/drawn_set.h"
#include "engine/combs/full_set.h"
#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {

constexpr TMsg kModeTexts[GenerateModeCount] = {
    TMsg::GenerateFullList,         TMsg::GenerateMyNumbersAny, TMsg::GenerateMyNumbersOnly,
    TMsg::GenerateMyNumbersExclude, TMsg::GenerateFromCsv,
};

// Enumerates the full set and appends the sets whose count of my numbers passes `keep`.
template <class TKeep>
void AppendFiltered(const std::bitset<256>& mine, TKeep keep, TCombsArray& list) {
    std::array<std::uint8_t, MaxNumber + 1> m{};
    for (int n = 1; n <= MaxNumber; ++n)
        m[static_cast<std::size_t>(n)] = mine[static_cast<std::size_t>(n)] ? 1 : 0;
    for (int a = 1; a <= MaxNumber - 4; ++a) {
        for (int b = a + 1; b <= MaxNumber - 3; ++b) {
            for (int c = b + 1; c <= MaxNumber - 2; ++c) {
                const int abc = m[a] + m[b] + m[c];
                for (int d = c + 1; d <= MaxNumber - 1; ++d) {
                    for (int e = d + 1; e <= MaxNumber; ++e) {
                        if (!keep(abc + m[d] + m[e])) continue;
                        TComb comb;
                        comb.Nums = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                     static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d),
                                     static_cast<std::uint8_t>(e)};
                        list.Append(comb);
                    }
                }
            }
        }
    }
}

}  // namespace

bool FillGeneratedList(int mode, const std::string& parameter, TCombsArray& list,
                       IUiHooks& hooks) {
    if (mode < 0 || mode >= GenerateModeCount) mode = gmFullSet;
    list.Clear();
    if (mode == gmFromFile) {
        const std::string file = Trim(parameter);
        try {
            ReadCombinationsFile(file, list);
        } catch (const EError& e) {
            hooks.ShowMessage(TMessageKind::Error, e.what());
            return false;
        }
        return true;
    }
    AppendGeneratedSets(mode, mode == gmFullSet ? std::bitset<256>() : ParseMyNumbers(parameter),
                        list);
    return true;
}

const char* GenerateModeText(int mode) {
    return Msg(mode >= 0 && mode < GenerateModeCount ? kModeTexts[mode] : kModeTexts[0]).c_str();
}

std::bitset<256> ParseMyNumbers(const std::string& text) {
    std::bitset<256> set;
    for (const std::string& word : SplitWords(text, ",;")) {
        const std::int32_t n = StrToIntDef(Trim(word), 0);
        if (n >= 0 && n <= 255) set.set(static_cast<std::size_t>(n));
    }
    return set;
}

void AppendGeneratedSets(int mode, const std::bitset<256>& mine, TCombsArray& list) {
    switch (mode) {
        case gmAnyOfMine:
            AppendFiltered(
                mine, [](int k) { return k > 0; }, list);
            return;
        case gmOnlyMine:
            AppendFiltered(
                mine, [](int k) { return k == NumbersInDraw; }, list);
            return;
        case gmNoneOfMine:
            AppendFiltered(
                mine, [](int k) { return k == 0; }, list);
            return;
        default: {
            // The whole set: written in place, no test per combination.
            const std::size_t start = list.Count();
            list.Reserve(start + FullSetSize);
            FillFullSet(list.Data() + start);
            list.SetCount(start + FullSetSize);
        }
    }
}

// --- list tools ---------------------------------------------------------------------------

void CopyUndrawn(const TCombsArray& source, const std::vector<const std::uint8_t*>& draws,
                 TCombsArray& target,
                 const std::function<void(std::size_t, std::size_t)>& progress) {
    TDrawnSet drawn(draws);
    const std::size_t total = source.Count();
    target.Clear();
    target.Reserve(total);
    const std::size_t step = std::max<std::size_t>(1, total / 100);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < total; ++i) {
        const TComb& comb = source[i];
        target[kept] = comb;
        kept += drawn.Contains(comb.Nums.data()) ? 0 : 1;
        if ((i + 1) % step == 0 && progress) progress(i + 1, total);
    }
    target.SetCount(kept);
}

std::size_t CopyUnselectedRows(const TCombsArray& source,
                               const std::vector<std::size_t>& selectedRows, TCombsArray& target) {
    const std::size_t total = source.Count();
    std::vector<bool> selected(total, false);
    std::size_t selectedCount = 0;
    for (const std::size_t row : selectedRows) {
        if (row < total && !selected[row]) {
            selected[row] = true;
            ++selectedCount;
        }
    }
    target.Clear();
    target.Reserve(total);
    for (std::size_t i = 0; i < total; ++i) {
        if (!selected[i]) target.Append(source[i]);
    }
    return selectedCount;
}

}  // namespace mv
