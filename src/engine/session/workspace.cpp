#include "engine/session/workspace.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <string_view>

#include "engine/combs/full_set_files.h"
#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/draws/archive_file.h"
#include "engine/draws/draws_csv.h"
#include "engine/session/rating_commands.h"
#include "engine/support/atomic_file.h"

namespace mv {

TWorkspace::TWorkspace(TDataPaths paths, IUiHooks& hooks)
    : m_paths(std::move(paths)), m_hooks(hooks) {
    m_stats.SetDraws(&m_draws);
    m_stats.BuildMethods();
}

void TWorkspace::LockDataFiles() {
    m_lock.Acquire(m_paths.Stakes());
    RemoveStaleTemporaryFiles();
    // A damaged stakes file is mended or reported, never a reason to refuse the start.
    TNotifyOnExit notify(*this, chStakes);
    TStatusGuard status(m_hooks, Msg(TMsg::LoadStakesStatus));
    try {
        const std::string warning = m_stakes.LoadCheck();
        if (!warning.empty()) m_hooks.ShowMessage(TMessageKind::Warning, warning);
    } catch (const EError& e) {
        m_hooks.ShowMessage(TMessageKind::Error, e.what());
    }
    // The ratings come in with the stakes, before anything can check stakes into them.
    try {
        LoadRatingsFile(*this);
    } catch (const EError& e) {
        m_hooks.ShowMessage(TMessageKind::Error, e.what());
    }
}

std::size_t TWorkspace::RemoveStaleTemporaryFiles() {
    if (!m_lock.Held()) return 0;
    const std::string program = ProgramName;
    // The data files that are rewritten whole through a temporary file beside them.
    static constexpr std::string_view kRewritten[] = {".ldr", ".ini", ".frm", ".flt",
                                                      ".lss", ".lrt", ".ltb"};
    const auto dataFile = [&](std::string_view name) {
        return std::any_of(std::begin(kRewritten), std::end(kRewritten), [&](std::string_view ext) {
            return name == program + std::string(ext);
        });
    };
    const auto fullSetFile = [&](std::string_view name) {
        return name.starts_with(program + "_") &&
               (name.ends_with(FullSetFileExtension) || name.ends_with(FullSetRecordExtension));
    };
    return mv::RemoveStaleTemporaryFiles(m_paths.Dir, dataFile) +
           mv::RemoveStaleTemporaryFiles(m_paths.Prefetchs(), fullSetFile);
}

void TWorkspace::ReadArchive() {
    // Only a file that is not there counts as missing; a path that cannot even be examined
    // (a symlink loop, a denied directory) is a read failure.
    std::error_code ec;
    if (!std::filesystem::exists(m_paths.Archive(), ec) && !ec) {
        m_archiveReadFailed = false;
        return;
    }
    TNotifyOnExit notify(*this, chArchive | chOffset);
    TStatusGuard status(m_hooks, Msg(TMsg::LoadArchiveStatus));
    try {
        ReadArchiveFile(m_paths.Archive(), m_draws);
        m_archiveReadFailed = false;
    } catch (const EError& e) {
        m_archiveReadFailed = true;
        ClampDrawsOffset();
        throw EError(OperationMessage(Msg(TMsg::ArchiveReadError), e.what()));
    }
    ClampDrawsOffset();
}

void TWorkspace::WriteArchive() {
    TStatusGuard status(m_hooks, Msg(TMsg::SaveArchiveStatus));
    if (m_archiveReadFailed) {
        throw EError(
            OperationMessage(Msg(TMsg::ArchiveWriteError),
                             "\"" + m_paths.Archive().string() + Msg(TMsg::ArchiveNotFullyRead)));
    }
    try {
        WriteArchiveFile(m_paths.Archive(), m_draws);
    } catch (const EError& e) {
        throw EError(OperationMessage(Msg(TMsg::ArchiveWriteError), e.what()));
    }
    RebuildHiddenDrawNumbers();
}

int TWorkspace::IndexAtPosition(int position) const {
    if (position < 0 || position >= DrawCount()) return -1;
    return DrawCount() - 1 - position;
}

TDrawRec TWorkspace::DrawAtPosition(int position) const {
    const int index = IndexAtPosition(position);
    if (index < 0) return {};
    TDrawRec draw = m_draws[static_cast<std::size_t>(index)];
    if (m_sortedDraws) SortNumbers(draw);
    return draw;
}

std::int32_t TWorkspace::NextDrawNumber(int position) const {
    if (m_draws.empty()) return 1;
    const int index = IndexAtPosition(position);
    if (index < 0) return -1;
    // A damaged archive may hold the largest int32; the next number then stays at it.
    const std::int32_t number = m_draws[static_cast<std::size_t>(index)].Number;
    return number < std::numeric_limits<std::int32_t>::max() ? number + 1 : number;
}

std::array<std::uint8_t, NumbersInDraw> TWorkspace::DrawNumbersAt(int position) const {
    const int index = IndexAtPosition(position);
    if (index < 0) return {};
    return m_draws[static_cast<std::size_t>(index)].Nums;
}

int TWorkspace::FindDrawIndex(std::int32_t number) const {
    return mv::FindDrawIndex(m_draws, number);
}

void TWorkspace::DeleteDrawAt(int index) {
    if (index < 0 || index >= DrawCount()) {
        throw EError(Msg(TMsg::RecordIndexPrefix) + std::to_string(index) +
                     Msg(TMsg::RecordIndexNotFound));
    }
    m_draws.erase(m_draws.begin() + index);
}

template <class TEdit>
void TWorkspace::ChangeArchive(TEdit&& edit) {
    TNotifyOnExit notify(*this, chArchive);
    const TDrawsArray before = m_draws;
    try {
        std::forward<TEdit>(edit)();
        WriteArchive();
    } catch (...) {
        m_draws = before;
        throw;
    }
    ClampDrawsOffset();
}

void TWorkspace::StoreDraw(const TDrawRec& draw, int index) {
    ChangeArchive([&] {
        if (index >= 0 && index < DrawCount()) {
            m_draws[static_cast<std::size_t>(index)] = draw;
        } else {
            m_draws.push_back(draw);
        }
    });
}

void TWorkspace::DeleteDraws(const std::vector<std::int32_t>& numbers) {
    ChangeArchive([&] {
        for (const std::int32_t number : numbers) DeleteDrawAt(FindDrawIndex(number));
    });
}

void TWorkspace::AppendDraws(const TDrawsArray& draws) {
    if (draws.empty()) return;
    ChangeArchive([&] { m_draws.insert(m_draws.end(), draws.begin(), draws.end()); });
}

void TWorkspace::ExportDrawsCsv(const std::filesystem::path& file) {
    TStatusGuard status(m_hooks, Msg(TMsg::ExportDrawsPrefix) + file.string() + "\"...");
    WriteFileAtomically(file, DrawsToCsv(m_draws));
}

int TWorkspace::ImportDrawsCsv(const std::filesystem::path& file) {
    TStatusGuard status(m_hooks, Msg(TMsg::ImportDrawsPrefix) + file.string() + "\"...");
    const std::string bytes = ReadWholeFile(file);
    int added = 0;
    ChangeArchive([&] { added = MergeDrawsCsv(bytes, m_draws); });
    return added;
}

void TWorkspace::ClampDrawsOffset() {
    m_drawsOffset = std::clamp(m_drawsOffset, 0, std::max(0, DrawCount() - 1));
    RebuildHiddenDrawNumbers();
}

bool TWorkspace::SetDrawsOffset(int value) {
    value = std::clamp(value, 0, std::max(0, DrawCount() - 1));
    if (value == m_drawsOffset) return false;
    m_drawsOffset = value;
    RebuildHiddenDrawNumbers();
    Notify(chOffset);
    return true;
}

void TWorkspace::ResetDraws(TDrawsArray draws) {
    TNotifyOnExit notify(*this, chArchive);
    m_draws = std::move(draws);
    m_archiveReadFailed = false;
    ClampDrawsOffset();
}

void TWorkspace::SetSortedDraws(bool sorted) {
    if (sorted == m_sortedDraws) return;
    m_sortedDraws = sorted;
    Notify(chSettings);
}

void TWorkspace::RebuildHiddenDrawNumbers() {
    m_hidden.reset();
    if (m_drawsOffset > 0 && m_drawsOffset < DrawCount()) {
        for (const auto n : DrawNumbersAt(m_drawsOffset - 1)) {
            if (n <= MaxNumber) m_hidden.set(n);
        }
    }
}

}  // namespace mv
