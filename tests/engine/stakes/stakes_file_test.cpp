#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/core/text_utils.h"
#include "engine/session/stake_commands.h"
#include "engine/session/workspace.h"
#include "engine/stakes/stake_check.h"
#include "engine/stakes/stake_record.h"
#include "engine/stakes/stakes_file.h"
#include "engine/support/operation_log.h"
#include "test_support.h"

namespace mv {
namespace {

std::string Bytes(const TStakeRecord& rec) {
    const TStakeBytes b = EncodeStakeRec(rec);
    return std::string(reinterpret_cast<const char*>(b.data()), b.size());
}

TStakeRecord Stake(std::int32_t draw, std::vector<std::uint8_t> numbers,
                   std::uint8_t kind = skManual) {
    TStakeRecord rec;
    rec.Kind = kind;
    rec.DrawNumber = draw;
    rec.SampleSize = 100;
    rec.Numbers.Assign(numbers);
    rec.Matches.Count = -1;
    rec.Profit = -15000;
    rec.Comment = "тест";
    return rec;
}

// Each kind of record laid out by hand, byte for byte.
TEST(StakeRecord, LayoutOfEachKind) {
    std::string marker(StakeRecSize, '\0');
    marker[0] = 2;
    marker.replace(4, 4, "\xFF\xFF\xFF\xFF", 4);   // draw -1
    marker.replace(36, 4, "\xFF\xFF\xFF\xFF", 4);  // match count -1
    EXPECT_EQ(Bytes(MakeStakeMarker()), marker);

    std::string manual(StakeRecSize, '\0');
    manual[0] = 2;
    manual[1] = 1;
    manual.replace(4, 4, "\x39\x30\x00\x00", 4);   // draw 12345
    manual.replace(12, 4, "\x64\x00\x00\x00", 4);  // sample 100
    manual.replace(16, 9, "\x05\x00\x00\x00\x01\x02\x03\x04\x05", 9);
    manual.replace(36, 4, "\xFF\xFF\xFF\xFF", 4);
    manual.replace(48, 8, "\x68\xC5\xFF\xFF\xFF\xFF\xFF\xFF", 8);  // -15000
    manual.replace(56, 5, "\x04\xF2\xE5\xF1\xF2", 5);              // "тест" in Windows-1251
    EXPECT_EQ(Bytes(Stake(12345, {1, 2, 3, 4, 5})), manual);

    TStakeRecord checked = Stake(7, {3, 9, 17, 24, 36}, skSystem);
    checked.Checked = 1;
    checked.DrawResult = {36, 1, 9, 20, 3};
    checked.Matches.Assign(std::vector<std::uint8_t>{3, 9, 36});
    checked.Profit = 135000;
    checked.Comment = "";
    std::string system(StakeRecSize, '\0');
    system[0] = 2;
    system[1] = 4;
    system[4] = 7;
    system[8] = 1;
    system[12] = 100;
    system.replace(16, 9, "\x05\x00\x00\x00\x03\x09\x11\x18\x24", 9);
    system.replace(28, 5, "\x24\x01\x09\x14\x03", 5);
    system.replace(36, 7, "\x03\x00\x00\x00\x03\x09\x24", 7);
    system.replace(48, 3, "\x58\x0F\x02", 3);  // 135000
    EXPECT_EQ(Bytes(checked), system);

    for (const TStakeRecord& rec : {MakeStakeMarker(), Stake(12345, {1, 2, 3, 4, 5}), checked}) {
        EXPECT_EQ(DecodeStakeRec(EncodeStakeRec(rec).data()), rec);
    }
    // A comment longer than the field keeps its first 255 bytes.
    TStakeRecord longComment = Stake(1, {1, 2, 3, 4, 5});
    longComment.Comment = std::string(300, 'x');
    EXPECT_EQ(DecodeStakeRec(EncodeStakeRec(longComment).data()).Comment, std::string(255, 'x'));
}

class StakesFileTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    std::filesystem::path m_path = m_dir / "Marvolet_5z36.lsk";
    TDataLock m_lock;
    TStakesFile m_file{m_lock};

