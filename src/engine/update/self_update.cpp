#include "engine/update/self_update.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <thread>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/processes.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/support/config_file.h"
#include "engine/support/file_basics.h"
#include "engine/support/file_operations.h"
#include "engine/support/file_steps.h"
#include "engine/support/ini_file.h"
#include "engine/support/progress_guard.h"
#include "engine/update/update_package.h"

namespace fs = std::filesystem;

namespace mv {
namespace {

constexpr int kSearchSteps = 5;
constexpr int kInstallSteps = 14;
constexpr int kDownloadAttempts = 3;
constexpr int kDeleteAttempts = 100;
constexpr int kDeletePauseMs = 100;
constexpr const char* kGlobalSection = "GlobalOptions";
// A description text or signature larger than this is not what the service publishes.
constexpr std::uintmax_t kMaxTextBytes = 4 << 20;

std::string FileNotFound(const fs::path& path) {
    return Fmt(Msg(TMsg::FileNotFound), {path.string()});
}

// The whole content of a file, refused above `limit` bytes.
std::string ReadWholeFile(const fs::path& path, std::uintmax_t limit = UINTMAX_MAX) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) throw EOSError(Fmt("%s: %s", {path.string(), SysErrorText(ec.value())}));
    if (size > limit) throw EError(Fmt(Msg(TMsg::FileTooLarge), {path.string()}));
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EOSError(Fmt("%s: %s", {path.string(), SysErrorText(errno)}));
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        int more = 0;
        if (c < 0x80) {
            more = 0;
        } else if ((c & 0xE0) == 0xC0 && c >= 0xC2) {
            more = 1;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2;
        } else if ((c & 0xF8) == 0xF0 && c <= 0xF4) {
            more = 3;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(more) >= text.size() && more > 0) return false;
        for (int k = 1; k <= more; ++k) {
            if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) !=
                0x80) {
                return false;
            }
        }
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

bool IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// A text of the service as UTF-8: UTF-8 as it is (without a byte-order mark), anything else
// read as Windows-1251.
std::string TextAsUtf8(std::string bytes) {
    if (bytes.starts_with(kUtf8Bom)) bytes.erase(0, kUtf8Bom.size());
    return IsValidUtf8(bytes) ? bytes : Cp1251ToUtf8(bytes);
}

// A VerId becomes part of file names: it must be one plain name.
void CheckVersionName(const std::string& verId) {
    if (verId.empty() || verId == "." || verId == ".." ||
        verId.find_first_of(std::string_view("/\\\0", 3)) != std::string::npos) {
        throw EError(Fmt(Msg(TMsg::InvalidUpdateVersion), {verId}));
    }
}

void RemoveFolder(const fs::path& folder) {
    std::error_code ec;
    if (!PathExists(folder)) return;
    fs::remove_all(folder, ec);
    if (ec) {
        throw EOSError(
            Fmt(Msg(TMsg::DeleteFolderError), {folder.string(), SysErrorText(ec.value())}));
    }
}

std::vector<std::string> BothLists(const std::string& global, const std::string& own) {
    std::vector<std::string> names = UpdateListNames(global);
    for (auto& name : UpdateListNames(own)) names.push_back(std::move(name));
    return names;
}

std::string FetchDescriptionText(const TUpdateParams& params, const std::string& verId,
                                 const THttpOptions& http) {
    const bool web =
        params.Source.size() >= 7 &&
        (EqualsNoCase(params.Source.substr(0, 7), "http://") || IsHttpsUrl(params.Source));
    std::vector<std::string> names;
    if (params.LanguageId != 0) {
        if (!params.LanguageAbbrev.empty()) {
            names.push_back(Fmt("UpdDescr_%s_%s.txt", {params.LanguageAbbrev, verId}));
        }
        names.push_back(Fmt("UpdDescr_%d_%s.txt", {std::to_string(params.LanguageId), verId}));
    }
    names.push_back(Fmt("UpdDescr_%s.txt", {verId}));
    const fs::path local = params.ProgramDir / Fmt("UpdDescr_%s.txt", {verId});
    DeleteOneFile(local);
    for (const auto& name : names) {
        std::string source;
        if (web) {
            source = params.Source.substr(0, params.Source.rfind('/') + 1) + "UpdDescr/" + name;
        } else {
            source = (fs::path(params.Source).parent_path() / "UpdDescr" / name).string();
        }
        try {
            FetchToFile(source, local, http);
            break;
        } catch (const std::exception&) {
            // The next variant is tried; when none exists the text is simply not available.
        }
    }
    std::string text;
    if (PathExists(local)) {
        try {
            text = TextAsUtf8(ReadWholeFile(local, kMaxTextBytes));
        } catch (...) {
            DeleteOneFile(local);
            throw;
        }
    } else {
        text = UpdateNoDescription;
    }
    DeleteOneFile(local);
    return text;
}

