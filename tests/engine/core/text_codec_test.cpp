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
