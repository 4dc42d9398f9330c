#include "engine/stakes/stake_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <span>
#include <unordered_map>
#include <utility>

#include "engine/core/data_paths.h"
#include "engine/core/datetime.h"
#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/draws/archive_file.h"

namespace mv {
namespace {

constexpr std::int64_t kBlockRecords = 4096;
constexpr std::size_t kRecSize = StakeRecSize;

bool Qualifies(const TStakeRecord& rec) {
    return rec.Checked == 0 && rec.DrawNumber > 0 && rec.Numbers.Count >= NumbersInDraw;
}

// Fills in a qualifying record from its draw.
void Settle(TStakeRecord& rec, const TDrawRec& draw, const TStatList& stats) {
    rec.Checked = 1;
    rec.DrawResult = draw.Nums;
    std::array<std::uint8_t, NumbersInDraw> matched{};
    std::size_t count = 0;
    for (const std::uint8_t n : draw.Nums) {
        if (rec.Numbers.Contains(n)) matched[count++] = n;
    }
    // At most five: an insertion sort.
    for (std::size_t i = 1; i < count; ++i) {
        for (std::size_t j = i; j > 0 && matched[j - 1] > matched[j]; --j) {
            std::swap(matched[j - 1], matched[j]);
        }
    }
    rec.Matches.Assign(std::span<const std::uint8_t>(matched.data(), count));
    rec.Profit = stats.StakeBalance(rec.Numbers.Count, rec.Matches.Count);
}

std::string ProgressText(std::int64_t done, std::int64_t total) {
    char percent[32];
    std::snprintf(percent, sizeof percent, "%.0f",
                  static_cast<double>(done) * 100.0 / static_cast<double>(total));
    return std::string(Msg(TMsg::CheckStakesProgressPrefix)) + percent + " % )...";
}

}  // namespace

TStakeCheckResult CheckStakes(TStakesFile& file, const TStakeCheckParams& params, IUiHooks& hooks) {
    TStakeCheckResult result;
    TStatusGuard status(hooks, Msg(TMsg::CheckStakesStatus));
    try {
        const std::int64_t total = file.Count();
        if (total == 0) return result;
        const TDrawsArray& draws = *params.Draws;
        std::int64_t firstQualifying = -1;
        std::int64_t progressTotal = 0;
        std::int64_t step = 1;
        const bool reportEach = params.LogEnabled || static_cast<bool>(params.AddToRatings);
        std::vector<unsigned char> bytes;
        for (std::int64_t first = 0; first < total; first += kBlockRecords) {
            const std::int64_t got = file.ReadBlock(first, kBlockRecords, bytes);
            // The changed records of this block go back with one write of their span.
            std::int64_t changedLow = -1;
            std::int64_t changedHigh = -1;
            // The records to pass on to the ratings and the logs, when anything takes them.
            std::vector<std::int64_t> settled;
            for (std::int64_t i = 0; i < got; ++i) {
                const std::int64_t index = first + i;
                unsigned char* raw = bytes.data() + static_cast<std::size_t>(i) * kRecSize;
                TStakeRecord rec = DecodeStakeRecWithoutComment(raw);
                if (!Qualifies(rec)) continue;
                if (firstQualifying < 0) {
                    firstQualifying = index;
                    progressTotal = total - index;
                    step = std::max<std::int64_t>(1, progressTotal / 100);
                }
                const int drawIndex = FindDrawIndex(draws, rec.DrawNumber);
                if (drawIndex >= 0) {
                    Settle(rec, draws[static_cast<std::size_t>(drawIndex)], *params.Stats);
                    // Only the result fields change; the rest keeps its bytes.
                    EncodeStakeResult(rec, raw);
                    if (changedLow < 0) changedLow = i;
                    changedHigh = i;
                    ++result.CheckedCount;
                    result.CheckedProfit += rec.Profit;
                    result.Changed = true;
                    if (reportEach) settled.push_back(i);
                }
                const std::int64_t done = index - firstQualifying + 1;
                if (done % step == 0) hooks.ShowStatus(ProgressText(done, progressTotal));
            }
            if (changedLow < 0) continue;
            file.WriteBlock(first + changedLow,
                            {bytes.data() + static_cast<std::size_t>(changedLow) * kRecSize,
                             static_cast<std::size_t>(changedHigh - changedLow + 1) * kRecSize});
            for (const std::int64_t i : settled) {
                const TStakeRecord rec =
                    DecodeStakeRec(bytes.data() + static_cast<std::size_t>(i) * kRecSize);
                if (params.AddToRatings) params.AddToRatings(rec);
                if (params.LogEnabled) {
                    try {
                        WriteStakeLog(params.LogDir, rec, Now());
                    } catch (const EError& e) {
                        hooks.ShowMessage(TMessageKind::Error, e.what());
                    }
                }
            }
        }
    } catch (const std::exception& e) {
        throw EError(OperationMessage(Msg(TMsg::CheckStakesError), e.what()));
    }
    return result;
}

std::filesystem::path StakeLogPath(const std::filesystem::path& dir, int matches) {
    return dir / (std::string(ProgramName) + "-" + std::to_string(matches) + ".log");
}

std::string StakeLogMask() {
    return std::string(ProgramName) + "-*.log";
}

std::string StakeLogLine(const TStakeRecord& rec, double now) {
    const TDateParts t = DecodeDateTime(now);
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%04d.%02d.%02d %02d:%02d:%02d", t.Year, t.Month, t.Day,
                  t.Hour, t.Minute, t.Second);
    return std::string(stamp) + Msg(TMsg::StakeLogDraw) + std::to_string(rec.DrawNumber) +
           Msg(TMsg::StakeLogStake) + rec.Comment + "\" [" + StakeNumbersText(rec.Numbers.Used()) +
           "] {" + std::to_string(rec.SampleSize) + Msg(TMsg::StakeLogResults) +
           StakeNumbersText(rec.DrawResult) + Msg(TMsg::StakeLogMatches) +
           std::to_string(rec.Matches.Count) + Msg(TMsg::StakeLogProfit) + MoneyText(rec.Profit) +
           ".";
}

