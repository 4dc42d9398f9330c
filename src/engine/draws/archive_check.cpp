#include "engine/draws/archive_check.h"

#include <algorithm>
#include <bitset>
#include <cstdio>
#include <optional>
#include <unordered_map>

#include "engine/core/constants.h"
#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {

bool InGameRange(int n) {
    return n >= 1 && n <= MaxNumber;
}

std::string NumbersDetails(const TDrawRec& draw) {
    std::string text = Msg(TMsg::ArchiveNumbersPrefix);
    for (std::size_t i = 0; i < draw.Nums.size(); ++i) {
        if (i > 0) text += ';';
        text += std::to_string(draw.Nums[i]);
    }
    return text;
}

bool NumbersValid(const TDrawRec& draw) {
    std::bitset<256> seen;
    for (const std::uint8_t n : draw.Nums) {
        if (!InGameRange(n) || seen[n]) return false;
        seen[n] = true;
    }
    return true;
}

std::string GapDetails(std::int64_t first, std::int64_t last) {
    if (first == last) return Msg(TMsg::ArchiveMissingNumber) + std::to_string(first);
    return Msg(TMsg::ArchiveMissingNumbers) + std::to_string(first) + "-" + std::to_string(last);
}

// The record's date, nothing for a blank one. `readable` is false for a text that is no date
// and for a damaged length (more bytes than the record has); `text` then describes it.
std::optional<TDateTime> ReadDate(const TDrawRec& draw, std::string& text, bool& readable) {
    readable = true;
    if (draw.DateLen > draw.DateChars.size()) {
        readable = false;
        text = Msg(TMsg::ArchiveDateLength) + std::to_string(draw.DateLen);
        return std::nullopt;
    }
    text = draw.Date();
    if (Trim(text).empty()) return std::nullopt;
    try {
        return ParseDrawDate(text);
    } catch (const std::exception&) {
        readable = false;
        text = Msg(TMsg::ArchiveDatePrefix) + text + "\"";
        return std::nullopt;
    }
}

std::string PaddingDetails(const TDrawRec& draw) {
    std::string text = Msg(TMsg::ArchiveReservedBytes);
    for (const std::uint8_t b : draw.Padding) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", b);
        text += hex;
    }
    return text;
}

}  // namespace

std::vector<TArchiveFinding> CheckArchive(const TDrawsArray& draws) {
    std::vector<TArchiveFinding> findings;
    // Draw number -> index of its first record.
    std::unordered_map<std::int32_t, int> firstIndex;
    firstIndex.reserve(draws.size());
    std::optional<TDateTime> lastDate;
    std::string lastDateText;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const TDrawRec& draw = draws[i];
        const int index = static_cast<int>(i);
        const auto add = [&](TArchiveFindingKind kind, std::string details) {
            findings.push_back({index, draw.Number, kind, std::move(details)});
        };
        const auto [first, inserted] = firstIndex.emplace(draw.Number, index);
        if (!inserted) {
            add(TArchiveFindingKind::DuplicateNumber,
                Msg(TMsg::ArchiveSameNumberAs) + std::to_string(first->second + 1));
        }
        if (i > 0) {
            const std::int64_t previous = draws[i - 1].Number;
            if (draw.Number < previous) {
                add(TArchiveFindingKind::NumberOutOfOrder,
                    Msg(TMsg::ArchivePreviousDraw) + std::to_string(previous));
            } else if (draw.Number > previous + 1) {
                add(TArchiveFindingKind::NumberingGap, GapDetails(previous + 1, draw.Number - 1));
            }
        }
        if (!NumbersValid(draw)) add(TArchiveFindingKind::BadNumbers, NumbersDetails(draw));
        if (!InGameRange(draw.Extra)) {
            add(TArchiveFindingKind::BadExtra,
                Msg(TMsg::ArchiveExtraNumber) + std::to_string(draw.Extra));
        }
        std::string dateText;
        bool readable = true;
        const std::optional<TDateTime> date = ReadDate(draw, dateText, readable);
        if (!readable) add(TArchiveFindingKind::BadDate, dateText);
        if (date) {
            if (lastDate && *date < *lastDate) {
                add(TArchiveFindingKind::DateBackwards, Msg(TMsg::ArchiveDateWord) + dateText +
                                                            Msg(TMsg::ArchiveDateBeforePrevious) +
                                                            lastDateText);
            }
            lastDate = date;
            lastDateText = dateText;
        }
        if (std::any_of(draw.Padding.begin(), draw.Padding.end(),
                        [](std::uint8_t b) { return b != 0; })) {
            add(TArchiveFindingKind::ReservedBytes, PaddingDetails(draw));
        }
    }
    return findings;
}

int ArchiveProblemCount(const std::vector<TArchiveFinding>& findings) {
    return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                          [](const TArchiveFinding& f) { return !f.Notice(); }));
}

std::string ArchiveFindingKindText(TArchiveFindingKind kind) {
    switch (kind) {
        case TArchiveFindingKind::DuplicateNumber:
            return Msg(TMsg::ArchiveKindRepeatedNumber);
        case TArchiveFindingKind::NumberOutOfOrder:
            return Msg(TMsg::ArchiveKindNumberOrder);
        case TArchiveFindingKind::NumberingGap:
            return Msg(TMsg::ArchiveKindNumberGap);
        case TArchiveFindingKind::BadNumbers:
            return Msg(TMsg::ArchiveKindBadNumbers);
        case TArchiveFindingKind::BadExtra:
            return Msg(TMsg::ArchiveKindBadExtra);
        case TArchiveFindingKind::BadDate:
            return Msg(TMsg::ArchiveKindBadDate);
        case TArchiveFindingKind::DateBackwards:
            return Msg(TMsg::ArchiveKindDateOrder);
        case TArchiveFindingKind::ReservedBytes:
            return Msg(TMsg::ArchiveKindReservedBytes);
    }
    return {};
}

std::string ArchiveFindingLine(const TArchiveFinding& finding) {
    return std::to_string(finding.Number) + "; " + ArchiveFindingKindText(finding.Kind) + "; " +
           finding.Details;
}

std::string ArchiveCheckSummary(int drawCount, const std::vector<TArchiveFinding>& findings) {
    const int problems = ArchiveProblemCount(findings);
    const int notices = static_cast<int>(findings.size()) - problems;
    return Msg(TMsg::ArchiveCheckedPrefix) + std::to_string(drawCount) +
           Msg(TMsg::ArchiveErrorsLabel) + std::to_string(problems) +
           Msg(TMsg::ArchiveNoticesLabel) + std::to_string(notices) + ".";
}

}  // namespace mv
