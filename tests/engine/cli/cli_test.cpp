// Runs the built `marvolet` on temporary data directories and checks what it prints, what it
// leaves on disk and its exit status.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"
#include "engine/core/data_paths.h"
#include "engine/core/text_codec.h"
#include "engine/draws/archive_file.h"
#include "engine/support/data_lock.h"
#include "test_support.h"

namespace mv {
namespace {

using TRun = test::TCliRun;

class CliTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    TDataPaths m_paths{m_dir.Path() / "data"};

    void SetUp() override { std::filesystem::create_directory(m_paths.Dir); }

    // Runs marvolet --data-dir <data> <args...>.
    TRun Cli(std::vector<std::string> args, bool withDataDir = true) {
        return test::RunCli(m_dir.Path(), std::move(args),
                            withDataDir ? m_paths.Dir : std::filesystem::path());
    }

    std::string Archive() const { return test::ReadBytes(m_paths.Archive()); }
};

TEST_F(CliTest, UsageAndBadCommandLines) {
    const TRun help = Cli({"--help"}, false);
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("draws add"), std::string::npos);

    const std::vector<std::vector<std::string>> bad = {
        {},
        {"nothing"},
        {"draws"},
        {"draws", "frobnicate"},
        {"draws", "list", "--bogus"},
        {"draws", "list", "extra"},
        {"draws", "import"},
        {"draws", "add", "1"},
        {"draws", "add", "x", "1;2;3;4;5;6"},
        {"draws", "add", "0", "1;2;3;4;5;6"},
        {"draws", "add", "1", "1;2;3;4;5;6", "01.01.2024", "more"},
        {"draws", "delete"},
        {"draws", "list", "--data-dir"},
    };
    for (const auto& args : bad) {
        const TRun run = Cli(args);
        EXPECT_EQ(run.Status, 2) << (args.empty() ? "(none)" : args.back());
        EXPECT_NE(run.Err.find("Использование:"), std::string::npos);
        EXPECT_TRUE(run.Out.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(m_paths.Archive()));
    EXPECT_EQ(Cli({"--data-dir", (m_dir / "missing").string(), "draws", "list"}, false).Status, 1);
}

TEST_F(CliTest, AddListExportImport) {
    EXPECT_EQ(Cli({"draws", "add", "1024", "3;17;22;30;36;9", "05.01.2024"}).Status, 0);
    EXPECT_EQ(Cli({"draws", "add", "1025", " 36, 1 ,2;3;4 ;36", "06.01.2024"}).Status, 0);
    const TRun today = Cli({"draws", "add", "1026", "5;6;7;8;9;10"});
    EXPECT_EQ(today.Status, 0);
    EXPECT_NE(today.Err.find("Тираж № 1026"), std::string::npos);

    // Refused entries change nothing.
    const std::string before = Archive();
    const TRun badEntry = Cli({"draws", "add", "1027", "5;5;7;8;9;1"});
    EXPECT_EQ(badEntry.Status, 1);
    EXPECT_EQ(badEntry.Err, "Введена некорректная комбинация!\n");
    EXPECT_EQ(Cli({"draws", "add", "1027", "1;2;3;4;5;6", "31.02.2024"}).Status, 1);
    EXPECT_EQ(Archive(), before);

    TDrawsArray draws;
    ReadArchiveFile(m_paths.Archive(), draws);
    ASSERT_EQ(draws.size(), 3u);
    const std::string todayText = draws[2].Date();
    EXPECT_EQ(todayText.size(), 10u);

    const TRun list = Cli({"draws", "list"});
    EXPECT_EQ(list.Status, 0);
    EXPECT_EQ(list.Out,
              "Тираж;1;2;3;4;5;E;S;Дата тиража\n"
              "1026;5;6;7;8;9;10;35;" +
                  todayText +
                  "\n"
                  "1025;36;1;2;3;4;36;46;06.01.2024\n"
                  "1024;3;17;22;30;36;9;108;05.01.2024\n");
    const TRun sorted = Cli({"draws", "list", "--sorted"});
    EXPECT_NE(sorted.Out.find("\n1025;1;2;3;4;36;36;46;06.01.2024\n"), std::string::npos);
    EXPECT_EQ(Archive(), before);  // sorting is a view, never stored

    const auto csv = m_dir / "out.csv";
    EXPECT_EQ(Cli({"draws", "export", csv.string()}).Status, 0);
    EXPECT_EQ(test::ReadBytes(csv),
              "1024;\"05.01.2024\";3;17;22;30;36;9\r\n"
              "1025;\"06.01.2024\";36;1;2;3;4;36\r\n"
              "1026;\"" +
                  todayText + "\";5;6;7;8;9;10\r\n");

    // Import into a fresh directory reproduces the archive; a second import adds nothing.
    m_paths.Dir = m_dir / "copy";
    std::filesystem::create_directory(m_paths.Dir);
    const TRun import = Cli({"draws", "import", csv.string()});
    EXPECT_EQ(import.Status, 0);
    EXPECT_EQ(import.Err, "Добавлено тиражей: 3\n");
    EXPECT_EQ(Archive(), before);
    EXPECT_EQ(Cli({"draws", "import", csv.string()}).Err, "Добавлено тиражей: 0\n");
    EXPECT_EQ(Cli({"draws", "import", (m_dir / "missing.csv").string()}).Status, 1);
    EXPECT_EQ(Archive(), before);
}

TEST_F(CliTest, ListQuotesFieldsThatNeedIt) {
    test::WriteBytes(m_dir / "in.csv", "7;\"a;b\"\"c\";1;2;3;4;5;6\r\n");
    EXPECT_EQ(Cli({"draws", "import", (m_dir / "in.csv").string()}).Status, 0);
    EXPECT_EQ(Cli({"draws", "list"}).Out,
              "Тираж;1;2;3;4;5;E;S;Дата тиража\n7;1;2;3;4;5;6;15;\"a;b\"\"c\"\n");
}

TEST_F(CliTest, DeleteNeedsConfirmation) {
    for (const char* n : {"1", "2", "3"}) Cli({"draws", "add", n, "1;2;3;4;5;6", "01.01.2024"});
    const std::string before = Archive();
    EXPECT_EQ(Cli({"draws", "delete", "2"}).Status, 1);
    EXPECT_EQ(Cli({"--yes", "draws", "delete", "2", "9"}).Status, 1);  // 9 is not there
    EXPECT_EQ(Cli({"--yes", "draws", "delete", "2", "2"}).Status, 1);  // only one draw 2
    EXPECT_EQ(Archive(), before);
    EXPECT_EQ(Cli({"draws", "delete", "3", "1", "--yes"}).Status, 0);
    TDrawsArray draws;
    ReadArchiveFile(m_paths.Archive(), draws);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].Number, 2);
}

