#include "engine/core/text_utils.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace mv {
namespace {
char g_decimalSeparator = ',';

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }
}  // namespace

std::string Trim(std::string_view text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    return std::string(text.substr(b, e - b));
}

std::string ToLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && ToLowerAscii(a) == ToLowerAscii(b);
}

std::optional<std::int64_t> StrToInt64(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i >= text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        if (value > (std::numeric_limits<std::int64_t>::max() - (c - '0')) / 10) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t def) {
    const auto v = StrToInt64(text);
    if (!v || *v < std::numeric_limits<std::int32_t>::min() ||
        *v > std::numeric_limits<std::int32_t>::max()) {
        return def;
    }
    return static_cast<std::int32_t>(*v);
}

std::uint8_t StrToByteOrZero(std::string_view text) {
    const std::int32_t v = StrToIntDef(Trim(text), 0);
    return v >= 0 && v <= 255 ? static_cast<std::uint8_t>(v) : 0;
}

std::optional<long double> ParseFloat(std::string_view text) {
    std::string s = Trim(text);
    if (s.empty()) return std::nullopt;
    for (char& c : s) {
        if (c == ',') c = '.';
        else if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' ||
                   c == 'E')) {
            return std::nullopt;
        }
    }
    // from_chars reads "." whatever the C library's locale says.
    const char* first = s.c_str();
    if (*first == '+') ++first;
    long double v = 0;
    const auto [end, error] = std::from_chars(first, s.c_str() + s.size(), v);
    if (end != s.c_str() + s.size()) return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too small to represent reads as 0, as the C library reads it; too large fails.
        const auto e = s.find_first_of("eE");
        if (e != std::string::npos && e + 1 < s.size() && s[e + 1] == '-') return 0.0L;
        return std::nullopt;
    }
    if (error != std::errc() || !std::isfinite(v)) return std::nullopt;
    return v;
}

double ReadNumberTolerant(std::string_view text, double def) {
    std::string kept;
    for (const char c : text) {
        if ((c >= '0' && c <= '9') || c == '-' || c == '.' || c == ',') kept += c;
    }
    const auto v = ParseFloat(kept);
    return v ? static_cast<double>(*v) : def;
}

char DecimalSeparator() { return g_decimalSeparator; }
void SetDecimalSeparator(char separator) { g_decimalSeparator = separator; }

std::string FormatFloat(long double value, int decimals) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, value);
    std::string s(buffer);
    for (char& c : s) {
        if (c == '.') c = g_decimalSeparator;
    }
    return s;
}

std::string FormatNumberGrouped(long double value, int decimals) {
    std::string plain = FormatFloat(value, decimals);
    const bool negative = !plain.empty() && plain[0] == '-';
    if (negative) plain.erase(0, 1);
    const std::size_t sep = plain.find(g_decimalSeparator);
    std::string whole = plain.substr(0, sep);
    const std::string rest = sep == std::string::npos ? std::string() : plain.substr(sep);
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += ' ';
        grouped += whole[i];
    }
    return (negative ? "-" : "") + grouped + rest;
}

std::vector<std::string> SplitWords(std::string_view text, std::string_view separators) {
    std::vector<std::string> words;
    std::string current;
    for (const char c : text) {
        if (separators.find(c) != std::string_view::npos) {
            if (!current.empty()) words.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) words.push_back(std::move(current));
    return words;
}

std::vector<std::string_view> SplitTextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string SingleLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
    return line;
}

std::string Fmt(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == 's' || pattern[i + 1] == 'd')) {
            if (next < args.size()) out += args[next++];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace mv
