#include "engine/support/file_operations.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <functional>

#include "engine/core/errors.h"
#include "engine/core/text_utils.h"
#include "test_support.h"

extern char** environ;

namespace mv {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TRecordingHooks;
using test::WriteBytes;

const unsigned kScriptLogOptions = foIgnoreFolders | foSkipReadOnly | foSkipSystem | foSkipHidden;
const std::string kExists = "Файл с заданными свойствами уже существует.";

void MakeReadOnly(const fs::path& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

// Files whose name shows they are leftovers of an unfinished copy.
int Leftovers(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with(".mvcopy-")) ++count;
    }
    return count;
}

pid_t StartProgram(const fs::path& program) {
    std::string name = program.string();
    std::string arg = "30";
    char* argv[] = {name.data(), arg.data(), nullptr};
    pid_t pid = 0;
    return ::posix_spawn(&pid, name.c_str(), nullptr, nullptr, argv, environ) == 0 ? pid : -1;
}

struct TCase {
    const char* Name;
    std::function<void(const fs::path& dir)> Setup;
    std::function<TOperation(const fs::path& dir, TRecordingHooks& ui)> Run;
    std::uint8_t Status;
    int Total, Processed, Skipped, Errors;
    // Status and text of every step in order; "{dir}" stands for the test folder.
    std::vector<std::pair<std::uint8_t, std::string>> Steps;
    std::function<void(const fs::path& dir, const TOperation& op, const TRecordingHooks& ui)> Check;
};

std::string Expand(std::string text, const fs::path& dir) {
    for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) {
        text.replace(at, 5, dir.string());
    }
    return text;
}

std::string Found(int n) {
    return Fmt("Найдено %d файл(ов) и (или) каталог(ов).", {std::to_string(n)});
}

// A folder whose path is longer than 300 characters.
fs::path Deep(const fs::path& dir) {
    fs::path deep = dir;
    while (deep.string().size() < 300) deep /= std::string(60, 'd');
    return deep;
}

// A copy into a folder that appears during the retry pause.
TOperation CopyWithRetry(const fs::path& dir, TRecordingHooks& ui, int* slept) {
    TFileOpHooks hooks;
    hooks.Ui = &ui;
    hooks.Sleep = [&, slept](int ms) {
        *slept += ms;
        fs::create_directories(dir / "later");
    };
    return CopyFiles(dir / "src", "*.txt", dir / "later",
                     {.Options = foRetry, .Attempts = 3, .PauseSeconds = 2}, hooks);
}

