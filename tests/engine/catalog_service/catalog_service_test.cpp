// The catalog service run as a process on a fresh database over HTTPS, spoken to with the
// program's own request functions and codecs.
#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <spawn.h>
#include <sys/wait.h>
#include <zlib.h>

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/core/errors.h"
#include "engine/net/http.h"
#include "engine/net/service_codec.h"
#include "operator_site.h"
#include "test_support.h"

extern char** environ;

namespace mv {
namespace {

struct TUser {
    std::string Name;
    std::string Mail;
};

const TUser kAlice{"Алиса \"Зелёная\"", "alice@club.example"};
const TUser kBob{"Bob O'Neil", "bob@club.example"};
const TUser kCarol{"Carol", "carol@club.example"};

std::string Tag(const std::string& row, const std::string& tag) {
    return ExtractTagValue(row, "<" + tag + ">", "</" + tag + ">", TMissingClose::Raise);
}

// The rows of a reply, as the catalogs' clients walk them.
std::vector<std::string> Rows(const std::string& reply) {
    std::string rest = ExtractTagValue(reply, "<result>", "</result>", TMissingClose::Raise);
    std::vector<std::string> rows;
    for (std::string row;
         !(row = TakeTagValue(rest, "<row>", "</row>", TMissingClose::Raise)).empty();)
        rows.push_back(row);
    return rows;
}

std::string ErrorOf(const std::string& reply) {
    const auto rows = Rows(reply);
    return rows.empty() ? std::string() : Tag(rows.front(), "error");
}

// Runs a program to its end; its exit status, or -1.
int RunProgram(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class CatalogServiceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_certDir = new test::TTempDir;
        ASSERT_TRUE(test::MakeSelfSignedCertificate(s_certDir->Path()));
    }
    static void TearDownTestSuite() {
        delete s_certDir;
        s_certDir = nullptr;
    }

    void SetUp() override {
        options.ExtraCaFile = (s_certDir->Path() / "cert.pem").string();
        service = std::make_unique<test::TServerProcess>(
            MV_CATALOG_SERVICE_PATH,
            std::vector<std::string>{
                "serve", "--db", db.string(), "--cert", (s_certDir->Path() / "cert.pem").string(),
                "--key", (s_certDir->Path() / "key.pem").string(), "--max-body", "65536"},
            true);
    }

    std::string Post(const std::string& operation, const std::vector<std::string>& fields) {
        return HttpPostForm(service->Url("/scripts/" + operation), fields, true, options);
    }

    static std::vector<std::string> Client(const TUser& user) {
        return {"appid=" + std::string(ServiceAppId), "appver=13.6.1.200",
                "cl_name=" + EscapeServiceText(user.Name),
                "cl_mail=" + EscapeServiceText(user.Mail), "cl_lcid=1049"};
    }

    static std::vector<std::string> Join(std::vector<std::string> a,
                                         const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }

    // Publishes (id -1) or replaces a scenario; the reply.
    std::string PutScript(const TUser& user, const std::string& title,
                          const std::string& script = "Строка 1\r\nСтрока 2", int id = -1,
                          bool isPublic = true, const std::string& descr = "Описание") {
        return Post(
            "scr_putscript.php",
            Join({"del_mode=0", "scr_id=" + std::to_string(id), "scr_uniapps=0",
                  std::string("scr_publics=") + (isPublic ? "1" : "0"),
                  "scr_title=" + EscapeServiceText(title), "scr_descr=" + EscapeServiceText(descr),
                  "scr_script=" + EscapeServiceText(script)},
                 Client(user)));
    }

    int Publish(const TUser& user, const std::string& title, bool isPublic = true) {
        const std::string reply = PutScript(user, title, "Строка", -1, isPublic);
        const auto rows = Rows(reply);
        if (rows.empty()) return -1;
        EXPECT_EQ(Tag(rows.front(), "error"), "");
        return std::stoi(Tag(rows.front(), "id_scripts"));
    }

    std::string DeleteScript(const TUser& user, int id) {
        return Post("scr_putscript.php",
                    Join({"del_mode=1", "scr_id=" + std::to_string(id), "scr_uniapps=0",
                          "scr_publics=1", "scr_title=", "scr_descr="},
                         Client(user)));
    }

