#include "engine/combs/full_set_files.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <future>
#include <limits>
#include <system_error>
#include <thread>
#include <vector>

#include "engine/combs/combinations.h"
#include "engine/combs/full_set.h"
#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/support/atomic_file.h"
#include "engine/support/config_file.h"

namespace mv {
namespace {

constexpr TMsgText kCreateError{TMsg::FullSetCreateError};
constexpr TMsgText kOpenError{TMsg::FullSetOpenError};
constexpr TMsgText kRebuildText{TMsg::FullSetRebuildStatus};
// Far above any real file (a few thousand values at most): a larger file is damaged.
constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

// Counts per value key with open addressing: the values of 376,992 combinations are counted
// without a search through the value array per value.
class TKeyCounter {
public:
    TKeyCounter() : m_slots(256) {}
    void Add(std::uint64_t key, std::int32_t count) {
        if ((m_used + 1) * 2 > m_slots.size()) Grow();
        TSlot& slot = Find(m_slots, key);
        if (!slot.Used) {
            slot = {key, 0, true};
            ++m_used;
        }
        slot.Count += count;
    }
    template <class TVisit>
    void ForEach(TVisit visit) const {
        for (const TSlot& s : m_slots) {
            if (s.Used) visit(s.Key, s.Count);
        }
    }

private:
    struct TSlot {
        std::uint64_t Key = 0;
        std::int32_t Count = 0;
        bool Used = false;
    };
    static TSlot& Find(std::vector<TSlot>& slots, std::uint64_t key) {
        const std::size_t mask = slots.size() - 1;
        std::size_t i = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & mask;
        while (slots[i].Used && slots[i].Key != key) i = (i + 1) & mask;
        return slots[i];
    }
    void Grow() {
        std::vector<TSlot> bigger(m_slots.size() * 2);
        for (const TSlot& s : m_slots) {
            if (s.Used) Find(bigger, s.Key) = s;
        }
        m_slots.swap(bigger);
    }
    std::vector<TSlot> m_slots;
    std::size_t m_used = 0;
};

void PutInt16(std::string& out, std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
}
void PutInt32(std::string& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((u >> shift) & 0xFF);
}
std::uint32_t GetUInt(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = 0; i < size; ++i) {
        v |= std::uint32_t{static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)])}
             << (8 * i);
    }
    return v;
}

std::string FileFailure(const std::string& fixed, const std::filesystem::path& file,
                        const std::string& reason) {
    return OperationMessage(std::string(fixed) + Msg(TMsg::FileNameLine) + file.string(), reason);
}

// The file is "missing" when it is not there or holds zero bytes. Throws EOSError when the
// path cannot be examined.
bool FileMissing(const std::filesystem::path& file) {
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (status.type() == std::filesystem::file_type::not_found) return true;
    if (ec) throw EOSError(file.string() + ": " + ec.message());
    const auto size = std::filesystem::file_size(file, ec);
    return !ec && size == 0;
}

TFullSetCounts CountMethod(const TStatList& registry, const TStatMethod& method, const TComb* set) {
    const auto stat = registry.CreateStat(method);
    return CountFullSetValues(*stat, set, FullSetSize);
}

// Far above any record of the configuration (three short lines at most).
constexpr std::size_t kMaxRecordBytes = 4096;

// The method's file is missing, or counted with another configuration than the one in force.
bool FileOutdated(const TFullSetSource& source, const TStatMethod& method) {
    return FileMissing(FullSetFileName(source.Paths, method)) ||
           FullSetFileStale(source.Paths, method, source.Registry);
}

// Writes one method's file and its configuration record (when `record` is not empty); on
// failure deletes both and shows the error box. The old record goes first: a file written
// without its record counts as stale, never the other way round.
std::optional<TFullSetCounts> WriteMethodFile(IUiHooks& hooks, const std::filesystem::path& file,
                                              const std::filesystem::path& recordFile,
                                              const std::string& record,
                                              const std::function<TFullSetCounts()>& count) {
    TStatusGuard status(hooks, Msg(TMsg::PrefetchCreateStatus) + file.string() + "...");
    try {
        std::filesystem::create_directories(file.parent_path());
        TFullSetCounts counts = count();
        std::filesystem::remove(recordFile);
        WriteFileAtomically(file, EncodeFullSetFile(counts));
        if (!record.empty()) WriteFileAtomically(recordFile, record);
        return counts;
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
        std::filesystem::remove(recordFile, ignored);
        hooks.ShowMessage(
            TMessageKind::Error,
            FileFailure(kCreateError, file, FailureReason(std::current_exception())));
        return std::nullopt;
    }
}

