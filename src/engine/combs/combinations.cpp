#include "engine/combs/combinations.h"

#include <exception>
#include <new>
#include <optional>
#include <utility>

#include "engine/core/constants.h"
#include "engine/core/errors.h"
#include "engine/core/messages.h"

namespace mv {
namespace {

constexpr TMsgText kSnapshotStatus{TMsg::SnapshotStatus};
constexpr TMsgText kUndoStatus{TMsg::UndoStatus};
constexpr TMsgText kSaveBufferStatus{TMsg::SaveBufferStatus};
constexpr TMsgText kLoadBufferStatus{TMsg::LoadBufferStatus};
constexpr TMsgText kSaveBufferError{TMsg::SaveBufferError};
constexpr TMsgText kLoadBufferError{TMsg::LoadBufferError};

// Copies `source` into `target`; on an allocation failure `target` is released and the
// failure propagates.
void CopyOrRelease(TCombsArray& target, const TCombsArray& source) {
    try {
        target.CopyFrom(source);
    } catch (...) {
        target.Release();
        throw;
    }
}

}  // namespace

std::string FailureReason(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return Msg(TMsg::OutOfMemory);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return Msg(TMsg::UnknownError);
    }
}

TCombinations::TCombinations(IUiHooks& hooks) : m_hooks(hooks) {
    CurrentList.Reserve(FullSetSize);
    UndoList.Reserve(FullSetSize);
    ListBuffer.Reserve(FullSetSize);
}

void TCombinations::SnapshotForUndo(bool interactive) {
    if (!interactive) {
        CopyOrRelease(UndoList, CurrentList);
        return;
    }
    TStatusGuard status(m_hooks, kSnapshotStatus);
    CopyOrRelease(UndoList, CurrentList);
}

void TCombinations::MoveToUndo(bool interactive) {
    std::optional<TStatusGuard> status;
    if (interactive) status.emplace(m_hooks, kSnapshotStatus);
    std::swap(UndoList, CurrentList);
    CurrentList.Clear();
}

void TCombinations::UndoLastOperation(bool interactive) {
    std::optional<TStatusGuard> status;
    if (interactive) status.emplace(m_hooks, kUndoStatus);
    std::swap(CurrentList, UndoList);
    UndoList.Clear();
}

void TCombinations::CombsUndo() {
    if (!CanUndo()) return;
    UndoLastOperation(true);
    RemoveLastFilterLine();
}

void TCombinations::AddFilterLine(bool removed, const std::string& caption,
                                  const std::string& values) {
    m_lines.push_back({caption, values, static_cast<std::int32_t>(CurrentList.Count()),
                       removed ? TFilterMark::Removed : TFilterMark::Kept});
}

void TCombinations::AddFilterLine(bool removed, const std::string& caption,
                                  const std::string& values, std::int32_t count) {
    m_lines.push_back({caption, values, count, removed ? TFilterMark::Removed : TFilterMark::Kept});
}

void TCombinations::AddUndoLine() {
    m_lines.push_back({UndoLineCaption, std::string(),
                       static_cast<std::int32_t>(CurrentList.Count()), TFilterMark::Undone});
}

void TCombinations::RemoveLastFilterLine() {
    if (!m_lines.empty()) m_lines.pop_back();
}

void TCombinations::SaveToBuffer(std::int32_t k1, std::int32_t k2) {
    const TBufferKey key{k1, k2};
    if (key == m_bufferKey) return;
    TStatusGuard status(m_hooks, kSaveBufferStatus);
    try {
        m_bufferKey = key;
        ListBuffer.CopyFrom(CurrentList);
    } catch (...) {
        InvalidateBuffer();
        m_hooks.ShowMessage(
            TMessageKind::Error,
            OperationMessage(kSaveBufferError, FailureReason(std::current_exception())));
    }
}

bool TCombinations::LoadFromBuffer(std::int32_t k1, std::int32_t k2) {
    if (TBufferKey{k1, k2} != m_bufferKey || ListBuffer.Count() == 0) return false;
    try {
        TStatusGuard status(m_hooks, kLoadBufferStatus);
        CurrentList.CopyFrom(ListBuffer);
    } catch (...) {
        m_hooks.ShowMessage(
            TMessageKind::Error,
            OperationMessage(kLoadBufferError, FailureReason(std::current_exception())));
        return false;
    }
    return true;
}

void TCombinations::InvalidateBuffer() {
    m_bufferKey = TBufferKey{};
    ListBuffer.Clear();
}

}  // namespace mv
