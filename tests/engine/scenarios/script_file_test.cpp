// Scenario files: Windows-1251 with CR LF after every line on writing; any line end, a last
// line without one and a NUL ending the text on reading.
#include "engine/scenarios/script_file.h"

#include <gtest/gtest.h>

#include "engine/core/errors.h"
#include "test_support.h"

namespace mv {
namespace {

TEST(ScriptFile, WritesWindows1251WithCrLfAfterEveryLine) {
    test::TTempDir dir;
    const auto file = dir / "a.lsc";
    WriteScriptFile(file, {"FULL:0#RAND| | | | | | | |Тест", "", "CURR:0#NONE| | | | | | | |"});
    EXPECT_EQ(test::ReadBytes(file),
              "FULL:0#RAND| | | | | | | |\xD2\xE5\xF1\xF2\r\n"
              "\r\n"
              "CURR:0#NONE| | | | | | | |\r\n");
    // A line break inside a line cannot make two lines of one.
    WriteScriptFile(file, {"a\nb", std::string("c\rd\0e", 5)});
    EXPECT_EQ(test::ReadBytes(file), "a b\r\nc d e\r\n");
    WriteScriptFile(file, {});
    EXPECT_EQ(test::ReadBytes(file), "");
    // Only the target remains: the temporary file was renamed over it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(ScriptFile, ReadsAnyLineEnd) {
    using L = TScriptLines;
    const std::vector<std::pair<std::string, L>> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},  // no final line end
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r\r\nc", {"a", "b", "", "c"}},
        {"a\n\r", {"a", ""}},
        {"\r\n", {""}},
        {std::string("a\r\nb\0c\r\nd", 10), {"a", "b"}},  // NUL ends the text
        {std::string("\0a", 2), {}},
        {"\xD2\xE5\xF1\xF2\r\n", {"Тест"}},
    };
    test::TTempDir dir;
    const auto file = dir / "b.lsc";
    for (const auto& [bytes, lines] : cases) {
        test::WriteBytes(file, bytes);
        EXPECT_EQ(ReadScriptFile(file), lines) << testing::PrintToString(bytes);
    }
}

TEST(ScriptFile, SavedScenarioOpensWithTheSameLines) {
    test::TTempDir dir;
    const auto file = dir / "c.lsc";
    const TScriptLines lines = {"", "FULL:0#RAND| | | | | | | |", "", " ", ""};
    WriteScriptFile(file, lines);
    EXPECT_EQ(ReadScriptFile(file), lines);
    EXPECT_EQ(ScriptTextToLines(ScriptLinesToText(lines)), lines);
}

TEST(ScriptFile, Failures) {
    test::TTempDir dir;
    const auto missing = dir / "missing.lsc";
    try {
        ReadScriptFile(missing);
        ADD_FAILURE();
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Ошибка чтения файла \"" + missing.string() + "\"!\r\rNo such file or directory");
    }
    const auto nowhere = dir / "no-dir" / "d.lsc";
    try {
        WriteScriptFile(nowhere, {"x"});
        ADD_FAILURE();
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(
                      "Ошибка записи в файл \"" + nowhere.string() + "\"!\r\r", 0),
                  0u)
            << e.what();
    }
}

}  // namespace
}  // namespace mv
