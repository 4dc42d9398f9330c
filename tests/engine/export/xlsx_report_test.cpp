#include "engine/export/xlsx_report.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <map>
#include <pugixml.hpp>

#include "engine/core/datetime.h"
#include "engine/core/errors.h"
#include "engine/download/workbook.h"
#include "test_support.h"

namespace mv {
namespace {

using test::TTempDir;

// The parts of a written workbook that the cell reader does not show: the sheet's name, its
// column widths, its page orientation and the alignment of a cell's style.
struct TSheetLayout {
    std::string Name;
    std::map<int, double> Widths;  // 1-based column -> width
    std::string Orientation;
    std::vector<std::string> CellAlign;    // horizontal alignment per style index
    std::map<std::string, int> CellStyle;  // "B7" -> style index
};

std::string ZipPart(const std::filesystem::path& file, const char* name) {
    int error = 0;
    zip_t* zip = zip_open(file.c_str(), ZIP_RDONLY, &error);
    if (!zip) throw std::runtime_error("not a zip");
    zip_stat_t st;
    std::string bytes;
    if (zip_stat(zip, name, 0, &st) == 0) {
        bytes.resize(st.size);
        zip_file_t* part = zip_fopen(zip, name, 0);
        zip_fread(part, bytes.data(), st.size);
        zip_fclose(part);
    }
    zip_close(zip);
    return bytes;
}

TSheetLayout ReadLayout(const std::filesystem::path& file) {
    TSheetLayout layout;
    pugi::xml_document book, sheet, styles;
    const std::string bookXml = ZipPart(file, "xl/workbook.xml");
    const std::string sheetXml = ZipPart(file, "xl/worksheets/sheet1.xml");
    const std::string stylesXml = ZipPart(file, "xl/styles.xml");
    book.load_buffer(bookXml.data(), bookXml.size());
    sheet.load_buffer(sheetXml.data(), sheetXml.size());
    styles.load_buffer(stylesXml.data(), stylesXml.size());
    layout.Name = book.select_node("//sheet").node().attribute("name").value();
    for (const auto& col : sheet.select_nodes("//cols/col")) {
        for (int c = col.node().attribute("min").as_int();
             c <= col.node().attribute("max").as_int(); ++c) {
            layout.Widths[c] = col.node().attribute("width").as_double();
        }
    }
    layout.Orientation = sheet.select_node("//pageSetup").node().attribute("orientation").value();
    for (const auto& xf : styles.select_nodes("//cellXfs/xf")) {
        layout.CellAlign.push_back(xf.node().child("alignment").attribute("horizontal").value());
    }
    for (const auto& c : sheet.select_nodes("//sheetData/row/c")) {
        layout.CellStyle[c.node().attribute("r").value()] = c.node().attribute("s").as_int();
    }
    return layout;
}

// Column 0: the row number; column 1: a text; column 2: a number; column 3: nothing.
class TTableRows : public IExportRows {
public:
    explicit TTableRows(std::size_t rows) : m_rows(rows) {}
    std::size_t RowCount() const override { return m_rows; }
    void Cell(std::size_t row, int column, TExportCell& cell) const override {
        if (column == 0) cell.SetNumber(static_cast<double>(row + 1));
        if (column == 1) cell.SetText("Строка " + std::to_string(row + 1));
        if (column == 2) cell.SetNumber(static_cast<double>(row) * 1.5);
    }

private:
    std::size_t m_rows;
};

TExportField Field(int id, const char* caption, int alignment, const char* width,
                   bool checked = true) {
    return TExportField{id, alignment, checked, caption, width, caption};
}

const std::string& Text(const std::vector<TSheetRow>& rows, int row, int column) {
    static const std::string none = "<no row>";
    for (const TSheetRow& r : rows) {
        if (r.Row == row) return r.Cell(column).Text;
    }
    return none;
}

TEST(XlsxReport, ReportRowsFollowTheOptionalLines) {
    struct TCase {
        bool Header, Notes, Created;
        int Title, NotesRow, CreatedRow, Heading;
    };
    for (const TCase& c : std::vector<TCase>{
             {false, false, false, 1, 0, 0, 3},
             {true, false, true, 3, 0, 4, 6},
             {false, true, true, 1, 2, 3, 5},
             {true, true, false, 3, 4, 0, 6},
         }) {
        const TReportLayout l = ReportLayout(c.Header, c.Notes, c.Created);
        EXPECT_EQ(l.HeaderRow, c.Header ? 1 : 0);
        EXPECT_EQ(l.TitleRow, c.Title);
        EXPECT_EQ(l.NotesRow, c.NotesRow);
        EXPECT_EQ(l.CreatedRow, c.CreatedRow);
        EXPECT_EQ(l.HeadingRow, c.Heading);
        EXPECT_EQ(l.FirstDataRow, c.Heading + 1);
    }
}

TEST(XlsxReport, PlainNumbersAreNumbers) {
    struct TCase {
        const char* Text;
        bool IsNumber;
        double Value;
    };
    for (const TCase& c : std::vector<TCase>{{"0", true, 0},
                                             {"12", true, 12},
                                             {"-3,25", true, -3.25},
                                             {"0.5", true, 0.5},
                                             {"01", false, 0},
                                             {"1 000", false, 0},
                                             {"12.03.2024", false, 0},
                                             {"1e5", false, 0},
                                             {"5,", false, 0},
                                             {"", false, 0},
                                             {"-", false, 0},
                                             {"1234567890123456", false, 0},
                                             {"01 05 12 23 36", false, 0}}) {
        double value = -1;
        EXPECT_EQ(ReadReportNumber(c.Text, value), c.IsNumber) << c.Text;
        if (c.IsNumber) {
            EXPECT_DOUBLE_EQ(value, c.Value) << c.Text;
        }
    }
}

TEST(XlsxReport, SheetNamesAreCleaned) {
    EXPECT_EQ(CleanSheetName("Итоги 1/2 [a]?"), "Итоги 1-2 (a)");
    EXPECT_EQ(CleanSheetName("a\\b:\"c'*"), "a-bc");
    // 31 characters, not bytes; the blank left at the cut is trimmed.
    EXPECT_EQ(CleanSheetName("Архив тиражей Архив тиражей Ар хив"),
              "Архив тиражей Архив тиражей Ар");
    EXPECT_EQ(CleanSheetName(std::string(30, 'x') + " y"), std::string(30, 'x'));
}

// A report of every optional line: the cells, their kinds, the widths (a width past 255 is
// cut to 255), the unchecked field left out, the sheet name, the orientation and alignment.
TEST(XlsxReport, WrittenWorkbookReadsBack) {
    TTempDir dir;
    TExportParams params;
    params.Title = "Архив тиражей";
    params.Notes = "Примечание";
    params.SheetName = "Архив/тиражей";
    params.PageOrientation = 2;
    params.BaseFontSize = 10;
    params.Fields = {Field(0, "№", eaRight, "6,00"), Field(1, "Текст", eaLeft, "25,00"),
                     Field(3, "Пусто", eaLeft, "10,00", false), Field(2, "Число", eaCenter, "300")};
    TTableRows rows(5);
    TReportSource source;
    source.Rows = &rows;
    source.HeaderLine = "Шапка";
    source.Created = EncodeDateTime({2024, 3, 12, 20, 5, 7, 0});
    test::TRecordingHooks hooks;
    const auto file = dir / "report.xlsx";
    ASSERT_TRUE(WriteXlsxReport(file, params, source, hooks));

    const auto sheet = ReadFirstSheet(file, 10);
    EXPECT_EQ(Text(sheet, 1, 1), "Шапка");
    EXPECT_EQ(Text(sheet, 3, 1), "Архив тиражей");
    EXPECT_EQ(Text(sheet, 4, 1), "Примечание");
    EXPECT_EQ(Text(sheet, 5, 1), "Отчет построен: 12.03.2024 20:05:07.");
    EXPECT_EQ(Text(sheet, 7, 1), "№");
    EXPECT_EQ(Text(sheet, 7, 2), "Текст");
    EXPECT_EQ(Text(sheet, 7, 3), "Число");
    EXPECT_EQ(Text(sheet, 7, 4), "");
    EXPECT_EQ(Text(sheet, 8, 2), "Строка 1");
    EXPECT_EQ(Text(sheet, 12, 2), "Строка 5");
    EXPECT_EQ(Text(sheet, 13, 1), "<no row>");
    for (const TSheetRow& r : sheet) {
        if (r.Row < 8) continue;
        EXPECT_TRUE(r.Cell(1).HasNumber);
        EXPECT_EQ(r.Cell(1).Number, r.Row - 7);
        EXPECT_FALSE(r.Cell(2).HasNumber);
        EXPECT_TRUE(r.Cell(3).HasNumber);
        EXPECT_EQ(r.Cell(3).Number, (r.Row - 8) * 1.5);
    }

    const TSheetLayout layout = ReadLayout(file);
    EXPECT_EQ(layout.Name, "Архив-тиражей");
    EXPECT_EQ(layout.Orientation, "landscape");
    ASSERT_EQ(layout.Widths.size(), 3u);
    EXPECT_NEAR(layout.Widths.at(1), 6, 0.75);  // the file holds the width with its padding
    EXPECT_NEAR(layout.Widths.at(2), 25, 0.75);
    EXPECT_NEAR(layout.Widths.at(3), 255, 0.75);
    auto align = [&](const char* cell) {
        return layout.CellAlign.at(static_cast<std::size_t>(layout.CellStyle.at(cell)));
    };
    EXPECT_EQ(align("A8"), "right");
    EXPECT_EQ(align("B8"), "left");
    EXPECT_EQ(align("C8"), "center");
    EXPECT_EQ(align("A7"), "center");
}

// Only the selected rows go out, in the order given; nothing optional, so the headings are
// in row 3, after one blank row.
TEST(XlsxReport, SelectedRowsOnly) {
    TTempDir dir;
    TExportParams params;
    params.Title = "Комбинации";
    params.SheetName = "Комбинации";
    params.ShowCreateTime = false;
    params.SelectedOnly = true;
    params.Fields = {Field(1, "Текст", eaLeft, "20")};
    TTableRows rows(10);
    TReportSource source;
    source.Rows = &rows;
    source.SelectedRows = {1, 2, 3};
    test::TRecordingHooks hooks;
    const auto file = dir / "selected.xlsx";
    ASSERT_TRUE(WriteXlsxReport(file, params, source, hooks));
    const auto sheet = ReadFirstSheet(file, 5);
    EXPECT_EQ(Text(sheet, 1, 1), "Комбинации");
    EXPECT_EQ(Text(sheet, 2, 1), "<no row>");
    EXPECT_EQ(Text(sheet, 3, 1), "Текст");
    EXPECT_EQ(Text(sheet, 4, 1), "Строка 2");
    EXPECT_EQ(Text(sheet, 6, 1), "Строка 4");
    EXPECT_EQ(Text(sheet, 7, 1), "<no row>");
    EXPECT_EQ(ReadLayout(file).Name, "Комбинации");
    EXPECT_EQ(ReadLayout(file).Orientation, "");
}

TEST(XlsxReport, StopLeavesNoFile) {
    TTempDir dir;
    TExportParams params;
    params.Fields = {Field(0, "№", eaLeft, "5")};
    TTableRows rows(10000);
    TReportSource source;
    source.Rows = &rows;
    test::TRecordingHooks hooks;
    hooks.StopRequested = true;
    const auto file = dir / "stopped.xlsx";
    EXPECT_FALSE(WriteXlsxReport(file, params, source, hooks));
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(XlsxReport, UnwritableFileFails) {
    TTempDir dir;
    TExportParams params;
    TTableRows rows(1);
    TReportSource source;
    source.Rows = &rows;
    test::TRecordingHooks hooks;
    try {
        WriteXlsxReport(dir / "missing" / "r.xlsx", params, source, hooks);
        FAIL() << "no error";
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(ExportErrorText, 0), 0u) << e.what();
    }
}

TEST(XlsxReport, FileNamesAreFreeAndClean) {
    TTempDir dir;
    const TDateTime when = EncodeDateTime({2024, 3, 12, 20, 5, 7, 0});
    const auto first = ReportFileName(dir.Path(), "Карта: 1/2", when);
    EXPECT_EQ(first.filename().string(), "Карта_ 1_2 2024-03-12 20-05-07.xlsx");
    test::WriteBytes(first, "x");
    EXPECT_EQ(ReportFileName(dir.Path(), "Карта: 1/2", when).filename().string(),
              "Карта_ 1_2 2024-03-12 20-05-07 (2).xlsx");
}

}  // namespace
}  // namespace mv
