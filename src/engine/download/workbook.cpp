#include "engine/download/workbook.h"

#include <zip.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string_view>

#include "engine/core/datetime.h"
#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {

// No part of a results workbook comes near this; a larger one is refused before it is read.
constexpr zip_uint64_t kMaxPartSize = 128u * 1024u * 1024u;
// Past the last day Excel can show (31.12.9999).
constexpr double kMaxSerial = 2958466.0;
// Rows and columns past Excel's own limits are not cells of a real sheet.
constexpr int kMaxRow = 1048576;
constexpr int kMaxColumn = 16384;

[[noreturn]] void Fail(const std::string& reason) {
    throw EError(Msg(TMsg::NotXlsxWorkbook) + reason);
}

// --- the zip container -------------------------------------------------------------------

struct TZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct TZipFileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

// The workbook's parts: a zip file, a zip in memory, or parts given one by one.
class TPackage {
public:
    explicit TPackage(const std::filesystem::path& file) {
        int code = 0;
        m_zip.reset(zip_open(file.c_str(), ZIP_RDONLY, &code));
        if (!m_zip) {
            zip_error_t error;
            zip_error_init_with_code(&error, code);
            const std::string reason = zip_error_strerror(&error);
            zip_error_fini(&error);
            Fail(reason);
        }
    }

    // The bytes must outlive the package.
    explicit TPackage(std::string_view zipBytes) {
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t* source =
            zip_source_buffer_create(zipBytes.data(), zipBytes.size(), 0, &error);
        if (source) {
            m_zip.reset(zip_open_from_source(source, ZIP_RDONLY, &error));
            if (!m_zip) zip_source_free(source);
        }
        if (!m_zip) {
            const std::string reason = zip_error_strerror(&error);
            zip_error_fini(&error);
            Fail(reason);
        }
        zip_error_fini(&error);
    }

    explicit TPackage(const std::map<std::string, std::string>* parts) : m_parts(parts) {}

    // The part's bytes, or nothing when the package has no such part.
    std::optional<std::string> Read(const std::string& name) const {
        if (m_parts) {
            const auto it = m_parts->find(name);
            if (it == m_parts->end()) return std::nullopt;
            return it->second;
        }
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat(m_zip.get(), name.c_str(), 0, &st) != 0) return std::nullopt;
        if (!(st.valid & ZIP_STAT_SIZE) || st.size > kMaxPartSize)
            Fail(Msg(TMsg::WorkbookPartTooLarge) + name + "\"");
        std::unique_ptr<zip_file_t, TZipFileCloser> f(zip_fopen(m_zip.get(), name.c_str(), 0));
        if (!f) Fail(std::string(zip_strerror(m_zip.get())));
        std::string bytes(static_cast<std::size_t>(st.size), '\0');
        zip_uint64_t done = 0;
        while (done < st.size) {
            const zip_int64_t n = zip_fread(f.get(), bytes.data() + done, st.size - done);
            if (n < 0) Fail(std::string(zip_file_strerror(f.get())));
            if (n == 0) break;
            done += static_cast<zip_uint64_t>(n);
        }
        if (done != st.size) Fail(Msg(TMsg::WorkbookPartDamaged) + name + "\"");
        return bytes;
    }

    std::string ReadRequired(const std::string& name) const {
        auto bytes = Read(name);
        if (!bytes) Fail(Msg(TMsg::WorkbookPartMissing) + name + "\"");
        return *std::move(bytes);
    }

private:
    std::unique_ptr<zip_t, TZipCloser> m_zip;
    const std::map<std::string, std::string>* m_parts = nullptr;
};

// --- XML helpers ---------------------------------------------------------------------------