// Counts the methods on every core; each result is handed out in method order as soon as
// it is ready. The full set is shared read-only; each count uses its own statistic object.
class TParallelCounts {
public:
    TParallelCounts(const TStatList& registry, std::vector<int> methods)
        : m_registry(registry),
          m_methods(std::move(methods)),
          m_set(FullSet()),
          m_promises(m_methods.size()) {
        for (auto& p : m_promises) m_futures.push_back(p.get_future());
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        const std::size_t workers = std::min<std::size_t>(cores, m_methods.size());
        for (std::size_t w = 0; w < workers; ++w) m_workers.emplace_back([this] { Work(); });
    }
    ~TParallelCounts() {
        m_next = m_methods.size();  // no new work; running counts finish
        for (auto& t : m_workers) t.join();
    }
    TParallelCounts(const TParallelCounts&) = delete;
    TParallelCounts& operator=(const TParallelCounts&) = delete;
    // The counts of the i-th method; rethrows its failure.
    TFullSetCounts Take(std::size_t i) { return m_futures[i].get(); }

private:
    void Work() {
        for (std::size_t i = m_next++; i < m_methods.size(); i = m_next++) {
            try {
                m_promises[i].set_value(
                    CountMethod(m_registry, m_registry.Method(m_methods[i]), m_set.data()));
            } catch (...) {
                m_promises[i].set_exception(std::current_exception());
            }
        }
    }
    const TStatList& m_registry;
    std::vector<int> m_methods;
    std::vector<TComb> m_set;
    std::vector<std::promise<TFullSetCounts>> m_promises;
    std::vector<std::future<TFullSetCounts>> m_futures;
    std::atomic<std::size_t> m_next{0};
    std::vector<std::thread> m_workers;
};

// The methods RebuildFullSetFiles builds, in method order.
std::vector<int> MethodsToBuild(const TFullSetSource& source, std::uint16_t groups) {
    std::vector<int> chosen;
    const TStatList& registry = source.Registry;
    for (int i = 0; i < registry.MethodCount(); ++i) {
        const TStatMethod& method = registry.Method(i);
        if (!method.StatClass->HasNorm()) continue;
        const int g = method.StatClass->Group;
        const bool groupChosen = g >= 0 && g <= 15 && ((groups >> g) & 1u) != 0;
        bool missing = true;
        try {
            missing = FileOutdated(source, method);
        } catch (const EError&) {
            // A path that cannot be examined is built: the build reports what is wrong.
        }
        if (missing || groupChosen) chosen.push_back(i);
    }
    return chosen;
}

}  // namespace

std::uint16_t RebuildGroupsForConfigChange(int changeMask) {
    return static_cast<std::uint16_t>(changeMask &
                                      (ChannelGroupMask | MatrixGroupMask | SegmentGroupMask));
}

std::filesystem::path FullSetFileName(const TDataPaths& paths, const TStatMethod& method) {
    return paths.Prefetchs() /
           (std::string(ProgramName) + "_" + TStatList::MethodCode(method) + FullSetFileExtension);
}

std::filesystem::path FullSetRecordName(const TDataPaths& paths, const TStatMethod& method) {
    return paths.Prefetchs() / (std::string(ProgramName) + "_" + TStatList::MethodCode(method) +
                                FullSetRecordExtension);
}

std::string FullSetConfigRecord(int group, const TConfigData& config) {
    if (group < 0 || group > 15) return {};
    const unsigned bit = 1u << group;
    std::string record;
    if (bit & ChannelGroupMask) {
        record += "ChannelSize=" + std::to_string(config.ChannelSize) + "\n";
    }
    if (bit & MatrixGroupMask) record += "MatrixCols=" + std::to_string(config.MatrixCols) + "\n";
    if (bit & SegmentGroupMask) {
        record += "MatrixSegments=" + SegmentsText(config.MatrixSegments) + "\n";
    }
    return record;
}

