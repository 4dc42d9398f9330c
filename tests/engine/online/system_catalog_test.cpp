#include "engine/online/system_catalog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "catalog_server.h"
#include "engine/core/errors.h"
#include "engine/stakes/systems.h"

namespace mv {
namespace {

using test::Reply;
using test::Tag;

constexpr const char* kList = "/scripts/sys_getlist.php";
constexpr const char* kGet = "/scripts/sys_getdata.php";
constexpr const char* kPut = "/scripts/sys_putdata.php";

std::string SystemRow(int id, int nums, int block, int csize, const std::string& mail,
                      const std::string& created = "2021-05-06 07:08:09") {
    return Tag("id", std::to_string(id)) + Tag("nums", std::to_string(nums)) +
           Tag("olap", std::to_string(block)) + Tag("csize", std::to_string(csize)) +
           Tag("title", Base64Encode("Система " + std::to_string(id))) +
           Tag("descr", Base64Encode("Описание")) + Tag("author", "Автор") + Tag("cl_mail", mail) +
           Tag("url", "example.org/s") + Tag("created", created) + Tag("last_download", "") +
           Tag("downloads", "x");
}

// Three combinations over 7 positions.
const std::string kCombs = "01 02 03 04 05\r\n03 04 05 06 07\r\n1-2-5-6-7\r\n";

class SystemCatalogTest : public ::testing::Test {
protected:
    template <class Fn>
    static std::string ErrorOf(Fn&& fn) {
        try {
            fn();
        } catch (const EError& e) {
            return e.what();
        }
        return std::string();
    }
    std::vector<TSystemInfo> List() {
        std::vector<TSystemInfo> rows;
        LoadSystemList(service, rows);
        return rows;
    }
    std::filesystem::path File(int nums, int block, int id) const {
        return SystemsFolder(data.Path()) / SystemFileName(nums, block, id);
    }

    test::TTempDir dir;
    test::TTempDir data;
    test::TCatalogServer server{dir.Path()};
    test::TRecordingHooks hooks;
    TOnlineService service = [this] {
        TOnlineService s = server.Service();
        s.Http.Hooks = &hooks;
        return s;
    }();
};

TEST_F(SystemCatalogTest, ListReadsRowsAndStates) {
    server.SetReply(kList, Reply({SystemRow(42, 7, 2, 3, "IVAN@example.org"),
                                  SystemRow(43, 10, 0, 30, "other@example.org"),
                                  SystemRow(44, 10, 0, 30, "")}));
    const auto rows = List();
    const test::TPosted posted = server.LastPosted();
    EXPECT_EQ(posted.Names(), (std::vector<std::string>{"comblen", "maxnums", "appid", "appver",
                                                        "cl_name", "cl_mail", "cl_lcid"}));
    EXPECT_EQ(posted.Value("comblen"), "5");
    EXPECT_EQ(posted.Value("maxnums"), "36");
    EXPECT_EQ(posted.Value("cl_name"), "Иван");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Id, 42);
    EXPECT_EQ(rows[0].Numbers, 7);
    EXPECT_EQ(rows[0].Block, 2);
    EXPECT_EQ(rows[0].Combinations, 3);
    EXPECT_EQ(rows[0].Title, "Система 42");
    EXPECT_EQ(rows[0].Link, "example.org/s");
    EXPECT_EQ(rows[0].Downloads, 0);
    const std::string mail = service.Client.UserMail;
    EXPECT_EQ(SystemRowState(rows[0], false, mail), TSystemRowState::OwnNotDownloaded);
    EXPECT_EQ(SystemRowState(rows[1], true, mail), TSystemRowState::ForeignDownloaded);
    EXPECT_EQ(SystemRowState(rows[2], true, mail), TSystemRowState::AnonymousDownloaded);
    // With an empty UserMail an anonymous entry is "own" by e-mail but not in an own state.
    EXPECT_TRUE(IsOwnSystem(rows[2], ""));
    EXPECT_FALSE(IsOwnState(SystemRowState(rows[2], false, "")));
    const auto texts = SystemCatalogRowTexts(rows[0], true);
    EXPECT_EQ(texts[2], "07");
    EXPECT_EQ(texts[6], "Загружена");

