#include "catalog.h"

#include <climits>
#include <functional>
#include <iostream>
#include <map>
#include <vector>

#include "protocol.h"

namespace catalog {

namespace {

// Field limits, in bytes of the stored (un-escaped) UTF-8 text.
constexpr std::size_t kAppIdLimit = 64;
constexpr std::size_t kAppVerLimit = 20;
constexpr std::size_t kNameLimit = 64;
constexpr std::size_t kMailLimit = 254;
constexpr std::size_t kTitleLimit = 255;
constexpr std::size_t kDescrLimit = 16 * 1024;
constexpr std::size_t kScriptLimit = 256 * 1024;
constexpr std::size_t kNotesLimit = 2000;
constexpr std::size_t kUrlLimit = 2048;
constexpr std::size_t kCombinationsLimit = 256 * 1024;

// The programs this service knows by their identifier; others are shown by the identifier.
struct TKnownProgram {
    const char* AppId;
    const char* Name;
};
constexpr TKnownProgram kKnownPrograms[] = {
    {"{6F1C2B7E-5A39-4D8E-9B36-053600A5E36F}", "Marvolet_5z36"},
};

std::string AppName(const std::string& appId) {
    for (const auto& known : kKnownPrograms) {
        if (FoldCase(appId) == FoldCase(known.AppId)) return known.Name;
    }
    return appId;
}

// Who sends the request: the fields every catalog request but the simplest carries.
struct TClient {
    std::string AppId;
    std::string AppVer;
    std::string Name;
    std::string Mail;
    std::string Key;  // the case-folded e-mail: the owner identity
    int Lcid = 0;
};

TClient ReadClient(const TForm& form) {
    TClient c;
    c.AppId = form.Plain("appid", kAppIdLimit);
    RequireNoTag("appid", c.AppId);
    c.AppVer = form.Plain("appver", kAppVerLimit);
    RequireNoTag("appver", c.AppVer);
    c.Name = form.Escaped("cl_name", kNameLimit);
    RequireNoTag("cl_name", c.Name);
    c.Mail = form.Escaped("cl_mail", kMailLimit);
    RequireNoTag("cl_mail", c.Mail);
    c.Key = FoldCase(Trim(c.Mail));
    c.Lcid = form.Int("cl_lcid", 0, INT_MAX);
    return c;
}

// The owner key of a request that may name its sender (downloads and ratings lists): an
// entry that is not public is shown only to its owner.
std::optional<std::string> OptionalOwnerKey(const TForm& form) {
    if (!form.Has("cl_mail")) return std::nullopt;
    return FoldCase(Trim(form.Escaped("cl_mail", kMailLimit)));
}

// ---- the scenario catalog ----

struct TScriptHead {
    bool Found = false;
    std::string OwnerKey;
    bool Public = false;
};

TScriptHead FindScript(TDatabase& db, std::int64_t id) {
    TStatement st(db, "SELECT owner_key, publics FROM scripts WHERE id = :id");
    st.Bind(":id", id);
    TScriptHead head;
    if (st.Step()) {
        head.Found = true;
        head.OwnerKey = st.Text(0);
        head.Public = st.Int(1) != 0;
    }
    return head;
}

// The entry, when the sender may see it; refused otherwise as if it did not exist.
TScriptHead VisibleScript(TDatabase& db, std::int64_t id, const std::optional<std::string>& key) {
    TScriptHead head = FindScript(db, id);
    if (!head.Found || (!head.Public && (!key || *key != head.OwnerKey)))
        throw ERefusal("Сценарий не найден.");
    return head;
}

bool TitleTaken(TDatabase& db, const std::string& titleKey, std::int64_t exceptId) {
    TStatement st(db, "SELECT 1 FROM scripts WHERE title_key = :key AND id <> :id LIMIT 1");
    st.Bind(":key", titleKey).Bind(":id", exceptId);
    return st.Step();
}

std::string ScriptList(TDatabase& db, const TForm& form) {
    const int filter = form.Int("fltid", -1, 6);
    const TClient client = ReadClient(form);
    // Hidden entries (own rating -1) appear only under "hidden" and "all including hidden".
    TStatement st(db, R"sql(
SELECT s.id, s.cl_name, s.cl_mail, s.cl_lcid, s.app_guid, s.app_ver, s.uniapps, s.publics,
       s.created,
       (SELECT AVG(rate) FROM script_rates WHERE scr_id = s.id AND rate > 0),
       (SELECT COUNT(*) FROM script_rates WHERE scr_id = s.id AND rate > 0),
       IFNULL(m.rate, 0), s.downloads, s.last_download, s.title, s.descr
FROM scripts s
LEFT JOIN script_rates m ON m.scr_id = s.id AND m.rater_key = :me
WHERE (s.publics <> 0 OR s.owner_key = :me)
  AND CASE :filter
        WHEN -1 THEN IFNULL(m.rate, 0) = -1
        WHEN 0 THEN 1
        WHEN 1 THEN IFNULL(m.rate, 0) <> -1
        WHEN 2 THEN s.owner_key = :me AND IFNULL(m.rate, 0) <> -1
        WHEN 3 THEN s.publics <> 0 AND IFNULL(m.rate, 0) <> -1
        WHEN 4 THEN IFNULL(m.rate, 0) > 0
        WHEN 5 THEN m.rate IS NULL
        WHEN 6 THEN s.created >= :since AND IFNULL(m.rate, 0) <> -1
        ELSE 0
      END
ORDER BY s.id
)sql");
    st.Bind(":me", client.Key).Bind(":filter", filter).Bind(":since", UtcNow(24 * 60 * 60));
    TReply reply;
    while (st.Step()) {
        reply.BeginRow();
        reply.Number("id", st.Int(0));
        reply.Text("key_cl_name", st.Text(1));
        reply.Text("key_cl_mail", st.Text(2));
        reply.Number("key_cl_lcid", st.Int(3));
        reply.Text("app_name", AppName(st.Text(4)));
        reply.Text("app_ver", st.Text(5));
        reply.Number("uniapps", st.Int(6));
        reply.Number("publics", st.Int(7));
        reply.Text("created", st.Text(8));
        reply.Real("rating_avg", st.IsNull(9) ? 0.0 : st.Real(9));
        reply.Number("rating_cnt", st.Int(10));
        reply.Number("rating_you", st.Int(11));
        reply.Number("downloads", st.Int(12));
        reply.Text("last_download", st.Text(13));
        reply.Base64("title", st.Text(14));
        reply.Base64("descr", st.Text(15));
        reply.Text("app_guid", st.Text(4));
        reply.EndRow();
    }
    return reply.Finish();
}

std::string ScriptData(TDatabase& db, const TForm& form) {
    const int id = form.Int("scr_id", 1, INT_MAX);
    const auto key = OptionalOwnerKey(form);
    TTransaction tx(db);
    VisibleScript(db, id, key);
    TStatement count(db,
                     "UPDATE scripts SET downloads = downloads + 1, last_download = :now "
                     "WHERE id = :id");
    count.Bind(":now", UtcNow()).Bind(":id", id).Run();
    TStatement st(db, "SELECT script FROM scripts WHERE id = :id");
    st.Bind(":id", id);
    st.Step();
    TReply reply;
    reply.BeginRow();
    reply.Base64("script", st.Text(0));
    reply.EndRow();
    tx.Commit();
    return reply.Finish();
}

std::string ScriptRate(TDatabase& db, const TForm& form) {
    const int id = form.Int("scr_id", 1, INT_MAX);
    int value = 0;
    try {
        value = form.Int("rate_value", -1, 5);
    } catch (const ERefusal&) {
        if (!form.Has("rate_value")) throw;
        throw ERefusal("Недопустимое значение оценки.");
    }
    const std::string notes = form.Escaped("rate_notes", kNotesLimit);
    RequireNoTag("rate_notes", notes);
    const TClient client = ReadClient(form);
    TTransaction tx(db);
    const TScriptHead head = VisibleScript(db, id, client.Key);
    if (value > 0 && head.OwnerKey == client.Key)
        throw ERefusal("Нельзя оценивать собственный сценарий.");
    if (value == 0) {
        TStatement st(db, "DELETE FROM script_rates WHERE scr_id = :id AND rater_key = :me");
        st.Bind(":id", id).Bind(":me", client.Key).Run();
    } else {
        TStatement st(db, R"sql(
INSERT INTO script_rates (scr_id, rater_key, cl_name, rate, notes, app_guid, app_ver, created)
VALUES (:id, :me, :name, :rate, :notes, :guid, :ver, :now)
ON CONFLICT (scr_id, rater_key) DO UPDATE SET
    cl_name = excluded.cl_name, rate = excluded.rate, notes = excluded.notes,
    app_guid = excluded.app_guid, app_ver = excluded.app_ver, created = excluded.created
)sql");
        st.Bind(":id", id)
            .Bind(":me", client.Key)
            .Bind(":name", client.Name)
            .Bind(":rate", value)
            .Bind(":notes", notes)
            .Bind(":guid", client.AppId)
            .Bind(":ver", client.AppVer)
            .Bind(":now", UtcNow())
            .Run();
    }
    tx.Commit();
    TReply reply;
    reply.BeginRow();
    reply.Number("res_code", 0);
    reply.EndRow();
    return reply.Finish();
}

std::string ScriptCheckTitle(TDatabase& db, const TForm& form) {
    const int id = form.Int("scr_id", INT_MIN, INT_MAX);
    const std::string title = Trim(form.Escaped("scr_title", kTitleLimit));
    const bool taken = title.empty() || TitleTaken(db, FoldCase(title), id);
    TReply reply;
    reply.BeginRow();
    reply.Number("ret_code", taken ? 1 : 0);
    reply.EndRow();
    return reply.Finish();
}

std::string ScriptPut(TDatabase& db, const TForm& form) {
    const int deleting = form.Int("del_mode", 0, 1);
    const int id = form.Int("scr_id", INT_MIN, INT_MAX);
    const TClient client = ReadClient(form);
    TTransaction tx(db);
    TReply reply;
    if (deleting) {
        const TScriptHead head = FindScript(db, id);
        if (!head.Found) throw ERefusal("Сценарий не найден.");
        if (head.OwnerKey != client.Key)
            throw ERefusal("Сценарий принадлежит другому пользователю.");
        TStatement st(db, "DELETE FROM scripts WHERE id = :id");
        st.Bind(":id", id).Run();
        tx.Commit();
        reply.BeginRow();
        reply.Number("id_scripts", 0);
        reply.EndRow();
        return reply.Finish();
    }
    const int universal = form.Int("scr_uniapps", 0, 1);
    const int isPublic = form.Int("scr_publics", 0, 1);
    const std::string title = Trim(form.Escaped("scr_title", kTitleLimit));
    const std::string descr = form.Escaped("scr_descr", kDescrLimit);
    const std::string script = form.Escaped("scr_script", kScriptLimit);
    if (title.empty()) throw ERefusal("Название сценария должно быть указано.");
    if (Trim(script).empty()) throw ERefusal("Текст сценария не указан.");
    if (id > 0) {
        const TScriptHead head = FindScript(db, id);
        if (!head.Found) throw ERefusal("Сценарий не найден.");
        if (head.OwnerKey != client.Key)
            throw ERefusal("Сценарий принадлежит другому пользователю.");
    }
    if (TitleTaken(db, FoldCase(title), id > 0 ? id : 0))
        throw ERefusal("Сценарий с таким названием уже существует.");
    std::int64_t stored = id;
    if (id > 0) {
        TStatement st(db, R"sql(
UPDATE scripts SET title = :title, title_key = :title_key, descr = :descr, script = :script,
    cl_name = :name, cl_lcid = :lcid, app_guid = :guid, app_ver = :ver, uniapps = :uni,
    publics = :pub, created = :now
WHERE id = :id
)sql");
        st.Bind(":id", id);
        st.Bind(":title", title).Bind(":title_key", FoldCase(title)).Bind(":descr", descr);
        st.Bind(":script", script).Bind(":name", client.Name).Bind(":lcid", client.Lcid);
        st.Bind(":guid", client.AppId).Bind(":ver", client.AppVer).Bind(":uni", universal);
        st.Bind(":pub", isPublic).Bind(":now", UtcNow());
        st.Run();
    } else {
        TStatement st(db, R"sql(
INSERT INTO scripts (title, title_key, descr, script, cl_name, cl_mail, owner_key, cl_lcid,
    app_guid, app_ver, uniapps, publics, created)
VALUES (:title, :title_key, :descr, :script, :name, :mail, :owner, :lcid, :guid, :ver, :uni,
    :pub, :now)
)sql");
        st.Bind(":title", title).Bind(":title_key", FoldCase(title)).Bind(":descr", descr);
        st.Bind(":script", script).Bind(":name", client.Name).Bind(":mail", client.Mail);
        st.Bind(":owner", client.Key).Bind(":lcid", client.Lcid).Bind(":guid", client.AppId);
        st.Bind(":ver", client.AppVer).Bind(":uni", universal).Bind(":pub", isPublic);
        st.Bind(":now", UtcNow());
        st.Run();
        stored = db.LastInsertId();
    }
    tx.Commit();
    reply.BeginRow();
    reply.Number("id_scripts", stored);
    reply.EndRow();
    return reply.Finish();
}

std::string ScriptRates(TDatabase& db, const TForm& form) {
    const int id = form.Int("scr_id", 1, INT_MAX);
    VisibleScript(db, id, OptionalOwnerKey(form));
    TStatement st(db, R"sql(
SELECT cl_name, rate, created, app_guid, app_ver, notes FROM script_rates
WHERE scr_id = :id AND rate > 0 ORDER BY created, rowid
)sql");
    st.Bind(":id", id);
    TReply reply;
    while (st.Step()) {
        reply.BeginRow();
        reply.Text("key_cl_name", st.Text(0));
        reply.Number("rate", st.Int(1));
        reply.Text("created", st.Text(2));
        reply.Text("app_name", AppName(st.Text(3)));
        reply.Text("app_ver", st.Text(4));
        reply.Text("notes", st.Text(5));
        reply.EndRow();
    }
    return reply.Finish();
}

// ---- the systems catalog ----

// The combinations, one a line of `length` whole numbers (0..99) separated by blanks, commas
// or semicolons; returns the number of lines, or -1 when a line does not read so.
int CountCombinations(const std::string& text, int length) {
    int lines = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;
        int words = 0;
        std::size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() &&
                   (line[i] == ' ' || line[i] == '\t' || line[i] == ',' || line[i] == ';'))
                ++i;
            if (i >= line.size()) break;
            int digits = 0;
            while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
                ++i;
                ++digits;
            }
            if (digits == 0 || digits > 2) return -1;
            if (i < line.size() &&
                !(line[i] == ' ' || line[i] == '\t' || line[i] == ',' || line[i] == ';'))
                return -1;
            ++words;
        }
        if (words != length) return -1;
        ++lines;
    }
    return lines;
}

