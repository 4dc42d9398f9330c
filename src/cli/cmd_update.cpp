// marvolet update check | install

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_app.h"
#include "engine/core/data_paths.h"
#include "engine/net/http.h"
#include "engine/support/config_file.h"
#include "engine/update/self_update.h"

namespace mv::cli {
namespace {

// The interface language whose description texts are asked for first.
constexpr int kLanguageId = 1049;
constexpr const char* kLanguageAbbrev = "RUS";

// Passes everything on and remembers whether an error was shown: the check reports a failed
// search as "nothing installed", which on the command line is a failure.
class TErrorWatch final : public IUiHooks {
public:
    explicit TErrorWatch(IUiHooks& inner) : m_inner(inner) {}
    bool ErrorShown() const { return m_errorShown; }

    void ShowStatus(const std::string& text) override { m_inner.ShowStatus(text); }
    bool Checkpoint() override { return m_inner.Checkpoint(); }
    void ShowWait(const std::string& text) override { m_inner.ShowWait(text); }
    void HideWait() override { m_inner.HideWait(); }
    void ShowProgress(const std::string& text, int maximum) override {
        m_inner.ShowProgress(text, maximum);
    }
    void SetProgressText(const std::string& text) override { m_inner.SetProgressText(text); }
    void StepProgress(int n) override { m_inner.StepProgress(n); }
    void HideProgress() override { m_inner.HideProgress(); }
    void ShowMessage(TMessageKind kind, const std::string& text) override {
        if (kind == TMessageKind::Error) m_errorShown = true;
        m_inner.ShowMessage(kind, text);
    }
    bool Ask(TAskKind kind, const std::string& caption, const std::string& question) override {
        return m_inner.Ask(kind, caption, question);
    }

private:
    IUiHooks& m_inner;
    bool m_errorShown = false;
};

// The check's settings: the service and key of the configuration file, the stored proxy, and
// the program folder (the executable's unless --program-dir names another).
TUpdateParams UpdateParams(TCliContext& context, TArgs& args) {
    const auto programDir = args.TakeOption("program-dir");
    args.ExpectPositional(0, 0);
    const std::filesystem::path config = context.Workspace().Paths().Config();
    TProxy proxy;
    LoadProxySettings(config, proxy);
    TUpdateParams params;
    params.Http = HttpOptionsFor(proxy);
    params.Http.Hooks = &context.Workspace().Hooks();
    LoadUpdateSettings(config, params);
    if (params.Source.empty()) throw EError(NoServiceUrlError);
    params.ProgramDir =
        programDir ? std::filesystem::path(*programDir) : ExecutablePath().parent_path();
    if (!std::filesystem::is_directory(params.ProgramDir)) {
        throw EUsageError("Каталог программы не найден: " + params.ProgramDir.string());
    }
    params.RunningVersion = ProgramFileVersion();
    params.LanguageId = kLanguageId;
    params.LanguageAbbrev = kLanguageAbbrev;
    return params;
}

void PrintOffer(std::ostream& out, const TUpdateOffer& offer) {
    out << "Текущая версия программы: " << offer.RunningVersion << '\n';
    out << "Новая версия программы: " << offer.Version << '\n';
    out << "Описание версии:\n";
    for (const auto& line : offer.Description) out << line << '\n';
}

// Looks for an update without installing it.
int Check(TCliContext& context, TArgs& args) {
    const TUpdateParams params = UpdateParams(context, args);
    std::optional<TUpdateSearch> search;
    try {
        search = SearchForUpdate(params, context.Workspace().Hooks());
    } catch (const std::exception& e) {
        RemoveUpdateDescription(params.ProgramDir);
        throw EError(OperationMessage(UpdateSearchError, e.what()));
    }
    RemoveUpdateDescription(params.ProgramDir);
    if (!search->Available) {
        context.Out() << "Текущая версия программы: " << params.RunningVersion << '\n';
        context.Out() << UpdateNotFound << '\n';
        return ExitOk;
    }
    PrintOffer(context.Out(), {params.RunningVersion, search->Data.VerId, search->Description});
    return ExitOk;
}

// Installs the offered update; only with --yes, since it replaces the program's files.
int Install(TCliContext& context, TArgs& args) {
    TUpdateParams params = UpdateParams(context, args);
    IUiHooks& hooks = context.Workspace().Hooks();
    if (!hooks.Ask(TAskKind::Confirm, "", "Установить найденное обновление программы?")) {
        context.Err() << "Обновление не установлено.\n";
        return ExitError;
    }
    params.Offer = [&context](const TUpdateOffer& offer) {
        PrintOffer(context.Out(), offer);
        return true;
    };
    TErrorWatch watch(hooks);
    const int result = CheckForUpdates(params, watch);
    if (result == urFailed || watch.ErrorShown()) return ExitError;
    return ExitOk;
}

const TCommand kCommands[] = {
    {"check", "[--program-dir КАТАЛОГ]",
     "поиск обновления программы: текущая и новая версия, описание", &Check},
    {"install", "--yes [--program-dir КАТАЛОГ]",
     "загрузка, проверка подписи и установка обновления программы", &Install},
};

const TCommandGroup kGroup{"update", kCommands};

}  // namespace

const TCommandGroup& UpdateCommands() {
    return kGroup;
}

}  // namespace mv::cli