// A new draw's number lies in 1..9999999; a stored draw with a larger number (a damaged or
// foreign archive) is still listed and can be deleted.
TEST_F(CliTest, DrawNumberLimit) {
    EXPECT_EQ(Cli({"draws", "add", "9999999", "1;2;3;4;5;6", "01.01.2024"}).Status, 0);
    const std::string before = Archive();
    for (const char* n : {"10000000", "2147483647", "2147483648", "0"}) {
        const TRun run = Cli({"draws", "add", n, "1;2;3;4;5;6", "01.01.2024"});
        EXPECT_EQ(run.Status, 2) << n;
        EXPECT_EQ(
            run.Err.rfind(
                "Некорректный номер тиража (допустимо 1..9999999): " + std::string(n) + "\n", 0),
            0u)
            << run.Err;
    }
    EXPECT_EQ(Archive(), before);

    TDrawsArray draws;
    ReadArchiveFile(m_paths.Archive(), draws);
    draws.push_back(draws[0]);
    draws.back().Number = 2147483647;
    WriteArchiveFile(m_paths.Archive(), draws);
    EXPECT_NE(Cli({"draws", "list"}).Out.find("\n2147483647;1;2;3;4;5;6;15;01.01.2024\n"),
              std::string::npos);
    EXPECT_EQ(Cli({"--yes", "draws", "delete", "2147483647"}).Status, 0);
    EXPECT_EQ(Archive(), before);
}

TEST_F(CliTest, LockHeldByAnotherProgram) {
    Cli({"draws", "add", "1", "1;2;3;4;5;6", "01.01.2024"});
    test::WriteBytes(m_dir / "in.csv", "2;\"x\";1;2;3;4;5;6\r\n");
    const std::string before = Archive();
    {
        TDataLock other;
        other.Acquire(m_paths.Stakes());
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"draws", "add", "2", "1;2;3;4;5;6"},
              std::vector<std::string>{"draws", "import", (m_dir / "in.csv").string()},
              std::vector<std::string>{"--yes", "draws", "delete", "1"}}) {
            const TRun run = Cli(args);
            EXPECT_EQ(run.Status, 3) << args[1];
            EXPECT_NE(run.Err.find("Невозможно получить монопольный доступ к файлам данных!\n\n"),
                      std::string::npos)
                << run.Err;
            EXPECT_EQ(run.Err.find('\r'), std::string::npos);
        }
        EXPECT_EQ(Archive(), before);
        // Reading needs no lock.
        EXPECT_EQ(Cli({"draws", "list"}).Status, 0);
    }
    EXPECT_EQ(Cli({"draws", "import", (m_dir / "in.csv").string()}).Status, 0);
    EXPECT_NE(Archive(), before);
}

