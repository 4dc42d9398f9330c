#include "engine/support/file_steps.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"
#include "engine/support/file_basics.h"

namespace mv {
namespace fs = std::filesystem;

namespace {

TTransaction Finish(TTransaction step, std::uint8_t status, std::string text) {
    step.Status = status;
    step.Text = std::move(text);
    step.Finished = Now();
    return step;
}

TTransaction Succeed(TTransaction step) {
    return Finish(std::move(step), ssDone, SysErrorText(0));
}

std::string FolderNotFound(const fs::path& path) {
    return Fmt(Msg(TMsg::FolderNotFound), {path.string()});
}

// The text of the first attribute of the item that the options protect.
std::optional<std::string> ProtectedText(const fs::path& path, unsigned options) {
    const unsigned attributes = FileAttributes(path);
    if ((attributes & faReadOnly) && (options & foSkipReadOnly)) {
        return Msg(TMsg::FileReadOnly);
    }
    if ((attributes & faSystem) && (options & foSkipSystem)) {
        return Msg(TMsg::FileSystemAttr);
    }
    if ((attributes & faHidden) && (options & foSkipHidden)) {
        return Msg(TMsg::FileHidden);
    }
    return std::nullopt;
}

// The path without a trailing delimiter, so that parent_path() names the real parent.
fs::path WithoutTrailingDelimiter(const fs::path& path) {
    return path.has_filename() || !path.has_parent_path() ? path : path.parent_path();
}

bool InUse(int code) {
    return code == EACCES || code == EPERM || code == ETXTBSY || code == EBUSY;
}

// Both names lead to the same file: equal paths, or one file reached twice (a hard or
// symbolic link). Copying a file onto itself would lose it.
bool SameFile(const fs::path& source, const fs::path& target) {
    if (source.lexically_normal() == target.lexically_normal()) return true;
    std::error_code ec;
    return fs::equivalent(source, target, ec) && !ec;
}

// True when comparisons were chosen and all of them find source and target equal.
bool EqualByComparisons(const fs::path& source, const fs::path& target, unsigned options) {
    if ((options & (foCompareTime | foCompareSize | foCompareCrc)) == 0) return false;
    struct stat a {
    }, b{};
    if (::stat(source.c_str(), &a) != 0 || ::stat(target.c_str(), &b) != 0) return false;
    if ((options & foCompareTime) &&
        (a.st_mtim.tv_sec != b.st_mtim.tv_sec || a.st_mtim.tv_nsec != b.st_mtim.tv_nsec)) {
        return false;
    }
    if ((options & foCompareSize) && a.st_size != b.st_size) return false;
    if (options & foCompareCrc) {
        const auto crcA = FileCrc32(source);
        const auto crcB = FileCrc32(target);
        if (!crcA || !crcB || *crcA != *crcB) return false;
    }
    return true;
}

std::string DeleteFailed(int code) {
    return Fmt(Msg(TMsg::DeleteFileError), {SysErrorText(code)});
}
std::string CreateFailed(int code) {
    return Fmt(Msg(TMsg::CreateFileError), {SysErrorText(code)});
}

// Moves the existing target aside to its ".~" name and renames the new file into place; the
// old file gets its name back when the second rename fails.
std::string PutInPlaceAside(const fs::path& newFile, const fs::path& target) {
    const fs::path aside = TildeName(target);
    if (::rename(target.c_str(), aside.c_str()) != 0) return DeleteFailed(errno);
    if (::rename(newFile.c_str(), target.c_str()) != 0) {
        const int code = errno;
        ::rename(aside.c_str(), target.c_str());
        return CreateFailed(code);
    }
    return {};
}

// Renames the new file to the target's name; returns the failure text or "" on success.
// Replacing by rename keeps the old target whole until the new one takes its name.
std::string PutInPlace(const fs::path& newFile, const fs::path& target, bool targetExists,
                       unsigned options, const TFileOpHooks& hooks) {
    if (!targetExists) {
        return ::rename(newFile.c_str(), target.c_str()) == 0 ? std::string() : CreateFailed(errno);
    }
    if (options & foRenameTarget) return PutInPlaceAside(newFile, target);
    int code = hooks.ReplaceFault ? hooks.ReplaceFault(target) : 0;
    if (code == 0) {
        if (::rename(newFile.c_str(), target.c_str()) == 0) return {};
        code = errno;
    }
    return InUse(code) ? PutInPlaceAside(newFile, target) : DeleteFailed(code);
}

std::string KbText(const char* pattern, std::int64_t bytes) {
    return Fmt(pattern, {FormatNumberGrouped(static_cast<long double>(bytes) / 1024.0L, 2)});
}

TTransaction Copy(TTransaction step, const fs::path& source, const fs::path& target,
                  bool targetExists, unsigned options, const TFileOpHooks& hooks) {
    fs::path temp;
    std::int64_t bytes = 0;
    if (const int code = CopyToTemporary(source, target, &temp, &bytes)) {
        return Finish(std::move(step), ssError, CreateFailed(code));
    }
    const std::string failure = PutInPlace(temp, target, targetExists, options, hooks);
    if (!failure.empty()) {
        ::unlink(temp.c_str());
        return Finish(std::move(step), ssError, failure);
    }
    step.Bytes = bytes;
    return Finish(std::move(step), ssDone, KbText(Msg(TMsg::CopiedKb).c_str(), bytes));
}

bool SameFileSystem(const fs::path& source, const fs::path& targetFolder) {
    struct stat a {
    }, b{};
    return ::stat(source.c_str(), &a) == 0 && ::stat(targetFolder.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev;
}

TTransaction Move(TTransaction step, const fs::path& source, const fs::path& target,
                  bool targetExists, unsigned options, const TFileOpHooks& hooks) {
    struct stat st {};
    const std::int64_t bytes = ::lstat(source.c_str(), &st) == 0 ? st.st_size : 0;
    if (SameFileSystem(source, target.parent_path())) {
        const std::string failure = PutInPlace(source, target, targetExists, options, hooks);
        if (!failure.empty()) return Finish(std::move(step), ssError, failure);
    } else {
        // Another file system: copy, then delete the source once the copy is in place.
        step = Copy(std::move(step), source, target, targetExists, options, hooks);
        if (step.Status != ssDone) return step;
        if (::unlink(source.c_str()) != 0) {
            const int code = errno;
            return Finish(std::move(step), ssError, DeleteFailed(code));
        }
    }
    step.Bytes = bytes;
    return Finish(std::move(step), ssDone, KbText(Msg(TMsg::MovedKb).c_str(), bytes));
}

std::string TransferName(const fs::path& from, const fs::path& to, bool move, TStepNaming naming) {
    if (naming == TStepNaming::Paths) {
        return Fmt(move ? Msg(TMsg::MoveToStep) : Msg(TMsg::CopyToStep),
                   {from.string(), to.string()});
    }
    return Fmt(move ? Msg(TMsg::MoveFromToStep) : Msg(TMsg::CopyFromToStep),
               {from.filename().string(), from.parent_path().string(), to.parent_path().string()});
}

TTransaction Transfer(const fs::path& from, const fs::path& to, unsigned options, bool move,
                      TStepNaming naming, const TFileOpHooks& hooks) {
    TTransaction step = StartStep(TransferName(from, to, move, naming));
    const fs::path source = AbsolutePath(from);
    const fs::path target = AbsolutePath(to);
    if (SameFile(source, target)) {
        return Finish(std::move(step), ssError, Msg(TMsg::CopyOntoItself));
    }
    if (!PathExists(source)) {
        return Finish(std::move(step), ssError, Fmt(Msg(TMsg::FileNotFound), {from.string()}));
    }
    const bool targetExists = PathExists(target);
    if (targetExists &&
        ((options & foReplace) == 0 || EqualByComparisons(source, target, options))) {
        return Finish(std::move(step), ssSkipped, Msg(TMsg::FileAlreadyExists));
    }
    if (auto text = ProtectedText(source, options)) {
        return Finish(std::move(step), ssSkipped, *text);
    }
    if (targetExists) {
        if (auto text = ProtectedText(target, options)) {
            return Finish(std::move(step), ssSkipped, *text);
        }
        ClearReadOnly(target);
    }
    const fs::path folder = target.parent_path();
    int code = 0;
    if ((options & foCreateFolders) && !FolderExists(folder) && !ForceFolders(folder, &code)) {
        return Finish(std::move(step), ssError,
                      Fmt(Msg(TMsg::CreateFolderError), {folder.string(), SysErrorText(code)}));
    }
    return move ? Move(std::move(step), source, target, targetExists, options, hooks)
                : Copy(std::move(step), source, target, targetExists, options, hooks);
}

}  // namespace

TTransaction DeleteFileStep(const fs::path& path, unsigned options) {
    TTransaction step = StartStep(Fmt(Msg(TMsg::DeleteFileStep), {path.string()}));
    if (!PathExists(path)) {
        return Finish(std::move(step), ssError, Fmt(Msg(TMsg::FileNotFound), {path.string()}));
    }
    if (auto text = ProtectedText(path, options)) {
        return Finish(std::move(step), ssSkipped, *text);
    }
    ClearReadOnly(path);
    if (!DeleteOneFile(path)) {
        const int code = errno;
        return Finish(std::move(step), ssError, SysErrorText(code));
    }
    return Succeed(std::move(step));
}

TTransaction DeleteFolderStep(const fs::path& path, unsigned options) {
    TTransaction step = StartStep(Fmt(Msg(TMsg::DeleteFolderStep), {path.string()}));
    if (options & foIgnoreFolders) {
        return Finish(std::move(step), ssSkipped, Msg(TMsg::FolderIgnored));
    }
    if (!FolderExists(path)) return Finish(std::move(step), ssError, FolderNotFound(path));
    if (auto text = ProtectedText(path, options)) {
        return Finish(std::move(step), ssSkipped, *text);
    }
    if ((options & foEmptyFoldersOnly) && !FolderIsEmpty(path)) {
        return Finish(std::move(step), ssSkipped, Msg(TMsg::FolderNotEmpty));
    }
    ClearReadOnly(path);
    if (::rmdir(AbsolutePath(path).c_str()) != 0) {
        const int code = errno;
        return Finish(std::move(step), ssError,
                      Fmt(Msg(TMsg::DeleteFolderError), {path.string(), SysErrorText(code)}));
    }
    return Succeed(std::move(step));
}

TTransaction CreateFolderStep(const fs::path& path, bool parentRequired) {
    TTransaction step = StartStep(Fmt(Msg(TMsg::CreateFolderStep), {path.string()}));
    if (path.empty()) return Finish(std::move(step), ssError, FolderNotFound(path));
    if (FolderExists(path))
        return Finish(std::move(step), ssSkipped, Msg(TMsg::FolderAlreadyExists));
    const fs::path parent = WithoutTrailingDelimiter(AbsolutePath(path)).parent_path();
    if (parentRequired && !FolderExists(parent)) {
        return Finish(std::move(step), ssError, FolderNotFound(parent));
    }
    int code = 0;
    if (!ForceFolders(path, &code)) {
        return Finish(std::move(step), ssError,
                      Fmt(Msg(TMsg::CreateFolderError), {path.string(), SysErrorText(code)}));
    }
    return Succeed(std::move(step));
}

TTransaction CopyFileStep(const fs::path& from, const fs::path& to, unsigned options,
                          TStepNaming naming, const TFileOpHooks& hooks) {
    return Transfer(from, to, options, false, naming, hooks);
}

TTransaction MoveFileStep(const fs::path& from, const fs::path& to, unsigned options,
                          TStepNaming naming, const TFileOpHooks& hooks) {
    return Transfer(from, to, options, true, naming, hooks);
}

}  // namespace mv
