#include "gui/combs/combs_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMimeData>
#include <QSpinBox>
#include <QTableView>

#include "engine/combs/comb_files.h"
#include "engine/combs/comb_tools.h"
#include "engine/session/list_commands.h"
#include "gui/combs/combs_model.h"
#include "gui/combs/combs_tab.h"
#include "gui/combs/form_generate.h"
#include "gui/core/command_host.h"
#include "gui/core/shortcut_router.h"
#include "gui/draws/draw_info_dialog.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {
const char* const kCombFilter = TrNoop("Файлы комбинаций (*.lcv)");
const char* const kWait = TrNoop("Подождите пожалуйста...");
constexpr int kCountPanel = 3;
}  // namespace

TCombsCommands::TCombsCommands(ICommandHost& host, TCombsTab& tab)
    : m_host(host), m_workspace(host.Workspace()), m_tab(tab) {
    m_subscription = std::make_unique<TWorkspaceSubscription>(m_workspace, [this](TChanges c) {
        // The colours of the channels follow the configuration.
        if (c & (chList | chSettings)) FollowList();
    });
    connect(&m_tab, &TCombsTab::ExcludeRequested, this, [this] {
        if (QAction* a = m_host.Action(QStringLiteral("CombsDelExists")); a && a->isEnabled()) {
            a->trigger();
        }
    });
    BuildActions();
}

TCombsCommands::~TCombsCommands() = default;

void TCombsCommands::FollowList() {
    m_tab.Refresh(false);
    m_host.SetPanelText(kCountPanel,
                        Tr("Комбинаций: %1").arg(m_workspace.Combs().CurrentList.Count()));
}

void TCombsCommands::ResetView() {
    m_tab.Refresh(true);
}

void TCombsCommands::BuildActions() {
    const TCombinations& combs = m_workspace.Combs();
    const auto always = [] { return true; };
    const auto hasList = [&combs] { return !combs.CurrentList.Empty(); };
    const auto hasRow = [this, hasList] { return hasList() && m_tab.CurrentRow() >= 0; };
    AddActions(
        m_host,
        {
            {"CombsGen", Tr("Генерировать"), "F2", always, [this] { Generate(); }},
            {"CombsOpen", Tr("Открыть"), "Ctrl+O", always, [this] { OpenFile(); }},
            {"CombsSave", Tr("Сохранить"), "Ctrl+S", hasList, [this] { SaveFile(); }},
            {"CombsDelExists", Tr("Исключить тиражи"), "Ctrl+E",
             [this, hasList] {
                 return hasList() && m_workspace.DrawCount() > 0 && m_tab.ExcludeBox()->value() > 0;
             },
             [this] {
                 m_host.RunBusy(
                     {}, [this] { ExcludeLastDraws(m_workspace, m_tab.ExcludeBox()->value()); });
             }},
            {"CombsDelSelected", Tr("Удалить выделенные"), "Ctrl+Del", hasRow,
             [this] {
                 const auto rows = m_tab.SelectedRows();
                 m_host.RunBusy({}, [&] {
                     DeleteSelectedCombinations(m_workspace, rows);
                     m_tab.List()->clearSelection();
                 });
             }},
            {"CombsCopy", Tr("Копировать в буфер"), "Ctrl+C", hasList,
             [this] {
                 m_host.RunBusy(Tr(kWait), [this] {
                     QApplication::clipboard()->setText(Q(CombinationsClipboardText(
                         m_workspace.Combs().CurrentList, m_tab.SelectedRows())));
                 });
             }},
            {"CombsPaste", Tr("Вставить из буфера"), "Ctrl+V",
             [] {
                 const QMimeData* mime = QApplication::clipboard()->mimeData();
                 return mime && mime->hasText();
             },
             [this] {
                 const QString text = QApplication::clipboard()->text();
                 m_host.RunBusy(Tr(kWait),
                                [&] { PasteCombinations(m_workspace, text.toStdString()); });
                 ResetView();
             }},
            {"CombsSelectAll", Tr("Выделить все"), "Ctrl+A", hasList,
             [this] { m_host.RunBusy(Tr(kWait), [this] { m_tab.List()->selectAll(); }); }},
            {"CombsCheckNums", Tr("Количество уникальных номеров"), "", always,
             [this] {
                 std::string message;
                 m_host.RunBusy(Tr(kWait), [&] {
                     message =
                         UniqueNumbersMessage(m_workspace.Combs().CurrentList, m_host.Hooks());
                 });
                 if (!message.empty()) TMessages::ShowInfo(Q(message), m_host.Window());
             }},
            {"CombsFindInDraws", Tr("Проверить по архиву тиражей"), "Ctrl+F", hasRow,
             [this] {
                 std::string message;
                 m_host.RunBusy(Tr("Поиск по архиву тиражей..."), [&] {
                     const auto row = static_cast<std::size_t>(m_tab.CurrentRow());
                     message = FindInArchive(m_workspace.DrawArchive(),
                                             m_workspace.Combs().CurrentList[row], m_host.Hooks())
                                   .Message();
                 });
                 if (!message.empty()) TMessages::ShowInfo(DisplayText(message), m_host.Window());
             }},
            {"CombsInfo", Tr("Сведения о комбинации"), "", hasRow, [this] { ShowInfo(); }},
            {"CombsUndo", Tr("Отменить"), "Ctrl+Z", [&combs] { return combs.CanUndo(); },
             [this] { m_host.RunBusy({}, [this] { UndoCombinations(m_workspace); }); }},
        });
    // Ctrl+Del also deletes scenario lines: it acts where the user looks.
    m_host.Shortcuts().Share(m_host.Action(QStringLiteral("CombsDelSelected")), &m_tab);
    m_host.Action(QStringLiteral("CombsGen"))->setIconText(Tr("Новый"));
    m_host.Action(QStringLiteral("CombsDelExists"))->setIconText(Tr("[-] Тиражи"));
    m_tab.AddToolActions({m_host.Action(QStringLiteral("CombsGen")),
                          m_host.Action(QStringLiteral("CombsOpen")),
                          m_host.Action(QStringLiteral("CombsSave")), nullptr,
                          m_host.Action(QStringLiteral("CombsDelExists")), nullptr,
                          m_host.Action(QStringLiteral("CombsUndo"))});
    // Double-clicking a combination makes a stake of it (the stakes commands).

    QAction* colours =
        m_host.AddAction(QStringLiteral("ViewColorCombs"),
                         Tr("Выделять каналы в списке комбинаций"), {}, always, [this] {
                             const bool on = !m_tab.Model()->ChannelColours();
                             m_tab.Model()->SetChannelColours(on);
                             m_host.Action(QStringLiteral("ViewColorCombs"))->setChecked(on);
                             m_host.StoreSetting(MainWindowKey::ColorCombs, on);
                         });
    colours->setCheckable(true);
    colours->setChecked(true);
}