TEST_F(CliTest, ConfigShowMarksDefaults) {
    test::WriteBytes(m_paths.Config(),
                     "[GLOBAL]\r\nMatrixCols=5\r\n[STAKES]\r\nCost=0.5\r\n[ONLINE]\r\n"
                     "ServiceUrl=https://club.example/\r\nUserName=Ivan\r\n[UPDATE]\r\n"
                     "PublicKey=KEY\r\n");
    const TRun run = Cli({"config", "show"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out.rfind("GLOBAL.MatrixCols=5\n", 0), 0u) << run.Out;
    EXPECT_NE(run.Out.find("\nGLOBAL.ChannelSize=6 (по умолчанию)\n"), std::string::npos);
    EXPECT_NE(run.Out.find("\nSTAKES.Cost=0,5\n"), std::string::npos);
    // The online service's and the self-update's keys are listed too.
    for (const char* line :
         {"\nONLINE.ServiceUrl=https://club.example\n", "\nONLINE.CaFile= (по умолчанию)\n",
          "\nONLINE.UserName=Ivan\n", "\nONLINE.UserMail= (по умолчанию)\n",
          "\nUPDATE.PublicKey=KEY\n"}) {
        EXPECT_NE(run.Out.find(line), std::string::npos) << line << run.Out;
    }
    EXPECT_EQ(Cli({"config", "show", "extra"}).Status, 2);
    std::filesystem::remove(m_paths.Config());
    std::filesystem::create_directory(m_paths.Config());  // unreadable as a file
    const TRun broken = Cli({"config", "show"});
    EXPECT_EQ(broken.Status, 1);
    EXPECT_NE(broken.Err.find("Ошибка чтения файла конфигурации!"), std::string::npos);
}

TEST_F(CliTest, ConfigProxyShowsChangesAndStores) {
    const TRun empty = Cli({"config", "proxy"});
    EXPECT_EQ(empty.Status, 0) << empty.Err;
    EXPECT_EQ(empty.Out,
              "Режим: 0 (без proxy-сервера)\nСервер: \nПорт: 80\nПользователь: \nПароль: \n");
    const TRun manual = Cli({"config", "proxy", "--mode", "2", "--server", "proxy.local", "--port",
                             "3128", "--user", "u", "--password", "secret"});
    EXPECT_EQ(manual.Status, 0) << manual.Err;
    EXPECT_EQ(manual.Out,
              "Режим: 2 (ручной выбор)\nСервер: proxy.local\nПорт: 3128\nПользователь: u\n"
              "Пароль: ********\n");
    EXPECT_EQ(Cli({"config", "proxy"}).Out, manual.Out);  // stored
    const std::string config = test::ReadBytes(m_paths.Config());
    EXPECT_NE(config.find("ProxyPassword=secret"), std::string::npos);
    // Automatic search keeps nothing of the manual proxy.
    EXPECT_EQ(Cli({"config", "proxy", "--mode", "1"}).Out,
              "Режим: 1 (автоматический поиск)\nСервер: \nПорт: 0\nПользователь: \nПароль: \n");
    for (const char* bad : {"--mode=3", "--port=0", "--port=65536", "--port=x"}) {
        EXPECT_EQ(Cli({"config", "proxy", bad}).Status, 2) << bad;
    }
}

// Ten draws with a gap in their numbering (draw 4 is missing); with two hidden and a window of
// six the table of NUMS covers draws 3..9.
void WriteTenDraws(const std::filesystem::path& archive) {
    const std::int32_t numbers[] = {1, 2, 3, 5, 6, 7, 8, 9, 10, 11};
    const std::uint8_t nums[10][5] = {
        {1, 2, 3, 4, 5},      {6, 7, 8, 9, 10},     {1, 12, 13, 14, 15}, {1, 2, 16, 17, 18},
        {19, 20, 21, 22, 23}, {24, 25, 26, 27, 28}, {2, 29, 30, 31, 32}, {33, 34, 35, 36, 1},
        {2, 3, 4, 5, 6},      {7, 8, 9, 10, 11}};
    TDrawsArray draws(10);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        draws[i].Number = numbers[i];
        std::copy(nums[i], nums[i] + 5, draws[i].Nums.begin());
        draws[i].Extra = 1;
        draws[i].SetDate("01.01.2024");
    }
    WriteArchiveFile(archive, draws);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

TEST_F(CliTest, StatsMethodsListsTheRegistry) {
    test::WriteBytes(m_paths.MethodNames(), Utf8ToCp1251("[STRINGS_RUS]\r\nDIGS=Мои цифры\r\n"));
    const TRun run = Cli({"methods"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto lines = Lines(run.Out);
    // The header, then every available method of the class table in its order.
    ASSERT_EQ(lines.size(), 204u);
    EXPECT_EQ(lines[0], "Код;Группа;Флаги;Название");
    EXPECT_EQ(lines[1], "NUMS;num;N;Числа тиража");
    EXPECT_EQ(lines[2], "DIGS;num;N;Мои цифры");
    EXPECT_EQ(lines[3], "EVEN;num;NG;Количество четных чисел в тираже (Ч:Н)");
    EXPECT_EQ(lines[9], "SUMS;sum;NG;Сумма тиража: все значения");
    EXPECT_EQ(lines[11], "SUM2;sum;NG;Сумма тиража: диапазон 2 (1/2)");
    EXPECT_EQ(lines[14], "SUMV;sum;D;Сумма тиража: изменения (диапазон)");
    EXPECT_EQ(lines[19], "DIFA;dif;SN;Все разности между соседними позициями");
    EXPECT_EQ(lines[24], "CHAN;grp;N;Каналы");
    EXPECT_EQ(lines[33], "COLM;mtx;N;Сочетания столбцов матрицы");
    EXPECT_EQ(lines[41], "SGMC;sgm;NG;Количество не пустых сегментов в матрице");
    EXPECT_EQ(lines[44], "LENS;seq;SNG;Макс. длина последовательности в тираже");
    EXPECT_EQ(lines[46], "RPV3;rep;D;Повторяющиеся числа в 3-х тиражах подряд");
    EXPECT_EQ(lines[65], "KNM2;num;S;Сочетания из 2 чисел по всем числам тиража");
    EXPECT_EQ(lines[77], "KNP33;num;S;Сочетания из 3-х чисел тиража начиная с 3 позиции");
    EXPECT_EQ(lines[81], "KDS3;dif;S;Сочетания из 3 разностей между числами");
    EXPECT_EQ(lines[83], "KCM2;grp;S;Сочетания из 2 каналов по всем числам тиража");
    EXPECT_EQ(lines[100], "KRS4;mtx;S;Сочетания из 4 строк по соседним числам");
    EXPECT_EQ(lines[105], "KGS3;sgm;S;Сочетания из 3 сегментов по соседним числам");
    EXPECT_EQ(lines[109], "POS3;num;SNG;Число в 3 позиции тиража");
    EXPECT_EQ(lines[112], "POE1;num;G;Extra (Bonus, Star...) - число (!без фильтра!)");
    EXPECT_EQ(lines[118], "CHN6;grp;NG;Количество чисел в 6 канале");
    EXPECT_EQ(lines[130], "ROW6;mtx;NG;Количество чисел в 6 строке матрицы");
    EXPECT_EQ(lines[131], "SGM1;sgm;NG;Количество чисел в 1 сегменте матрицы");
    EXPECT_EQ(lines[132], "GRPV;ser;D;Повторы чисел в нескольких тиражах подряд");
    EXPECT_EQ(lines[140], "PRDG;per;P;Периоды повторения сегментов");
    EXPECT_EQ(lines[143], "SDN1;mov;SD;Переходы чисел между 2 тиражами в 1 позиции");
    EXPECT_EQ(lines[197], "SS3C1;mov;D;Переходы кол-ва чисел в 1 сегменте между 3 тиражами");
    EXPECT_EQ(lines[198], "VRN1;vrn;SNG;Число Варнела 1 (только разность)");
    EXPECT_EQ(lines[203], "SHR3;shr;SNG;Метод шинковки 3: (n1+n2)/(n3+n4+n5)");
}

TEST_F(CliTest, StatsTableOfAWindow) {
    WriteTenDraws(m_paths.Archive());
    // Weights from the configuration file: 2 x count + depth.
    test::WriteBytes(m_paths.Config(), "[CDL]\r\nCount=2\r\nDeviation=0\r\n");
    const TRun run = Cli({"stats", "NUMS", "--window", "6", "--offset", "2"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 37u);
    EXPECT_EQ(lines[0],
              "Значение;Количество;Кол-во в %;Норма;Отклонение;Откл-ие в %;Глубина;Глубина в %;"
              "Вес;Посл. тираж;Период min;Период;Период max;Ожд. ПРД;Ожд. СТФ;Ожд. КРН;Факт;"
              "+/- ПРД;+/- СТФ;+/- КРН");
    EXPECT_EQ(lines[1], "1;3;10,00000;-;-;-;1;16,67;7,00;9;2;2,0000;4;11;12;12;-;-;-;-");
    EXPECT_EQ(lines[2], "2;2;6,66667;-;-;-;2;33,33;6,00;8;3;3,0000;3;11;12;12;10;+1;+2;+2");
    EXPECT_EQ(lines[4], "4;0;0,00000;-;-;-;-;-;-;-;-;-;-;-;-;-;-;-;-;-");
    EXPECT_EQ(lines[36], "36;1;3,33333;-;-;-;1;16,67;3,00;9;-;-;-;-;18;15;-;-;-;-");

    // The sorted-draws option reaches the table: the window's last draw is 33 34 35 36 1.
    const auto firstOfLastDraw = [&](bool sorted) {
        std::vector<std::string> args = {"stats", "pos1", "--window=1", "--offset=2"};
        if (sorted) args.push_back("--sorted");
        for (const std::string& line : Lines(Cli(args).Out)) {
            if (line.find(";1;") != std::string::npos) return line.substr(0, line.find(';'));
        }
        return std::string();
    };
    EXPECT_EQ(firstOfLastDraw(false), "33");
    EXPECT_EQ(firstOfLastDraw(true), "1");
}

// The change methods show only what followed draws like the window's latest one (sum 45):
// 40 -> 55, 55 -> 54 and 54 -> 105 start within 15 of it, in key order.
TEST_F(CliTest, StatsTableOfASumChangeMethod) {
    WriteTenDraws(m_paths.Archive());
    const TRun run = Cli({"stats", "sumv", "--window", "10"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 4u);
    std::vector<std::string> values;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        values.push_back(lines[i].substr(0, lines[i].find(';')));
    }
    EXPECT_EQ(values, (std::vector<std::string>{"+15", "+51", "- 01"}));
}

TEST_F(CliTest, GraphOfAWindow) {
    WriteTenDraws(m_paths.Archive());
    const TRun run = Cli({"graph", "sums", "--window", "3", "--offset", "2"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(Lines(run.Out),
              (std::vector<std::string>{"Тираж;Значение", "7;130", "8;124", "9;139",
                                        "Среднее значение;131,00",
                                        "Наиболее часто встречающееся значение;130"}));

    // The whole archive when the window is longer; a method without a graph is refused.
    EXPECT_EQ(Lines(Cli({"graph", "SUMS"}).Out).size(), 13u);
    const TRun refused = Cli({"graph", "NUMS"});
    EXPECT_NE(refused.Status, 0);
    EXPECT_NE(refused.Err.find("не строит графиков"), std::string::npos) << refused.Err;
}

TEST_F(CliTest, StatsTableRefusals) {
    WriteTenDraws(m_paths.Archive());
    const TRun unknown = Cli({"stats", "XYZ"});
    EXPECT_EQ(unknown.Status, 1);
    EXPECT_EQ(unknown.Err, "Метод расчета статистики \"XYZ\" на найден!\n");
    EXPECT_TRUE(unknown.Out.empty());
    // A code that only begins with a known one is unknown too.
    const TRun longer = Cli({"stats", "NUMSX"});
    EXPECT_EQ(longer.Status, 1);
    EXPECT_EQ(longer.Err, "Метод расчета статистики \"NUMSX\" на найден!\n");
    EXPECT_TRUE(longer.Out.empty());
    for (const std::vector<std::string>& args : {
             std::vector<std::string>{"stats"},
             std::vector<std::string>{"stats", "NUMS", "--offset", "10"},
             std::vector<std::string>{"stats", "NUMS", "--offset", "-1"},
             std::vector<std::string>{"stats", "NUMS", "--offset"},
             std::vector<std::string>{"stats", "NUMS", "--window", "0"},
             std::vector<std::string>{"stats", "NUMS", "--window=x"},
             std::vector<std::string>{"methods", "NUMS"},
         }) {
        const TRun run = Cli(args);
        EXPECT_EQ(run.Status, 2) << args.back();
        EXPECT_TRUE(run.Out.empty()) << args.back();
    }
    EXPECT_EQ(Cli({"stats", "NUMS", "--offset", "9"}).Status, 0);
}

TEST_F(CliTest, CombsGenerateWithModesDefaultsAndExclusion) {
    const auto file = m_dir / "mine.lcv";
    const TRun out = Cli({"combs", "generate", "--mode", "2", "--params", "1,2,3,4,5,6", "--out",
                          file.string()});
    ASSERT_EQ(out.Status, 0) << out.Err;
    EXPECT_EQ(out.Out, "Комбинаций: 6\n");
    EXPECT_EQ(test::ReadBytes(file).rfind("1;2;3;4;5\r\n1;2;3;4;6\r\n1;2;3;5;6\r\n", 0), 0u);

    const TRun table = Cli({"combs", "generate", "--mode=2", "--params=1,2,3,4,5,6"});
    const auto lines = Lines(table.Out);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "№;1;2;3;4;5;Сумма");
    EXPECT_EQ(lines[6], "6;2;3;4;5;6;20");
    EXPECT_EQ(table.Err, "Комбинаций: 6\n");

    // The stored defaults apply without options.
    test::WriteBytes(m_paths.Config(),
                     "[GLOBAL]\r\nCombsGenerateMode=2\r\nCombsGenerateParameters=5;4;3;2;1\r\n");
    EXPECT_EQ(Cli({"combs", "generate"}).Err, "Комбинаций: 1\n");
    std::filesystem::remove(m_paths.Config());

    // Two hidden draws, three excluded: the draws at indices 5, 6 and 7 of ten.
    WriteTenDraws(m_paths.Archive());
    const TRun excluded = Cli({"combs", "generate", "--exclude-last", "3", "--offset", "2",
                               "--out", file.string()});
    ASSERT_EQ(excluded.Status, 0) << excluded.Err;
    EXPECT_EQ(excluded.Out, "Комбинаций: 376989\n");

    const TRun missing = Cli({"combs", "generate", "--mode", "4", "--params",
                              (m_dir / "none.lcv").string()});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find("Ошибка чтения файла"), std::string::npos);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"combs", "generate", "--mode", "5"},
          std::vector<std::string>{"combs", "generate", "--exclude-last", "x"},
          std::vector<std::string>{"combs", "generate", "--exclude-last", "1", "--offset", "10"},
          std::vector<std::string>{"combs"}}) {
        EXPECT_EQ(Cli(args).Status, 2) << args.back();
    }
}

TEST_F(CliTest, FilterKeepsOrRemovesTableValues) {
    WriteTenDraws(m_paths.Archive());
    const auto kept = m_dir / "kept.lcv";
    const TRun keep = Cli({"filter", "NUMS", "--window", "6", "--offset", "2", "--keep", "1; 36",
                           "--out", kept.string()});
    ASSERT_EQ(keep.Status, 0) << keep.Err;
    EXPECT_EQ(keep.Out, "Комбинаций: 98736\n");  // 376,992 - C(34, 5)

    const auto six = m_dir / "six.lcv";
    test::WriteBytes(six, "1;2;3;4;5\r\n2;3;4;5;6\r\n1;3;4;5;6\r\n");
    const auto left = m_dir / "left.lcv";
    const TRun remove = Cli({"filter", "nums", "--window=6", "--remove", "1", "--in",
                             six.string(), "--out", left.string()});
    ASSERT_EQ(remove.Status, 0) << remove.Err;
    EXPECT_EQ(remove.Out, "Комбинаций: 1\n");
    EXPECT_EQ(test::ReadBytes(left), "2;3;4;5;6\r\n");

    const TRun ratio = Cli({"filter", "EVEN", "--window", "10", "--keep", "1:4;5:0", "--in",
                            six.string(), "--out", left.string()});
    ASSERT_EQ(ratio.Status, 0) << ratio.Err;
    EXPECT_EQ(ratio.Out, "Комбинаций: 0\n");

    // Sums: the smallest and the largest are one combination each; the range row keeps the
    // sums 59..127, and "Остальные" the others.
    const TRun sums =
        Cli({"filter", "SUMS", "--window", "10", "--keep", "15;170", "--out", left.string()});
    ASSERT_EQ(sums.Status, 0) << sums.Err;
    EXPECT_EQ(sums.Out, "Комбинаций: 2\n");
    EXPECT_EQ(test::ReadBytes(left), "1;2;3;4;5\r\n32;33;34;35;36\r\n");
    const TRun range =
        Cli({"filter", "SUM1", "--window", "10", "--remove", "Остальные", "--out", left.string()});
    ASSERT_EQ(range.Status, 0) << range.Err;
    EXPECT_EQ(range.Out, "Комбинаций: 332938\n");

    const TRun unknown = Cli({"filter", "NUMS", "--window", "6", "--keep", "1;99", "--out",
                              left.string()});
    EXPECT_EQ(unknown.Status, 1);
    EXPECT_EQ(unknown.Err, "Значение \"99\" не найдено в таблице статистики!\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"filter", "NUMS", "--window", "6", "1", "--out", "x.lcv"},
          std::vector<std::string>{"filter", "NUMS", "--window", "6", "--keep", "--remove", "1",
                                   "--out", "x.lcv"},
          std::vector<std::string>{"filter", "NUMS", "--keep", "1", "--out", "x.lcv"},
          std::vector<std::string>{"filter", "NUMS", "--window", "6", "--keep", "1"}}) {
        EXPECT_EQ(Cli(args).Status, 2) << args.back();
    }
}

