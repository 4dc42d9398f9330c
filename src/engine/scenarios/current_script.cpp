#include "engine/scenarios/current_script.h"

#include <algorithm>
#include <utility>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"
#include "engine/scenarios/script_line.h"

namespace mv {

TCurrentScript::TCurrentScript(std::filesystem::path currentFile, IUiHooks& hooks)
    : m_currentFile(std::move(currentFile)), m_hooks(hooks) {}

void TCurrentScript::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) {
        throw EError(Msg(TMsg::RecordIndexPrefix) + std::to_string(index) +
                     Msg(TMsg::RecordIndexNotFound));
    }
}

const std::string& TCurrentScript::Line(int index) const {
    CheckIndex(index);
    return m_lines[static_cast<std::size_t>(index)];
}

bool TCurrentScript::IsSeparator(int index) const {
    return IsSeparatorLine(Line(index));
}

int TCurrentScript::AppendLine(std::string_view text) {
    m_lines.push_back(SingleLine(text));
    SaveCurrentScript();
    return Count() - 1;
}

void TCurrentScript::ReplaceLine(int index, std::string_view text) {
    CheckIndex(index);
    m_lines[static_cast<std::size_t>(index)] = SingleLine(text);
    SaveCurrentScript();
}

void TCurrentScript::DeleteLines(std::vector<int> indices) {
    for (const int index : indices) CheckIndex(index);
    std::sort(indices.begin(), indices.end(), std::greater<>());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (const int index : indices) m_lines.erase(m_lines.begin() + index);
    SaveCurrentScript();
}

void TCurrentScript::Clear() {
    m_lines.clear();
    SaveCurrentScript();
}

int TCurrentScript::MoveUp(int index) {
    CheckIndex(index);
    if (index == 0) return index;
    std::swap(m_lines[static_cast<std::size_t>(index)],
              m_lines[static_cast<std::size_t>(index - 1)]);
    SaveCurrentScript();
    return index - 1;
}

int TCurrentScript::MoveDown(int index) {
    CheckIndex(index);
    if (index == Count() - 1) return index;
    std::swap(m_lines[static_cast<std::size_t>(index)],
              m_lines[static_cast<std::size_t>(index + 1)]);
    SaveCurrentScript();
    return index + 1;
}

void TCurrentScript::ReplaceAll(TScriptLines lines) {
    for (std::string& line : lines) line = SingleLine(line);
    m_lines = std::move(lines);
    SaveCurrentScript();
}

bool TCurrentScript::AppendScript(const TScriptLines& lines) {
    if (lines.empty()) return false;
    if (!m_lines.empty() && !m_lines.back().empty()) m_lines.emplace_back();
    for (const std::string& line : lines) m_lines.push_back(SingleLine(line));
    SaveCurrentScript();
    return true;
}

TScriptLines TCurrentScript::ReadWithStatus(const std::filesystem::path& file) const {
    TStatusGuard status(m_hooks,
                        Msg(TMsg::LoadingFileQuotedPrefix) + ScriptPathText(file) + "\"...");
    return ReadScriptFile(file);
}

void TCurrentScript::OpenFile(const std::filesystem::path& file) {
    ReplaceAll(ReadWithStatus(file));
}

bool TCurrentScript::LoadFile(const std::filesystem::path& file) {
    return AppendScript(ReadWithStatus(file));
}

void TCurrentScript::SaveToFile(const std::filesystem::path& file) const {
    TStatusGuard status(m_hooks,
                        Msg(TMsg::SavingFileQuotedPrefix) + ScriptPathText(file) + "\"...");
    WriteScriptFile(file, m_lines);
}

void TCurrentScript::SaveCurrentScript() const {
    if (!m_currentFile.empty()) SaveToFile(m_currentFile);
}

void TCurrentScript::ReadCurrentScript() {
    std::error_code ec;
    if (m_currentFile.empty() || (!std::filesystem::exists(m_currentFile, ec) && !ec)) {
        m_lines.clear();
        return;
    }
    TScriptLines lines = ReadWithStatus(m_currentFile);
    for (std::string& line : lines) line = SingleLine(line);
    m_lines = std::move(lines);
}

}  // namespace mv
