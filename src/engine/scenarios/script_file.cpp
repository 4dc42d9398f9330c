#include "engine/scenarios/script_file.h"

#include <algorithm>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/support/atomic_file.h"

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
    const auto views = SplitTextLines(text.substr(0, text.find('\0')));
    return TScriptLines(views.begin(), views.end());
}

std::string ScriptLinesToText(const TScriptLines& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += SingleLine(line);
        text += "\r\n";
    }
    return text;
}

TScriptLines ScriptFileBytesToLines(std::string_view bytes) {
    // Cut at a NUL before decoding: the text ends there whatever follows.
    return ScriptTextToLines(Cp1251ToUtf8(bytes.substr(0, bytes.find('\0'))));
}

TScriptLines ReadScriptFile(const std::filesystem::path& file) {
    try {
        return ScriptFileBytesToLines(ReadWholeFile(file, MaxScriptFileBytes));
    } catch (const std::exception& e) {
        throw EError(OperationMessage(
            Msg(TMsg::ReadFileQuotedPrefix) + ScriptPathText(file) + "\"!", Reason(e, file)));
    }
}

void WriteScriptFile(const std::filesystem::path& file, const TScriptLines& lines) {
    try {
        WriteFileAtomically(file, Utf8ToCp1251(ScriptLinesToText(lines)));
    } catch (const std::exception& e) {
        throw EError(OperationMessage(
            Msg(TMsg::WriteFileQuotedPrefix) + ScriptPathText(file) + "\"!", Reason(e, file)));
    }
}

}  // namespace mv
