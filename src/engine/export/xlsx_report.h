#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/datetime.h"
#include "engine/core/messages.h"
#include "engine/export/export_params.h"

namespace mv {

class IUiHooks;

// One cell of a report: a number or a text (an empty text is an empty cell).
struct TExportCell {
    bool IsNumber = false;
    double Number = 0;
    std::string Text;

    void SetNumber(double value) {
        IsNumber = true;
        Number = value;
    }
    void SetText(std::string value) {
        IsNumber = false;
        Text = std::move(value);
    }
};

// Where a report's rows come from. Cells are asked for one at a time, row after row, so a
// source of hundreds of thousands of rows never has to build its texts all at once.
class IExportRows {
public:
    virtual ~IExportRows() = default;
    virtual std::size_t RowCount() const = 0;
    // Fills the cell of 0-based source row `row` and source column `column` (a field's id);
    // `cell` arrives reset to an empty text. A column the row does not have stays empty.
    virtual void Cell(std::size_t row, int column, TExportCell& cell) const = 0;
};

// Whether a cell text is a plain number that a spreadsheet keeps as a number: an optional
// minus, digits without a leading zero (a lone "0" excepted), an optional decimal separator
// ("," or ".") with digits after it, at most 15 digits in all. "01", "1 000", "12.03.2024"
// and "1e5" stay texts, so nothing a person reads as a code, a date or a grouped figure
// changes its face.
bool ReadReportNumber(std::string_view text, double& value);

// The rows of a report, 1-based as the sheet numbers them; 0 for a line the report leaves
// out. The header line, when there is one, takes rows 1 and 2.
struct TReportLayout {
    int HeaderRow = 0;
    int TitleRow = 0;
    int NotesRow = 0;
    int CreatedRow = 0;
    int HeadingRow = 0;
    int FirstDataRow = 0;
};
TReportLayout ReportLayout(bool headerLine, bool notes, bool createdLine);

// A sheet name a workbook accepts: the characters " ' * ? : removed; "/" and "\" turned into
// "-", "[" into "(" and "]" into ")"; the first 31 characters kept, then trimmed.
std::string CleanSheetName(std::string_view name);

// What a report needs besides the dialog's parameters.
struct TReportSource {
    const IExportRows* Rows = nullptr;
    // The source rows sent when the parameters ask for the selected rows only, in order.
    std::vector<std::size_t> SelectedRows;
    // An optional line above the title.
    std::string HeaderLine;
    // The time the "created" line shows.
    TDateTime Created = 0;
};

inline constexpr TMsgText ExportErrorText{TMsg::ExportErrorText};

// The number of rows a report of these parameters sends.
std::size_t ReportRowCount(const TExportParams& params, const TReportSource& source);

// Writes the report as an .xlsx workbook of one sheet: the header line, the title, the notes,
// the "created" line, the headings of the checked fields and one row per sent source row,
// with the fields' widths and alignments, the page orientation and the base font size.
// Numbers go into the sheet as numbers, texts as texts. Shows progress through the hooks
// and stops at a stop request: then no file is left and the result is false. A failure
// throws EError "Ошибка экспорта данных в Microsoft Excel!\r<reason>" and leaves no file.
bool WriteXlsxReport(const std::filesystem::path& file, const TExportParams& params,
                     const TReportSource& source, IUiHooks& hooks);

// A file name for a report titled `title` in `folder`, made on `when`: the title with the
// characters a file name cannot hold replaced, the date and time, ".xlsx"; " (2)", " (3)",
// ... added while the name is taken.
std::filesystem::path ReportFileName(const std::filesystem::path& folder, std::string_view title,
                                     TDateTime when);

}  // namespace mv
