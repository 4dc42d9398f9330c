#include "protocol.h"

#include <charconv>
#include <cstdio>
#include <ctime>

namespace catalog {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool PercentDecode(const std::string& text, std::string& out) {
    out.clear();
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%') {
            if (i + 2 >= text.size()) return false;
            const int hi = HexValue(text[i + 1]);
            const int lo = HexValue(text[i + 2]);
            if (hi < 0 || lo < 0) return false;
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            out += c;
        }
    }
    return true;
}

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

}  // namespace

std::string Base64Encode(const std::string& bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned v = (byte(i) << 16) | (byte(i + 1) << 8) | byte(i + 2);
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += kAlphabet[v & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest == 1) {
        const unsigned v = byte(i) << 16;
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += "==";
    } else if (rest == 2) {
        const unsigned v = (byte(i) << 16) | (byte(i + 1) << 8);
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += '=';
    }
    return out;
}

bool Base64DecodeStrict(const std::string& text, std::string& bytes) {
    bytes.clear();
    std::size_t end = text.size();
    std::size_t padding = 0;
    while (end > 0 && text[end - 1] == '=' && padding < 2) {
        --end;
        ++padding;
    }
    if (padding > 0 && text.size() % 4 != 0) return false;
    unsigned buffer = 0;
    int bits = 0;
    for (std::size_t i = 0; i < end; ++i) {
        const int v = Base64Value(text[i]);
        if (v < 0) return false;
        buffer = (buffer << 6) | static_cast<unsigned>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    // A lone sixth of a byte left over cannot come from an encoder.
    return end % 4 != 1;
}

bool IsValidUtf8(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t len = 0;
        unsigned code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n) return false;
        for (std::size_t k = 1; k < len; ++k) {
            const unsigned char t = static_cast<unsigned char>(text[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            code = (code << 6) | (t & 0x3F);
        }
        if ((len == 3 && code < 0x800) || (len == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

std::string FoldCase(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c + 32);
            continue;
        }
        // Cyrillic capitals: U+0400..U+042F are D0 80..D0 AF.
        if (c == 0xD0 && i + 1 < text.size()) {
            const unsigned char t = static_cast<unsigned char>(text[i + 1]);
            if (t >= 0x90 && t <= 0x9F) {  // А..П -> а..п (D0 B0..D0 BF)
                out += static_cast<char>(0xD0);
                out += static_cast<char>(t + 0x20);
                ++i;
                continue;
            }
            if (t >= 0xA0 && t <= 0xAF) {  // Р..Я -> р..я (D1 80..D1 8F)
                out += static_cast<char>(0xD1);
                out += static_cast<char>(t - 0x20);
                ++i;
                continue;
            }
            if (t >= 0x80 && t <= 0x8F) {  // Ѐ..Џ (Ё among them) -> D1 90..D1 9F
                out += static_cast<char>(0xD1);
                out += static_cast<char>(t + 0x10);
                ++i;
                continue;
            }
        }
        out += static_cast<char>(c);
    }
    return out;
}

std::string Trim(const std::string& text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
    return text.substr(b, e - b);
}

bool UnescapeServiceText(const std::string& text, std::string& plain) {
    plain.clear();
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\\') {
            plain += c;
            continue;
        }
        if (++i >= text.size()) return false;
        const char e = text[i];
        if (e >= '0' && e <= '6') {
            plain += static_cast<char>(e - '0');
            continue;
        }
        switch (e) {
            case 'a':
                plain += '\a';
                break;
            case 'b':
                plain += '\b';
                break;
            case 't':
                plain += '\t';
                break;
            case 'n':
                plain += '\n';
                break;
            case 'v':
                plain += '\v';
                break;
            case 'f':
                plain += '\f';
                break;
            case 'r':
                plain += '\r';
                break;
            case 'e':
                plain += '\x1B';
                break;
            case '"':
            case '\'':
            case '?':
            case '\\':
                plain += e;
                break;
            default:
                return false;
        }
    }
    return true;
}

std::string UtcNow(std::int64_t secondsAgo) {
    const std::time_t now = std::time(nullptr) - static_cast<std::time_t>(secondsAgo);
    std::tm tm{};
    gmtime_r(&now, &tm);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &tm);
    return buffer;
}