std::vector<TCase> Cases(pid_t* program, int* slept) {
    const std::string ok = SysErrorText(0);
    const std::string noFolder = "Ошибка создания файла: " + SysErrorText(ENOENT);
    return {
        {"read-only log file is skipped",
         [](const fs::path& dir) {
             WriteBytes(dir / "ScriptLog_1.txt", "a");
             WriteBytes(dir / "ScriptLog_2.txt", "b");
             WriteBytes(dir / "Other.txt", "c");
             MakeReadOnly(dir / "ScriptLog_2.txt");
         },
         [](const fs::path& dir, TRecordingHooks&) {
             return DeleteFiles(dir / Fmt("ScriptLog_%s.txt", {"*"}),
                                {.Options = kScriptLogOptions});
         },
         ssDone,
         2,
         1,
         1,
         0,
         {{ssInformation, Found(2)},
          {ssDone, ok},
          {ssSkipped, "Файл имеет атрибут ReadOnly (Только чтение)."}},
         [](const fs::path& dir, const TOperation& op, const TRecordingHooks&) {
             EXPECT_FALSE(fs::exists(dir / "ScriptLog_1.txt"));
             EXPECT_TRUE(fs::exists(dir / "ScriptLog_2.txt"));
             EXPECT_TRUE(fs::exists(dir / "Other.txt"));
             EXPECT_EQ(op.Name, Expand("Удаление \"{dir}/ScriptLog_*.txt\"", dir));
             EXPECT_EQ(op.Steps[0].Name,
                       Expand("Поиск файлов \"ScriptLog_*.txt\" в каталоге \"{dir}\"", dir));
             EXPECT_EQ(op.Text,
                       "Всего - 2, обработано - 1, пропущено - 1, предупреждений - 0, ошибок - 0.");
         }},
        {"replacing compares time, size and CRC",
         [](const fs::path& dir) {
             fs::create_directories(dir / "src");
             fs::create_directories(dir / "dst");
             WriteBytes(dir / "src/same.bin", std::string(1000, 's'));
             WriteBytes(dir / "dst/same.bin", std::string(1000, 's'));
             WriteBytes(dir / "src/changed.bin", std::string(2048, 'n'));
             WriteBytes(dir / "dst/changed.bin", std::string(2048, 'o'));  // only CRC differs
             for (const char* name : {"same.bin", "changed.bin"}) {
                 fs::last_write_time(dir / "dst" / name, fs::last_write_time(dir / "src" / name));
             }
         },
         [](const fs::path& dir, TRecordingHooks&) {
             return CopyFiles(
                 dir / "src", "*.bin", dir / "dst",
                 {.Options = foReplace | foCompareTime | foCompareSize | foCompareCrc});
         },
         ssDone,
         2,
         1,
         1,
         0,
         {{ssInformation, Found(2)},
          {ssDone, "Успешно скопировано 2,00 Kb."},
          {ssSkipped, kExists}},
         [](const fs::path& dir, const TOperation& op, const TRecordingHooks&) {
             EXPECT_TRUE(ReadBytes(dir / "dst/changed.bin") == std::string(2048, 'n'));
             EXPECT_EQ(fs::last_write_time(dir / "dst/changed.bin"),
                       fs::last_write_time(dir / "src/changed.bin"));
             EXPECT_EQ(op.Steps[1].Name,
                       Expand("Копирование \"changed.bin\" из \"{dir}/src\" в \"{dir}/dst\"", dir));
             EXPECT_EQ(op.Text,
                       "Всего - 2, обработано - 1 ( 2,00 Kb ), пропущено - 1, предупреждений - 0, "
                       "ошибок - 0.");
             EXPECT_EQ(Leftovers(dir / "dst"), 0);
         }},
        {"moving skips an existing target unless replacing",
         [](const fs::path& dir) {
             fs::create_directories(dir / "src");
             fs::create_directories(dir / "dst");
             WriteBytes(dir / "src/a.txt", "new a");
             WriteBytes(dir / "src/b.txt", "new b");
             WriteBytes(dir / "dst/a.txt", "old a");
         },
         [](const fs::path& dir, TRecordingHooks&) {
             return MoveFiles(dir / "src", "a.txt;b.txt", dir / "dst", {});
         },
         ssDone,
         2,
         1,
         1,
         0,
         {{ssInformation, Found(2)}, {ssSkipped, kExists}, {ssDone, "Успешно перемещено 0,00 Kb."}},
         [](const fs::path& dir, const TOperation&, const TRecordingHooks&) {
             EXPECT_EQ(ReadBytes(dir / "dst/a.txt"), "old a");
             EXPECT_EQ(ReadBytes(dir / "dst/b.txt"), "new b");
             EXPECT_TRUE(fs::exists(dir / "src/a.txt"));
             EXPECT_FALSE(fs::exists(dir / "src/b.txt"));
         }},
        {"a path of 300 characters and more is deleted",
         [](const fs::path& dir) {
             fs::create_directories(Deep(dir));
             WriteBytes(Deep(dir) / "old.dat", "x");
         },
         [](const fs::path& dir, TRecordingHooks&) { return DeleteFiles(Deep(dir) / "*.dat", {}); },
         ssDone,
         1,
         1,
         0,
         0,
         {{ssInformation, Found(1)}, {ssDone, ok}},
         [](const fs::path& dir, const TOperation& op, const TRecordingHooks&) {
             EXPECT_GE(op.Steps[1].Name.size(), 300u);
             EXPECT_FALSE(fs::exists(Deep(dir) / "old.dat"));
             EXPECT_TRUE(fs::exists(Deep(dir)));
         }},
        {"creating an existing folder is a skipped step",
         [](const fs::path& dir) { fs::create_directories(dir / "exists"); },
         [](const fs::path& dir, TRecordingHooks&) {
             return CreateFolder(dir / "exists", true, {});
         },
         ssDone,
         1,
         0,
         1,
         0,
         {{ssSkipped, "Каталог уже существует."}},
         nullptr},
        {"creating a folder whose required parent is missing fails",
         nullptr,
         [](const fs::path& dir, TRecordingHooks&) {
             return CreateFolder(dir / "no/new", true, {});
         },
         ssError,
         1,
         0,
         0,
         1,
         {{ssError, "Каталог \"{dir}/no\" не найден!"}},
         [](const fs::path& dir, const TOperation&, const TRecordingHooks&) {
             EXPECT_FALSE(fs::exists(dir / "no"));
         }},
        {"a failed step succeeds on its second attempt",
         [](const fs::path& dir) {
             fs::create_directories(dir / "src");
             WriteBytes(dir / "src/a.txt", "a");
         },
         [slept](const fs::path& dir, TRecordingHooks& ui) {
             return CopyWithRetry(dir, ui, slept);
         },
         ssDone,
         1,
         1,
         0,
         0,
         {{ssInformation, Found(1)}, {ssError, noFolder}, {ssDone, "Успешно скопировано 0,00 Kb."}},
         [slept](const fs::path& dir, const TOperation& op, const TRecordingHooks& ui) {
             EXPECT_EQ(*slept, 2000);
             EXPECT_EQ(
                 op.Steps[2].Name,
                 Expand("Копирование \"a.txt\" из \"{dir}/src\" в \"{dir}/later\" (попытка 2)",
                        dir));
             ASSERT_FALSE(ui.Statuses.empty());
             EXPECT_EQ(ui.Statuses[0],
                       "Во время выполнения операции произошла ошибка! Повторная попытка ( 2 ) "
                       "будет предпринята через 2 секунд...");
             EXPECT_EQ(ReadBytes(dir / "later/a.txt"), "a");
         }},
        {"a stop request during the pause stops the operation",
         [](const fs::path& dir) {
             fs::create_directories(dir / "src");
             WriteBytes(dir / "src/a.txt", "a");
             WriteBytes(dir / "src/b.txt", "b");
         },
         [slept](const fs::path& dir, TRecordingHooks& ui) {
             ui.StopRequested = true;
             return CopyWithRetry(dir, ui, slept);
         },
         ssStopped,
         2,
         0,
         0,
         0,
         {{ssInformation, Found(2)},
          {ssError, noFolder},
          {ssStopped, "Операция прервана по команде пользователя или системы!"}},
         [](const fs::path& dir, const TOperation&, const TRecordingHooks&) {
             EXPECT_FALSE(fs::exists(dir / "later"));
         }},
        {"a target in use is moved aside to its .~ name",
         [](const fs::path& dir) {
             fs::create_directories(dir / "src");
             fs::create_directories(dir / "dst");
             WriteBytes(dir / "src/app.bin", "new");
             WriteBytes(dir / "dst/app.bin", "old");
             WriteBytes(dir / "dst/app.~bin", "older");
         },
         [](const fs::path& dir, TRecordingHooks&) {
             TFileOpHooks hooks;
             hooks.ReplaceFault = [](const fs::path&) { return ETXTBSY; };
             return CopyFiles(dir / "src", "*.bin", dir / "dst", {.Options = foReplace}, hooks);
         },
         ssDone,
         1,
         1,
         0,
         0,
         {{ssInformation, Found(1)}, {ssDone, "Успешно скопировано 0,00 Kb."}},
         [](const fs::path& dir, const TOperation&, const TRecordingHooks&) {
             EXPECT_EQ(ReadBytes(dir / "dst/app.bin"), "new");
             EXPECT_EQ(ReadBytes(dir / "dst/app.~bin"), "older");
             EXPECT_EQ(ReadBytes(dir / "dst/app.~~bin"), "old");
         }},
        {"a target that cannot be replaced is left whole",
         [](const fs::path& dir) {
             fs::create_directories(dir / "src");
             fs::create_directories(dir / "dst");
             WriteBytes(dir / "src/app.bin", "new");
             WriteBytes(dir / "dst/app.bin", "old");
         },
         [](const fs::path& dir, TRecordingHooks&) {
             TFileOpHooks hooks;
             hooks.ReplaceFault = [](const fs::path&) { return EIO; };
             return CopyFiles(dir / "src", "*.bin", dir / "dst", {.Options = foReplace}, hooks);
         },
         ssError,
         1,
         0,
         0,
         1,
         {{ssInformation, Found(1)}, {ssError, "Ошибка удаления файла: " + SysErrorText(EIO)}},
         [](const fs::path& dir, const TOperation&, const TRecordingHooks&) {
             EXPECT_EQ(ReadBytes(dir / "dst/app.bin"), "old");
             EXPECT_EQ(Leftovers(dir / "dst"), 0);
         }},
        {"a running program file is renamed and replaced",
         [program](const fs::path& dir) {
             fs::create_directories(dir / "src");
             fs::create_directories(dir / "app");
             fs::copy_file("/bin/sleep", dir / "app/prog.bin");
             WriteBytes(dir / "src/prog.bin", "new program");
             *program = StartProgram(dir / "app/prog.bin");
             ASSERT_GT(*program, 0);
         },
         [](const fs::path& dir, TRecordingHooks&) {
             return CopyFiles(dir / "src", "prog.bin", dir / "app",
                              {.Options = foReplace | foRenameTarget});
         },
         ssDone,
         1,
         1,
         0,
         0,
         {{ssInformation, Found(1)}, {ssDone, "Успешно скопировано 0,01 Kb."}},
         [program](const fs::path& dir, const TOperation&, const TRecordingHooks&) {
             EXPECT_EQ(ReadBytes(dir / "app/prog.bin"), "new program");
             EXPECT_EQ(ReadBytes(dir / "app/prog.~bin"), ReadBytes("/bin/sleep"));
             EXPECT_EQ(::kill(*program, 0), 0);  // still running from the moved-aside file
             ::kill(*program, SIGKILL);
             ::waitpid(*program, nullptr, 0);
         }},
        {"deleting empty folders leaves full ones and files",
         [](const fs::path& dir) {
             fs::create_directories(dir / "empty");
             fs::create_directories(dir / "full");
             WriteBytes(dir / "full/x", "x");
             WriteBytes(dir / "file", "f");
         },
         [](const fs::path& dir, TRecordingHooks&) {
             return DeleteFiles(dir / "*", {.Options = foEmptyFoldersOnly});
         },
         ssDone,
         2,
         1,
         1,
         0,
         {{ssInformation, Found(2)}, {ssDone, ok}, {ssSkipped, "Каталог не пустой!"}},
         [](const fs::path& dir, const TOperation& op, const TRecordingHooks&) {
             EXPECT_EQ(op.Name, Expand("Удаление пустых каталогов \"{dir}/*\"", dir));
             EXPECT_FALSE(fs::exists(dir / "empty"));
             EXPECT_TRUE(fs::exists(dir / "full/x") && fs::exists(dir / "file"));
         }},
        {"nothing found in a missing folder is nothing to do",
         nullptr,
         [](const fs::path& dir, TRecordingHooks&) {
             return DeleteFiles(dir / "none/*.log", {.NothingFound = ssInformation});
         },
         ssDone,
         0,
         0,
         0,
         0,
         {{ssInformation, "Каталог \"{dir}/none\" не найден!"}},
         nullptr},
        {"nothing found as a warning",
         nullptr,
         [](const fs::path& dir, TRecordingHooks&) {
             return DeleteFiles(dir / "*.log", {.NothingFound = ssWarning});
         },
         ssWarning,
         0,
         0,
         0,
         0,
         {{ssInformation, Found(0)}},
         nullptr},
        {"nothing found as an error",
         nullptr,
         [](const fs::path& dir, TRecordingHooks&) {
             return CopyFiles(dir, "*.log", dir / "to", {.NothingFound = ssError});
         },
         ssError,
         0,
         0,
         0,
         0,
         {{ssInformation, Found(0)}},
         nullptr},
    };
}

