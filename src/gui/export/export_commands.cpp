#include "gui/export/export_commands.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QUrl>

#include "engine/core/datetime.h"
#include "engine/export/export_params.h"
#include "engine/export/xlsx_report.h"
#include "engine/session/workspace.h"
#include "gui/core/command_host.h"
#include "gui/export/form_export.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {

namespace {

// The main window's name in the parameters' sections.
constexpr const char* kWindowName = "FormMain";

}  // namespace

TExportCommands::TExportCommands(ICommandHost& host, std::vector<TTable> tables, QObject* parent)
    : QObject(parent), m_host(host), m_tables(std::move(tables)) {
    for (const TTable& table : m_tables) {
        const TExportSource* source = &table.Source;
        const std::function<bool()> ready = table.Ready;
        QAction* action = m_host.AddAction(
            QString::fromLatin1(table.Action), table.Caption, {},
            [source, ready] {
                return source->View->model()->rowCount() > 0 && (!ready || ready());
            },
            [this, source] { Export(*source); });
        if (!table.Hint.isEmpty()) action->setStatusTip(table.Hint);
    }
    ChooseFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(m_host.Window(), Tr("Папка для отчетов"), start);
    };
    OpenReport = [](const QString& file) {
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
        QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    };
}

void TExportCommands::Export(const TExportSource& source) {
    const std::filesystem::path config = m_host.Workspace().Paths().Config();
    const std::string section = ExportSectionName(kWindowName, source.Control.toStdString());
    TExportParams params;
    TExportSelection selection;
    bool accepted = false;
    m_host.RunCommand([&] {
        params.Title = params.SheetName = source.Title.toStdString();
        params.Fields = SourceFields(source);
        selection = SourceSelection(source);
        params.SelectedOnly = selection.Preset;
        try {
            const auto restored =
                RestoreExportParams(config, section, TExportParamsOrigin::ConfigFile, params);
            for (const std::string& error : restored.Errors) {
                TMessages::ShowError(Q(error), m_host.Window());
            }
        } catch (const std::exception& e) {
            TMessages::ShowError(DisplayText(std::string(e.what())), m_host.Window());
        }
        TFormExport dialog(params, section, SourceRowCount(source), selection.Rows.size(), true,
                           m_host.Window());
        accepted = m_host.ExecDialog(dialog, {});
        if (accepted) params = dialog.Params();
    });
    if (!accepted) return;

    QString folder;
    m_host.RunCommand([&] {
        // The choices are kept whether or not the report gets written; the check box only
        // decides whether they come back next time.
        SaveExportParams(config, section, TExportParamsOrigin::ConfigFile, params);
        QString start = Q(LoadExportFolder(config).string());
        if (start.isEmpty() || !QDir(start).exists()) start = QDir::homePath();
        folder = ChooseFolder(start);
        if (!folder.isEmpty()) SaveExportFolder(config, folder.toStdString());
    });
    if (folder.isEmpty()) return;

    const std::filesystem::path file = ReportFileName(folder.toStdString(), params.Title, Now());
    bool written = false;
    m_host.RunBusy({}, [&] {
        const TViewExportRows rows(source);
        TReportSource report;
        report.Rows = &rows;
        report.SelectedRows = selection.Rows;
        report.Created = Now();
        written = WriteXlsxReport(file, params, report, m_host.Hooks());
    });
    if (!written) return;
    m_lastReport = Q(file.string());
    OpenReport(m_lastReport);
}

}  // namespace mv::gui
