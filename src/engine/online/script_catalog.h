#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/datetime.h"
#include "engine/core/messages.h"
#include "engine/online/online_service.h"
#include "engine/scenarios/script_file.h"

namespace mv {

class TWorkspace;

// The online scenario catalog: entries listed by a server-side filter, downloaded into the
// current scenario, published, replaced, deleted, rated and hidden. Each operation is one
// request; it throws EError with its own message ("Ошибка ...!\r\r<reason>") and otherwise
// returns what the reply gave. A reply with an empty "<result>" is no failure: the operations
// then return their "nothing" value and the caller shows nothing.

// One catalog entry as listed.
struct TScriptInfo {
    std::int32_t Id = 0;
    std::string AuthorName;
    std::string AuthorMail;
    std::int32_t Language = 0;  // Windows locale identifier
    std::string AppName;
    std::string AppVersion;
    bool Universal = false;  // usable in any program of the family
    bool Public = false;     // visible to all users
    TDateTime Created = 0;   // local time, 0 = none
    long double RatingAverage = 0;
    std::int32_t RatingCount = 0;
    std::int32_t OwnRating = 0;  // 1..5, 0 = none, -1 = hidden by the user
    std::int32_t Downloads = 0;
    TDateTime LastDownload = 0;
    std::string Title;
    std::string Description;
    std::string AppGuid;
    bool Mine = false;        // the author e-mail is the user's (without regard to case)
    bool Compatible = false;  // universal, or made with this program
    bool Editable = false;    // mine and compatible
};

// What the publish dialog edits and what publish, replace and delete send.
struct TScriptData {
    std::int32_t Id = -1;  // -1 for a new entry
    std::string AuthorName;
    std::int32_t Language = InterfaceLcid;
    bool Universal = false;
    bool Public = true;
    std::string Title;
    std::string Description;
};

// A new entry: the user as its author, the interface language, this program only, public.
TScriptData NewScriptData(const TServiceClient& client);
TScriptData ScriptDataOf(const TScriptInfo& info);

// The list's filters: the filter box's items; the item's index minus one goes out as "fltid".
inline constexpr int ScriptFilterCount = 8;
inline constexpr int DefaultScriptFilter = 2;
std::array<std::string, ScriptFilterCount> ScriptFilterCaptions();

// The list's thirteen columns and one entry's texts in them.
inline constexpr int ScriptColumnCount = 13;
std::array<std::string, ScriptColumnCount> ScriptCatalogColumns();
std::array<std::string, ScriptColumnCount> ScriptCatalogRowTexts(const TScriptInfo& info);
// "Скрытый" for -1, empty for 0, else the number.
std::string OwnRatingText(std::int32_t rating);

// One rating of an entry, its texts as received.
struct TScriptRating {
    std::string AuthorName;
    std::string Rate;
    TDateTime Created = 0;
    std::string AppName;
    std::string AppVersion;
    std::string Notes;
};

// One row of the catalog's list reply and of its ratings reply (a row as WalkServiceReply
// gives it). Throws EError for a field that does not convert.
TScriptInfo ScriptInfoOfRow(const std::string& row, const TServiceClient& client);
TScriptRating ScriptRatingOfRow(const std::string& row);

// Status texts of the operations.
inline constexpr TMsgText ScriptListStatus{TMsg::ScriptListStatus};
inline constexpr TMsgText ScriptDownloadStatus{TMsg::ScriptDownloadStatus};
inline constexpr TMsgText ScriptSaveStatus{TMsg::ScriptSaveStatus};
inline constexpr TMsgText ScriptDeleteStatus{TMsg::ScriptDeleteStatus};
inline constexpr TMsgText ScriptRateStatus{TMsg::ScriptRateStatus};
inline constexpr TMsgText ScriptRatesStatus{TMsg::ScriptRatesStatus};

// The operations' messages (the reason follows after an empty line).
inline constexpr TMsgText ScriptListError{TMsg::ScriptListError};
inline constexpr TMsgText ScriptDownloadError{TMsg::ScriptDownloadError};
inline constexpr TMsgText ScriptRateError{TMsg::ScriptRateError};
inline constexpr TMsgText ScriptTitleCheckError{TMsg::ScriptTitleCheckError};
inline constexpr TMsgText ScriptSaveError{TMsg::ScriptSaveError};
inline constexpr TMsgText ScriptDeleteError{TMsg::ScriptDeleteError};
inline constexpr TMsgText ScriptPublishError{TMsg::ScriptPublishError};
inline constexpr TMsgText ScriptViewError{TMsg::ScriptViewError};
inline constexpr TMsgText ScriptRatesError{TMsg::ScriptRatesError};

// The publish dialog's checks.
inline constexpr TMsgText ScriptTitleMissing{TMsg::ScriptTitleMissing};
inline constexpr TMsgText ScriptTitleTaken{TMsg::ScriptTitleTaken};
inline constexpr TMsgText ScriptAuthorMissing{TMsg::ScriptAuthorMissing};
inline constexpr TMsgText ScriptDeleteQuestion{TMsg::ScriptDeleteQuestion};

// The list by the filter (index 0..7) with the interface language; the reply's rows are
// appended to `rows` in reply order. On a failure the rows read before it stay.
void LoadScriptList(const TOnlineService& service, int filterIndex, std::vector<TScriptInfo>& rows);

// Checks a downloaded scenario text before anything uses it: well-formed UTF-8, no control
// characters besides tabs and line breaks, and every line that is not a separator begins
// with a starting-list keyword and has its fields. Returns the lines; throws EError with the
// reason otherwise.
TScriptLines CheckDownloadedScript(const std::string& text);

// The entry's scenario lines, checked; std::nullopt when the reply carries none.
std::optional<TScriptLines> DownloadScript(const TOnlineService& service, std::int32_t id);
// Downloads the entry and makes it the current scenario (written to the current-scenario file
// like every edit). Returns false, changing nothing, when the reply carries no scenario; a
// refused text changes nothing either.
bool DownloadScriptInto(TWorkspace& workspace, const TOnlineService& service, std::int32_t id);

// Rates an entry: 1..5, 0 removes the user's rating, -1 hides the entry. Returns false when
// the reply carries nothing (the list then needs no reload). A negative reply code fails
// with "Код возврата: <code>"; a reply without rows counts as code -1.
bool RateScript(const TOnlineService& service, std::int32_t id, std::int32_t value,
                const std::string& notes);

// Whether no other entry has the title (trimmed). An empty reply means taken.
bool IsScriptTitleFree(const TOnlineService& service, std::int32_t id, const std::string& title);

// The publish dialog's checks on confirmation, in order: the title, the title check request,
// the author. Returns the message to show (empty when the data may go out); a failed title
// check is shown through `hooks` first and then counts as taken.
std::string ScriptDataProblem(const TOnlineService& service, const TScriptData& data,
                              IUiHooks& hooks);

// Publishes (data.Id -1) or replaces an entry with the scenario text; returns the reply's
// entry number, -1 when there is none.
std::int32_t PutScript(const TOnlineService& service, const TScriptData& data,
                       const std::string& scriptText);
// Deletes an entry; returns the reply's number (0 = deleted), -1 when there is none.
std::int32_t DeleteScript(const TOnlineService& service, const TScriptData& data);

// The ratings of an entry; std::nullopt when the reply carries none.
std::optional<std::vector<TScriptRating>> LoadScriptRatings(const TOnlineService& service,
                                                            std::int32_t id);

// The list row of an entry just published under `id`, from the dialog's data.
TScriptInfo PublishedScriptInfo(const TScriptData& data, std::int32_t id,
                                const TServiceClient& client);
// An entry after its replacement under `id`; its rating columns stay.
void ApplyReplacedScript(TScriptInfo& info, const TScriptData& data, std::int32_t id,
                         const TServiceClient& client);

}  // namespace mv
