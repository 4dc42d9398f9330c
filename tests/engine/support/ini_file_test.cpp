#include "engine/support/ini_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "engine/core/errors.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "test_support.h"

namespace mv {
namespace {

using test::DataFile;
using test::ReadBytes;
using test::TTempDir;
using test::WriteBytes;

class IniFixture : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
    TTempDir dir;
    std::filesystem::path file = dir / "settings.ini";
};

TEST_F(IniFixture, ReadsTrickyFileTolerantly) {
    std::filesystem::copy_file(DataFile("ini_tricky.ini"), file);
    const TIniFile ini(file);
    // Case-insensitive names, blanks around names and values, the first duplicate wins.
    EXPECT_EQ(ini.ReadInteger("global", "MATRIXCOLS", 0), 5);
    // A value that does not convert gives the default; the text is still there.
    EXPECT_EQ(ini.ReadInteger("GLOBAL", "ChannelSize", 6), 6);
    EXPECT_EQ(ini.ReadString("GLOBAL", "ChannelSize", ""), "abc");
    // "[stakes" without its bracket is a section; both decimal separators read.
    EXPECT_EQ(ini.ReadFloat("STAKES", "Cost", 0), 0.5L);
    EXPECT_EQ(ini.ReadFloat("Stakes", "Level", 0), 1.25L);
    EXPECT_EQ(ini.ReadInteger("STAKES", "Profits", 0), 3);
    // A commented-out key is not a key.
    EXPECT_FALSE(ini.ValueExists("STAKES", "Profit"));
    // Cyrillic names compare without regard to case; values come back as UTF-8.
    EXPECT_EQ(ini.ReadString("РАЗДЕЛ", "ключ", "-"), "Значение");
    // A section that occurs twice is searched in file order.
    EXPECT_EQ(ini.ReadString("GLOBAL", "Extra", "-"), "из второй секции");
    // Lines before any section and lines without "=" are not keys.
    EXPECT_EQ(ini.ReadString("", "orphan", "-"), "-");
    EXPECT_FALSE(ini.ValueExists("GLOBAL", "Junk line without equals"));
    EXPECT_EQ(ini.ReadSection("Global"),
              (std::vector<std::string>{"MatrixCols", "ChannelSize", "Extra"}));
    EXPECT_TRUE(ini.SectionExists("раздел"));
    EXPECT_FALSE(ini.SectionExists("PROXY"));
}

TEST_F(IniFixture, WriteBackKeepsEverythingElseByteForByte) {
    std::filesystem::copy_file(DataFile("ini_tricky.ini"), file);
    TIniFile ini(file);
    ini.WriteInteger("GLOBAL", "MatrixCols", 6);  // the first of the duplicates changes
    ini.WriteFloat("STAKES", "Cost", 0.25L);
    ini.WriteString("Раздел", "Новый", "да");         // goes after the section's last key
    ini.WriteString("PROXY", "ProxyServer", "host");  // a new section at the end
    EXPECT_EQ(ReadBytes(file), ReadBytes(DataFile("ini_tricky_written.ini")));

    const TIniFile again(file);
    EXPECT_EQ(again.ReadInteger("GLOBAL", "MatrixCols", 0), 6);
    EXPECT_EQ(again.ReadString("раздел", "НОВЫЙ", ""), "да");
    EXPECT_EQ(again.ReadString("PROXY", "ProxyServer", ""), "host");
}

TEST_F(IniFixture, MissingFileReadsEmptyAndIsCreatedByTheFirstWrite) {
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadString("S", "K", "def"), "def");
    EXPECT_TRUE(ini.ReadSection("S").empty());
    EXPECT_FALSE(std::filesystem::exists(file));
    ini.WriteString("S", "K", "Значение");
    ini.WriteBool("S", "B", true);
    EXPECT_EQ(ReadBytes(file), "[S]\r\nK=" + Utf8ToCp1251("Значение") + "\r\nB=1\r\n");
}

