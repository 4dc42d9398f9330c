// The command line against the real catalog service (tools/catalog_service) on a fresh
// database over HTTPS: what one member publishes another finds, downloads and installs.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../update/update_fixture.h"
#include "cli_run.h"
#include "engine/core/data_paths.h"
#include "engine/core/errors.h"
#include "engine/core/text_codec.h"
#include "engine/online/system_catalog.h"
#include "engine/stakes/systems.h"
#include "engine/support/config_file.h"
#include "operator_site.h"
#include "test_support.h"

namespace mv {
namespace {

namespace fs = std::filesystem;

const std::string kScenario = "FULL:0#RAND| | | | | | | |\r\nCURR:0#NONE| | | | | | | |\r\n";

class OnlineServiceCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::MakeSelfSignedCertificate(m_dir.Path()));
        m_service = std::make_unique<test::TServerProcess>(
            MV_CATALOG_SERVICE_PATH,
            std::vector<std::string>{"serve", "--db", m_db.string(), "--cert", Cert().string(),
                                     "--key", (m_dir / "key.pem").string()},
            true);
        fs::create_directories(m_paths.Dir);
        fs::create_directories(m_program);
        test::WriteBytes(m_paths.Config(),
                         Utf8ToCp1251("[ONLINE]\r\nServiceUrl=" + m_service->Url("") +
                                      "\r\nCaFile=" + Cert().string() +
                                      "\r\nUserName=Алиса\r\nUserMail=alice@club.example\r\n"
                                      "[UPDATE]\r\nPublicKey=" + m_key.PublicBase64() + "\r\n"));
    }
    fs::path Cert() const { return m_dir / "cert.pem"; }
    // Alice by default; Bob with `asBob`.
    test::TCliRun Cli(std::vector<std::string> args, bool asBob = false) {
        if (asBob) args.insert(args.end(), {"--user", "Bob", "--mail", "bob@club.example"});
        return test::RunCli(m_dir.Path(), args, m_paths.Dir);
    }
    // The number of the listed entry with that title ("Номер" is the first column).
    static std::string IdOf(const std::string& listing, const std::string& title) {
        std::istringstream lines(listing);
        for (std::string line; std::getline(lines, line);) {
            if (line.find(";" + title + ";") != std::string::npos) return line.substr(0, line.find(';'));
        }
        return {};
    }

    test::TTempDir m_dir;
    fs::path m_db = m_dir / "club.db";
    std::unique_ptr<test::TServerProcess> m_service;
    TDataPaths m_paths{m_dir.Path() / "data"};
    fs::path m_program = m_dir / "program";
    test::TKeyPair m_key;
};

