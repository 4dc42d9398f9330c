// The current scenario: editing, the append rules, deleting selected lines, the mirror file
// and start-up reading.
#include "engine/scenarios/current_script.h"

#include <gtest/gtest.h>

#include "engine/core/errors.h"
#include "engine/session/workspace.h"
#include "test_support.h"

namespace mv {
namespace {

class CurrentScriptTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    test::TRecordingHooks m_hooks;
    std::filesystem::path m_current = m_dir / "Marvolet_5z36.lss";
    TCurrentScript m_script{m_current, m_hooks};

    std::string Mirror() const { return test::ReadBytes(m_current); }
    void Fill(const TScriptLines& lines) { m_script.ReplaceAll(lines); }
};

TEST_F(CurrentScriptTest, EveryEditIsMirrored) {
    EXPECT_EQ(m_script.AppendLine("A"), 0);
    EXPECT_EQ(Mirror(), "A\r\n");
    EXPECT_EQ(m_script.AppendLine(""), 1);
    EXPECT_EQ(m_script.AppendLine("B\r\nC"), 2);  // one line, as the file will hold it
    EXPECT_EQ(Mirror(), "A\r\n\r\nB  C\r\n");
    m_script.ReplaceLine(1, "Тест");
    EXPECT_EQ(Mirror(), "A\r\n\xD2\xE5\xF1\xF2\r\nB  C\r\n");
    EXPECT_EQ(m_script.MoveUp(2), 1);
    EXPECT_EQ(m_script.Lines(), (TScriptLines{"A", "B  C", "Тест"}));
    EXPECT_EQ(m_script.MoveUp(0), 0);
    EXPECT_EQ(m_script.MoveDown(0), 1);
    EXPECT_EQ(m_script.MoveDown(2), 2);
    EXPECT_EQ(m_script.Lines(), (TScriptLines{"B  C", "A", "Тест"}));
    EXPECT_EQ(Mirror(), "B  C\r\nA\r\n\xD2\xE5\xF1\xF2\r\n");
    EXPECT_FALSE(m_script.IsSeparator(0));
    m_script.ReplaceText("x\ny\r\n\r\n");
    EXPECT_EQ(m_script.Lines(), (TScriptLines{"x", "y", ""}));
    EXPECT_TRUE(m_script.IsSeparator(2));
    EXPECT_EQ(m_script.Text(), "x\r\ny\r\n\r\n");
    m_script.Clear();
    EXPECT_EQ(Mirror(), "");
    // Saving shows its status and clears it afterwards.
    ASSERT_GE(m_hooks.Statuses.size(), 2u);
    EXPECT_EQ(m_hooks.Statuses.front(), "Сохранение файла \"" + m_current.string() + "\"...");
    EXPECT_EQ(m_hooks.Statuses.back(), "");
}

TEST_F(CurrentScriptTest, DeletesSelectedLinesFromTheLastToTheFirst) {
    Fill({"0", "1", "2", "3", "4"});
    m_script.DeleteLines({3, 0, 3, 1});
    EXPECT_EQ(m_script.Lines(), (TScriptLines{"2", "4"}));
    EXPECT_EQ(Mirror(), "2\r\n4\r\n");
    // A bad index changes nothing, not even the lines before it.
    for (const std::vector<int>& bad : {std::vector<int>{0, 2}, std::vector<int>{-1}}) {
        try {
            m_script.DeleteLines(bad);
            ADD_FAILURE();
        } catch (const EError& e) {
            EXPECT_EQ(std::string(e.what()), "Запись со индексом " + std::to_string(bad.back()) +
                                                 " в файле данных не найдена!");
        }
    }
    EXPECT_EQ(m_script.Lines(), (TScriptLines{"2", "4"}));
    EXPECT_THROW(m_script.ReplaceLine(2, "x"), EError);
    EXPECT_THROW(m_script.Line(-1), EError);
    EXPECT_THROW(m_script.MoveDown(5), EError);
}

TEST_F(CurrentScriptTest, AppendingAScenario) {
    struct TCase {
        TScriptLines Current, File, Result;
    };
    const std::vector<TCase> cases = {
        {{}, {"a", "b"}, {"a", "b"}},
        {{"x"}, {"a"}, {"x", "", "a"}},
        {{"x", ""}, {"a"}, {"x", "", "a"}},        // the last line is already a separator
        {{"x", " "}, {"a"}, {"x", " ", "", "a"}},  // a blank line is not exactly empty
        {{"x"}, {"", "a"}, {"x", "", "", "a"}},
        {{"x"}, {}, {"x"}},  // an empty file changes nothing
        {{}, {}, {}},
    };
    const auto file = m_dir / "add.lsc";
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.Current) + " + " + testing::PrintToString(c.File));
        Fill(c.Current);
        WriteScriptFile(file, c.File);
        EXPECT_EQ(m_script.LoadFile(file), c.Result != c.Current);
        EXPECT_EQ(m_script.Lines(), c.Result);
        EXPECT_EQ(ReadScriptFile(m_current), c.Result);
    }
    EXPECT_EQ(m_hooks.Statuses[m_hooks.Statuses.size() - 2],
              "Загрузка файла \"" + file.string() + "\"...");
}

