#include "engine/online/system_catalog.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <bitset>
#include <cerrno>
#include <ctime>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/stakes/systems.h"
#include "engine/support/atomic_file.h"
#include "engine/support/busy.h"
#include "engine/support/file_basics.h"

namespace mv {
namespace {

constexpr int kCombLength = 5;
constexpr int kMaxNumbers = 36;

std::string WithId(std::string_view pattern, std::int32_t id) {
    return Fmt(pattern, {std::to_string(id)});
}

template <class Fn>
auto Guarded(const std::string& message, Fn&& fn) {
    try {
        return fn();
    } catch (const std::exception& e) {
        throw EError(OperationMessage(message, e.what()));
    }
}

std::uint8_t RowByte(const std::string& row, const char* tag) {
    const std::int32_t value = RowInt(row, tag);
    if (value < 0 || value > 255) {
        throw EConvertError("\"" + std::to_string(value) + Msg(TMsg::OutOfRangeValue) + tag +
                            ">).");
    }
    return static_cast<std::uint8_t>(value);
}

TSystemInfo ReadSystemInfo(const std::string& row) {
    TSystemInfo info;
    info.Id = RowInt(row, "id");
    info.Numbers = RowByte(row, "nums");
    info.Block = RowByte(row, "olap");
    info.Combinations = RowInt(row, "csize");
    info.Title = RowBase64Utf8(row, "title");
    info.Description = RowBase64Utf8(row, "descr");
    info.Author = RowUtf8(row, "author");
    info.AuthorMail = RowUtf8(row, "cl_mail");
    info.Link = RowUtf8(row, "url");
    info.Created = RowTime(row, "created");
    info.LastDownload = RowTime(row, "last_download");
    info.Downloads = RowIntDef(row, "downloads", 0);
    return info;
}

// A local time to the seconds since the epoch, by the system's time-zone rules.
std::time_t LocalToEpoch(TDateTime value) {
    const TDateParts p = DecodeDateTime(value);
    std::tm local{};
    local.tm_year = p.Year - 1900;
    local.tm_mon = p.Month - 1;
    local.tm_mday = p.Day;
    local.tm_hour = p.Hour;
    local.tm_min = p.Minute;
    local.tm_sec = p.Second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

std::string NumberText(int value, bool shown, bool twoDigits = false) {
    if (!shown) return std::string();
    std::string text = std::to_string(value);
    if (twoDigits && value >= 0 && value < 10) text = "0" + text;
    return text;
}

}  // namespace

TSystemInfo SystemInfoOfRow(const std::string& row) {
    return ReadSystemInfo(row);
}

TSystemInfo SystemPlaceholder() {
    TSystemInfo info;
    info.Id = -1;
    info.Title = SystemPlaceholderTitle;
    return info;
}

TSystemData NewSystemData(const TServiceClient& client) {
    TSystemData data;
    data.Author = client.UserName;
    data.AuthorMail = client.UserMail;
    return data;
}

bool IsOwnSystem(const TSystemInfo& info, const std::string& userMail) {
    return EqualsNoCaseUtf8(info.AuthorMail, userMail);
}

TSystemRowState SystemRowState(const TSystemInfo& info, bool downloaded,
                               const std::string& userMail) {
    if (info.Id <= 0) return TSystemRowState::Placeholder;
    if (info.AuthorMail.empty()) {
        return downloaded ? TSystemRowState::AnonymousDownloaded
                          : TSystemRowState::AnonymousNotDownloaded;
    }
    if (IsOwnSystem(info, userMail)) {
        return downloaded ? TSystemRowState::OwnDownloaded : TSystemRowState::OwnNotDownloaded;
    }
    return downloaded ? TSystemRowState::ForeignDownloaded : TSystemRowState::ForeignNotDownloaded;
}

bool IsDownloadedState(TSystemRowState state) {
    return state == TSystemRowState::OwnDownloaded || state == TSystemRowState::ForeignDownloaded ||
           state == TSystemRowState::AnonymousDownloaded;
}

bool IsOwnState(TSystemRowState state) {
    return state == TSystemRowState::OwnDownloaded || state == TSystemRowState::OwnNotDownloaded;
}

std::filesystem::path LocalSystemFile(const std::filesystem::path& dataDir,
                                      const TSystemInfo& info) {
    return SystemsFolder(dataDir) / SystemFileName(info.Numbers, info.Block, info.Id);
}

bool IsSystemDownloaded(const std::filesystem::path& dataDir, const TSystemInfo& info) {
    return info.Id > 0 && PathExists(LocalSystemFile(dataDir, info));
}

bool SystemNeedsUpdate(const std::filesystem::path& dataDir, const TSystemInfo& info) {
    // Without a created time there is no version to compare; downloading again would repeat
    // at every refresh.
    if (info.Id <= 0 || info.Created == 0) return false;
    struct stat st {};
    if (::stat(LocalSystemFile(dataDir, info).c_str(), &st) != 0) return false;
    return st.st_mtim.tv_sec != LocalToEpoch(info.Created);
}

std::array<std::string, SystemColumnCount> SystemCatalogColumns() {
    const std::array<std::string, SystemColumnCount> columns = {
        Msg(TMsg::ColumnTitle),    Msg(TMsg::ColumnAuthor),       Msg(TMsg::ColumnNumbers),
        Msg(TMsg::ColumnBlock),    Msg(TMsg::ColumnCombinations), Msg(TMsg::ColumnCreationDate),
        Msg(TMsg::ColumnStatus),   Msg(TMsg::ColumnDownloads),    Msg(TMsg::ColumnLast),
        Msg(TMsg::ColumnComments), Msg(TMsg::ColumnLink),
    };
    return columns;
}

std::array<std::string, SystemColumnCount> SystemCatalogRowTexts(const TSystemInfo& info,
                                                                 bool downloaded) {
    const bool real = info.Id > 0;
    return {
        info.Title,
        info.Author,
        NumberText(info.Numbers, real, true),
        NumberText(info.Block, real),
        NumberText(info.Combinations, real),
        CatalogTimeText(info.Created),
        downloaded ? Msg(TMsg::SystemDownloaded) : "",
        NumberText(info.Downloads, real),
        CatalogTimeText(info.LastDownload),
        info.Description,
        info.Link,
    };
}

void LoadSystemList(const TOnlineService& service, std::vector<TSystemInfo>& rows,
                    const std::function<void(const TSystemInfo&)>& added) {
    Guarded(SystemListError, [&] {
        std::vector<std::string> fields;
        fields.push_back(ServiceField("comblen", kCombLength));
        fields.push_back(ServiceField("maxnums", kMaxNumbers));
        fields.push_back(ServiceField("appid", service.Client.AppId));
        fields.push_back(ServiceField("appver", service.Client.AppVersion));
        fields.push_back(ServiceEscField("cl_name", service.Client.UserName));
        fields.push_back(ServiceEscField("cl_mail", service.Client.UserMail));
        fields.push_back(ServiceField("cl_lcid", InterfaceLcid));
        const std::string reply = PostServiceRequest(service, "/scripts/sys_getlist.php", fields);
        const bool any = WalkServiceReply(reply, [&](const std::string& row) {
            rows.push_back(SystemInfoOfRow(row));
            if (added) added(rows.back());
            return true;
        });
        if (!any) rows.push_back(SystemPlaceholder());
    });
}

void RefreshSystemList(const TOnlineService& service, const std::filesystem::path& dataDir,
                       std::vector<TSystemInfo>& rows) {
    TBusyGuard busy;
    IUiHooks& hooks = ServiceHooks(service);
    TStatusGuard status(hooks, SystemListStatus);
    rows.clear();
    LoadSystemList(service, rows, [&](const TSystemInfo& info) {
        if (!SystemNeedsUpdate(dataDir, info)) return;
        try {
            DownloadSystem(service, dataDir, info);
        } catch (const EError& e) {
            hooks.ShowMessage(TMessageKind::Error, e.what());
        }
        hooks.ShowStatus(SystemListStatus);
    });
}

std::string FetchSystemCombinations(const TOnlineService& service, const TSystemInfo& info) {
    TBusyGuard busy;
    ServiceHooks(service).ShowStatus(Msg(TMsg::LoadingQuotedPrefix) + info.Title + "\"...");
    return Guarded(WithId(SystemDownloadError, info.Id), [&] {
        const std::string reply = PostServiceRequest(service, "/scripts/sys_getdata.php",
                                                     {ServiceField("sys_id", info.Id)});
        std::string text;
        WalkServiceReply(reply, [&](const std::string& row) {
            text = RowBase64Utf8(row, "clist");
            return text.empty();
        });
        return text;
    });
}

std::vector<std::string> CheckDownloadedSystem(const std::string& text, const TSystemInfo& info) {
    std::vector<std::string> lines;
    for (std::string_view line : SplitTextLines(text)) lines.emplace_back(line);
    if (text.empty() || static_cast<std::int64_t>(lines.size()) != info.Combinations) {
        throw EError(Fmt(Msg(TMsg::SystemCountMismatch),
                         {std::to_string(lines.size()), std::to_string(info.Combinations)}));
    }
    if (info.Id <= 0 || info.Numbers < 6 || info.Numbers > kMaxNumbers || info.Block > 4) {
        throw EError(Msg(TMsg::SystemBadParamsPrefix) + std::to_string(info.Numbers) +
                     Msg(TMsg::SystemBlockLabel) + std::to_string(info.Block) + ".");
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string> words = SplitWords(lines[i], SystemSeparators);
        bool valid = words.size() == kCombLength;
        std::bitset<kMaxNumbers + 1> seen;
        for (std::size_t w = 0; valid && w < words.size(); ++w) {
            const std::int32_t n = StrToIntDef(Trim(words[w]), 0);
            valid = n >= 1 && n <= info.Numbers && !seen[static_cast<std::size_t>(n)];
            if (valid) seen[static_cast<std::size_t>(n)] = true;
        }
        if (!valid) {
            std::string shown = SanitizeUtf8(lines[i]);
            if (shown.size() > 60) shown = shown.substr(0, 60) + "...";
            throw EError(Msg(TMsg::SystemLinePrefix) + std::to_string(i + 1) +
                         Msg(TMsg::SystemLineOfSystem) + shown +
                         Msg(TMsg::SystemLineNotCombination) + std::to_string(info.Numbers) + ".");
        }
    }
    return lines;
}

bool DownloadSystem(const TOnlineService& service, const std::filesystem::path& dataDir,
                    const TSystemInfo& info) {
    const std::string text = FetchSystemCombinations(service, info);
    return Guarded(WithId(SystemDownloadError, info.Id), [&] {
        const std::vector<std::string> lines = CheckDownloadedSystem(text, info);
        const auto folder = SystemsFolder(dataDir);
        int code = 0;
        if (!FolderExists(folder) && !ForceFolders(folder, &code)) {
            throw EError(Msg(TMsg::CannotCreateFolderPrefix) + folder.string() +
                         "\": " + SysErrorShortText(code));
        }
        std::string bytes;
        for (const std::string& line : lines) bytes += line + "\r\n";
        const auto file = LocalSystemFile(dataDir, info);
        WriteFileAtomically(file, bytes);
        if (info.Created != 0) {
            // Creation times cannot be set here; the modification time carries the version.
            const std::time_t created = LocalToEpoch(info.Created);
            const timespec times[2] = {{created, 0}, {created, 0}};
            if (::utimensat(AT_FDCWD, file.c_str(), times, 0) != 0) RaiseSystemError(errno);
        }
        return PathExists(file);
    });
}

bool DownloadSystemOnly(const TOnlineService& service, const std::filesystem::path& dataDir,
                        const std::vector<TSystemInfo>& rows, std::size_t index) {
    const TSystemInfo& info = rows.at(index);
    if (!DownloadSystem(service, dataDir, info)) return false;
    const auto own = LocalSystemFile(dataDir, info);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i == index || rows[i].Id <= 0 || rows[i].Numbers != info.Numbers) continue;
        const auto other = LocalSystemFile(dataDir, rows[i]);
        if (other != own && PathExists(other)) DeleteOneFile(other);
    }
    return true;
}

