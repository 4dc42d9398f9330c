// Value conversions of the configuration file: money amounts, the segment text and the
// change mask.
#include <cfenv>
#include <cmath>
#include <limits>

#include "engine/core/text_utils.h"
#include "engine/support/config_file.h"

namespace mv {
namespace {

constexpr TMoney kMoneyMax = std::numeric_limits<TMoney>::max();

// value = digits x 10^exponent, digits without a sign; false when it does not fit.
bool ScaledDecimal(std::string digits, long long exponent, bool negative, TMoney& out) {
    // Split at the scaled decimal point, then round what lies behind it.
    std::uint64_t whole = 0;
    auto push = [&whole](char d) {
        if (whole > (static_cast<std::uint64_t>(kMoneyMax) - static_cast<unsigned>(d - '0')) / 10)
            return false;
        whole = whole * 10 + static_cast<unsigned>(d - '0');
        return true;
    };
    std::string rest;  // the digits after the decimal point of the scaled value
    if (exponent >= 0) {
        digits.append(static_cast<std::size_t>(std::min<long long>(exponent, 40)), '0');
    } else {
        const long long cut = static_cast<long long>(digits.size()) + exponent;
        if (cut < 0) digits.insert(0, static_cast<std::size_t>(-cut), '0');
        const std::size_t keep = static_cast<std::size_t>(std::max<long long>(cut, 0));
        rest = digits.substr(keep);
        digits.resize(keep);
    }
    for (const char d : digits) {
        if (!push(d)) return false;
    }
    bool up = false;
    if (!rest.empty() && rest[0] > '5') up = true;
    if (!rest.empty() && rest[0] == '5') {
        const bool beyondHalf = rest.find_first_not_of('0', 1) != std::string::npos;
        up = beyondHalf || (whole % 2 == 1);  // an exact half goes to the even neighbour
    }
    if (up) {
        if (whole >= static_cast<std::uint64_t>(kMoneyMax)) return false;
        ++whole;
    }
    out = static_cast<TMoney>(whole);
    if (negative) out = -out;
    return true;
}

}  // namespace

TMoney RoundMoney(long double value) {
    const long double scaled = value * static_cast<long double>(MoneyScale);
    if (!std::isfinite(scaled)) return 0;
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double rounded = std::nearbyintl(scaled);
    std::fesetround(mode);
    constexpr long double kLimit = 9.2233720368547758e18L;
    if (rounded >= kLimit) return kMoneyMax;
    if (rounded <= -kLimit) return std::numeric_limits<TMoney>::min();
    return static_cast<TMoney>(rounded);
}

std::optional<TMoney> ParseMoneyText(std::string_view text) {
    if (!ParseFloat(text)) return std::nullopt;
    // ParseFloat has checked the shape: a sign, digits with at most one separator, and an
    // optional exponent with its own sign.
    const std::string s = Trim(text);
    std::size_t i = 0;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-') negative = s[i++] == '-';
    std::string digits;
    long long exponent = 4;  // scaled by 10000
    bool afterPoint = false;
    for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
        if (s[i] == '.' || s[i] == ',') {
            afterPoint = true;
            continue;
        }
        digits += s[i];
        if (afterPoint) --exponent;
    }
    if (i < s.size()) {
        ++i;
        bool expNegative = false;
        if (s[i] == '+' || s[i] == '-') expNegative = s[i++] == '-';
        long long e = 0;
        for (; i < s.size(); ++i) e = std::min<long long>(e * 10 + (s[i] - '0'), 100000);
        exponent += expNegative ? -e : e;
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return TMoney{0};
    digits.erase(0, first);
    TMoney result = 0;
    if (!ScaledDecimal(digits, exponent, negative, result)) return std::nullopt;
    return result;
}

std::string MoneyToText(TMoney value) {
    const bool negative = value < 0;
    // Magnitude as unsigned, so that the most negative amount is handled too.
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / MoneyScale);
    std::string fraction = std::to_string(magnitude % MoneyScale);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) text += DecimalSeparator() + fraction;
    return text;
}

std::string SegmentsText(const std::array<std::uint8_t, MaxNumber>& segments) {
    std::string text;
    for (const std::uint8_t s : segments) {
        text += static_cast<char>('0' + (s >= 1 && s <= 9 ? s : 1));
    }
    return text;
}

std::array<std::uint8_t, MaxNumber> ParseSegmentsText(std::string_view text) {
    auto segments = TConfigData::DefaultSegments();
    for (std::size_t i = 0; i < segments.size() && i < text.size(); ++i) {
        // Segments run from 1 to 9 (the settings dialog accepts nothing else), so "0" is
        // as meaningless as a letter and gives 1 as well.
        if (text[i] >= '1' && text[i] <= '9') {
            segments[i] = static_cast<std::uint8_t>(text[i] - '0');
        }
    }
    return segments;
}

int ConfigChangeMask(const TConfigData& old, const TConfigData& neu) {
    int mask = 0;
    if (old.MatrixCols != neu.MatrixCols) mask |= ChangedMatrixCols;
    if (old.ChannelSize != neu.ChannelSize) mask |= ChangedChannelSize;
    if (SegmentsText(old.MatrixSegments) != SegmentsText(neu.MatrixSegments)) {
        mask |= ChangedMatrixSegments;
    }
    return mask;
}

}  // namespace mv
