#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/messages.h"
#include "engine/net/http.h"
#include "engine/support/operation_log.h"
#include "engine/support/ui_hooks.h"

// The program's self-update: a signed update description on the maker's (or a club's) web
// service names the newest build of each program file and where its package lies; the check
// finds out whether it is newer than the running build, asks whether to install it, and
// installs it into the program folder. The package is a zip file, and both the description
// and the package carry Ed25519 signatures that are checked before anything of them is used.

namespace mv {

class TIniFile;

// Where the update description lies on the service, after its base address.
inline constexpr const char* UpdateDescriptionPath = "/files/autoupdates/Quelm_AU.cfg";
// Appended to the description's address (or file path) for its signature.
inline constexpr const char* UpdateSignatureSuffix = ".sig";

// Files and folders of a check inside the program folder.
inline constexpr const char* UpdateDescriptionFile = "SelfUpdates.inf";
inline constexpr const char* UpdateScratchFolder = "SelfUpdate";

// Results of CheckForUpdates.
enum TUpdateResult { urNothingInstalled = 0, urInstalled = 1, urFailed = 2 };

// What a check reads from the description file. Every text starts empty.
struct TUpdateVersionData {
    std::string VerId;
    std::string Description;
    std::string DownloadUrl;
    std::string OriginalFileName;
    std::string ChecksumCRC32;
    std::string GlobalDeleteAfter;
    std::string GlobalDeleteBefore;
    std::string GlobalExecAfter;
    std::string GlobalExecBefore;
    std::string DeleteAfter;
    std::string DeleteBefore;
    std::string ExecAfter;
    std::string ExecBefore;
    // Base64 of the Ed25519 signature over the package's exact bytes.
    std::string PackageSignature;
    friend bool operator==(const TUpdateVersionData&, const TUpdateVersionData&) = default;
};

// The fourth word of a version text split at ",", "-", "." and "_", read as a decimal
// integer; 0 when it is missing or not a number.
int BuildNumber(std::string_view version);

// Reads the section named `section` of the description file (section and key names without
// regard to case) and the list keys of "GlobalOptions"; "VerId" defaults to `runningVersion`.
// Throws EError when the file cannot be read.
TUpdateVersionData ReadUpdateVersionData(const std::filesystem::path& file,
                                         const std::string& section,
                                         const std::string& runningVersion);
// The same over the description's text in memory.
TUpdateVersionData ReadUpdateVersionData(const TIniFile& ini, const std::string& section,
                                         const std::string& runningVersion);

// True when the offered build is newer than the running one and has a download address.
bool UpdateAvailable(const std::string& runningVersion, const TUpdateVersionData& data);

// The names of a delete or run list: split at ";", trimmed, empty ones dropped.
std::vector<std::string> UpdateListNames(const std::string& list);

// Fetches `source` into `target`, creating the target's folder when missing: an "http://" or
// "https://" source (any letter case) over the network, returning 0; any other source is a
// file path copied over the target, returning 1. Throws EError with the reason.
int FetchToFile(const std::string& source, const std::filesystem::path& target,
                const THttpOptions& http = {});

// The running program's version text: four dot-separated numbers, as the service compares
// them ("1.0.0" is given as "1.0.0.0").
std::string ProgramFileVersion();

// The description's address on the service `serviceUrl` (a base address such as
// https://host:8443). Throws EError when no service is configured (an empty address).
std::string UpdateDescriptionUrl(const std::string& serviceUrl);

// The check's settings from the configuration file `configFile`: the description's address
// on the service ("ServiceUrl" of section "ONLINE"; an empty Source when none is set), the
// trusted certificate ("CaFile") and the public key ("PublicKey" of "UPDATE").
struct TUpdateParams;
void LoadUpdateSettings(const std::filesystem::path& configFile, TUpdateParams& params);

// What the user is offered.
struct TUpdateOffer {
    std::string RunningVersion;
    std::string Version;
    std::vector<std::string> Description;
};

struct TUpdateParams {
    // The description's address: an http(s) address or a file path.
    std::string Source;
    // The folder of the program files that the update replaces.
    std::filesystem::path ProgramDir;
    std::string RunningVersion;
    // The description's section of this program.
    std::string Section = "Marvolet_5z36";
    // The interface language: its locale identifier (0 for none) and three-letter name.
    int LanguageId = 0;
    std::string LanguageAbbrev;
    // Suppresses the messages that nothing was found and that the search failed.
    bool Silent = false;
    // Base64 of the raw Ed25519 public key trusted for updates; empty: the built-in key.
    std::string PublicKey;
    THttpOptions Http;
    // How long a program of a run list may run.
    int ProcessTimeLimitSeconds = 60;
    // The message viewer, for the failed steps of the copy into the program folder.
    TViewerSink Viewer;
    // Decides whether the offered update is installed (the informer dialog). Without it the
    // hooks are asked a yes/no question.
    std::function<bool(const TUpdateOffer&)> Offer;
};

// The outcome of a search.
struct TUpdateSearch {
    bool Available = false;
    TUpdateVersionData Data;
    std::vector<std::string> Description;  // filled only when available
};

// The search: old "*.~*" copies removed, the description and its signature fetched and
// verified, the data read and, when an update is available, its description text fetched.
// Reports progress through the hooks. Throws EError with the reason; the fetched description
// files stay for the caller (CheckForUpdates removes them; so does RemoveUpdateDescription).
TUpdateSearch SearchForUpdate(const TUpdateParams& params, IUiHooks& hooks);
void RemoveUpdateDescription(const std::filesystem::path& programDir);

// The installation of a found update into the program folder. Throws EError with the reason;
// the scratch folder is removed in any case.
void InstallUpdate(const TUpdateParams& params, const TUpdateVersionData& data, IUiHooks& hooks);

// The whole check: search, offer, installation, messages. Returns a TUpdateResult.
int CheckForUpdates(const TUpdateParams& params, IUiHooks& hooks);

// The message texts of a check.
inline constexpr TMsgText UpdateSearchError{TMsg::UpdateSearchError};
inline constexpr TMsgText UpdateInstallError{TMsg::UpdateInstallError};
inline constexpr TMsgText UpdateSystemError{TMsg::UpdateSystemError};
inline constexpr TMsgText UpdateNotFound{TMsg::UpdateNotFound};
inline constexpr TMsgText UpdateOfferCaption{TMsg::UpdateOfferCaption};
inline constexpr TMsgText UpdateNoDescription{TMsg::UpdateNoDescription};
inline constexpr TMsgText UpdateDescriptionSignatureError{TMsg::UpdateDescriptionSignatureError};
inline constexpr TMsgText UpdatePackageSignatureError{TMsg::UpdatePackageSignatureError};
inline constexpr TMsgText UpdateChecksumError{TMsg::UpdateChecksumError};
inline constexpr TMsgText NoServiceUrlError{TMsg::NoServiceUrlMessage};
// "Установка обновления ... успешно выполнена" with the update's short name.
std::string UpdateInstalledText(const std::string& description);

}  // namespace mv
