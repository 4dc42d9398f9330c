#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mv {

// Removes leading and trailing blanks and control characters (bytes <= 0x20).
std::string Trim(std::string_view text);
std::string ToLowerAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

// Integer conversion in the classic manner: leading blanks, an optional sign, decimal digits
// and nothing after them; anything else, or a value outside int32, gives the default.
std::int32_t StrToIntDef(std::string_view text, std::int32_t def);
std::optional<std::int64_t> StrToInt64(std::string_view text);
// A number for a byte-wide field, such as a lottery number read from a text file: the text
// trimmed and read as StrToIntDef reads it, 0 when it is not an integer or lies outside
// 0..255 - never wrapped into a different, plausible-looking number (257 is not 1).
std::uint8_t StrToByteOrZero(std::string_view text);

// Tolerant number reading: keeps "-", the digits and the decimal separators ("." and ",")
// of the text and reads what is left as a number; gives the default when that fails.
double ReadNumberTolerant(std::string_view text, double def);
// Reads a float written with either "." or "," as the decimal separator (blanks around are
// allowed, nothing else); std::nullopt when it does not parse.
std::optional<long double> ParseFloat(std::string_view text);

// The decimal separator of the interface (a comma for Russian). Engine texts that show real
// numbers use it; readers accept both separators.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// printf-style formatting of a real number with the interface's decimal separator.
std::string FormatFloat(long double value, int decimals);
// Like FormatFloat, with groups of thousands separated by a blank (the "%n" format).
std::string FormatNumberGrouped(long double value, int decimals);

// Splits at any of the separator characters; runs of separators give no empty words.
std::vector<std::string> SplitWords(std::string_view text, std::string_view separators);

// The lines of a text; CR LF, LF and a lone CR all end a line, and a last line without an
// end is a line too.
std::vector<std::string_view> SplitTextLines(std::string_view text);
// The text with CR, LF and NUL turned into blanks, so that it stays one line of a file.
std::string SingleLine(std::string_view text);

// Replaces "%s", "%d" markers in order: a small helper for the fixed message texts.
std::string Fmt(std::string_view pattern, const std::vector<std::string>& args);

}  // namespace mv