// One download attempt: the package fetched, checked against its checksum and signature.
void DownloadPackage(const TUpdateParams& params, const TUpdateVersionData& data,
                     const fs::path& package, const std::string& publicKey) {
    DeleteOneFile(package);
    FetchToFile(data.DownloadUrl, package, params.Http);
    if (!PathExists(package)) throw EError(FileNotFound(package));
    const std::string bytes = ReadWholeFile(package);
    if (!Trim(data.ChecksumCRC32).empty()) {
        char text[9];
        std::snprintf(text, sizeof text, "%08X", Crc32(bytes));
        if (!EqualsNoCase(text, Trim(data.ChecksumCRC32))) throw EError(UpdateChecksumError);
    }
    if (!VerifyEd25519(bytes, data.PackageSignature, publicKey)) {
        throw EError(UpdatePackageSignatureError);
    }
}

void DeleteListed(const fs::path& programDir, const std::vector<std::string>& names) {
    for (const auto& name : names) {
        const fs::path path = CheckedListPath(programDir, name, TUpdateNameBase::ProgramFolder);
        if (PathExists(path)) DeleteFiles(path, TFileOpParams{});
    }
}

void RunListed(const TUpdateParams& params, const fs::path& scratch,
               const std::vector<std::string>& names, IUiHooks& hooks) {
    for (const auto& name : names) {
        const fs::path path = CheckedListPath(scratch, name, TUpdateNameBase::ScratchFolder);
        std::error_code ec;
        if (!fs::is_regular_file(path, ec)) continue;
        RunProcess(scratch, path, {}, params.ProcessTimeLimitSeconds, true,
                   [&hooks] { hooks.Checkpoint(); });
    }
}

// Copies every file of the scratch folder, subfolders included, into the program folder as
// one logged operation that stops at the first failed file.
TOperation CopyIntoProgramFolder(const fs::path& scratch, const fs::path& programDir,
                                 const TViewerSink& viewer) {
    TOperation operation = StartOperation(
        Fmt(Msg(TMsg::CopyFromToStep), {"*.*", scratch.string(), programDir.string()}));
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(scratch, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (it->is_regular_file(ec) && !it->is_symlink(ec)) files.push_back(it->path());
    }
    if (ec) {
        TTransaction step = StartStep(Fmt(Msg(TMsg::SearchFilesStep), {"*.*", scratch.string()}));
        step.Status = ssError;
        step.Text = SysErrorText(ec.value());
        step.Finished = Now();
        AddStep(operation, step, sfStopOnError | sfShowMessage, viewer);
        FinishOperation(operation, fkNothingIsError);
        return operation;
    }
    std::sort(files.begin(), files.end());
    operation.Total = static_cast<std::int32_t>(files.size());
    TFileOpHooks hooks;
    hooks.Viewer = viewer;
    for (const auto& file : files) {
        const fs::path target = programDir / file.lexically_relative(scratch);
        TTransaction step;
        if (!StaysInside(programDir, target.parent_path() / "x")) {
            step = StartStep(Fmt(Msg(TMsg::CopyToStep), {file.string(), target.string()}));
            step.Status = ssError;
            step.Text = Fmt(Msg(TMsg::FolderOutsideProgram), {target.parent_path().string()});
            step.Finished = Now();
        } else {
            step =
                CopyFileStep(file, target, foReplace | foCreateFolders, TStepNaming::Paths, hooks);
        }
        if (AddStep(operation, step, sfStopOnError | sfShowMessage, viewer)) break;
    }
    FinishOperation(operation, fkNothingIsError);
    return operation;
}

}  // namespace

int BuildNumber(std::string_view version) {
    const auto words = SplitWords(version, ",-._");
    if (words.size() < 4) return 0;
    return StrToIntDef(Trim(words[3]), 0);
}

TUpdateVersionData ReadUpdateVersionData(const fs::path& file, const std::string& section,
                                         const std::string& runningVersion) {
    return ReadUpdateVersionData(TIniFile(file), section, runningVersion);
}

