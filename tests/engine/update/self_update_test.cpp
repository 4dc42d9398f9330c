// The self-update: versions, the description file, and whole checks against a local update
// site, both as files and over HTTP(S).
#include "engine/update/self_update.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "engine/core/errors.h"
#include "engine/core/processes.h"
#include "engine/core/text_utils.h"
#include "operator_site.h"
#include "update_fixture.h"

namespace mv {
namespace {

namespace fs = std::filesystem;
using test::TRelease;

TEST(UpdateVersions, OnlyTheFourthWordCounts) {
    struct TCase {
        const char* Running;
        const char* Offered;
        const char* Url;
        bool Available;
    };
    const TCase cases[] = {
        {"5.1.0.123", "5.1.0.124", "http://x/p.zip", true},
        {"5.1.0.123", "5.2.0.100", "http://x/p.zip", false},  // only the build counts
        {"5.1.0.123", "5.1.0.124", "", false},                // nowhere to download from
        {"5.1.0.123", "6.0.1", "http://x/p.zip", false},      // three words: build 0
        {"5,1-0_7", "5.1.0.8", "p.zip", true},                // any separator
        {"1.0.0", "1.0.0.1", "p.zip", true},                  // a running build without one
        {"5.1.0.x", "5.1.0.1", "p.zip", true},                // not a number: 0
        {"5.1.0. 9 ", "5.1.0.10", "p.zip", true},             // trimmed
    };
    for (const auto& c : cases) {
        TUpdateVersionData d;
        d.VerId = c.Offered;
        d.DownloadUrl = c.Url;
        EXPECT_EQ(UpdateAvailable(c.Running, d), c.Available) << c.Running << " " << c.Offered;
    }
    EXPECT_EQ(BuildNumber("5.1.0.123"), 123);
    EXPECT_EQ(BuildNumber("5.1..0.123"), 123);  // empty words are no words
    EXPECT_EQ(BuildNumber(""), 0);
    EXPECT_EQ(SplitWords(ProgramFileVersion(), ".").size(), 4u);
}

TEST(UpdateSettings, TheCatalogsServiceAndCertificateByTheirRules) {
    test::TTempDir dir;
    const fs::path config = dir / "Marvolet_5z36.ini";
    test::WriteBytes(config,
                     "[online]\r\nserviceurl= https://club.example:8443// \r\n"
                     "CaFile= club.pem \r\n[UPDATE]\r\nPublicKey= KEY \r\n");
    TUpdateParams params;
    LoadUpdateSettings(config, params);
    EXPECT_EQ(params.Source, UpdateDescriptionUrl("https://club.example:8443"));
    EXPECT_EQ(params.Http.ExtraCaFile, "club.pem");
    EXPECT_EQ(params.PublicKey, "KEY");
    // An address of slashes alone names no service: nothing to check, not an error.
    test::WriteBytes(config, "[ONLINE]\r\nServiceUrl=/\r\n");
    TUpdateParams none;
    EXPECT_NO_THROW(LoadUpdateSettings(config, none));
    EXPECT_TRUE(none.Source.empty());
}

TEST(UpdateDescription, SectionsAndKeysWithoutRegardToCaseAndTheirDefaults) {
    test::TTempDir dir;
    test::WriteBytes(dir / "d.inf",
                     "[MARVOLET_5Z36]\r\nDownloadURL=u\r\nexecafter=a; b ;;c\r\n"
                     "[globaloptions]\r\nDELETEBEFORE=x\r\n[Other]\r\nVerId=9.9.9.999\r\n");
    const auto d = ReadUpdateVersionData(dir / "d.inf", "Marvolet_5z36", "1.2.3.4");
    EXPECT_EQ(d.VerId, "1.2.3.4");  // missing: the running version, so no update
    EXPECT_EQ(d.DownloadUrl, "u");
    EXPECT_EQ(d.GlobalDeleteBefore, "x");
    EXPECT_EQ(UpdateListNames(d.ExecAfter), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(d.Description.empty() && d.ChecksumCRC32.empty() && d.ExecBefore.empty());
    EXPECT_FALSE(UpdateAvailable("1.2.3.4", d));
}

// A program folder with an old build, and an update site in a folder beside it.
class SelfUpdateTest : public ::testing::Test {
protected:
    SelfUpdateTest() : site(root / "site") {
        fs::create_directories(program / "help");
        test::WriteBytes(program / "Marvolet_5z36", "old program");
        test::WriteBytes(program / "help/guide.txt", "old guide");
        test::WriteBytes(program / "Marvolet_5z36.ldr", "draws");
        test::WriteBytes(root / "outside.txt", "keep me");
        params.Source = site.DescriptionPath().string();
        params.ProgramDir = program;
        params.RunningVersion = "13.6.1.200";
        params.PublicKey = key.PublicBase64();
        params.Offer = [this](const TUpdateOffer& o) {
            offers.push_back(o);
            return accept;
        };
    }

    int Check() { return CheckForUpdates(params, hooks); }
    std::string OnlyMessage() const {
        return hooks.Messages.size() == 1 ? hooks.Messages[0].second : "";
    }

    test::TTempDir root;
    fs::path program = root / "program";
    test::TKeyPair key;
    test::TUpdateSite site;
    TUpdateParams params;
    test::TRecordingHooks hooks;
    std::vector<TUpdateOffer> offers;
    bool accept = true;
};

TEST_F(SelfUpdateTest, FoundOfferedAndInstalledFromAFileSource) {
    TRelease r;
    r.Files["SetUp.sh"] = {"#!/bin/sh\necho ran > ran.txt\n", 0755};
    r.ExtraKeys = {"ExecBefore=SetUp.sh", "DeleteAfter=SetUp.sh; ran.txt ; obsolete.txt"};
    r.GlobalLines = {"DeleteBefore=stale.dat"};
    site.Publish(r, key);
    test::WriteBytes(program / "Marvolet_5z36.~old", "left by the last update");
    test::WriteBytes(program / "stale.dat", "x");
    test::WriteBytes(program / "obsolete.txt", "x");

    EXPECT_EQ(Check(), urInstalled);
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].RunningVersion, "13.6.1.200");
    EXPECT_EQ(offers[0].Version, "13.6.1.201");
    EXPECT_EQ(offers[0].Description,
              (std::vector<std::string>{"Исправлены ошибки.", "Ускорен расчёт."}));
    EXPECT_EQ(test::Snapshot(program),
              (std::map<std::string, std::string>{{"Marvolet_5z36", "new program"},
                                                  {"Marvolet_5z36.ldr", "draws"},
                                                  {"help/", ""},
                                                  {"help/guide.txt", "new guide"}}));
    EXPECT_NE(fs::status(program / "Marvolet_5z36").permissions() & fs::perms::owner_exec,
              fs::perms::none);
    EXPECT_EQ(OnlyMessage(), UpdateInstalledText("Весенний выпуск"));
    ASSERT_EQ(hooks.Messages.size(), 1u);
    EXPECT_EQ(hooks.Messages[0].first, TMessageKind::Warning);
}

TEST_F(SelfUpdateTest, NothingNewerIsSaidOnlyWhenNotSilent) {
    TRelease r;
    r.VerId = "13.7.0.200";  // a higher version with the same build
    site.Publish(r, key);
    const auto before = test::Snapshot(program);
    EXPECT_EQ(Check(), urNothingInstalled);
    EXPECT_EQ(OnlyMessage(), UpdateNotFound);
    params.Silent = true;
    hooks.Messages.clear();
    EXPECT_EQ(Check(), urNothingInstalled);
    EXPECT_TRUE(hooks.Messages.empty());
    EXPECT_TRUE(offers.empty());
    EXPECT_EQ(test::Snapshot(program), before);
}

TEST_F(SelfUpdateTest, DecliningLeavesTheProgramFolderAndShowsNothing) {
    TRelease r;
    r.DescriptionText.clear();
    site.Publish(r, key);
    accept = false;
    const auto before = test::Snapshot(program);
    EXPECT_EQ(Check(), urNothingInstalled);
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].Description, std::vector<std::string>{UpdateNoDescription});
    EXPECT_TRUE(hooks.Messages.empty());
    EXPECT_EQ(test::Snapshot(program), before);
}

