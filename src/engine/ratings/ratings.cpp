#include "engine/ratings/ratings.h"

#include <algorithm>
#include <cmath>

#include "engine/core/byte_order.h"
#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/scenarios/script_line.h"
#include "engine/stakes/stakes_file.h"
#include "engine/support/atomic_file.h"

namespace mv {

namespace {

// Nearest integer, a half going to the even neighbour (the default rounding mode).
long long RoundEven(long double x) {
    return std::llrint(x);
}

int Sign(long long v) {
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

long double Chance(int i) {
    return HitTable()[static_cast<std::size_t>(i)].Probability;
}

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

}  // namespace

TRatingBytes EncodeRatingRec(const TRatingRecord& rec) {
    TRatingBytes out{};
    PutShortString(out.data(), rec.Name, RatingNameMax);
    PutU32(out.data() + 256, static_cast<std::uint32_t>(rec.Stakes));
    PutU32(out.data() + 260, static_cast<std::uint32_t>(rec.Matched));
    for (std::size_t i = 0; i < rec.Histogram.size(); ++i)
        PutU32(out.data() + 264 + 4 * i, static_cast<std::uint32_t>(rec.Histogram[i]));
    PutU64(out.data() + 288, static_cast<std::uint64_t>(rec.Profit));
    return out;
}

TRatingRecord DecodeRatingRec(const unsigned char* in) {
    TRatingRecord rec;
    rec.Name = GetShortString(in);
    rec.Stakes = static_cast<std::int32_t>(GetU32(in + 256));
    rec.Matched = static_cast<std::int32_t>(GetU32(in + 260));
    for (std::size_t i = 0; i < rec.Histogram.size(); ++i)
        rec.Histogram[i] = static_cast<std::int32_t>(GetU32(in + 264 + 4 * i));
    rec.Profit = static_cast<TMoney>(GetU64(in + 288));
    return rec;
}

TRatings LoadRatings(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return {};
    std::string bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const EError& e) {
        throw EError(std::string(Msg(TMsg::RatingsReadError)) + e.what());
    }
    return DecodeRatings(bytes);
}

TRatings DecodeRatings(std::string_view bytes) {
    TRatings rows;
    rows.reserve(bytes.size() / RatingRecSize);
    for (std::size_t at = 0; at + RatingRecSize <= bytes.size(); at += RatingRecSize)
        rows.push_back(DecodeRatingRec(reinterpret_cast<const unsigned char*>(bytes.data() + at)));
    return rows;
}

void SaveRatings(const std::filesystem::path& path, const TRatings& rows) {
    std::string bytes;
    bytes.reserve(rows.size() * RatingRecSize);
    for (const TRatingRecord& row : rows) {
        const TRatingBytes rec = EncodeRatingRec(row);
        bytes.append(reinterpret_cast<const char*>(rec.data()), rec.size());
    }
    try {
        WriteFileAtomically(path, bytes);
    } catch (const EError& e) {
        throw EError(std::string(Msg(TMsg::RatingsWriteError)) + e.what());
    }
}

void AddStakeToRatings(TRatings& rows, const TStakeRecord& stake) {
    const int m = stake.Matches.Count;
    if (m < 0 || m > NumbersInDraw) return;
    for (TRatingRecord& row : rows) {
        if (!EqualsNoCaseUtf8(row.Name, stake.Comment)) continue;
        ++row.Stakes;
        row.Matched += m;
        row.Profit += stake.Profit;
        ++row.Histogram[static_cast<std::size_t>(m)];
        return;
    }
    TRatingRecord row;
    row.Name = stake.Comment;
    row.Stakes = 1;
    row.Matched = m;
    row.Profit = stake.Profit;
    row.Histogram[static_cast<std::size_t>(m)] = 1;
    rows.push_back(std::move(row));
}

TRatings RebuildRatings(const TStakesFile& stakes) {
    TRatings rows;
    const std::int64_t count = stakes.Count();
    constexpr std::int64_t Page = 4096;
    for (std::int64_t first = 0; first < count; first += Page) {
        for (const TStakeRecord& rec : stakes.ReadRange(first, Page))
            if (rec.DrawNumber >= 0 && rec.Checked != 0) AddStakeToRatings(rows, rec);
    }
    return rows;
}

int CompareRatings(const TRatingRecord& a, const TRatingRecord& b, int column) {
    if (a.Stakes == 0 || b.Stakes == 0) return 0;
    const long double sa = a.Stakes;
    const long double sb = b.Stakes;
    switch (column) {
        case 0:
            return Sign(std::strcoll(a.Name.c_str(), b.Name.c_str()));
        case 1:
            return Sign(static_cast<long long>(a.Stakes) - b.Stakes);
        case 2:
            return Sign(static_cast<long long>(a.Matched) - b.Matched);
        case 3:
            return Sign(RoundEven((a.Matched / sa - b.Matched / sb) * 100));
        case 4:
            // Apart as long doubles: the difference of two damaged sums may not fit 64 bits.
            return Sign(RoundEven((static_cast<long double>(a.Profit) - b.Profit) * 100 /
                                  MoneyScale));
        case 5:
            return Sign(RoundEven((a.Profit / sa - b.Profit / sb) * 100 / MoneyScale));
        default:
            if (column >= 6 && column <= 11) {
                const auto i = static_cast<std::size_t>(column - 6);
                return Sign(static_cast<long long>(a.Histogram[i]) - b.Histogram[i]);
            }
            return 0;
    }
}

void SortRatings(TRatings& rows, int column, bool descending) {
    if (column < 0 || rows.size() < 2) return;
    // Rows without stakes compare equal to everything, so the order is not a strict weak one;
    // a merge sort never reads outside the range whatever the comparison says, and it keeps
    // equal rows (all of them for the efficiency columns) where they were.
    std::stable_sort(rows.begin(), rows.end(), [&](const TRatingRecord& a, const TRatingRecord& b) {
        const int c = CompareRatings(a, b, column);
        return descending ? c > 0 : c < 0;
    });
}

std::array<std::string, RatingColumnCount> RatingColumnCaptions() {
    const std::array<std::string, RatingColumnCount> captions = {Msg(TMsg::ColumnComment),
                                                                 Msg(TMsg::ColumnStakes),
                                                                 Msg(TMsg::ColumnMatched),
                                                                 Msg(TMsg::ColumnAverage),
                                                                 Msg(TMsg::ColumnProfit),
                                                                 Msg(TMsg::ColumnAverageProfit),
                                                                 "0",
                                                                 "1",
                                                                 "2",
                                                                 "3",
                                                                 "4",
                                                                 "5",
                                                                 "E0",
                                                                 "E1",
                                                                 "E2",
                                                                 "E3",
                                                                 "E4",
                                                                 "E5"};
    return captions;
}

bool RatingRowValid(const TRatingRecord& row) {
    if (row.Stakes < 0 || row.Matched < 0) return false;
    return std::all_of(row.Histogram.begin(), row.Histogram.end(),
                       [&](std::int32_t h) { return h >= 0 && h <= row.Stakes; });
}

std::string RatingCellText(const TRatingRecord& row, int column, int effMode) {
    if (!RatingRowValid(row)) return RatingBadDataText;
    const int s = row.Stakes;
    switch (column) {
        case 0:
            return row.Name;
        case 1:
            return std::to_string(s);
        case 2:
            return std::to_string(row.Matched);
        case 3:
            return s == 0 ? std::string()
                          : FormatFloat(static_cast<long double>(row.Matched) / s, 3);
        case 4:
            return MoneyText(row.Profit);
        case 5:
            return s == 0 ? std::string()
                          : MoneyText(RoundEven(static_cast<long double>(row.Profit) / s));
        default:
            break;
    }
    if (column >= 6 && column <= 11)
        return std::to_string(row.Histogram[static_cast<std::size_t>(column - 6)]);
    if (column < 12 || column >= RatingColumnCount || s == 0) return {};
    const int i = column - 12;
    const long double p = Chance(i);
    const long double h = row.Histogram[static_cast<std::size_t>(i)];
    switch (effMode) {
        case remExpected:
            return std::to_string(RoundEven(s * p));
        case remAbsolute:
            return FormatFloat(h * 100 / s - p * 100, 3) + "%";
        case remRelative:
            return FormatFloat(h * 100 / (s * p), 3) + "%";
        default:
            return {};
    }
}

std::string RatingsCsv(const TRatings& rows, const std::optional<TRunIdentity>& identity) {
    std::string text;
    const auto& captions = RatingColumnCaptions();
    for (std::size_t c = 0; c < captions.size(); ++c) {
        if (c > 0) text += ';';
        text += Quoted(captions[c]);
    }
    text += "\r\n";
    for (const TRatingRecord& row : rows) {
        text += Quoted(row.Name);
        for (int c = 1; c <= 11; ++c) {
            text += ';';
            text += RatingCellText(row, c, remAbsolute);
        }
        text += "\r\n";
    }
    if (identity) text += "# " + RunIdentityText(*identity) + "\r\n";
    return Utf8ToCp1251(text);
}

std::optional<std::string> RatingToScriptLine(std::string_view name) {
    std::string t(name);
    std::string comment;
    if (const auto at = t.find('@'); at != std::string::npos) {
        comment = Trim(t.substr(0, at));
        t = Trim(t.substr(at + 1));
    }
    for (std::size_t at = 0; (at = t.find(" + ", at)) != std::string::npos;) {
        t.replace(at, 3, "|");
        at += 1;
    }
    const auto fieldCount = [](std::string_view text) {
        int n = 0;
        bool inField = false;
        for (char c : text) {
            if (c == '|') {
                inField = false;
            } else if (!inField) {
                inField = true;
                ++n;
            }
        }
        return n;
    };
    while (fieldCount(t) <= FiltersPerLine) t += "| ";
    t += comment.empty() ? std::string("|") : "|" + comment;
    const TScriptLine line = ReadScriptLine(t);
    const bool anyFilter = std::any_of(line.Filters.begin(), line.Filters.end(),
                                       [](const std::string& f) { return !f.empty(); });
    if (!anyFilter) return std::nullopt;
    return t;
}

namespace {

// The chances of the totals Low, Low + 1, ... of some stakes' matches.
struct TTotals {
    long long Low = 0;
    std::vector<double> Chance;
};

// The distribution of the sum of two independent totals. Ends whose chance is below 1e-40
// are cut off: they change no printed digit and would make every power as wide as 5 s.
TTotals ConvolveTotals(const TTotals& a, const TTotals& b) {
    constexpr double Negligible = 1e-40;
    TTotals out;
    out.Low = a.Low + b.Low;
    out.Chance.assign(a.Chance.size() + b.Chance.size() - 1, 0.0);
    for (std::size_t i = 0; i < a.Chance.size(); ++i) {
        const double x = a.Chance[i];
        for (std::size_t j = 0; j < b.Chance.size(); ++j) out.Chance[i + j] += x * b.Chance[j];
    }
    std::size_t first = 0;
    std::size_t end = out.Chance.size();
    while (end > first + 1 && out.Chance[end - 1] < Negligible) --end;
    while (first + 1 < end && out.Chance[first] < Negligible) ++first;
    out.Chance.erase(out.Chance.begin() + static_cast<std::ptrdiff_t>(end), out.Chance.end());
    out.Chance.erase(out.Chance.begin(), out.Chance.begin() + static_cast<std::ptrdiff_t>(first));
    out.Low += static_cast<long long>(first);
    return out;
}

}  // namespace

std::optional<TRatingChance> RatingChance(const TRatingRecord& row) {
    if (row.Stakes <= 0 || !RatingRowValid(row)) return std::nullopt;
    const auto& table = HitTable();
    long double mean = 0;
    long double square = 0;
    for (int i = 0; i <= NumbersInDraw; ++i) {
        mean += i * table[static_cast<std::size_t>(i)].Probability;
        square += static_cast<long double>(i) * i * table[static_cast<std::size_t>(i)].Probability;
    }
    const long double var = square - mean * mean;
    const long double s = row.Stakes;
    TRatingChance out;
    out.Z = static_cast<double>((row.Matched - s * mean) / std::sqrt(s * var));
    if (row.Stakes <= RatingExactChanceLimit) {
        // The distribution of the total of s stakes, as the s-th power of one stake's
        // distribution by repeated squaring. Kept whole, the stake-by-stake way cost about s^2
        // steps (over a second for 2,000 stakes under the sanitizers); with the negligible
        // ends cut off every power stays a few hundred totals wide.
        TTotals one;
        for (int i = 0; i <= NumbersInDraw; ++i)
            one.Chance.push_back(
                static_cast<double>(table[static_cast<std::size_t>(i)].Probability));
        TTotals total;
        total.Chance = {1.0};
        for (auto n = static_cast<unsigned>(row.Stakes); n != 0;) {
            if ((n & 1U) != 0) total = ConvolveTotals(total, one);
            n >>= 1U;
            if (n != 0) one = ConvolveTotals(one, one);
        }
        double tail = 0;
        for (std::size_t t = total.Chance.size(); t-- > 0;) {
            if (total.Low + static_cast<long long>(t) < row.Matched) break;
            tail += total.Chance[t];
        }
        out.P = std::min(tail, 1.0);
    } else {
        out.P = 0.5 * std::erfc(out.Z / std::sqrt(2.0));
    }
    return out;
}

std::string RatingChanceText(const TRatingRecord& row) {
    const auto chance = RatingChance(row);
    if (!chance) return {};
    return "z = " + FormatFloat(chance->Z, 3) + "; p = " + FormatFloat(chance->P, 4);
}

}  // namespace mv