// The difference methods go through the registry like every other method: their value texts
// name table rows, and the sorted-draws option changes their values.
TEST_F(CliTest, DifferenceMethodsInStatsAndFilter) {
    WriteTenDraws(m_paths.Archive());
    const auto countOf = [&](const std::vector<std::string>& args, const std::string& value) {
        for (const std::string& line : Lines(Cli(args).Out)) {
            if (line.rfind(value + ";", 0) == 0) {
                const std::size_t start = value.size() + 1;
                return line.substr(start, line.find(';', start) - start);
            }
        }
        return std::string("no row");
    };
    // Six of the ten draws are five numbers in a row; the last but two is drawn 33 34 35 36 1.
    EXPECT_EQ(countOf({"stats", "DIFO", "--window", "10"}, "1 x 4"), "6");
    EXPECT_EQ(countOf({"stats", "DIFO", "--window", "10"}, "1 x 3"), "4");
    EXPECT_EQ(countOf({"stats", "DIFA", "--window", "10"}, "35"), "1");
    EXPECT_EQ(countOf({"stats", "DIFA", "--window", "10", "--sorted"}, "35"), "0");
    EXPECT_EQ(countOf({"stats", "KDS4", "--window", "10", "--sorted"}, "32:1:1:1"), "1");

    const auto out = m_dir / "out.lcv";
    const TRun keep =
        Cli({"filter", "DIFO", "--window", "10", "--keep", "1 x 4", "--out", out.string()});
    ASSERT_EQ(keep.Status, 0) << keep.Err;
    EXPECT_EQ(keep.Out, "Комбинаций: 32\n");  // 1..5 up to 32..36
    const TRun remove =
        Cli({"filter", "KDS4", "--window", "10", "--remove", "1:1:1:1", "--out", out.string()});
    ASSERT_EQ(remove.Status, 0) << remove.Err;
    EXPECT_EQ(remove.Out, "Комбинаций: 376960\n");
}

