#include "cli/table_output.h"

#include <ostream>

namespace mv::cli {

std::string QuoteField(std::string_view field) {
    if (field.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(field);
    std::string out = "\"";
    for (const char c : field) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}

void WriteRow(std::ostream& out, const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ';';
        line += QuoteField(fields[i]);
    }
    line += '\n';
    out << line;
}

}  // namespace mv::cli