TEST_F(SelfUpdateTest, AnUnreachableSourceIsASearchFailureShownOnlyWhenNotSilent) {
    params.Source = (root / "nowhere" / "Quelm_AU.cfg").string();
    EXPECT_EQ(Check(), urNothingInstalled);
    EXPECT_TRUE(OnlyMessage().starts_with(std::string(UpdateSearchError) + "\r\r"));
    params.Silent = true;
    hooks.Messages.clear();
    EXPECT_EQ(Check(), urNothingInstalled);
    EXPECT_TRUE(hooks.Messages.empty());
    params.Source.clear();  // no service configured
    params.Silent = false;
    EXPECT_EQ(Check(), urNothingInstalled);
    EXPECT_EQ(hooks.Messages.back().second, OperationMessage(UpdateSearchError, NoServiceUrlError));
}

// Each broken release is refused with its message, and the program folder (and what lies
// beside it) stays exactly as it was.
TEST_F(SelfUpdateTest, RefusedUpdatesLeaveEverythingUntouched) {
    fs::create_directories(root / "elsewhere");
    test::WriteBytes(root / "elsewhere" / "victim.txt", "keep me");
    fs::create_directory_symlink(root / "elsewhere", program / "linked");
    struct TCase {
        const char* Name;
        std::function<void(TRelease&)> Break;
        int Result;
        std::string Message;
    };
    const std::string search = std::string(UpdateSearchError) + "\r\r";
    const std::string install = std::string(UpdateInstallError) + "\r\r";
    const std::vector<TCase> cases = {
        {"description unsigned", [](TRelease& r) { r.SignDescription = false; }, urNothingInstalled,
         search + UpdateDescriptionSignatureError},
        {"description signature wrong", [](TRelease& r) { r.CorruptDescriptionSignature = true; },
         urNothingInstalled, search + UpdateDescriptionSignatureError},
        {"package unsigned", [](TRelease& r) { r.SignPackage = false; }, urFailed,
         install + UpdatePackageSignatureError},
        {"package changed",
         [](TRelease& r) {
             r.ChangePackageAfterSigning = true;
             r.WithCrc = false;
         },
         urFailed, install + UpdatePackageSignatureError},
        {"crc differs", [](TRelease& r) { r.CrcOverride = "0BADC0DE"; }, urFailed,
         install + UpdateChecksumError},
        {"zip entry with ..", [](TRelease& r) { r.Files["../evil.txt"] = {"x"}; }, urFailed,
         install + "Пакет обновления"},
        {"absolute zip entry",
         [this](TRelease& r) { r.Files[(root / "evil.txt").string()] = {"x"}; }, urFailed,
         install + "Пакет обновления"},
        {"symlink zip entry",
         [this](TRelease& r) {
             r.Files["link"] = {(root / "elsewhere").string(), 0777, true};
         },
         urFailed, install + "Пакет обновления"},
        {"delete name with ..", [](TRelease& r) { r.ExtraKeys = {"DeleteBefore=../outside.txt"}; },
         urFailed, install + "Имя \"../outside.txt\""},
        {"absolute delete name",
         [this](TRelease& r) {
             r.GlobalLines = {"DeleteAfter=" + (root / "outside.txt").string()};
         },
         urFailed, install + "Имя \""},
        {"delete name through a link",
         [](TRelease& r) { r.ExtraKeys = {"DeleteAfter=linked/victim.txt"}; }, urFailed,
         install + "Имя \"linked/victim.txt\""},
        {"run name with ..", [](TRelease& r) { r.ExtraKeys = {"ExecAfter=../../outside.txt"}; },
         urFailed, install + "Имя \"../../outside.txt\""},
        {"version not a file name", [](TRelease& r) { r.VerId = "../13.6.1.999"; },
         urNothingInstalled, search + "Недопустимый номер версии"},
    };
    const auto before = test::Snapshot(root / "elsewhere");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TRelease r;
        c.Break(r);
        site.Publish(r, key);
        const auto programBefore = test::Snapshot(program);
        hooks.Messages.clear();
        EXPECT_EQ(Check(), c.Result);
        EXPECT_TRUE(OnlyMessage().starts_with(c.Message)) << OnlyMessage();
        EXPECT_EQ(test::Snapshot(program), programBefore);
        EXPECT_EQ(test::Snapshot(root / "elsewhere"), before);
        EXPECT_EQ(test::ReadBytes(root / "outside.txt"), "keep me");
        EXPECT_FALSE(fs::exists(root / "evil.txt"));
        EXPECT_FALSE(fs::exists(root / "site" / "evil.txt"));
        fs::remove(root / "site" / "packages" / r.OriginalFileName);
    }
}

