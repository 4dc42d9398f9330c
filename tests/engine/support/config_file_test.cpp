#include "engine/support/config_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "engine/core/errors.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/support/ini_file.h"
#include "test_support.h"

namespace mv {
namespace {

using test::ReadBytes;
using test::TTempDir;
using test::WriteBytes;

class ConfigFixture : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
    TTempDir dir;
    std::filesystem::path file = dir / "Marvolet_5z36.ini";
};

TEST_F(ConfigFixture, NoFileGivesTheDefaults) {
    TConfigData config;
    config.MatrixCols = 9;
    config.Profits.push_back({3, 100});
    LoadAnalysisSettings(file, config);
    EXPECT_EQ(config, TConfigData{});
    EXPECT_EQ(config.MatrixCols, 6);
    EXPECT_EQ(config.ChannelSize, 6);
    EXPECT_EQ(config.Cost, 0);
    EXPECT_EQ(config.MaxStake, 5);
    EXPECT_TRUE(config.Profits.empty());
    EXPECT_EQ(SegmentsText(config.MatrixSegments), std::string(36, '1'));
    EXPECT_EQ(config.Weights.CoefCount, 0.0L);
    EXPECT_EQ(config.Weights.CoefDeviation, -1.0L);
    EXPECT_EQ(config.Weights.CoefLevel, 1.0L);

    TGenerateSettings generate{3, "x"};
    LoadGenerateSettings(file, generate);
    EXPECT_EQ(generate, TGenerateSettings{});
    TShreddingSettings shredding;
    shredding.Digits[1] = 4;
    LoadShreddingSettings(file, shredding);
    EXPECT_EQ(shredding.Formulas[0], "(n1+n2+n3)/(n4+n5)");
    EXPECT_EQ(shredding.Formulas[2], "(n1+n2)/(n3+n4+n5)");
    EXPECT_EQ(shredding.Digits[1], 2);
    TProxy proxy;
    LoadProxySettings(file, proxy);
    EXPECT_EQ(proxy.Mode, 0);
    EXPECT_EQ(proxy.Port, 80);
    EXPECT_TRUE(proxy.Written);
    EXPECT_FALSE(std::filesystem::exists(file));  // reading creates nothing
}

TEST_F(ConfigFixture, SegmentTexts) {
    struct Case {
        const char* text;
        std::string expected;
    } cases[] = {
        {"12", "12" + std::string(34, '1')},
        {"", std::string(36, '1')},
        {"9a0 5", "9111" + std::string("5") + std::string(31, '1')},  // letter, 0, blank give 1
        {"234567891234567891234567891234567891999", "234567891234567891234567891234567891"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SegmentsText(ParseSegmentsText(c.text)), c.expected) << c.text;
    }
    WriteBytes(file, "[GLOBAL]\r\nMatrixSegments=12\r\n");
    TConfigData config;
    LoadAnalysisSettings(file, config);
    EXPECT_EQ(config.MatrixSegments[0], 1);
    EXPECT_EQ(config.MatrixSegments[1], 2);
    EXPECT_EQ(config.MatrixSegments[35], 1);
}

TEST_F(ConfigFixture, MoneyHalfIsHeldAsTenThousandthsAndWrittenBack) {
    for (const char* stored : {"0,5", "0.5", " 0.50 ", "5e-1"}) {
        WriteBytes(file, std::string("[STAKES]\r\nCost=") + stored + "\r\n");
        TConfigData config;
        LoadAnalysisSettings(file, config);
        EXPECT_EQ(config.Cost, 5000) << stored;
        SaveAnalysisSettings(file, config);
        EXPECT_NE(ReadBytes(file).find("Cost=0,5\r\n"), std::string::npos);
        TConfigData again;
        LoadAnalysisSettings(file, again);
        EXPECT_EQ(again, config);
    }
}

TEST(Money, RoundingTakesAnExactHalfToTheEvenNeighbour) {
    struct Case {
        const char* text;
        TMoney expected;
    } cases[] = {
        {"0.00005", 0},
        {"0,00015", 2},
        {"0.00025", 2},
        {"0.00035", 4},
        {"0.000051", 1},
        {"0.000049999", 0},
        {"-0.00015", -2},
        {"-0.00025", -2},
        {"1.00005", 10000},
        {"1.00015", 10002},
        {"12345.67895", 123456790},
        {"12345.67885", 123456788},
        {"2.5e-4", 2},
        {"35e-5", 4},
        {"0", 0},
        {"-0", 0},
        {"1e-99999", 0},
        {"922337203685477.5807", 9223372036854775807},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseMoneyText(c.text);
        ASSERT_TRUE(parsed) << c.text;
        EXPECT_EQ(*parsed, c.expected) << c.text;
    }
    for (const char* bad : {"", "abc", "1,2,3", "1 000", "922337203685477.5808", "1e30"}) {
        EXPECT_FALSE(ParseMoneyText(bad)) << bad;
    }
    // The same rule on computed values.
    EXPECT_EQ(RoundMoney(0.00025L), 2);
    EXPECT_EQ(RoundMoney(0.00035L), 4);
    EXPECT_EQ(RoundMoney(0.5L), 5000);
    EXPECT_EQ(RoundMoney(-1.00015L), -10002);
}

TEST(Money, TextOfAnAmount) {
    SetDecimalSeparator(',');
    struct Case {
        TMoney value;
        const char* text;
    } cases[] = {
        {5000, "0,5"},
        {0, "0"},
        {20000, "2"},
        {12345, "1,2345"},
        {1, "0,0001"},
        {-5000, "-0,5"},
        {-9223372036854775807LL - 1, "-922337203685477,5808"},
    };
    for (const auto& c : cases) EXPECT_EQ(MoneyToText(c.value), c.text);
}

TEST_F(ConfigFixture, PrizeTableOfEightIsSavedAsSixWithoutLeftovers) {
    std::string text = "[STAKES]\r\nProfits=8\r\n";
    for (int i = 0; i < 8; ++i) {
        text += "Profit_" + std::to_string(i) + "_Overlap=" + std::to_string(i) + "\r\n";
        text += "Profit_" + std::to_string(i) + "_Profit=" + std::to_string(i * 10) + ",5\r\n";
    }
    WriteBytes(file, text);
    TConfigData config;
    LoadAnalysisSettings(file, config);
    ASSERT_EQ(config.Profits.size(), 8u);
    EXPECT_EQ(config.Profits[7], (TProfitRec{7, 705000}));
    config.Profits.resize(6);  // what the settings dialog hands back
    SaveAnalysisSettings(file, config);
    const TIniFile ini(file);
    EXPECT_EQ(ini.ReadInteger("STAKES", "Profits", 0), 6);
    EXPECT_EQ(ini.ReadString("STAKES", "Profit_5_Profit", ""), "50,5");
    EXPECT_FALSE(ini.ValueExists("STAKES", "Profit_6_Overlap"));
    EXPECT_FALSE(ini.ValueExists("STAKES", "Profit_7_Profit"));
}

TEST_F(ConfigFixture, OutOfRangeAndJunkValuesGiveTheirDefaults) {
    WriteBytes(file,
               "[GLOBAL]\r\nMatrixCols=0\r\nChannelSize=1\r\nCombsGenerateMode=7\r\n"
               "[STAKES]\r\nProfits=2000000000\r\nCost=a lot\r\nMaxStake=x\r\n"
               "[CDL]\r\nCount=1,5\r\nDeviation=none\r\nUsePercents=3\r\nUseAbsValues=-1\r\n"
               "[SHREDDING]\r\nFormula2Digits=9\r\nFormula3=n1\r\n");
    TConfigData config;
    LoadAnalysisSettings(file, config);
    EXPECT_EQ(config.MatrixCols, 6);
    EXPECT_EQ(config.ChannelSize, 6);
    EXPECT_TRUE(config.Profits.empty());
    EXPECT_EQ(config.Cost, 0);
    EXPECT_EQ(config.MaxStake, 5);
    EXPECT_EQ(config.Weights.CoefCount, 1.5L);
    EXPECT_EQ(config.Weights.CoefDeviation, -1.0L);
    EXPECT_TRUE(config.Weights.UsePercents);
    EXPECT_FALSE(config.Weights.UseAbsValues);  // only a value above 0 counts
    TGenerateSettings generate;
    LoadGenerateSettings(file, generate);
    EXPECT_EQ(generate.CombsGenerateMode, 0);
    TShreddingSettings shredding;
    LoadShreddingSettings(file, shredding);
    EXPECT_EQ(shredding.Digits[1], 2);
    EXPECT_EQ(shredding.Formulas[2], "n1");
}

TEST_F(ConfigFixture, ProxyModeFollowsTheServerWhenAbsent) {
    struct Case {
        const char* text;
        int mode;
    } cases[] = {
        {"[PROXY]\r\nProxyServer=proxy.local\r\nProxyPort=3128\r\n", 2},
        {"[PROXY]\r\nProxyServer=\r\n", 0},
        {"[PROXY]\r\nProxyMode=1\r\nProxyServer=proxy.local\r\n", 1},
        {"[PROXY]\r\nProxyMode=0\r\nProxyServer=proxy.local\r\n", 0},
    };
    for (const auto& c : cases) {
        WriteBytes(file, c.text);
        TProxy proxy;
        LoadProxySettings(file, proxy);
        EXPECT_EQ(proxy.Mode, c.mode) << c.text;
    }
    TProxy proxy{2, "host", 8080, "user", "пароль", false};
    SaveProxySettings(file, proxy);
    EXPECT_TRUE(proxy.Written);
    TProxy again;
    LoadProxySettings(file, again);
    EXPECT_EQ(again, proxy);
}

TEST_F(ConfigFixture, SavesKeepOtherGroupsAndRoundTrip) {
    WriteBytes(file,
               Utf8ToCp1251("; мой файл\r\n[PROXY]\r\nProxyServer=keep\r\n[Other]\r\nX=1\r\n"));
    TConfigData config;
    config.MatrixCols = 5;
    config.ChannelSize = 4;
    config.Cost = 123456;
    config.Profits = {{0, 0}, {3, 15000}, {5, 1000000000}};
    config.Weights = {0.125L, -2.5L, 3.0L, true, false};
    config.MatrixSegments[35] = 9;
    SaveAnalysisSettings(file, config);
    TGenerateSettings generate{2, std::string(300, 'z')};
    SaveGenerateSettings(file, generate);
    TShreddingSettings shredding;
    shredding.Formulas[1] = "n1/n2";
    shredding.Digits = {1, 3, 5};
    SaveShreddingSettings(file, shredding);

    TConfigData config2;
    LoadAnalysisSettings(file, config2);
    EXPECT_EQ(config2, config);
    TGenerateSettings generate2;
    LoadGenerateSettings(file, generate2);
    EXPECT_EQ(generate2.CombsGenerateParameters, std::string(255, 'z'));
    TShreddingSettings shredding2;
    LoadShreddingSettings(file, shredding2);
    EXPECT_EQ(shredding2, shredding);

    const std::string bytes = ReadBytes(file);
    EXPECT_EQ(bytes.rfind("; " + Utf8ToCp1251("мой файл") +
                              "\r\n[PROXY]\r\nProxyServer=keep\r\n"
                              "[Other]\r\nX=1\r\n",
                          0),
              0u);
    EXPECT_NE(bytes.find("UsePercents=1\r\nUseAbsValues=0\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Cost=12,3456\r\n"), std::string::npos);
}

// Coefficients as the configuration dialog hands them over (doubles) are written in their
// shortest form, without the digits of their binary expansion.
TEST_F(ConfigFixture, CoefficientsFromTheDialogAreWrittenShort) {
    TConfigData config;
    config.Weights = {static_cast<long double>(0.2), static_cast<long double>(-1.1),
                      static_cast<long double>(0.001), false, false};
    SaveAnalysisSettings(file, config);
    EXPECT_NE(ReadBytes(file).find("[CDL]\r\nCount=0,2\r\nDeviation=-1,1\r\nLevel=0,001\r\n"),
              std::string::npos)
        << ReadBytes(file);
}

TEST_F(ConfigFixture, GenerationParametersAreCutToTwoHundredFiftyFiveCharacters) {
    std::string text;
    for (int i = 0; i < 300; ++i) text += "ж";
    WriteBytes(file, "[GLOBAL]\r\nCombsGenerateParameters=" + Utf8ToCp1251(text) + "\r\n");
    TGenerateSettings generate;
    LoadGenerateSettings(file, generate);
    EXPECT_EQ(Utf8Length(generate.CombsGenerateParameters), 255u);
}

TEST_F(ConfigFixture, FailuresCarryTheOperationMessageAndKeepValues) {
    std::filesystem::create_directory(file);  // a directory cannot be read as the file
    TConfigData config;
    config.MatrixCols = 9;
    try {
        LoadAnalysisSettings(file, config);
        FAIL() << "no error";
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Ошибка чтения файла конфигурации!\r\r", 0), 0u);
    }
    EXPECT_EQ(config.MatrixCols, 9);

    TProxy proxy{2, "h", 1, "", "", false};
    try {
        SaveProxySettings(dir / "no-such-dir" / "x.ini", proxy);
        FAIL() << "no error";
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Ошибка записи в файл конфигурации!\r\r", 0), 0u);
    }
    EXPECT_FALSE(proxy.Written);
    EXPECT_EQ(proxy.Server, "h");
}

TEST(ConfigChange, MaskBits) {
    const TConfigData base;
    TConfigData cols = base;
    cols.MatrixCols = 5;
    TConfigData channel = base;
    channel.ChannelSize = 7;
    TConfigData segments = base;
    segments.MatrixSegments[10] = 3;
    TConfigData all = segments;
    all.MatrixCols = 4;
    all.ChannelSize = 2;
    TConfigData other = base;
    other.Cost = 10;
    other.Weights.CoefLevel = 2;
    EXPECT_EQ(ConfigChangeMask(base, base), 0);
    EXPECT_EQ(ConfigChangeMask(base, cols), 16);
    EXPECT_EQ(ConfigChangeMask(base, channel), 8);
    EXPECT_EQ(ConfigChangeMask(base, segments), 32);
    EXPECT_EQ(ConfigChangeMask(base, all), 56);
    EXPECT_EQ(ConfigChangeMask(base, other), 0);
}

TEST_F(ConfigFixture, EffectiveConfigurationMarksDefaults) {
    WriteBytes(file,
               "[GLOBAL]\r\nMatrixCols=5\r\nChannelSize=0\r\n[STAKES]\r\nCost=0,5\r\nProfits=1\r\n"
               "Profit_0_Overlap=3\r\n[PROXY]\r\nProxyServer=h\r\nProxyPassword=secret\r\n"
               "[ONLINE]\r\nServiceUrl= https://club.example \r\nUserMail=a@b.c\r\n");
    const auto lines = RenderEffectiveConfiguration(file);
    auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_EQ(lines.front(), "GLOBAL.MatrixCols=5");
    EXPECT_TRUE(has("GLOBAL.ChannelSize=6 (по умолчанию)"));
    EXPECT_TRUE(has("STAKES.Cost=0,5"));
    EXPECT_TRUE(has("STAKES.Profit_0_Overlap=3"));
    EXPECT_TRUE(has("STAKES.Profit_0_Profit=0 (по умолчанию)"));
    EXPECT_TRUE(has("CDL.Deviation=-1 (по умолчанию)"));
    EXPECT_TRUE(has("SHREDDING.Formula1=(n1+n2+n3)/(n4+n5) (по умолчанию)"));
    EXPECT_TRUE(has("PROXY.ProxyMode=2 (по умолчанию)"));
    EXPECT_TRUE(has("PROXY.ProxyPassword=********"));
    EXPECT_TRUE(has("DOWNLOAD.DrawsUrl= (по умолчанию)"));
    EXPECT_TRUE(has("ONLINE.ServiceUrl=https://club.example"));
    EXPECT_TRUE(has("ONLINE.CaFile= (по умолчанию)"));
    EXPECT_TRUE(has("ONLINE.UserMail=a@b.c"));
    EXPECT_TRUE(has("UPDATE.PublicKey= (по умолчанию)"));
    EXPECT_EQ(lines.size(), 32u);
}

TEST(ConfigFile, DrawsUrlIsStoredTrimmedAndEmptyByDefault) {
    TTempDir dir;
    const auto file = dir / "Marvolet_5z36.ini";
    EXPECT_EQ(LoadDrawsUrl(file), "");
    WriteBytes(file, "[PROXY]\r\nProxyMode=1\r\n");
    SaveDrawsUrl(file, "  https://example.org/results.xlsx ");
    EXPECT_EQ(LoadDrawsUrl(file), "https://example.org/results.xlsx");
    TProxy proxy;
    LoadProxySettings(file, proxy);
    EXPECT_EQ(proxy.Mode, 1);  // the other groups stay
}

}  // namespace
}  // namespace mv