    void Open() { m_lock.Acquire(m_path); }
    std::vector<std::int32_t> Draws() const {
        std::vector<std::int32_t> draws;
        for (const auto& rec : m_file.ReadRange(0, m_file.Count())) draws.push_back(rec.DrawNumber);
        return draws;
    }
    std::string Content() const { return test::ReadBytes(m_path); }
};

TEST_F(StakesFileTest, LoadCheck) {
    struct TCase {
        const char* Name;
        std::size_t Size;
        char Version;
        std::size_t SizeAfter;
        const char* WarningPart;  // nullptr: no warning
        bool Backup;
    };
    const TCase cases[] = {
        {"empty", 0, 2, 0, nullptr, false},
        {"two records", 624, 2, 624, nullptr, false},
        {"partial last record", 600, 2, 312, "неполной", false},
        {"whole and partial", 700, 2, 624, "Остальные ставки (2) сохранены", false},
        {"only a partial record", 100, 2, 0, "неполной", false},
        {"old version", 624, 1, 0, "Marvolet_5z36.lsk.bak", true},
        {"old version, odd size", 600, 1, 0, "устаревшей версии", true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::string bytes(c.Size, '\x07');
        if (!bytes.empty()) bytes[0] = c.Version;
        test::WriteBytes(m_path, bytes);
        std::filesystem::remove(m_dir / "Marvolet_5z36.lsk.bak");
        Open();
        const std::string warning = m_file.LoadCheck();
        if (c.WarningPart) {
            EXPECT_NE(warning.find(c.WarningPart), std::string::npos) << warning;
        } else {
            EXPECT_EQ(warning, "");
        }
        EXPECT_EQ(Content(), bytes.substr(0, c.SizeAfter));
        EXPECT_EQ(m_file.Count(), static_cast<std::int64_t>(c.SizeAfter / StakeRecSize));
        if (c.Backup) {
            EXPECT_EQ(test::ReadBytes(m_dir / "Marvolet_5z36.lsk.bak"), bytes);
        } else {
            EXPECT_FALSE(std::filesystem::exists(m_dir / "Marvolet_5z36.lsk.bak"));
        }
        m_lock.Release();
    }
}

TEST_F(StakesFileTest, OperationsNeedTheOpenFile) {
    try {
        m_file.Count();
        FAIL();
    } catch (const EError& e) {
        EXPECT_STREQ(e.what(), "Файл ставок не открыт!");
    }
    EXPECT_THROW(m_file.Append(Stake(1, {1, 2, 3, 4, 5})), EError);
    EXPECT_THROW(m_file.Rewrite([](auto, const auto&) { return true; }), EError);
}

TEST_F(StakesFileTest, ReadFromStartAndEndAndTheCache) {
    Open();
    m_file.Append(Stake(10, {1, 2, 3, 4, 5}));
    m_file.Append(Stake(11, {1, 2, 3, 4, 6}));
    EXPECT_EQ(m_file.Read(0).DrawNumber, 10);
    EXPECT_EQ(m_file.Read(-1, true).DrawNumber, 11);
    EXPECT_EQ(m_file.Read(-2, true).DrawNumber, 10);
    try {
        m_file.Read(2);
        FAIL();
    } catch (const EError& e) {
        EXPECT_STREQ(e.what(),
                     "Ошибка чтения записи из файла ставок!\r\rЗапись со индексом 2 в файле "
                     "данных не найдена!");
    }
    EXPECT_THROW(m_file.Read(-3, true), EError);
    // The cached last record is not returned once the file changed.
    EXPECT_EQ(m_file.Read(-1, true).DrawNumber, 11);
    m_file.Append(Stake(12, {1, 2, 3, 4, 7}));
    EXPECT_EQ(m_file.Read(-1, true).DrawNumber, 12);
    EXPECT_EQ(m_file.Read(2).DrawNumber, 12);
    m_file.Truncate();
    EXPECT_THROW(m_file.Read(2), EError);
}

TEST_F(StakesFileTest, AddStakesWithMarkers) {
    Open();
    const TStakeRecord rec = Stake(100, {1, 2, 3, 4, 5});
    m_file.Add(rec, 3);  // on an empty file: no leading marker
    EXPECT_EQ(Draws(), (std::vector<std::int32_t>{100, -1, 101, -1, 102}));
    m_file.Add(Stake(200, {1, 2, 3, 4, 5}), 1);  // one draw: never a marker
    m_file.Add(rec, 3);
    EXPECT_EQ(Draws(),
              (std::vector<std::int32_t>{100, -1, 101, -1, 102, 200, -1, 100, -1, 101, -1, 102}));
    EXPECT_EQ(m_file.Read(1), MakeStakeMarker());
    EXPECT_EQ(Content().size(), 12 * StakeRecSize);

    TStakeRecord checked = rec;
    checked.Checked = 1;
    try {
        m_file.Add(checked, 1);
        FAIL();
    } catch (const EError& e) {
        EXPECT_STREQ(e.what(), "Добавление в конец файла уже проверенной ставки!");
    }
    EXPECT_THROW(m_file.Add(Stake(2147483600, {1, 2, 3, 4, 5}), 100), EError);
    EXPECT_EQ(m_file.Count(), 12);
}

TEST_F(StakesFileTest, FindStake) {
    Open();
    m_file.Append(Stake(5, {1, 2, 3, 4, 5}));
    m_file.Append(MakeStakeMarker());
    m_file.Append(Stake(6, {7, 8, 9, 10, 11}));
    const std::uint8_t reordered[] = {11, 9, 10, 8, 7};
    EXPECT_TRUE(m_file.Find(6, reordered));
    EXPECT_FALSE(m_file.Find(5, reordered));
    const std::uint8_t four[] = {1, 2, 3, 4};
    EXPECT_FALSE(m_file.Find(5, four));  // the count must match
}

// A failure in the middle of a rewrite leaves the old file whole, and the lock held; a
// finished rewrite leaves the new content locked under the same name.
TEST_F(StakesFileTest, RewriteIsKillSafeAndKeepsTheLock) {
    Open();
    for (int i = 0; i < 5; ++i) m_file.Append(Stake(10 + i, {1, 2, 3, 4, 5}));
    const std::string before = Content();
    try {
        m_file.Rewrite([](std::int64_t index, const TStakeRecord&) {
            if (index == 3) throw std::runtime_error("сбой");
            return index != 1;
        });
        FAIL();
    } catch (const EError& e) {
        EXPECT_STREQ(e.what(), "Ошибка удаления записи из файла ставок!\r\rсбой");
    }
    EXPECT_EQ(Content(), before);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "Marvolet_5z36.~tmp"));

