#include "engine/export/xlsx_report.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <system_error>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"
#include "engine/support/progress_guard.h"
#include "engine/support/ui_hooks.h"

namespace mv {

namespace {

// Rows are reported to the progress window and checked for a stop in batches: a call per row
// would cost more than writing the row.
constexpr std::size_t kRowBatch = 4096;
constexpr std::size_t kMaxSheetName = 31;
// The last row a worksheet has.
constexpr std::size_t kMaxSheetRows = 1048576;

[[noreturn]] void Fail(const std::string& reason) {
    throw EError(std::string(ExportErrorText) + "\r" + reason);
}

void Check(lxw_error error) {
    if (error != LXW_NO_ERROR) Fail(lxw_strerror(error));
}

lxw_format* NewFormat(lxw_workbook* book, int size, std::int32_t alignment) {
    lxw_format* f = workbook_add_format(book);
    format_set_font_size(f, size);
    switch (alignment) {
        case eaRight:
            format_set_align(f, LXW_ALIGN_RIGHT);
            break;
        case eaCenter:
            format_set_align(f, LXW_ALIGN_CENTER);
            break;
        default:
            format_set_align(f, LXW_ALIGN_LEFT);
            break;
    }
    format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
    return f;
}

void WriteText(lxw_worksheet* sheet, int row, int column, const std::string& text,
               lxw_format* format) {
    // Rows and columns are 0-based here.
    const auto r = static_cast<lxw_row_t>(row - 1);
    const auto c = static_cast<lxw_col_t>(column - 1);
    if (text.empty()) {
        Check(worksheet_write_blank(sheet, r, c, format));
    } else {
        Check(worksheet_write_string(sheet, r, c, text.c_str(), format));
    }
}

// Closes (and so writes) a workbook that is left without a result, and removes the file.
struct TBookGuard {
    lxw_workbook* Book = nullptr;
    std::filesystem::path File;
    ~TBookGuard() {
        if (!Book) return;
        workbook_close(Book);
        std::error_code ignored;
        std::filesystem::remove(File, ignored);
    }
};

// One UTF-8 character from `text` at `i`; advances `i`.
std::string_view NextChar(std::string_view text, std::size_t& i) {
    const std::size_t start = i++;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    return text.substr(start, i - start);
}

}  // namespace

bool ReadReportNumber(std::string_view text, double& value) {
    std::size_t i = 0;
    std::string plain;
    if (i < text.size() && text[i] == '-') plain += text[i++];
    const std::size_t intStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') plain += text[i++];
    const std::size_t intDigits = i - intStart;
    if (intDigits == 0 || (intDigits > 1 && text[intStart] == '0')) return false;
    std::size_t fracDigits = 0;
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        plain += '.';
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            plain += text[i++];
            ++fracDigits;
        }
        if (fracDigits == 0) return false;
    }
    if (i != text.size() || intDigits + fracDigits > 15) return false;
    value = std::strtod(plain.c_str(), nullptr);
    return true;
}

TReportLayout ReportLayout(bool headerLine, bool notes, bool createdLine) {
    TReportLayout layout;
    const int r = headerLine ? 2 : 0;
    const int s = (notes ? 1 : 0) + (createdLine ? 1 : 0);
    if (headerLine) layout.HeaderRow = 1;
    layout.TitleRow = r + 1;
    if (notes) layout.NotesRow = r + 2;
    if (createdLine) layout.CreatedRow = r + s + 1;
    layout.HeadingRow = r + s + 3;
    layout.FirstDataRow = layout.HeadingRow + 1;
    return layout;
}

std::string CleanSheetName(std::string_view name) {
    std::string out;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < name.size() && kept < kMaxSheetName;) {
        const std::string_view ch = NextChar(name, i);
        if (ch == "\"" || ch == "'" || ch == "*" || ch == "?" || ch == ":") continue;
        if (ch == "/" || ch == "\\") {
            out += '-';
        } else if (ch == "[") {
            out += '(';
        } else if (ch == "]") {
            out += ')';
        } else {
            out += ch;
        }
        ++kept;
    }
    return Trim(out);
}

std::size_t ReportRowCount(const TExportParams& params, const TReportSource& source) {
    if (params.SelectedOnly) return source.SelectedRows.size();
    return source.Rows ? source.Rows->RowCount() : 0;
}

