#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/stats/stat_list.h"

namespace mv::test {

// A registry over an archive the test fills, for the tests of one statistic family.
class TFamilyTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_registry.SetDraws(&m_draws);
        m_registry.BuildMethods();
    }
    std::unique_ptr<TCustomStat> Stat(const std::string& code) {
        const int i = m_registry.FindMethod(code);
        EXPECT_GE(i, 0) << code;
        return m_registry.CreateStat(m_registry.Method(i));
    }
    // Analyses the whole archive as one window, without values enumerated in advance, in the
    // order the values were added.
    TStatDrawArray Window(TCustomStat& stat, bool sorted = false) {
        TStatDrawArray values;
        TLastValueArray last;
        TStatScratch scratch{};
        const int lastIndex = static_cast<int>(m_draws.size()) - 1;
        for (int i = 0; i <= lastIndex; ++i) {
            stat.AddDraw(i, lastIndex, last, scratch, values, sorted);
        }
        return values;
    }

    TDrawsArray m_draws;
    TStatList m_registry;
};

}  // namespace mv::test