    EXPECT_EQ(DeleteStakeRows(m_file, 3, 5), 3);  // rows 3..5 are records 2..4
    EXPECT_EQ(Draws(), (std::vector<std::int32_t>{10, 11}));
    EXPECT_EQ(Content(), before.substr(0, 2 * StakeRecSize));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "Marvolet_5z36.~tmp"));

    TDataLock second;
    EXPECT_THROW(second.Acquire(m_path), EDataLockBusy);
    // Writes after the rewrite go to the file under the name.
    m_file.Append(Stake(20, {1, 2, 3, 4, 5}));
    EXPECT_EQ(Content().size(), 3 * StakeRecSize);
    m_lock.Release();
    EXPECT_NO_THROW(second.Acquire(m_path));
}

TEST_F(StakesFileTest, DeleteByConditionKeepsMarkers) {
    Open();
    const auto checked = [](std::int32_t draw, int matches) {
        TStakeRecord rec = Stake(draw, {1, 2, 3, 4, 5});
        rec.Checked = 1;
        std::vector<std::uint8_t> m(static_cast<std::size_t>(matches), 1);
        rec.Matches.Assign(m);
        return rec;
    };
    struct TCase {
        int Condition;
        int Value;
        std::vector<std::int32_t> Left;
    };
    // Draw numbers name the stakes: 1x has 0 matches, 2x one, 3x three, 9 is unchecked.
    const TCase cases[] = {
        {scLess, 1, {-1, 21, -1, 33}},   {scEqual, 0, {-1, 21, 9, -1, 33}},
        {scGreater, 0, {10, -1, 9, -1}}, {scNotLess, 3, {10, -1, 21, 9, -1}},
        {scNotGreater, 1, {-1, -1, 33}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(StakeConditionCaption(c.Condition));
        m_file.Truncate();
        for (const auto& rec : {checked(10, 0), MakeStakeMarker(), checked(21, 1),
                                Stake(9, {1, 2, 3, 4, 5}), MakeStakeMarker(), checked(33, 3)}) {
            m_file.Append(rec);
        }
        DeleteStakesByCount(m_file, c.Condition, c.Value);
        EXPECT_EQ(Draws(), c.Left);
    }
}

class StakeCheckTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    test::TRecordingHooks m_hooks;
    TWorkspace m_ws{TDataPaths{m_dir.Path()}, m_hooks};

    void SetUp() override {
        m_ws.LockDataFiles();
        m_ws.Config().Cost = 15000;  // 1.50
        m_ws.Config().Profits = {{3, 150000}, {5, 10000000}};
        SetDecimalSeparator('.');
    }
    void AddDraw(std::int32_t number, std::array<std::uint8_t, 5> nums) {
        TDrawRec draw;
        draw.Number = number;
        draw.Nums = nums;
        m_ws.StoreDraw(draw);
    }
    TStakeRecord At(std::int64_t index) const { return m_ws.Stakes().Read(index); }
};