struct TSystemHead {
    bool Found = false;
    std::string OwnerKey;
};

TSystemHead FindSystem(TDatabase& db, std::int64_t id) {
    TStatement st(db, "SELECT owner_key FROM systems WHERE id = :id");
    st.Bind(":id", id);
    TSystemHead head;
    if (st.Step()) {
        head.Found = true;
        head.OwnerKey = st.Text(0);
    }
    return head;
}

std::string SystemList(TDatabase& db, const TForm& form) {
    const int length = form.Int("comblen", 1, 99);
    const int maxNums = form.Int("maxnums", 1, 99);
    ReadClient(form);
    TStatement st(db, R"sql(
SELECT id, nums, olap, csize, title, descr, cl_name, cl_mail, url, created, last_download,
       downloads
FROM systems WHERE clen = :clen AND nums <= :maxnums ORDER BY id
)sql");
    st.Bind(":clen", length).Bind(":maxnums", maxNums);
    TReply reply;
    while (st.Step()) {
        reply.BeginRow();
        reply.Number("id", st.Int(0));
        reply.Number("nums", st.Int(1));
        reply.Number("olap", st.Int(2));
        reply.Number("csize", st.Int(3));
        reply.Base64("title", st.Text(4));
        reply.Base64("descr", st.Text(5));
        reply.Text("author", st.Text(6));
        reply.Text("cl_mail", st.Text(7));
        reply.Text("url", st.Text(8));
        reply.Text("created", st.Text(9));
        reply.Text("last_download", st.Text(10));
        reply.Number("downloads", st.Int(11));
        reply.EndRow();
    }
    return reply.Finish();
}