// Element names without their namespace prefix: writers differ in the prefixes they use.
std::string_view LocalName(const char* name) {
    std::string_view n(name);
    const auto colon = n.find(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

bool Is(const pugi::xml_node& node, std::string_view local) {
    return node.type() == pugi::node_element && LocalName(node.name()) == local;
}

pugi::xml_node Child(const pugi::xml_node& node, std::string_view local) {
    for (pugi::xml_node c : node.children())
        if (Is(c, local)) return c;
    return {};
}

void Parse(pugi::xml_document& doc, const std::string& bytes, const std::string& part) {
    const pugi::xml_parse_result result = doc.load_buffer(bytes.data(), bytes.size());
    if (!result) Fail(Msg(TMsg::WorkbookPartXmlError) + part + "\": " + result.description());
}

// The text of a string item: its <t> elements in order, phonetic runs left out.
std::string ItemText(const pugi::xml_node& item) {
    std::string text;
    for (pugi::xml_node c : item.children()) {
        if (Is(c, "t")) {
            text += c.text().get();
        } else if (Is(c, "r")) {
            for (pugi::xml_node t : c.children())
                if (Is(t, "t")) text += t.text().get();
        }
    }
    return text;
}

// An attribute by its local name (relationship ids come as "r:id" under any prefix).
const char* PrefixedAttribute(const pugi::xml_node& node, std::string_view local) {
    for (pugi::xml_attribute a : node.attributes()) {
        const std::string_view name(a.name());
        if (name.find(':') != std::string_view::npos && LocalName(a.name()) == local)
            return a.value();
    }
    return "";
}

// --- relationships -------------------------------------------------------------------------

// A relationship target resolved against the folder of the part that names it.
std::string ResolveTarget(const std::string& baseFolder, const std::string& target) {
    std::vector<std::string> parts;
    const std::string full =
        !target.empty() && target[0] == '/' ? target.substr(1) : baseFolder + target;
    std::string piece;
    for (std::size_t i = 0; i <= full.size(); ++i) {
        if (i == full.size() || full[i] == '/') {
            if (piece == "..") {
                if (!parts.empty()) parts.pop_back();
            } else if (!piece.empty() && piece != ".") {
                parts.push_back(piece);
            }
            piece.clear();
        } else {
            piece += full[i];
        }
    }
    std::string out;
    for (const auto& p : parts) out += (out.empty() ? "" : "/") + p;
    return out;
}

std::string FolderOf(const std::string& part) {
    const auto slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

std::string RelsOf(const std::string& part) {
    const auto slash = part.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : part.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? part : part.substr(slash + 1);
    return folder + "_rels/" + name + ".rels";
}

struct TRelation {
    std::string Id;
    std::string Type;
    std::string Target;
};

std::vector<TRelation> ReadRelations(const TPackage& pkg, const std::string& part) {
    std::vector<TRelation> out;
    const auto bytes = pkg.Read(RelsOf(part));
    if (!bytes) return out;
    pugi::xml_document doc;
    Parse(doc, *bytes, RelsOf(part));
    for (pugi::xml_node r : Child(doc, "Relationships").children()) {
        if (!Is(r, "Relationship")) continue;
        out.push_back({r.attribute("Id").value(), r.attribute("Type").value(),
                       ResolveTarget(FolderOf(part), r.attribute("Target").value())});
    }
    return out;
}

bool TypeEndsWith(const TRelation& r, std::string_view suffix) {
    return r.Type.size() >= suffix.size() &&
           std::string_view(r.Type).substr(r.Type.size() - suffix.size()) == suffix;
}

// --- number formats ----------------------------------------------------------------------

bool IsDateFormat(const std::string& code) {
    bool quoted = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (quoted) {
            quoted = c != '"';
        } else if (c == '"') {
            quoted = true;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i;
        } else if (c == '[') {
            const auto close = code.find(']', i);
            if (close == std::string::npos) return false;
            const std::string inside = ToLowerAscii(code.substr(i + 1, close - i - 1));
            if (inside == "h" || inside == "hh" || inside == "m" || inside == "mm" ||
                inside == "s" || inside == "ss")
                return true;
            i = close;
        } else if (c == ';') {
            return false;
        } else {
            const char l = static_cast<char>(c | 0x20);
            if (l == 'd' || l == 'm' || l == 'y' || l == 'h' || l == 's') return true;
        }
    }
    return false;
}

// The first section of a format code: the one that applies to positive numbers and zero.
std::string FirstSection(const std::string& code) {
    bool quoted = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] == '"') quoted = !quoted;
        if (!quoted && code[i] == '\\') ++i;
        if (!quoted && code[i] == ';') return code.substr(0, i);
    }
    return code;
}

std::string Two(int v) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d", v);
    return b;
}

