#include "engine/support/ini_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

#include "engine/core/errors.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/support/atomic_file.h"

namespace mv {
namespace {

// Settings files are a few KiB; anything far larger is not one of ours.
constexpr std::size_t kMaxIniBytes = std::size_t{16} << 20;

// UTF-16 (without its mark) to UTF-8; an unpaired surrogate becomes "?", an odd last byte
// is dropped.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (char32_t{a} << 8 | b) : (char32_t{b} << 8 | a);
    };
    std::string out;
    const std::size_t n = bytes.size() & ~std::size_t{1};
    for (std::size_t i = 0; i < n; i += 2) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < n) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? char32_t{'?'} : u);
    }
    return out;
}

// The file's text in Windows-1251, with a byte-order mark honoured and removed.
std::string DecodeFileBytes(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return Utf8ToCp1251(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE")) return Utf8ToCp1251(Utf16ToUtf8(bytes.substr(2), false));
    if (bytes.starts_with("\xFE\xFF")) return Utf8ToCp1251(Utf16ToUtf8(bytes.substr(2), true));
    return std::string(bytes);
}

// A name or value as it goes to the file: Windows-1251, line breaks turned into blanks.
// Every other byte stays, NUL included, so that whatever the reader gave reads back the same
// once written.
std::string ToFileText(std::string_view utf8) {
    std::string text = Utf8ToCp1251(utf8);
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

std::string SectionForFile(std::string_view utf8Section) {
    std::string s = Trim(ToFileText(utf8Section));
    if (s.find(']') != std::string::npos) {
        throw std::invalid_argument("INI section name holds ']'");
    }
    return s;
}

std::string KeyForFile(std::string_view utf8Key) {
    std::string k = Trim(ToFileText(utf8Key));
    if (k.empty() || k.find('=') != std::string::npos || k[0] == '[' || k[0] == ';' ||
        k[0] == '#') {
        throw std::invalid_argument("INI key name is empty or not writable");
    }
    return k;
}

bool IsBlankLine(const std::string& raw) {
    return Trim(raw).empty();
}

}  // namespace

std::string FormatIniFloat(long double value) {
    if (!std::isfinite(value) || value == 0.0L) return "0";
    // Room for any finite extended value in fixed notation (about 4,950 digits at the ends
    // of its range); a double needs at most about 330.
    std::string text(5120, '\0');
    char* const first = text.data();
    char* const last = first + text.size();
    const auto asDouble = static_cast<double>(value);
    const std::to_chars_result written =
        static_cast<long double>(asDouble) == value
            ? std::to_chars(first, last, asDouble, std::chars_format::fixed)
            : std::to_chars(first, last, value, std::chars_format::fixed);
    if (written.ec != std::errc()) return "0";
    text.resize(static_cast<std::size_t>(written.ptr - first));
    for (char& c : text) {
        if (c == '.') c = DecimalSeparator();
    }
    return text;
}

TIniFile::TIniFile(std::filesystem::path file) : m_file(std::move(file)) {
    std::error_code ec;
    const bool exists = std::filesystem::exists(m_file, ec);
    Parse(exists ? ReadWholeFile(m_file, kMaxIniBytes) : std::string());
}

TIniFile TIniFile::FromBytes(std::string_view bytes) {
    TIniFile ini;
    ini.m_inMemory = true;
    ini.Parse(bytes);
    return ini;
}

void TIniFile::Parse(std::string_view bytes) {
    m_sections.assign(1, TSection{});
    const std::string text = DecodeFileBytes(bytes);
    for (const std::string_view rawView : SplitTextLines(text)) {
        std::string raw(rawView);
        const std::string trimmed = Trim(raw);
        if (!trimmed.empty() && trimmed[0] == '[') {
            const std::size_t close = trimmed.find(']');
            TSection section;
            section.Name =
                Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            section.Header = std::move(raw);
            section.HasHeader = true;
            m_sections.push_back(std::move(section));
            continue;
        }
        TLine line;
        const std::size_t eq = raw.find('=');
        if (m_sections.size() > 1 && eq != std::string::npos) {
            line.Key = Trim(std::string_view(raw).substr(0, eq));
            line.Value = Trim(std::string_view(raw).substr(eq + 1));
            line.IsKey = !line.Key.empty() && line.Key[0] != ';' && line.Key[0] != '#';
        }
        line.Raw = std::move(raw);
        m_sections.back().Lines.push_back(std::move(line));
    }
}

const TIniFile::TLine* TIniFile::FindKey(std::string_view section, std::string_view key) const {
    const std::string s = Trim(Utf8ToCp1251(section));
    const std::string k = Trim(Utf8ToCp1251(key));
    for (const TSection& sec : m_sections) {
        if (!sec.HasHeader || !EqualsNoCaseCp1251(sec.Name, s)) continue;
        for (const TLine& line : sec.Lines) {
            if (line.IsKey && EqualsNoCaseCp1251(line.Key, k)) return &line;
        }
    }
    return nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) const {
    const TLine* line = FindKey(section, key);
    return line ? Cp1251ToUtf8(line->Value) : std::string(def);
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t def) const {
    const TLine* line = FindKey(section, key);
    return line ? StrToIntDef(line->Value, def) : def;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    const TLine* line = FindKey(section, key);
    if (!line) return def;
    const auto v = StrToInt64(line->Value);
    return v ? *v != 0 : def;
}

long double TIniFile::ReadFloat(std::string_view section, std::string_view key,
                                long double def) const {
    const TLine* line = FindKey(section, key);
    if (!line) return def;
    const auto v = ParseFloat(line->Value);
    return v ? *v : def;
}

TIniFile::TSection& TIniFile::AddSection(const std::string& name) {
    // Keep sections apart by one empty line, as people write these files.
    TSection& last = m_sections.back();
    const bool lastLineBlank =
        last.Lines.empty() ? !last.HasHeader : IsBlankLine(last.Lines.back().Raw);
    if (!lastLineBlank) last.Lines.push_back(TLine{});
    TSection section;
    section.Name = name;
    section.Header = "[" + name + "]";
    section.HasHeader = true;
    m_sections.push_back(std::move(section));
    return m_sections.back();
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string s = SectionForFile(section);
    const std::string k = KeyForFile(key);
    const std::string v = ToFileText(value);
    TSection* target = nullptr;
    for (TSection& sec : m_sections) {
        if (!sec.HasHeader || !EqualsNoCaseCp1251(sec.Name, s)) continue;
        if (!target) target = &sec;
        for (TLine& line : sec.Lines) {
            if (line.IsKey && EqualsNoCaseCp1251(line.Key, k)) {
                line.Raw = line.Key + "=" + v;
                line.Value = Trim(v);
                Changed();
                return;
            }
        }
    }
    if (!target) target = &AddSection(s);
    std::size_t pos = target->Lines.size();
    while (pos > 0 && IsBlankLine(target->Lines[pos - 1].Raw)) --pos;
    TLine line;
    line.Raw = k + "=" + v;
    line.Key = k;
    line.Value = Trim(v);
    line.IsKey = true;
    target->Lines.insert(target->Lines.begin() + static_cast<std::ptrdiff_t>(pos), std::move(line));
    Changed();
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::WriteFloat(std::string_view section, std::string_view key, long double value) {
    WriteString(section, key, FormatIniFloat(value));
}

bool TIniFile::SectionExists(std::string_view section) const {
    const std::string s = Trim(Utf8ToCp1251(section));
    return std::any_of(m_sections.begin(), m_sections.end(), [&](const TSection& sec) {
        return sec.HasHeader && EqualsNoCaseCp1251(sec.Name, s);
    });
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindKey(section, key) != nullptr;
}

void TIniFile::EraseSection(std::string_view section) {
    const std::string s = Trim(Utf8ToCp1251(section));
    const auto removed = std::erase_if(m_sections, [&](const TSection& sec) {
        return sec.HasHeader && EqualsNoCaseCp1251(sec.Name, s);
    });
    if (removed > 0) Changed();
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key) {
    const std::string s = Trim(Utf8ToCp1251(section));
    const std::string k = Trim(Utf8ToCp1251(key));
    std::size_t removed = 0;
    for (TSection& sec : m_sections) {
        if (!sec.HasHeader || !EqualsNoCaseCp1251(sec.Name, s)) continue;
        removed += std::erase_if(sec.Lines, [&](const TLine& line) {
            return line.IsKey && EqualsNoCaseCp1251(line.Key, k);
        });
    }
    if (removed > 0) Changed();
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
    const std::string s = Trim(Utf8ToCp1251(section));
    std::vector<std::string> keys;  // Windows-1251 while collecting
    for (const TSection& sec : m_sections) {
        if (!sec.HasHeader || !EqualsNoCaseCp1251(sec.Name, s)) continue;
        for (const TLine& line : sec.Lines) {
            if (!line.IsKey) continue;
            const bool seen = std::any_of(keys.begin(), keys.end(), [&](const std::string& k) {
                return EqualsNoCaseCp1251(k, line.Key);
            });
            if (!seen) keys.push_back(line.Key);
        }
    }
    for (std::string& k : keys) k = Cp1251ToUtf8(k);
    return keys;
}

std::string TIniFile::Serialize() const {
    std::string out;
    for (const TSection& sec : m_sections) {
        if (sec.HasHeader) out += sec.Header + "\r\n";
        for (const TLine& line : sec.Lines) out += line.Raw + "\r\n";
    }
    return out;
}

void TIniFile::UpdateFile() {
    if (!m_inMemory) WriteFileAtomically(m_file, Serialize());
    m_dirty = false;
}

void TIniFile::BeginUpdate() {
    ++m_updateDepth;
}

void TIniFile::EndUpdate() {
    if (m_updateDepth == 0) return;
    if (--m_updateDepth == 0 && m_dirty) UpdateFile();
}

void TIniFile::Changed() {
    m_dirty = true;
    if (m_updateDepth == 0) UpdateFile();
}

}  // namespace mv
