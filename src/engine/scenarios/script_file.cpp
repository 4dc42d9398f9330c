#include "scenarios/script_file.h"

#include <algorithm>

#include "core/errors.h"
#include "core/text_codec.h"
#include "support/atomic_file.h"

namespace mv {
namespace {

// The system's reason without the path the file routines put before it: the message names
// the file already.
std::string Reason(const std::exception& e, const std::filesystem::path& file) {
    const std::string text = e.what();
    const std::string prefix = "\"" + file.string() + "\": ";
    return text.starts_with(prefix) ? text.substr(prefix.size()) : text;
}

}  // namespace

std::string ScriptPathText(const std::filesystem::path& file) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(file, ec);
    return (ec ? file : full).string();
}

TScriptLines ScriptTextToLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    TScriptLines lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string ScriptLinesToText(const TScriptLines& lines) {
    std::string text;
    for (const std::string& line : lines) {
        std::string clean = line;
        for (char& c : clean) {
            if (c == '\r' || c == '\n' || c == '\0') c = ' ';
        }
        text += clean;
        text += "\r\n";
    }
    return text;
}

TScriptLines ReadScriptFile(const std::filesystem::path& file) {
    try {
        std::string bytes = ReadWholeFile(file, MaxScriptFileBytes);
        // Cut at a NUL before decoding: the text ends there whatever follows.
        bytes.resize(std::min(bytes.size(), bytes.find('\0')));
        return ScriptTextToLines(Cp1251ToUtf8(bytes));
    } catch (const std::exception& e) {
        throw EError(OperationMessage("Ошибка чтения файла \"" + ScriptPathText(file) + "\"!",
                                      Reason(e, file)));
    }
}

void WriteScriptFile(const std::filesystem::path& file, const TScriptLines& lines) {
    try {
        WriteFileAtomically(file, Utf8ToCp1251(ScriptLinesToText(lines)));
    } catch (const std::exception& e) {
        throw EError(OperationMessage("Ошибка записи в файл \"" + ScriptPathText(file) + "\"!",
                                      Reason(e, file)));
    }
}

}  // namespace mv
