#include "engine/online/script_catalog.h"

#include "engine/core/data_paths.h"
#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/scenarios/current_script.h"
#include "engine/scenarios/script_line.h"
#include "engine/session/workspace.h"
#include "engine/support/busy.h"

namespace mv {
namespace {

// "appid", "appver", "cl_name", "cl_mail", "cl_lcid": who asks. Downloads and the ratings
// of an entry send "cl_mail" after "scr_id" as well: a private entry is given only to its
// owner.
void AddClientFields(std::vector<std::string>& fields, const TServiceClient& client,
                     const std::string& name, std::int32_t lcid) {
    fields.push_back(ServiceField("appid", client.AppId));
    fields.push_back(ServiceField("appver", client.AppVersion));
    fields.push_back(ServiceEscField("cl_name", name));
    fields.push_back(ServiceEscField("cl_mail", client.UserMail));
    fields.push_back(ServiceField("cl_lcid", lcid));
}

// Runs a request and its reading; any failure becomes the operation's message.
template <class Fn>
auto Guarded(const std::string& message, Fn&& fn) {
    try {
        return fn();
    } catch (const std::exception& e) {
        throw EError(OperationMessage(message, e.what()));
    }
}

TScriptInfo ReadScriptInfo(const std::string& row, const TServiceClient& client) {
    TScriptInfo info;
    info.Id = RowInt(row, "id");
    info.AuthorName = RowUtf8(row, "key_cl_name");
    info.AuthorMail = RowUtf8(row, "key_cl_mail");
    info.Language = RowIntDef(row, "key_cl_lcid", InterfaceLcid);
    info.AppName = RowUtf8(row, "app_name");
    info.AppVersion = RowUtf8(row, "app_ver");
    info.Universal = RowIntDef(row, "uniapps", 0) > 0;
    info.Public = RowIntDef(row, "publics", 0) > 0;
    info.Created = RowTime(row, "created");
    info.RatingAverage = ReadNumberTolerant(RowValue(row, "rating_avg"), 0);
    info.RatingCount = RowIntDef(row, "rating_cnt", 0);
    info.OwnRating = RowIntDef(row, "rating_you", 0);
    info.Downloads = RowIntDef(row, "downloads", 0);
    info.LastDownload = RowTime(row, "last_download");
    info.Title = RowBase64Utf8(row, "title");
    info.Description = RowBase64Utf8(row, "descr");
    info.AppGuid = RowUtf8(row, "app_guid");
    info.Mine = EqualsNoCaseUtf8(info.AuthorMail, client.UserMail);
    info.Compatible = info.Universal || EqualsNoCase(info.AppGuid, client.AppId);
    info.Editable = info.Mine && info.Compatible;
    return info;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// A line as a message quotes it: at most 60 characters.
std::string QuotedLine(std::string_view line) {
    std::string text = SanitizeUtf8(std::string(line));
    if (Utf8Length(text) > 60) {
        std::size_t bytes = 0;
        for (int n = 0; n < 60 && bytes < text.size(); ++n) {
            ++bytes;
            while (bytes < text.size() && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80)
                ++bytes;
        }
        text = text.substr(0, bytes) + "...";
    }
    return "\"" + text + "\"";
}

// The fields of publish, replace and delete.
std::vector<std::string> PutFields(const TServiceClient& client, const TScriptData& data,
                                   const std::string* scriptText) {
    std::vector<std::string> fields;
    fields.push_back(ServiceField("del_mode", scriptText ? 0 : 1));
    fields.push_back(ServiceField("scr_id", data.Id));
    fields.push_back(ServiceField("scr_uniapps", data.Universal ? 1 : 0));
    fields.push_back(ServiceField("scr_publics", data.Public ? 1 : 0));
    fields.push_back(ServiceEscField("scr_title", Trim(data.Title)));
    fields.push_back(ServiceEscField("scr_descr", data.Description));
    if (scriptText) fields.push_back(ServiceEscField("scr_script", *scriptText));
    AddClientFields(fields, client, Trim(data.AuthorName), data.Language);
    return fields;
}

// "<id_scripts>" of the last row, -1 without a row.
std::int32_t ReadPutReply(const std::string& reply) {
    std::int32_t id = -1;
    WalkServiceReply(reply, [&](const std::string& row) {
        id = RowInt(row, "id_scripts");
        return true;
    });
    return id;
}

}  // namespace

TScriptInfo ScriptInfoOfRow(const std::string& row, const TServiceClient& client) {
    return ReadScriptInfo(row, client);
}

TScriptRating ScriptRatingOfRow(const std::string& row) {
    TScriptRating rating;
    rating.AuthorName = RowUtf8(row, "key_cl_name");
    rating.Rate = RowUtf8(row, "rate");
    rating.Created = RowTime(row, "created");
    rating.AppName = RowUtf8(row, "app_name");
    rating.AppVersion = RowUtf8(row, "app_ver");
    rating.Notes = RowUtf8(row, "notes");
    return rating;
}

TScriptData NewScriptData(const TServiceClient& client) {
    TScriptData data;
    data.AuthorName = client.UserName;
    return data;
}

TScriptData ScriptDataOf(const TScriptInfo& info) {
    TScriptData data;
    data.Id = info.Id;
    data.AuthorName = info.AuthorName;
    data.Language = info.Language;
    data.Universal = info.Universal;
    data.Public = info.Public;
    data.Title = info.Title;
    data.Description = info.Description;
    return data;
}

std::array<std::string, ScriptFilterCount> ScriptFilterCaptions() {
    const std::array<std::string, ScriptFilterCount> captions = {
        Msg(TMsg::ScriptFilterHidden),       Msg(TMsg::ScriptFilterAllWithHidden),
        Msg(TMsg::ScriptFilterAllButHidden), Msg(TMsg::ScriptFilterMine),
        Msg(TMsg::ScriptFilterPublic),       Msg(TMsg::ScriptFilterRated),
        Msg(TMsg::ScriptFilterUnrated),      Msg(TMsg::ScriptFilterNew),
    };
    return captions;
}

std::array<std::string, ScriptColumnCount> ScriptCatalogColumns() {
    const std::array<std::string, ScriptColumnCount> columns = {
        Msg(TMsg::ColumnType),       Msg(TMsg::ColumnTitle),     Msg(TMsg::ColumnAuthor),
        Msg(TMsg::ColumnProgram),    Msg(TMsg::ColumnVersion),   Msg(TMsg::ColumnLanguage),
        Msg(TMsg::ColumnCreated),    Msg(TMsg::ColumnRating),    Msg(TMsg::ColumnRatingCount),
        Msg(TMsg::ColumnYourRating), Msg(TMsg::ColumnDownloads), Msg(TMsg::ColumnLast),
        Msg(TMsg::ColumnComments),
    };
    return columns;
}

std::string OwnRatingText(std::int32_t rating) {
    if (rating == -1) return Msg(TMsg::ScriptRatingHidden);
    if (rating == 0) return std::string();
    return std::to_string(rating);
}

std::array<std::string, ScriptColumnCount> ScriptCatalogRowTexts(const TScriptInfo& info) {
    return {
        info.Mine ? Msg(TMsg::ScriptTypeMine) : Msg(TMsg::ScriptTypeShared),
        info.Title,
        info.AuthorName,
        info.Universal ? Msg(TMsg::ScriptUniversal) : info.AppName,
        info.AppVersion,
        LanguageAbbreviation(info.Language),
        CatalogTimeText(info.Created),
        FormatNumberGrouped(info.RatingAverage, 3),
        std::to_string(info.RatingCount),
        OwnRatingText(info.OwnRating),
        std::to_string(info.Downloads),
        CatalogTimeText(info.LastDownload),
        info.Description,
    };
}

void LoadScriptList(const TOnlineService& service, int filterIndex,
                    std::vector<TScriptInfo>& rows) {
    TBusyGuard busy;
    TStatusGuard status(ServiceHooks(service), ScriptListStatus);
    Guarded(ScriptListError, [&] {
        std::vector<std::string> fields;
        fields.push_back(ServiceField("fltid", filterIndex - 1));
        AddClientFields(fields, service.Client, service.Client.UserName, InterfaceLcid);
        const std::string reply = PostServiceRequest(service, "/scripts/scr_getlist.php", fields);
        WalkServiceReply(reply, [&](const std::string& row) {
            rows.push_back(ReadScriptInfo(row, service.Client));
            return true;
        });
    });
}

TScriptLines CheckDownloadedScript(const std::string& text) {
    static constexpr TMsgText notScenario{TMsg::NotScenarioPrefix};
    if (text.size() > MaxScriptFileBytes) {
        throw EError(std::string(notScenario) + Msg(TMsg::NotScenarioTooLarge) +
                     std::to_string(text.size()) + Msg(TMsg::NotScenarioBytes));
    }
    if (!IsValidUtf8(text)) {
        throw EError(std::string(notScenario) + Msg(TMsg::NotScenarioNotUtf8));
    }
    int lineNumber = 0;
    for (std::string_view line : SplitTextLines(text)) {
        ++lineNumber;
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte < 0x20 && c != '\t') || byte == 0x7F) {
                throw EError(std::string(notScenario) + Msg(TMsg::NotScenarioBadChar) +
                             std::to_string(lineNumber) + ".");
            }
        }
        if (IsSeparatorLine(line)) continue;
        // The writer always puts the options first ("FULL:0#RAND|...") and a "|" after them.
        const std::string options = ReadScriptLine(line).Options;
        const std::vector<std::string> words = SplitWords(options, "#");
        const std::string mode = words.empty() ? std::string() : Trim(words.front());
        const bool knownMode = StartsWithNoCase(mode, "FULL") || StartsWithNoCase(mode, "EXCL") ||
                               StartsWithNoCase(mode, "CURR");
        if (!knownMode || line.find('|') == std::string_view::npos) {
            throw EError(std::string(notScenario) + Msg(TMsg::NotScenarioLine) +
                         std::to_string(lineNumber) + " " + QuotedLine(line) +
                         Msg(TMsg::NotScenarioLineSuffix));
        }
    }
    return ScriptTextToLines(text);
}