TEST_F(IniFixture, ConversionsGiveTheDefaultForJunk) {
    WriteBytes(file,
               "[S]\r\nInt= 42 \r\nTail=12abc\r\nBig=99999999999\r\nNeg=-3\r\nZero=0\r\n"
               "Word=yes\r\nEmpty=\r\nF1=1.5\r\nF2=-2,25\r\nF3=1,2,3\r\nF4=1e3\r\n");
    const TIniFile ini(file);
    EXPECT_EQ(ini.ReadInteger("S", "Int", 7), 42);
    EXPECT_EQ(ini.ReadInteger("S", "Tail", 7), 7);
    EXPECT_EQ(ini.ReadInteger("S", "Big", 7), 7);
    EXPECT_EQ(ini.ReadInteger("S", "Empty", 7), 7);
    EXPECT_EQ(ini.ReadString("S", "Empty", "def"), "");  // present but empty
    EXPECT_TRUE(ini.ReadBool("S", "Neg", false));
    EXPECT_FALSE(ini.ReadBool("S", "Zero", true));
    EXPECT_TRUE(ini.ReadBool("S", "Word", true));
    EXPECT_FALSE(ini.ReadBool("S", "Word", false));
    EXPECT_EQ(ini.ReadFloat("S", "F1", 0), 1.5L);
    EXPECT_EQ(ini.ReadFloat("S", "F2", 0), -2.25L);
    EXPECT_EQ(ini.ReadFloat("S", "F3", 9), 9.0L);
    EXPECT_EQ(ini.ReadFloat("S", "F4", 0), 1000.0L);
}

TEST_F(IniFixture, OddBytesDoNotCrash) {
    const std::string cases[] = {
        std::string("\0\0[\0]\0=\0", 9),
        "[",
        "[]\r\n=\r\n==\r\n[x\r\n\r\r\n\n",
        "no sections at all\r\nkey=value",
        "[S]\r\nK=last line without end",
        std::string("\xFF\xFE", 2),  // a UTF-16 mark and nothing else
        std::string("\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0\x3D\xD8", 18),  // cut surrogate pair
    };
    for (const auto& bytes : cases) {
        WriteBytes(file, bytes);
        TIniFile ini(file);
        ini.ReadString("S", "K", "");
        ini.ReadSection("");
        ini.WriteString("S", "K", "v");
        EXPECT_EQ(TIniFile(file).ReadString("S", "K", ""), "v");
    }
    EXPECT_EQ(TIniFile(file).ReadString("S", "K", ""), "v");
}

TEST_F(IniFixture, ByteOrderMarksAreHonouredAndDropped) {
    WriteBytes(file, "\xEF\xBB\xBF[S]\r\nK=Привет\r\n");
    {
        TIniFile ini(file);
        EXPECT_EQ(ini.ReadString("s", "k", ""), "Привет");
        ini.WriteInteger("S", "N", 1);
        EXPECT_EQ(ReadBytes(file), "[S]\r\nK=" + Utf8ToCp1251("Привет") + "\r\nN=1\r\n");
    }
    // UTF-16 little-endian: "[S]\r\nK=Я\r\n"
    WriteBytes(file, std::string("\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0\x2F\x04\r\0\n\0", 22));
    EXPECT_EQ(TIniFile(file).ReadString("S", "K", ""), "Я");
}

TEST_F(IniFixture, LineBreaksInValuesCannotInjectKeys) {
    TIniFile ini(file);
    ini.WriteString("S", "K", "a\r\n[Evil]\r\nX=1");
    const TIniFile again(file);
    EXPECT_FALSE(again.SectionExists("Evil"));
    EXPECT_EQ(again.ReadString("S", "K", ""), "a  [Evil]  X=1");
}

// A value read with a NUL byte in it was written back with a blank there, so a settings
// file saved unchanged (the favourites of the names file) read back as another value.
TEST_F(IniFixture, ValueWithNulReadsBackTheSameOnceWritten) {
    const std::string value("NUMS,SUMS\0\0Ordered=1", 20);
    WriteBytes(file, "[FILTERS]\r\nFavorites=" + value + "\r\n");
    {
        TIniFile ini(file);
        ASSERT_EQ(ini.ReadString("FILTERS", "Favorites", ""), value);
        ini.WriteString("FILTERS", "Favorites", ini.ReadString("FILTERS", "Favorites", ""));
        ini.WriteString(std::string("S\0T", 3), "K", value);
    }
    const TIniFile again(file);
    EXPECT_EQ(again.ReadString("FILTERS", "Favorites", ""), value);
    EXPECT_EQ(again.ReadString(std::string("S\0T", 3), "K", ""), value);
}

