#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/session/list_commands.h"
#include "engine/session/stake_commands.h"
#include "engine/stakes/systems.h"
#include "test_support.h"

namespace mv {
namespace {

std::vector<std::vector<int>> Combs(const TCombsArray& list) {
    std::vector<std::vector<int>> out;
    for (const TComb& c : list) out.push_back({c.Nums.begin(), c.Nums.end()});
    return out;
}

class SystemsTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    std::filesystem::path m_folder = SystemsFolder(m_dir.Path());
    test::TRecordingHooks m_hooks;

    void SetUp() override { std::filesystem::create_directory(m_folder); }
    void Put(const std::string& name, const std::string& text) {
        test::WriteBytes(m_folder / name, text);
    }
    TSystemLookup Load(std::vector<std::uint8_t> numbers) {
        return LoadSystemCombinations(m_folder, numbers, m_hooks);
    }
};

TEST_F(SystemsTest, NamesAndLookupByNumberCount) {
    EXPECT_EQ(SystemFileName(12, 3, 42), "5-12-3_0042.dat");
    const std::vector<std::uint8_t> six = {7, 3, 30, 12, 9, 21};

    TSystemLookup none = Load(six);
    EXPECT_FALSE(none.Found);
    EXPECT_EQ(none.Text, "Система для 6 чисел не найдена или не загружена на компьютер!");
    ASSERT_EQ(m_hooks.Messages.size(), 1u);
    EXPECT_NE(m_hooks.Messages[0].second.find("через меню \"Системы\" - \"Загрузить\""),
              std::string::npos);

    // A folder with the right name is not a system; the first file by name is taken.
    std::filesystem::create_directory(m_folder / "5-06-0_0000.dat");
    Put("5-07-1_0001.dat", "1 2 3 4 5\r\n");
    Put("5-06-2_0009.dat", "9 9 9 9 9\r\n");
    Put("5-06-1_0007.dat", "1 2 3 4 5\r\n01-02-03-04-06 99\r\n6*5+4,3.2\r\n1/2:3;4=5\\6_1|2~3\r\n");
    m_hooks.Messages.clear();
    TSystemLookup found = Load(six);
    EXPECT_TRUE(found.Found);
    EXPECT_TRUE(m_hooks.Messages.empty());
    EXPECT_EQ(found.Text, (m_folder / "5-06-1_0007.dat").string());
    EXPECT_EQ(Combs(found.Combs),
              (std::vector<std::vector<int>>{
                  {7, 3, 30, 12, 9}, {7, 3, 30, 12, 21}, {21, 9, 12, 30, 3}, {7, 3, 30, 12, 9}}));
}

TEST_F(SystemsTest, MalformedFiles) {
    const std::vector<std::uint8_t> six = {1, 2, 3, 4, 5, 6};
    struct TCase {
        const char* Text;
        const char* Reason;  // nullptr: fails without a message
    };
    const TCase cases[] = {
        {"1 2 3 4 5\r\n1 2 3 4\r\n", "строка 2: меньше пяти чисел."},
        {"1 2 3 x 5\r\n", "строка 1: \"x\" не является целым числом."},
        {"1 2 3 4 5\r\n1 2 7 4 5\r\n", "строка 2: позиция 7 вне диапазона 1..6."},
        {"0 1 2 3 4\r\n", "строка 1: позиция 0 вне диапазона 1..6."},
        {"", nullptr},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        Put("5-06-1_0001.dat", c.Text);
        m_hooks.Messages.clear();
        const TSystemLookup r = Load(six);
        EXPECT_FALSE(r.Found);
        EXPECT_TRUE(r.Combs.Empty());
        EXPECT_EQ(r.Text, (m_folder / "5-06-1_0001.dat").string());
        if (!c.Reason) {
            EXPECT_TRUE(m_hooks.Messages.empty());
            continue;
        }
        ASSERT_EQ(m_hooks.Messages.size(), 1u);
        EXPECT_EQ(m_hooks.Messages[0].second,
                  "Ошибка загрузки комбинаций системы!\r\r\"" + r.Text + "\", " + c.Reason);
    }
}

class SystemStakesTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    test::TRecordingHooks m_hooks;
    TWorkspace m_ws{TDataPaths{m_dir.Path()}, m_hooks};

    void SetUp() override {
        m_ws.LockDataFiles();
        m_ws.Config().Cost = 10000;
        std::filesystem::create_directory(SystemsFolder(m_dir.Path()));
        // Three combinations over six positions.
        test::WriteBytes(SystemsFolder(m_dir.Path()) / "5-06-1_0003.dat",
                         "01 02 03 04 05\r\n01 02 03 04 06\r\n02 03 04 05 06\r\n");
        TDrawRec draw;
        draw.Number = 41;
        draw.Nums = {1, 2, 3, 4, 5};
        m_ws.StoreDraw(draw);
    }
    // The working list: two combinations over six numbers, one of them in the system.
    void SetList() {
        ReplaceCombinations(m_ws, {TComb{{30, 3, 12, 7, 9}}, TComb{{9, 21, 30, 3, 7}}});
    }
};

