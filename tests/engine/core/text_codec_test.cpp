#include "engine/core/text_codec.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "engine/core/records.h"

namespace mv {
namespace {

TEST(TextCodec, RoundTripsEveryWindows1251Byte) {
    for (int b = 1; b < 256; ++b) {
        if (b == 0x98) continue;  // no character there
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(byte)), byte) << b;
    }
}

TEST(TextCodec, KnownCharacters) {
    EXPECT_EQ(Utf8ToCp1251("Тираж №"), "\xD2\xE8\xF0\xE0\xE6 \xB9");
    EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8\x88"), "Ёё€");
    EXPECT_EQ(Utf8ToCp1251("日本"), "??");      // no Windows-1251 form
    EXPECT_EQ(Utf8ToCp1251("a\xFF" "b"), "a?b");  // malformed UTF-8
    EXPECT_EQ(Utf8Length("Тираж"), 5u);
}

TEST(TextCodec, AppendUtf8AtEachLengthBoundary) {
    const struct {
        char32_t Cp;
        const char* Utf8;
    } cases[] = {
        {0x01, "\x01"},
        {0x7F, "\x7F"},
        {0x80, "\xC2\x80"},
        {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"},
        {0xFFFF, "\xEF\xBF\xBF"},
        {0x10000, "\xF0\x90\x80\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
    };
    for (const auto& c : cases) {
        std::string out = "x";
        AppendUtf8(out, c.Cp);
        EXPECT_EQ(out, std::string("x") + c.Utf8) << static_cast<std::uint32_t>(c.Cp);
    }
}

// The code point of a one-character UTF-8 text of at most three bytes (what the codec gives
// for one Windows-1251 byte).
char32_t OnlyCodePoint(const std::string& utf8) {
    const auto u = [&](std::size_t i) { return char32_t{static_cast<unsigned char>(utf8[i])}; };
    if (utf8.size() == 1) return u(0);
    if (utf8.size() == 2) return (u(0) & 0x1F) << 6 | (u(1) & 0x3F);
    return (u(0) & 0x0F) << 12 | (u(1) & 0x3F) << 6 | (u(2) & 0x3F);
}

// Every byte folds to the small letter Unicode pairs with its character: Latin A-Z and the
// capitals of the Cyrillic block (U+0400..U+042F, and Ґ U+0490) map to their small letters,
// everything else to itself.
TEST(TextCodec, FoldCp1251FollowsUnicodeLowerCase) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        char32_t lower = OnlyCodePoint(Cp1251ToUtf8(byte));
        if ((lower >= U'A' && lower <= U'Z') || (lower >= 0x0410 && lower <= 0x042F)) {
            lower += 0x20;
        } else if (lower >= 0x0400 && lower <= 0x040F) {
            lower += 0x50;
        } else if (lower == 0x0490) {
            lower = 0x0491;
        }
        std::string lowerUtf8;
        AppendUtf8(lowerUtf8, lower);
        EXPECT_EQ(std::string(1, static_cast<char>(FoldCp1251(static_cast<unsigned char>(b)))),
                  Utf8ToCp1251(lowerUtf8))
            << b;
    }
    EXPECT_TRUE(EqualsNoCaseCp1251(Utf8ToCp1251("Ёлка Ґ Section"), Utf8ToCp1251("ёЛКА ґ sECTION")));
    EXPECT_FALSE(EqualsNoCaseCp1251(Utf8ToCp1251("Ель"), Utf8ToCp1251("Ёль")));
    EXPECT_FALSE(EqualsNoCaseCp1251("key", "keys"));
}

TEST(TextCodec, DrawDateIsCutToTenCharacters) {
    TDrawRec d;
    d.SetDate("Суббота, 5 января");
    EXPECT_EQ(d.DateLen, 10);
    EXPECT_EQ(d.Date(), "Суббота, 5");
    d.DateLen = 200;  // damaged length byte: the text is clamped, never read past the field
    EXPECT_EQ(d.Date(), "Суббота, 5");
}

}  // namespace
}  // namespace mv