TEST_F(StakeCheckTest, ProfitsMatchesAndLaterDraws) {
    AddDraw(1, {5, 1, 9, 30, 22});
    int notified = 0;
    TWorkspaceSubscription sub(m_ws, [&](TChanges c) { notified += (c & chStakes) ? 1 : 0; });
    const std::uint8_t three[] = {1, 5, 9, 10, 11};
    const std::uint8_t two[] = {1, 9, 10, 11, 12};
    const std::uint8_t all[] = {1, 5, 9, 22, 30};
    const TStakeRecord stakes[] = {NewStakeRecord(m_ws, skManual, three, "a"),
                                   NewStakeRecord(m_ws, skManual, two, "b"),
                                   NewStakeRecord(m_ws, skManual, all, "c")};
    EXPECT_EQ(stakes[0].DrawNumber, 2);  // the next draw
    EXPECT_EQ(stakes[0].Profit, -15000);
    std::vector<TStakeRecord> forDraw1(std::begin(stakes), std::end(stakes));
    for (auto& s : forDraw1) s.DrawNumber = 1;
    forDraw1.push_back(stakes[0]);  // draw 2: not in the archive yet
    m_ws.StakesLogEnabled = true;
    const TStakeCheckResult r = AddStakeSet(m_ws, forDraw1, 1);
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(r.CheckedCount, 3);

    EXPECT_EQ(At(0).Profit, 135000);  // 13.50
    EXPECT_EQ(At(0).Matches.Count, 3);
    EXPECT_EQ(At(0).Matches.Nums, (std::array<std::uint8_t, 8>{1, 5, 9, 0, 0, 0, 0, 0}));
    EXPECT_EQ(At(0).DrawResult, (std::array<std::uint8_t, 5>{5, 1, 9, 30, 22}));
    EXPECT_EQ(At(1).Profit, -15000);  // 2 matches: no entry
    EXPECT_EQ(At(1).Checked, 1);
    EXPECT_EQ(At(2).Profit, 9985000);
    EXPECT_EQ(At(3).Checked, 0);
    EXPECT_EQ(At(3).Profit, -15000);
    EXPECT_EQ(At(3).Matches.Count, -1);

    // The logs: one file per match count.
    const std::string log3 = test::ReadBytes(StakeLogPath(m_dir.Path(), 3));
    EXPECT_NE(log3.find(": \xD2\xE8\xF0\xE0\xE6 \xB9 1. "), std::string::npos);  // "Тираж № 1. "
    EXPECT_NE(log3.find("[1;5;9;10;11] {0}."), std::string::npos);
    EXPECT_NE(log3.find("[5;1;9;30;22]. "), std::string::npos);
    EXPECT_TRUE(log3.ends_with(": 3. \xCF\xF0\xEE\xF4\xE8\xF2: 13.50.\r\n"));
    EXPECT_TRUE(std::filesystem::exists(StakeLogPath(m_dir.Path(), 2)));
    EXPECT_TRUE(std::filesystem::exists(StakeLogPath(m_dir.Path(), 5)));
    EXPECT_FALSE(std::filesystem::exists(StakeLogPath(m_dir.Path(), 0)));

    // A checked stake stays as it is; the stake for draw 2 is filled once the draw is there.
    AddDraw(2, {11, 12, 13, 14, 15});
    m_hooks.Statuses.clear();
    const TStakeCheckResult later = CheckAndRefreshStakes(m_ws);
    EXPECT_EQ(later.CheckedCount, 1);
    EXPECT_EQ(At(3).Matches.Count, 1);
    EXPECT_EQ(At(3).Profit, -15000);
    EXPECT_EQ(At(0).Profit, 135000);
    const auto& st = m_hooks.Statuses;
    EXPECT_EQ(st.front(), "Проверка результатов ставок...");
    EXPECT_EQ(st.back(), "");
    // The one qualifying record is the last: 1 of 1 read, 100 %.
    EXPECT_NE(std::find(st.begin(), st.end(), "Проверка результатов ставок ( завершено 100 % )..."),
              st.end());
}

