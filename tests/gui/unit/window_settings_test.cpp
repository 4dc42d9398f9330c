#include "gui/support/window_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/core/errors.h"
#include "gui/core/main_window_keys.h"
#include "test_support.h"

namespace mv {
namespace {

using test::ReadBytes;
using test::TTempDir;
using test::WriteBytes;

class WindowSettingsFixture : public ::testing::Test {
protected:
    TTempDir dir;
    std::filesystem::path file = dir / "Marvolet_5z36.frm";
    TWindowSettings settings{file};
};

TWindowPlacement Placement(TRect norm, int ppi = 96, int showCmd = ShowCmdNormal) {
    TWindowPlacement p;
    p.Flags = 2;
    p.ShowCmd = showCmd;
    p.PixelsPerInch = ppi;
    p.MinMaxPos = {-1, -1, -8, -8};
    p.NormPos = norm;
    return p;
}

TEST_F(WindowSettingsFixture, PlacementPrefersTheScreenSizeKeyAndFallsBackToThePlainOne) {
    const TRect big{10, 20, 1010, 820};
    const TRect small{5, 5, 605, 405};
    settings.SavePlacement("TFormGraph", Placement(big), {1920, 1080});
    settings.SavePlacement("TFormGraph", Placement(small), {1280, 1024});
    EXPECT_EQ(ReadBytes(file),
              "[TFormGraph]\r\nFlags=2\r\nShowCmd=1\r\nPixelsPerInch=96\r\n"
              "MinMaxPos=-1,-1,-8,-8\r\nNormPos=5,5,605,405\r\n"
              "MinMaxPos_1920x1080=-1,-1,-8,-8\r\nNormPos_1920x1080=10,20,1010,820\r\n"
              "MinMaxPos_1280x1024=-1,-1,-8,-8\r\nNormPos_1280x1024=5,5,605,405\r\n");

    const auto atBig = settings.RestorePlacement("TFormGraph", {1920, 1080}, 96);
    ASSERT_TRUE(atBig);
    EXPECT_TRUE(atBig->ApplyBounds);
    EXPECT_EQ(atBig->Placement, Placement(big));
    // A screen size never stored uses the plain key (the last one saved).
    const auto atOther = settings.RestorePlacement("TFormGraph", {800, 600}, 96);
    ASSERT_TRUE(atOther);
    EXPECT_EQ(atOther->Placement.NormPos, small);
    EXPECT_TRUE(atOther->ApplyBounds);
}

TEST_F(WindowSettingsFixture, BoundsNeedTheSameResolutionAndASensibleRectangle) {
    settings.SavePlacement("TFormMain", Placement({0, 0, 800, 600}, 120, 3), {1920, 1080});
    const auto otherPpi = settings.RestorePlacement("TFormMain", {1920, 1080}, 96);
    ASSERT_TRUE(otherPpi);
    EXPECT_FALSE(otherPpi->ApplyBounds);
    EXPECT_EQ(otherPpi->Show, TShowState::Maximized);  // the show state still applies
    EXPECT_TRUE(settings.RestorePlacement("TFormMain", {1920, 1080}, 120)->ApplyBounds);

    settings.SavePlacement("TFormMain", Placement({300, 0, 300, 600}), {1920, 1080});
    EXPECT_FALSE(settings.RestorePlacement("TFormMain", {1920, 1080}, 96)->ApplyBounds);

    EXPECT_FALSE(settings.RestorePlacement("TFormNever", {1920, 1080}, 96));
}

TEST_F(WindowSettingsFixture, UnreadableScreenSizeKeyFallsBackToThePlainKey) {
    WriteBytes(file,
               "[TFormGraph]\r\nShowCmd=2\r\nPixelsPerInch=96\r\nNormPos=1,2,3,4\r\n"
               "NormPos_1920x1080=1,2,x,4\r\nMinMaxPos=1,2,3\r\n");
    const auto restored = settings.RestorePlacement("TFormGraph", {1920, 1080}, 96);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->Placement.NormPos, (TRect{1, 2, 3, 4}));
    EXPECT_EQ(restored->Placement.MinMaxPos, (std::array<std::int32_t, 4>{}));
    EXPECT_EQ(restored->Show, TShowState::Minimized);
    EXPECT_TRUE(restored->ApplyBounds);
}

TEST(WindowSettings, ShowStatesAndSections) {
    const std::pair<int, TShowState> cases[] = {
        {1, TShowState::Normal},    {5, TShowState::Normal},    {9, TShowState::Normal},
        {2, TShowState::Minimized}, {6, TShowState::Minimized}, {7, TShowState::Minimized},
        {3, TShowState::Maximized}, {0, TShowState::Normal},    {42, TShowState::Normal},
    };
    for (const auto& [cmd, state] : cases) EXPECT_EQ(ShowStateOf(cmd), state) << cmd;
    EXPECT_EQ(WindowSection("TFormRepeats", true), "TFormRepeats.MDIChildren");
    EXPECT_EQ(WindowSection("TFormMain"), "TFormMain");
    EXPECT_EQ(ColumnKey("lvDraws", 3), "lvDraws.Column3");
}

TEST_F(WindowSettingsFixture, ColumnWidthsAndSortState) {
    settings.WriteColumnWidths("TFormMain", "lvDraws", {40, 25, 0});
    settings.WriteSortType("TFormMain", "lvRatings", {2, 1});
    EXPECT_EQ(settings.ReadColumnWidths("TFormMain", "lvDraws", {1, 1, 1, 77}),
              (std::vector<int>{40, 25, 0, 77}));
    EXPECT_EQ(settings.ReadSortType("TFormMain", "lvRatings"), (TSortState{2, 1}));
    EXPECT_EQ(ReadBytes(file),
              "[TFormMain]\r\nlvDraws.Column0=40\r\nlvDraws.Column1=25\r\nlvDraws.Column2=0\r\n"
              "lvRatings.SortType=2,1\r\n");

    WriteBytes(file,
               "[TFormMain]\r\nlvDraws.Column0=wide\r\nlvDraws.Column1=-5\r\n"
               "lvRatings.SortType=2\r\n");
    EXPECT_EQ(settings.ReadColumnWidths("TFormMain", "lvDraws", {10, 20}),
              (std::vector<int>{10, 20}));
    EXPECT_FALSE(settings.ReadSortType("TFormMain", "lvRatings"));
}

TEST_F(WindowSettingsFixture, SingleWritesFlushAtOnceAndDoNotLoseOtherWindowsKeys) {
    TWindowSettings other(file);
    settings.WriteBool("TFormMain", "ColorDraws", false);
    other.WriteInteger("TFormRepeats", "GraphHeight", 150);  // a second window, its own object
    settings.WriteInteger("TFormMain", "DrawsStatLen", 500);
    EXPECT_EQ(ReadBytes(file),
              "[TFormMain]\r\nColorDraws=0\r\nDrawsStatLen=500\r\n\r\n"
              "[TFormRepeats]\r\nGraphHeight=150\r\n");
    EXPECT_FALSE(other.ReadBool("TFormMain", "ColorDraws", true));
}

TEST_F(WindowSettingsFixture, BatchWritesOnce) {
    settings.BeginUpdate();
    settings.WriteInteger("TFormMain", "LeftPanelWidth", 300);
    settings.WriteColumnWidths("TFormMain", "lvCombs", {30});
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(settings.ReadInteger("TFormMain", "LeftPanelWidth", 0), 300);
    settings.EndUpdate();
    EXPECT_EQ(ReadBytes(file), "[TFormMain]\r\nLeftPanelWidth=300\r\nlvCombs.Column0=30\r\n");
}

TEST_F(WindowSettingsFixture, MainWindowKeysHaveTheirDefaults) {
    EXPECT_EQ(ReadMainSetting(settings, MainWindowKey::DrawsStatLen), 1000);
    EXPECT_EQ(ReadMainSetting(settings, MainWindowKey::LayoutCompareLen5), 400);
    EXPECT_EQ(ReadMainSetting(settings, MainWindowKey::Language), 1049);
    EXPECT_EQ(ReadMainSetting(settings, MainWindowKey::LeftPanelWidth, 321), 321);
    EXPECT_TRUE(ReadMainFlag(settings, MainWindowKey::AutoUpdates));
    EXPECT_FALSE(ReadMainFlag(settings, MainWindowKey::SortedDraws));
    WriteMainSetting(settings, MainWindowKey::AutoUpdates, 0);
    WriteMainSetting(settings, MainWindowKey::LeftPanelWidth, 250);
    EXPECT_FALSE(ReadMainFlag(settings, MainWindowKey::AutoUpdates));
    EXPECT_EQ(ReadMainSetting(settings, MainWindowKey::LeftPanelWidth, 321), 250);
    EXPECT_EQ(MainWindowKey::All.size(), 44u);
}

TEST_F(WindowSettingsFixture, FirstStartIsMarkedOnce) {
    EXPECT_EQ(ApplyFirstStart(settings, false), 0);
    EXPECT_EQ(ReadBytes(file), "[TFormMain]\r\nPrefetchsInit=1\r\nPrefetchsEnabled=0\r\n");
    EXPECT_EQ(ApplyFirstStart(settings, false), std::nullopt);

    TTempDir other;
    TWindowSettings fresh(other / "x.frm");
    EXPECT_EQ(ApplyFirstStart(fresh, true), 80);
    EXPECT_TRUE(ReadMainFlag(fresh, MainWindowKey::PrefetchsEnabled));
}

TEST_F(WindowSettingsFixture, FailuresBecomeTheProgramParametersMessages) {
    std::filesystem::create_directory(file);
    const auto load = GuardWindowSettings(false, [&] {
        settings.RestorePlacement("TFormMain", {1, 1}, 96);
    });
    ASSERT_TRUE(load);
    EXPECT_EQ(load->rfind("Ошибка загрузки параметров программы!\r\r", 0), 0u);
    const auto save =
        GuardWindowSettings(true, [&] { settings.WriteInteger("TFormMain", "WeekLen", 1); });
    ASSERT_TRUE(save);
    EXPECT_EQ(save->rfind("Ошибка сохранения параметров программы!\r\r", 0), 0u);
    EXPECT_FALSE(GuardWindowSettings(true, [] {}));
}

}  // namespace
}  // namespace mv