    std::string Rate(const TUser& user, int id, int value, const std::string& notes = "") {
        return Post("scr_setrate.php",
                    Join({"scr_id=" + std::to_string(id), "rate_value=" + std::to_string(value),
                          "rate_notes=" + EscapeServiceText(notes)},
                         Client(user)));
    }

    std::vector<std::string> List(const TUser& user, int filter) {
        return Rows(
            Post("scr_getlist.php", Join({"fltid=" + std::to_string(filter)}, Client(user))));
    }

    std::set<std::string> ListedTitles(const TUser& user, int filter) {
        std::set<std::string> titles;
        for (const auto& row : List(user, filter)) titles.insert(Base64Decode(Tag(row, "title")));
        return titles;
    }

    static std::vector<std::string> SystemFields(int deleteMode, int id, const std::string& title,
                                                 const std::string& combinations, int count) {
        return {
            "del_mode=" + std::to_string(deleteMode),
            "sys_id=" + std::to_string(id),
            "nums=7",
            "clen=5",
            "olap=2",
            "title=" + EscapeServiceText(title),
            "descr=" + EscapeServiceText("Гарантия 3 из 5"),
            "csize=" + std::to_string(count),
            "clist=" + (deleteMode ? std::string() : Base64Encode(EscapeServiceText(combinations))),
            "url=https://club.example/systems?id=1&x=\"y\""};
    }