TUpdateVersionData ReadUpdateVersionData(const TIniFile& ini, const std::string& section,
                                         const std::string& runningVersion) {
    TUpdateVersionData d;
    d.VerId = ini.ReadString(section, "VerId", runningVersion);
    d.Description = ini.ReadString(section, "Description", "");
    d.DownloadUrl = ini.ReadString(section, "DownloadUrl", "");
    d.OriginalFileName = ini.ReadString(section, "OriginalFileName", "");
    d.ChecksumCRC32 = ini.ReadString(section, "ChecksumCRC32", "");
    d.GlobalDeleteAfter = ini.ReadString(kGlobalSection, "DeleteAfter", "");
    d.GlobalDeleteBefore = ini.ReadString(kGlobalSection, "DeleteBefore", "");
    d.GlobalExecAfter = ini.ReadString(kGlobalSection, "ExecAfter", "");
    d.GlobalExecBefore = ini.ReadString(kGlobalSection, "ExecBefore", "");
    d.DeleteAfter = ini.ReadString(section, "DeleteAfter", "");
    d.DeleteBefore = ini.ReadString(section, "DeleteBefore", "");
    d.ExecAfter = ini.ReadString(section, "ExecAfter", "");
    d.ExecBefore = ini.ReadString(section, "ExecBefore", "");
    d.PackageSignature = ini.ReadString(section, "PackageSignature", "");
    return d;
}

bool UpdateAvailable(const std::string& runningVersion, const TUpdateVersionData& data) {
    return BuildNumber(runningVersion) < BuildNumber(data.VerId) && !data.DownloadUrl.empty();
}

std::vector<std::string> UpdateListNames(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = list.find(';', start);
        std::string name = Trim(
            std::string_view(list).substr(start, end == std::string::npos ? end : end - start));
        if (!name.empty()) names.push_back(std::move(name));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return names;
}

int FetchToFile(const std::string& source, const fs::path& target, const THttpOptions& http) {
    const fs::path folder = AbsolutePath(target).parent_path();
    int code = 0;
    if (!ForceFolders(folder, &code)) {
        throw EOSError(Fmt(Msg(TMsg::CreateFolderError), {folder.string(), SysErrorText(code)}));
    }
    const bool http_ = source.size() >= 7 && EqualsNoCase(source.substr(0, 7), "http://");
    if (http_ || IsHttpsUrl(source)) {
        HttpGetToFile(source, target, http);
        return 0;
    }
    std::error_code ec;
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        throw EOSError(
            Fmt(Msg(TMsg::CopyError), {source, target.string(), SysErrorText(ec.value())}));
    }
    return 1;
}

std::string ProgramFileVersion() {
    std::string version = MV_VERSION;
    std::size_t words = SplitWords(version, ".").size();
    for (; words < 4; ++words) version += ".0";
    return version;
}

std::string UpdateDescriptionUrl(const std::string& serviceUrl) {
    std::string base = Trim(serviceUrl);
    while (!base.empty() && base.back() == '/') base.pop_back();
    if (base.empty()) throw EError(NoServiceUrlError);
    return base + UpdateDescriptionPath;
}

std::string UpdateInstalledText(const std::string& description) {
    return Fmt(Msg(TMsg::UpdateInstalled), {description});
}

void RemoveUpdateDescription(const fs::path& programDir) {
    DeleteOneFile(programDir / UpdateDescriptionFile);
    DeleteOneFile(programDir / (std::string(UpdateDescriptionFile) + UpdateSignatureSuffix));
}

void LoadUpdateSettings(const fs::path& configFile, TUpdateParams& params) {
    // The same service and certificate as the catalogs', read by the same rules.
    const TOnlineSettings online = LoadOnlineSettings(configFile);
    params.Source =
        online.ServiceUrl.empty() ? std::string() : UpdateDescriptionUrl(online.ServiceUrl);
    params.Http.ExtraCaFile = online.CaFile;
    params.PublicKey = LoadUpdatePublicKey(configFile);
}

