#include "engine/stakes/systems.h"

#include <algorithm>
#include <bitset>
#include <cstdio>
#include <unordered_set>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"
#include "engine/support/atomic_file.h"
#include "engine/support/file_basics.h"

namespace mv {
namespace {

constexpr TMsgText kLoadError{TMsg::SystemCombsLoadError};
// A system file is a few thousand lines; anything near this size is not one.
constexpr std::size_t kMaxSystemFile = std::size_t{64} << 20;

std::string NotFoundText(std::size_t k) {
    return Msg(TMsg::SystemForPrefix) + std::to_string(k) + Msg(TMsg::SystemNotLoadedSuffix);
}

// The combination as a set of numbers.
std::uint64_t Key(const TComb& comb) {
    TComb sorted = comb;
    std::sort(sorted.Nums.begin(), sorted.Nums.end());
    std::uint64_t key = 0;
    for (const auto n : sorted.Nums) key = key * 256 + n;
    return key;
}

}  // namespace

std::filesystem::path SystemsFolder(const std::filesystem::path& dataDir) {
    return dataDir / "Systems";
}

std::string SystemFileName(int numbers, int block, int id) {
    char name[64];
    std::snprintf(name, sizeof name, "%d-%.2d-%d_%.4d.dat", NumbersInDraw, numbers, block, id);
    return name;
}

TCombsArray ReadSystemFile(const std::filesystem::path& file,
                           std::span<const std::uint8_t> numbers) {
    return ParseSystemText(ReadWholeFile(file, kMaxSystemFile), numbers, file.string());
}

TCombsArray ParseSystemText(std::string_view text, std::span<const std::uint8_t> numbers,
                            const std::string& fileName) {
    const std::size_t k = numbers.size();
    const auto lines = SplitTextLines(text);
    TCombsArray combs(lines.size());
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const auto where = [&] {
            return "\"" + fileName + Msg(TMsg::SystemFileLinePrefix) + std::to_string(line + 1) + ": ";
        };
        const auto words = SplitWords(lines[line], SystemSeparators);
        if (words.size() < static_cast<std::size_t>(NumbersInDraw)) {
            throw EError(where() + Msg(TMsg::SystemLessThanFive));
        }
        TComb comb;
        for (int w = 0; w < NumbersInDraw; ++w) {
            const std::string word = Trim(words[static_cast<std::size_t>(w)]);
            const auto position = StrToInt64(word);
            if (!position) throw EError(where() + "\"" + word + Msg(TMsg::NotAnIntegerSuffix));
            // A position outside the set would index past the numbers.
            if (*position < 1 || *position > static_cast<std::int64_t>(k)) {
                throw EError(where() + Msg(TMsg::SystemPositionPrefix) + word +
                             Msg(TMsg::SystemPositionOutOfRange) + std::to_string(k) + ".");
            }
            comb.Nums[static_cast<std::size_t>(w)] =
                numbers[static_cast<std::size_t>(*position - 1)];
        }
        combs.Append(comb);
    }
    return combs;
}

TSystemLookup LoadSystemCombinations(const std::filesystem::path& folder,
                                     std::span<const std::uint8_t> numbers, IUiHooks& hooks) {
    TSystemLookup result;
    const std::size_t k = numbers.size();
    char mask[32];
    std::snprintf(mask, sizeof mask, "%d-%.2d-*_*.dat", NumbersInDraw, static_cast<int>(k));
    std::vector<std::filesystem::path> found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeEc;
        if (!it->is_regular_file(typeEc)) continue;
        if (MaskMatches(mask, it->path().filename().string())) found.push_back(it->path());
    }
    if (found.empty()) {
        result.Text = NotFoundText(k);
        hooks.ShowMessage(TMessageKind::Error, result.Text + Msg(TMsg::SystemsDownloadHint));
        return result;
    }
    std::sort(found.begin(), found.end());
    const std::filesystem::path file = AbsolutePath(found.front());
    result.Text = file.string();
    try {
        result.Combs = ReadSystemFile(file, numbers);
    } catch (const std::exception& e) {
        hooks.ShowMessage(TMessageKind::Error, OperationMessage(kLoadError, e.what()));
        return result;
    }
    result.Found = !result.Combs.Empty();
    return result;
}

std::vector<std::uint8_t> DistinctListNumbers(const TCombsArray& list) {
    std::vector<std::uint8_t> numbers;
    std::bitset<256> seen;
    for (const TComb& comb : list) {
        for (const std::uint8_t n : comb.Nums) {
            if (seen[n]) continue;
            seen[n] = true;
            numbers.push_back(n);
            if (numbers.size() == static_cast<std::size_t>(MaxNumber)) return numbers;
        }
    }
    return numbers;
}

std::string SystemStakeComment(TSystemStakeMode mode, int numbers,
                               const std::filesystem::path& systemFile) {
    return Msg(TMsg::SystemGamePrefix) + std::to_string(numbers) + Msg(TMsg::SystemGameNumbers) +
           (mode == TSystemStakeMode::WholeSystem ? Msg(TMsg::SystemGameWhole)
                                                  : Msg(TMsg::SystemGameCombs)) +
           ": " + systemFile.stem().string();
}

std::vector<TStakeRecord> BuildSystemStakes(const TCombsArray& system, const TCombsArray& list,
                                            TSystemStakeMode mode, std::int32_t draw,
                                            const std::string& comment, TMoney cost) {
    std::unordered_set<std::uint64_t> inList;
    if (mode == TSystemStakeMode::ListOnly) {
        inList.reserve(list.Count());
        for (const TComb& comb : list) inList.insert(Key(comb));
    }
    std::vector<TStakeRecord> stakes;
    for (const TComb& comb : system) {
        if (mode == TSystemStakeMode::ListOnly && !inList.contains(Key(comb))) continue;
        TComb sorted = comb;
        std::sort(sorted.Nums.begin(), sorted.Nums.end());
        TStakeRecord rec;
        rec.Kind = skSystem;
        rec.DrawNumber = draw;
        rec.SampleSize = static_cast<std::int32_t>(
            mode == TSystemStakeMode::ListOnly ? list.Count() : system.Count());
        rec.Numbers.Assign(sorted.Nums);
        rec.Matches.Count = -1;
        rec.Profit = cost;
        rec.Comment = comment;
        stakes.push_back(rec);
    }
    return stakes;
}

}  // namespace mv