constexpr std::array<const char*, 12> kMonthNames = {"Январь",   "Февраль", "Март",   "Апрель",
                                                     "Май",      "Июнь",    "Июль",   "Август",
                                                     "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
constexpr std::array<const char*, 12> kMonthShort = {"янв", "фев", "мар", "апр", "май", "июн",
                                                     "июл", "авг", "сен", "окт", "ноя", "дек"};
constexpr std::array<const char*, 7> kDayNames = {"воскресенье", "понедельник", "вторник", "среда",
                                                  "четверг",     "пятница",     "суббота"};
constexpr std::array<const char*, 7> kDayShort = {"Вс", "Пн", "Вт", "Ср", "Чт", "Пт", "Сб"};

struct TToken {
    char Kind;  // 'y' 'M' 'd' 'h' 'm' 's' 'a' (AM/PM), 'l' literal
    int Count;
    std::string Text;
};

std::vector<TToken> Tokenize(const std::string& code) {
    std::vector<TToken> tokens;
    for (std::size_t i = 0; i < code.size();) {
        const char c = code[i];
        const char l = static_cast<char>(c | 0x20);
        if (c == '"') {
            const auto close = code.find('"', i + 1);
            const std::size_t end = close == std::string::npos ? code.size() : close;
            tokens.push_back({'l', 0, code.substr(i + 1, end - i - 1)});
            i = end + 1;
        } else if (c == '\\') {
            if (i + 1 < code.size()) tokens.push_back({'l', 0, code.substr(i + 1, 1)});
            i += 2;
        } else if (c == '[') {
            const auto close = code.find(']', i);
            const std::size_t end = close == std::string::npos ? code.size() : close;
            const std::string inside = ToLowerAscii(code.substr(i + 1, end - i - 1));
            if (!inside.empty() && (inside[0] == 'h' || inside[0] == 'm' || inside[0] == 's'))
                tokens.push_back({inside[0], static_cast<int>(inside.size()), {}});
            i = end + 1;
        } else if (ToLowerAscii(code.substr(i, 5)) == "am/pm") {
            tokens.push_back({'a', 0, {}});
            i += 5;
        } else if (l == 'y' || l == 'd' || l == 'h' || l == 's' || l == 'm') {
            std::size_t j = i;
            while (j < code.size() && static_cast<char>(code[j] | 0x20) == l) ++j;
            tokens.push_back({l == 'm' ? 'M' : l, static_cast<int>(j - i), {}});
            i = j;
        } else if (c == '/') {
            // The date separator of the interface's locale.
            tokens.push_back({'l', 0, "."});
            ++i;
        } else if (c == '_' || c == '*') {
            i += 2;
        } else if (c == '.' && i + 1 < code.size() && code[i + 1] == '0') {
            // Fractions of a second are not shown by this program's sheets.
            while (++i < code.size() && code[i] == '0') {
            }
        } else {
            tokens.push_back({'l', 0, std::string(1, c)});
            ++i;
        }
    }
    // "m" after an hour or before a second is the minute, not the month.
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].Kind != 'M' || tokens[i].Count > 2) continue;
        for (std::size_t j = i; j-- > 0;) {
            if (tokens[j].Kind == 'l') continue;
            if (tokens[j].Kind == 'h') tokens[i].Kind = 'm';
            break;
        }
        for (std::size_t j = i + 1; j < tokens.size() && tokens[i].Kind == 'M'; ++j) {
            if (tokens[j].Kind == 'l') continue;
            if (tokens[j].Kind == 's') tokens[i].Kind = 'm';
            break;
        }
    }
    return tokens;
}

