#include "engine/session/list_commands.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>
#include <utility>

#include "engine/combs/comb_files.h"
#include "engine/combs/full_set.h"
#include "engine/combs/generation.h"
#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"
#include "engine/support/atomic_file.h"

namespace mv {

// The session layer's write access to a workspace's lists; nothing else has it.
class TListCommandAccess {
public:
    static TCombinations& Lists(TWorkspace& ws) { return ws.m_combs; }
};

namespace {

constexpr const char* kNumbersMethod = "NUMS";

// What one list command works on, and the operations row it leaves.
struct TListEdit {
    TWorkspace& Ws;
    TCombinations& Combs;
    std::optional<TFilterLine> Row;

    void SetRow(bool removed, std::string caption, std::string values) {
        Row = TFilterLine{std::move(caption), std::move(values), 0,
                          removed ? TFilterMark::Removed : TFilterMark::Kept};
    }
};

// Move: the snapshot of an operation that rebuilds the list from UndoList, which takes the
// list over without a copy.
enum class TUndo { None, Snapshot, Move };

// The one path of every list command: the undo snapshot (interactive), the operation, its row
// (with the list's count afterwards), and chList raised at the end whatever happens.
template <class TOperation>
decltype(auto) RunListCommand(TWorkspace& ws, TUndo undo, TOperation&& operation) {
    struct TNotify {
        TWorkspace& Ws;
        ~TNotify() { Ws.Notify(chList); }
    } notify{ws};
    TListEdit edit{ws, TListCommandAccess::Lists(ws), std::nullopt};
    if (undo == TUndo::Snapshot) edit.Combs.SnapshotForUndo(true);
    if (undo == TUndo::Move) edit.Combs.MoveToUndo(true);
    if constexpr (std::is_void_v<decltype(operation(edit))>) {
        operation(edit);
        if (edit.Row) edit.Combs.AddFilterLine(edit.Row->Mark == TFilterMark::Removed,
                                               edit.Row->Caption, edit.Row->Values);
    } else {
        auto result = operation(edit);
        if (edit.Row) edit.Combs.AddFilterLine(edit.Row->Mark == TFilterMark::Removed,
                                               edit.Row->Caption, edit.Row->Values);
        return result;
    }
}

// The archive index the filters judge by: the latest visible draw, or 0.
int LatestVisibleIndex(const TWorkspace& ws) {
    return std::max(0, ws.DrawCount() - 1 - ws.DrawsOffset());
}

// The latest N visible draws, oldest first.
std::vector<const std::uint8_t*> LastDrawsWindow(const TWorkspace& ws, int n) {
    std::vector<const std::uint8_t*> window;
    if (n <= 0) return window;
    const int last = ws.DrawCount() - 1 - ws.DrawsOffset();
    for (int i = std::max(0, last - n + 1); i <= last; ++i) {
        window.push_back(ws.DrawArchive()[static_cast<std::size_t>(i)].Nums.data());
    }
    return window;
}

void ApplyViewSelection(TWorkspace& ws, const TStatSelection& selection, bool removed,
                        const char* caption) {
    if (selection.Empty()) throw EError(EmptyViewSelectionMessage);
    const int method = ws.Stats().FindMethod(kNumbersMethod);
    if (method < 0) {
        throw EError(std::string(Msg(TMsg::MethodNotFoundPrefix)) + kNumbersMethod +
                     Msg(TMsg::MethodNotFoundSuffix));
    }
    ApplyStatSelection(ws, selection, removed, method, caption);
}

TFullSetSource FullSetSourceOf(TWorkspace& ws) {
    return TFullSetSource{ws.Stats(), ws.Paths(), ws.Hooks()};
}

// After a comparison file was built: the list is the same, without its undo copy.
void AfterFullSetBuild(TWorkspace& ws) {
    RunListCommand(ws, TUndo::None, [](TListEdit& edit) { edit.Combs.DiscardUndo(); });
}

}  // namespace

bool GenerateCombinations(TWorkspace& ws, int mode, const std::string& parameter,
                          bool interactive) {
    return RunListCommand(ws, TUndo::None, [&](TListEdit& edit) {
        TCombinations& combs = edit.Combs;
        try {
            std::optional<TStatusGuard> status;
            if (interactive) status.emplace(ws.Hooks(), Msg(TMsg::GenerateCombsStatus));
            const bool filled = FillGeneratedList(mode, parameter, combs.CurrentList, ws.Hooks());
            if (!interactive) return filled;
            combs.ClearFilterLines();
            combs.UndoList.Reserve(combs.CurrentList.Count());
            combs.UndoList.Clear();
            combs.ListBuffer.Reserve(combs.CurrentList.Count());
            combs.ListBuffer.Clear();
            return filled;
        } catch (...) {
            throw EError(OperationMessage(Msg(TMsg::GenerateCombsError),
                                          FailureReason(std::current_exception())));
        }
    });
}

void ReplaceCombinations(TWorkspace& ws, const std::vector<TComb>& list) {
    RunListCommand(ws, TUndo::None, [&](TListEdit& edit) {
        edit.Combs.CurrentList.Clear();
        edit.Combs.CurrentList.Reserve(list.size());
        for (const TComb& comb : list) edit.Combs.CurrentList.Append(comb);
        edit.Combs.DiscardUndo();
    });
}

void ExcludeLastDraws(TWorkspace& ws, int n) {
    RunListCommand(ws, TUndo::Snapshot, [&](TListEdit& edit) {
        const std::string count = std::to_string(n);
        const std::string head =
            Msg(TMsg::ExcludeDrawsPrefix) + count + Msg(TMsg::ExcludeDrawsSuffix);
        TStatusGuard status(ws.Hooks(), head + "...");
        CopyUndrawn(edit.Combs.UndoList, LastDrawsWindow(ws, n), edit.Combs.CurrentList,
                    [&](std::size_t done, std::size_t total) {
                        ws.Hooks().ShowStatus(head + Msg(TMsg::DoneSoFarPrefix) +
                                              FormatFloat(done * 100.0L / total, 0) + " % )...");
                    });
        edit.SetRow(true, Msg(TMsg::OpLastDraws), count);
    });
}

void DeleteSelectedCombinations(TWorkspace& ws, const std::vector<std::size_t>& selectedRows) {
    RunListCommand(ws, TUndo::Snapshot, [&](TListEdit& edit) {
        TStatusGuard status(ws.Hooks(), Msg(TMsg::DeleteSelectedCombsStatus));
        const std::size_t selected =
            CopyUnselectedRows(edit.Combs.UndoList, selectedRows, edit.Combs.CurrentList);
        edit.SetRow(true, Msg(TMsg::OpSelectedCombs), std::to_string(selected));
    });
}

bool ApplyStatSelection(TWorkspace& ws, const TStatSelection& selection, bool removed,
                        int methodIndex, const std::string& caption, TCustomStat* stat) {
    return RunListCommand(ws, TUndo::Move, [&](TListEdit& edit) {
        TStatusGuard status(ws.Hooks(), Msg(TMsg::FilterCombsStatus));
        // Until the filter runs, a way out leaves the list as it was, beside its undo copy.
        const auto putBack = [&] { edit.Combs.CurrentList.CopyFrom(edit.Combs.UndoList); };
        if (selection.Empty()) {
            putBack();
            return false;
        }
        std::unique_ptr<TCustomStat> own;
        if (!stat) {
            try {
                if (methodIndex < 0 || methodIndex >= ws.Stats().MethodCount()) {
                    throw EError(Msg(TMsg::NoMethodSelected));
                }
                own = ws.Stats().CreateStat(ws.Stats().Method(methodIndex));
            } catch (...) {
                putBack();
                throw;
            }
            stat = own.get();
        }
        TCombinations& combs = edit.Combs;
        if (combs.UndoList.Count() == 0) return true;
        FilterCombinations(*stat, selection.Values, removed, ws.SortedDraws(),
                           LatestVisibleIndex(ws), combs.UndoList, combs.CurrentList);
        edit.SetRow(removed, caption, selection.Text);
        return true;
    });
}

void ApplyRemovalSteps(TWorkspace& ws, const TFirstStepTable& firstStep, const std::string& caption,
                       const std::vector<TRemovalStep>& steps) {
    if (steps.empty()) return;
    RunListCommand(ws, TUndo::Move, [&](TListEdit& edit) {
        TStatusGuard status(ws.Hooks(), Msg(TMsg::FilterCombsStatus));
        TCombinations& combs = edit.Combs;
        SplitAtRemovalStep(combs.UndoList, firstStep, steps.size(), combs.CurrentList);
        for (const TRemovalStep& step : steps)
            combs.AddFilterLine(true, caption, step.Values, step.Count);
    });
}

void ApplyCardSelection(TWorkspace& ws, const std::vector<std::string>& cellTexts, bool removed) {
    ApplyViewSelection(ws, CardSelection(cellTexts), removed, Msg(TMsg::OpCard).c_str());
}

void ApplyLayoutSelection(TWorkspace& ws, const std::vector<std::string>& cellTexts, bool removed) {
    ApplyViewSelection(ws, LayoutSelection(cellTexts), removed, Msg(TMsg::OpLayout).c_str());
}

void ApplyWeekSelection(TWorkspace& ws, int leftColumn, int rightColumn, bool removed) {
    ApplyViewSelection(ws, WeekSelection(leftColumn, rightColumn), removed,
                       Msg(TMsg::OpWeek).c_str());
}

void UndoCombinations(TWorkspace& ws) {
    RunListCommand(ws, TUndo::None, [](TListEdit& edit) { edit.Combs.CombsUndo(); });
}

std::size_t OpenCombinationsFile(TWorkspace& ws, const std::filesystem::path& file) {
    return RunListCommand(ws, TUndo::Snapshot, [&](TListEdit& edit) {
        TCombinations& combs = edit.Combs;
        std::exception_ptr failure;
        {
            TStatusGuard status(ws.Hooks(), Msg(TMsg::LoadingFilePrefix) + Quoted(file) + "...");
            combs.CurrentList.Clear();
            try {
                ReadCombinationsFile(file, combs.CurrentList);
            } catch (...) {
                failure = std::current_exception();
            }
        }
        if (failure) combs.UndoLastOperation(true);
        combs.DiscardUndo();
        combs.ClearFilterLines();
        if (failure) std::rethrow_exception(failure);
        return combs.CurrentList.Count();
    });
}

void SaveCombinationsFile(TWorkspace& ws, const std::filesystem::path& file) {
    TStatusGuard status(ws.Hooks(), Msg(TMsg::SavingFilePrefix) + Quoted(file) + "...");
    const TCombsArray& list = ws.Combs().CurrentList;
    try {
        WriteFileAtomically(file, CombinationsFileText(list.Data(), list.Count()));
    } catch (const std::exception& e) {
        throw EError(OperationMessage(Msg(TMsg::WriteFilePrefix) + Quoted(file) + "!", e.what()));
    }
}

std::size_t PasteCombinations(TWorkspace& ws, std::string_view text) {
    TStatusGuard status(ws.Hooks(), Msg(TMsg::PleaseWaitStatus));
    const std::vector<std::string_view> lines = SplitTextLines(text);
    if (lines.empty()) return 0;
    return RunListCommand(ws, TUndo::None, [&](TListEdit& edit) {
        TCombinations& combs = edit.Combs;
        combs.SnapshotForUndo(false);
        std::exception_ptr failure;
        try {
            combs.CurrentList.Clear();
            combs.CurrentList.Reserve(lines.size());
            for (const std::string_view line : lines) {
                combs.CurrentList.Append(ParseCombText(std::string(line)));
            }
            combs.ClearFilterLines();
        } catch (...) {
            failure = std::current_exception();
        }
        if (failure) combs.UndoLastOperation(true);
        combs.DiscardUndo();
        if (failure) std::rethrow_exception(failure);
        return lines.size();
    });
}

void SaveListToBuffer(TWorkspace& ws, std::int32_t k1, std::int32_t k2) {
    RunListCommand(ws, TUndo::None, [&](TListEdit& edit) { edit.Combs.SaveToBuffer(k1, k2); });
}

bool LoadListFromBuffer(TWorkspace& ws, std::int32_t k1, std::int32_t k2) {
    return RunListCommand(ws, TUndo::None,
                          [&](TListEdit& edit) { return edit.Combs.LoadFromBuffer(k1, k2); });
}

void InvalidateListBuffer(TWorkspace& ws) {
    RunListCommand(ws, TUndo::None, [](TListEdit& edit) { edit.Combs.InvalidateBuffer(); });
}

void SetPrefetchsEnabled(TWorkspace& ws, bool enabled) {
    TCombinations& combs = TListCommandAccess::Lists(ws);
    if (combs.PrefetchsEnabled == enabled) return;
    combs.PrefetchsEnabled = enabled;
    ws.Notify(chSettings);
}

std::optional<TFullSetCounts> CreateFullSetFile(TWorkspace& ws, int methodIndex) {
    auto result = BuildFullSetFile(FullSetSourceOf(ws), methodIndex);
    AfterFullSetBuild(ws);
    return result;
}

std::optional<TFullSetCounts> OpenFullSetFile(TWorkspace& ws, int methodIndex) {
    if (!ws.Combs().PrefetchsEnabled) return std::nullopt;
    bool built = false;
    auto result = ReadOrBuildFullSetFile(FullSetSourceOf(ws), methodIndex, built);
    if (built) AfterFullSetBuild(ws);
    return result;
}

TRebuildResult RebuildFullSetFiles(TWorkspace& ws, bool force, std::uint16_t groups) {
    if (!force && !ws.Combs().PrefetchsEnabled) return {};
    const TRebuildResult result = BuildFullSetFiles(FullSetSourceOf(ws), groups);
    if (result.Built + result.Failed > 0) AfterFullSetBuild(ws);
    return result;
}

TStatTable ComputeStatTableWithNorm(TWorkspace& ws, TStatTableRequest request) {
    std::optional<TFullSetCounts> counts;
    if (request.Draws && !request.Draws->empty()) counts = OpenFullSetFile(ws, request.MethodIndex);
    request.Comparison = counts ? &*counts : nullptr;
    return ComputeStatTable(request);
}

}  // namespace mv

namespace mv {

void DiscardListUndo(TWorkspace& ws) {
    TListCommandAccess::Lists(ws).DiscardUndo();
    ws.Notify(chList);
}

}  // namespace mv