TEST(FileOperations, OperationsOnATemporaryFolder) {
    SetDecimalSeparator(',');
    pid_t program = 0;
    int slept = 0;
    for (const TCase& c : Cases(&program, &slept)) {
        SCOPED_TRACE(c.Name);
        test::TTempDir temp;
        const fs::path dir = temp.Path();
        slept = 0;
        if (c.Setup) c.Setup(dir);
        TRecordingHooks ui;
        const TOperation op = c.Run(dir, ui);
        EXPECT_EQ(op.Status, c.Status);
        EXPECT_EQ(op.Total, c.Total);
        EXPECT_EQ(op.Processed, c.Processed);
        EXPECT_EQ(op.Skipped, c.Skipped);
        EXPECT_EQ(op.Errors, c.Errors);
        ASSERT_EQ(op.Steps.size(), c.Steps.size());
        for (std::size_t i = 0; i < c.Steps.size(); ++i) {
            EXPECT_EQ(op.Steps[i].Status, c.Steps[i].first) << "step " << i;
            EXPECT_EQ(op.Steps[i].Text, Expand(c.Steps[i].second, dir)) << "step " << i;
            EXPECT_GE(op.Steps[i].Finished, op.Steps[i].Started);
        }
        EXPECT_NE(op.Finished, 0);
        if (c.Check) c.Check(dir, op, ui);
    }
}