TEST_F(IniFixture, EraseAndDeleteRemoveEveryDuplicate) {
    WriteBytes(file, "[A]\r\nK=1\r\nk=2\r\nL=3\r\n[B]\r\nK=4\r\n[a]\r\nK=5\r\n");
    TIniFile ini(file);
    ini.DeleteKey("A", "K");
    EXPECT_FALSE(ini.ValueExists("A", "K"));
    EXPECT_EQ(ReadBytes(file), "[A]\r\nL=3\r\n[B]\r\nK=4\r\n[a]\r\n");
    ini.EraseSection("a");
    EXPECT_EQ(ReadBytes(file), "[B]\r\nK=4\r\n");
    EXPECT_FALSE(ini.SectionExists("A"));
}

TEST_F(IniFixture, BatchWritesOnceAtTheOutermostEnd) {
    TIniFile ini(file);
    ini.BeginUpdate();
    ini.BeginUpdate();
    ini.WriteInteger("S", "A", 1);
    ini.EndUpdate();
    EXPECT_FALSE(std::filesystem::exists(file));
    ini.WriteInteger("S", "B", 2);
    ini.EndUpdate();
    EXPECT_EQ(ReadBytes(file), "[S]\r\nA=1\r\nB=2\r\n");
    ini.EndUpdate();                // unmatched: nothing happens
    ini.WriteInteger("S", "A", 3);  // outside a batch: flushed at once
    EXPECT_EQ(ReadBytes(file), "[S]\r\nA=3\r\nB=2\r\n");
}

TEST_F(IniFixture, FailedFlushThrowsAndKeepsTheValueInMemory) {
    TIniFile ini(dir / "missing-dir" / "x.ini");
    EXPECT_THROW(ini.WriteInteger("S", "A", 1), EOSError);
    EXPECT_EQ(ini.ReadInteger("S", "A", 0), 1);
    // A directory in place of the file cannot be read.
    std::filesystem::create_directory(dir / "d.ini");
    EXPECT_THROW(TIniFile(dir / "d.ini"), EOSError);
}

TEST_F(IniFixture, FloatsAreWrittenShortAndReadBack) {
    struct Case {
        long double value;
        const char* text;
    } cases[] = {
        {0.5L, "0,5"},
        {3.0L, "3"},
        {-2.25L, "-2,25"},
        {0.1L, "0,1"},
        {0.0L, "0"},
        {-0.0L, "0"},
        {1e-7L, "0,0000001"},
        {123456789.125L, "123456789,125"},
        {1e20L, "100000000000000000000"},
    };
    TIniFile ini(file);
    for (const auto& c : cases) {
        EXPECT_EQ(FormatIniFloat(c.value), c.text);
        ini.WriteFloat("S", "F", c.value);
        EXPECT_EQ(TIniFile(file).ReadFloat("S", "F", 99), c.value) << c.text;
    }
    const long double third = 1.0L / 3.0L;
    ini.WriteFloat("S", "F", third);
    EXPECT_EQ(TIniFile(file).ReadFloat("S", "F", 0), third);
    // A value a dialog's number field held as a double: its shortest text, read back as the
    // same double.
    for (const auto& [value, text] :
         std::vector<std::pair<double, std::string>>{{0.2, "0,2"},
                                                     {-0.7, "-0,7"},
                                                     {1.0 / 3.0, "0,3333333333333333"},
                                                     {1e-9, "0,000000001"}}) {
        EXPECT_EQ(FormatIniFloat(value), text);
        ini.WriteFloat("S", "F", value);
        EXPECT_EQ(static_cast<double>(TIniFile(file).ReadFloat("S", "F", 99)), value) << text;
    }
    SetDecimalSeparator('.');
    EXPECT_EQ(FormatIniFloat(0.5L), "0.5");
    SetDecimalSeparator(',');
}

}  // namespace
}  // namespace mv
