#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/records.h"

namespace mv {

// A check of the draws archive for what a damaged file, a careless import or a hand edit
// leaves behind. It only reports: nothing is changed, and no finding stops the archive from
// being used.

enum class TArchiveFindingKind {
    DuplicateNumber,   // the draw number occurs earlier in the archive
    NumberOutOfOrder,  // the number is smaller than the previous record's
    NumberingGap,      // numbers missing between the previous record and this one (a notice)
    BadNumbers,        // the five numbers are not five different numbers 1..MaxNumber
    BadExtra,          // the extra number lies outside 1..MaxNumber
    BadDate,           // the date text cannot be read as a date
    DateBackwards,     // the date is earlier than the previous readable date
    ReservedBytes,     // the record's reserved bytes are not zero
};

struct TArchiveFinding {
    int Index = 0;            // archive index of the record (0 is the oldest)
    std::int32_t Number = 0;  // its draw number
    TArchiveFindingKind Kind = TArchiveFindingKind::DuplicateNumber;
    std::string Details;  // UTF-8, e.g. "пропущены номера 5-7"
    // Notices (gaps in the numbering: an operator may skip numbers) are not problems.
    bool Notice() const { return Kind == TArchiveFindingKind::NumberingGap; }
};

// Every finding in archive order, and for one record in the order of the kinds above.
// Linear in the archive's size. A blank date is not a finding (draws may have none).
std::vector<TArchiveFinding> CheckArchive(const TDrawsArray& draws);

// The findings that are not notices.
int ArchiveProblemCount(const std::vector<TArchiveFinding>& findings);

// "повтор номера тиража", "пропуск в нумерации", ...
std::string ArchiveFindingKindText(TArchiveFindingKind kind);
// One line: "<draw number>; <kind>; <details>".
std::string ArchiveFindingLine(const TArchiveFinding& finding);
// "Проверено тиражей: 120. Ошибок: 2, уведомлений: 1."
std::string ArchiveCheckSummary(int drawCount, const std::vector<TArchiveFinding>& findings);

}  // namespace mv
