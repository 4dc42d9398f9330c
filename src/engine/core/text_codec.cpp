#include "engine/core/text_codec.h"

#include <array>
#include <cstdint>

namespace mv {
namespace {

// Unicode code points of the bytes 0x80..0xBF; 0x98 has no character and maps to U+0098.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char32_t ByteToCodePoint(unsigned char b) {
    if (b < 0x80) return b;
    if (b >= 0xC0) return 0x0410 + (b - 0xC0);
    return kHigh[b - 0x80];
}

int CodePointToByte(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<int>(0xC0 + (cp - 0x0410));
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == cp) return static_cast<int>(0x80 + i);
    }
    return -1;
}

// Decodes one code point at pos and advances pos; returns U+FFFD for a malformed sequence.
char32_t NextCodePoint(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size()) return 0xFFFD;
        const auto c = static_cast<unsigned char>(s[pos]);
        if ((c & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (c & 0x3F);
        ++pos;
    }
    return cp;
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const int b = CodePointToByte(NextCodePoint(utf8, pos));
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

unsigned char FoldCp1251(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF))
        return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x80:
            return 0x90;  // Ђ
        case 0x81:
            return 0x83;  // Ѓ
        case 0x8A:
            return 0x9A;  // Љ
        case 0x8C:
            return 0x9C;  // Њ
        case 0x8D:
            return 0x9D;  // Ќ
        case 0x8E:
            return 0x9E;  // Ћ
        case 0x8F:
            return 0x9F;  // Џ
        case 0xA1:
            return 0xA2;  // Ў
        case 0xA3:
            return 0xBC;  // Ј
        case 0xA5:
            return 0xB4;  // Ґ
        case 0xA8:
            return 0xB8;  // Ё
        case 0xAA:
            return 0xBA;  // Є
        case 0xAF:
            return 0xBF;  // Ї
        case 0xB2:
            return 0xB3;  // І
        case 0xBD:
            return 0xBE;  // Ѕ
        default:
            return c;
    }
}

bool EqualsNoCaseCp1251(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCp1251(static_cast<unsigned char>(a[i])) !=
            FoldCp1251(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool EqualsNoCaseUtf8(std::string_view a, std::string_view b) {
    if (a == b) return true;
    const std::string a1251 = Utf8ToCp1251(a);
    const std::string b1251 = Utf8ToCp1251(b);
    // "?" stands for every character the code page lacks: such texts must not fold together.
    if (Cp1251ToUtf8(a1251) != a || Cp1251ToUtf8(b1251) != b) return false;
    return EqualsNoCaseCp1251(a1251, b1251);
}

std::size_t Utf8Length(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    }
    return n;
}

}  // namespace mv