TForm TForm::Parse(const std::string& body) {
    TForm form;
    std::size_t pos = 0;
    while (pos <= body.size()) {
        std::size_t amp = body.find('&', pos);
        if (amp == std::string::npos) amp = body.size();
        const std::string pair = body.substr(pos, amp - pos);
        pos = amp + 1;
        if (pair.empty()) continue;
        const std::size_t eq = pair.find('=');
        std::string name;
        std::string value;
        // Field names are plain identifiers; anything else (which a refusal would echo)
        // is no request of a client.
        if (eq == std::string::npos || !PercentDecode(pair.substr(0, eq), name) || name.empty() ||
            name.find_first_not_of("abcdefghijklmnopqrstuvwxyz"
                                   "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") != std::string::npos)
            throw ERefusal("Неверный формат запроса.");
        if (!PercentDecode(pair.substr(eq + 1), value))
            throw ERefusal("Неверная кодировка поля " + Quoted(name) + ".");
        if (!form.m_fields.emplace(name, std::move(value)).second)
            throw ERefusal("Поле " + Quoted(name) + " указано несколько раз.");
    }
    return form;
}

const std::string& TForm::Raw(const std::string& name) const {
    const auto it = m_fields.find(name);
    if (it == m_fields.end()) throw ERefusal("Не указано поле " + Quoted(name) + ".");
    return it->second;
}

int TForm::Int(const std::string& name, int lo, int hi) const {
    const std::string& raw = Raw(name);
    int value = 0;
    const char* begin = raw.data();
    const char* end = raw.data() + raw.size();
    // from_chars takes no "+" and no spaces; a leading zero run is harmless.
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (raw.empty() || ec != std::errc() || ptr != end || value < lo || value > hi)
        throw ERefusal("Недопустимое значение поля " + Quoted(name) + ".");
    return value;
}

std::string TForm::Plain(const std::string& name, std::size_t limit) const {
    const std::string& raw = Raw(name);
    if (raw.size() > limit) throw ERefusal("Слишком длинное поле " + Quoted(name) + ".");
    if (!IsValidUtf8(raw)) throw ERefusal("Поле " + Quoted(name) + " не в кодировке UTF-8.");
    return raw;
}

std::string TForm::Escaped(const std::string& name, std::size_t limit) const {
    std::string plain;
    if (!UnescapeServiceText(Raw(name), plain))
        throw ERefusal("Неверная экранированная последовательность в поле " + Quoted(name) + ".");
    if (plain.size() > limit) throw ERefusal("Слишком длинное поле " + Quoted(name) + ".");
    if (!IsValidUtf8(plain)) throw ERefusal("Поле " + Quoted(name) + " не в кодировке UTF-8.");
    return plain;
}

std::string TForm::Base64Escaped(const std::string& name, std::size_t limit) const {
    std::string escaped;
    if (!Base64DecodeStrict(Raw(name), escaped))
        throw ERefusal("Недопустимое значение поля " + Quoted(name) + ".");
    std::string plain;
    if (!UnescapeServiceText(escaped, plain))
        throw ERefusal("Неверная экранированная последовательность в поле " + Quoted(name) + ".");
    if (plain.size() > limit) throw ERefusal("Слишком длинное поле " + Quoted(name) + ".");
    if (!IsValidUtf8(plain)) throw ERefusal("Поле " + Quoted(name) + " не в кодировке UTF-8.");
    return plain;
}

void RequireNoTag(const std::string& name, const std::string& value) {
    if (value.find('<') != std::string::npos)
        throw ERefusal("Недопустимый символ \"<\" в поле " + Quoted(name) + ".");
}

void TReply::BeginRow() {
    m_body += "<row>";
}

void TReply::EndRow() {
    m_body += "</row>";
}

void TReply::Number(const char* tag, std::int64_t value) {
    m_body += std::string("<") + tag + ">" + std::to_string(value) + "</" + tag + ">";
}

void TReply::Real(const char* tag, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    m_body += std::string("<") + tag + ">" + buffer + "</" + tag + ">";
}

void TReply::Text(const char* tag, const std::string& value) {
    // The client trims bytes up to the space from both ends and, for a value in double
    // quotes, drops the outer pair and turns each run of n inner quotes into n - 1. Such a
    // value goes out quoted, every run of quotes one longer.
    const bool quote = !value.empty() && (value.find('"') != std::string::npos ||
                                          static_cast<unsigned char>(value.front()) <= ' ' ||
                                          static_cast<unsigned char>(value.back()) <= ' ');
    std::string written;
    if (quote) {
        written = "\"";
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (value[i] == '"' && (i == 0 || value[i - 1] != '"')) written += '"';
            written += value[i];
        }
        written += '"';
    } else {
        written = value;
    }
    m_body += std::string("<") + tag + ">" + written + "</" + tag + ">";
}

void TReply::Base64(const char* tag, const std::string& value) {
    m_body += std::string("<") + tag + ">" + Base64Encode(value) + "</" + tag + ">";
}

std::string TReply::Finish() {
    return m_body + "</result>";
}

std::string TReply::Error(const std::string& text) {
    TReply reply;
    reply.BeginRow();
    reply.Text("error", text);
    reply.EndRow();
    return reply.Finish();
}

}  // namespace catalog
