// The favourites manager's operations on the registry and the program's names file.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/core/text_codec.h"
#include "engine/session/method_names.h"
#include "engine/support/ini_file.h"
#include "test_support.h"

namespace mv::test {
namespace {

class MethodNamesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Ws.Stats().BuildMethods();
        m_subscription = Ws.Subscribe([this](TChanges c) { Changes |= c; });
    }
    int Method(const std::string& code) const { return Ws.Stats().FindMethod(code); }
    const TStatMethod& Entry(const std::string& code) const {
        return Ws.Stats().Method(Method(code));
    }
    TMethodChoice& Choice(std::vector<TMethodChoice>& choices, const std::string& code) const {
        return choices.at(static_cast<std::size_t>(Method(code)));
    }
    std::string NamesFileText() const { return Cp1251ToUtf8(ReadBytes(Ws.Paths().MethodNames())); }

    TTempDir Dir;
    TRecordingHooks Hooks;
    TWorkspace Ws{TDataPaths{Dir.Path()}, Hooks};
    TChanges Changes = 0;

private:
    int m_subscription = 0;
};

TEST_F(MethodNamesTest, ConfirmingStoresMarksNamesAndOptions) {
    auto choices = MethodChoices(Ws.Stats());
    ASSERT_EQ(choices.size(), static_cast<std::size_t>(Ws.Stats().MethodCount()));
    EXPECT_EQ(Choice(choices, "DIGS").Text, "Цифры тиража");
    for (auto& c : choices) c.Favorite = false;
    Choice(choices, "NUMS").Favorite = true;
    Choice(choices, "EVEN").Favorite = true;
    Choice(choices, "NUMS").Text = "Мои числа";
    Choice(choices, "DIGS").Text = "ЦИФРЫ ТИРАЖА";  // the caption in capitals: no user name
    Choice(choices, "EVEN").Text = "";              // empty: no user name either
    ConfirmMethodChoices(Ws, choices, {true, false, true});

    EXPECT_TRUE(Changes & chMethods);
    const TStatList& registry = Ws.Stats();
    EXPECT_EQ(registry.FavoritesText(), "NUMS,EVEN");
    EXPECT_EQ(Entry("NUMS").UserName, "Мои числа");
    EXPECT_EQ(Entry("DIGS").UserName, "");
    EXPECT_EQ(Entry("EVEN").UserName, "");
    EXPECT_EQ(MethodDisplay(registry), (TMethodDisplay{true, false, true}));
    EXPECT_EQ(NamesFileText(),
              "[FILTERS]\r\nFavorites=NUMS,EVEN\r\nOrdered=1\r\nShowGroupName=0\r\n"
              "ShowMethodFlags=1\r\n\r\n[STRINGS_RUS]\r\nNUMS=Мои числа\r\n");
    EXPECT_TRUE(Hooks.Messages.empty());
}

// Unmarking every method or marking every one both end as "every method is favourite".
TEST_F(MethodNamesTest, AllOrNoneMarkedMeansEveryMethod) {
    for (const bool mark : {false, true}) {
        Ws.Stats().SetFavoritesText("NUMS");
        auto choices = MethodChoices(Ws.Stats());
        for (auto& c : choices) c.Favorite = mark;
        ConfirmMethodChoices(Ws, choices, MethodDisplay(Ws.Stats()));
        EXPECT_TRUE(Ws.Stats().AllFavorites) << mark;
        for (int i = 0; i < Ws.Stats().MethodCount(); ++i) ASSERT_TRUE(Ws.Stats().IsShown(i));
        const TIniFile ini(Ws.Paths().MethodNames());
        EXPECT_EQ(ini.ReadString("FILTERS", "Favorites", "?"), "") << mark;
    }
}

TEST_F(MethodNamesTest, ResetMakesEveryMethodFavouriteAndKeepsNames) {
    Ws.Stats().SetFavoritesText("SUM");
    Ws.Stats().Method(Method("DIGS")).UserName = "Мои цифры";
    ResetFavorites(Ws);
    EXPECT_TRUE(Changes & chMethods);
    EXPECT_TRUE(Ws.Stats().AllFavorites);
    EXPECT_EQ(Entry("DIGS").UserName, "Мои цифры");
    const TIniFile ini(Ws.Paths().MethodNames());
    EXPECT_EQ(ini.ReadString("FILTERS", "Favorites", "?"), "");
    EXPECT_EQ(ini.ReadString("STRINGS_RUS", "DIGS", ""), "Мои цифры");
}

