#include "engine/core/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/combs/comb_tools.h"
#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/stakes/stake_check.h"
#include "engine/stats/custom_stat.h"
#include "engine/stats/families/sums.h"
#include "engine/stats/filter_modes.h"
#include "engine/stats/stat_table.h"
#include "engine/update/self_update.h"
#include "test_support.h"

namespace mv {
namespace {

// Puts the Russian texts back whatever a test did to them.
class MessagesTest : public ::testing::Test {
protected:
    void TearDown() override { SetMessageTexts({}); }

    // Every catalogue text with "EN:" in front: a stand-in for a translation that shows which
    // outputs really come from the catalogue.
    static void InstallMarkedTexts() {
        std::vector<std::string> texts;
        for (const TMessageInfo& info : MessageCatalogue()) {
            texts.push_back("EN:" + std::string(info.Russian));
        }
        SetMessageTexts(std::move(texts));
    }
};

TEST_F(MessagesTest, CatalogueHasDistinctIdentifiersAndTexts) {
    std::set<std::string> ids;
    std::set<std::string> texts;
    for (const TMessageInfo& info : MessageCatalogue()) {
        SCOPED_TRACE(info.Id);
        EXPECT_FALSE(std::string(info.Russian).empty());
        EXPECT_TRUE(ids.insert(info.Id).second) << "identifier repeats";
        // A translation is looked up by its Russian text alone, so two entries with one text
        // could not get two translations.
        EXPECT_TRUE(texts.insert(info.Russian).second) << "text repeats: " << info.Russian;
    }
    EXPECT_EQ(Msg(TMsg::ArchiveReadError), "Ошибка чтения файла тиражей!");
}

TEST_F(MessagesTest, InstalledTextsReachRealOutputs) {
    InstallMarkedTexts();

    // An error message.
    try {
        ParseCombText("1 2");
        ADD_FAILURE() << "no error";
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()), "EN:Некорректная комбинация: \"1 2\"!");
    }
    // Method captions, plain and from a template, and a group heading.
    EXPECT_EQ(TstSumValues::Descriptor.CaptionFor(0), "EN:Сумма тиража: все значения");
    EXPECT_EQ(StatGroupHeading(1), "{ sum } EN:Сумма чисел тиража");
    // A filter mode name and a table heading.
    EXPECT_STREQ(LevelCaption(0), "EN:Весь список (без условий)");
    EXPECT_STREQ(StatColumnCaptions()[0], "EN:Значение");
    // A status text.
    test::TRecordingHooks hooks;
    FindInArchive({}, TComb{{1, 2, 3, 4, 5}}, hooks);
    ASSERT_FALSE(hooks.Statuses.empty());
    EXPECT_EQ(hooks.Statuses[0], "EN:Поиск по архиву тиражей...");
    // A named constant declared at namespace scope follows too.
    EXPECT_EQ(std::string(UpdateNotFound), "EN:Обновлений не найдено!");
    EXPECT_STREQ(StakesGraphTitle, "EN:График суммарного профита ставок по тиражам");

    SetMessageTexts({});
    EXPECT_EQ(TstSumValues::Descriptor.CaptionFor(0), "Сумма тиража: все значения");
}

TEST_F(MessagesTest, WrongLengthListIsRefusedAndChangesNothing) {
    const std::size_t count = MessageCatalogue().size();
    for (const std::size_t size : {std::size_t{1}, count - 1, count + 1}) {
        SCOPED_TRACE(size);
        EXPECT_THROW(SetMessageTexts(std::vector<std::string>(size, "x")), std::invalid_argument);
        EXPECT_EQ(Msg(TMsg::ArchiveReadError), "Ошибка чтения файла тиражей!");
    }
}

TEST_F(MessagesTest, TextConstantConvertsLikeTheText) {
    const TMsgText text = UpdateNotFound;
    const std::string russian = "Обновлений не найдено!";
    EXPECT_EQ(text, russian);
    EXPECT_EQ(text + "!", russian + "!");
    EXPECT_EQ("<" + text, "<" + russian);
    std::ostringstream out;
    out << text;
    EXPECT_EQ(out.str(), russian);
    EXPECT_TRUE(TMsgText().empty());
}

// --- Source checks ---------------------------------------------------------------------------

// MV_TEST_DATA is <source>/tests/data.
std::filesystem::path SourceRoot() {
    return test::DataFile("x").parent_path().parent_path().parent_path();
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The bodies of the string literals of a C++ source, comments and character literals skipped;
// adjacent literals are joined.
std::vector<std::string> StringLiterals(const std::string& src) {
    std::vector<std::string> out;
    bool joining = false;
    for (std::size_t i = 0; i < src.size();) {
        if (src.compare(i, 2, "//") == 0) {
            i = src.find('\n', i);
            if (i == std::string::npos) break;
        } else if (src.compare(i, 2, "/*") == 0) {
            i = src.find("*/", i) + 2;
        } else if (src[i] == '\'' &&
                   (i == 0 || !std::isalnum(static_cast<unsigned char>(src[i - 1])))) {
            for (++i; i < src.size() && src[i] != '\''; i += src[i] == '\\' ? 2 : 1) {
            }
            ++i;
            joining = false;
        } else if (src[i] == '"') {
            std::size_t j = i + 1;
            while (j < src.size() && src[j] != '"') j += src[j] == '\\' ? 2 : 1;
            std::string body = src.substr(i + 1, j - i - 1);
            if (joining) {
                out.back() += body;
            } else {
                out.push_back(body);
            }
            joining = true;
            i = j + 1;
        } else {
            if (!std::isspace(static_cast<unsigned char>(src[i]))) joining = false;
            ++i;
        }
    }
    return out;
}

bool HasCyrillic(const std::string& text) {
    // Cyrillic letters are D0 xx / D1 xx in UTF-8.
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b == 0xD0 || b == 0xD1;
    });
}