    static inline test::TTempDir* s_certDir = nullptr;
    test::TTempDir dir;
    std::filesystem::path db = dir / "catalog.db";
    THttpOptions options;
    std::unique_ptr<test::TServerProcess> service;
};

TEST_F(CatalogServiceTest, PublishedScenarioReadsBackExactly) {
    // SQL-looking and escaped characters are stored and returned as they were typed.
    const std::string title = "Robert'); DROP TABLE scripts;-- \"вариант\" \\ ?";
    const std::string script = "Строка 1\r\nСтрока\t2 'x' \"y\" \\z\r\n";
    const auto rows0 = Rows(PutScript(kAlice, title, script, -1, true, "Описание\r\nвторое"));
    ASSERT_EQ(rows0.size(), 1u);
    const int id = std::stoi(Tag(rows0.front(), "id_scripts"));
    EXPECT_GT(id, 0);

    const auto rows = List(kBob, 1);
    ASSERT_EQ(rows.size(), 1u);
    const std::string& row = rows.front();
    EXPECT_EQ(Tag(row, "id"), std::to_string(id));
    EXPECT_EQ(Tag(row, "key_cl_name"), kAlice.Name);
    EXPECT_EQ(Tag(row, "key_cl_mail"), kAlice.Mail);
    EXPECT_EQ(Tag(row, "key_cl_lcid"), "1049");
    EXPECT_EQ(Tag(row, "app_name"), "Marvolet_5z36");
    EXPECT_EQ(Tag(row, "app_ver"), "13.6.1.200");
    EXPECT_EQ(Tag(row, "app_guid"), ServiceAppId);
    EXPECT_EQ(Tag(row, "uniapps"), "0");
    EXPECT_EQ(Tag(row, "publics"), "1");
    EXPECT_GT(ParseServiceTime(Tag(row, "created")), 0);
    EXPECT_EQ(Tag(row, "rating_cnt"), "0");
    EXPECT_EQ(Tag(row, "rating_you"), "0");
    EXPECT_EQ(Tag(row, "downloads"), "0");
    EXPECT_EQ(Tag(row, "last_download"), "");
    EXPECT_EQ(Base64Decode(Tag(row, "title")), title);
    EXPECT_EQ(Base64Decode(Tag(row, "descr")), "Описание\r\nвторое");

    const auto data = Rows(Post("scr_getdata.php", {"scr_id=" + std::to_string(id)}));
    ASSERT_EQ(data.size(), 1u);
    EXPECT_EQ(data.front().rfind("<script>", 0), 0u);
    EXPECT_EQ(Base64Decode(Tag(data.front(), "script")), script);
    const auto after = List(kBob, 1);
    EXPECT_EQ(Tag(after.front(), "downloads"), "1");
    EXPECT_GT(ParseServiceTime(Tag(after.front(), "last_download")), 0);

    // The title check: taken in any letter case by another entry, free for the entry itself.
    const auto check = [&](int scrId, const std::string& t) {
        return Tag(Rows(Post("scr_chktitle.php", {"scr_id=" + std::to_string(scrId),
                                                  "scr_title=" + EscapeServiceText(t)}))
                       .front(),
                   "ret_code");
    };
    EXPECT_EQ(check(-1, "ROBERT'); drop table scripts;-- \"ВАРИАНТ\" \\ ?"), "1");
    EXPECT_EQ(check(id, title), "0");
    EXPECT_EQ(check(-1, "Другое название"), "0");
    EXPECT_EQ(ErrorOf(PutScript(kBob, title)), "Сценарий с таким названием уже существует.");
    EXPECT_EQ(ErrorOf(Post("scr_getdata.php", {"scr_id=999"})), "Сценарий не найден.");
}

TEST_F(CatalogServiceTest, OnlyTheOwnerReplacesOrDeletes) {
    const int id = Publish(kAlice, "Первый");
    EXPECT_EQ(ErrorOf(PutScript(kBob, "Чужой", "x", id)),
              "Сценарий принадлежит другому пользователю.");
    EXPECT_EQ(ErrorOf(DeleteScript(kBob, id)), "Сценарий принадлежит другому пользователю.");
    EXPECT_EQ(ListedTitles(kBob, 1), std::set<std::string>{"Первый"});

    // The owner is known by the e-mail address in any letter case.
    const TUser aliceShouting{kAlice.Name, "ALICE@Club.Example"};
    const auto replaced = Rows(PutScript(aliceShouting, "Второй", "новый текст", id));
    ASSERT_EQ(replaced.size(), 1u);
    EXPECT_EQ(Tag(replaced.front(), "id_scripts"), std::to_string(id));
    EXPECT_EQ(ListedTitles(kBob, 1), std::set<std::string>{"Второй"});
    EXPECT_EQ(
        Base64Decode(
            Tag(Rows(Post("scr_getdata.php", {"scr_id=" + std::to_string(id)})).front(), "script")),
        "новый текст");

    EXPECT_EQ(Tag(Rows(DeleteScript(aliceShouting, id)).front(), "id_scripts"), "0");
    EXPECT_TRUE(List(kAlice, 0).empty());
    EXPECT_EQ(ErrorOf(DeleteScript(kAlice, id)), "Сценарий не найден.");
}

TEST_F(CatalogServiceTest, RatingRules) {
    const int id = Publish(kAlice, "Оцениваемый");
    EXPECT_EQ(ErrorOf(Rate(kAlice, id, 5)), "Нельзя оценивать собственный сценарий.");
    for (const char* bad : {"6", "-2", "x", "4.5", ""}) {
        const std::string reply = Post(
            "scr_setrate.php",
            Join({"scr_id=" + std::to_string(id), std::string("rate_value=") + bad, "rate_notes="},
                 Client(kBob)));
        EXPECT_EQ(ErrorOf(reply), "Недопустимое значение оценки.") << bad;
    }

    EXPECT_EQ(Tag(Rows(Rate(kBob, id, 4, "Неплохо, \"но\" можно лучше")).front(), "res_code"), "0");
    Rate(kCarol, id, 2, "Так себе");
    auto row = List(kBob, 1).front();
    EXPECT_EQ(Tag(row, "rating_cnt"), "2");
    EXPECT_DOUBLE_EQ(std::stod(Tag(row, "rating_avg")), 3.0);
    EXPECT_EQ(Tag(row, "rating_you"), "4");

    // A new rating replaces the user's old one; 0 removes it.
    Rate(kBob, id, 5, "Передумал");
    row = List(kBob, 1).front();
    EXPECT_EQ(Tag(row, "rating_cnt"), "2");
    EXPECT_DOUBLE_EQ(std::stod(Tag(row, "rating_avg")), 3.5);
    std::map<std::string, std::string> byName;
    for (const auto& rate : Rows(Post("scr_getrates.php", {"scr_id=" + std::to_string(id)}))) {
        EXPECT_EQ(Tag(rate, "app_name"), "Marvolet_5z36");
        EXPECT_EQ(Tag(rate, "app_ver"), "13.6.1.200");
        EXPECT_GT(ParseServiceTime(Tag(rate, "created")), 0);
        byName[Tag(rate, "key_cl_name")] = Tag(rate, "rate") + " " + Tag(rate, "notes");
    }
    EXPECT_EQ(byName, (std::map<std::string, std::string>{{"Carol", "2 Так себе"},
                                                          {kBob.Name, "5 Передумал"}}));

    Rate(kBob, id, 0);
    row = List(kBob, 1).front();
    EXPECT_EQ(Tag(row, "rating_cnt"), "1");
    EXPECT_EQ(Tag(row, "rating_you"), "0");

    // Hiding is allowed, also for the own entry, and counts as no rating.
    EXPECT_EQ(ErrorOf(Rate(kAlice, id, -1)), "");
    EXPECT_EQ(Tag(List(kAlice, 0).front(), "rating_you"), "-1");
    EXPECT_EQ(Tag(List(kAlice, 0).front(), "rating_cnt"), "1");
}

TEST_F(CatalogServiceTest, FiltersAndPrivateEntries) {
    const int rated = Publish(kAlice, "A");
    const int hidden = Publish(kCarol, "C");
    Publish(kCarol, "D");
    const int privateId = Publish(kAlice, "B", false);
    Rate(kBob, rated, 3);
    Rate(kBob, hidden, -1);

    const std::map<int, std::set<std::string>> forBob = {
        {-1, {"C"}},     {0, {"A", "C", "D"}}, {1, {"A", "D"}}, {2, {}},
        {3, {"A", "D"}}, {4, {"A"}},           {5, {"D"}},      {6, {"A", "D"}},
    };
    for (const auto& [filter, titles] : forBob)
        EXPECT_EQ(ListedTitles(kBob, filter), titles) << "fltid " << filter;
    EXPECT_EQ(ListedTitles(kAlice, 2), (std::set<std::string>{"A", "B"}));
    EXPECT_EQ(ListedTitles(kAlice, 3), (std::set<std::string>{"A", "C", "D"}));
    EXPECT_EQ(ErrorOf(Post("scr_getlist.php", Join({"fltid=7"}, Client(kBob)))),
              "Недопустимое значение поля \"fltid\".");

    // A private entry is neither downloadable nor rateable by others; its owner gets it by
    // naming themselves.
    const std::string idField = "scr_id=" + std::to_string(privateId);
    EXPECT_EQ(ErrorOf(Post("scr_getdata.php", {idField})), "Сценарий не найден.");
    EXPECT_EQ(ErrorOf(Post("scr_getdata.php", {idField, "cl_mail=" + kBob.Mail})),
              "Сценарий не найден.");
    EXPECT_EQ(ErrorOf(Rate(kBob, privateId, 5)), "Сценарий не найден.");
    EXPECT_EQ(ErrorOf(Post("scr_getrates.php", {idField})), "Сценарий не найден.");
    EXPECT_EQ(Rows(Post("scr_getdata.php", {idField, "cl_mail=" + kAlice.Mail})).size(), 1u);
}

TEST_F(CatalogServiceTest, SystemsCatalog) {
    const std::string combinations = "01 02 03 04 05\r\n01 02 03 04 06\r\n03 04 05 06 07\r\n";
    const std::string stored =
        Post("sys_putdata.php",
             Join(SystemFields(0, 0, "Система «7»", combinations, 3), Client(kAlice)));
    ASSERT_EQ(ErrorOf(stored), "");
    const std::string id = Tag(Rows(stored).front(), "id_systems");
    EXPECT_GT(std::stoi(id), 0);

    const auto listFor = [&](const TUser& user, int maxNums) {
        return Rows(Post("sys_getlist.php",
                         Join({"comblen=5", "maxnums=" + std::to_string(maxNums)}, Client(user))));
    };
    auto rows = listFor(kBob, 36);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Tag(rows[0], "id"), id);
    EXPECT_EQ(Tag(rows[0], "nums"), "7");
    EXPECT_EQ(Tag(rows[0], "olap"), "2");
    EXPECT_EQ(Tag(rows[0], "csize"), "3");
    EXPECT_EQ(Base64Decode(Tag(rows[0], "title")), "Система «7»");
    EXPECT_EQ(Base64Decode(Tag(rows[0], "descr")), "Гарантия 3 из 5");
    EXPECT_EQ(Tag(rows[0], "author"), kAlice.Name);
    EXPECT_EQ(Tag(rows[0], "cl_mail"), kAlice.Mail);
    EXPECT_EQ(Tag(rows[0], "url"), "https://club.example/systems?id=1&x=\"y\"");
    EXPECT_GT(ParseServiceTime(Tag(rows[0], "created")), 0);
    EXPECT_EQ(Tag(rows[0], "downloads"), "0");
    EXPECT_TRUE(listFor(kBob, 6).empty());

