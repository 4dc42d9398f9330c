// Runs the built `marvolet` on temporary data directories and checks what it prints, what it
// leaves on disk and its exit status.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "core/data_lock.h"
#include "core/data_paths.h"
#include "draws/archive_file.h"
#include "test_support.h"

extern char** environ;

namespace mv {
namespace {

struct TRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

class CliTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    TDataPaths m_paths{m_dir.Path() / "data"};

    void SetUp() override { std::filesystem::create_directory(m_paths.Dir); }

    // Runs marvolet --data-dir <data> <args...>.
    TRun Cli(std::vector<std::string> args, bool withDataDir = true) {
        if (withDataDir) args.insert(args.begin(), {"--data-dir", m_paths.Dir.string()});
        args.insert(args.begin(), MV_CLI_PATH);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        const std::string outFile = (m_dir / "stdout").string();
        const std::string errFile = (m_dir / "stderr").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        pid_t pid = 0;
        TRun run;
        const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) {
            ADD_FAILURE() << "cannot start " << argv[0];
            return run;
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.Out = test::ReadBytes(outFile);
        run.Err = test::ReadBytes(errFile);
        return run;
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
    test::WriteBytes(m_paths.Config(), "[GLOBAL]\r\nMatrixCols=5\r\n[STAKES]\r\nCost=0.5\r\n");
    const TRun run = Cli({"config", "show"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out.rfind("GLOBAL.MatrixCols=5\n", 0), 0u) << run.Out;
    EXPECT_NE(run.Out.find("\nGLOBAL.ChannelSize=6 (по умолчанию)\n"), std::string::npos);
    EXPECT_NE(run.Out.find("\nSTAKES.Cost=0,5\n"), std::string::npos);
    EXPECT_EQ(Cli({"config", "show", "extra"}).Status, 2);
    std::filesystem::remove(m_paths.Config());
    std::filesystem::create_directory(m_paths.Config());  // unreadable as a file
    const TRun broken = Cli({"config", "show"});
    EXPECT_EQ(broken.Status, 1);
    EXPECT_NE(broken.Err.find("Ошибка чтения файла конфигурации!"), std::string::npos);
}

}  // namespace
}  // namespace mv