std::optional<TScriptLines> DownloadScript(const TOnlineService& service, std::int32_t id) {
    TBusyGuard busy;
    TStatusGuard status(ServiceHooks(service), ScriptDownloadStatus);
    return Guarded(ScriptDownloadError, [&]() -> std::optional<TScriptLines> {
        const std::string reply = PostServiceRequest(
            service, "/scripts/scr_getdata.php",
            {ServiceField("scr_id", id), ServiceEscField("cl_mail", service.Client.UserMail)});
        std::string text;
        bool lastWasScript = false;
        WalkServiceReply(reply, [&](const std::string& row) {
            lastWasScript = StartsWithNoCase(row, "<script>");
            if (!lastWasScript) return true;
            text = Base64Decode(RowValue(row, "script"));
            return text.empty();
        });
        if (!lastWasScript) return std::nullopt;
        return CheckDownloadedScript(text);
    });
}

bool DownloadScriptInto(TWorkspace& workspace, const TOnlineService& service, std::int32_t id) {
    std::optional<TScriptLines> lines = DownloadScript(service, id);
    if (!lines) return false;
    workspace.EditScript([&](TCurrentScript& script) { script.ReplaceAll(std::move(*lines)); });
    return true;
}

bool RateScript(const TOnlineService& service, std::int32_t id, std::int32_t value,
                const std::string& notes) {
    TBusyGuard busy;
    TStatusGuard status(ServiceHooks(service), ScriptRateStatus);
    return Guarded(ScriptRateError, [&] {
        std::vector<std::string> fields;
        fields.push_back(ServiceField("scr_id", id));
        fields.push_back(ServiceField("rate_value", value));
        fields.push_back(ServiceEscField("rate_notes", notes));
        AddClientFields(fields, service.Client, service.Client.UserName, InterfaceLcid);
        const std::string reply = PostServiceRequest(service, "/scripts/scr_setrate.php", fields);
        std::int32_t code = -1;
        const bool any = WalkServiceReply(reply, [&](const std::string& row) {
            code = RowInt(row, "res_code");
            return true;
        });
        if (any && code < 0) throw EError(Msg(TMsg::ReturnCodePrefix) + std::to_string(code));
        return any;
    });
}

