#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/datetime.h"
#include "engine/core/messages.h"
#include "engine/online/online_service.h"

namespace mv {

// The online systems catalog: systems listed by the service, downloaded into the local system
// files that system games read, published, changed and deleted by their authors. Operations
// throw EError with their own message ("Ошибка ...!\r\r<reason>").

struct TSystemInfo {
    std::int32_t Id = 0;       // -1 in the placeholder row, 0 for a system not yet stored
    std::uint8_t Numbers = 0;  // k, the positions the combinations use
    std::uint8_t Block = 0;    // 0..4, part of the local file's name
    std::int32_t Combinations = 0;
    std::string Title;
    std::string Author;
    std::string AuthorMail;  // never shown; decides whether the entry is the user's
    std::string Description;
    TDateTime Created = 0;  // local time, 0 = none
    std::int32_t Downloads = 0;
    TDateTime LastDownload = 0;
    std::string Link;
};

// An entry with its combinations, one per line, every line followed by CR LF.
struct TSystemData : TSystemInfo {
    std::string CombinationText;
};

// The row shown when the service lists nothing.
inline constexpr TMsgText SystemPlaceholderTitle{TMsg::SystemPlaceholderTitle};
TSystemInfo SystemPlaceholder();
// One row of the catalog's list reply (a row as WalkServiceReply gives it). Throws EError
// for a field that does not convert.
TSystemInfo SystemInfoOfRow(const std::string& row);

// The author e-mail is the user's, compared without regard to case.
bool IsOwnSystem(const TSystemInfo& info, const std::string& userMail);

enum class TSystemRowState {
    Placeholder,
    OwnDownloaded,
    ForeignDownloaded,
    AnonymousDownloaded,
    OwnNotDownloaded,
    ForeignNotDownloaded,
    AnonymousNotDownloaded,
};
TSystemRowState SystemRowState(const TSystemInfo& info, bool downloaded,
                               const std::string& userMail);
bool IsDownloadedState(TSystemRowState state);
// Only an entry in an own state may be deleted (an anonymous one is nobody's).
bool IsOwnState(TSystemRowState state);

// The entry's local system file inside the data directory's systems folder.
std::filesystem::path LocalSystemFile(const std::filesystem::path& dataDir,
                                      const TSystemInfo& info);
bool IsSystemDownloaded(const std::filesystem::path& dataDir, const TSystemInfo& info);
// The local file exists and its modification time (whole seconds) is not the entry's created
// time: the catalog holds another version. An entry without a created time never does.
bool SystemNeedsUpdate(const std::filesystem::path& dataDir, const TSystemInfo& info);

// The list's eleven columns and one entry's texts in them.
inline constexpr int SystemColumnCount = 11;
std::array<std::string, SystemColumnCount> SystemCatalogColumns();
std::array<std::string, SystemColumnCount> SystemCatalogRowTexts(const TSystemInfo& info,
                                                                 bool downloaded);

inline constexpr TMsgText SystemListStatus{TMsg::SystemListStatus};
inline constexpr TMsgText SystemListError{TMsg::SystemListError};
// "#%d": the entry's id.
inline constexpr TMsgText SystemDownloadError{TMsg::SystemDownloadError};
inline constexpr TMsgText SystemSaveError{TMsg::SystemSaveError};
inline constexpr TMsgText SystemAddError{TMsg::SystemAddError};
inline constexpr TMsgText SystemChangeError{TMsg::SystemChangeError};
inline constexpr TMsgText SystemDeleteError{TMsg::SystemDeleteError};
inline constexpr TMsgText SystemNotOwnMessage{TMsg::SystemNotOwnMessage};
inline constexpr TMsgText SystemDeleteQuestion{TMsg::SystemDeleteQuestion};

// The catalog's entries appended to `rows` in reply order (the placeholder when the reply
// carries none). `added` runs after each row is appended (the list's refresh of a changed
// local file). On a failure the rows read before it stay.
void LoadSystemList(const TOnlineService& service, std::vector<TSystemInfo>& rows,
                    const std::function<void(const TSystemInfo&)>& added = {});
// The list as the tab loads it: `rows` replaced by the catalog's entries; every entry whose
// local file is of another version is downloaded again, a failure of that shown through the
// hooks while the loading goes on.
void RefreshSystemList(const TOnlineService& service, const std::filesystem::path& dataDir,
                       std::vector<TSystemInfo>& rows);

// The entry's combination text as the service gives it (empty when it gives none).
std::string FetchSystemCombinations(const TOnlineService& service, const TSystemInfo& info);

// Checks a downloaded system before it is stored: the entry's numbers (6..36), block (0..4)
// and id (above 0), as many lines as the entry's combinations, and every line five different
// whole numbers within 1..k. Returns the lines; throws EError with the reason.
std::vector<std::string> CheckDownloadedSystem(const std::string& text, const TSystemInfo& info);

// Downloads one entry into its local file (replacing it) with the file's times set to the
// entry's created time. A refused text writes nothing. Returns whether the file now exists.
bool DownloadSystem(const TOnlineService& service, const std::filesystem::path& dataDir,
                    const TSystemInfo& info);
// Downloads rows[index] and then deletes the local files of the other listed entries for the
// same number count, so that at most one system per count stays on disk.
bool DownloadSystemOnly(const TOnlineService& service, const std::filesystem::path& dataDir,
                        const std::vector<TSystemInfo>& rows, std::size_t index);
// The selected rows in list order, each as DownloadSystemOnly; a failure is shown through the
// hooks and the next row follows. Returns, per selected row, whether it was downloaded.
std::vector<bool> DownloadSelectedSystems(const TOnlineService& service,
                                          const std::filesystem::path& dataDir,
                                          const std::vector<TSystemInfo>& rows,
                                          const std::vector<std::size_t>& selected);

// Stores (deleting false; data.Id 0 for a new system) or deletes an entry on the service.
// Returns the reply's id: the first row's that is 0 or more, else the last row's; -1 when
// there is none or it is not a number.
std::int32_t PutSystem(const TOnlineService& service, const TSystemData& data, bool deleting);

// A new system of the user's: author UserName, author e-mail UserMail, everything else zero.
TSystemData NewSystemData(const TServiceClient& client);

}  // namespace mv