void WriteStakeLog(const std::filesystem::path& dir, const TStakeRecord& rec, double now) {
    if (rec.Checked == 0) return;
    const std::filesystem::path path = StakeLogPath(dir, rec.Matches.Count);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && st.st_size > StakeLogSizeLimit) {
        if (::unlink(path.c_str()) != 0) {
            throw EError(OperationMessage(Msg(TMsg::DeleteFileQuotedPrefix) + path.string() + "\"!",
                                          SystemMessage(errno)));
        }
    }
    const std::string line = Utf8ToCp1251(StakeLogLine(rec, now)) + "\r\n";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    int code = fd < 0 ? errno : 0;
    if (fd >= 0) {
        std::size_t done = 0;
        while (done < line.size() && code == 0) {
            const ssize_t n = ::write(fd, line.data() + done, line.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0)
                code = errno;
            else
                done += static_cast<std::size_t>(n);
        }
        if (::close(fd) != 0 && code == 0) code = errno;
    }
    if (code != 0) {
        throw EError(OperationMessage(Msg(TMsg::WriteFileQuotedPrefix) + path.string() + "\"!",
                                      SystemMessage(code)));
    }
}

std::int64_t DeleteStakeRows(TStakesFile& file, std::int64_t firstRow, std::int64_t lastRow) {
    return file.Rewrite([&](std::int64_t index, const TStakeRecord&) {
        const std::int64_t row = index + 1;
        return row < firstRow || row > lastRow;
    });
}

const char* StakeConditionCaption(int condition) {
    switch (condition) {
        case scEqual:
            return Msg(TMsg::CompareEqual).c_str();
        case scGreater:
            return Msg(TMsg::CompareGreater).c_str();
        case scNotLess:
            return Msg(TMsg::CompareNotLess).c_str();
        case scLess:
            return Msg(TMsg::CompareLess).c_str();
        case scNotGreater:
            return Msg(TMsg::CompareNotGreater).c_str();
        default:
            return "";
    }
}

bool StakeConditionHolds(int condition, int matches, int value) {
    switch (condition) {
        case scEqual:
            return matches == value;
        case scGreater:
            return matches > value;
        case scNotLess:
            return matches >= value;
        case scLess:
            return matches < value;
        case scNotGreater:
            return matches <= value;
        default:
            return false;
    }
}

std::int64_t DeleteStakesByCount(TStakesFile& file, int condition, int value) {
    return file.Rewrite([&](std::int64_t, const TStakeRecord& rec) {
        return rec.Kind == skMarker || !StakeConditionHolds(condition, rec.Matches.Count, value);
    });
}

std::vector<TStakeProfitPoint> StakeProfitByDraw(const TStakesFile& file) {
    std::vector<TStakeProfitPoint> points;
    std::vector<TMoney> totals;
    std::unordered_map<std::int32_t, std::size_t> slot;
    const std::int64_t count = file.Count();
    for (std::int64_t first = 0; first < count; first += kBlockRecords) {
        for (const TStakeRecord& rec : file.ReadRange(first, kBlockRecords)) {
            if (rec.DrawNumber < 0) continue;
            const auto [it, added] = slot.try_emplace(rec.DrawNumber, points.size());
            if (added) {
                points.push_back({rec.DrawNumber, 0, 0, 0});
                totals.push_back(0);
            }
            totals[it->second] += rec.Profit;
        }
    }
    if (points.empty()) {
        throw EError(Msg(TMsg::RatingChartsNoDataMessage));
    }
    TMoney grand = 0;
    for (const TMoney t : totals) grand += t;
    const double average =
        static_cast<double>(grand) / static_cast<double>(points.size()) / MoneyScale;
    TMoney running = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        running += totals[i];
        points[i].Profit = static_cast<double>(totals[i]) / MoneyScale;
        points[i].Average = average;
        points[i].Accumulated = static_cast<double>(running) / MoneyScale;
    }
    return points;
}

}  // namespace mv
