#include "engine/draws/draws_csv.h"

#include <algorithm>

#include "engine/core/constants.h"
#include "engine/core/text_utils.h"
#include "engine/draws/archive_file.h"

namespace mv {
namespace {

bool IsSpace(char c) {
    return c != '\0' && static_cast<unsigned char>(c) <= 0x20;
}

std::string QuoteDate(std::string_view date) {
    std::string out = "\"";
    for (const char c : date) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}

struct TParsedLine {
    bool HasNumber = false;
    TDrawRec Draw;
};

bool ParseLine(std::string_view line, TParsedLine& parsed) {
    if (Trim(line).empty()) return false;
    const auto fields = SplitCsvFields(line);
    if (fields.size() != 8 && fields.size() != 7) return false;
    parsed.HasNumber = fields.size() == 8;
    std::size_t f = 0;
    TDrawRec& d = parsed.Draw;
    if (parsed.HasNumber) d.Number = StrToIntDef(Trim(fields[f++]), 0);
    // The date stays in the file's bytes, cut to the record's 10 characters.
    const std::string& date = fields[f++];
    const std::size_t len = std::min(date.size(), d.DateChars.size());
    std::copy_n(date.begin(), len, d.DateChars.begin());
    d.DateLen = static_cast<std::uint8_t>(len);
    for (auto& n : d.Nums) n = StrToByteOrZero(fields[f++]);
    d.Extra = StrToByteOrZero(fields[f]);
    return true;
}

}  // namespace

std::string DrawsToCsv(const TDrawsArray& draws) {
    std::string out;
    out.reserve(draws.size() * 40);
    for (const TDrawRec& d : draws) {
        out += std::to_string(d.Number);
        out += ';';
        const std::size_t len = std::min<std::size_t>(d.DateLen, d.DateChars.size());
        out += QuoteDate(std::string_view(d.DateChars.data(), len));
        for (const auto n : d.Nums) {
            out += ';';
            out += std::to_string(n);
        }
        out += ';';
        out += std::to_string(d.Extra);
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> SplitCsvFields(std::string_view line) {
    // A NUL byte ends the line, as it ends any text of the file format's origin.
    line = line.substr(0, line.find('\0'));
    std::vector<std::string> fields;
    std::size_t p = 0;
    const std::size_t n = line.size();
    while (p < n && IsSpace(line[p])) ++p;
    while (p < n) {
        std::string field;
        if (line[p] == '"') {
            ++p;
            while (p < n) {
                if (line[p] == '"') {
                    if (p + 1 < n && line[p + 1] == '"') {
                        field += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                field += line[p++];
            }
        } else {
            const std::size_t start = p;
            while (p < n && !IsSpace(line[p]) && line[p] != ';') ++p;
            field.assign(line.substr(start, p - start));
        }
        fields.push_back(std::move(field));
        while (p < n && IsSpace(line[p])) ++p;
        if (p < n && line[p] == ';') {
            if (p + 1 == n) fields.emplace_back();
            do {
                ++p;
            } while (p < n && IsSpace(line[p]));
        }
    }
    return fields;
}

int MergeDrawsCsv(std::string_view csvBytes, TDrawsArray& archive) {
    // Editors that save UTF-8 put a byte-order mark first; left in place it would join the
    // first field and turn the first draw's number into text that is not a number.
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    if (csvBytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) csvBytes.remove_prefix(kUtf8Bom.size());
    std::vector<TParsedLine> parsed;
    for (const auto line : SplitTextLines(csvBytes)) {
        TParsedLine item;
        if (ParseLine(line, item)) parsed.push_back(item);
    }
    int added = 0;
    for (TParsedLine& item : parsed) {
        if (!item.HasNumber) {
            // Numbered by the archive's length; past the largest draw number it is not taken.
            const std::size_t next = archive.size() + 1;
            item.Draw.Number = next <= static_cast<std::size_t>(MaxDrawNumber)
                                   ? static_cast<std::int32_t>(next)
                                   : 0;
        }
        const std::int32_t number = item.Draw.Number;
        if (number >= 1 && number <= MaxDrawNumber && FindDrawIndex(archive, number) < 0) {
            archive.push_back(item.Draw);
            ++added;
        }
    }
    return added;
}

}  // namespace mv