TEST(FileOperations, CopyingAFileOntoItselfIsRefused) {
    test::TTempDir temp;
    WriteBytes(temp / "a.txt", "keep");
    fs::create_hard_link(temp / "a.txt", temp / "link.txt");
    for (const fs::path& to : {temp / "a.txt", temp / "./a.txt", temp / "link.txt"}) {
        const TTransaction step = MoveFileStep(temp / "a.txt", to, foReplace);
        EXPECT_EQ(step.Status, ssError);
        EXPECT_EQ(step.Text, "Нельзя копировать файл сам в себя!");
    }
    EXPECT_EQ(ReadBytes(temp / "a.txt"), "keep");
}

TEST(FileBasics, MasksNamesAndFolders) {
    struct {
        const char* Mask;
        const char* Name;
        bool Matches;
    } const masks[] = {
        {"ScriptLog_*.txt", "ScriptLog_2024.txt", true},
        {"ScriptLog_*.txt", "ScriptLog_.txt", true},
        {"ScriptLog_*.txt", "ScriptLog_1.txt.bak", false},
        {"?.d*", "a.dat", true},
        {"?.d*", "ab.dat", false},
        {"*.*", "README", true},
        {"*a*b", "xaxxab", true},
    };
    for (const auto& m : masks)
        EXPECT_EQ(MaskMatches(m.Mask, m.Name), m.Matches) << m.Mask << " " << m.Name;

    EXPECT_EQ(TildeName("/x/name.ext"), fs::path("/x/name.~ext"));
    EXPECT_EQ(TildeName("/x/name"), fs::path("/x/name.~"));
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);

    EXPECT_THROW(ForceFolders(""), EError);
    test::TTempDir temp;
    fs::path deep = temp / "a/";
    while (deep.string().size() < 320) deep /= std::string(50, 'f');
    EXPECT_TRUE(ForceFolders(deep / ""));
    EXPECT_TRUE(FolderExists(deep) && FolderIsEmpty(deep));
    WriteBytes(temp / "file", "x");
    int code = 0;
    EXPECT_FALSE(ForceFolders(temp / "file/sub", &code));
    EXPECT_EQ(code, ENOTDIR);
    EXPECT_TRUE(AnyFileMatches(temp.Path(), "*.log; fil?"));
    EXPECT_FALSE(AnyFileMatches(temp.Path(), "a"));  // a folder, not a file
    EXPECT_EQ(FileAttributes(temp / "file"), 0u);
    MakeReadOnly(temp / "file");
    EXPECT_EQ(FileAttributes(temp / "file"), unsigned{faReadOnly});
    EXPECT_TRUE(ClearReadOnly(temp / "file"));
    EXPECT_EQ(FileAttributes(temp / "file"), 0u);
    WriteBytes(temp / ".hidden", "h");
    EXPECT_EQ(FileAttributes(temp / ".hidden"), unsigned{faHidden});
    EXPECT_EQ(DeleteFileStep(temp / ".hidden", foSkipHidden).Text,
              "Файл имеет атрибут Hidden (Скрытый).");
    EXPECT_EQ(DeleteFileStep(temp / ".hidden", 0).Status, ssDone);
    EXPECT_EQ(DeleteFileStep(temp / ".hidden", 0).Text,
              Fmt("Файл \"%s\" не найден!", {(temp / ".hidden").string()}));
}

}  // namespace
}  // namespace mv
