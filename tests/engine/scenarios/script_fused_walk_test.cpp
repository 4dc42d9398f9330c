// Single-select removal walks of number filters are counted in one pass and made together;
// everything a run leaves (log, list, operations rows, stakes) equals the step-by-step walk.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/combs/selection.h"
#include "engine/core/text_codec.h"
#include "engine/run/script_runner.h"
#include "engine/session/list_commands.h"
#include "engine/session/stake_commands.h"
#include "engine/stats/comb_filter.h"
#include "test_support.h"

namespace mv {
namespace {

// Forty pseudo-random draws (a fixed generator), so that the tables have uneven rows.
TDrawsArray Draws() {
    TDrawsArray archive;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 40; ++i) {
        TDrawRec d;
        d.Number = i + 1;
        int k = 0;
        while (k < 5) {
            seed = seed * 1103515245u + 12345u;
            const auto n = static_cast<std::uint8_t>(1 + (seed >> 16) % 36);
            if (std::find(d.Nums.begin(), d.Nums.begin() + k, n) != d.Nums.begin() + k) continue;
            d.Nums[static_cast<std::size_t>(k++)] = n;
        }
        std::sort(d.Nums.begin(), d.Nums.end());
        d.Extra = 1;
        d.SetDate("01.02.2024");
        archive.push_back(d);
    }
    return archive;
}

struct TRunResult {
    std::vector<std::string> Log;
    std::string List;
    std::vector<TFilterLine> Rows;
    std::vector<std::string> Stakes;
};

TRunResult RunScenario(const std::vector<std::string>& lines, bool fuse, int passes) {
    test::TTempDir dir;
    test::TRecordingHooks hooks;
    TWorkspace ws{TDataPaths{dir.Path()}, hooks};
    ws.LockDataFiles();
    ws.Stats().BuildMethods();
    ws.ResetDraws(Draws());
    ws.EditScript([&](TCurrentScript& s) { s.ReplaceAll(lines); });
    TScriptRunSettings settings;
    settings.LogEnabled = true;
    settings.LogFolder = dir.Path();
    settings.FuseRemovalSteps = fuse;
    TScriptRunner runner(ws, settings);
    std::filesystem::path logFile;
    runner.OnLogFinished = [&](const std::filesystem::path& p) { logFile = p; };
    // The last pass's list and rows: the line ends there.
    TRunResult result;
    runner.OnLine = [&](int line) {
        if (line >= 0) return;
        const TCombsArray& list = ws.Combs().CurrentList;
        result.List.assign(reinterpret_cast<const char*>(list.Data()), list.Count() * sizeof(TComb));
        result.Rows = ws.Combs().FilterLines();
    };
    if (passes > 0) {
        runner.Test(passes);
    } else {
        runner.Forecast();
    }
    const std::string text = Cp1251ToUtf8(test::ReadBytes(logFile));
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = text.find("\r\n", pos);
        result.Log.push_back(text.substr(pos + 23, end - pos - 23));  // without the time
        pos = end + 2;
    }
    for (const TStakeRecord& rec : ws.Stakes().ReadRange(0, ws.Stakes().Count()))
        result.Stakes.push_back(std::to_string(rec.DrawNumber) + " " + rec.Comment);
    EXPECT_TRUE(hooks.Messages.empty());
    return result;
}

TEST(ScriptFusedWalk, SameResultsAsStepByStep) {
    const std::vector<std::vector<std::string>> scenarios = {
        // Every row in turn until one would empty the list: undone, then step by step.
        {"FULL:0#FIRST|TSD1#NUMS:10#LNO:#SF:0"},
        {"FULL:0#LAST|TSD1#NUMS:10#LNO:#SZ:0"},
        {"FULL:0#FIRST|TSD1#NUMS:15#LNO:#SC:40000"},
        {"FULL:0#FIRST|BSD1#NUMS:15#LNO:#ST:6"},
        {"FULL:0#FIRST|TSD1#NUMS:20#LMV:1;2#SV:1"},
        {"FULL:0#FIRST|BSD1#NUMS:20#LNO:#SP:10"},
        // Three filters, a few variants; the later ones are not number filters.
        {"FULL:0#FIRST|TSD1#NUMS:10,20#LMV:3;5#SF:0|TSD1#EVEN:30#LNO:#ST:1|TSD1#PRIM:15#LNO:#ST:1",
         "CURR:0#ALL|TSD2#NUMS:8#LNO:#ST:3"},
    };
    for (const auto& lines : scenarios) {
        SCOPED_TRACE(lines.front());
        const int passes = lines.size() > 1 ? 2 : 0;
        const TRunResult fused = RunScenario(lines, true, passes);
        const TRunResult stepwise = RunScenario(lines, false, passes);
        EXPECT_GT(fused.Log.size(), 10u);
        if (lines.front().find("#SF:0") != std::string::npos && passes == 0) {
            EXPECT_NE(std::find(fused.Log.begin(), fused.Log.end(), "{UNDO} Откат изменений..."),
                      fused.Log.end());
        }
        EXPECT_EQ(fused.Log, stepwise.Log);
        EXPECT_TRUE(fused.List == stepwise.List);
        EXPECT_EQ(fused.Rows, stepwise.Rows);
        EXPECT_EQ(fused.Stakes, stepwise.Stakes);
    }
}

// The one-pass counts and the split against one filter pass per step.
TEST(ScriptFusedWalk, CountsAndSplitMatchFilterPasses) {
    TCombsArray list;
    std::uint32_t seed = 7;
    for (int i = 0; i < 5000; ++i) {
        TComb c;
        for (auto& n : c.Nums) {
            seed = seed * 1103515245u + 12345u;
            n = static_cast<std::uint8_t>(1 + (seed >> 16) % 36);
        }
        list.Append(c);
    }
    // Step s drops the combinations holding 3s+1, 3s+2 or 3s+3 (numbers are marked by the first
    // step only; the later marks of a number change nothing).
    const std::size_t steps = 10;
    TFirstStepTable first;
    first.fill(NoRemovalStep);
    std::vector<std::unique_ptr<TCombFilter>> filters;
    for (std::size_t s = 0; s < steps; ++s) {
        std::array<std::uint8_t, 256> hit{};
        for (std::size_t n = 3 * s + 1; n <= 3 * s + 3 + (s % 2); ++n) {
            hit[n] = 1;
            if (first[n] == NoRemovalStep) first[n] = static_cast<std::uint16_t>(s);
        }
        filters.push_back(MakeAnyNumberFilter(hit));
        ASSERT_NE(filters.back()->NumberHits(), nullptr);
    }
    const std::vector<std::size_t> counts = CountFirstSteps(list, first, steps);
    ASSERT_EQ(counts.size(), steps);
    std::vector<TComb> current(list.begin(), list.end());
    for (std::size_t k = 1; k <= steps; ++k) {
        SCOPED_TRACE(k);
        const std::vector<TComb> before = current;
        current.resize(filters[k - 1]->Apply(current.data(), current.size(), false, current.data()));
        EXPECT_EQ(before.size() - current.size(), counts[k - 1]);
        TCombsArray source;
        source.CopyFrom(list);
        TCombsArray kept;
        SplitAtRemovalStep(source, first, k, kept);
        EXPECT_TRUE(std::equal(kept.begin(), kept.end(), current.begin(), current.end()));
        EXPECT_TRUE(std::equal(source.begin(), source.end(), before.begin(), before.end()));
    }
}

}  // namespace
}  // namespace mv