std::string FormatDate(double value, const std::string& code, bool date1904) {
    // Serial numbers count days from 30.12.1899, except that the 1900 system counts a 29
    // February 1900 that never was: below day 61 the calendar is one day further on.
    double serial = value;
    if (date1904) {
        serial += 1462;
    } else if (serial < 61) {
        serial += 1;
    }
    const TDateParts p = DecodeDateTime(serial);
    const std::vector<TToken> tokens = Tokenize(code);
    const bool twelveHour =
        std::any_of(tokens.begin(), tokens.end(), [](const TToken& t) { return t.Kind == 'a'; });
    const long long days = static_cast<long long>(std::floor(serial));
    const int weekday = static_cast<int>(((days % 7) + 7 + 6) % 7);  // day 0 was a Saturday
    std::string out;
    for (const TToken& t : tokens) {
        switch (t.Kind) {
            case 'y':
                out += t.Count <= 2 ? Two(p.Year % 100) : std::to_string(p.Year);
                break;
            case 'M':
                if (t.Count == 1) out += std::to_string(p.Month);
                if (t.Count == 2) out += Two(p.Month);
                if (t.Count == 3) out += kMonthShort[static_cast<std::size_t>(p.Month - 1)];
                if (t.Count >= 4) out += kMonthNames[static_cast<std::size_t>(p.Month - 1)];
                break;
            case 'd':
                if (t.Count == 1) out += std::to_string(p.Day);
                if (t.Count == 2) out += Two(p.Day);
                if (t.Count == 3) out += kDayShort[static_cast<std::size_t>(weekday)];
                if (t.Count >= 4) out += kDayNames[static_cast<std::size_t>(weekday)];
                break;
            case 'h': {
                int hour = p.Hour;
                if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
                out += t.Count >= 2 ? Two(hour) : std::to_string(hour);
                break;
            }
            case 'm':
                out += t.Count >= 2 ? Two(p.Minute) : std::to_string(p.Minute);
                break;
            case 's':
                out += t.Count >= 2 ? Two(p.Second) : std::to_string(p.Second);
                break;
            case 'a':
                out += p.Hour < 12 ? "AM" : "PM";
                break;
            default:
                out += t.Text;
        }
    }
    return out;
}