TEST_F(SelfUpdateTest, ASilentCheckStillReportsAFailedInstallation) {
    TRelease r;
    r.Files["Slow.sh"] = {"#!/bin/sh\nsleep 20\n", 0755};
    r.ExtraKeys = {"ExecBefore=Slow.sh"};
    site.Publish(r, key);
    params.Silent = true;
    params.ProcessTimeLimitSeconds = 1;
    EXPECT_EQ(Check(), urFailed);
    EXPECT_EQ(OnlyMessage(), OperationMessage(UpdateInstallError, ProcessTimeoutText("Slow.sh")));
    EXPECT_EQ(test::ReadBytes(program / "Marvolet_5z36"), "old program");
    EXPECT_FALSE(fs::exists(program / UpdateScratchFolder));
    EXPECT_FALSE(fs::exists(program / UpdateDescriptionFile));
}

// The site served by an in-process HTTPS server; it can count the package downloads and
// answer garbage or cut the body.
class SelfUpdateHttpsTest : public SelfUpdateTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::MakeSelfSignedCertificate(root.Path()));
        server = std::make_unique<httplib::SSLServer>((root / "cert.pem").c_str(),
                                                      (root / "key.pem").c_str());
        server->Get(R"(/files/autoupdates/(.*))",
                    [this](const httplib::Request& req, httplib::Response& res) {
                        const std::string name = req.matches[1];
                        if (name.starts_with("packages/")) ++packageRequests;
                        const fs::path file = root / "site" / name;
                        if (!fs::is_regular_file(file)) {
                            res.status = 404;
                            return;
                        }
                        std::string body = test::ReadBytes(file);
                        if (name == "Quelm_AU.cfg" && garbage)
                            body = "<html>Service Unavailable</html>";
                        if (name.starts_with("packages/") && cut) {
                            const std::size_t full = body.size();
                            res.set_content_provider(
                                full, "application/zip",
                                [body](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                    if (offset > 0) return false;
                                    sink.write(body.data(), body.size() / 2);
                                    return true;
                                });
                            return;
                        }
                        res.set_content(body, "application/octet-stream");
                    });
        port = server->bind_to_any_port("127.0.0.1");
        thread = std::thread([this] { server->listen_after_bind(); });
        while (!server->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        params.Source = UpdateDescriptionUrl(Base() + "/");
        params.Http.ExtraCaFile = (root / "cert.pem").string();
        params.Http.ConnectTimeoutSeconds = 5;
        params.Http.StallTimeoutSeconds = 5;
    }
    void TearDown() override {
        if (server) server->stop();
        if (thread.joinable()) thread.join();
    }
    std::string Base() const { return "https://127.0.0.1:" + std::to_string(port); }
    std::string PackageUrl(const TRelease& r) const {
        return Base() + "/files/autoupdates/packages/" + r.OriginalFileName;
    }

    std::unique_ptr<httplib::SSLServer> server;
    std::thread thread;
    int port = 0;
    std::atomic<int> packageRequests{0};
    std::atomic<bool> garbage{false};
    std::atomic<bool> cut{false};
};