    server.SetReply(kList, "<result></result>");
    const auto empty = List();
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0].Id, -1);
    EXPECT_EQ(empty[0].Title, SystemPlaceholderTitle);
    EXPECT_EQ(SystemRowState(empty[0], false, mail), TSystemRowState::Placeholder);
    const auto placeholderTexts = SystemCatalogRowTexts(empty[0], false);
    EXPECT_EQ(placeholderTexts[2], "");
    EXPECT_EQ(placeholderTexts[4], "");

    server.SetReply(kList, Reply({SystemRow(42, 7, 2, 3, ""), Tag("id", "7") + Tag("nums", "x")}));
    std::vector<TSystemInfo> partial;
    const std::string error = ErrorOf([&] { LoadSystemList(service, partial); });
    EXPECT_EQ(error.rfind(std::string(SystemListError) + "\r\r", 0), 0u) << error;
    EXPECT_EQ(partial.size(), 1u);
}

TEST_F(SystemCatalogTest, DownloadKeepsOneSystemPerCountWithTheCreatedTime) {
    server.SetReply(kList, Reply({SystemRow(42, 7, 2, 3, ""), SystemRow(43, 7, 0, 3, ""),
                                  SystemRow(44, 8, 0, 3, "")}));
    const auto rows = List();
    std::filesystem::create_directories(SystemsFolder(data.Path()));
    test::WriteBytes(File(7, 0, 43), "old 7");
    test::WriteBytes(File(8, 0, 44), "old 8");
    server.SetReply(kGet, Reply({"<clist></clist>", Tag("clist", Base64Encode(kCombs)),
                                 Tag("clist", Base64Encode("garbage"))}));
    EXPECT_TRUE(DownloadSystemOnly(service, data.Path(), rows, 0));
    EXPECT_EQ(server.LastPosted().Names(), std::vector<std::string>{"sys_id"});
    EXPECT_EQ(server.LastPosted().Value("sys_id"), "42");
    EXPECT_EQ(test::ReadBytes(File(7, 2, 42)), kCombs);
    EXPECT_FALSE(std::filesystem::exists(File(7, 0, 43)));
    EXPECT_EQ(test::ReadBytes(File(8, 0, 44)), "old 8");
    struct stat st {};
    ASSERT_EQ(::stat(File(7, 2, 42).c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1620284889);  // 2021-05-06 07:08:09 UTC
    EXPECT_FALSE(SystemNeedsUpdate(data.Path(), rows[0]));
    EXPECT_TRUE(IsSystemDownloaded(data.Path(), rows[0]));

    // The system games read the file.
    const std::vector<std::uint8_t> numbers = {11, 12, 13, 14, 15, 16, 17};
    EXPECT_EQ(ReadSystemFile(File(7, 2, 42), numbers).Count(), 3u);
}

TEST_F(SystemCatalogTest, RefusedOrFailedDownloadsTouchNothing) {
    server.SetReply(kList, Reply({SystemRow(42, 7, 2, 3, ""), SystemRow(43, 7, 0, 3, "")}));
    const auto rows = List();
    std::filesystem::create_directories(SystemsFolder(data.Path()));
    test::WriteBytes(File(7, 2, 42), "old 42");
    test::WriteBytes(File(7, 0, 43), "old 43");
    struct TCase {
        std::string Text;
        test::TReplyMode Mode;
        std::string Reason;
    };
    const TCase cases[] = {
        {"01 02 03 04 05\r\n", test::TReplyMode::Normal,
         "Количество скачанных комбинаций ( 1 ) отличается от ожидаемого значения ( 3 )"},
        {"", test::TReplyMode::Normal,
         "Количество скачанных комбинаций ( 0 ) отличается от ожидаемого значения ( 3 )"},
        {"01 02 03 04 05\r\n01 02 03 04 08\r\n1 2 3 4 5\r\n", test::TReplyMode::Normal, "Строка 2"},
        {"01 02 03 04 05\r\n01 02 03 04 04\r\n1 2 3 4 5\r\n", test::TReplyMode::Normal, "Строка 2"},
        {"01 02 03 04 05\r\n01 02 03 04\r\n1 2 3 4 5\r\n", test::TReplyMode::Normal, "Строка 2"},
        {"<html>\r\n<body>\r\n</html>\r\n", test::TReplyMode::Normal, "Строка 1"},
        {kCombs, test::TReplyMode::Stall, ""},
        {kCombs, test::TReplyMode::Cut, ""},
    };
    for (const auto& c : cases) {
        std::string text = c.Text;
        server.SetReply(kGet, Reply({Tag("clist", Base64Encode(text))}), c.Mode);
        const std::string error =
            ErrorOf([&] { DownloadSystemOnly(service, data.Path(), rows, 0); });
        EXPECT_EQ(error.rfind("Ошибка загрузки системы #42!\r\r", 0), 0u) << error;
        EXPECT_NE(error.find(c.Reason), std::string::npos) << error;
        EXPECT_EQ(test::ReadBytes(File(7, 2, 42)), "old 42");
        EXPECT_EQ(test::ReadBytes(File(7, 0, 43)), "old 43");
    }
    // Several selected rows: a failure is shown and the next row follows.
    server.SetReply(kGet, Reply({Tag("clist", Base64Encode("1 2 3 4 5"))}));
    const auto done = DownloadSelectedSystems(service, data.Path(), rows, {0, 1});
    EXPECT_EQ(done, (std::vector<bool>{false, false}));
    EXPECT_EQ(hooks.Messages.size(), 2u);
}

TEST_F(SystemCatalogTest, RefreshDownloadsChangedSystemsAgain) {
    std::filesystem::create_directories(SystemsFolder(data.Path()));
    test::WriteBytes(File(7, 2, 42), "stale");
    server.SetReply(kList, Reply({SystemRow(42, 7, 2, 3, "")}));
    server.SetReply(kGet, Reply({Tag("clist", Base64Encode(kCombs))}));
    std::vector<TSystemInfo> rows = {SystemPlaceholder()};
    RefreshSystemList(service, data.Path(), rows);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(test::ReadBytes(File(7, 2, 42)), kCombs);
    EXPECT_FALSE(SystemNeedsUpdate(data.Path(), rows[0]));
    TSystemInfo timeless = rows[0];
    timeless.Created = 0;
    EXPECT_FALSE(SystemNeedsUpdate(data.Path(), timeless));
    // Unchanged now: the next refresh asks only for the list.
    const std::size_t requests = server.Posted().size();
    RefreshSystemList(service, data.Path(), rows);
    EXPECT_EQ(server.Posted().size(), requests + 1);
    EXPECT_TRUE(hooks.Messages.empty());
}

TEST_F(SystemCatalogTest, StoreAndDelete) {
    TSystemData system = NewSystemData(service.Client);
    EXPECT_EQ(system.Id, 0);
    EXPECT_EQ(system.Author, "Иван");
    system.Title = "Моя \"система\"";
    system.Description = "Описание";
    system.Numbers = 6;
    system.Block = 1;
    system.Combinations = 2;
    system.Link = "http://example.org/a?b=c";
    system.CombinationText = "01 02 03 04 05\r\n01 02 03 04 06\r\n";
    server.SetReply(
        kPut, Reply({Tag("id_systems", "-1"), Tag("id_systems", "77"), Tag("id_systems", "78")}));
    EXPECT_EQ(PutSystem(service, system, false), 77);
    test::TPosted posted = server.LastPosted();
    EXPECT_EQ(posted.Names(),
              (std::vector<std::string>{"del_mode", "sys_id", "nums", "clen", "olap", "title",
                                        "descr", "csize", "clist", "url", "appid", "appver",
                                        "cl_name", "cl_mail", "cl_lcid"}));
    EXPECT_EQ(posted.Value("del_mode"), "0");
    EXPECT_EQ(posted.Value("sys_id"), "0");
    EXPECT_EQ(posted.Value("nums"), "6");
    EXPECT_EQ(posted.Value("clen"), "5");
    EXPECT_EQ(posted.Value("olap"), "1");
    EXPECT_EQ(posted.Value("title"), "Моя \\\"система\\\"");
    EXPECT_EQ(posted.Value("csize"), "2");
    EXPECT_EQ(posted.Value("clist"), Base64Encode("01 02 03 04 05\\r\\n01 02 03 04 06\\r\\n"));
    EXPECT_EQ(posted.Value("url"), "http://example.org/a?b=c");
    EXPECT_EQ(posted.Value("cl_mail"), "ivan@example.org");

    system.Id = 77;
    for (const auto& [reply, id] : std::vector<std::pair<std::string, int>>{
             {Reply({Tag("id_systems", "5")}), 5},
             {Reply({Tag("id_systems", "x")}), -1},
             {Reply({Tag("id_systems", "-3"), Tag("id_systems", "-2")}), -2},
             {"<result></result>", -1}}) {
        server.SetReply(kPut, reply);
        EXPECT_EQ(PutSystem(service, system, true), id) << reply;
    }
    posted = server.LastPosted();
    EXPECT_EQ(posted.Value("del_mode"), "1");
    EXPECT_EQ(posted.Value("clist"), "");

    server.SetReply(kPut, Reply({Tag("error", "Система принадлежит другому пользователю.")}));
    EXPECT_EQ(ErrorOf([&] { PutSystem(service, system, false); }),
              "Ошибка сохранения системы #77!\r\rСистема принадлежит другому пользователю.");
}

}  // namespace
}  // namespace mv