// The channel and matrix methods read the channel size and the matrix columns of the
// configuration file: their tables, filters and indexed methods follow it.
TEST_F(CliTest, ChannelAndMatrixMethodsFollowTheConfiguration) {
    WriteTenDraws(m_paths.Archive());
    const auto countOf = [&](const std::vector<std::string>& args, const std::string& value) {
        for (const std::string& line : Lines(Cli(args).Out)) {
            if (line.rfind(value + ";", 0) == 0) {
                const std::size_t start = value.size() + 1;
                return line.substr(start, line.find(';', start) - start);
            }
        }
        return std::string("no row");
    };
    const auto out = m_dir / "out.lcv";
    const auto filter = [&](const char* code, const char* values) {
        const TRun run =
            Cli({"filter", code, "--window", "10", "--keep", values, "--out", out.string()});
        return run.Status == 0 ? run.Out : run.Err;
    };
    EXPECT_EQ(countOf({"stats", "CHAN", "--window", "10"}, "01 [1-6]"), "16");
    EXPECT_EQ(countOf({"stats", "CHNC", "--window", "10"}, "1"), "4");
    EXPECT_EQ(countOf({"stats", "CHNC", "--window", "10"}, "3"), "2");
    EXPECT_EQ(countOf({"stats", "COLM", "--window", "10"}, "111110 (062)"), "3");
    // Five numbers in one channel, in one column: six of each times C(6, 5).
    EXPECT_EQ(filter("CHNC", "1"), "Комбинаций: 36\n");
    EXPECT_EQ(filter("COLN", "1"), "Комбинаций: 36\n");

    // Channels of 12 numbers, a matrix of 4 columns and 9 rows.
    test::WriteBytes(m_paths.Config(), "[GLOBAL]\r\nChannelSize=12\r\nMatrixCols=4\r\n");
    EXPECT_EQ(countOf({"stats", "CHAN", "--window", "10"}, "01 [1-12]"), "26");
    EXPECT_EQ(countOf({"stats", "CHNC", "--window", "10"}, "1"), "5");
    EXPECT_EQ(filter("CHNC", "1"), "Комбинаций: 2376\n");    // 3 x C(12, 5)
    EXPECT_EQ(filter("COLN", "1"), "Комбинаций: 504\n");     // 4 x C(9, 5)
    EXPECT_EQ(filter("ROW9", "0"), "Комбинаций: 201376\n");  // C(32, 5)
    EXPECT_EQ(Cli({"stats", "CHN4", "--window", "10"}).Status, 1);
    EXPECT_EQ(Cli({"stats", "COL5", "--window", "10"}).Status, 1);
}

