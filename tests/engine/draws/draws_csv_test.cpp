#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/errors.h"
#include "engine/draws/archive_file.h"
#include "engine/draws/draws_csv.h"
#include "engine/session/workspace.h"
#include "test_support.h"

namespace mv {
namespace {

TDrawRec Draw(std::int32_t number, std::array<std::uint8_t, 5> nums, std::uint8_t extra,
              const std::string& date) {
    TDrawRec d;
    d.Number = number;
    d.Nums = nums;
    d.Extra = extra;
    d.SetDate(date);
    return d;
}

TEST(DrawsCsv, ExportIsByteExact) {
    TDrawsArray draws = {
        Draw(1024, {3, 17, 22, 30, 36}, 9, "05.01.2024"),
        Draw(1025, {36, 1, 2, 3, 4}, 36, "вс 7 янв"),  // Windows-1251 bytes in the file
        Draw(7, {0, 255, 37, 1, 1}, 0, "a\"b;c"),
        Draw(-3, {1, 2, 3, 4, 5}, 6, ""),
    };
    draws[3].DateChars = {'j', 'u', 'n', 'k'};  // bytes past the length are not exported
    const std::string expected =
        "1024;\"05.01.2024\";3;17;22;30;36;9\r\n"
        "1025;\"\xe2\xf1 7 \xff\xed\xe2\";36;1;2;3;4;36\r\n"
        "7;\"a\"\"b;c\";0;255;37;1;1;0\r\n"
        "-3;\"\";1;2;3;4;5;6\r\n";
    EXPECT_EQ(DrawsToCsv(draws), expected);
    EXPECT_EQ(DrawsToCsv({}), "");
}

TEST(DrawsCsv, SplitFields) {
    struct TCase {
        std::string Line;
        std::vector<std::string> Fields;
    };
    const std::vector<TCase> cases = {
        {"1;\"05.01.2024\";3;17", {"1", "05.01.2024", "3", "17"}},
        {"a;;b", {"a", "", "b"}},
        {"a;b;", {"a", "b", ""}},
        {"a;;", {"a", "", ""}},
        {"a ;", {"a", ""}},
        {"a; ", {"a"}},  // the ";" is not the very last character
        {";a", {"", "a"}},
        {"  a ; b  ", {"a", "b"}},
        {"a b;c", {"a", "b", "c"}},
        {"a\tb\x01;c", {"a", "b", "c"}},
        {"05.01.2024 12:00;3", {"05.01.2024", "12:00", "3"}},
        {"\"x;y\";z", {"x;y", "z"}},
        {"\"05.01.2024 12:00\";3", {"05.01.2024 12:00", "3"}},
        {"\"he said \"\"hi\"\"\"", {"he said \"hi\""}},
        {"\"ab\"cd;e", {"ab", "cd", "e"}},
        {"\"\"", {""}},
        {"\"\";\"\"", {"", ""}},
        {"\"unterminated;x", {"unterminated;x"}},
        {"", {}},
        {"   ", {}},
        {std::string("a;b\0;c", 6), {"a", "b"}},
        {"\xe2\xf1;\xff", {"\xe2\xf1", "\xff"}},  // bytes above 0x7f are ordinary characters
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitCsvFields(c.Line), c.Fields) << "line: " << c.Line;
    }
}

std::vector<std::int32_t> Numbers(const TDrawsArray& draws) {
    std::vector<std::int32_t> out;
    for (const auto& d : draws) out.push_back(d.Number);
    return out;
}

TEST(DrawsCsv, MergeLineShapes) {
    TDrawsArray archive;
    for (int i = 1; i <= 500; ++i) archive.push_back(Draw(1000 + i, {1, 2, 3, 4, 5}, 6, ""));
    const std::string csv =
        "\"02.02.2024\";1;2;3;4;5;6\r\n"       // 7 fields: length + 1 = 501
        "\"03.02.2024\";1;2;3;4;5;6\n"         // LF alone ends a line too; 502
        "2000;\"01.02.2024\";5;4;3;2;1;7\r\n"  // 8 fields: its own number
        "\r\n   \r\n"                          // blank lines
        "1;2;3;4;5;6\r\n"                      // 6 fields: skipped
        "9;\"x\";1;2;3;4;5;6;7\r\n"            // 9 fields: skipped
        "0;\"zero\";1;2;3;4;5;6\r\n"           // number 0: skipped
        "-5;\"neg\";1;2;3;4;5;6\r\n"           // negative: skipped
        "2000;\"again\";1;2;3;4;5;6\r\n"       // already taken above
        "700;\"too long date text\";300;-1;x;36;37;99\r\n";
    EXPECT_EQ(MergeDrawsCsv(csv, archive), 4);
    ASSERT_EQ(archive.size(), 504u);
    const auto numbers = Numbers(archive);
    EXPECT_EQ(std::vector<std::int32_t>(numbers.begin() + 500, numbers.end()),
              (std::vector<std::int32_t>{501, 502, 2000, 700}));
    EXPECT_EQ(archive[502].Nums, (std::array<std::uint8_t, 5>{5, 4, 3, 2, 1}));
    EXPECT_EQ(archive[502].Date(), "01.02.2024");
    const TDrawRec& last = archive.back();
    EXPECT_EQ(last.Date(), "too long d");
    EXPECT_EQ(last.DateLen, 10);
    // Not range-checked, but a value that does not fit a byte reads as 0 instead of
    // wrapping into another number.
    EXPECT_EQ(last.Nums, (std::array<std::uint8_t, 5>{0, 0, 0, 36, 37}));
    EXPECT_EQ(last.Extra, 99);
    EXPECT_EQ(last.Padding, (std::array<std::uint8_t, 3>{}));
}

// A draw number is taken in 1..MaxDrawNumber only.
TEST(DrawsCsv, DrawNumbersBeyondTheLargestAreSkipped) {
    TDrawsArray archive;
    const std::string csv =
        "9999999;\"a\";1;2;3;4;5;6\r\n"
        "10000000;\"b\";1;2;3;4;5;6\r\n"
        "2147483647;\"c\";1;2;3;4;5;6\r\n"
        "2147483648;\"d\";1;2;3;4;5;6\r\n";
    EXPECT_EQ(MergeDrawsCsv(csv, archive), 1);
    ASSERT_EQ(archive.size(), 1u);
    EXPECT_EQ(archive[0].Number, MaxDrawNumber);
}

// A file saved as UTF-8 with a byte-order mark keeps its first draw, in both line shapes.
TEST(DrawsCsv, ByteOrderMarkIsSkipped) {
    for (const std::string first : {"7;\"01.02.2024\";1;2;3;4;5;6", "\"01.02.2024\";1;2;3;4;5;6"}) {
        TDrawsArray archive;
        EXPECT_EQ(MergeDrawsCsv("\xEF\xBB\xBF" + first + "\r\n8;\"x\";6;5;4;3;2;1\r\n", archive), 2)
            << first;
        ASSERT_EQ(archive.size(), 2u);
        EXPECT_EQ(archive[0].Date(), "01.02.2024");
        EXPECT_EQ(archive[0].Nums, (std::array<std::uint8_t, 5>{1, 2, 3, 4, 5}));
    }
}

TEST(DrawsCsv, MergeTakesRepeatedNumbersOnceAndKeepsFileOrder) {
    TDrawsArray archive;
    const std::string csv =
        "30;\"c\";1;2;3;4;5;6\r\n"
        "20;\"b\";1;2;3;4;5;6\r\n"
        "30;\"c again\";1;2;3;4;5;6\r\n"
        "10;\"a\";1;2;3;4;5;6\r\n";
    EXPECT_EQ(MergeDrawsCsv(csv, archive), 3);
    EXPECT_EQ(Numbers(archive), (std::vector<std::int32_t>{30, 20, 10}));
    EXPECT_EQ(archive[0].Date(), "c");
    EXPECT_EQ(MergeDrawsCsv(csv, archive), 0);
    EXPECT_EQ(archive.size(), 3u);
}

TEST(DrawsCsv, UnquotedDateWithTimeShiftsTheFields) {
    TDrawsArray archive;
    // 7 fields meant, 8 found: "05.01.2024" is read as the draw number, which is not a
    // number, so the line is skipped.
    EXPECT_EQ(MergeDrawsCsv("05.01.2024 12:00;3;17;22;30;36;9\r\n", archive), 0);
    // 8 fields meant, 9 found: skipped as well.
    EXPECT_EQ(MergeDrawsCsv("5;05.01.2024 12:00;3;17;22;30;36;9\r\n", archive), 0);
    // Quoted, the time stays in the date field and the date is cut to 10 characters.
    EXPECT_EQ(MergeDrawsCsv("5;\"05.01.2024 12:00\";3;17;22;30;36;9\r\n", archive), 1);
    EXPECT_EQ(archive[0].Date(), "05.01.2024");
}

class DrawsCsvFileTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    test::TRecordingHooks m_hooks;
    TWorkspace m_ws{TDataPaths{m_dir.Path()}, m_hooks};
};