// Checking writes the result fields only: a comment byte without a character of its own and
// the other bytes of the record stay as they were.
TEST_F(StakeCheckTest, CheckKeepsTheOtherBytes) {
    AddDraw(1, {1, 2, 3, 4, 5});
    TStakeRecord rec = Stake(1, {1, 2, 3, 4, 9});
    TStakeBytes raw = EncodeStakeRec(rec);
    raw[56] = 2;
    raw[57] = 0x98;
    raw[58] = 'a';
    AddStake(m_ws, MakeStakeMarker(), 1);
    {
        std::string bytes = test::ReadBytes(m_ws.Paths().Stakes());
        bytes.append(reinterpret_cast<const char*>(raw.data()), raw.size());
        m_ws.UnlockDataFiles();
        test::WriteBytes(m_ws.Paths().Stakes(), bytes);
        m_ws.LockDataFiles();
    }
    EXPECT_EQ(CheckAndRefreshStakes(m_ws).CheckedCount, 1);
    const std::string after = test::ReadBytes(m_ws.Paths().Stakes()).substr(StakeRecSize);
    const TStakeRecord checked = At(1);
    EXPECT_EQ(checked.Matches.Count, 4);
    std::string expected(reinterpret_cast<const char*>(raw.data()), raw.size());
    const TStakeBytes result = EncodeStakeRec(checked);
    expected.replace(8, 1, reinterpret_cast<const char*>(result.data()) + 8, 1);
    expected.replace(28, 28, reinterpret_cast<const char*>(result.data()) + 28, 28);
    EXPECT_EQ(after, expected);
}

TEST_F(StakeCheckTest, LogOverTheSizeLimitStartsAnew) {
    AddDraw(1, {31, 32, 33, 34, 35});
    const auto log0 = StakeLogPath(m_dir.Path(), 0);
    {
        test::WriteBytes(log0, "old");
        std::filesystem::resize_file(log0, StakeLogSizeLimit + 1);  // sparse
    }
    m_ws.StakesLogEnabled = true;
    TStakeRecord rec =
        NewStakeRecord(m_ws, skManual, std::vector<std::uint8_t>{1, 2, 3, 4, 5}, "x");
    rec.DrawNumber = 1;
    AddStake(m_ws, rec, 1);
    const std::string log = test::ReadBytes(log0);
    EXPECT_LT(log.size(), 300u);
    EXPECT_TRUE(log.ends_with(": 0. \xCF\xF0\xEE\xF4\xE8\xF2: -1.50.\r\n"));
}

TEST_F(StakeCheckTest, ProgressAboutAHundredTimes) {
    AddDraw(1, {1, 2, 3, 4, 5});
    std::vector<TStakeRecord> recs(
        250, NewStakeRecord(m_ws, skScript, std::vector<std::uint8_t>{1, 2, 3, 4, 5}, "s"));
    for (auto& r : recs) r.DrawNumber = 1;
    AddStakeSet(m_ws, std::vector<TStakeRecord>(1, MakeStakeMarker()), 1);
    m_hooks.Statuses.clear();
    AddStakeSet(m_ws, recs, 1);
    int progress = 0;
    for (const auto& s : m_hooks.Statuses) progress += s.find("завершено") != std::string::npos;
    EXPECT_EQ(progress, 125);  // 250 records from the first qualifying one: step 2
}