    const auto data = Rows(Post("sys_getdata.php", {"sys_id=" + id}));
    ASSERT_EQ(data.size(), 1u);
    EXPECT_EQ(Base64Decode(Tag(data[0], "clist")), combinations);
    EXPECT_EQ(Tag(listFor(kBob, 36)[0], "downloads"), "1");

    const int sysId = std::stoi(id);
    EXPECT_EQ(ErrorOf(Post("sys_putdata.php",
                           Join(SystemFields(0, sysId, "Чужая", combinations, 3), Client(kBob)))),
              "Система принадлежит другому пользователю.");
    EXPECT_EQ(
        ErrorOf(Post("sys_putdata.php", Join(SystemFields(1, sysId, "", "", 0), Client(kBob)))),
        "Система принадлежит другому пользователю.");
    EXPECT_EQ(ErrorOf(Post("sys_putdata.php",
                           Join(SystemFields(0, sysId, "Новая", combinations, 2), Client(kAlice)))),
              "Список комбинаций не соответствует количеству и длине комбинаций.");
    EXPECT_EQ(
        ErrorOf(Post("sys_putdata.php",
                     Join(SystemFields(0, sysId, "Новая", "01 02 03\r\n", 1), Client(kAlice)))),
        "Список комбинаций не соответствует количеству и длине комбинаций.");
    // Without the author's identity a store is refused.
    EXPECT_EQ(ErrorOf(Post("sys_putdata.php",
                           Join(SystemFields(0, 0, "Ничья", combinations, 3),
                                {"appid=" + std::string(ServiceAppId), "appver=13.6.1.200"}))),
              "Не указано поле \"cl_name\".");

