// marvolet catalog list | get | publish, and systems catalog | get: the online catalogs of the
// web service named in section ONLINE of the configuration file.

#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "cli/catalog_commands.h"
#include "cli/cli_app.h"
#include "cli/stats_setup.h"
#include "cli/table_output.h"
#include "engine/core/text_utils.h"
#include "engine/online/script_catalog.h"
#include "engine/online/system_catalog.h"
#include "engine/scenarios/script_file.h"
#include "engine/support/config_file.h"

namespace mv::cli {
namespace {

constexpr int kMaxId = std::numeric_limits<std::int32_t>::max();

// The service of the configuration file; --user and --mail stand in for UserName and UserMail.
TOnlineService Service(TCliContext& context, TArgs& args) {
    const auto user = args.TakeOption("user");
    const auto mail = args.TakeOption("mail");
    TWorkspace& ws = context.Workspace();
    LoadProxySettings(ws.Paths().Config(), ws.Proxy);
    TOnlineService service = OnlineServiceFor(ws.Paths().Config(), ws.Proxy, &ws.Hooks());
    if (user) service.Client.UserName = *user;
    if (mail) service.Client.UserMail = *mail;
    return service;
}

std::int32_t IdArgument(const std::string& text) {
    return IntegerOption(text, 1, kMaxId, "Некорректный номер записи каталога");
}

// The scenario catalog by a filter (0..7, the filter box's items): the entry's number, then
// the list's columns.
int CatalogList(TCliContext& context, TArgs& args) {
    const TOnlineService service = Service(context, args);
    const auto filterText = args.TakeOption("filter");
    args.ExpectPositional(0, 0);
    const int filter = filterText ? IntegerOption(*filterText, 0, ScriptFilterCount - 1,
                                                  "Некорректный номер фильтра (0..7)")
                                  : DefaultScriptFilter;
    std::vector<TScriptInfo> rows;
    LoadScriptList(service, filter, rows);
    std::vector<std::string> header = {"Номер"};
    for (const auto& caption : ScriptCatalogColumns()) header.push_back(caption);
    WriteRow(context.Out(), header);
    for (const TScriptInfo& info : rows) {
        std::vector<std::string> fields = {std::to_string(info.Id)};
        for (const auto& text : ScriptCatalogRowTexts(info)) fields.push_back(text);
        WriteRow(context.Out(), fields);
    }
    context.Err() << "Фильтр: " << ScriptFilterCaptions()[static_cast<std::size_t>(filter)]
                  << "; сценариев: " << rows.size() << '\n';
    return ExitOk;
}

// Replaces the current scenario with a catalog entry.
int CatalogGet(TCliContext& context, TArgs& args) {
    const TOnlineService service = Service(context, args);
    args.ExpectPositional(1, 1);
    const std::int32_t id = IdArgument(args[0]);
    context.LockDataFiles();
    TWorkspace& ws = context.Workspace();
    if (!DownloadScriptInto(ws, service, id)) {
        throw EError(OperationMessage(
            ScriptDownloadError, "Сценарий #" + std::to_string(id) + " не найден в каталоге."));
    }
    context.Err() << "Текущий сценарий заменён сценарием #" << id
                  << "; строк: " << ws.Script().Count() << '\n';
    return ExitOk;
}

// Publishes a scenario file as a new entry and prints its number.
int CatalogPublish(TCliContext& context, TArgs& args) {
    const TOnlineService service = Service(context, args);
    const auto title = args.TakeOption("title");
    const auto descr = args.TakeOption("descr");
    const bool isPrivate = args.TakeFlag("private");
    const bool universal = args.TakeFlag("universal");
    args.ExpectPositional(1, 1);
    const TScriptLines lines = ReadScriptFile(args[0]);
    if (lines.empty()) {
        throw EError(OperationMessage(ScriptPublishError, "В сценарии нет ни одной строки."));
    }
    TScriptData data = NewScriptData(service.Client);
    data.Title = title.value_or("");
    data.Description = descr.value_or("");
    data.Public = !isPrivate;
    data.Universal = universal;
    const std::string problem = ScriptDataProblem(service, data, context.Workspace().Hooks());
    if (!problem.empty()) throw EError(problem);
    const std::int32_t id = PutScript(service, data, ScriptLinesToText(lines));
    if (id <= 0) {
        throw EError(OperationMessage(ScriptPublishError, "Сервис не вернул номер записи."));
    }
    context.Out() << id << '\n';
    context.Err() << "Сценарий опубликован: #" << id << '\n';
    return ExitOk;
}

const TCommand kCommands[] = {
    {"list", "[--filter N] [--user ИМЯ] [--mail АДРЕС]",
     "online-каталог сценариев: N - фильтр 0..7 (0 скрытые, 1 все, 2 все кроме скрытых - по "
     "умолчанию, 3 мои, 4 публичные, 5 с моими оценками, 6 без моих оценок, 7 новые)",
     &CatalogList},
    {"get", "НОМЕР [--user ИМЯ] [--mail АДРЕС]",
     "заменить текущий сценарий сценарием из online-каталога", &CatalogGet},
    {"publish",
     "ФАЙЛ.lsc --title НАЗВАНИЕ [--descr ОПИСАНИЕ] [--private] [--universal] [--user ИМЯ] "
     "[--mail АДРЕС]",
     "опубликовать сценарий в online-каталоге; печатает номер записи", &CatalogPublish},
};
const TCommandGroup kGroup{"catalog", kCommands};

}  // namespace

const TCommandGroup& CatalogCommands() {
    return kGroup;
}

// The systems catalog: the entry's number, then the list's columns.
int SystemsCatalog(TCliContext& context, TArgs& args) {
    const TOnlineService service = Service(context, args);
    args.ExpectPositional(0, 0);
    std::vector<TSystemInfo> rows;
    LoadSystemList(service, rows);
    const auto& dataDir = context.Workspace().Paths().Dir;
    std::vector<std::string> header = {"Номер"};
    for (const auto& caption : SystemCatalogColumns()) header.push_back(caption);
    WriteRow(context.Out(), header);
    std::size_t count = 0;
    for (const TSystemInfo& info : rows) {
        std::vector<std::string> fields = {info.Id > 0 ? std::to_string(info.Id) : ""};
        for (const auto& text : SystemCatalogRowTexts(info, IsSystemDownloaded(dataDir, info)))
            fields.push_back(text);
        WriteRow(context.Out(), fields);
        if (info.Id > 0) ++count;
    }
    context.Err() << "Систем: " << count << '\n';
    return ExitOk;
}

// Downloads one system into the "Systems" folder; the local files of the other listed systems
// for the same number count are removed.
int SystemsGet(TCliContext& context, TArgs& args) {
    const TOnlineService service = Service(context, args);
    args.ExpectPositional(1, 1);
    const std::int32_t id = IdArgument(args[0]);
    context.LockDataFiles();
    std::vector<TSystemInfo> rows;
    LoadSystemList(service, rows);
    std::size_t index = 0;
    while (index < rows.size() && rows[index].Id != id) ++index;
    if (index == rows.size()) {
        throw EError(Fmt(SystemDownloadError, {std::to_string(id)}) + "\r\rСистема #" +
                     std::to_string(id) + " не найдена в каталоге.");
    }
    const auto& dataDir = context.Workspace().Paths().Dir;
    DownloadSystemOnly(service, dataDir, rows, index);
    context.Workspace().Hooks().ShowStatus(std::string());
    context.Out() << LocalSystemFile(dataDir, rows[index]).string() << '\n';
    return ExitOk;
}

}  // namespace mv::cli