// Runs, periods and transitions by code: the table of the window and filters that read the
// draw a selected period points to.
TEST_F(CliTest, SerialPeriodAndTransitionMethodsInStatsAndFilter) {
    WriteTenDraws(m_paths.Archive());
    const auto rowsOf = [&](const std::vector<std::string>& args) {
        const TRun run = Cli(args);
        EXPECT_EQ(run.Status, 0) << run.Err;
        std::vector<std::string> rows;
        for (const std::string& line : Lines(run.Out))
            rows.push_back(line.substr(0, line.find(';', line.find(';') + 1)));
        return rows;
    };
    // 7 and 8 ran in draw 2 and again in the latest one (11); 11 only there.
    const auto groups = rowsOf({"stats", "GRPV", "--window", "10"});
    EXPECT_NE(std::find(groups.begin(), groups.end(), "7 x 1;2"), groups.end());
    EXPECT_NE(std::find(groups.begin(), groups.end(), "11 x 1;1"), groups.end());
    const auto periods = rowsOf({"stats", "PRDV", "--window", "10"});
    EXPECT_NE(std::find(periods.begin(), periods.end(), "7 x 9;1"), periods.end());
    EXPECT_EQ(Cli({"stats", "SDV2", "--window", "10"}).Status, 0);

    const auto out = m_dir / "out.lcv";
    const auto filter = [&](const std::string& mode, const std::string& value) {
        const TRun run =
            Cli({"filter", "PRDV", "--window", "10", mode, value, "--out", out.string()});
        EXPECT_EQ(run.Status, 0) << run.Err;
        return run.Out;
    };
    // Draw 2, nine before the latest, holds 7: keep those with 7, C(35, 4); remove none.
    EXPECT_EQ(filter("--keep", "7 x 9"), "Комбинаций: 52360\n");
    EXPECT_EQ(filter("--remove", "7 x 9"), "Комбинаций: 376992\n");
}