bool IsScriptTitleFree(const TOnlineService& service, std::int32_t id, const std::string& title) {
    TBusyGuard busy;
    return Guarded(ScriptTitleCheckError, [&] {
        const std::string reply = PostServiceRequest(
            service, "/scripts/scr_chktitle.php",
            {ServiceField("scr_id", id), ServiceEscField("scr_title", Trim(title))});
        bool free = false;
        WalkServiceReply(reply, [&](const std::string& row) {
            free = RowInt(row, "ret_code") == 0;
            return !free;
        });
        return free;
    });
}

std::string ScriptDataProblem(const TOnlineService& service, const TScriptData& data,
                              IUiHooks& hooks) {
    if (Trim(data.Title).empty()) return ScriptTitleMissing;
    bool free = false;
    try {
        free = IsScriptTitleFree(service, data.Id, data.Title);
    } catch (const EError& e) {
        hooks.ShowMessage(TMessageKind::Error, e.what());
    }
    if (!free) return ScriptTitleTaken;
    if (Trim(data.AuthorName).empty()) return ScriptAuthorMissing;
    return std::string();
}

std::int32_t PutScript(const TOnlineService& service, const TScriptData& data,
                       const std::string& scriptText) {
    TBusyGuard busy;
    TStatusGuard status(ServiceHooks(service), ScriptSaveStatus);
    return Guarded(ScriptSaveError, [&] {
        return ReadPutReply(PostServiceRequest(service, "/scripts/scr_putscript.php",
                                               PutFields(service.Client, data, &scriptText)));
    });
}

