// marvolet scenario show: the scenario list of a file, unknown method codes on stderr.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "test_support.h"

namespace mv {
namespace {

struct TShown {
    int Status = -1;
    std::string Out, Err;
};

TShown Show(const test::TTempDir& dir, const std::string& file) {
    const std::string out = (dir / "stdout").string();
    const std::string err = (dir / "stderr").string();
    const std::string command = std::string("'") + MV_CLI_PATH + "' --data-dir '" +
                                dir.Path().string() + "' scenario show '" + file + "' >'" + out +
                                "' 2>'" + err + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadBytes(out),
            test::ReadBytes(err)};
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

}  // namespace
}  // namespace mv