    const std::string edited =
        Post("sys_putdata.php",
             Join(SystemFields(0, sysId, "Новая", "01 02 03 04 05\r\n", 1), Client(kAlice)));
    EXPECT_EQ(Tag(Rows(edited).front(), "id_systems"), id);
    rows = listFor(kBob, 36);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Base64Decode(Tag(rows[0], "title")), "Новая");
    EXPECT_EQ(Tag(rows[0], "csize"), "1");

    EXPECT_EQ(
        Tag(Rows(Post("sys_putdata.php", Join(SystemFields(1, sysId, "", "", 0), Client(kAlice))))
                .front(),
            "id_systems"),
        "0");
    EXPECT_TRUE(listFor(kBob, 36).empty());
}

TEST_F(CatalogServiceTest, MalformedFieldsAreRefusedByName) {
    const int id = Publish(kAlice, "Цель");
    const std::string scrId = "scr_id=" + std::to_string(id);
    struct TCase {
        std::string Operation;
        std::vector<std::string> Fields;
        std::string Error;
    };
    const auto client = Client(kBob);
    const std::vector<TCase> cases = {
        {"scr_chktitle.php",
         {scrId, "scr_title=" + std::string(256, 'x')},
         "Слишком длинное поле \"scr_title\"."},
        {"scr_setrate.php",
         Join({scrId, "rate_value=4", "rate_notes=" + std::string(2001, 'n')}, client),
         "Слишком длинное поле \"rate_notes\"."},
        {"scr_getlist.php",
         {"fltid=1", "appid=x", "appver=1", "cl_name=" + std::string(65, 'n'), "cl_mail=m",
          "cl_lcid=1049"},
         "Слишком длинное поле \"cl_name\"."},
        {"scr_getlist.php", Join({"fltid=1x"}, client), "Недопустимое значение поля \"fltid\"."},
        {"scr_getlist.php", Join({"fltid= 1"}, client), "Недопустимое значение поля \"fltid\"."},
        {"scr_getdata.php", {"scr_id=99999999999"}, "Недопустимое значение поля \"scr_id\"."},
        {"scr_getlist.php",
         {"fltid=1", "appid=x", "appver=1", "cl_name=n", "cl_lcid=1049"},
         "Не указано поле \"cl_mail\"."},
        {"scr_getdata.php", {scrId, scrId}, "Поле \"scr_id\" указано несколько раз."},
        {"scr_getdata.php", {scrId, "x</error>=1"}, "Неверный формат запроса."},
        {"scr_chktitle.php",
         {scrId, "scr_title=a\\xb"},
         "Неверная экранированная последовательность в поле \"scr_title\"."},
        {"scr_chktitle.php",
         {scrId, "scr_title=\xFF\xFE"},
         "Поле \"scr_title\" не в кодировке UTF-8."},
        // Texts that replies carry as they are cannot hold a tag.
        {"scr_setrate.php",
         Join({scrId, "rate_value=4", "rate_notes=</notes><error>x</error>"}, client),
         "Недопустимый символ \"<\" в поле \"rate_notes\"."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf(Post(c.Operation, c.Fields)), c.Error) << c.Operation << " " << c.Error;

    // The limit counts the stored text, not its escaped form.
    EXPECT_EQ(ErrorOf(Post("scr_chktitle.php",
                           {scrId, "scr_title=" + EscapeServiceText(std::string(255, '\\'))})),
              "");

    // The body limit of this service is 64 KiB.
    EXPECT_THROW(PutScript(kAlice, "Большой", std::string(70000, 's')), EError);
    EXPECT_THROW(Post("no_such.php", {scrId}), EError);
    EXPECT_EQ(ListedTitles(kBob, 0), std::set<std::string>{"Цель"});
}

// The description file's keys of one section.
std::map<std::string, std::string> Section(const std::string& text, const std::string& name) {
    std::map<std::string, std::string> keys;
    bool inside = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.front() == '[') {
            inside = line == "[" + name + "]";
        } else if (inside && line.find('=') != std::string::npos) {
            keys[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
        }
    }
    return keys;
}