TEST_F(CurrentScriptTest, OpeningReplacesOnlyAfterAWholeRead) {
    Fill({"x", "y"});
    const auto empty = m_dir / "empty.lsc";
    test::WriteBytes(empty, "");
    m_script.OpenFile(empty);
    EXPECT_TRUE(m_script.Empty());
    EXPECT_EQ(Mirror(), "");

    Fill({"x", "y"});
    EXPECT_THROW(m_script.OpenFile(m_dir / "missing.lsc"), EError);
    EXPECT_THROW(m_script.LoadFile(m_dir.Path()), EError);  // a directory
    EXPECT_EQ(m_script.Lines(), (TScriptLines{"x", "y"}));
    EXPECT_EQ(Mirror(), "x\r\ny\r\n");

    const auto file = m_dir / "open.lsc";
    test::WriteBytes(file, "FULL:0#RAND| | | | | | | |a\rEXCL:1#ALL| | | | | | | |b");
    m_script.OpenFile(file);
    EXPECT_EQ(m_script.Count(), 2);
    EXPECT_EQ(Mirror(), "FULL:0#RAND| | | | | | | |a\r\nEXCL:1#ALL| | | | | | | |b\r\n");
    m_script.SaveToFile(m_dir / "saved.lsc");
    EXPECT_EQ(test::ReadBytes(m_dir / "saved.lsc"), Mirror());
}

TEST_F(CurrentScriptTest, AFailedMirrorKeepsTheChange) {
    TCurrentScript script(m_dir / "gone" / "Marvolet_5z36.lss", m_hooks);
    try {
        script.AppendLine("x");
        ADD_FAILURE();
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Ошибка записи в файл \"", 0), 0u) << e.what();
    }
    EXPECT_EQ(script.Lines(), (TScriptLines{"x"}));
    EXPECT_EQ(m_hooks.Statuses.back(), "");
}

TEST_F(CurrentScriptTest, StartUpReading) {
    // A missing file is an empty scenario.
    Fill({"stale"});
    std::filesystem::remove(m_current);
    m_script.ReadCurrentScript();
    EXPECT_TRUE(m_script.Empty());

    test::WriteBytes(m_current, "a\r\n\r\nb");
    m_script.ReadCurrentScript();
    EXPECT_EQ(m_script.Lines(), (TScriptLines{"a", "", "b"}));
    EXPECT_EQ(test::ReadBytes(m_current), "a\r\n\r\nb");  // reading writes nothing

    std::filesystem::remove(m_current);
    std::filesystem::create_directory(m_current);
    EXPECT_THROW(m_script.ReadCurrentScript(), EError);
    EXPECT_EQ(m_script.Lines(), (TScriptLines{"a", "", "b"}));
}

TEST(WorkspaceScript, MirrorsToTheDataDirectory) {
    test::TTempDir dir;
    test::TRecordingHooks hooks;
    TWorkspace ws(TDataPaths{dir.Path()}, hooks);
    EXPECT_TRUE(ws.Script().Empty());
    std::vector<TChanges> heard;
    ws.Subscribe([&heard](TChanges c) { heard.push_back(c); });
    EXPECT_EQ(ws.EditScript([](TCurrentScript& s) { return s.AppendLine("FULL:0#RAND| | | | | | | |"); }), 0);
    EXPECT_EQ(test::ReadBytes(dir / "Marvolet_5z36.lss"), "FULL:0#RAND| | | | | | | |\r\n");
    EXPECT_EQ(heard, std::vector<TChanges>{chScenario});
}

}  // namespace
}  // namespace mv
