#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace mv {

// One cell of a worksheet as a person sees it in the sheet.
struct TSheetCell {
    // A cell that holds a number (dates and times are numbers with a date format).
    bool HasNumber = false;
    double Number = 0;
    // The text the sheet displays: strings as they are, numbers through their number format
    // (dates as the Russian interface shows them, "12.03.2024 20:00"). Empty for an empty
    // cell.
    std::string Text;
};

struct TSheetRow {
    int Row = 0;  // 1-based, as the sheet numbers it
    // Cells[0] is column A; columns past the last filled one are absent.
    std::vector<TSheetCell> Cells;
    // The cell of 1-based column `column`, an empty one when the row has none there.
    const TSheetCell& Cell(int column) const;
};

// Reads the first worksheet of an .xlsx workbook (a zip of XML parts) without a spreadsheet
// application: shared strings, inline strings, numbers, booleans, errors and formula
// results, with number formats applied for the display texts. Only columns 1..maxColumns are
// kept. Rows come in ascending row order; rows without cells are left out.
//
// The file is untrusted: part sizes are checked before they are read, and a file that is not
// a zip, lacks the parts a workbook needs, or holds malformed XML throws EError with a
// reason in Russian ("Файл не является книгой Excel (xlsx): ...").
std::vector<TSheetRow> ReadFirstSheet(const std::filesystem::path& file, int maxColumns);
// The same over a workbook's bytes in memory.
std::vector<TSheetRow> ReadFirstSheetFromMemory(std::string_view zipBytes, int maxColumns);
// The same over the workbook's parts already taken out of the zip, by part name
// ("xl/workbook.xml", "xl/_rels/workbook.xml.rels", ...).
std::vector<TSheetRow> ReadFirstSheetFromParts(const std::map<std::string, std::string>& parts,
                                               int maxColumns);

// The display text of a number under an Excel number format code, as a sheet in the Russian
// interface shows it (decimal comma, dates as dd.mm.yyyy). The built-in formats are named by
// their ids through BuiltInNumberFormat. `date1904` selects the workbook's 1904 date system.
std::string FormatSheetNumber(double value, const std::string& formatCode, bool date1904 = false);
// The format code of a built-in number format id, in the Russian interface's form (id 14 is
// "dd.mm.yyyy"); "General" for ids without a fixed code.
std::string BuiltInNumberFormat(int id);

}  // namespace mv