TUpdateSearch SearchForUpdate(const TUpdateParams& params, IUiHooks& hooks) {
    TProgressGuard progress(hooks, Msg(TMsg::SearchUpdatesStatus), kSearchSteps);
    if (params.Source.empty()) throw EError(NoServiceUrlError);
    const fs::path dir = params.ProgramDir;
    // 1. Old copies of files that were in use when an installation replaced them.
    TFileOpParams quiet;
    quiet.Options = foIgnoreFolders;
    DeleteFiles(dir / "*.~*", quiet);
    progress.Step();
    // 2.
    const std::string running = params.RunningVersion;
    progress.Step();
    // 3. The description and its signature; nothing of it is read before it verifies.
    const fs::path description = dir / UpdateDescriptionFile;
    const fs::path signature = dir / (std::string(UpdateDescriptionFile) + UpdateSignatureSuffix);
    FetchToFile(params.Source, description, params.Http);
    const std::string publicKey = params.PublicKey.empty() ? BuiltInUpdateKey : params.PublicKey;
    if (!IsPublicKeyText(publicKey)) {
        throw EError(Msg(TMsg::UpdateKeyInvalid));
    }
    std::string signatureText;
    try {
        FetchToFile(params.Source + UpdateSignatureSuffix, signature, params.Http);
        signatureText = ReadWholeFile(signature, kMaxTextBytes);
    } catch (const std::exception&) {
        throw EError(UpdateDescriptionSignatureError);
    }
    const std::string bytes = ReadWholeFile(description, kMaxTextBytes);
    if (!VerifyEd25519(bytes, signatureText, publicKey)) {
        throw EError(UpdateDescriptionSignatureError);
    }
    // A description written as UTF-8 without a byte-order mark is given one, so that its
    // Cyrillic texts are not read as Windows-1251.
    if (!bytes.starts_with(kUtf8Bom) && !IsAscii(bytes) && IsValidUtf8(bytes)) {
        std::ofstream out(description, std::ios::binary | std::ios::trunc);
        out << kUtf8Bom << bytes;
        if (!out.flush())
            throw EOSError(Fmt("%s: %s", {description.string(), SysErrorText(errno)}));
    }
    progress.Step();
    // 4.
    TUpdateSearch search;
    search.Data = ReadUpdateVersionData(description, params.Section, running);
    search.Available = UpdateAvailable(running, search.Data);
    if (search.Available) CheckVersionName(search.Data.VerId);
    progress.Step();
    // 5.
    if (search.Available) {
        const std::string text = FetchDescriptionText(params, search.Data.VerId, params.Http);
        for (auto line : SplitTextLines(text)) search.Description.emplace_back(line);
    }
    progress.Step();
    return search;
}

