#include "engine/online/script_catalog.h"

#include <gtest/gtest.h>

#include "catalog_server.h"
#include "engine/core/errors.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/session/workspace.h"

namespace mv {
namespace {

using test::Reply;
using test::Tag;

constexpr const char* kList = "/scripts/scr_getlist.php";
constexpr const char* kGet = "/scripts/scr_getdata.php";
constexpr const char* kRate = "/scripts/scr_setrate.php";
constexpr const char* kTitle = "/scripts/scr_chktitle.php";
constexpr const char* kPut = "/scripts/scr_putscript.php";
constexpr const char* kRates = "/scripts/scr_getrates.php";

class ScriptCatalogTest : public ::testing::Test {
protected:
    // The message of the EError `fn` throws ("" when it throws none).
    template <class Fn>
    static std::string ErrorOf(Fn&& fn) {
        try {
            fn();
        } catch (const EError& e) {
            return e.what();
        }
        return std::string();
    }

    test::TTempDir dir;
    test::TCatalogServer server{dir.Path()};
    TOnlineService service = server.Service();
};

std::string FullRow() {
    return Tag("id", "17") + Tag("key_cl_name", "Пётр") + Tag("key_cl_mail", "IVAN@Example.org") +
           Tag("key_cl_lcid", "1033") + Tag("app_name", "Other") + Tag("app_ver", "2.1.0.5") +
           Tag("uniapps", "0") + Tag("publics", "1") + Tag("created", "2019-03-01 12:00:00") +
           Tag("rating_avg", "4.25") + Tag("rating_cnt", "8") + Tag("rating_you", "-1") +
           Tag("downloads", "12") + Tag("last_download", "") +
           Tag("title", Base64Encode("Мой сценарий")) + Tag("descr", Base64Encode("Описание")) +
           Tag("app_guid", ToLowerAscii(ServiceAppId));
}

TEST_F(ScriptCatalogTest, ListSendsTheFilterAndIdentityAndReadsEveryElement) {
    server.SetReply(kList,
                    Reply({FullRow(), Tag("id", "18") + Tag("key_cl_lcid", "x") +
                                          Tag("rating_cnt", "много") + Tag("app_guid", "{other}") +
                                          Tag("key_cl_mail", "ivan@example.org")}));
    service.Client.UserName = "O'Brien \"Иван\"";
    std::vector<TScriptInfo> rows;
    LoadScriptList(service, 0, rows);
    const test::TPosted posted = server.LastPosted();
    EXPECT_EQ(posted.Path, kList);
    EXPECT_EQ(posted.Names(), (std::vector<std::string>{"fltid", "appid", "appver", "cl_name",
                                                        "cl_mail", "cl_lcid"}));
    EXPECT_EQ(posted.Value("fltid"), "-1");
    EXPECT_EQ(posted.Value("appid"), ServiceAppId);
    EXPECT_EQ(posted.Value("cl_name"), "O\\'Brien \\\"Иван\\\"");
    EXPECT_EQ(posted.Value("cl_lcid"), "1049");

    ASSERT_EQ(rows.size(), 2u);
    const TScriptInfo& a = rows[0];
    EXPECT_EQ(a.Id, 17);
    EXPECT_EQ(a.AuthorName, "Пётр");
    EXPECT_EQ(a.Language, 1033);
    EXPECT_FALSE(a.Universal);
    EXPECT_TRUE(a.Public);
    EXPECT_EQ(CatalogTimeText(a.Created), CatalogTimeText(ParseServiceTime("2019-03-01 12:00:00")));
    EXPECT_EQ(a.LastDownload, 0);
    EXPECT_EQ(a.Title, "Мой сценарий");
    EXPECT_EQ(a.Description, "Описание");
    // Mine by e-mail without regard to case; compatible by the identifier likewise.
    EXPECT_TRUE(a.Mine);
    EXPECT_TRUE(a.Compatible);
    EXPECT_TRUE(a.Editable);
    const auto texts = ScriptCatalogRowTexts(a);
    EXPECT_EQ(texts[0], "Мой");
    EXPECT_EQ(texts[3], "Other");
    EXPECT_EQ(texts[5], "ENU");
    EXPECT_FALSE(texts[6].empty());
    EXPECT_EQ(texts[6], CatalogTimeText(a.Created));
    EXPECT_EQ(texts[7], FormatNumberGrouped(4.25L, 3));
    EXPECT_EQ(texts[9], "Скрытый");
    EXPECT_EQ(texts[11], "");

    // Defaults for unreadable numbers; another program's entry is not editable even when own.
    const TScriptInfo& b = rows[1];
    EXPECT_EQ(b.Language, InterfaceLcid);
    EXPECT_EQ(b.RatingCount, 0);
    EXPECT_TRUE(b.Mine);
    EXPECT_FALSE(b.Compatible);
    EXPECT_FALSE(b.Editable);

    rows.clear();
    LoadScriptList(service, 7, rows);
    EXPECT_EQ(server.LastPosted().Value("fltid"), "6");
}

TEST_F(ScriptCatalogTest, ListFailuresKeepTheRowsReadBefore) {
    struct TCase {
        std::string Reply;
        std::string Reason;
        std::size_t Rows;
    };
    const TCase cases[] = {
        {Reply({FullRow(), Tag("error", "Сервис перегружен.")}), "Сервис перегружен.", 1},
        {"<result><row>" + FullRow() + "</row>", "Не удалось найти пару", 0},
        {Reply({Tag("id", "abc")}), "\"abc\"", 0},
        {Reply({Tag("id", "1") + Tag("created", "2019-xx-01 12:00:00")}), "", 0},
    };
    for (const auto& c : cases) {
        server.SetReply(kList, c.Reply);
        std::vector<TScriptInfo> rows;
        const std::string error = ErrorOf([&] { LoadScriptList(service, 2, rows); });
        EXPECT_EQ(error.rfind(std::string(ScriptListError) + "\r\r", 0), 0u) << error;
        EXPECT_NE(error.find(c.Reason), std::string::npos) << error;
        EXPECT_EQ(rows.size(), c.Rows) << c.Reply;
    }
}

TEST_F(ScriptCatalogTest, EmptyResultAndEmptyUserMail) {
    server.SetReply(kList, "<result> </result>");
    std::vector<TScriptInfo> rows;
    LoadScriptList(service, 2, rows);
    EXPECT_TRUE(rows.empty());

    server.SetReply(kList, Reply({Tag("id", "1") + Tag("uniapps", "1"),
                                  Tag("id", "2") + Tag("key_cl_mail", "a@b.c")}));
    TOnlineService anonymous = server.Service("", "");
    LoadScriptList(anonymous, 2, rows);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(rows[0].Mine);
    EXPECT_TRUE(rows[0].Editable);
    EXPECT_EQ(ScriptCatalogRowTexts(rows[0])[3], "Универсальный");
    EXPECT_FALSE(rows[1].Mine);
}

TEST_F(ScriptCatalogTest, NoServiceAddressIsTheReason) {
    service.ServiceUrl.clear();
    std::vector<TScriptInfo> rows;
    EXPECT_EQ(ErrorOf([&] { LoadScriptList(service, 2, rows); }),
              OperationMessage(ScriptListError, NoServiceUrlMessage));
    EXPECT_TRUE(server.Posted().empty());
}

TEST_F(ScriptCatalogTest, RateOutcomes) {
    struct TCase {
        std::string Reply;
        bool Result;
        std::string Error;
    };
    const TCase cases[] = {
        {Reply({Tag("res_code", "0")}), true, ""},
        {Reply({Tag("res_code", "-5"), Tag("res_code", "1")}), true, ""},  // the last row counts
        {Reply({Tag("res_code", "-3")}), false, "Код возврата: -3"},
        {"<result><foo/></result>", false, "Код возврата: -1"},  // no row
        {"<result></result>", false, ""},                        // nothing: no reload, no error
    };
    for (const auto& c : cases) {
        server.SetReply(kRate, c.Reply);
        bool result = false;
        const std::string error =
            ErrorOf([&] { result = RateScript(service, 17, 4, "Хорошо \"очень\""); });
        if (c.Error.empty()) {
            EXPECT_EQ(error, "") << c.Reply;
            EXPECT_EQ(result, c.Result) << c.Reply;
        } else {
            EXPECT_EQ(error, OperationMessage(ScriptRateError, c.Error));
        }
    }
    const test::TPosted posted = server.LastPosted();
    EXPECT_EQ(posted.Names(),
              (std::vector<std::string>{"scr_id", "rate_value", "rate_notes", "appid", "appver",
                                        "cl_name", "cl_mail", "cl_lcid"}));
    EXPECT_EQ(posted.Value("rate_value"), "4");
    EXPECT_EQ(posted.Value("rate_notes"), "Хорошо \\\"очень\\\"");
}

TEST_F(ScriptCatalogTest, PublishReplaceAndDelete) {
    TScriptData data = NewScriptData(service.Client);
    EXPECT_EQ(data.Id, -1);
    EXPECT_EQ(data.AuthorName, "Иван");
    EXPECT_TRUE(data.Public);
    data.Title = "  Новый  ";
    data.Description = "две\r\nстроки";
    data.Universal = true;
    data.Language = 1058;
    server.SetReply(kPut, Reply({Tag("id_scripts", "41"), Tag("id_scripts", "42")}));
    EXPECT_EQ(PutScript(service, data, "FULL:0#RAND| | | | | | | |\r\n"), 42);
    test::TPosted posted = server.LastPosted();
    EXPECT_EQ(posted.Names(),
              (std::vector<std::string>{"del_mode", "scr_id", "scr_uniapps", "scr_publics",
                                        "scr_title", "scr_descr", "scr_script", "appid", "appver",
                                        "cl_name", "cl_mail", "cl_lcid"}));
    EXPECT_EQ(posted.Value("del_mode"), "0");
    EXPECT_EQ(posted.Value("scr_id"), "-1");
    EXPECT_EQ(posted.Value("scr_uniapps"), "1");
    EXPECT_EQ(posted.Value("scr_publics"), "1");
    EXPECT_EQ(posted.Value("scr_title"), "Новый");
    EXPECT_EQ(posted.Value("scr_descr"), "две\\r\\nстроки");
    EXPECT_EQ(posted.Value("scr_script"), "FULL:0#RAND| | | | | | | |\\r\\n");
    EXPECT_EQ(posted.Value("cl_lcid"), "1058");

    const TScriptInfo row = PublishedScriptInfo(data, 42, service.Client);
    EXPECT_EQ(row.Id, 42);
    EXPECT_EQ(row.Title, "Новый");
    EXPECT_EQ(row.AuthorMail, service.Client.UserMail);
    EXPECT_EQ(row.AppName, "Marvolet_5z36");
    EXPECT_TRUE(row.Mine && row.Editable && row.Compatible);
    EXPECT_GT(row.Created, 0);

    // Delete: del_mode 1 first, no scenario; a reply number other than 0 keeps the row.
    server.SetReply(kPut, Reply({Tag("id_scripts", "5")}));
    data.Id = 42;
    EXPECT_EQ(DeleteScript(service, data), 5);
    posted = server.LastPosted();
    EXPECT_EQ(posted.Value("del_mode"), "1");
    EXPECT_EQ(posted.Value("scr_script"), "<missing>");
    EXPECT_EQ(posted.Fields.size(), 11u);
    server.SetReply(kPut, "<result></result>");
    EXPECT_EQ(DeleteScript(service, data), -1);
    server.SetReply(kPut, Reply({Tag("error", "Сценарий принадлежит другому пользователю.")}));
    EXPECT_EQ(ErrorOf([&] { DeleteScript(service, data); }),
              OperationMessage(ScriptDeleteError, "Сценарий принадлежит другому пользователю."));
}

TEST_F(ScriptCatalogTest, PublishChecksTitleAndAuthor) {
    test::TRecordingHooks hooks;
    TScriptData data = NewScriptData(service.Client);
    EXPECT_EQ(ScriptDataProblem(service, data, hooks), ScriptTitleMissing);
    data.Title = " Занято ";
    server.SetReply(kTitle, "<result></result>");
    EXPECT_EQ(ScriptDataProblem(service, data, hooks), ScriptTitleTaken);
    EXPECT_EQ(server.LastPosted().Value("scr_title"), "Занято");
    EXPECT_EQ(server.LastPosted().Value("scr_id"), "-1");
    server.SetReply(kTitle, Reply({Tag("ret_code", "1"), Tag("ret_code", "0")}));
    EXPECT_EQ(ScriptDataProblem(service, data, hooks), "");
    data.AuthorName = "  ";
    EXPECT_EQ(ScriptDataProblem(service, data, hooks), ScriptAuthorMissing);
    EXPECT_TRUE(hooks.Messages.empty());
    // A failed check is shown and the title then counts as taken.
    server.SetReply(kTitle, "<result><row>");
    EXPECT_EQ(ScriptDataProblem(service, data, hooks), ScriptTitleTaken);
    ASSERT_EQ(hooks.Messages.size(), 1u);
    EXPECT_EQ(hooks.Messages[0].second.rfind(ScriptTitleCheckError, 0), 0u);
}

TEST_F(ScriptCatalogTest, RatingsAreShownAsReceived) {
    server.SetReply(
        kRates, Reply({Tag("key_cl_name", "Анна") + Tag("rate", "5") +
                       Tag("created", "2020-01-02 03:04:05") + Tag("app_name", "Marvolet_5z36") +
                       Tag("app_ver", "1.0.0.0") + Tag("notes", "Отлично")}));
    const auto ratings = LoadScriptRatings(service, 17);
    ASSERT_TRUE(ratings);
    ASSERT_EQ(ratings->size(), 1u);
    EXPECT_EQ((*ratings)[0].AuthorName, "Анна");
    EXPECT_EQ((*ratings)[0].Rate, "5");
    EXPECT_EQ((*ratings)[0].Notes, "Отлично");
    EXPECT_EQ(server.LastPosted().Names(), (std::vector<std::string>{"scr_id", "cl_mail"}));
    server.SetReply(kRates, "<result></result>");
    EXPECT_FALSE(LoadScriptRatings(service, 17));
}

// Downloads into a workspace's current scenario.
class ScriptDownloadTest : public ScriptCatalogTest {
protected:
    void SetUp() override {
        workspace.EditScript(
            [](TCurrentScript& s) { s.AppendLine("EXCL:3#FIRST| | | | | | | |старый"); });
        before = test::ReadBytes(workspace.Paths().File(".lss"));
    }
    std::string Current() const { return test::ReadBytes(workspace.Paths().File(".lss")); }