// The segment methods read the layout of the configuration file; the sequence methods follow
// the order of the numbers unless the draws are sorted.
TEST_F(CliTest, SegmentAndSequenceMethodsInStatsFilterAndCompare) {
    WriteTenDraws(m_paths.Archive());
    test::WriteBytes(m_paths.Config(), "[GLOBAL]\r\nMatrixSegments=" + std::string(18, '1') +
                                           std::string(18, '2') + "\r\n");
    const auto countOf = [&](const std::vector<std::string>& args, const std::string& value) {
        for (const std::string& line : Lines(Cli(args).Out)) {
            if (line.rfind(value + ";", 0) == 0) {
                const std::size_t start = value.size() + 1;
                return line.substr(start, line.find(';', start) - start);
            }
        }
        return std::string("no row");
    };
    // Eight draws lie in one half of the numbers, two draws (2 29 30 31 32, 33 34 35 36 1) in
    // both; 1 2 16 17 18 has two sequences, 33 34 35 36 1 a run of four unless sorted.
    EXPECT_EQ(countOf({"stats", "SGMV", "--window", "10"}, "1 x 5"), "6");
    EXPECT_EQ(countOf({"stats", "SGMV", "--window", "10"}, "2 x 4"), "2");
    EXPECT_EQ(countOf({"stats", "SGMC", "--window", "10"}, "2"), "2");
    EXPECT_EQ(countOf({"stats", "SGM2", "--window", "10"}, "5"), "2");
    EXPECT_EQ(countOf({"stats", "SEQS", "--window", "10"}, "2"), "1");
    EXPECT_EQ(countOf({"stats", "LENS", "--window", "10"}, "4"), "3");
    EXPECT_EQ(countOf({"stats", "KGS2", "--window", "10"}, "2:1"), "1");
    EXPECT_EQ(countOf({"stats", "KGS2", "--window", "10", "--sorted"}, "2:1"), "no row");

    const auto out = m_dir / "out.lcv";
    const auto filter = [&](const std::vector<std::string>& args) {
        std::vector<std::string> all = {"filter"};
        all.insert(all.end(), args.begin(), args.end());
        all.insert(all.end(), {"--out", out.string()});
        const TRun run = Cli(all);
        EXPECT_EQ(run.Status, 0) << run.Err;
        return run.Out;
    };
    // All five numbers in one half: 2 x C(18, 5), C(18, 5) of them in the lower one; none
    // consecutive: C(32, 5).
    EXPECT_EQ(filter({"SGMC", "--window", "10", "--keep", "1"}), "Комбинаций: 17136\n");
    EXPECT_EQ(filter({"SGMV", "--window", "10", "--remove", "2 x 0"}), "Комбинаций: 368424\n");
    EXPECT_EQ(filter({"KGM2", "--window", "10", "--keep", "1:2"}), "Комбинаций: 359856\n");
    EXPECT_EQ(filter({"SEQS", "--window", "10", "--keep", "0"}), "Комбинаций: 201376\n");
    EXPECT_EQ(filter({"LENS", "--window", "10", "--keep", "5"}), "Комбинаций: 32\n");

    // The comparison file of the layout in force: (1, k) and (2, 5 - k) for k = 0..5.
    const TRun compared = Cli({"stats", "SGMV", "--window", "10", "--compare"});
    ASSERT_EQ(compared.Status, 0) << compared.Err;
    EXPECT_EQ(test::ReadBytes(m_paths.Prefetchs() / "Marvolet_5z36_SGMV.dfc").size(), 13u * 12);
}