class ReleaseTest : public CatalogServiceTest {
protected:
    void SetUp() override {
        CatalogServiceTest::SetUp();
        ASSERT_EQ(std::system(("openssl genpkey -algorithm ed25519 -out '" +
                               (dir / "signing.pem").string() + "' 2>/dev/null")
                                  .c_str()),
                  0);
        // The verifying side gets only the raw public key, as the program does.
        std::FILE* file = std::fopen((dir / "signing.pem").c_str(), "rb");
        ASSERT_NE(file, nullptr);
        EVP_PKEY* priv = PEM_read_PrivateKey(file, nullptr, nullptr, nullptr);
        std::fclose(file);
        ASSERT_NE(priv, nullptr);
        unsigned char raw[32];
        std::size_t rawLength = sizeof raw;
        ASSERT_EQ(EVP_PKEY_get_raw_public_key(priv, raw, &rawLength), 1);
        EVP_PKEY_free(priv);
        publicKey = EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, raw, rawLength);
        ASSERT_NE(publicKey, nullptr);
    }
    void TearDown() override { EVP_PKEY_free(publicKey); }

    bool Verifies(const std::string& data, const std::string& signatureBase64) {
        const std::string signature = Base64Decode(signatureBase64);
        EVP_MD_CTX* ctx = EVP_MD_CTX_new();
        const bool ok =
            EVP_DigestVerifyInit(ctx, nullptr, nullptr, nullptr, publicKey) == 1 &&
            EVP_DigestVerify(ctx, reinterpret_cast<const unsigned char*>(signature.data()),
                             signature.size(), reinterpret_cast<const unsigned char*>(data.data()),
                             data.size()) == 1;
        EVP_MD_CTX_free(ctx);
        return ok;
    }

    int Release(const std::string& version, const std::string& package,
                const std::vector<std::string>& extra = {}) {
        test::WriteBytes(dir / "package.zip", package);
        std::vector<std::string> args = {MV_CATALOG_SERVICE_PATH,
                                         "release",
                                         "--db",
                                         db.string(),
                                         "--signing-key",
                                         (dir / "signing.pem").string(),
                                         "--base-url",
                                         service->Url("/"),
                                         "--program",
                                         "Marvolet_5z36",
                                         "--version",
                                         version,
                                         "--package",
                                         (dir / "package.zip").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return RunProgram(args);
    }

    std::string Fetch(const std::string& path) {
        const auto target = dir / "fetched";
        HttpGetToFile(service->Url("/files/autoupdates/" + path), target, options);
        return test::ReadBytes(target);
    }

    EVP_PKEY* publicKey = nullptr;
};

