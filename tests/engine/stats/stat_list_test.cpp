// The registry: the method list in class-table order, codes and names, code resolution,
// favourites and the names file.
#include "engine/stats/stat_list.h"

#include <gtest/gtest.h>

#include "engine/core/text_codec.h"
#include "engine/support/ini_file.h"
#include "test_support.h"

namespace mv {
namespace {

std::vector<std::string> Codes(const TStatList& list) {
    std::vector<std::string> codes;
    for (int i = 0; i < list.MethodCount(); ++i) codes.push_back(TStatList::MethodCode(list.Method(i)));
    return codes;
}

TEST(StatList, MethodsInTableOrderWithIndexes) {
    TStatList list;
    list.BuildMethods();
    EXPECT_EQ(Codes(list),
              (std::vector<std::string>{
                  "NUMS", "DIGS", "EVEN", "EVNV", "SMAL", "SMLV", "PRIM", "PRMV", "SUMS",
                  "SUM1", "SUM2", "SUM3", "SUMC", "SUMV", "SUMT", "SUME", "SUMP", "S2T3",
                  "DIFA", "DIFM", "DIFD", "DIFO", "DIFK", "CHAN", "CHNV", "CHNC", "COLS",
                  "ROWS", "COLV", "ROWV", "COLN", "ROWN", "COLM", "ROWM", "COLA", "ROWA",
                  "COLC", "ROWC", "SGMS", "SGMV", "SGMC", "SEQL", "SEQS", "LENS",
                  // Repeats and groups of numbers.
                  "RPV2", "RPV3", "PRL2", "PRV2O1", "PRV2O2", "PRV2O3", "PRV+1", "PRV-1",
                  "PRV+2", "PRV-2", "RPC2", "RPC3", "PRB2", "RPO1", "PRC2O2", "PRC2O3", "PRC+1",
                  "PRC-1", "PRC+2", "PRC-2", "KNM2", "KNM3", "KNM4", "KNS2", "KNS3", "KNS4",
                  "KNP21", "KNP22", "KNP23", "KNP24", "KNP31", "KNP32", "KNP33", "KNP41",
                  "KNP42", "KDS2",
                  "KDS3", "KDS4", "KCM2", "KCM3", "KCM4", "KCS2", "KCS3", "KCS4", "KFM2",
                  "KFM3", "KFM4", "KFS2", "KFS3", "KFS4", "KRM2", "KRM3", "KRM4", "KRS2",
                  "KRS3", "KRS4", "KGM2", "KGM3", "KGM4", "KGS2", "KGS3", "KGS4", "POS1",
                  "POS2", "POS3", "POS4", "POS5", "POE1", "CHN1", "CHN2", "CHN3", "CHN4",
                  "CHN5", "CHN6", "COL1", "COL2", "COL3", "COL4", "COL5", "COL6", "ROW1",
                  "ROW2", "ROW3", "ROW4", "ROW5", "ROW6", "SGM1",
                  // Runs and periods.
                  "GRPV", "GRPP", "GRCV", "GRCP", "GRSV", "GRSP", "PRDV", "PRDC", "PRDG",
                  // Transitions.
                  "SDV2", "SDP2", "SDN1", "SDN2", "SDN3", "SDN4", "SDN5", "SDP3", "SDM1",
                  "SDM2", "SDM3", "SDM4", "SDM5", "SCV2", "SCP2", "SCN1", "SCN2", "SCN3",
                  "SCN4", "SCN5", "SCP3", "SCM1", "SCM2", "SCM3", "SCM4", "SCM5", "SC2C1",
                  "SC2C2", "SC2C3", "SC2C4", "SC2C5", "SC2C6", "SC3C1", "SC3C2", "SC3C3",
                  "SC3C4", "SC3C5", "SC3C6", "SDA2", "SDG2", "SDZ2", "SDC2", "SSV2", "SSP2",
                  "SSN1", "SSN2", "SSN3", "SSN4", "SSN5", "SSP3", "SSM1", "SSM2", "SSM3",
                  "SSM4", "SSM5", "SS2C1", "SS3C1",
                  // Characteristic numbers and shredding.
                  "VRN1", "VRN2", "VRN3", "SHR1", "SHR2", "SHR3"}));
    EXPECT_EQ(list.MethodName(list.Method(list.FindMethod("POS3"))), "Число в 3 позиции тиража");
    EXPECT_EQ(list.MethodListText(list.FindMethod("POS3"), true),
              "{ num } Число в 3 позиции тиража [ SNG ]");
    EXPECT_EQ(list.MethodListText(list.FindMethod("POE1"), true),
              "{ num } Extra (Bonus, Star...) - число (!без фильтра!) [ G ]");
    list.ShowGroupName = false;
    EXPECT_EQ(list.MethodListText(list.FindMethod("NUMS"), true), "Числа тиража [ N ]");
    EXPECT_EQ(list.MethodListText(list.FindMethod("NUMS"), false), "Числа тиража");
    EXPECT_EQ(StatGroupHeading(0), "{ num } Числа тиража");
    EXPECT_EQ(StatGroupHeading(13), "#ERROR#");
}

// Every available class of the table gives methods that its codes find again.
TEST(StatList, EveryCodeOfTheTableResolves) {
    TStatList list;
    list.BuildMethods();
    int expected = 0;
    for (const TStatClass* c : StatClassTable()) {
        if (!c->Available) continue;
        const auto [low, high] = c->HasIndexRange() ? c->IndexRange(list.Config())
                                                    : std::pair<int, int>{0, 0};
        for (int index = low; index <= high; ++index, ++expected) {
            const int found = list.FindMethod(c->CodeFor(index) + ":10");
            ASSERT_GE(found, 0) << c->Name << " " << index;
            EXPECT_EQ(list.Method(found).StatClass, c) << c->Name;
            EXPECT_EQ(list.Method(found).Index, index) << c->Name;
        }
    }
    EXPECT_EQ(list.MethodCount(), expected);
}

TEST(StatList, CodeResolution) {
    TStatList list;
    list.BuildMethods();
    EXPECT_EQ(list.FindMethod("NUMS:100"), 0);
    EXPECT_EQ(list.FindMethod("pos2:50"), list.FindMethod("POS2"));
    EXPECT_EQ(list.FindMethod("POS5"), list.FindMethod("POS5:10"));
    EXPECT_EQ(list.FindMethod("XYZ:10"), -1);
    EXPECT_EQ(list.FindMethod(" Nums :7"), 0);
    // Only the whole code names a method: a text that begins with one is unknown.
    for (const char* text : {"POS10", "POS10:5", "NUMSX", "NUMSX:10", "NUM", "", ":10"}) {
        EXPECT_EQ(list.FindMethod(text), -1) << text;
    }
}

TEST(StatList, Favourites) {
    TStatList list;
    list.BuildMethods();
    EXPECT_EQ(list.FavoritesText(), "");
    list.SetFavoritesText(" nums,POS2 ");
    EXPECT_FALSE(list.AllFavorites);
    EXPECT_EQ(list.FavoritesText(), "NUMS,POS2");
    EXPECT_FALSE(list.IsShown(1));
    list.SetFavoritesText("NOPE");
    for (int i = 0; i < list.MethodCount(); ++i) EXPECT_FALSE(list.IsShown(i));
    list.NormalizeFavorites();  // all unmarked: everything becomes favourite again
    EXPECT_TRUE(list.AllFavorites);
    EXPECT_TRUE(list.Method(3).Favorite);
}

TEST(StatList, NamesFileRoundTrip) {
    test::TTempDir dir;
    const auto file = dir / "Marvolet_5z36.flt";
    TStatList list;
    list.BuildMethods();
    list.Method(0).UserName = "Мои числа";
    list.SetFavoritesText("NUMS,EVEN");
    list.Ordered = true;
    ASSERT_FALSE(list.WriteNames(file, true, false));
    {
        const TIniFile ini(file);
        EXPECT_EQ(ini.ReadString("FILTERS", "Favorites", ""), "NUMS,EVEN");
        EXPECT_EQ(ini.ReadSection("STRINGS_RUS"), std::vector<std::string>{"NUMS"});
    }
    TStatList back;
    back.BuildMethods();
    ASSERT_FALSE(back.ReadNames(file, true));
    EXPECT_EQ(back.Method(0).UserName, "Мои числа");
    EXPECT_EQ(back.MethodName(back.Method(0)), "Мои числа");
    EXPECT_TRUE(back.Ordered);
    EXPECT_EQ(back.FavoritesText(), "NUMS,EVEN");

    // Exporting all names writes class captions; importing them makes them user names.
    ASSERT_FALSE(back.WriteNames(file, false, true));
    TStatList third;
    third.BuildMethods();
    ASSERT_FALSE(third.ReadNames(file, false));
    EXPECT_EQ(third.Method(1).UserName, "Цифры тиража");

    // A missing file reads as empty; an unreadable one gives the message.
    TStatList fresh;
    fresh.BuildMethods();
    EXPECT_FALSE(fresh.ReadNames(dir / "none.flt", true));
    const auto failure = fresh.WriteNames(dir / "no-such-dir" / "x.flt", true, true);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->rfind("Ошибка сохранения списка фильтров!\r\r", 0), 0u);
}

// Codes this list does not have (another configuration's indexes, another edition's
// methods) survive reading and writing the names file.
TEST(StatList, NamesFileKeepsCodesTheListLacks) {
    test::TTempDir dir;
    const auto file = dir / "Marvolet_5z36.flt";
    test::WriteBytes(file, Utf8ToCp1251("[FILTERS]\r\nFavorites=ZZZ7,nums,CHN10\r\n"
                                        "[STRINGS_RUS]\r\nZZZ7=Чужой метод\r\nNUMS=Старое\r\n"
                                        "digs=Мои цифры\r\n"));
    TStatList list;
    list.BuildMethods();
    ASSERT_FALSE(list.ReadNames(file, true));
    EXPECT_EQ(list.FavoritesText(), "NUMS,ZZZ7,CHN10");
    EXPECT_EQ(list.Method(1).UserName, "Мои цифры");
    list.Method(0).UserName.clear();
    list.Method(1).Favorite = true;
    ASSERT_FALSE(list.WriteNames(file, true, false));
    EXPECT_EQ(Cp1251ToUtf8(test::ReadBytes(file)),
              "[FILTERS]\r\nFavorites=NUMS,DIGS,ZZZ7,CHN10\r\nOrdered=0\r\nShowGroupName=1\r\n"
              "ShowMethodFlags=1\r\n\r\n[STRINGS_RUS]\r\nDIGS=Мои цифры\r\nZZZ7=Чужой метод\r\n");
    list.SelectAll();  // every method, those that come back later too
    EXPECT_EQ(list.FavoritesText(), "");
}

TEST(StatList, MethodTextEqualToTheCaptionIsNoUserName) {
    TStatList list;
    list.BuildMethods();
    const struct {
        const char* Text;
        const char* UserName;
    } cases[] = {{"Мои цифры", "Мои цифры"}, {"ЦИФРЫ ТИРАЖА", ""}, {"цифры тиража", ""}, {"", ""}};
    for (const auto& c : cases) {
        list.SetMethodText(1, c.Text);
        EXPECT_EQ(list.Method(1).UserName, c.UserName) << c.Text;
    }
}

TEST(StatList, StakeBalance) {
    TStatList list;
    list.Config().Cost = 5000;  // 0.50 a ticket
    list.Config().Profits = {{2, 10000}, {5, 1000000000}};
    EXPECT_EQ(list.StakeBalance(5, -1), -5000);
    EXPECT_EQ(list.StakeBalance(6, 2), -6 * 5000 + 10000);
    EXPECT_EQ(list.StakeBalance(5, 3), -5000);  // no prize for three
    EXPECT_EQ(RoundHalfEven(2.5L), 2);
    EXPECT_EQ(RoundHalfEven(3.5L), 4);
    EXPECT_EQ(RoundHalfEven(-2.5L), -2);
}

}  // namespace
}  // namespace mv