void InstallUpdate(const TUpdateParams& params, const TUpdateVersionData& data, IUiHooks& hooks) {
    CheckVersionName(data.VerId);
    const fs::path dir = params.ProgramDir;
    const fs::path scratch = dir / UpdateScratchFolder;
    const std::string publicKey = params.PublicKey.empty() ? BuiltInUpdateKey : params.PublicKey;
    // Everything the description names is checked before anything is downloaded, deleted or
    // run, so that a refused name leaves the program folder as it was.
    if (Trim(data.PackageSignature).empty()) throw EError(UpdatePackageSignatureError);
    const std::string packageName = Fmt("SelfUpdate_%s.upd", {data.VerId});
    const std::string unpackerName =
        Trim(data.OriginalFileName).empty() ? packageName : Trim(data.OriginalFileName);
    if (unpackerName.find('/') != std::string::npos || unpackerName == "." ||
        unpackerName == "..") {
        throw EError(Fmt(Msg(TMsg::InvalidPackageName), {unpackerName}));
    }
    const auto deleteBefore = BothLists(data.GlobalDeleteBefore, data.DeleteBefore);
    const auto deleteAfter = BothLists(data.GlobalDeleteAfter, data.DeleteAfter);
    const auto execBefore = BothLists(data.GlobalExecBefore, data.ExecBefore);
    const auto execAfter = BothLists(data.GlobalExecAfter, data.ExecAfter);
    for (const auto* list : {&deleteBefore, &deleteAfter}) {
        for (const auto& name : *list) {
            CheckedListPath(dir, name, TUpdateNameBase::ProgramFolder);
        }
    }
    for (const auto* list : {&execBefore, &execAfter}) {
        for (const auto& name : *list) {
            CheckedListPath(scratch, name, TUpdateNameBase::ScratchFolder);
        }
    }

    TProgressGuard progress(hooks, Fmt(Msg(TMsg::InstallUpdateStatus), {data.VerId}),
                            kInstallSteps);
    try {
        // 1, 2.
        RemoveFolder(scratch);
        progress.Step();
        std::error_code ec;
        if (!fs::create_directory(scratch, ec)) {
            throw EOSError(Fmt(Msg(TMsg::CreateFolderError),
                               {scratch.string(), SysErrorText(ec ? ec.value() : EEXIST)}));
        }
        progress.Step();
        // 3.
        const fs::path package = scratch / packageName;
        for (int attempt = 1;; ++attempt) {
            try {
                DownloadPackage(params, data, package, publicKey);
                break;
            } catch (const std::exception&) {
                if (attempt >= kDownloadAttempts) throw;
            }
        }
        progress.Step();
        // 4, 5.
        const fs::path unpacker = scratch / unpackerName;
        if (unpacker != package && !MoveOneFile(package, unpacker)) {
            throw EOSError(SysErrorText(errno));
        }
        progress.Step();
        if (!PathExists(unpacker)) throw EError(FileNotFound(unpacker));
        progress.Step();
        // 6. The signed package is unpacked, never run.
        UnpackUpdatePackage(unpacker, scratch, unpackerName);
        progress.Step();
        // 7.
        for (int failures = 0; PathExists(unpacker);) {
            if (DeleteOneFile(unpacker)) break;
            const int code = errno;
            if (++failures > kDeleteAttempts) throw EOSError(SysErrorText(code));
            for (int waited = 0; waited < kDeletePauseMs; waited += 10) {
                hooks.Checkpoint();
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
        progress.Step();
        // 8.
        if (FolderIsEmpty(scratch)) throw EError(FileNotFound(scratch / "*.*"));
        progress.Step();
        // 9, 10.
        DeleteListed(dir, deleteBefore);
        progress.Step();
        RunListed(params, scratch, execBefore, hooks);
        progress.Step();
        // 11.
        const TOperation copy = CopyIntoProgramFolder(scratch, dir, params.Viewer);
        if (copy.Status != ssDone) throw EError(Fmt("%s - %s", {copy.Name, copy.Text}));
        progress.Step();
        // 12, 13.
        RunListed(params, scratch, execAfter, hooks);
        progress.Step();
        DeleteListed(dir, deleteAfter);
        progress.Step();
        // 14.
        progress.Step();
    } catch (...) {
        try {
            RemoveFolder(scratch);
        } catch (const std::exception&) {
            // The first failure is the one to report.
        }
        throw;
    }
    RemoveFolder(scratch);
}

int CheckForUpdates(const TUpdateParams& params, IUiHooks& hooks) {
    int result = urNothingInstalled;
    try {
        TUpdateSearch search;
        bool searched = false;
        try {
            search = SearchForUpdate(params, hooks);
            searched = true;
        } catch (const std::exception& e) {
            if (!params.Silent) {
                hooks.ShowMessage(TMessageKind::Error,
                                  OperationMessage(UpdateSearchError, e.what()));
            }
        }
        if (searched && !search.Available) {
            if (!params.Silent) hooks.ShowMessage(TMessageKind::Info, UpdateNotFound);
        } else if (searched) {
            TUpdateOffer offer{params.RunningVersion, search.Data.VerId, search.Description};
            bool install = false;
            if (params.Offer) {
                install = params.Offer(offer);
            } else {
                std::string question = Msg(TMsg::CurrentVersionPrefix) + offer.RunningVersion +
                                       Msg(TMsg::NewVersionLabel) + offer.Version +
                                       Msg(TMsg::VersionDescriptionLabel);
                for (const auto& line : offer.Description) question += "\r" + line;
                install = hooks.Ask(TAskKind::YesNo, UpdateOfferCaption, question);
            }
            if (install) {
                try {
                    InstallUpdate(params, search.Data, hooks);
                    result = urInstalled;
                } catch (const std::exception& e) {
                    result = urFailed;
                    hooks.ShowMessage(TMessageKind::Error,
                                      OperationMessage(UpdateInstallError, e.what()));
                }
                if (result == urInstalled) {
                    hooks.ShowMessage(TMessageKind::Warning,
                                      UpdateInstalledText(search.Data.Description));
                }
            }
        }
    } catch (const std::exception& e) {
        hooks.ShowMessage(TMessageKind::Error, OperationMessage(UpdateSystemError, e.what()));
        result = urFailed;
    }
    RemoveUpdateDescription(params.ProgramDir);
    return result;
}

}  // namespace mv