std::string FullSetMethodRecord(const TStatMethod& method, const TStatList& registry) {
    const int group = method.StatClass->Group;
    std::string record = FullSetConfigRecord(group, registry.Config());
    if (group >= 0 && group <= 15 && ((1u << group) & ShreddingGroupMask) != 0 &&
        method.Index >= 1 && method.Index <= static_cast<int>(registry.Shredding.Formulas.size())) {
        const auto slot = static_cast<std::size_t>(method.Index - 1);
        record += "Formula=" + registry.Shredding.Formulas[slot] + "\n";
        record += "Digits=" + std::to_string(registry.Shredding.Digits[slot]) + "\n";
    }
    return record;
}

bool FullSetFileStale(const TDataPaths& paths, const TStatMethod& method,
                      const TStatList& registry) {
    const std::string expected = FullSetMethodRecord(method, registry);
    if (expected.empty() || !method.StatClass->HasNorm()) return false;
    try {
        // A long formula makes a long record: one byte more than expected is enough to
        // tell that a file differs.
        const std::size_t limit = std::max(kMaxRecordBytes, expected.size() + 1);
        return ReadWholeFile(FullSetRecordName(paths, method), limit) != expected;
    } catch (const EError&) {
        return true;  // missing or unreadable: nothing vouches for the file
    }
}

TFullSetCounts CountFullSetValues(TCustomStat& stat, const TComb* combs, std::size_t count) {
    // Each combination's values are merged in a scratch array first (exactly as
    // AddCombination merges them), then counted by key; the sorted result equals the array
    // AddCombination would build over all combinations.
    TKeyCounter counter;
    TStatDrawArray scratch;
    for (std::size_t i = 0; i < count; ++i) {
        scratch.clear();
        stat.AddCombination(combs[i].Nums.data(), scratch);
        for (const TStatValueRec& v : scratch) counter.Add(v.Key.Raw, v.Count);
    }
    TStatDrawArray values;
    counter.ForEach([&values](std::uint64_t key, std::int32_t n) {
        TStatValueRec& v = values.emplace_back();
        v.Key.Raw = key;
        v.Count = n;
    });
    SortByKey(values);
    const TStatTotals totals = StatTotals(values);
    TFullSetCounts result;
    result.Records = std::move(values);
    result.Smallest = totals.MinCount;
    result.Largest = totals.MaxCount;
    return result;
}

std::string EncodeFullSetFile(const TFullSetCounts& counts) {
    std::string out;
    out.reserve((counts.Records.size() + 1) * FullSetRecordSize);
    for (const TStatValueRec& r : counts.Records) {
        for (int part = 1; part <= 4; ++part) PutInt16(out, r.Key.K(part));
        PutInt32(out, r.Count);
    }
    PutInt32(out, counts.Smallest);
    PutInt32(out, counts.Largest);
    PutInt32(out, 0);
    return out;
}

TFullSetCounts DecodeFullSetFile(std::string_view bytes) {
    if (bytes.size() < FullSetRecordSize || bytes.size() % FullSetRecordSize != 0) {
        throw EError(Msg(TMsg::FileSizePrefix) + std::to_string(bytes.size()) +
                     Msg(TMsg::FullSetSizeMismatch));
    }
    const std::size_t n = bytes.size() / FullSetRecordSize - 1;
    const std::size_t trailer = n * FullSetRecordSize;
    if (GetUInt(bytes, trailer + 8, 4) != 0) {
        throw EError(Msg(TMsg::FullSetTotalDamaged));
    }
    TFullSetCounts counts;
    counts.Records.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t at = i * FullSetRecordSize;
        TStatValueRec& r = counts.Records[i];
        for (int part = 1; part <= 4; ++part) {
            r.Key.SetK(part, static_cast<std::int16_t>(
                                 GetUInt(bytes, at + 2 * static_cast<std::size_t>(part - 1), 2)));
        }
        r.Count = static_cast<std::int32_t>(GetUInt(bytes, at + 8, 4));
    }
    counts.Smallest = static_cast<std::int32_t>(GetUInt(bytes, trailer, 4));
    counts.Largest = static_cast<std::int32_t>(GetUInt(bytes, trailer + 4, 4));
    return counts;
}