std::vector<bool> DownloadSelectedSystems(const TOnlineService& service,
                                          const std::filesystem::path& dataDir,
                                          const std::vector<TSystemInfo>& rows,
                                          const std::vector<std::size_t>& selected) {
    TBusyGuard busy;
    IUiHooks& hooks = ServiceHooks(service);
    std::vector<bool> done;
    for (const std::size_t index : selected) {
        bool ok = false;
        try {
            ok = DownloadSystemOnly(service, dataDir, rows, index);
        } catch (const EError& e) {
            hooks.ShowMessage(TMessageKind::Error, e.what());
        }
        done.push_back(ok);
    }
    hooks.ShowStatus(std::string());
    return done;
}

std::int32_t PutSystem(const TOnlineService& service, const TSystemData& data, bool deleting) {
    TBusyGuard busy;
    TStatusGuard status(ServiceHooks(service), (deleting ? Msg(TMsg::DeletingQuotedPrefix)
                                                         : Msg(TMsg::SavingQuotedPrefix)) +
                                                   data.Title + "\"...");
    return Guarded(WithId(SystemSaveError, data.Id), [&] {
        std::vector<std::string> fields;
        fields.push_back(ServiceField("del_mode", deleting ? 1 : 0));
        fields.push_back(ServiceField("sys_id", data.Id));
        fields.push_back(ServiceField("nums", data.Numbers));
        fields.push_back(ServiceField("clen", kCombLength));
        fields.push_back(ServiceField("olap", data.Block));
        fields.push_back(ServiceEscField("title", data.Title));
        fields.push_back(ServiceEscField("descr", data.Description));
        fields.push_back(ServiceField("csize", data.Combinations));
        fields.push_back(ServiceField(
            "clist",
            deleting ? std::string() : Base64Encode(EscapeServiceText(data.CombinationText))));
        fields.push_back(ServiceField("url", data.Link));
        fields.push_back(ServiceField("appid", service.Client.AppId));
        fields.push_back(ServiceField("appver", service.Client.AppVersion));
        fields.push_back(ServiceEscField("cl_name", data.Author));
        // Who asks, not whose the entry is: the service lets only the owner change it.
        fields.push_back(ServiceEscField("cl_mail", service.Client.UserMail));
        fields.push_back(ServiceField("cl_lcid", InterfaceLcid));
        const std::string reply = PostServiceRequest(service, "/scripts/sys_putdata.php", fields);
        std::int32_t id = -1;
        WalkServiceReply(reply, [&](const std::string& row) {
            id = RowIntDef(row, "id_systems", -1);
            return id < 0;
        });
        return id;
    });
}

}  // namespace mv