TEST_F(SystemStakesTest, WholeSystemAndListModes) {
    SetList();
    TSystemStakePlan plan = PrepareSystemStakes(m_ws, TSystemStakeMode::WholeSystem);
    ASSERT_TRUE(plan.System.Found);
    EXPECT_EQ(plan.Draw, 42);
    EXPECT_EQ(plan.Comment, "Системная игра для 6 чисел [вся система]: 5-06-1_0003");
    // N = (30, 3, 12, 7, 9, 21); line 2 = 30 3 12 7 21, staked ascending.
    EXPECT_EQ(MakeSystemStakes(m_ws, plan), 3);
    const auto whole = m_ws.Stakes().ReadRange(0, 10);
    ASSERT_EQ(whole.size(), 3u);
    EXPECT_EQ(whole[1].Numbers.Used()[0], 3);
    EXPECT_EQ(whole[1].Numbers.Nums, (std::array<std::uint8_t, 8>{3, 7, 12, 21, 30, 0, 0, 0}));
    for (const auto& rec : whole) {
        EXPECT_EQ(rec.Kind, skSystem);
        EXPECT_EQ(rec.SampleSize, 3);  // the system's size
        EXPECT_EQ(rec.DrawNumber, 42);
        EXPECT_EQ(rec.Profit, -10000);
        EXPECT_EQ(rec.Comment, plan.Comment);
    }

    plan = PrepareSystemStakes(m_ws, TSystemStakeMode::ListOnly);
    EXPECT_EQ(plan.Comment, "Системная игра для 6 чисел [комбинации]: 5-06-1_0003");
    plan.Draw = 41;  // a draw in the archive: the new stakes are checked at once
    plan.Draws = 2;
    EXPECT_EQ(MakeSystemStakes(m_ws, plan), 1);
    const auto all = m_ws.Stakes().ReadRange(0, 10);
    // A marker after the earlier stakes, then the one combination for draws 41 and 42.
    ASSERT_EQ(all.size(), 7u);
    EXPECT_TRUE(all[3].IsMarker());
    EXPECT_EQ(all[4].DrawNumber, 41);
    EXPECT_EQ(all[4].SampleSize, 2);  // the list's length
    EXPECT_EQ(all[4].Checked, 1);
    EXPECT_TRUE(all[5].IsMarker());
    EXPECT_EQ(all[6].DrawNumber, 42);
    EXPECT_EQ(all[6].Checked, 0);
}

TEST_F(SystemStakesTest, ListModeWithoutCommonCombinations) {
    ReplaceCombinations(m_ws, {TComb{{1, 2, 3, 4, 5}}, TComb{{1, 2, 3, 4, 6}}});
    TSystemStakePlan plan = PrepareSystemStakes(m_ws, TSystemStakeMode::ListOnly);
    ASSERT_TRUE(plan.System.Found);
    // A system whose only combination the list does not hold.
    plan.System.Combs.Clear();
    plan.System.Combs.Append(TComb{{2, 3, 4, 5, 6}});
    m_hooks.Statuses.clear();
    EXPECT_EQ(MakeSystemStakes(m_ws, plan), 0);
    EXPECT_TRUE(m_ws.Stakes().Empty());
    for (const auto& s : m_hooks.Statuses) {
        EXPECT_EQ(s.find("Проверка"), std::string::npos) << "nothing to check";
    }
}

TEST(SystemNumbers, DistinctNumbersStopAt36) {
    TCombsArray twelve;
    twelve.Append(TComb{{5, 1, 2, 3, 4}});
    twelve.Append(TComb{{1, 12, 11, 10, 9}});
    twelve.Append(TComb{{8, 7, 6, 5, 4}});
    EXPECT_EQ(DistinctListNumbers(twelve),
              (std::vector<std::uint8_t>{5, 1, 2, 3, 4, 12, 11, 10, 9, 8, 7, 6}));
    TCombsArray all;
    for (std::uint8_t b = 1; b <= 36; b += 5) {
        all.Append(TComb{{b, static_cast<std::uint8_t>(b + 1), static_cast<std::uint8_t>(b + 2),
                          static_cast<std::uint8_t>(b + 3), static_cast<std::uint8_t>(b + 4)}});
    }
    all.Append(TComb{{1, 2, 3, 4, 5}});
    // 1..35 from the first seven, then 36 of "36 37 38 39 40": the collection stops there.
    const auto numbers = DistinctListNumbers(all);
    ASSERT_EQ(numbers.size(), 36u);
    EXPECT_EQ(numbers.back(), 36);
}

}  // namespace
}  // namespace mv
