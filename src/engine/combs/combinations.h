#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "engine/combs/combs_array.h"
#include "engine/core/messages.h"
#include "engine/support/ui_hooks.h"

namespace mv {

// How an operation changed the working list, as its operations row shows it.
enum class TFilterMark { Kept, Removed, Undone };

// One row of the operations list ("Примененные фильтры", "Значения", "Комбинаций").
struct TFilterLine {
    std::string Caption;
    std::string Values;
    std::int32_t Count = 0;  // the working list's count after the operation
    TFilterMark Mark = TFilterMark::Kept;
    friend bool operator==(const TFilterLine&, const TFilterLine&) = default;
};

// The key of the list buffer: two integers; (-1, -1) is none.
struct TBufferKey {
    std::int32_t K1 = -1;
    std::int32_t K2 = -1;
    friend bool operator==(const TBufferKey&, const TBufferKey&) = default;
};

// The combination state of a workspace: the working list, its one-level undo copy, the keyed
// list buffer, the operations list and the full-set comparison option.
//
// Every filtering operation has the same shape: SnapshotForUndo, then the operation reads
// UndoList and writes the survivors into CurrentList (so it never reads and writes one
// array), then AddFilterLine. The workspace's list commands (session layer) run that shape
// and tell the views; outside the session layer a workspace's lists are read-only.
//
// "Interactive" forms show their status text through the hooks for their duration; silent
// forms show nothing. Not thread-safe: used on the thread that owns the workspace.
class TCombinations {
public:
    // Allocates all three lists for the full set, each with count 0.
    explicit TCombinations(IUiHooks& hooks);

    TCombsArray CurrentList;
    // Count 0: nothing to undo; otherwise the list as it was before the last operation.
    TCombsArray UndoList;
    // Count 0: empty.
    TCombsArray ListBuffer;

    // Whether the statistics table compares with the full set (the desktop program keeps it
    // in its window-settings file as "PrefetchsEnabled").
    bool PrefetchsEnabled = false;

    // --- undo -----------------------------------------------------------------------------
    bool CanUndo() const { return UndoList.Count() > 0; }
    // UndoList becomes a copy of CurrentList ("Создание файла отката..." when interactive).
    // When the copy cannot be allocated UndoList is released and std::bad_alloc propagates.
    void SnapshotForUndo(bool interactive = true);
    // The same snapshot for an operation that rewrites CurrentList from UndoList: the list
    // moves into UndoList without a copy and CurrentList is left empty (count 0). Never fails.
    void MoveToUndo(bool interactive = true);
    // CurrentList becomes what UndoList held (the two swap, no copy), then UndoList's count
    // becomes 0 ("Отмена изменений..." when interactive). It leaves the operations list alone.
    void UndoLastOperation(bool interactive = true);
    // The undo action of the combinations tab: UndoLastOperation (interactive) and the last
    // operations row removed. Does nothing when there is nothing to undo.
    void CombsUndo();
    // Drops the undo copy (count 0).
    void DiscardUndo() { UndoList.Clear(); }

    // --- operations list ----------------------------------------------------------------------
    const std::vector<TFilterLine>& FilterLines() const { return m_lines; }
    // Appends a row with CurrentList's count, marked removed-selection or kept-selection.
    void AddFilterLine(bool removed, const std::string& caption, const std::string& values);
    // The same with the count given: for steps made together, each with the count it left.
    void AddFilterLine(bool removed, const std::string& caption, const std::string& values,
                       std::int32_t count);
    // Appends "Отмена последней операции" with the current count, marked undone.
    void AddUndoLine();
    void ClearFilterLines() { m_lines.clear(); }
    void RemoveLastFilterLine();

    // --- list buffer --------------------------------------------------------------------------
    TBufferKey BufferKey() const { return m_bufferKey; }
    // When the key differs from the stored one: "Создание буфера комбинаций...", the key is
    // stored and ListBuffer becomes a copy of CurrentList; an equal key does nothing. A
    // failure shows "Ошибка создания буфера комбинаций!\r\r<reason>" and leaves the buffer
    // invalidated (so that a later load cannot return a half-made copy).
    void SaveToBuffer(std::int32_t k1, std::int32_t k2);
    // With the stored key and a non-empty buffer: "Загрузка буфера комбинаций...",
    // CurrentList becomes a copy of ListBuffer and the result is true.
    // Otherwise false. A failure shows "Ошибка загрузки буфера комбинаций!\r\r<reason>" and
    // gives false.
    bool LoadFromBuffer(std::int32_t k1, std::int32_t k2);
    // Key (-1, -1), count 0.
    void InvalidateBuffer();

    IUiHooks& Hooks() const { return m_hooks; }

private:
    IUiHooks& m_hooks;
    std::vector<TFilterLine> m_lines;
    TBufferKey m_bufferKey;
};

inline constexpr TMsgText UndoLineCaption{TMsg::UndoLineCaption};

// The reason text of a caught failure for an error box: the exception's text, or
// "Недостаточно памяти." for an allocation failure.
std::string FailureReason(std::exception_ptr failure);

}  // namespace mv
