// The archive check: an archive file with one record of each finding, laid out byte by byte,
// gives exactly its lines; a clean archive gives nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/draws/archive_check.h"
#include "engine/draws/archive_file.h"
#include "test_support.h"

namespace mv {
namespace {

// One 24-byte record: number, five numbers and the extra number, the date length and ten
// date bytes, three reserved bytes.
std::string Record(std::int32_t number, std::vector<int> nums6, const std::string& date,
                   std::string padding = std::string(3, '\0'), int dateLen = -1) {
    std::string r;
    const auto v = static_cast<std::uint32_t>(number);
    for (int i = 0; i < 4; ++i) r += static_cast<char>(v >> (8 * i));
    for (const int n : nums6) r += static_cast<char>(n);
    r += static_cast<char>(dateLen >= 0 ? dateLen : static_cast<int>(date.size()));
    r += date + std::string(10 - date.size(), '\0');
    return r + padding;
}

std::vector<std::string> Lines(const TDrawsArray& draws) {
    std::vector<std::string> lines;
    for (const TArchiveFinding& f : CheckArchive(draws)) lines.push_back(ArchiveFindingLine(f));
    return lines;
}

TDrawsArray ReadBack(const std::string& bytes) {
    test::TTempDir dir;
    const auto file = dir.Path() / "Marvolet_5z36.ldr";
    test::WriteBytes(file, bytes);
    TDrawsArray draws;
    ReadArchiveFile(file, draws);
    return draws;
}

TEST(ArchiveCheck, OneRecordOfEachFinding) {
    const std::vector<int> good = {1, 2, 3, 4, 5, 6};
    const TDrawsArray draws = ReadBack(
        Record(1, good, "01.02.2024") + Record(2, good, "03.02.2024") +
        Record(5, good, "05.02.2024") +                   // numbers 3-4 skipped
        Record(4, good, "06.02.2024") +                   // below the previous number
        Record(5, good, "07.02.2024") +                   // the number of the third record
        Record(6, {3, 3, 10, 20, 40, 7}, "08.02.2024") +  // a repeated and a foreign number
        Record(7, {1, 2, 3, 4, 5, 0}, "09.02.2024") +     // no extra number
        Record(8, good, "31.02.2024") +                   // no such day
        Record(9, good, "01.01.2024") +                   // before 09.02.2024
        Record(10, good, "10.02.2024", std::string("\0\xFF\0", 3)) +
        Record(11, good, "") +                                      // no date: nothing to say
        Record(13, good, "12.02.2024") +                            // number 12 skipped
        Record(14, good, "13.02.2024", std::string(3, '\0'), 11));  // damaged date length
    ASSERT_EQ(draws.size(), 13u);
    const std::vector<std::string> expected = {
        "5; пропуск в нумерации; пропущены номера 3-4",
        "4; нарушен порядок номеров; предыдущая запись - тираж 5",
        "5; повтор номера тиража; тот же номер у записи 3",
        "6; некорректные числа тиража; числа 3;3;10;20;40",
        "7; некорректное дополнительное число; дополнительное число 0",
        "8; некорректная дата; дата \"31.02.2024\"",
        "9; дата раньше предыдущей; дата 01.01.2024 раньше даты предыдущего тиража 09.02.2024",
        "10; ненулевые резервные байты; байты 21-23: 00 FF 00",
        "13; пропуск в нумерации; пропущен номер 12",
        "14; некорректная дата; длина даты 11",
    };
    EXPECT_EQ(Lines(draws), expected);

    const auto findings = CheckArchive(draws);
    EXPECT_EQ(findings[1].Index, 3);
    EXPECT_EQ(ArchiveProblemCount(findings), 8);
    EXPECT_EQ(ArchiveCheckSummary(13, findings),
              "Проверено тиражей: 13. Ошибок: 8, уведомлений: 2.");
}

// Dates going backwards are measured against the last readable one, not against a record
// whose date could not be read or was blank.
TEST(ArchiveCheck, BackwardsDatesCompareWithTheLastReadableDate) {
    const std::vector<int> good = {36, 1, 17, 2, 35, 36};
    const TDrawsArray draws = ReadBack(
        Record(1, good, "10.03.2024") + Record(2, good, "99.99.9999") + Record(3, good, "") +
        Record(4, good, "10.03.2024") + Record(5, good, "09.03.2024"));
    EXPECT_EQ(Lines(draws), (std::vector<std::string>{
                                "2; некорректная дата; дата \"99.99.9999\"",
                                "5; дата раньше предыдущей; дата 09.03.2024 раньше даты "
                                "предыдущего тиража 10.03.2024",
                            }));
}

TEST(ArchiveCheck, CleanArchiveGivesNothing) {
    EXPECT_TRUE(CheckArchive({}).empty());
    TDrawsArray draws;
    for (int i = 1; i <= 28; ++i) {
        TDrawRec d;
        d.Number = 1000 + i;
        for (int k = 0; k < NumbersInDraw; ++k) {
            d.Nums[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>((i + 7 * k) % 36 + 1);
        }
        d.Extra = 36;
        d.SetDate((i < 10 ? "0" : "") + std::to_string(i) + ".01.2024");
        draws.push_back(d);
    }
    EXPECT_EQ(Lines(draws), std::vector<std::string>{});
    EXPECT_EQ(ArchiveCheckSummary(28, {}), "Проверено тиражей: 28. Ошибок: 0, уведомлений: 0.");
}

}  // namespace
}  // namespace mv