TEST_F(DrawsCsvFileTest, ExportThenImportReproducesTheArchive) {
    m_ws.ResetDraws({Draw(1, {36, 1, 5, 2, 3}, 1, "01.01.2020"),
                    Draw(3, {7, 8, 9, 10, 11}, 12, "пятница"), Draw(2, {1, 2, 3, 4, 5}, 5, "")});
    m_ws.ExportDrawsCsv(m_dir / "out.csv");
    EXPECT_EQ(test::ReadBytes(m_dir / "out.csv"), DrawsToCsv(m_ws.DrawArchive()));

    test::TRecordingHooks hooks;
    TWorkspace other(TDataPaths{m_dir / "other"}, hooks);
    std::filesystem::create_directory(m_dir / "other");
    EXPECT_EQ(other.ImportDrawsCsv(m_dir / "out.csv"), 3);
    EXPECT_EQ(EncodeArchive(other.DrawArchive()), EncodeArchive(m_ws.DrawArchive()));
    EXPECT_EQ(test::ReadBytes(other.Paths().Archive()), EncodeArchive(m_ws.DrawArchive()));
    EXPECT_EQ(other.ImportDrawsCsv(m_dir / "out.csv"), 0);
    EXPECT_EQ(other.DrawCount(), 3);
}

TEST_F(DrawsCsvFileTest, UnreadableFileChangesNothing) {
    m_ws.ResetDraws({Draw(1, {1, 2, 3, 4, 5}, 6, "x")});
    m_ws.WriteArchive();
    const std::string before = test::ReadBytes(m_ws.Paths().Archive());
    std::filesystem::create_directory(m_dir / "dir.csv");
    for (const char* name : {"missing.csv", "dir.csv"}) {
        try {
            m_ws.ImportDrawsCsv(m_dir / name);
            ADD_FAILURE() << name << " was imported";
        } catch (const EError& e) {
            // The system's message, with no text of the program's own in front.
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).find("\r\r"), std::string::npos) << e.what();
        }
        EXPECT_EQ(m_ws.DrawCount(), 1);
        EXPECT_EQ(test::ReadBytes(m_ws.Paths().Archive()), before);
    }
    EXPECT_THROW(m_ws.ExportDrawsCsv(m_dir / "dir.csv"), EError);
}

}  // namespace
}  // namespace mv
