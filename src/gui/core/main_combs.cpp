// The combinations commands of the main window: generation, files, clipboard, list tools,
// undo, applying the statistics selection, and the full-set comparison option.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QSpinBox>
#include <QTableView>

#include "engine/combs/comb_files.h"
#include "engine/combs/comb_tools.h"
#include "gui/combs/combs_model.h"
#include "gui/combs/combs_tab.h"
#include "gui/combs/form_generate.h"
#include "engine/combs/full_set_files.h"
#include "engine/combs/generation.h"
#include "engine/combs/selection.h"
#include "gui/core/shortcut_router.h"
#include "gui/core/template_main.h"
#include "engine/session/workspace.h"
#include "gui/draws/draw_info_dialog.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"

namespace mv::gui {
namespace {
const QString kCombFilter = QStringLiteral("Файлы комбинаций (*.lcv)");
const QString kWait = QStringLiteral("Подождите пожалуйста...");
}  // namespace

void TTemplateMain::BuildCombsTab() {
    m_combsTab = new TCombsTab(*m_workspace, CombsColumnCaptions(), m_leftPages);
    QWidget* pending = m_leftPages->widget(1);
    m_leftPages->removeTab(1);
    pending->deleteLater();
    m_leftPages->insertTab(1, m_combsTab, QStringLiteral("Комбинации"));
    m_workspace->Combs().ViewObserver = [this] { UpdateCombsView(); };
    connect(m_combsTab, &TCombsTab::ExcludeRequested, this, [this] {
        if (QAction* a = Action(QStringLiteral("CombsDelExists")); a && a->isEnabled()) a->trigger();
    });
}

void TTemplateMain::UpdateCombsView() {
    m_combsTab->Refresh(false);
    m_panels[3]->setText(
        QStringLiteral("Комбинаций: %1").arg(m_workspace->Combs().CurrentList.Count()));
}

void TTemplateMain::BuildCombsActions() {
    TCombinations& combs = m_workspace->Combs();
    const auto always = [] { return true; };
    const auto hasList = [&combs] { return !combs.CurrentList.Empty(); };
    const auto hasRow = [this, hasList] { return hasList() && m_combsTab->CurrentRow() >= 0; };
    struct TDef {
        const char* Name;
        const char* Caption;
        const char* Shortcut;
        std::function<bool()> Enabled;
        std::function<void()> Run;
    };
    const TDef defs[] = {
        {"CombsGen", "Генерировать", "F2", always, [this] { CombsGenerate(); }},
        {"CombsOpen", "Открыть", "Ctrl+O", always, [this] { CombsOpenFile(); }},
        {"CombsSave", "Сохранить", "Ctrl+S", hasList, [this] { CombsSaveFile(); }},
        {"CombsDelExists", "Исключить тиражи", "Ctrl+E",
         [this, hasList] {
             return hasList() && m_workspace->DrawCount() > 0 && m_combsTab->ExcludeBox()->value() > 0;
         },
         [this] {
             RunBusy({}, [this] {
                 m_workspace->Combs().SnapshotForUndo(true);
                 ExcludeLastDraws(*m_workspace, m_combsTab->ExcludeBox()->value());
             });
         }},
        {"CombsDelSelected", "Удалить выделенные", "Ctrl+Del", hasRow,
         [this] {
             const auto rows = m_combsTab->SelectedRows();
             RunBusy({}, [&] {
                 m_workspace->Combs().SnapshotForUndo(true);
                 DeleteSelectedCombinations(*m_workspace, rows);
                 m_combsTab->List()->clearSelection();
             });
         }},
        {"CombsCopy", "Копировать в буфер", "Ctrl+C", hasList,
         [this] {
             RunBusy(kWait, [this] {
                 QApplication::clipboard()->setText(Q(CombinationsClipboardText(
                     m_workspace->Combs().CurrentList, m_combsTab->SelectedRows())));
             });
         }},
        {"CombsPaste", "Вставить из буфера", "Ctrl+V",
         [] {
             const QMimeData* mime = QApplication::clipboard()->mimeData();
             return mime && mime->hasText();
         },
         [this] {
             const QString text = QApplication::clipboard()->text();
             RunBusy(kWait, [&] { PasteCombinations(*m_workspace, text.toStdString()); });
             m_combsTab->Refresh(true);
         }},
        {"CombsSelectAll", "Выделить все", "Ctrl+A", hasList,
         [this] { RunBusy(kWait, [this] { m_combsTab->List()->selectAll(); }); }},
        {"CombsCheckNums", "Количество уникальных номеров", "", always,
         [this] {
             std::string message;
             RunBusy(kWait, [&] { message = UniqueNumbersMessage(*m_workspace); });
             if (!message.empty()) TMessages::ShowInfo(Q(message), this);
         }},
        {"CombsFindInDraws", "Проверить по архиву тиражей", "Ctrl+F", hasRow,
         [this] {
             std::string message;
             RunBusy(QStringLiteral("Поиск по архиву тиражей..."), [&] {
                 const auto row = static_cast<std::size_t>(m_combsTab->CurrentRow());
                 message = FindInArchive(*m_workspace, m_workspace->Combs().CurrentList[row]).Message();
             });
             if (!message.empty()) TMessages::ShowInfo(DisplayText(message), this);
         }},
        {"CombsInfo", "Сведения о комбинации", "", hasRow, [this] { CombsInfo(); }},
        {"CombsUndo", "Отменить", "Ctrl+Z", [&combs] { return combs.CanUndo(); },
         [this] { RunBusy({}, [this] { m_workspace->Combs().CombsUndo(); }); }},
    };
    for (const TDef& d : defs) {
        AddAction(QString::fromLatin1(d.Name), QString::fromUtf8(d.Caption),
                  QString::fromLatin1(d.Shortcut), d.Enabled, d.Run);
    }
    // Ctrl+Del also deletes scenario lines: it acts where the user looks.
    m_shortcuts->Share(Action(QStringLiteral("CombsDelSelected")), m_combsTab);
    Action(QStringLiteral("CombsGen"))->setIconText(QStringLiteral("Новый"));
    Action(QStringLiteral("CombsDelExists"))->setIconText(QStringLiteral("[-] Тиражи"));
    m_combsTab->AddToolActions({Action(QStringLiteral("CombsGen")), Action(QStringLiteral("CombsOpen")),
                                Action(QStringLiteral("CombsSave")), nullptr,
                                Action(QStringLiteral("CombsDelExists")), nullptr,
                                Action(QStringLiteral("CombsUndo"))});
    connect(m_combsTab, &TCombsTab::RowActivated, this, [this] {
        if (QAction* info = Action(QStringLiteral("CombsInfo")); info && info->isEnabled()) info->trigger();
    });

    QAction* colours = AddAction(QStringLiteral("ViewColorCombs"),
                                 QStringLiteral("Выделять каналы в списке комбинаций"), {}, always,
                                 [this] {
                                     const bool on = !m_combsTab->Model()->ChannelColours();
                                     m_combsTab->Model()->SetChannelColours(on);
                                     Action(QStringLiteral("ViewColorCombs"))->setChecked(on);
                                     StoreSetting(MainWindowKey::ColorCombs, on);
                                 });
    colours->setCheckable(true);
    colours->setChecked(true);
    BuildStatFilterActions();
}

void TTemplateMain::BuildStatFilterActions() {
    const auto canFilter = [this] {
        return !m_workspace->Combs().CurrentList.Empty() && !m_statsTab->SelectedTableRows().empty();
    };
    QAction* include = AddAction(QStringLiteral("StatFilter_Include"),
                                 QStringLiteral("Оставить выделенные"), QStringLiteral("F7"),
                                 canFilter, [this] { ApplyStatsSelection(false); });
    include->setStatusTip(
        QStringLiteral("В списке комбинаций оставить комбинации с выделенными характеристиками"));
    QAction* exclude = AddAction(QStringLiteral("StatFilter_Exclude"),
                                 QStringLiteral("Удалить выделенные"), QStringLiteral("Ctrl+F7"),
                                 canFilter, [this] { ApplyStatsSelection(true); });
    exclude->setStatusTip(
        QStringLiteral("Из списка комбинаций удалить комбинации с выделенными характеристиками"));
    m_statsTab->AddToolAction(include);
    m_statsTab->AddToolAction(exclude);

    QAction* compare = AddAction(QStringLiteral("DrawsStatePrefetchsEnabled"),
                                 QStringLiteral("Использовать сравнение с полным набором комбинаций"),
                                 {}, [] { return true; }, [this] { TogglePrefetchs(); });
    compare->setCheckable(true);
    QAction* total = AddAction(QStringLiteral("DrawsStatShowTotalLine"),
                               QStringLiteral("График идеального распределения"), {},
                               [this] { return m_workspace->Combs().PrefetchsEnabled; },
                               [this] {
                                   m_statsTab->ShowTotalLine = !m_statsTab->ShowTotalLine;
                                   Action(QStringLiteral("DrawsStatShowTotalLine"))
                                       ->setChecked(m_statsTab->ShowTotalLine);
                                   StoreSetting(MainWindowKey::ShowTotalLine, m_statsTab->ShowTotalLine);
                                   RunCommand([this] { m_recalc.Force(QStringLiteral("Статистика")); });
                               });
    total->setCheckable(true);
    total->setChecked(true);
}

void TTemplateMain::ApplyStatsSelection(bool removed) {
    const auto rows = m_statsTab->SelectedTableRows();
    RunBusy({}, [&] {
        m_workspace->Combs().SnapshotForUndo(true);
        ApplyStatSelection(*m_workspace, TableSelection(m_statsTab->Table(), rows), removed,
                           m_statsTab->ChosenMethod(),
                           m_statsTab->MethodBox()->currentText().toStdString());
    });
}

void TTemplateMain::TogglePrefetchs() {
    TCombinations& combs = m_workspace->Combs();
    combs.PrefetchsEnabled = !combs.PrefetchsEnabled;
    Action(QStringLiteral("DrawsStatePrefetchsEnabled"))->setChecked(combs.PrefetchsEnabled);
    StoreSetting(MainWindowKey::PrefetchsEnabled, combs.PrefetchsEnabled);
    RunBusy({}, [this] { RebuildFullSetFiles(*m_workspace, false, 0); });
    m_statsTab->SetComparisonColumnsWidth(combs.PrefetchsEnabled ? ComparisonColumnWidth : 0);
    RunCommand([this] { m_recalc.Force(QStringLiteral("Статистика")); });
}

void TTemplateMain::CombsGenerate() {
    TStatList& registry = m_workspace->Stats();
    TFormGenerate dialog(registry.Generate, this);
    const bool accepted =
        GenerateDialogHook ? GenerateDialogHook(dialog) : ExecDialog(dialog);
    if (!accepted) return;
    const TGenerateSettings chosen = dialog.Result();
    if (dialog.SaveAsDefault()) {
        registry.Generate = chosen;
        RunCommand([&] {
            TStatusGuard status(Hooks(), ConfigSaveStatus);
            registry.SaveGenerateSettings(m_paths.Config());
        });
    }
    RunBusy({}, [&] {
        m_workspace->Combs().SnapshotForUndo(true);
        GenerateCombinations(*m_workspace, chosen.CombsGenerateMode, chosen.CombsGenerateParameters);
    });
    m_combsTab->Refresh(true);
}

void TTemplateMain::CombsOpenFile() {
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral("Открыть"), QString(), kCombFilter);
    if (!file.isEmpty()) CombsReadFile(file);
}