TEST_F(OnlineServiceCliTest, ScenariosPublishedByOneMemberReachAnother) {
    const fs::path file = m_dir / "club.lsc";
    test::WriteBytes(file, kScenario);
    auto run = Cli({"catalog", "publish", file.string(), "--title", "Клубный сценарий"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    run = Cli({"catalog", "publish", file.string(), "--title", "Личный", "--private"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    // A title is taken once.
    EXPECT_EQ(Cli({"catalog", "publish", file.string(), "--title", "клубный сценарий"}).Status, 1);

    run = Cli({"catalog", "list"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find(";Мой;Клубный сценарий;Алиса;Marvolet_5z36;"), std::string::npos)
        << run.Out;
    const std::string shared = IdOf(run.Out, "Клубный сценарий");
    const std::string own = IdOf(run.Out, "Личный");
    ASSERT_FALSE(shared.empty());
    ASSERT_FALSE(own.empty());

    // Bob sees the shared one as another's, and not the private one.
    run = Cli({"catalog", "list"}, true);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find(";Общий;Клубный сценарий;Алиса;"), std::string::npos) << run.Out;
    EXPECT_EQ(run.Out.find("Личный"), std::string::npos) << run.Out;

    run = Cli({"catalog", "get", shared}, true);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(test::ReadBytes(m_paths.Dir / "Marvolet_5z36.lss").find("CURR:0#NONE"),
              std::string::npos);
    // The private entry is its owner's alone; Bob's current scenario stays as it was.
    const std::string before = test::ReadBytes(m_paths.Dir / "Marvolet_5z36.lss");
    EXPECT_EQ(Cli({"catalog", "get", own}, true).Status, 1);
    EXPECT_EQ(test::ReadBytes(m_paths.Dir / "Marvolet_5z36.lss"), before);
    EXPECT_EQ(Cli({"catalog", "get", own}).Status, 0);

    // The download was counted.
    run = Cli({"catalog", "list"});
    EXPECT_NE(run.Out.find(";Клубный сценарий;Алиса;Marvolet_5z36;"), std::string::npos);
}

TEST_F(OnlineServiceCliTest, ASystemStoredByOneMemberIsDownloadedByAnother) {
    TProxy proxy{};
    const TOnlineService service = OnlineServiceFor(m_paths.Config(), proxy, nullptr);
    TSystemData system = NewSystemData(service.Client);
    system.Numbers = 7;
    system.Block = 0;
    system.Title = "Семь чисел";
    system.CombinationText = "1 2 3 4 5\r\n3 4 5 6 7\r\n1 2 5 6 7\r\n";
    system.Combinations = 3;
    const std::int32_t id = PutSystem(service, system, false);
    ASSERT_GT(id, 0);

    auto run = Cli({"systems", "catalog"}, true);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find(";Семь чисел;Алиса;07;0;3;"), std::string::npos) << run.Out;
    run = Cli({"systems", "get", std::to_string(id)}, true);
    ASSERT_EQ(run.Status, 0) << run.Err;
    const fs::path local = SystemsFolder(m_paths.Dir) / SystemFileName(7, 0, id);
    EXPECT_EQ(test::ReadBytes(local), system.CombinationText);

    // Only its author deletes it.
    TSystemData asBob = system;
    asBob.Id = id;
    TOnlineService bob = service;
    bob.Client.UserName = "Bob";
    bob.Client.UserMail = "bob@club.example";
    try {
        PutSystem(bob, asBob, true);
        ADD_FAILURE() << "another member deleted the system";
    } catch (const EError& e) {
        EXPECT_NE(std::string(e.what()).find("Система принадлежит другому пользователю."),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(PutSystem(service, asBob, true), 0);
}

TEST_F(OnlineServiceCliTest, AReleaseIsFoundVerifiedAndInstalled) {
    test::WriteBytes(m_program / "Marvolet_5z36", "old program");
    const fs::path package = m_dir / "Marvolet_5z36_1.0.0.7.zip";
    test::WriteZip(package, {{"Marvolet_5z36", {"new program"}}});
    const fs::path signing = m_dir / "signing.pem";
    m_key.WritePem(signing);
    const fs::path notes = m_dir / "notes.txt";
    test::WriteBytes(notes, "Клубный выпуск.\r\n");
    std::vector<std::string> release = {MV_CATALOG_SERVICE_PATH, "release", "--db", m_db.string(),
                                        "--signing-key", signing.string(), "--base-url",
                                        m_service->Url(""), "--program", "Marvolet_5z36",
                                        "--version", "1.0.0.7", "--package", package.string(),
                                        "--description", "Клубный", "--notes", notes.string()};
    const auto released = test::RunProgram(m_dir.Path(), release);
    ASSERT_EQ(released.Status, 0) << released.Err;

    auto run = Cli({"update", "check", "--program-dir", m_program.string()});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("Новая версия программы: 1.0.0.7"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("Клубный выпуск."), std::string::npos) << run.Out;
    run = Cli({"update", "install", "--yes", "--program-dir", m_program.string()});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(test::ReadBytes(m_program / "Marvolet_5z36"), "new program");

    // Under another key the same release is refused and the folder stays as it is.
    const test::TKeyPair other;
    test::WriteBytes(m_paths.Config(),
                     "[ONLINE]\r\nServiceUrl=" + m_service->Url("") + "\r\nCaFile=" +
                         Cert().string() + "\r\n[UPDATE]\r\nPublicKey=" + other.PublicBase64() +
                         "\r\n");
    const auto before = test::Snapshot(m_program);
    run = Cli({"update", "install", "--yes", "--program-dir", m_program.string()});
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("Подпись описания обновления отсутствует или неверна."),
              std::string::npos)
        << run.Err;
    EXPECT_EQ(test::Snapshot(m_program), before);
}

}  // namespace
}  // namespace mv