TEST_F(SelfUpdateHttpsTest, InstalledWithTheDescriptionInTheInterfaceLanguage) {
    TRelease r;
    site.Publish(r, key, PackageUrl(r));
    test::WriteBytes(root / "site" / "UpdDescr" / "UpdDescr_RUS_13.6.1.201.txt", "По-русски.");
    params.LanguageId = 1049;
    params.LanguageAbbrev = "RUS";
    EXPECT_EQ(Check(), urInstalled);
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].Description, std::vector<std::string>{"По-русски."});
    EXPECT_EQ(test::ReadBytes(program / "Marvolet_5z36"), "new program");
    EXPECT_EQ(packageRequests, 1);
    // With no language only the plain text is looked for.
    params.LanguageId = 0;
    offers.clear();
    accept = false;
    params.RunningVersion = "13.6.1.0";
    EXPECT_EQ(Check(), urNothingInstalled);
    EXPECT_EQ(offers.at(0).Description,
              (std::vector<std::string>{"Исправлены ошибки.", "Ускорен расчёт."}));
}

TEST_F(SelfUpdateHttpsTest, ABadChecksumIsTriedThreeTimes) {
    TRelease r;
    r.CrcOverride = "0badc0de";
    site.Publish(r, key, PackageUrl(r));
    const auto before = test::Snapshot(program);
    EXPECT_EQ(Check(), urFailed);
    EXPECT_EQ(OnlyMessage(), OperationMessage(UpdateInstallError, UpdateChecksumError));
    EXPECT_EQ(packageRequests, 3);
    EXPECT_EQ(test::Snapshot(program), before);
}

TEST_F(SelfUpdateHttpsTest, GarbageAndCutBodiesLeaveTheProgramFolderUntouched) {
    TRelease r;
    site.Publish(r, key, PackageUrl(r));
    const auto before = test::Snapshot(program);
    garbage = true;
    EXPECT_EQ(Check(), urNothingInstalled);
    EXPECT_EQ(OnlyMessage(), OperationMessage(UpdateSearchError, UpdateDescriptionSignatureError));
    garbage = false;
    cut = true;
    hooks.Messages.clear();
    EXPECT_EQ(Check(), urFailed);
    EXPECT_TRUE(OnlyMessage().starts_with(std::string(UpdateInstallError) + "\r\r"));
    EXPECT_EQ(packageRequests, 3);
    EXPECT_EQ(test::Snapshot(program), before);
}

}  // namespace
}  // namespace mv