std::int32_t DeleteScript(const TOnlineService& service, const TScriptData& data) {
    TBusyGuard busy;
    TStatusGuard status(ServiceHooks(service), ScriptDeleteStatus);
    return Guarded(ScriptDeleteError, [&] {
        return ReadPutReply(PostServiceRequest(service, "/scripts/scr_putscript.php",
                                               PutFields(service.Client, data, nullptr)));
    });
}

std::optional<std::vector<TScriptRating>> LoadScriptRatings(const TOnlineService& service,
                                                            std::int32_t id) {
    TBusyGuard busy;
    TStatusGuard status(ServiceHooks(service), ScriptRatesStatus);
    return Guarded(ScriptRatesError, [&]() -> std::optional<std::vector<TScriptRating>> {
        const std::string reply = PostServiceRequest(
            service, "/scripts/scr_getrates.php",
            {ServiceField("scr_id", id), ServiceEscField("cl_mail", service.Client.UserMail)});
        std::vector<TScriptRating> ratings;
        const bool any = WalkServiceReply(reply, [&](const std::string& row) {
            ratings.push_back(ScriptRatingOfRow(row));
            return true;
        });
        if (!any) return std::nullopt;
        return ratings;
    });
}

TScriptInfo PublishedScriptInfo(const TScriptData& data, std::int32_t id,
                                const TServiceClient& client) {
    TScriptInfo info;
    info.AuthorMail = client.UserMail;
    info.AppName = ProgramName;
    ApplyReplacedScript(info, data, id, client);
    info.Mine = info.Editable = info.Compatible = true;
    return info;
}

void ApplyReplacedScript(TScriptInfo& info, const TScriptData& data, std::int32_t id,
                         const TServiceClient& client) {
    info.Id = id;
    info.AppVersion = client.AppVersion;
    info.Created = Now();
    info.AuthorName = Trim(data.AuthorName);
    info.Language = data.Language;
    info.Universal = data.Universal;
    info.Public = data.Public;
    info.Title = Trim(data.Title);
    info.Description = data.Description;
    // The service keeps the identifier of the program that sent the entry last.
    info.AppGuid = client.AppId;
    info.Compatible = true;
    info.Editable = info.Mine && info.Compatible;
}

}  // namespace mv
