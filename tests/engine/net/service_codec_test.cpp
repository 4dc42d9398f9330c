#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "engine/core/errors.h"
#include "engine/net/service_codec.h"

namespace mv {
namespace {

TEST(ServiceCodec, EscapesControlBytesQuotesAndBackslash) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"\r\n", "\\r\\n"},
        {std::string("\0\6\7\b\t\v\f\x1b", 8), "\\0\\6\\a\\b\\t\\v\\f\\e"},
        {"\"'?\\", "\\\"\\'\\?\\\\"},
        {"\x0e\x1a\x1c\x1f", "\x0e\x1a\x1c\x1f"},
        {"Ж текст", "Ж текст"},
    };
    for (const auto& c : cases) EXPECT_EQ(EscapeServiceText(c.in), c.out) << c.out;
}

TEST(ServiceCodec, ExtractTagValueFindsTrimsAndUnquotes) {
    const struct {
        std::string text, value;
    } cases[] = {
        {"x<RESULT>  ok \t</RESULT>y", "ok"},
        {"<Result>ok</rEsult>", "ok"},
        {"<result>\"12\"</result>", "12"},
        {"<result>\"a\"\"b\"</result>", "a\"b"},
        {"<result>\"a\"b\"</result>", "ab"},
        {"<result>a\"\"b\"</result>", "a\"\"b\""},
        {"no tag here", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExtractTagValue(c.text, "<result>", "</result>", TMissingClose::Raise), c.value)
            << c.text;
    EXPECT_EQ(ExtractTagValue("<id> 7 rest", "<id>", "", TMissingClose::Raise), "7 rest");
}

TEST(ServiceCodec, MissingCloseTagFollowsTheMode) {
    const std::string text = "<id>5 and more";
    try {
        ExtractTagValue(text, "<id>", "</id>", TMissingClose::Raise);
        FAIL() << "no error";
    } catch (const EError& e) {
        EXPECT_STREQ(e.what(),
                     "Не удалось найти пару идентификаторов \"<id>\" - \"</id>\" в тексте\r\r"
                     "[<id>5 and more]!");
    }
    EXPECT_EQ(ExtractTagValue(text, "<id>", "</id>", TMissingClose::Empty), "");
    EXPECT_EQ(ExtractTagValue(text, "<id>", "</id>", TMissingClose::TakeRest), "5 and more");
    std::string rest = text;
    EXPECT_EQ(TakeTagValue(rest, "<id>", "</id>", TMissingClose::TakeRest), "5 and more");
    EXPECT_EQ(rest, "");
}

TEST(ServiceCodec, TakeTagValueWalksTheRows) {
    std::string text = "<rows><row>1</row><ROW> 2 </ROW></rows>";
    EXPECT_EQ(TakeTagValue(text, "<row>", "</row>", TMissingClose::Raise), "1");
    EXPECT_EQ(TakeTagValue(text, "<row>", "</row>", TMissingClose::Raise), "2");
    EXPECT_EQ(text, "</rows>");
    EXPECT_EQ(TakeTagValue(text, "<row>", "</row>", TMissingClose::Raise), "");
    EXPECT_EQ(text, "</rows>");
}

TEST(ServiceCodec, ServiceTimeIsUtcShownInLocalTime) {
    EXPECT_EQ(ParseServiceTime(""), 0);
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "Europe/Moscow", 1);  // UTC+3 all year since 2014
    tzset();
    const TDateParts p = DecodeDateTime(ParseServiceTime("2019-03-01 12:00:00"));
    EXPECT_EQ(p.Year, 2019);
    EXPECT_EQ(p.Month, 3);
    EXPECT_EQ(p.Day, 1);
    EXPECT_EQ(p.Hour, 15);
    EXPECT_EQ(p.Minute, 0);
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
    EXPECT_THROW(ParseServiceTime("2019-xx-01 12:00:00"), EConvertError);
    EXPECT_THROW(ParseServiceTime("2019-02-30 12:00:00"), EConvertError);
    EXPECT_THROW(ParseServiceTime("2019-02"), EConvertError);
}

TEST(ServiceCodec, Base64RoundTripsAndSkipsForeignCharacters) {
    const struct {
        std::string bytes, text;
    } cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {std::string("\xff\xfe\x00", 3), "//4A"},
        {"Тест", "0KLQtdGB0YI="},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Base64Encode(c.bytes), c.text);
        EXPECT_EQ(Base64Decode(c.text), c.bytes);
    }
    EXPECT_EQ(Base64Decode("Zm9v\r\nYm Fy"), "foobar");
    EXPECT_EQ(Base64Decode("Zm8"), "fo");
}

}  // namespace
}  // namespace mv
