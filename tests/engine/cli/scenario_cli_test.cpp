// marvolet scenario show: the scenario list of a file, unknown method codes on stderr.
// marvolet scenario run / test: stakes made over the data directory, a test's totals.
// marvolet scenario delete-logs: the execution logs of the data directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "engine/core/data_paths.h"
#include "engine/draws/archive_file.h"
#include "test_support.h"

namespace mv {
namespace {

using TShown = test::TCliRun;

// marvolet --data-dir DIR scenario COMMAND FILE EXTRA..., EXTRA split at spaces.
TShown Show(const test::TTempDir& dir, const std::string& file, const std::string& command = "show",
            const std::string& extra = "") {
    std::vector<std::string> args = {"scenario", command, file};
    std::istringstream words(extra);
    for (std::string word; words >> word;) args.push_back(word);
    return test::RunCli(dir.Path(), args, dir.Path());
}

TEST(ScenarioCli, ShowPrintsTheScenarioList) {
    test::TTempDir dir;
    const auto file = dir / "a.lsc";
    test::WriteBytes(file,
                     "excl:3#first| bmf1#nums:10#cmv:5#st | |TSD1#XYZW:3| |TSD1#POS10:3| | |"
                     "\xD2\xE5\xF1\xF2; \"q\"\r\n"
                     "\r\n"
                     "FULL:0#RAND|TSD12#pos3:5#LVA:1,2#SV:4#0,5:-1:1:0:1");
    const TShown shown = Show(dir, file.string());
    EXPECT_EQ(shown.Status, 0);
    EXPECT_EQ(shown.Out,
              "Комментарии;Опции;Фильтр 1;Фильтр 2;Фильтр 3;Фильтр 4;Фильтр 5;Фильтр 6;Фильтр 7\n"
              "\"Тест; \"\"q\"\"\";\"Исключить 3 тиражей; Первая; Все создаваемые ставки\";"
              "TSD1#NUMS:10#CMV:5#ST:1;;TSD1#XYZW:3#LNO:#SF:0;;TSD1#POS10:3#LNO:#SF:0;;\n"
              ";;;;;;;;\n"
              ";\"Исходный список; Случайно; Все создаваемые ставки\";"
              "TSD12#POS3:5#LVA:1,2#SV:4#0.5:-1:1:0:1;;;;;;\n");
    // POS10 only begins with the code POS1: it names no method.
    EXPECT_EQ(shown.Err,
              "Строка 1, фильтр 3: метод расчета статистики \"XYZW\" не найден\n"
              "Строка 1, фильтр 5: метод расчета статистики \"POS10\" не найден\n");
}

TEST(ScenarioCli, ShowFailures) {
    test::TTempDir dir;
    const TShown missing = Show(dir, (dir / "missing.lsc").string());
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Out, "");
    EXPECT_EQ(
        missing.Err.rfind("Ошибка чтения файла \"" + (dir / "missing.lsc").string() + "\"!", 0), 0u)
        << missing.Err;
    test::WriteBytes(dir / "empty.lsc", "");
    const TShown empty = Show(dir, (dir / "empty.lsc").string());
    EXPECT_EQ(empty.Status, 0);
    EXPECT_EQ(empty.Out,
              "Комментарии;Опции;Фильтр 1;Фильтр 2;Фильтр 3;Фильтр 4;Фильтр 5;Фильтр 6;Фильтр 7\n");
    EXPECT_EQ(empty.Err, "");
}

TEST(ScenarioCli, RunAndTestMakeStakes) {
    test::TTempDir dir;
    TDrawsArray draws;
    for (int i = 0; i < 4; ++i) {
        TDrawRec d;
        d.Number = 101 + i;
        d.Nums = {1, static_cast<std::uint8_t>(10 + i), 20, 30, 36};
        d.Extra = 1;
        d.SetDate("01.02.2024");
        draws.push_back(d);
    }
    WriteArchiveFile(TDataPaths{dir.Path()}.Archive(), draws);
    const auto file = dir / "a.lsc";
    // The full set cut down to the combinations with 1; the first of them is staked.
    test::WriteBytes(file, "FULL:0#FIRST|TMF1#NUMS:4#LVA:1#SF:0| | | | | | |\r\n");

    const TShown run = Show(dir, file.string(), "run");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "105;1 2 3 4 5;01.001: @ FULL#FIRST + TMF#NUMS:4#LVA:1#SF:0\n");