void TTemplateMain::CombsReadFile(const QString& file) {
    RunBusy({}, [&] { OpenCombinationsFile(*m_workspace, file.toStdString()); });
    m_combsTab->Refresh(true);
    UpdateCombsView();
}

void TTemplateMain::CombsSaveFile() {
    QFileDialog dialog(this, QStringLiteral("Сохранить"), QString(), kCombFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("lcv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString file = dialog.selectedFiles().first();
    RunBusy({}, [&] { SaveCombinationsFile(*m_workspace, file.toStdString()); });
}

void TTemplateMain::CombsInfo() {
    const int row = m_combsTab->CurrentRow();
    if (row < 0) return;
    const TComb comb = m_workspace->Combs().CurrentList[static_cast<std::size_t>(row)];
    TDrawRec asDraw;
    asDraw.Nums = comb.Nums;
    TDrawInfoDialog dialog(asDraw, m_workspace->Config().MatrixCols,
                           m_workspace->Config().ChannelSize, this, false);
    RunCommand([&] {
        for (const auto& [name, value] : CombinationInfoValues(*m_workspace, comb)) {
            dialog.AddProperty(Q(name), QString::number(value));
        }
    });
    if (DrawInfoHook) {
        DrawInfoHook(dialog);
    } else {
        ExecDialog(dialog);
    }
}

void TTemplateMain::GenerateDefaultCombinations() {
    const TGenerateSettings& defaults = m_workspace->Stats().Generate;
    RunBusy({}, [&] {
        GenerateCombinations(*m_workspace, defaults.CombsGenerateMode,
                             defaults.CombsGenerateParameters);
    });
    m_combsTab->Refresh(true);
    UpdateCombsView();
}

}  // namespace mv::gui