std::size_t CountFiles(const std::filesystem::path& dir) {
    std::size_t n = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        n += entry.path().extension() == ".dfc" ? 1 : 0;
    }
    return n;
}

TEST_F(CliTest, PrefetchBuildsComparisonFilesUnderTheLock) {
    const TRun first = Cli({"prefetch"});
    ASSERT_EQ(first.Status, 0) << first.Err;
    const std::size_t files = CountFiles(m_paths.Prefetchs());
    EXPECT_GE(files, 13u);
    EXPECT_EQ(first.Err, "Создано файлов: " + std::to_string(files) + "\n");
    EXPECT_EQ(test::ReadBytes(m_paths.Prefetchs() / "Marvolet_5z36_EVEN.dfc").size(), 84u);
    // Differences 1..32 of ascending combinations, and no file for a method without a norm.
    EXPECT_EQ(test::ReadBytes(m_paths.Prefetchs() / "Marvolet_5z36_DIFA.dfc").size(), 33u * 12);
    EXPECT_FALSE(std::filesystem::exists(m_paths.Prefetchs() / "Marvolet_5z36_KDS2.dfc"));
    // Two range values and the trailer; the change methods have no comparison file.
    EXPECT_EQ(test::ReadBytes(m_paths.Prefetchs() / "Marvolet_5z36_SUM2.dfc").size(), 36u);
    EXPECT_FALSE(std::filesystem::exists(m_paths.Prefetchs() / "Marvolet_5z36_SUMC.dfc"));
    // One segment under the default layout; sequence counts 0..2; none for segment tuples.
    EXPECT_EQ(test::ReadBytes(m_paths.Prefetchs() / "Marvolet_5z36_SGMS.dfc").size(), 24u);
    EXPECT_EQ(test::ReadBytes(m_paths.Prefetchs() / "Marvolet_5z36_SEQS.dfc").size(), 48u);
    EXPECT_FALSE(std::filesystem::exists(m_paths.Prefetchs() / "Marvolet_5z36_KGM2.dfc"));
    EXPECT_EQ(Cli({"prefetch", "--missing"}).Err, "Создано файлов: 0\n");
    EXPECT_EQ(Cli({"prefetch", "--all"}).Err, "Создано файлов: " + std::to_string(files) + "\n");
    EXPECT_EQ(Cli({"prefetch", "--all", "--missing"}).Status, 2);
    {
        TDataLock other;
        other.Acquire(m_paths.Stakes());
        EXPECT_EQ(Cli({"prefetch", "--all"}).Status, 3);
    }

    // The statistics table compares with the full set on request.
    WriteTenDraws(m_paths.Archive());
    const auto plain = Lines(Cli({"stats", "EVEN", "--window", "10"}).Out);
    const auto compared = Lines(Cli({"stats", "EVEN", "--window", "10", "--compare"}).Out);
    ASSERT_EQ(compared.size(), plain.size());
    ASSERT_GE(compared.size(), 2u);
    const auto norm = [](const std::string& line) {  // the fourth field, "Норма"
        std::size_t start = 0;
        for (int i = 0; i < 3; ++i) start = line.find(';', start) + 1;
        return line.substr(start, line.find(';', start) - start);
    };
    for (std::size_t i = 1; i < plain.size(); ++i) {
        EXPECT_EQ(norm(plain[i]), "-");
        EXPECT_NE(norm(compared[i]), "-");
    }
}

}  // namespace
}  // namespace mv
