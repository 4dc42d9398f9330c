// marvolet catalog ... and systems catalog | get against a stand-in of the web service.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../online/catalog_server.h"
#include "cli_run.h"
#include "engine/core/data_paths.h"
#include "engine/core/text_codec.h"
#include "engine/stakes/systems.h"
#include "test_support.h"

namespace mv {
namespace {

using test::Reply;
using test::Tag;

class CatalogCliTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    test::TTempDir m_serverDir;
    test::TCatalogServer m_server{m_serverDir.Path()};
    TDataPaths m_paths{m_dir.Path() / "data"};

    void SetUp() override {
        std::filesystem::create_directories(m_paths.Dir);
        WriteConfig(m_server.Url() + "/");
    }
    void WriteConfig(const std::string& url) {
        test::WriteBytes(m_paths.Config(),
                         Utf8ToCp1251("[ONLINE]\r\nServiceUrl=" + url +
                                      "\r\nCaFile=" + m_server.CertFile().string() +
                                      "\r\nUserName=Иван\r\nUserMail=ivan@example.org\r\n"));
    }
    test::TCliRun Cli(const std::vector<std::string>& args) {
        return test::RunCli(m_dir.Path(), args, m_paths.Dir);
    }
    std::filesystem::path SystemFile(int nums, int block, int id) const {
        return SystemsFolder(m_paths.Dir) / SystemFileName(nums, block, id);
    }
};

TEST_F(CatalogCliTest, ListPrintsTheColumnsOfTheFilteredCatalog) {
    m_server.SetReply("/scripts/scr_getlist.php",
                      Reply({Tag("id", "17") + Tag("key_cl_name", "Пётр") +
                             Tag("key_cl_mail", "me@x.org") + Tag("uniapps", "1") +
                             Tag("rating_you", "3") + Tag("title", Base64Encode("Тест; один"))}));
    const auto run =
        Cli({"catalog", "list", "--filter", "3", "--user", "Мария", "--mail", "me@x.org"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out,
              "Номер;Тип;Название;Автор;Программа;Версия;Язык;Создан;Рейтинг;Оценок;Ваша оценка;"
              "Загрузок;Последняя;Комментарии\n"
              "17;Мой;\"Тест; один\";Пётр;Универсальный;;RUS;;0,000;0;3;0;;\n");
    const auto posted = m_server.LastPosted();
    EXPECT_EQ(posted.Value("fltid"), "2");
    EXPECT_EQ(posted.Value("cl_name"), "Мария");
    EXPECT_EQ(posted.Value("cl_mail"), "me@x.org");

    EXPECT_EQ(Cli({"catalog", "list", "--filter", "8"}).Status, 2);
    m_server.SetReply("/scripts/scr_getlist.php", Reply({Tag("error", "Нет доступа.")}));
    const auto failed = Cli({"catalog", "list"});
    EXPECT_EQ(failed.Status, 1);
    EXPECT_NE(failed.Err.find("Ошибка загрузки каталога online-сценариев!"), std::string::npos);
    EXPECT_NE(failed.Err.find("Нет доступа."), std::string::npos);
    EXPECT_EQ(m_server.LastPosted().Value("fltid"), "1");

    WriteConfig("");
    const auto unconfigured = Cli({"catalog", "list"});
    EXPECT_EQ(unconfigured.Status, 1);
    EXPECT_NE(unconfigured.Err.find("ServiceUrl"), std::string::npos);
}

TEST_F(CatalogCliTest, GetReplacesTheCurrentScenarioOnlyWithAScenario) {
    const std::string text = "FULL:0#RAND| | | | | | | |Из каталога\r\n";
    m_server.SetReply("/scripts/scr_getdata.php", Reply({Tag("script", Base64Encode(text))}));
    const auto run = Cli({"catalog", "get", "17"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(m_server.LastPosted().Value("scr_id"), "17");
    const auto current = m_paths.File(".lss");
    EXPECT_EQ(test::ReadBytes(current), Utf8ToCp1251(text));

    for (const std::string& reply :
         {std::string("<result></result>"),
          Reply({Tag("script", Base64Encode("<!DOCTYPE html><p>oops</p>"))})}) {
        m_server.SetReply("/scripts/scr_getdata.php", reply);
        const auto failed = Cli({"catalog", "get", "17"});
        EXPECT_EQ(failed.Status, 1) << reply;
        EXPECT_NE(failed.Err.find("Ошибка загрузки online-сценария!"), std::string::npos);
        EXPECT_EQ(test::ReadBytes(current), Utf8ToCp1251(text));
    }
}

TEST_F(CatalogCliTest, PublishSendsTheFileAndPrintsTheNumber) {
    const auto file = m_dir / "my.lsc";
    test::WriteBytes(file, "FULL:0#RAND| | | | | | | |\r\nCURR:0#NONE| | | | | | | |\r\n");
    m_server.SetReply("/scripts/scr_chktitle.php", Reply({Tag("ret_code", "0")}));
    m_server.SetReply("/scripts/scr_putscript.php", Reply({Tag("id_scripts", "55")}));
    const auto run = Cli({"catalog", "publish", file.string(), "--title", " Мой ", "--descr",
                          "Описание", "--private", "--universal"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "55\n");
    const auto posted = m_server.LastPosted();
    EXPECT_EQ(posted.Path, "/scripts/scr_putscript.php");
    EXPECT_EQ(posted.Value("scr_id"), "-1");
    EXPECT_EQ(posted.Value("scr_title"), "Мой");
    EXPECT_EQ(posted.Value("scr_publics"), "0");
    EXPECT_EQ(posted.Value("scr_uniapps"), "1");
    EXPECT_EQ(posted.Value("scr_script"),
              "FULL:0#RAND| | | | | | | |\\r\\nCURR:0#NONE| | | | | | | |\\r\\n");
    EXPECT_EQ(posted.Value("cl_name"), "Иван");

    m_server.SetReply("/scripts/scr_chktitle.php", "<result></result>");
    const auto taken = Cli({"catalog", "publish", file.string(), "--title", "Мой"});
    EXPECT_EQ(taken.Status, 1);
    EXPECT_NE(taken.Err.find("Сценарий с таким названием уже существует!"), std::string::npos);
    EXPECT_EQ(m_server.LastPosted().Path, "/scripts/scr_chktitle.php");
}

TEST_F(CatalogCliTest, SystemsCatalogAndGet) {
    auto row = [](int id, int nums) {
        return Tag("id", std::to_string(id)) + Tag("nums", std::to_string(nums)) +
               Tag("olap", "0") + Tag("csize", "2") + Tag("title", Base64Encode("С")) +
               Tag("created", "2021-05-06 07:08:09");
    };
    m_server.SetReply("/scripts/sys_getlist.php", Reply({row(42, 6), row(43, 6)}));
    std::filesystem::create_directories(SystemsFolder(m_paths.Dir));
    test::WriteBytes(SystemFile(6, 0, 43), "1 2 3 4 5\r\n");

    const auto list = Cli({"systems", "catalog"});
    ASSERT_EQ(list.Status, 0) << list.Err;
    EXPECT_NE(list.Out.find("\n42;С;;06;0;2;"), std::string::npos) << list.Out;
    EXPECT_NE(list.Out.find(";Загружена;"), std::string::npos) << list.Out;

    m_server.SetReply("/scripts/sys_getdata.php",
                      Reply({Tag("clist", Base64Encode("01 02 03 04 05\r\n02 03 04 05 06\r\n"))}));
    const auto get = Cli({"systems", "get", "42"});
    ASSERT_EQ(get.Status, 0) << get.Err;
    EXPECT_EQ(test::ReadBytes(SystemFile(6, 0, 42)), "01 02 03 04 05\r\n02 03 04 05 06\r\n");
    EXPECT_FALSE(std::filesystem::exists(SystemFile(6, 0, 43)));

    EXPECT_EQ(Cli({"systems", "get", "99"}).Status, 1);
    m_server.SetReply("/scripts/sys_getdata.php", Reply({Tag("clist", Base64Encode("1 2 3 4 5"))}));
    const auto refused = Cli({"systems", "get", "42"});
    EXPECT_EQ(refused.Status, 1);
    EXPECT_NE(refused.Err.find("Ошибка загрузки системы #42!"), std::string::npos);
    EXPECT_EQ(test::ReadBytes(SystemFile(6, 0, 42)), "01 02 03 04 05\r\n02 03 04 05 06\r\n");
}

}  // namespace
}  // namespace mv