void CheckFullSetCounts(const TFullSetCounts& counts, const TStatClass& statClass) {
    const std::string damaged = Msg(TMsg::FileContentDamaged);
    std::int64_t total = 0;
    std::int32_t smallest = std::numeric_limits<std::int32_t>::max();
    std::int32_t largest = 0;
    for (std::size_t i = 0; i < counts.Records.size(); ++i) {
        const TStatValueRec& r = counts.Records[i];
        if (i > 0 && !KeyLess(counts.Records[i - 1].Key, r.Key)) {
            throw EError(damaged + Msg(TMsg::FullSetValuesUnordered));
        }
        if (r.Count < 1) throw EError(damaged + Msg(TMsg::FullSetCountBelowOne));
        total += r.Count;
        smallest = std::min(smallest, r.Count);
        largest = std::max(largest, r.Count);
    }
    if (counts.Smallest != smallest || counts.Largest != largest) {
        throw EError(damaged + Msg(TMsg::FullSetTotalMismatch));
    }
    const auto [fewest, most] = statClass.ValuesPerComb;
    const std::int64_t low = std::int64_t{fewest} * FullSetSize;
    const std::int64_t high = std::int64_t{most} * FullSetSize;
    if (total < low || total > high) {
        throw EError(damaged + Msg(TMsg::FullSetCountSumPrefix) + std::to_string(total) +
                     Msg(TMsg::FullSetCountSumMismatch) +
                     (low == high ? std::to_string(low)
                                  : Msg(TMsg::RangeFrom) + std::to_string(low) +
                                        Msg(TMsg::RangeTo) + std::to_string(high)) +
                     ").");
    }
}

std::optional<TFullSetCounts> BuildFullSetFile(const TFullSetSource& source, int methodIndex) {
    const TStatMethod& method = source.Registry.Method(methodIndex);
    const std::filesystem::path file = FullSetFileName(source.Paths, method);
    const auto count = [&] {
        const std::vector<TComb> set = FullSet();
        return CountMethod(source.Registry, method, set.data());
    };
    return WriteMethodFile(source.Hooks, file, FullSetRecordName(source.Paths, method),
                           FullSetMethodRecord(method, source.Registry), count);
}

std::optional<TFullSetCounts> ReadOrBuildFullSetFile(const TFullSetSource& source,
                                                     int methodIndex, bool& built) {
    built = false;
    if (methodIndex < 0 || methodIndex >= source.Registry.MethodCount()) return std::nullopt;
    const TStatMethod& method = source.Registry.Method(methodIndex);
    if (!method.StatClass->HasNorm()) return std::nullopt;
    const std::filesystem::path file = FullSetFileName(source.Paths, method);
    try {
        if (FileOutdated(source, method)) {
            built = true;
            return BuildFullSetFile(source, methodIndex);
        }
        TFullSetCounts counts = DecodeFullSetFile(ReadWholeFile(file, kMaxFileBytes));
        CheckFullSetCounts(counts, *method.StatClass);
        return counts;
    } catch (const std::exception& e) {
        source.Hooks.ShowMessage(TMessageKind::Error, FileFailure(kOpenError, file, e.what()));
        return std::nullopt;
    }
}

TRebuildResult BuildFullSetFiles(const TFullSetSource& source, std::uint16_t groups) {
    TRebuildResult result;
    IUiHooks& hooks = source.Hooks;
    const TStatList& registry = source.Registry;
    hooks.ShowProgress(kRebuildText, registry.MethodCount());
    try {
        hooks.ShowStatus(kRebuildText);
        const std::vector<int> chosen = MethodsToBuild(source, groups);
        std::optional<TParallelCounts> counts;
        if (!chosen.empty()) counts.emplace(registry, chosen);
        std::size_t next = 0;
        for (int i = 0; i < registry.MethodCount(); ++i) {
            if (next < chosen.size() && chosen[next] == i) {
                const std::size_t slot = next++;
                const TStatMethod& method = registry.Method(i);
                const bool ok = WriteMethodFile(hooks, FullSetFileName(source.Paths, method),
                                                FullSetRecordName(source.Paths, method),
                                                FullSetMethodRecord(method, registry),
                                                [&] { return counts->Take(slot); })
                                    .has_value();
                ++(ok ? result.Built : result.Failed);
                hooks.ShowStatus(kRebuildText);
            }
            hooks.StepProgress(1);
        }
    } catch (...) {
        hooks.ShowStatus(std::string());
        hooks.HideProgress();
        throw;
    }
    hooks.ShowStatus(std::string());
    hooks.HideProgress();
    return result;
}

}  // namespace mv