TEST_F(StakeCheckTest, DeleteStakeLogs) {
    EXPECT_FALSE(DeleteStakeLogs(m_ws).has_value());
    test::WriteBytes(StakeLogPath(m_dir.Path(), 0), "a");
    test::WriteBytes(StakeLogPath(m_dir.Path(), 5), "b");
    test::WriteBytes(m_dir / "Marvolet_5z36.log", "not a stakes log");
    const auto op = DeleteStakeLogs(m_ws);
    ASSERT_TRUE(op.has_value());
    EXPECT_EQ(op->Status, ssDone);
    EXPECT_FALSE(std::filesystem::exists(StakeLogPath(m_dir.Path(), 0)));
    EXPECT_FALSE(std::filesystem::exists(StakeLogPath(m_dir.Path(), 5)));
    EXPECT_TRUE(std::filesystem::exists(m_dir / "Marvolet_5z36.log"));
}

// The start-up check mends or resets a damaged file and says so, but never refuses the lock.
TEST(StakesLoadAtStart, WarningThroughTheHooksAndTheLockStays) {
    test::TTempDir dir;
    test::TRecordingHooks hooks;
    TWorkspace ws(TDataPaths{dir.Path()}, hooks);
    std::string bytes(StakeRecSize + 10, '\0');
    bytes[0] = 2;
    test::WriteBytes(ws.Paths().Stakes(), bytes);
    ws.LockDataFiles();
    EXPECT_TRUE(ws.DataFilesLocked());
    EXPECT_EQ(ws.Stakes().Count(), 1);
    ASSERT_EQ(hooks.Messages.size(), 1u);
    EXPECT_EQ(hooks.Messages[0].first, TMessageKind::Warning);
    EXPECT_NE(std::find(hooks.Statuses.begin(), hooks.Statuses.end(), "Загрузка файла ставок..."),
              hooks.Statuses.end());
}

TEST_F(StakeCheckTest, ProfitByDraw) {
    EXPECT_THROW(StakeProfitByDraw(m_ws.Stakes()), EError);
    AddDraw(1, {1, 2, 3, 4, 5});
    std::vector<TStakeRecord> recs;
    for (const std::int32_t draw : {3, 1, 3}) {
        recs.push_back(
            NewStakeRecord(m_ws, skManual, std::vector<std::uint8_t>{1, 2, 3, 7, 8}, "p"));
        recs.back().DrawNumber = draw;
    }
    AddStakeSet(m_ws, recs, 1);
    AddStakeSet(m_ws, std::vector<TStakeRecord>(1, MakeStakeMarker()), 1);
    const auto points = StakeProfitByDraw(m_ws.Stakes());
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].Draw, 3);
    EXPECT_DOUBLE_EQ(points[0].Profit, -3.0);
    EXPECT_EQ(points[1].Draw, 1);
    EXPECT_DOUBLE_EQ(points[1].Profit, 13.5);
    EXPECT_DOUBLE_EQ(points[0].Average, 5.25);
    EXPECT_DOUBLE_EQ(points[1].Accumulated, 10.5);
}

TEST_F(StakeCheckTest, ClearAndDeleteThroughTheWorkspace) {
    AddDraw(1, {1, 2, 3, 4, 5});
    TStakeRecord rec =
        NewStakeRecord(m_ws, skManual, std::vector<std::uint8_t>{1, 2, 3, 4, 5}, "x");
    AddStake(m_ws, rec, 3);
    EXPECT_EQ(m_ws.Stakes().Count(), 5);
    EXPECT_EQ(DeleteStakeRows(m_ws, 2, 2), 1);
    EXPECT_EQ(m_ws.Stakes().Count(), 4);
    EXPECT_EQ(ClearStakes(m_ws), 4);
    EXPECT_TRUE(m_ws.Stakes().Empty());
}

}  // namespace
}  // namespace mv