// Export writes every method's shown name and leaves the registry with the program's names;
// importing the file back makes every shown name a user name.
TEST_F(MethodNamesTest, ExportThenImport) {
    Ws.Stats().Method(Method("NUMS")).UserName = "Числа из файла";
    ASSERT_FALSE(Ws.Stats().WriteNames(Ws.Paths().MethodNames(), true, false));
    auto choices = MethodChoices(Ws.Stats());
    Choice(choices, "DIGS").Text = "Цифры из диалога";
    const auto exported = Dir.Path() / "names.flt";
    ASSERT_TRUE(ExportMethodNames(Ws, exported, choices));
    EXPECT_TRUE(Changes & chMethods);
    EXPECT_EQ(Entry("DIGS").UserName, "");  // back to the program's names file
    EXPECT_EQ(Entry("NUMS").UserName, "Числа из файла");
    {
        const TIniFile ini(exported);
        EXPECT_FALSE(ini.SectionExists("FILTERS"));
        EXPECT_EQ(ini.ReadSection("STRINGS_RUS").size(),
                  static_cast<std::size_t>(Ws.Stats().MethodCount()));
        EXPECT_EQ(ini.ReadString("STRINGS_RUS", "DIGS", ""), "Цифры из диалога");
        EXPECT_EQ(ini.ReadString("STRINGS_RUS", "EVEN", ""),
                  "Количество четных чисел в тираже (Ч:Н)");
        EXPECT_EQ(ini.ReadString("STRINGS_RUS", "SHR1", ""), "Метод шинковки 1: %s");
    }
    Ws.Stats().SetFavoritesText("NUMS");
    Changes = 0;
    ASSERT_TRUE(ImportMethodNames(Ws, exported));
    EXPECT_TRUE(Changes & chMethods);
    for (int i = 0; i < Ws.Stats().MethodCount(); ++i) {
        ASSERT_EQ(Ws.Stats().Method(i).UserName, choices[static_cast<std::size_t>(i)].Text) << i;
    }
    EXPECT_EQ(Ws.Stats().FavoritesText(), "NUMS");  // an import leaves the marks alone
    // The program's names file is not written by an import.
    EXPECT_EQ(TIniFile(Ws.Paths().MethodNames()).ReadString("STRINGS_RUS", "DIGS", ""), "");
}

TEST_F(MethodNamesTest, FileFailuresAreShownAndTheOperationGoesOn) {
    const auto folder = Dir.Path() / "folder.flt";
    std::filesystem::create_directory(folder);
    Ws.Stats().Method(Method("NUMS")).UserName = "Мои";
    EXPECT_FALSE(ImportMethodNames(Ws, folder));
    EXPECT_TRUE(Changes & chMethods);
    EXPECT_EQ(Entry("NUMS").UserName, "Мои");  // a failed import replaced nothing
    EXPECT_FALSE(ExportMethodNames(Ws, folder, MethodChoices(Ws.Stats())));
    ASSERT_EQ(Hooks.Messages.size(), 2u);
    EXPECT_EQ(Hooks.Messages[0].first, TMessageKind::Error);
    EXPECT_EQ(Hooks.Messages[0].second.rfind("Ошибка загрузки списка фильтров!\r\r", 0), 0u);
    EXPECT_EQ(Hooks.Messages[1].second.rfind("Ошибка сохранения списка фильтров!\r\r", 0), 0u);
}

// A method that another configuration has and this one lacks keeps its name and mark in
// the names file through every write, and has both again when it comes back.
TEST_F(MethodNamesTest, MethodsOfAnotherConfigurationKeepTheirNamesAndMarks) {
    Ws.Config().ChannelSize = 3;  // twelve channels: CHN1..CHN12
    RebuildMethodList(Ws);
    ASSERT_GE(Method("CHN10"), 0);
    auto choices = MethodChoices(Ws.Stats());
    for (auto& c : choices) c.Favorite = false;
    Choice(choices, "CHN10").Favorite = true;
    Choice(choices, "CHN10").Text = "Десятый канал";
    Choice(choices, "NUMS").Favorite = true;
    ConfirmMethodChoices(Ws, choices, MethodDisplay(Ws.Stats()));

    Ws.Config().ChannelSize = 6;  // six channels
    Changes = 0;
    RebuildMethodList(Ws);
    EXPECT_TRUE(Changes & chMethods);
    ASSERT_LT(Method("CHN10"), 0);
    EXPECT_EQ(Ws.Stats().FavoritesText(), "NUMS,CHN10");
    // Confirming and resetting the manager with the shorter list drop nothing of CHN10.
    choices = MethodChoices(Ws.Stats());
    Choice(choices, "DIGS").Favorite = true;
    ConfirmMethodChoices(Ws, choices, MethodDisplay(Ws.Stats()));
    {
        const TIniFile ini(Ws.Paths().MethodNames());
        EXPECT_EQ(ini.ReadString("FILTERS", "Favorites", ""), "NUMS,DIGS,CHN10");
        EXPECT_EQ(ini.ReadString("STRINGS_RUS", "CHN10", ""), "Десятый канал");
    }

    Ws.Config().ChannelSize = 3;
    RebuildMethodList(Ws);
    ASSERT_GE(Method("CHN10"), 0);
    EXPECT_TRUE(Entry("CHN10").Favorite);
    EXPECT_FALSE(Entry("CHN9").Favorite);
    EXPECT_EQ(Entry("CHN10").UserName, "Десятый канал");
    EXPECT_EQ(Ws.Stats().FavoritesText(), "NUMS,DIGS,CHN10");
}

}  // namespace
}  // namespace mv::test