std::string SystemData(TDatabase& db, const TForm& form) {
    const int id = form.Int("sys_id", 1, INT_MAX);
    TTransaction tx(db);
    if (!FindSystem(db, id).Found) throw ERefusal("Система не найдена.");
    TStatement count(db,
                     "UPDATE systems SET downloads = downloads + 1, last_download = :now "
                     "WHERE id = :id");
    count.Bind(":now", UtcNow()).Bind(":id", id).Run();
    TStatement st(db, "SELECT clist FROM systems WHERE id = :id");
    st.Bind(":id", id);
    st.Step();
    TReply reply;
    reply.BeginRow();
    reply.Base64("clist", st.Text(0));
    reply.EndRow();
    tx.Commit();
    return reply.Finish();
}

std::string SystemPut(TDatabase& db, const TForm& form) {
    const int deleting = form.Int("del_mode", 0, 1);
    const int id = form.Int("sys_id", INT_MIN, INT_MAX);
    const TClient client = ReadClient(form);
    TTransaction tx(db);
    TReply reply;
    if (id > 0 || deleting) {
        const TSystemHead head = FindSystem(db, id);
        if (!head.Found) throw ERefusal("Система не найдена.");
        if (head.OwnerKey != client.Key)
            throw ERefusal("Система принадлежит другому пользователю.");
    }
    if (deleting) {
        TStatement st(db, "DELETE FROM systems WHERE id = :id");
        st.Bind(":id", id).Run();
        tx.Commit();
        reply.BeginRow();
        reply.Number("id_systems", 0);
        reply.EndRow();
        return reply.Finish();
    }
    const int nums = form.Int("nums", 6, 99);
    const int length = form.Int("clen", 1, 99);
    const int block = form.Int("olap", 0, 4);
    const std::string title = Trim(form.Escaped("title", kTitleLimit));
    const std::string descr = form.Escaped("descr", kDescrLimit);
    const int size = form.Int("csize", 1, INT_MAX);
    const std::string combinations = form.Base64Escaped("clist", kCombinationsLimit);
    const std::string url = form.Plain("url", kUrlLimit);
    RequireNoTag("url", url);
    if (title.empty()) throw ERefusal("Название системы должно быть указано.");
    if (Trim(client.Name).empty()) throw ERefusal("Имя автора должно быть указано.");
    if (CountCombinations(combinations, length) != size)
        throw ERefusal("Список комбинаций не соответствует количеству и длине комбинаций.");
    std::int64_t stored = id;
    if (id > 0) {
        TStatement st(db, R"sql(
UPDATE systems SET nums = :nums, clen = :clen, olap = :olap, csize = :csize, title = :title,
    descr = :descr, clist = :clist, url = :url, cl_name = :name, cl_lcid = :lcid,
    app_guid = :guid, app_ver = :ver, created = :now
WHERE id = :id
)sql");
        st.Bind(":id", id);
        st.Bind(":nums", nums).Bind(":clen", length).Bind(":olap", block).Bind(":csize", size);
        st.Bind(":title", title).Bind(":descr", descr).Bind(":clist", combinations);
        st.Bind(":url", url).Bind(":name", client.Name).Bind(":lcid", client.Lcid);
        st.Bind(":guid", client.AppId).Bind(":ver", client.AppVer).Bind(":now", UtcNow());
        st.Run();
    } else {
        TStatement st(db, R"sql(
INSERT INTO systems (nums, clen, olap, csize, title, descr, clist, url, cl_name, cl_mail,
    owner_key, cl_lcid, app_guid, app_ver, created)
VALUES (:nums, :clen, :olap, :csize, :title, :descr, :clist, :url, :name, :mail, :owner,
    :lcid, :guid, :ver, :now)
)sql");
        st.Bind(":nums", nums).Bind(":clen", length).Bind(":olap", block).Bind(":csize", size);
        st.Bind(":title", title).Bind(":descr", descr).Bind(":clist", combinations);
        st.Bind(":url", url).Bind(":name", client.Name).Bind(":mail", client.Mail);
        st.Bind(":owner", client.Key).Bind(":lcid", client.Lcid).Bind(":guid", client.AppId);
        st.Bind(":ver", client.AppVer).Bind(":now", UtcNow());
        st.Run();
        stored = db.LastInsertId();
    }
    tx.Commit();
    reply.BeginRow();
    reply.Number("id_systems", stored);
    reply.EndRow();
    return reply.Finish();
}