TEST(MessageSources, EngineKeepsShownTextsInTheCatalogue) {
    // Russian literals that are data, not texts for a person; they stay Russian in every language.
    const std::map<std::string, std::string> allowed = {
        // Month and day names, "ИСТИНА"/"ЛОЖЬ": how the operator's workbook formats its cells
        // in its Russian locale; the reader reproduces those cell texts.
        {"download/workbook.cpp", "the operator's workbook cell formats"},
        // The letters of the even/odd and prime/composite patterns ("Чн..нЧ") are value texts
        // that scenario files store and read back.
        {"stats/families/numbers.h", "pattern value letters stored in scenario files"},
    };
    const std::filesystem::path engine = SourceRoot() / "src/engine";
    ASSERT_TRUE(std::filesystem::is_directory(engine)) << engine;
    std::vector<std::string> offenders;
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(engine)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        ++files;
        const std::string relative = entry.path().lexically_relative(engine).generic_string();
        if (allowed.count(relative) != 0) continue;
        for (const std::string& literal : StringLiterals(ReadText(entry.path()))) {
            if (HasCyrillic(literal)) offenders.push_back(relative + ": \"" + literal + "\"");
        }
    }
    EXPECT_GT(files, 100);
    EXPECT_TRUE(offenders.empty()) << "Russian literals outside messages.def:\n"
                                   << ::testing::PrintToString(offenders);
}

TEST(MessageSources, LiteralScannerSeesThroughCommentsAndJoins) {
    const std::string src = "// \"Комментарий\"\n/* \"тоже\" */ f('\"', \"a\" \"б\"); g(\"c\");";
    EXPECT_EQ(StringLiterals(src), (std::vector<std::string>{"aб", "c"}));
}

// The printf-style and %-template conversions of a text, in order.
std::vector<std::string> Conversions(const std::string& text) {
    static const std::regex conversion(R"(%(\d+:)?[-+ #0]*\d*(\.\d+)?(ll|l|L|h)?[sdiuxXfgec%])");
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), conversion);
         it != std::sregex_iterator(); ++it) {
        out.push_back(it->str());
    }
    return out;
}

std::string XmlText(std::string text) {
    const std::pair<const char*, const char*> entities[] = {{"&#13;", "\r"}, {"&lt;", "<"},
                                                            {"&gt;", ">"},   {"&quot;", "\""},
                                                            {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [from, to] : entities) {
        for (std::size_t p = text.find(from); p != std::string::npos; p = text.find(from, p + 1)) {
            text.replace(p, std::string(from).size(), to);
        }
    }
    return text;
}

TEST(MessageSources, EnglishTranslationsKeepConversionsAndSeparators) {
    // A translation that loses or reorders a %d would format the wrong argument (or crash a
    // printf-style call), so every translated text keeps the conversions of its source.
    const std::string ts = ReadText(SourceRoot() / "translations/engine_en.ts");
    ASSERT_FALSE(ts.empty());
    static const std::regex message(
        R"(<source>([^<]*)</source>\s*<comment>(\w+)</comment>\s*<translation[^>]*>([^<]*)</translation>)");
    std::map<std::string, std::string> sources;
    for (auto it = std::sregex_iterator(ts.begin(), ts.end(), message);
         it != std::sregex_iterator(); ++it) {
        const std::string source = XmlText((*it)[1]);
        const std::string english = XmlText((*it)[3]);
        SCOPED_TRACE((*it)[2].str());
        sources[(*it)[2]] = source;
        if (english.empty()) continue;  // untranslated: the desktop's own test reports those
        EXPECT_EQ(Conversions(english), Conversions(source)) << english;
        EXPECT_EQ(std::count(english.begin(), english.end(), '\r'),
                  std::count(source.begin(), source.end(), '\r'))
            << english;
    }
    // The file is made from this catalogue: same identifiers, same Russian texts.
    for (const TMessageInfo& info : MessageCatalogue()) {
        const auto it = sources.find(info.Id);
        if (it == sources.end()) {
            ADD_FAILURE() << info.Id << " is missing from engine_en.ts (run tools/messages_ts.py)";
        } else {
            EXPECT_EQ(it->second, info.Russian) << info.Id;
        }
    }
}

}  // namespace
}  // namespace mv