void TCombsCommands::Generate() {
    TStatList& registry = m_workspace.Stats();
    TFormGenerate dialog(registry.Generate, m_host.Window());
    if (!m_host.ExecDialog(dialog, {})) return;
    const TGenerateSettings chosen = dialog.Result();
    if (dialog.SaveAsDefault()) {
        registry.Generate = chosen;
        m_host.RunCommand([&] {
            TStatusGuard status(m_host.Hooks(), ConfigSaveStatus);
            registry.SaveGenerateSettings(m_workspace.Paths().Config());
        });
    }
    m_host.RunBusy({}, [&] {
        GenerateCombinations(m_workspace, chosen.CombsGenerateMode, chosen.CombsGenerateParameters);
    });
    ResetView();
}

void TCombsCommands::OpenFile() {
    const QString file =
        QFileDialog::getOpenFileName(m_host.Window(), Tr("Открыть"), QString(), Tr(kCombFilter));
    if (!file.isEmpty()) ReadFile(file);
}

void TCombsCommands::ReadFile(const QString& file) {
    m_host.RunBusy({}, [&] { OpenCombinationsFile(m_workspace, file.toStdString()); });
    ResetView();
}

void TCombsCommands::SaveFile() {
    QFileDialog dialog(m_host.Window(), Tr("Сохранить"), QString(), Tr(kCombFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("lcv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString file = dialog.selectedFiles().first();
    m_host.RunBusy({}, [&] { SaveCombinationsFile(m_workspace, file.toStdString()); });
}

void TCombsCommands::ShowInfo() {
    const int row = m_tab.CurrentRow();
    if (row < 0) return;
    const TComb comb = m_workspace.Combs().CurrentList[static_cast<std::size_t>(row)];
    TDrawRec asDraw;
    asDraw.Nums = comb.Nums;
    TDrawInfoDialog dialog(asDraw, m_workspace.Config().MatrixCols,
                           m_workspace.Config().ChannelSize, m_host.Window(), false);
    m_host.RunCommand([&] {
        for (const auto& [name, value] : CombinationInfoValues(
                 m_workspace.Stats(), comb, m_workspace.DrawsOffset(), m_workspace.SortedDraws())) {
            dialog.AddProperty(Q(name), QString::number(value));
        }
    });
    m_host.ExecDialog(dialog, {});
}

void TCombsCommands::GenerateDefault() {
    const TGenerateSettings& defaults = m_workspace.Stats().Generate;
    m_host.RunBusy({}, [&] {
        GenerateCombinations(m_workspace, defaults.CombsGenerateMode,
                             defaults.CombsGenerateParameters);
    });
    ResetView();
}

}  // namespace mv::gui
