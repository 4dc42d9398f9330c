// Changing the shredding formulas: the configuration file, the method names and the full-set
// comparison files counted with the old formulas.
#include <gtest/gtest.h>

#include <filesystem>

#include "combs_fixture.h"
#include "engine/combs/full_set.h"
#include "engine/combs/full_set_files.h"
#include "engine/core/errors.h"
#include "engine/session/shredding_commands.h"

namespace mv::test {
namespace {

class ShreddingSettingsTest : public CombsTest {
protected:
    void SetUp() override {
        SetPrefetchsEnabled(Ws, true);
        Ws.Stats().BuildMethods();
        m_subscription = Ws.Subscribe([this](TChanges c) { Changes |= c; });
    }
    int Method(const std::string& code) { return Ws.Stats().FindMethod(code); }
    const TStatMethod& Shr(int i) { return Ws.Stats().Method(Method("SHR" + std::to_string(i))); }
    std::string Record(int i) {
        return ReadBytes(Dir / "Prefetchs" / ("Marvolet_5z36_SHR" + std::to_string(i) + ".cfg"));
    }

    TChanges Changes = 0;

private:
    int m_subscription = 0;
};

TEST_F(ShreddingSettingsTest, NewFormulaIsSavedNamedAndItsFileCountedAgain) {
    ASSERT_TRUE(CreateFullSetFile(Ws, Method("SHR1")).has_value());
    ASSERT_TRUE(CreateFullSetFile(Ws, Method("SHR2")).has_value());
    EXPECT_EQ(Record(1), "Formula=(n1+n2+n3)/(n4+n5)\nDigits=2\n");
    const std::string oldFile = ReadBytes(Dir / "Prefetchs" / "Marvolet_5z36_SHR1.dfc");
    Ws.Stats().SetFavoritesText("SHR1,EVEN");
    Ws.Stats().Method(Method("SHR3")).UserName = "Моя шинковка: %s";
    Changes = 0;

    TShreddingSettings settings;
    settings.Formulas[0] = "n1/n2";
    settings.Digits[0] = 3;
    settings.Formulas[2] = "N5 * p1";
    ASSERT_TRUE(ChangeShreddingSettings(Ws, settings));

    EXPECT_EQ(Changes, TChanges{chSettings});
    EXPECT_EQ(ReadBytes(Ws.Paths().Config()),
              "[SHREDDING]\r\nFormula1=n1/n2\r\nFormula2=(n4+n5)/(n1+n2+n3)\r\n"
              "Formula3=N5 * p1\r\nFormula1Digits=3\r\nFormula2Digits=2\r\nFormula3Digits=2\r\n");
    EXPECT_EQ(Hooks.Statuses.back(), "");
    EXPECT_NE(std::find(Hooks.Statuses.begin(), Hooks.Statuses.end(), ConfigSaveStatus),
              Hooks.Statuses.end());

    // The names show the new formulas; codes, user names and favourites stay.
    EXPECT_EQ(Ws.Stats().MethodName(Shr(1)), "Метод шинковки 1: n1/n2");
    EXPECT_EQ(Ws.Stats().MethodName(Shr(3)), "Моя шинковка: N5 * p1");
    EXPECT_EQ(Ws.Stats().FavoritesText(), "EVEN,SHR1");

    // Only the changed methods' files are stale; the next use counts them with the new
    // formula and records it.
    EXPECT_TRUE(FullSetFileStale(Ws.Paths(), Shr(1), Ws.Stats()));
    EXPECT_FALSE(FullSetFileStale(Ws.Paths(), Shr(2), Ws.Stats()));
    bool built = false;
    const TFullSetSource source{Ws.Stats(), Ws.Paths(), Hooks};
    const auto counts = ReadOrBuildFullSetFile(source, Method("SHR1"), built);
    ASSERT_TRUE(counts.has_value());
    EXPECT_TRUE(built);
    EXPECT_EQ(Record(1), "Formula=n1/n2\nDigits=3\n");
    const std::vector<TComb> set = FullSet();
    const auto stat = Ws.Stats().CreateStat(Shr(1));
    EXPECT_EQ(ReadBytes(Dir / "Prefetchs" / "Marvolet_5z36_SHR1.dfc"),
              EncodeFullSetFile(CountFullSetValues(*stat, set.data(), set.size())));
    EXPECT_NE(ReadBytes(Dir / "Prefetchs" / "Marvolet_5z36_SHR1.dfc"), oldFile);
    ReadOrBuildFullSetFile(source, Method("SHR2"), built);
    EXPECT_FALSE(built);
    EXPECT_TRUE(Hooks.Messages.empty());
}

TEST_F(ShreddingSettingsTest, SameSettingsChangeNothing) {
    EXPECT_FALSE(ChangeShreddingSettings(Ws, TShreddingSettings{}));
    EXPECT_EQ(Changes, 0u);
    EXPECT_FALSE(std::filesystem::exists(Ws.Paths().Config()));
}

// The formula itself is never refused (a malformed one gives 0); a digit count outside
// 1..5 is, before anything changes.
TEST_F(ShreddingSettingsTest, DigitCountsOutsideTheirRangeAreRefused) {
    for (const int digits : {0, 6, -1}) {
        TShreddingSettings settings;
        settings.Formulas[1] = "((";
        settings.Digits[1] = digits;
        EXPECT_FALSE(ShreddingSettingsValid(settings));
        EXPECT_THROW(ChangeShreddingSettings(Ws, settings), EError) << digits;
    }
    EXPECT_EQ(Ws.Stats().Shredding, TShreddingSettings{});
    EXPECT_EQ(Changes, 0u);

    TShreddingSettings malformed;
    malformed.Formulas[1] = "((";
    malformed.Digits = {1, 5, 5};
    EXPECT_TRUE(ChangeShreddingSettings(Ws, malformed));
    EXPECT_EQ(Ws.Stats().MethodName(Shr(2)), "Метод шинковки 2: ((");
}

// A file that cannot be written leaves the new settings in force and still tells the views.
TEST_F(ShreddingSettingsTest, FailedSaveKeepsTheNewSettings) {
    std::filesystem::create_directories(Ws.Paths().Config());
    TShreddingSettings settings;
    settings.Formulas[0] = "n1";
    try {
        ChangeShreddingSettings(Ws, settings);
        ADD_FAILURE() << "no error";
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(ConfigWriteError, 0), 0u) << e.what();
    }
    EXPECT_EQ(Ws.Stats().Shredding, settings);
    EXPECT_EQ(Shr(1).Formula, "n1");
    EXPECT_EQ(Changes, TChanges{chSettings});
}

}  // namespace
}  // namespace mv::test
