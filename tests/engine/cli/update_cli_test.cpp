// marvolet update check | install against an update site in local folders.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../update/update_fixture.h"
#include "cli_run.h"
#include "engine/core/data_paths.h"
#include "engine/update/self_update.h"
#include "test_support.h"

namespace mv {
namespace {

namespace fs = std::filesystem;

// The service is a folder: its description path, appended to ServiceUrl, is a file path.
class UpdateCliTest : public ::testing::Test {
protected:
    UpdateCliTest() : site(dir / "svc/files/autoupdates") {
        fs::create_directories(data);
        fs::create_directories(program);
        test::WriteBytes(program / "Marvolet_5z36", "old program");
        site.Publish(test::TRelease{}, key);
        Configure(key.PublicBase64());
    }
    void Configure(const std::string& publicKey, bool withService = true) {
        std::string ini = "[UPDATE]\r\nPublicKey=" + publicKey + "\r\n";
        if (withService) ini += "[ONLINE]\r\nServiceUrl=" + (dir / "svc").string() + "/\r\n";
        test::WriteBytes(TDataPaths{data}.Config(), ini);
    }
    test::TCliRun Cli(std::vector<std::string> args) {
        args.insert(args.end(), {"--program-dir", program.string()});
        return test::RunCli(dir.Path(), args, data);
    }

    test::TTempDir dir;
    fs::path data = dir / "data";
    fs::path program = dir / "program";
    test::TKeyPair key;
    test::TUpdateSite site;
};

TEST_F(UpdateCliTest, CheckShowsBothVersionsAndTheDescriptionAndChangesNothing) {
    const auto before = test::Snapshot(program);
    const auto run = Cli({"update", "check"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "Текущая версия программы: " + ProgramFileVersion() +
                           "\nНовая версия программы: 13.6.1.201\nОписание версии:\n"
                           "Исправлены ошибки.\nУскорен расчёт.\n");
    EXPECT_EQ(test::Snapshot(program), before);
}

TEST_F(UpdateCliTest, InstallNeedsYesAndThenReplacesTheProgram) {
    const auto before = test::Snapshot(program);
    auto run = Cli({"update", "install"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("--yes"), std::string::npos) << run.Err;
    EXPECT_EQ(test::Snapshot(program), before);

    run = Cli({"update", "install", "--yes"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("Новая версия программы: 13.6.1.201"), std::string::npos);
    EXPECT_NE(run.Err.find("Установка обновления \"Весенний выпуск\" успешно выполнена."),
              std::string::npos)
        << run.Err;
    EXPECT_EQ(test::ReadBytes(program / "Marvolet_5z36"), "new program");
    EXPECT_EQ(test::ReadBytes(program / "help/guide.txt"), "new guide");
}

TEST_F(UpdateCliTest, AnotherKeyOrNoServiceFailsWithTheReason) {
    const test::TKeyPair other;
    Configure(other.PublicBase64());
    const auto before = test::Snapshot(program);
    for (const char* command : {"check", "install"}) {
        const auto run = Cli({"update", command, "--yes"});
        EXPECT_EQ(run.Status, 1) << command;
        EXPECT_NE(run.Err.find(UpdateDescriptionSignatureError), std::string::npos) << run.Err;
    }
    Configure(key.PublicBase64(), false);
    const auto run = Cli({"update", "check"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find(NoServiceUrlError), std::string::npos) << run.Err;
    EXPECT_EQ(test::Snapshot(program), before);
}

}  // namespace
}  // namespace mv
