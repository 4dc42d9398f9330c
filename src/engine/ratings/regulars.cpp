#include "engine/ratings/regulars.h"

#include <algorithm>

#include "engine/core/byte_order.h"
#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"
#include "engine/support/atomic_file.h"

namespace mv {

TRegularBytes EncodeRegularRec(const TTableRecord& rec) {
    TRegularBytes out{};
    PutShortString(out.data(), rec.Comment, 255);
    out[256] = rec.UseLastDraw ? 1 : 0;
    std::copy(rec.Start.begin(), rec.Start.end(), out.begin() + 257);
    std::copy(rec.Current.begin(), rec.Current.end(), out.begin() + 262);
    PutU32(out.data() + 268, static_cast<std::uint32_t>(rec.Step));
    PutU32(out.data() + 272, static_cast<std::uint32_t>(rec.StakesMade));
    return out;
}

TTableRecord DecodeRegularRec(const unsigned char* in) {
    TTableRecord rec;
    rec.Comment = GetShortString(in);
    rec.UseLastDraw = in[256] != 0;
    std::copy(in + 257, in + 262, rec.Start.begin());
    std::copy(in + 262, in + 267, rec.Current.begin());
    rec.Step = static_cast<std::int32_t>(GetU32(in + 268));
    rec.StakesMade = static_cast<std::int32_t>(GetU32(in + 272));
    return rec;
}

TRegulars LoadRegulars(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return {};
    std::string bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const EError& e) {
        throw EError(std::string(Msg(TMsg::RegularsReadError)) + e.what());
    }
    return DecodeRegulars(bytes);
}

TRegulars DecodeRegulars(std::string_view bytes) {
    TRegulars regulars;
    for (std::size_t at = 0; at + RegularRecSize <= bytes.size(); at += RegularRecSize)
        regulars.push_back(
            DecodeRegularRec(reinterpret_cast<const unsigned char*>(bytes.data() + at)));
    return regulars;
}

void SaveRegulars(const std::filesystem::path& path, const TRegulars& regulars) {
    std::string bytes;
    for (const TTableRecord& rec : regulars) {
        const TRegularBytes b = EncodeRegularRec(rec);
        bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    try {
        WriteFileAtomically(path, bytes);
    } catch (const EError& e) {
        throw EError(std::string(Msg(TMsg::RegularsWriteError)) + e.what());
    }
}

int ShiftNumber(int number, int step) {
    if (step == 0) return number;
    int n = number + step;
    if (step > 0 && n > MaxNumber) n -= MaxNumber;
    if (step < 0 && n <= 0) n += MaxNumber;
    return n;
}

bool AdvanceRegular(TTableRecord& rec, const TDrawsArray& draws, int offset) {
    // A damaged file may hold any step and any numbers: they would make stakes of numbers
    // outside the game (or overflow the shift).
    if (rec.Step < -MaxNumber || rec.Step > MaxNumber) return false;
    TRegularComb base = rec.Current;
    if (rec.UseLastDraw) {
        const long long index = static_cast<long long>(draws.size()) - 1 - offset;
        if (offset < 0 || index < 0) return false;
        base = draws[static_cast<std::size_t>(index)].Nums;
    }
    if (std::any_of(base.begin(), base.end(),
                    [](std::uint8_t n) { return n < 1 || n > MaxNumber; }))
        return false;
    for (std::uint8_t& n : base) n = static_cast<std::uint8_t>(ShiftNumber(n, rec.Step));
    std::sort(base.begin(), base.end());
    rec.Current = base;
    ++rec.StakesMade;
    return true;
}

std::string RegularCombText(const TRegularComb& comb) {
    if (std::all_of(comb.begin(), comb.end(), [](std::uint8_t n) { return n == 0; })) return {};
    std::string out;
    for (std::size_t i = 0; i < comb.size(); ++i) {
        if (i > 0) out += ';';
        out += std::to_string(comb[i]);
    }
    return out;
}

std::optional<TRegularComb> ParseRegularComb(std::string_view text) {
    const std::vector<std::string> words = SplitWords(text, ";,");
    if (words.size() != NumbersInDraw) return std::nullopt;
    TRegularComb comb{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string word = Trim(words[i]);
        if (word.empty() || word.size() > 2 ||
            !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        const int n = std::stoi(word);
        if (n < 1 || n > MaxNumber) return std::nullopt;
        comb[i] = static_cast<std::uint8_t>(n);
    }
    std::sort(comb.begin(), comb.end());
    if (std::adjacent_find(comb.begin(), comb.end()) != comb.end()) return std::nullopt;
    return comb;
}

TRegularCheck CheckRegularDialog(const TRegulars& existing, std::string_view comment,
                                 bool checkStart, std::string_view startText) {
    TRegularCheck check;
    if (checkStart) {
        const auto start = ParseRegularComb(startText);
        if (!start) {
            check.Field = TRegularField::Start;
            check.Error = Msg(TMsg::InvalidDrawEntryMessage);
            return check;
        }
        check.Start = *start;
    }
    const std::string trimmed = Trim(comment);
    if (trimmed.empty()) {
        check.Field = TRegularField::Comment;
        check.Error = Msg(TMsg::RegularCommentMissing);
        return check;
    }
    for (const TTableRecord& rec : existing) {
        if (EqualsNoCaseUtf8(rec.Comment, comment)) {
            check.Field = TRegularField::Comment;
            check.Error = Msg(TMsg::RegularCommentTaken);
            return check;
        }
    }
    return check;
}

TRegulars NewRegulars(std::string_view comment, bool useLastDraw, int step,
                      const TRegularComb& start, const std::vector<TRegularSelection>& selected) {
    TRegulars out;
    const auto make = [&](std::string text, const TRegularComb& comb) {
        TTableRecord rec;
        rec.Comment = std::move(text);
        rec.UseLastDraw = useLastDraw;
        rec.Start = comb;
        rec.Current = comb;
        rec.Step = std::clamp(step, -MaxNumber, MaxNumber);
        out.push_back(std::move(rec));
    };
    if (useLastDraw || selected.size() == 1) {
        make(std::string(comment), start);
        return out;
    }
    for (const TRegularSelection& s : selected)
        make(std::string(comment) + " (" + std::to_string(s.Position) + ")", s.Comb);
    return out;
}

std::array<std::string, 5> RegularColumnCaptions() {
    const std::array<std::string, 5> captions = {
        Msg(TMsg::ColumnComment), Msg(TMsg::ColumnStartCombination), Msg(TMsg::ColumnStep),
        Msg(TMsg::ColumnCurrentCombination), Msg(TMsg::ColumnStakes)};
    return captions;
}

std::string RegularCellText(const TTableRecord& rec, int column) {
    switch (column) {
        case 0:
            return rec.Comment;
        case 1:
            return RegularCombText(rec.Start);
        case 2:
            return std::to_string(rec.Step);
        case 3:
            return RegularCombText(rec.Current);
        case 4:
            return std::to_string(rec.StakesMade);
        default:
            return {};
    }
}

}  // namespace mv