bool WriteXlsxReport(const std::filesystem::path& file, const TExportParams& params,
                     const TReportSource& source, IUiHooks& hooks) {
    std::vector<const TExportField*> fields;
    for (const TExportField& f : params.Fields) {
        if (f.Checked) fields.push_back(&f);
    }
    const std::size_t rowCount = ReportRowCount(params, source);
    const int size = std::clamp(params.BaseFontSize, MinExportFontSize, MaxExportFontSize);
    const bool notes = !Trim(params.Notes).empty();
    const TReportLayout layout =
        ReportLayout(!source.HeaderLine.empty(), notes, params.ShowCreateTime);
    if (layout.HeadingRow + rowCount > kMaxSheetRows) {
        Fail(Fmt(Msg(TMsg::SheetRowLimit), {std::to_string(kMaxSheetRows)}));
    }
    if (fields.size() > LXW_COL_MAX) Fail(Msg(TMsg::TooManyColumns));

    TProgressGuard progress(hooks, Msg(TMsg::CreateWorkbookStatus),
                            static_cast<int>(std::min<std::size_t>(
                                2 * params.Fields.size() + rowCount / kRowBatch + 5, 1u << 30)));

    lxw_workbook_options options{};
    // Rows go to disk as they are written: the memory stays flat for any number of rows.
    options.constant_memory = LXW_TRUE;
    options.use_zip64 = LXW_TRUE;
    TBookGuard guard;
    guard.File = file;
    guard.Book = workbook_new_opt(file.c_str(), &options);
    if (!guard.Book) Fail(Msg(TMsg::CannotCreateFilePrefix) + file.string() + "\".");
    lxw_workbook* book = guard.Book;
    hooks.StepProgress(1);

    const std::string sheetName = CleanSheetName(params.SheetName);
    lxw_worksheet* sheet =
        workbook_add_worksheet(book, sheetName.empty() ? nullptr : sheetName.c_str());
    if (!sheet) Fail(Msg(TMsg::InvalidSheetNamePrefix) + sheetName + "\".");
    hooks.StepProgress(1);

    hooks.SetProgressText(Msg(TMsg::FormatSheetStatus));
    if (params.PageOrientation == 1) worksheet_set_portrait(sheet);
    if (params.PageOrientation == 2) worksheet_set_landscape(sheet);
    hooks.StepProgress(1);

    // Column formats, and the data cells' formats: the column's with thin borders.
    std::vector<lxw_format*> dataFormats;
    int column = 0;
    for (const TExportField& f : params.Fields) {
        if (f.Checked) {
            lxw_format* columnFormat = NewFormat(book, size, f.Alignment);
            Check(worksheet_set_column(sheet, static_cast<lxw_col_t>(column),
                                       static_cast<lxw_col_t>(column), ExportColumnWidth(f.Width),
                                       columnFormat));
            lxw_format* data = NewFormat(book, size, f.Alignment);
            format_set_border(data, LXW_BORDER_THIN);
            dataFormats.push_back(data);
            ++column;
        }
        hooks.StepProgress(1);
    }
    const std::int32_t firstAlignment = fields.empty() ? eaLeft : fields.front()->Alignment;

    if (layout.HeaderRow) {
        lxw_format* header = NewFormat(book, std::max(size - 2, 1), eaLeft);
        format_set_italic(header);
        WriteText(sheet, layout.HeaderRow, 1, source.HeaderLine, header);
    }
    lxw_format* title = NewFormat(book, size + 4, eaLeft);
    format_set_bold(title);
    WriteText(sheet, layout.TitleRow, 1, params.Title, title);
    if (layout.NotesRow) {
        lxw_format* f = NewFormat(book, size, firstAlignment);
        format_set_bold(f);
        WriteText(sheet, layout.NotesRow, 1, params.Notes, f);
    }
    if (layout.CreatedRow) {
        lxw_format* f = NewFormat(book, size, firstAlignment);
        format_set_italic(f);
        WriteText(sheet, layout.CreatedRow, 1,
                  Fmt(Msg(TMsg::ReportCreatedLine), {DateTimeText(source.Created)}), f);
    }
    hooks.StepProgress(1);

    lxw_format* heading = NewFormat(book, size, eaCenter);
    format_set_text_wrap(heading);
    format_set_border(heading, LXW_BORDER_MEDIUM);
    for (std::size_t k = 0; k < fields.size(); ++k) {
        WriteText(sheet, layout.HeadingRow, static_cast<int>(k) + 1, fields[k]->Caption, heading);
        hooks.StepProgress(1);
    }

    hooks.SetProgressText(Msg(TMsg::PrepareExportStatus));
    TExportCell cell;
    for (std::size_t i = 0; i < rowCount; ++i) {
        const std::size_t row = params.SelectedOnly ? source.SelectedRows[i] : i;
        const auto sheetRow = static_cast<lxw_row_t>(layout.FirstDataRow - 1 + i);
        for (std::size_t k = 0; k < fields.size(); ++k) {
            cell.IsNumber = false;
            cell.Text.clear();
            source.Rows->Cell(row, fields[k]->Id, cell);
            const auto c = static_cast<lxw_col_t>(k);
            if (cell.IsNumber) {
                Check(worksheet_write_number(sheet, sheetRow, c, cell.Number, dataFormats[k]));
            } else if (cell.Text.empty()) {
                Check(worksheet_write_blank(sheet, sheetRow, c, dataFormats[k]));
            } else {
                Check(
                    worksheet_write_string(sheet, sheetRow, c, cell.Text.c_str(), dataFormats[k]));
            }
        }
        if ((i + 1) % kRowBatch == 0) {
            hooks.StepProgress(1);
            if (hooks.Checkpoint()) return false;
        }
    }

    hooks.SetProgressText(Msg(TMsg::WriteFileStatus));
    if (hooks.Checkpoint()) return false;
    guard.Book = nullptr;
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR) {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
        Fail(lxw_strerror(closed));
    }
    hooks.StepProgress(1);
    return true;
}

std::filesystem::path ReportFileName(const std::filesystem::path& folder, std::string_view title,
                                     TDateTime when) {
    std::string base;
    for (const char c : Trim(title)) {
        const bool bad = static_cast<unsigned char>(c) < 0x20 || c == '/' || c == '\\' ||
                         c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' ||
                         c == '|';
        base += bad ? '_' : c;
    }
    if (base.empty()) base = Msg(TMsg::DefaultReportName);
    const TDateParts p = DecodeDateTime(when);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, " %04d-%02d-%02d %02d-%02d-%02d", p.Year, p.Month, p.Day,
                  p.Hour, p.Minute, p.Second);
    base += stamp;
    std::filesystem::path candidate = folder / (base + ".xlsx");
    for (int n = 2; std::filesystem::exists(candidate); ++n) {
        candidate = folder / (base + " (" + std::to_string(n) + ").xlsx");
    }
    return candidate;
}

}  // namespace mv