// Excel's "General": whole numbers in full, others with up to ten significant digits.
std::string FormatGeneral(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    char b[64];
    std::snprintf(b, sizeof b, "%.10G", value);
    std::string text = b;
    if (text.find('E') == std::string::npos && text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

// Fixed formats such as "0" and "0.00": the number of zeros after the point decides the
// decimals shown. Digit grouping and literal decorations are not reproduced.
std::string FormatFixed(double value, const std::string& code) {
    const auto point = code.find('.');
    int decimals = 0;
    if (point != std::string::npos) {
        for (std::size_t i = point + 1; i < code.size() && (code[i] == '0' || code[i] == '#'); ++i)
            ++decimals;
    }
    const bool percent = code.find('%') != std::string::npos;
    std::string text = FormatFloat(percent ? value * 100 : value, decimals);
    std::replace(text.begin(), text.end(), '.', ',');
    return percent ? text + "%" : text;
}

}  // namespace

const TSheetCell& TSheetRow::Cell(int column) const {
    static const TSheetCell empty;
    if (column < 1 || column > static_cast<int>(Cells.size())) return empty;
    return Cells[static_cast<std::size_t>(column - 1)];
}

std::string BuiltInNumberFormat(int id) {
    switch (id) {
        case 1:
            return "0";
        case 2:
            return "0.00";
        case 3:
            return "#,##0";
        case 4:
            return "#,##0.00";
        case 9:
            return "0%";
        case 10:
            return "0.00%";
        case 14:
            return "dd.mm.yyyy";
        case 15:
            return "dd.mmm.yy";
        case 16:
            return "dd.mmm";
        case 17:
            return "mmm.yy";
        case 18:
            return "h:mm AM/PM";
        case 19:
            return "h:mm:ss AM/PM";
        case 20:
            return "h:mm";
        case 21:
            return "h:mm:ss";
        case 22:
            return "dd.mm.yyyy h:mm";
        case 45:
            return "mm:ss";
        case 46:
            return "[h]:mm:ss";
        case 47:
            return "mm:ss.0";
        case 49:
            return "@";
        default:
            return "General";
    }
}

std::string FormatSheetNumber(double value, const std::string& formatCode, bool date1904) {
    if (!std::isfinite(value)) return {};
    const std::string code = FirstSection(formatCode);
    if (IsDateFormat(code)) {
        if (value >= 0 && value < kMaxSerial) return FormatDate(value, code, date1904);
        return FormatGeneral(value);
    }
    const std::string lower = ToLowerAscii(code);
    if (lower.empty() || lower == "general" || lower == "@" || lower.find('0') == std::string::npos)
        return FormatGeneral(value);
    return FormatFixed(value, code);
}

namespace {

struct TStyles {
    std::vector<std::string> CellFormats;  // the format code of each cellXfs entry
};

TStyles ReadStyles(const TPackage& pkg, const std::string& part) {
    TStyles styles;
    const auto bytes = pkg.Read(part);
    if (!bytes) return styles;
    pugi::xml_document doc;
    Parse(doc, *bytes, part);
    const pugi::xml_node root = Child(doc, "styleSheet");
    std::map<int, std::string> custom;
    for (pugi::xml_node f : Child(root, "numFmts").children()) {
        if (Is(f, "numFmt"))
            custom[f.attribute("numFmtId").as_int()] = f.attribute("formatCode").value();
    }
    for (pugi::xml_node xf : Child(root, "cellXfs").children()) {
        if (!Is(xf, "xf")) continue;
        const int id = xf.attribute("numFmtId").as_int();
        const auto it = custom.find(id);
        styles.CellFormats.push_back(it != custom.end() ? it->second : BuiltInNumberFormat(id));
    }
    return styles;
}

std::vector<std::string> ReadSharedStrings(const TPackage& pkg, const std::string& part) {
    std::vector<std::string> strings;
    const auto bytes = pkg.Read(part);
    if (!bytes) return strings;
    pugi::xml_document doc;
    Parse(doc, *bytes, part);
    for (pugi::xml_node si : Child(doc, "sst").children())
        if (Is(si, "si")) strings.push_back(ItemText(si));
    return strings;
}

// "BC12" -> column 55 (1-based); 0 when the reference has no column letters.
int ColumnOfReference(std::string_view ref) {
    int column = 0;
    for (const char c : ref) {
        const char u = static_cast<char>(c & ~0x20);
        if (u < 'A' || u > 'Z') break;
        column = column * 26 + (u - 'A' + 1);
        if (column > kMaxColumn) return 0;
    }
    return column;
}

std::optional<double> ParseDouble(std::string_view text) {
    const std::string trimmed = Trim(text);
    double value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto r = std::from_chars(trimmed.data(), end, value);
    if (r.ec != std::errc() || r.ptr != end) return std::nullopt;
    return value;
}

// An ISO date "2024-03-12T20:00:00" of a t="d" cell as a serial number.
std::optional<double> IsoDateSerial(const std::string& text) {
    TDateParts p;
    if (std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%d", &p.Year, &p.Month, &p.Day, &p.Hour,
                    &p.Minute, &p.Second) < 3)
        return std::nullopt;
    try {
        return EncodeDateTime(p);
    } catch (const EError&) {
        return std::nullopt;
    }
}

struct TSheetContext {
    const std::vector<std::string>& Strings;
    const TStyles& Styles;
    bool Date1904;
};

TSheetCell ReadCell(const pugi::xml_node& c, const TSheetContext& ctx) {
    TSheetCell cell;
    const std::string type = c.attribute("t").value();
    const std::string v = Child(c, "v").text().get();
    if (type == "s") {
        const auto index = StrToInt64(Trim(v));
        if (index && *index >= 0 && static_cast<std::size_t>(*index) < ctx.Strings.size())
            cell.Text = ctx.Strings[static_cast<std::size_t>(*index)];
    } else if (type == "inlineStr") {
        cell.Text = ItemText(Child(c, "is"));
    } else if (type == "str" || type == "e") {
        cell.Text = v;
    } else if (type == "b") {
        cell.HasNumber = true;
        cell.Number = Trim(v) == "1" ? 1 : 0;
        cell.Text = cell.Number != 0 ? "ИСТИНА" : "ЛОЖЬ";
    } else if (!v.empty()) {
        const std::optional<double> number = type == "d" ? IsoDateSerial(v) : ParseDouble(v);
        if (!number) return cell;
        cell.HasNumber = true;
        cell.Number = *number;
        const int style = c.attribute("s").as_int(0);
        const std::string code =
            style >= 0 && static_cast<std::size_t>(style) < ctx.Styles.CellFormats.size()
                ? ctx.Styles.CellFormats[static_cast<std::size_t>(style)]
                : std::string("General");
        cell.Text = FormatSheetNumber(*number, code, ctx.Date1904);
    }
    return cell;
}

std::vector<TSheetRow> ReadRows(const pugi::xml_node& sheetData, const TSheetContext& ctx,
                                int maxColumns) {
    std::map<int, TSheetRow> rows;
    int lastRow = 0;
    for (pugi::xml_node r : sheetData.children()) {
        if (!Is(r, "row")) continue;
        const int rowNumber = r.attribute("r").as_int(lastRow + 1);
        if (rowNumber < 1 || rowNumber > kMaxRow) continue;
        lastRow = rowNumber;
        TSheetRow row;
        row.Row = rowNumber;
        int lastColumn = 0;
        for (pugi::xml_node c : r.children()) {
            if (!Is(c, "c")) continue;
            const char* ref = c.attribute("r").value();
            const int column = *ref ? ColumnOfReference(ref) : lastColumn + 1;
            if (column < 1) continue;
            lastColumn = column;
            if (column > maxColumns) continue;
            if (static_cast<int>(row.Cells.size()) < column)
                row.Cells.resize(static_cast<std::size_t>(column));
            row.Cells[static_cast<std::size_t>(column - 1)] = ReadCell(c, ctx);
        }
        if (!row.Cells.empty()) rows[rowNumber] = std::move(row);
    }
    std::vector<TSheetRow> out;
    out.reserve(rows.size());
    for (auto& [number, row] : rows) out.push_back(std::move(row));
    return out;
}

std::vector<TSheetRow> ReadFirstSheetOf(const TPackage& pkg, int maxColumns) {
    std::string workbookPart = "xl/workbook.xml";
    for (const TRelation& r : ReadRelations(pkg, ""))
        if (TypeEndsWith(r, "/officeDocument")) workbookPart = r.Target;
    pugi::xml_document workbook;
    Parse(workbook, pkg.ReadRequired(workbookPart), workbookPart);
    const pugi::xml_node wbRoot = Child(workbook, "workbook");
    const std::string date1904 = Child(wbRoot, "workbookPr").attribute("date1904").value();
    pugi::xml_node firstSheet;
    for (pugi::xml_node s : Child(wbRoot, "sheets").children()) {
        if (Is(s, "sheet")) {
            firstSheet = s;
            break;
        }
    }
    if (!firstSheet) Fail(Msg(TMsg::WorkbookNoSheets));
    const std::string sheetId = PrefixedAttribute(firstSheet, "id");
    const std::vector<TRelation> relations = ReadRelations(pkg, workbookPart);
    std::string sheetPart, stringsPart, stylesPart;
    for (const TRelation& r : relations) {
        if (r.Id == sheetId) sheetPart = r.Target;
        if (TypeEndsWith(r, "/sharedStrings")) stringsPart = r.Target;
        if (TypeEndsWith(r, "/styles")) stylesPart = r.Target;
    }
    if (sheetPart.empty()) Fail(Msg(TMsg::WorkbookNoFirstSheet));
    const std::vector<std::string> strings =
        stringsPart.empty() ? std::vector<std::string>{} : ReadSharedStrings(pkg, stringsPart);
    const TStyles styles = stylesPart.empty() ? TStyles{} : ReadStyles(pkg, stylesPart);
    pugi::xml_document sheet;
    Parse(sheet, pkg.ReadRequired(sheetPart), sheetPart);
    const TSheetContext ctx{strings, styles, date1904 == "1" || date1904 == "true"};
    return ReadRows(Child(Child(sheet, "worksheet"), "sheetData"), ctx,
                    std::clamp(maxColumns, 1, kMaxColumn));
}

}  // namespace

std::vector<TSheetRow> ReadFirstSheet(const std::filesystem::path& file, int maxColumns) {
    return ReadFirstSheetOf(TPackage(file), maxColumns);
}

std::vector<TSheetRow> ReadFirstSheetFromMemory(std::string_view zipBytes, int maxColumns) {
    return ReadFirstSheetOf(TPackage(zipBytes), maxColumns);
}

std::vector<TSheetRow> ReadFirstSheetFromParts(const std::map<std::string, std::string>& parts,
                                               int maxColumns) {
    return ReadFirstSheetOf(TPackage(&parts), maxColumns);
}

}  // namespace mv
