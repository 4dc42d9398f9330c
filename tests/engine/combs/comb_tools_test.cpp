// The archive look-up, the distinct-number count and the combination information values.
#include <gtest/gtest.h>

#include "combs_fixture.h"
#include "engine/combs/comb_tools.h"
#include "engine/core/game.h"

namespace mv::test {
namespace {

using CombToolsTest = CombsTest;

// A combination that came out in 30 draws is reported with the 26 newest.
TEST_F(CombToolsTest, ArchiveLookUpStopsAfterTwentySixLines) {
    for (int i = 0; i < 30; ++i) {
        AddDraw({5, 4, 3, 2, 1});
        AddDraw({1, 2, 3, 4, 6});
    }
    Ws.SetDrawsOffset(5);  // hidden draws are searched too
    const TArchiveLookup found = FindInArchive(Ws.DrawArchive(), Comb(1, 2, 3, 4, 5), Hooks);
    ASSERT_EQ(found.Lines.size(), 26u);
    EXPECT_EQ(found.Lines.front(), DrawLineText(Ws.DrawArchive()[58]));
    EXPECT_EQ(found.Lines.back(), DrawLineText(Ws.DrawArchive()[8]));
    EXPECT_EQ(found.Message().rfind("Выделенная комбинация найдена в следующих тиражах:\r\r" +
                                        found.Lines.front() + "\r" + found.Lines[1],
                                    0),
              0u);
    EXPECT_EQ(Hooks.Statuses.front(), "Поиск по архиву тиражей...");

    const TArchiveLookup missing = FindInArchive(Ws.DrawArchive(), Comb(1, 2, 3, 4, 7), Hooks);
    EXPECT_TRUE(missing.Lines.empty());
    EXPECT_EQ(missing.Message(), "Выделенная комбинация не найдена архиве тиражей!");
}

TEST_F(CombToolsTest, DistinctNumbersOfTheWorkingList) {
    SetCurrent({Comb(1, 2, 3, 4, 5), Comb(4, 5, 6, 7, 8)});
    EXPECT_EQ(UniqueNumbersMessage(Ws.Combs().CurrentList, Hooks),
              "В текущем списке комбинаций содержится 8 уникальных номеров");
}

TEST_F(CombToolsTest, InformationValuesAreTheGraphValuesOfTheFiveNumbers) {
    AddDraw({1, 2, 3, 4, 5});
    const auto values = CombinationInfoValues(Ws.Stats(), Comb(9, 2, 4, 6, 7), Ws.DrawsOffset(), Ws.SortedDraws());
    const auto value = [&values, this](const std::string& code) {
        const std::string name =
            Ws.Stats().MethodName(Ws.Stats().Method(Ws.Stats().FindMethod(code)));
        for (const auto& [n, v] : values) {
            if (n == name) return v;
        }
        throw std::runtime_error("no value for " + code);
    };
    EXPECT_EQ(value("EVEN"), 3);
    EXPECT_EQ(value("POS1"), 9);
    Ws.SetSortedDraws(true);
    const auto sorted = CombinationInfoValues(Ws.Stats(), Comb(9, 2, 4, 6, 7), Ws.DrawsOffset(), Ws.SortedDraws());
    EXPECT_NE(sorted, values);  // POS1 is now the smallest number
}

}  // namespace
}  // namespace mv::test
