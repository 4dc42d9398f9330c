#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "engine/combs/combinations.h"
#include "engine/core/data_paths.h"
#include "engine/core/records.h"
#include "engine/ratings/ratings.h"
#include "engine/scenarios/current_script.h"
#include "engine/session/changes.h"
#include "engine/stakes/stakes_file.h"
#include "engine/stats/stat_list.h"
#include "engine/support/config_file.h"
#include "engine/support/data_lock.h"
#include "engine/support/ui_hooks.h"

namespace mv {

// The long-lived state of one running program: the draws archive and its view offset, the
// combination lists, the scenario and (as the program grows) stakes and ratings. The desktop
// window owns one; the command line and the tests create their own.
//
// Everything that changes the workspace goes through its operations (here, and the list
// commands of list_commands.h), and each operation raises a change notification naming what
// changed; views subscribe instead of being refreshed by their callers. The working lists are
// read-only from outside the session layer: only the list commands write them.
// Not thread-safe: every call comes from the thread that owns the workspace.
class TWorkspace {
public:
    TWorkspace(TDataPaths paths, IUiHooks& hooks);

    const TDataPaths& Paths() const { return m_paths; }
    // The registry of statistic methods; it owns the analysis and stake settings, the
    // default generation and the shredding formulas, and reads this workspace's archive.
    TStatList& Stats() { return m_stats; }
    const TStatList& Stats() const { return m_stats; }
    TConfigData& Config() { return m_stats.Config(); }
    const TConfigData& Config() const { return m_stats.Config(); }
    TProxy Proxy;
    IUiHooks& Hooks() { return m_hooks; }
    // The working combination list, its undo copy, the list buffer and the operations list;
    // the list commands (list_commands.h) change them.
    const TCombinations& Combs() const { return m_combs; }

    // The current scenario, mirrored to the current-scenario file after every change.
    const TCurrentScript& Script() const { return m_script; }
    // Runs one change of the current scenario and raises chScenario afterwards, also when the
    // change throws (a failed mirror write keeps the change in memory). Returns what the
    // change returns.
    template <class TEdit>
    decltype(auto) EditScript(TEdit&& edit) {
        TNotifyOnExit notify(*this, chScenario);
        return std::forward<TEdit>(edit)(m_script);
    }

    // --- change notifications -------------------------------------------------------------
    // `listener` is called after every operation with the set of what it changed. Returns a
    // handle for Unsubscribe. Listeners run in subscription order on the workspace's thread.
    int Subscribe(TChangeListener listener) { return m_listeners.Subscribe(std::move(listener)); }
    void Unsubscribe(int handle) { m_listeners.Unsubscribe(handle); }
    // Raises a notification (operations of the session layer call it).
    void Notify(TChanges changes) const { m_listeners.Notify(changes); }

    // --- data-file lock -------------------------------------------------------------------
    // Takes the lock on the stakes file, then removes the data files' stale temporary files
    // and runs the stakes file's load check (status "Загрузка файла ставок..."; its warning
    // or error is shown through the hooks and raises chStakes, the lock stays), then loads the
    // ratings file (LoadRatingsFile; its error is shown the same way). Throws EError
    // with the stakes-reading message when the lock cannot be taken.
    void LockDataFiles();
    // Removes what interrupted rewrites of the data files left behind (temporary files in the
    // data folder and in Prefetchs); the user's own files stay. Only while the lock is held,
    // since then no other copy can be writing; otherwise does nothing. Returns the count.
    std::size_t RemoveStaleTemporaryFiles();
    void UnlockDataFiles() {
        m_stakes.ForgetCache();
        m_lock.Release();
    }
    bool DataFilesLocked() const { return m_lock.Held(); }

    // --- stakes ---------------------------------------------------------------------------
    // The stakes file, open while the data files are locked. Reading is open to everyone
    // (a view reads rows on demand); every change goes through stake_commands.h.
    const TStakesFile& Stakes() const { return m_stakes; }
    // Whether checking writes the stakes logs (the window setting "StakesLogEnabled").
    bool StakesLogEnabled = false;

    // --- ratings --------------------------------------------------------------------------
    // The ratings of checked stakes in list order; changed through rating_commands.h.
    const TRatings& Ratings() const { return m_ratings; }
    // The list's sort column (-1: none) and direction, kept with the window settings.
    int RatingsSortColumn = 3;
    bool RatingsSortDescending = true;

    // --- archive --------------------------------------------------------------------------
    // Index 0 is the oldest draw.
    const TDrawsArray& DrawArchive() const { return m_draws; }
    // Replaces the draws in memory without writing the file (a start that could not read the
    // archive, tests); raises chArchive.
    void ResetDraws(TDrawsArray draws);

    // Reads the archive file (nothing when it is missing); raises chArchive. Throws EError
    // "Ошибка чтения файла тиражей!..." and keeps the draws read so far.
    void ReadArchive();
    // Rewrites the archive file safely. Throws EError "Ошибка записи в файл тиражей!..."
    // and leaves both the old file and the archive in memory as they were.
    // After a failed ReadArchive the file may hold draws that never reached memory, so every
    // write is refused (with the same message) until a later ReadArchive succeeds: a write
    // would otherwise replace the archive with the part that could be read.
    void WriteArchive();
    bool ArchiveReadIncomplete() const { return m_archiveReadFailed; }