TEST_F(ReleaseTest, SignedDescriptionNamesTheLatestRelease) {
    const std::string package("PK\x03\x04 first package \0 bytes", 27);
    test::WriteBytes(dir / "notes.txt", "Исправлены ошибки.\n");
    ASSERT_EQ(Release("13.6.1.201", package,
                      {"--description", "Весенний выпуск", "--notes", (dir / "notes.txt").string(),
                       "--lang", "RUS", "--delete-after", "old.dat; help/old.chm"}),
              0);

    std::string description = Fetch("Quelm_AU.cfg");
    EXPECT_TRUE(Verifies(description, Fetch("Quelm_AU.cfg.sig")));
    auto keys = Section(description, "Marvolet_5z36");
    EXPECT_EQ(keys["VerId"], "13.6.1.201");
    EXPECT_EQ(keys["Description"], "Весенний выпуск");
    EXPECT_EQ(keys["OriginalFileName"], "Marvolet_5z36_13.6.1.201.zip");
    EXPECT_EQ(keys["DownloadUrl"],
              service->Url("/files/autoupdates/packages/Marvolet_5z36_13.6.1.201.zip"));
    EXPECT_EQ(keys["DeleteAfter"], "old.dat; help/old.chm");
    char crc[16];
    std::snprintf(crc, sizeof crc, "%08lX",
                  crc32(0L, reinterpret_cast<const Bytef*>(package.data()),
                        static_cast<uInt>(package.size())));
    EXPECT_EQ(keys["ChecksumCRC32"], crc);

    const auto downloaded = dir / "downloaded.zip";
    HttpGetToFile(keys["DownloadUrl"], downloaded, options);
    EXPECT_EQ(test::ReadBytes(downloaded), package);
    EXPECT_TRUE(Verifies(package, keys["PackageSignature"]));
    EXPECT_FALSE(Verifies(package + "x", keys["PackageSignature"]));
    EXPECT_EQ(Fetch("UpdDescr/UpdDescr_RUS_13.6.1.201.txt"), "Исправлены ошибки.\n");
    EXPECT_THROW(Fetch("UpdDescr/UpdDescr_13.6.1.201.txt"), EError);

    // The second release takes the first one's place, under a new signature.
    ASSERT_EQ(Release("13.6.1.202", "PK second", {"--original-name", "update202.zip"}), 0);
    description = Fetch("Quelm_AU.cfg");
    EXPECT_TRUE(Verifies(description, Fetch("Quelm_AU.cfg.sig")));
    keys = Section(description, "Marvolet_5z36");
    EXPECT_EQ(keys["VerId"], "13.6.1.202");
    EXPECT_EQ(keys["OriginalFileName"], "update202.zip");
    EXPECT_EQ(keys["DeleteAfter"], "");
    EXPECT_EQ(Fetch("packages/update202.zip"), "PK second");
    EXPECT_TRUE(Verifies("PK second", keys["PackageSignature"]));
}

TEST_F(ReleaseTest, BadReleasesStoreNothing) {
    // The TLS key is RSA, not Ed25519; a version needs four numbers; a package name stays a
    // plain file name.
    const std::string rsaKey = (s_certDir->Path() / "key.pem").string();
    EXPECT_NE(RunProgram({MV_CATALOG_SERVICE_PATH, "release", "--db", db.string(), "--signing-key",
                          rsaKey, "--base-url", "https://x", "--program", "Marvolet_5z36",
                          "--version", "1.2.3.4", "--package", rsaKey}),
              0);
    EXPECT_NE(Release("13.6.1", "PK"), 0);
    EXPECT_NE(Release("13.6.1.5", "PK", {"--original-name", "../evil.zip"}), 0);
    EXPECT_NE(Release("13.6.1.5", "PK", {"--description", "two\nlines"}), 0);
    EXPECT_THROW(Fetch("Quelm_AU.cfg"), EError);
}

}  // namespace
}  // namespace mv
