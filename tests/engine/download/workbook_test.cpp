#include "engine/download/workbook.h"

#include <gtest/gtest.h>

#include "engine/core/errors.h"
#include "operator_site.h"
#include "test_support.h"

namespace mv {
namespace {

using test::TFormattedNumber;

TEST(SheetNumberFormat, DisplayTextsAsTheRussianSheetShowsThem) {
    // 45363 is 12.03.2024; 20:00 is 5/6 of a day.
    const double evening = 45363 + 20.0 / 24;
    struct TCase {
        double Value;
        std::string Format;
        std::string Text;
    } cases[] = {
        {45363, "dd.mm.yyyy", "12.03.2024"},
        {evening, "dd.mm.yyyy hh:mm", "12.03.2024 20:00"},
        {evening, "dd/mm/yyyy h:mm:ss", "12.03.2024 20:00:00"},
        {evening, "[$-419]d mmmm yyyy\" г.\"", "12 Март 2024 г."},
        {evening, "d.m.yy;@", "12.3.24"},
        {evening, "h:mm AM/PM", "8:00 PM"},
        {45363, "dddd", "вторник"},
        {1, "dd.mm.yyyy", "01.01.1900"},
        {61, "dd.mm.yyyy", "01.03.1900"},
        {45363, "General", "45363"},
        {12.5, "General", "12,5"},
        {1.0 / 3, "General", "0,3333333333"},
        {7, "0.00", "7,00"},
        {7.6, "0", "8"},
        {-1, "dd.mm.yyyy", "-1"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FormatSheetNumber(c.Value, c.Format), c.Text) << c.Format << " " << c.Value;
    EXPECT_EQ(FormatSheetNumber(0, "dd.mm.yyyy", true), "01.01.1904");
    EXPECT_EQ(FormatSheetNumber(45363, BuiltInNumberFormat(14)), "12.03.2024");
    EXPECT_EQ(FormatSheetNumber(evening, BuiltInNumberFormat(22)), "12.03.2024 20:00");
}

class WorkbookTest : public ::testing::Test {
protected:
    test::TTempDir dir;
    std::filesystem::path file = dir / "book.xlsx";
};

TEST_F(WorkbookTest, SharedAndInlineStringsNumbersAndDatesReadAsShown) {
    const std::vector<test::TWorkbookRow> rows = {
        test::HeadingRow(),
        {1001.0, std::string("12.03.2024 20:00"), 5.0, 6.0},
        {},  // an empty row is left out
        {1002.0, TFormattedNumber{45364 + 0.5, "dd.mm.yyyy hh:mm"}, std::monostate{},
         std::string("  7 ")},
    };
    for (bool inlineStrings : {false, true}) {
        test::WriteWorkbook(file, rows, inlineStrings);
        const auto sheet = ReadFirstSheet(file, 8);
        ASSERT_EQ(sheet.size(), 3u) << inlineStrings;
        EXPECT_EQ(sheet[0].Row, 1);
        EXPECT_EQ(sheet[0].Cell(8).Text, "Доп.");
        EXPECT_EQ(sheet[1].Row, 2);
        EXPECT_TRUE(sheet[1].Cell(1).HasNumber);
        EXPECT_EQ(sheet[1].Cell(1).Number, 1001);
        EXPECT_EQ(sheet[1].Cell(2).Text, "12.03.2024 20:00");
        EXPECT_EQ(sheet[1].Cell(4).Text, "6");
        EXPECT_EQ(sheet[2].Row, 4);
        EXPECT_EQ(sheet[2].Cell(2).Text, "13.03.2024 12:00");
        EXPECT_EQ(sheet[2].Cell(3).Text, "");
        EXPECT_EQ(sheet[2].Cell(4).Text, "  7 ");
        EXPECT_EQ(sheet[2].Cell(30).Text, "");
    }
    // Columns past the limit are not kept.
    EXPECT_EQ(ReadFirstSheet(file, 2)[0].Cells.size(), 2u);
}

TEST_F(WorkbookTest, FilesThatAreNoWorkbookFailWithAReason) {
    test::WriteBytes(file, "<html>not found</html>");
    try {
        ReadFirstSheet(file, 8);
        FAIL() << "no error";
    } catch (const EError& e) {
        EXPECT_NE(std::string(e.what()).find("не является книгой Excel"), std::string::npos)
            << e.what();
    }
    // A zip cut in the middle.
    test::WriteWorkbook(file, {test::HeadingRow()});
    const std::string whole = test::ReadBytes(file);
    test::WriteBytes(file, whole.substr(0, whole.size() / 2));
    EXPECT_THROW(ReadFirstSheet(file, 8), EError);
    EXPECT_THROW(ReadFirstSheet(dir / "missing.xlsx", 8), EError);
}

}  // namespace
}  // namespace mv