    test::TTempDir data;
    test::TRecordingHooks hooks;
    TWorkspace workspace{TDataPaths{data.Path()}, hooks};
    std::string before;
};

TEST_F(ScriptDownloadTest, ScriptReplacesTheCurrentScenario) {
    const std::string text =
        "FULL:0#RAND|TSD1#NUMS:10| | | | | | |Первая\r\n\r\nCURR:0#NONE| | | | | | | |\r\n";
    server.SetReply(kGet, Reply({"<SCRIPT></SCRIPT>", Tag("script", Base64Encode(text)),
                                 Tag("script", Base64Encode("garbage"))}));
    int notified = 0;
    workspace.Subscribe([&](TChanges changes) { notified += (changes & chScenario) ? 1 : 0; });
    EXPECT_TRUE(DownloadScriptInto(workspace, service, 17));
    EXPECT_EQ(server.LastPosted().Names(), (std::vector<std::string>{"scr_id", "cl_mail"}));
    EXPECT_EQ(server.LastPosted().Value("scr_id"), "17");
    EXPECT_EQ(workspace.Script().Count(), 3);
    EXPECT_EQ(workspace.Script().Line(0), "FULL:0#RAND|TSD1#NUMS:10| | | | | | |Первая");
    EXPECT_EQ(Current(), Utf8ToCp1251(text));
    EXPECT_EQ(notified, 1);

    // An empty script empties the scenario.
    server.SetReply(kGet, Reply({"<script></script>"}));
    EXPECT_TRUE(DownloadScriptInto(workspace, service, 17));
    EXPECT_TRUE(workspace.Script().Empty());
    EXPECT_EQ(Current(), "");
}

TEST_F(ScriptDownloadTest, NothingOrAFaultLeavesTheScenarioAlone) {
    struct TCase {
        std::string Reply;
        test::TReplyMode Mode;
        bool Throws;
    };
    const TCase cases[] = {
        {"<result></result>", test::TReplyMode::Normal, false},
        // The last row read is not a script row.
        {Reply({"<script></script>", Tag("other", "1")}), test::TReplyMode::Normal, false},
        {Reply({Tag("script", Base64Encode("<html><body>Not found</body></html>"))}),
         test::TReplyMode::Normal, true},
        {Reply({Tag("script", Base64Encode("FULL:0#RAND| |\r\n\x01\x02"))}),
         test::TReplyMode::Normal, true},
        {Reply({Tag("script", Base64Encode("FULL:0#RAND| | | \xff\xfe|"))}),
         test::TReplyMode::Normal, true},
        {Reply({Tag("script", Base64Encode("FULL:0#RAND| | | |"))}), test::TReplyMode::Stall, true},
        {Reply({Tag("script", Base64Encode("FULL:0#RAND| | | |"))}), test::TReplyMode::Cut, true},
        {"<html>502 Bad Gateway</html>", test::TReplyMode::Normal, false},
        {"<result><row><script>", test::TReplyMode::Normal, true},
    };
    for (const auto& c : cases) {
        server.SetReply(kGet, c.Reply, c.Mode);
        bool applied = true;
        const std::string error =
            ErrorOf([&] { applied = DownloadScriptInto(workspace, service, 17); });
        EXPECT_EQ(!error.empty(), c.Throws) << c.Reply << "\n" << error;
        if (!error.empty()) {
            EXPECT_EQ(error.rfind(ScriptDownloadError, 0), 0u) << error;
        } else {
            EXPECT_FALSE(applied) << c.Reply;
        }
        EXPECT_EQ(workspace.Script().Count(), 1);
        EXPECT_EQ(Current(), before);
    }
}

TEST(ScriptTextCheck, RefusesWhatIsNoScenario) {
    EXPECT_EQ(CheckDownloadedScript("").size(), 0u);
    EXPECT_EQ(CheckDownloadedScript("full:0#rand| |\n  \nExcl:2#FIRST|x|\tкомментарий").size(), 3u);
    for (const std::string& bad :
         std::vector<std::string>{"Hello world", "TSD1|FULL:0", "FULL:0#RAND no fields",
                                  std::string("FULL:0#RAND|\0|", 14)}) {
        EXPECT_THROW(CheckDownloadedScript(bad), EError) << bad;
    }
}

TEST(OnlineSettings, ReadFromTheConfigurationFile) {
    test::TTempDir dir;
    const auto ini = dir / "Marvolet_5z36.ini";
    test::WriteBytes(
        ini, Utf8ToCp1251(
                 "[ONLINE]\r\nServiceUrl=https://club.example:8443/ \r\nCaFile=/etc/club.pem\r\n"
                 "UserName=Иван\r\nUserMail=ivan@example.org\r\n"));
    TProxy proxy;
    proxy.Mode = 2;
    proxy.Server = "proxy.local";
    proxy.Port = 3128;
    const TOnlineService service = OnlineServiceFor(ini, proxy, nullptr);
    EXPECT_EQ(service.ServiceUrl, "https://club.example:8443");
    EXPECT_EQ(service.Http.ExtraCaFile, "/etc/club.pem");
    EXPECT_EQ(service.Client.UserName, "Иван");
    EXPECT_EQ(service.Client.UserMail, "ivan@example.org");
    EXPECT_EQ(service.Client.AppId, ServiceAppId);
    EXPECT_EQ(SplitWords(service.Client.AppVersion, ".").size(), 4u);
    ASSERT_TRUE(service.Http.Proxy);
    EXPECT_EQ(service.Http.Proxy->Server, "proxy.local");

    const TOnlineService none = OnlineServiceFor(dir / "missing.ini", TProxy{}, nullptr);
    EXPECT_EQ(none.ServiceUrl, "");
    EXPECT_EQ(none.Client.UserMail, "");
}

}  // namespace
}  // namespace mv