using THandler = std::function<std::string(TDatabase&, const TForm&)>;

const std::map<std::string, THandler>& Handlers() {
    static const std::map<std::string, THandler> handlers = {
        {"scr_getlist.php", ScriptList},  {"scr_getdata.php", ScriptData},
        {"scr_setrate.php", ScriptRate},  {"scr_chktitle.php", ScriptCheckTitle},
        {"scr_putscript.php", ScriptPut}, {"scr_getrates.php", ScriptRates},
        {"sys_getlist.php", SystemList},  {"sys_getdata.php", SystemData},
        {"sys_putdata.php", SystemPut},
    };
    return handlers;
}

}  // namespace

std::optional<std::string> TCatalog::Answer(const std::string& operation, const std::string& body) {
    const auto it = Handlers().find(operation);
    if (it == Handlers().end()) return std::nullopt;
    std::lock_guard lock(m_mutex);
    try {
        return it->second(m_db, TForm::Parse(body));
    } catch (const ERefusal& refusal) {
        return TReply::Error(refusal.what());
    } catch (const EDatabase& e) {
        std::cerr << "catalog_service: " << operation << ": " << e.what() << std::endl;
        return TReply::Error("Ошибка базы данных сервиса.");
    }
}

std::optional<std::string> TCatalog::File(const std::string& path) {
    std::lock_guard lock(m_mutex);
    TStatement st(m_db, "SELECT content FROM files WHERE path = :path");
    st.Bind(":path", path);
    if (!st.Step()) return std::nullopt;
    return st.Text(0);
}

}  // namespace catalog