    const TShown test = Show(dir, file.string(), "test", "--passes 2");
    EXPECT_EQ(test.Status, 0) << test.Err;
    EXPECT_EQ(test.Out.substr(0, test.Out.find("Совпадений")),
              "103;1 2 3 4 5;01.001: @ FULL#FIRST + TMF#NUMS:4#LVA:1#SF:0\n"
              "104;1 2 3 4 5;01.001: @ FULL#FIRST + TMF#NUMS:4#LVA:1#SF:0\n");
    // Both stakes share one number with their draws; by chance 2 * C(31,5) / C(36,5) stakes
    // would have none and 2 * 5 * C(31,4) / C(36,5) one.
    EXPECT_NE(test.Out.find("Совпадений;Ставок;Случайные ставки\n0;0;0,901\n1;2;0,835\n"),
              std::string::npos)
        << test.Out;
    EXPECT_NE(test.Out.find("Всего;2;2\n"), std::string::npos);

    EXPECT_EQ(Show(dir, file.string(), "test").Status, 2);
    EXPECT_EQ(Show(dir, file.string(), "test", "--passes 4").Status, 2);
}

TEST(ScenarioCli, LogsOfRunsAndTheirDeletion) {
    test::TTempDir dir;
    TDrawRec draw;
    draw.Number = 1;
    draw.Nums = {1, 2, 3, 4, 5};
    draw.Extra = 1;
    draw.SetDate("01.02.2024");
    WriteArchiveFile(TDataPaths{dir.Path()}.Archive(), {draw});
    const auto file = dir / "a.lsc";
    test::WriteBytes(file, "CURR:0#NONE\r\n");
    auto logs = [&] {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
            n += e.path().filename().string().rfind("ScriptLog_", 0) == 0 ? 1 : 0;
        return n;
    };
    // Two runs within a second write two logs.
    for (int i = 0; i < 2; ++i) EXPECT_EQ(Show(dir, file.string(), "run", "--log").Status, 0);
    EXPECT_EQ(logs(), 2);
    auto deleteLogs = [&] {
        return test::RunCli(dir.Path(), {"scenario", "delete-logs"}, dir.Path());
    };
    const TShown deleted = deleteLogs();
    EXPECT_EQ(deleted.Status, 0) << deleted.Err;
    EXPECT_EQ(deleted.Err.rfind("Удаление \"", 0), 0u) << deleted.Err;
    EXPECT_EQ(logs(), 0);
    EXPECT_TRUE(std::filesystem::exists(file));
    const TShown none = deleteLogs();
    EXPECT_EQ(none.Status, 0);
    EXPECT_EQ(none.Err, "Файлы журналов не найдены!\n");
}

// The same scenario, archive and configuration give the same bytes, the run identity last;
// the random stake mode only with a seed.
TEST(ScenarioCli, TestOutputIsReproducible) {
    test::TTempDir dir;
    TDrawsArray draws;
    for (int i = 0; i < 4; ++i) {
        TDrawRec d;
        d.Number = 101 + i;
        d.Nums = {1, static_cast<std::uint8_t>(10 + i), 20, 30, 36};
        d.Extra = 1;
        d.SetDate("01.02.2024");
        draws.push_back(d);
    }
    WriteArchiveFile(TDataPaths{dir.Path()}.Archive(), draws);
    const auto first = dir / "first.lsc";
    test::WriteBytes(first, "FULL:0#FIRST|TMF1#NUMS:4#LVA:1#SF:0| | | | | | |\r\n");
    const auto random = dir / "random.lsc";
    test::WriteBytes(random, "FULL:0#RAND|TMF1#NUMS:4#LVA:1#SF:0| | | | | | |\r\n");

    const TShown once = Show(dir, first.string(), "test", "--passes 3");
    ASSERT_EQ(once.Status, 0) << once.Err;
    const TShown twice = Show(dir, first.string(), "test", "--passes 3");
    EXPECT_EQ(twice.Out, once.Out);
    const std::size_t last = once.Out.rfind('\n', once.Out.size() - 2);
    // Without a configuration file: no prizes, no cost.
    const std::string caption = "Идентификатор запуска: архив ";
    const std::string tail =
        ", смещение 0, стоимость ставки 0, выигрыши нет, версия " MV_VERSION "\n";
    EXPECT_EQ(once.Out.substr(last + 1, caption.size()), caption) << once.Out;
    EXPECT_EQ(once.Out.size() - last - 1, caption.size() + 12 + tail.size()) << once.Out;
    EXPECT_EQ(once.Out.substr(once.Out.size() - tail.size()), tail) << once.Out;

    const TShown seeded = Show(dir, random.string(), "test", "--passes 3 --seed 7");
    ASSERT_EQ(seeded.Status, 0) << seeded.Err;
    EXPECT_EQ(Show(dir, random.string(), "test", "--passes 3 --seed 7").Out, seeded.Out);
    EXPECT_NE(Show(dir, random.string(), "test", "--passes 3 --seed 8").Out, seeded.Out);

    for (const char* bad : {"--seed -1", "--seed x", "--seed"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(Show(dir, random.string(), "test", std::string("--passes 3 ") + bad).Status, 2);
    }
}

}  // namespace
}  // namespace mv