    int DrawCount() const { return static_cast<int>(m_draws.size()); }
    // Index of the draw shown in row `position` (0 is the newest), or -1.
    int IndexAtPosition(int position) const;
    // The draw at `position` as every view shows it: a copy, sorted when SortedDraws is on.
    TDrawRec DrawAtPosition(int position) const;
    // 1 for an empty archive; -1 outside 0..length-1; else the number there plus 1 (the
    // largest int32 stays itself).
    std::int32_t NextDrawNumber(int position) const;
    // The five numbers (stored order) at `position`; five zeros outside the archive.
    std::array<std::uint8_t, NumbersInDraw> DrawNumbersAt(int position) const;
    int FindDrawIndex(std::int32_t number) const;
    // Appends (or, with index >= 0, replaces) a draw and rewrites the file; on a failed write
    // the archive in memory is restored.
    void StoreDraw(const TDrawRec& draw, int index = -1);
    // Deletes the draws with these numbers (each located with FindDrawIndex; an unknown number
    // throws EError "Запись со индексом -1 в файле данных не найдена!") and rewrites the file;
    // on any failure the archive in memory is restored.
    void DeleteDraws(const std::vector<std::int32_t>& numbers);
    // Appends the draws in the given order and rewrites the file once; an empty list writes
    // nothing. On a failed write the
    // archive in memory is restored. The draws download adds its rows here.
    void AppendDraws(const TDrawsArray& draws);

    // --- CSV ------------------------------------------------------------------------------
    // Both throw EError with the system's message; an import that cannot read its file
    // changes nothing. The import returns the number of draws added and rewrites the archive.
    void ExportDrawsCsv(const std::filesystem::path& file);
    int ImportDrawsCsv(const std::filesystem::path& file);

    // --- view offset ----------------------------------------------------------------------
    int DrawsOffset() const { return m_drawsOffset; }
    // Clamped to 0..length-1; returns whether it changed (and then raises chOffset).
    bool SetDrawsOffset(int value);
    // Whether every view shows a draw's numbers in ascending order; a change raises
    // chSettings.
    bool SortedDraws() const { return m_sortedDraws; }
    void SetSortedDraws(bool sorted);
    // The numbers of the first hidden draw while 0 < DrawsOffset < length.
    const std::bitset<MaxNumber + 1>& HiddenDrawNumbers() const { return m_hidden; }
    void RebuildHiddenDrawNumbers();

private:
    friend class TListCommandAccess;
    friend class TStakeCommandAccess;
    friend class TRatingCommandAccess;
    // Raises a notification when it goes out of scope, on success and on failure alike.
    class TNotifyOnExit {
    public:
        TNotifyOnExit(const TWorkspace& ws, TChanges changes) : m_ws(ws), m_changes(changes) {}
        ~TNotifyOnExit() { m_ws.Notify(m_changes); }
        TNotifyOnExit(const TNotifyOnExit&) = delete;
        TNotifyOnExit& operator=(const TNotifyOnExit&) = delete;

    private:
        const TWorkspace& m_ws;
        TChanges m_changes;
    };
    // The one path of every archive edit: `edit` changes DrawArchive, the file is rewritten,
    // the offset is clamped again and chArchive is raised. When the edit or the write fails
    // the archive in memory is put back as it was and the failure propagates.
    template <class TEdit>
    void ChangeArchive(TEdit&& edit);
    void DeleteDrawAt(int index);
    // After the archive changed: the offset back inside the archive and the hidden numbers
    // rebuilt. The archive's own notification covers both.
    void ClampDrawsOffset();

    TDataPaths m_paths;
    TDrawsArray m_draws;
    IUiHooks& m_hooks;
    TDataLock m_lock;
    TStakesFile m_stakes{m_lock};
    TRatings m_ratings;
    // While a long run holds the ratings' save (TRatingsSaveHold), additions only mark the rows
    // unsaved; the last hold's end writes them once.
    int m_ratingsSaveHolds = 0;
    bool m_ratingsUnsaved = false;
    TStatList m_stats;
    TCombinations m_combs{m_hooks};
    TCurrentScript m_script{m_paths.File(".lss"), m_hooks};
    TChangeListeners m_listeners;
    int m_drawsOffset = 0;
    bool m_sortedDraws = false;
    bool m_archiveReadFailed = false;
    std::bitset<MaxNumber + 1> m_hidden;
};

// A subscription that ends with its owner: the view that holds it stops hearing the
// workspace when it is destroyed. The workspace must outlive it.
class TWorkspaceSubscription {
public:
    TWorkspaceSubscription(TWorkspace& ws, TChangeListener listener)
        : m_ws(ws), m_handle(ws.Subscribe(std::move(listener))) {}
    ~TWorkspaceSubscription() { m_ws.Unsubscribe(m_handle); }
    TWorkspaceSubscription(const TWorkspaceSubscription&) = delete;
    TWorkspaceSubscription& operator=(const TWorkspaceSubscription&) = delete;

private:
    TWorkspace& m_ws;
    int m_handle;
};

}  // namespace mv
