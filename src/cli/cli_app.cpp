#include "cli/cli_app.h"

#include <algorithm>
#include <ostream>

#include "engine/core/text_codec.h"
#include "engine/support/data_lock.h"

namespace mv::cli {
namespace {

constexpr std::string_view kProgram = "marvolet";

// Removes every occurrence of one of the names; returns whether any was there.
bool TakeGlobalFlag(std::vector<std::string>& args, std::initializer_list<std::string_view> names) {
    const auto matches = [&](const std::string& a) {
        return std::find(names.begin(), names.end(), a) != names.end();
    };
    const auto it = std::remove_if(args.begin(), args.end(), matches);
    const bool found = it != args.end();
    args.erase(it, args.end());
    return found;
}

const TCommandGroup& FindGroup(const std::string& name) {
    for (const TCommandGroup* group : CommandGroups()) {
        if (group->Name == name) return *group;
    }
    throw EUsageError("Неизвестная команда: " + name);
}

// The command the arguments name, and how many leading arguments (group, command) it takes.
std::pair<const TCommand*, std::size_t> FindCommand(const TCommandGroup& group,
                                                    const std::vector<std::string>& args) {
    const TCommand* groupCommand = nullptr;
    for (const TCommand& command : group.Commands) {
        if (command.Name.empty()) {
            groupCommand = &command;
        } else if (args.size() >= 2 && command.Name == args[1]) {
            return {&command, 2};
        }
    }
    if (groupCommand) return {groupCommand, 1};
    if (args.size() < 2) {
        throw EUsageError("Не указана команда группы " + std::string(group.Name));
    }
    throw EUsageError("Неизвестная команда: " + args[0] + " " + args[1]);
}

TDataPaths DataPathsFrom(std::vector<std::string>& args) {
    std::optional<std::filesystem::path> dir;
    try {
        dir = TakeDataDirOption(args);
    } catch (const EError& e) {
        throw EUsageError(e.what());
    }
    TDataPaths paths = ResolveDataPaths(dir);
    std::error_code ec;
    if (!std::filesystem::is_directory(paths.Dir, ec)) {
        throw EError("Каталог данных не найден: " + paths.Dir.string());
    }
    return paths;
}

int Dispatch(std::vector<std::string> args, std::ostream& out, std::ostream& err,
             bool statusToErr) {
    if (TakeGlobalFlag(args, {"--help", "-h"})) {
        out << UsageText();
        return ExitOk;
    }
    const bool assumeYes = TakeGlobalFlag(args, {"--yes", "-y"});
    std::vector<std::string> rest = args;
    TDataPaths paths = DataPathsFrom(rest);
    if (rest.empty()) throw EUsageError("Не указана команда");
    const auto [command, taken] = FindCommand(FindGroup(rest[0]), rest);
    TCliContext context(std::move(paths), assumeYes, out, err, statusToErr);
    TArgs commandArgs(
        std::vector<std::string>(rest.begin() + static_cast<std::ptrdiff_t>(taken), rest.end()));
    return command->Run(context, commandArgs);
}

}  // namespace

std::string TerminalText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// --- hooks -------------------------------------------------------------------------------

std::atomic<bool>& CliStopFlag() {
    static std::atomic<bool> flag{false};
    return flag;
}

bool TStderrHooks::Checkpoint() {
    return CliStopFlag().load();
}

TStderrHooks::TStderrHooks(std::ostream& err, bool assumeYes, bool showStatus)
    : m_err(err), m_assumeYes(assumeYes), m_showStatus(showStatus) {}

void TStderrHooks::ShowStatus(const std::string& text) {
    if (m_showStatus && !text.empty()) m_err << TerminalText(text) << '\n';
}

void TStderrHooks::ShowMessage(TMessageKind kind, const std::string& text) {
    m_err << MessageCaption(kind) << ": " << TerminalText(text) << '\n';
}

bool TStderrHooks::Ask(TAskKind kind, const std::string& caption, const std::string& question) {
    m_err << AskCaption(kind, caption) << ": " << TerminalText(question) << ' '
          << (m_assumeYes ? "Да" : "Нет (ответ «Да» дает параметр --yes)") << '\n';
    return m_assumeYes;
}

// --- context -----------------------------------------------------------------------------

TCliContext::TCliContext(TDataPaths paths, bool assumeYes, std::ostream& out, std::ostream& err,
                         bool statusToErr)
    : m_out(out),
      m_err(err),
      m_hooks(err, assumeYes, statusToErr),
      m_workspace(std::move(paths), m_hooks) {}

void TCliContext::LockDataFiles() {
    // The lock text follows the stakes file's own message, as in the desktop program.
    try {
        m_workspace.LockDataFiles();
    } catch (const EDataLockBusy& e) {
        throw EDataLockBusy(OperationMessage(e.what(), LockFailedMessage));
    } catch (const EError& e) {
        throw EError(OperationMessage(e.what(), LockFailedMessage));
    }
}

void TCliContext::ReadArchive() {
    m_workspace.ReadArchive();
}

// --- arguments ---------------------------------------------------------------------------

bool TArgs::TakeFlag(std::string_view name) {
    const std::string option = "--" + std::string(name);
    const auto it = std::remove(m_args.begin(), m_args.end(), option);
    const bool found = it != m_args.end();
    m_args.erase(it, m_args.end());
    return found;
}

std::optional<std::string> TArgs::TakeOption(std::string_view name) {
    const std::string option = "--" + std::string(name);
    const std::string prefix = option + "=";
    std::optional<std::string> value;
    for (std::size_t i = 0; i < m_args.size();) {
        if (m_args[i] == option) {
            if (i + 1 >= m_args.size())
                throw EUsageError("Не указано значение параметра " + option);
            value = m_args[i + 1];
            m_args.erase(m_args.begin() + static_cast<std::ptrdiff_t>(i),
                         m_args.begin() + static_cast<std::ptrdiff_t>(i + 2));
        } else if (m_args[i].rfind(prefix, 0) == 0) {
            value = m_args[i].substr(prefix.size());
            m_args.erase(m_args.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    return value;
}

void TArgs::ExpectPositional(std::size_t minimum, std::size_t maximum) const {
    for (const std::string& a : m_args) {
        if (a.size() > 2 && a.rfind("--", 0) == 0) throw EUsageError("Неизвестный параметр: " + a);
    }
    if (m_args.size() < minimum) throw EUsageError("Не хватает аргументов команды");
    if (m_args.size() > maximum) throw EUsageError("Лишние аргументы: " + m_args[maximum]);
}

// --- usage and entry ---------------------------------------------------------------------

std::string UsageText() {
    std::vector<std::pair<std::string, std::string_view>> lines;
    std::size_t width = 0;
    for (const TCommandGroup* group : CommandGroups()) {
        for (const TCommand& c : group->Commands) {
            std::string left = std::string(group->Name);
            if (!c.Name.empty()) left += " " + std::string(c.Name);
            if (!c.Synopsis.empty()) left += " " + std::string(c.Synopsis);
            width = std::max(width, Utf8Length(left));
            lines.emplace_back(std::move(left), c.Summary);
        }
    }
    std::string text = "Использование: " + std::string(kProgram) +
                       " [--data-dir КАТАЛОГ] [--yes] <группа> <команда> [аргументы]\n"
                       "               " +
                       std::string(kProgram) + " --help\n\nКоманды:\n";
    for (const auto& [left, summary] : lines) {
        text += "  " + left + std::string(width - Utf8Length(left) + 2, ' ') +
                std::string(summary) + "\n";
    }
    text +=
        "\nПараметры:\n"
        "  --data-dir КАТАЛОГ  каталог файлов данных (по умолчанию каталог программы)\n"
        "  --yes, -y           отвечать «Да» на вопросы (без него ответ «Нет»)\n"
        "  --help, -h          эта справка\n"
        "\nТаблицы выводятся в stdout (поля через \";\", UTF-8), сообщения - в stderr.\n"
        "Код завершения: 0 - успешно, 1 - ошибка, 2 - неверная командная строка,\n"
        "3 - файлы данных заняты другой программой.\n";
    return text;
}

int RunCli(std::vector<std::string> args, std::ostream& out, std::ostream& err, bool statusToErr) {
    try {
        return Dispatch(std::move(args), out, err, statusToErr);
    } catch (const EUsageError& e) {
        err << TerminalText(e.what()) << "\n\n" << UsageText();
        return ExitUsage;
    } catch (const EDataLockBusy& e) {
        err << TerminalText(e.what()) << '\n';
        return ExitLocked;
    } catch (const std::exception& e) {
        err << TerminalText(e.what()) << '\n';
        return ExitError;
    }
}

}  // namespace mv::cli
