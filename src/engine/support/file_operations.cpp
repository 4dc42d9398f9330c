#include "engine/support/file_operations.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace fs = std::filesystem;

namespace {

constexpr int kPauseSliceMs = 100;

struct TFoundItem {
    fs::path Path;
    bool IsFolder = false;
};

std::string Num(long long value) {
    return std::to_string(value);
}

// Lists the entries of the folder that match the masks, in name order, and logs the search
// as an information step. Folders are listed only when asked for (and then only folders
// when foldersOnly).
std::vector<TFoundItem> Search(TOperation& operation, const fs::path& folder,
                               const std::string& masks, bool withFolders, bool foldersOnly,
                               const TFileOpParams& params, const TFileOpHooks& hooks) {
    TTransaction step = StartStep(Fmt(Msg(TMsg::SearchFilesStep), {masks, folder.string()}));
    step.Status = ssInformation;
    std::vector<TFoundItem> found;
    if (!FolderExists(folder)) {
        step.Text = Fmt(Msg(TMsg::FolderNotFound), {folder.string()});
    } else {
        const std::vector<std::string> list = SplitMasks(masks);
        std::error_code ec;
        for (fs::directory_iterator it(AbsolutePath(folder), ec), end; !ec && it != end;
             it.increment(ec)) {
            const bool isFolder = it->is_directory(ec) && !it->is_symlink(ec);
            if ((isFolder && !withFolders) || (!isFolder && foldersOnly)) continue;
            if (!AnyMaskMatches(list, it->path().filename().string())) continue;
            found.push_back({folder / it->path().filename(), isFolder});
        }
        std::sort(found.begin(), found.end(),
                  [](const TFoundItem& a, const TFoundItem& b) { return a.Path < b.Path; });
        step.Text = Fmt(Msg(TMsg::FoundFilesCount), {Num(std::ssize(found))});
    }
    step.Finished = Now();
    AddStep(operation, step, params.StepFlags, hooks.Viewer);
    operation.Total = static_cast<std::int32_t>(found.size());
    return found;
}

// Lets the pause before a retry pass; false when a stop was requested meanwhile.
bool PauseBeforeRetry(int attempt, int seconds, const TFileOpHooks& hooks) {
    if (hooks.Ui) {
        hooks.Ui->ShowStatus(Fmt(Msg(TMsg::OperationRetry), {Num(attempt), Num(seconds)}));
    }
    const int total = std::max(0, seconds) * 1000;
    for (int waited = 0;; waited += kPauseSliceMs) {
        if (hooks.Ui && hooks.Ui->Checkpoint()) return false;
        if (waited >= total) return true;
        const int slice = std::min(kPauseSliceMs, total - waited);
        if (hooks.Sleep) {
            hooks.Sleep(slice);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(slice));
        }
    }
}

// Runs one step, and again after a pause while it fails and attempts are left. Every try is
// added to the operation (the failed ones before a retry as not final). Returns true when the
// operation must stop: a final error with sfStopOnError, or a stop request during a pause,
// which also gives the operation the stopped status.
bool RunStep(TOperation& operation, const std::function<TTransaction()>& attempt,
             const TFileOpParams& params, const TFileOpHooks& hooks) {
    const int attempts = (params.Options & foRetry) ? std::max(1, params.Attempts) : 1;
    for (int n = 1;; ++n) {
        TTransaction step = attempt();
        const std::string name = step.Name;
        if (n > 1) step.Name += Fmt(Msg(TMsg::AttemptSuffix), {Num(n)});
        const bool retry = step.Status == ssError && n < attempts;
        const bool stop = AddStep(operation, step, params.StepFlags, hooks.Viewer, !retry);
        if (!retry) return stop;
        TTransaction stopped = StartStep(name + Fmt(Msg(TMsg::AttemptSuffix), {Num(n + 1)}));
        if (!PauseBeforeRetry(n + 1, params.PauseSeconds, hooks)) {
            stopped.Status = ssStopped;
            stopped.Text = Msg(TMsg::OperationStopped);
            stopped.Finished = Now();
            AddStep(operation, stopped, params.StepFlags, hooks.Viewer);
            operation.Status = std::max<std::uint8_t>(operation.Status, ssStopped);
            return true;
        }
    }
}

void Finish(TOperation& operation, const TFileOpParams& params) {
    const int kind = params.NothingFound == ssError     ? fkNothingIsError
                     : params.NothingFound == ssWarning ? fkNothingIsWarning
                                                        : fkNothingIsFine;
    FinishOperation(operation, kind);
}

TOperation Transfer(const fs::path& sourceFolder, const std::string& masks,
                    const fs::path& targetFolder, const TFileOpParams& params,
                    const TFileOpHooks& hooks, bool move) {
    TOperation operation =
        StartOperation(Fmt(move ? Msg(TMsg::MoveFromToStep) : Msg(TMsg::CopyFromToStep),
                           {masks, sourceFolder.string(), targetFolder.string()}));
    const auto found = Search(operation, sourceFolder, masks, false, false, params, hooks);
    for (const TFoundItem& item : found) {
        const fs::path target = targetFolder / item.Path.filename();
        const auto attempt = [&] {
            return move ? MoveFileStep(item.Path, target, params.Options,
                                       TStepNaming::NameAndFolders, hooks)
                        : CopyFileStep(item.Path, target, params.Options,
                                       TStepNaming::NameAndFolders, hooks);
        };
        if (RunStep(operation, attempt, params, hooks)) break;
    }
    Finish(operation, params);
    return operation;
}

}  // namespace

TOperation DeleteFiles(const fs::path& pathWithMask, const TFileOpParams& params,
                       const TFileOpHooks& hooks) {
    const bool emptyFolders = (params.Options & foEmptyFoldersOnly) != 0;
    TOperation operation =
        StartOperation(Fmt(emptyFolders ? Msg(TMsg::DeleteEmptyFoldersStep) : Msg(TMsg::DeleteStep),
                           {pathWithMask.string()}));
    const fs::path folder =
        pathWithMask.has_parent_path() ? pathWithMask.parent_path() : fs::current_path();
    const std::string masks = pathWithMask.filename().string();
    const auto found = Search(operation, folder, masks, true, emptyFolders, params, hooks);
    for (const TFoundItem& item : found) {
        const auto attempt = [&] {
            return item.IsFolder ? DeleteFolderStep(item.Path, params.Options)
                                 : DeleteFileStep(item.Path, params.Options);
        };
        if (RunStep(operation, attempt, params, hooks)) break;
    }
    Finish(operation, params);
    return operation;
}

TOperation CopyFiles(const fs::path& sourceFolder, const std::string& masks,
                     const fs::path& targetFolder, const TFileOpParams& params,
                     const TFileOpHooks& hooks) {
    return Transfer(sourceFolder, masks, targetFolder, params, hooks, false);
}

TOperation MoveFiles(const fs::path& sourceFolder, const std::string& masks,
                     const fs::path& targetFolder, const TFileOpParams& params,
                     const TFileOpHooks& hooks) {
    return Transfer(sourceFolder, masks, targetFolder, params, hooks, true);
}

TOperation CreateFolder(const fs::path& path, bool parentRequired, const TFileOpParams& params,
                        const TFileOpHooks& hooks) {
    TOperation operation = StartOperation(Fmt(Msg(TMsg::CreateFolderStep), {path.string()}));
    operation.Total = 1;
    RunStep(
        operation, [&] { return CreateFolderStep(path, parentRequired); }, params, hooks);
    Finish(operation, params);
    return operation;
}

}  // namespace mv
