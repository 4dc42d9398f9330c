#include "gui/scenarios/script_commands.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QSpinBox>

#include "engine/run/script_runner.h"
#include "engine/stats/filter_item.h"
#include "gui/combs/combs_tab.h"
#include "gui/core/command_host.h"
#include "gui/core/shortcut_router.h"
#include "gui/scenarios/form_filter.h"
#include "gui/scenarios/form_script.h"
#include "gui/scenarios/script_tab.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {
const char* const kScriptFilter = TrNoop("Файлы сценариев (*.lsc)");
}

TScriptCommands::TScriptCommands(ICommandHost& host, const TStatsTab& stats, const TCombsTab& combs,
                                 QWidget* parent)
    : m_host(host),
      m_workspace(host.Workspace()),
      m_stats(stats),
      m_combs(combs),
      m_tab(new TScriptTab(m_workspace, parent)) {
    m_subscription = std::make_unique<TWorkspaceSubscription>(m_workspace, [this](TChanges c) {
        if (c & chScenario) m_tab->Refresh();
    });
    BuildActions();
}

TScriptCommands::~TScriptCommands() = default;

void TScriptCommands::BuildActions() {
    const auto idle = [] { return true; };
    const auto hasLines = [this] { return !m_workspace.Script().Empty(); };
    const auto focusedLine = [this] {
        const int line = m_tab->FocusedLine();
        return line >= 0 && line < m_workspace.Script().Count() &&
               !m_workspace.Script().IsSeparator(line);
    };
    const auto move = [this](bool up) {
        Change([this, up] {
            const int line = m_tab->FocusedLine();
            return m_workspace.EditScript(
                [line, up](TCurrentScript& s) { return up ? s.MoveUp(line) : s.MoveDown(line); });
        });
    };
    AddActions(
        m_host,
        {
            {"ScriptOpen", Tr("Открыть"), "Ctrl+J", idle, [this] { OpenFile(false); }},
            {"ScriptSave", Tr("Сохранить"), "Ctrl+I", hasLines, [this] { SaveFile(); }},
            {"ScriptLoad", Tr("Добавить сценарий"), "", idle, [this] { OpenFile(true); }},
            {"ScriptAdd", Tr("Добавить фильтры"), "Ctrl+Ins", idle,
             [this] { EditLine(-1, false); }},
            {"ScriptEmpty", Tr("Добавить разделитель"), "Ctrl+Alt+Ins", hasLines,
             [this] {
                 Change([this] {
                     return m_workspace.EditScript(
                         [](TCurrentScript& s) { return s.AppendLine(""); });
                 });
             }},
            {"ScriptClone", Tr("Клонировать"), "Ctrl+K", focusedLine,
             [this] { EditLine(m_tab->FocusedLine(), false); }},
            {"ScriptEdit", Tr("Изменить"), "Ctrl+Return", focusedLine,
             [this] { EditLine(m_tab->FocusedLine(), true); }},
            {"ScriptDel", Tr("Удалить"), "Ctrl+Del",
             [this] { return !m_tab->SelectedLines().isEmpty(); }, [this] { DeleteLines(false); }},
            {"ScriptClr", Tr("Удалить все"), "", hasLines, [this] { DeleteLines(true); }},
            {"ScriptUp", Tr("Переместить вверх"), "Ctrl+Up",
             [this] { return m_tab->FocusedLine() > 0; }, [move] { move(true); }},
            {"ScriptDown", Tr("Переместить вниз"), "Ctrl+Down",
             [this] {
                 const int line = m_tab->FocusedLine();
                 return line >= 0 && line + 1 < m_workspace.Script().Count();
             },
             [move] { move(false); }},
        });
    BuildRunActions();
    // Ctrl+Del also deletes combinations: it acts where the user looks.
    m_host.Shortcuts().Share(m_host.Action(QStringLiteral("ScriptDel")), m_tab);
    // Ctrl+J also shows or hides the systems tab: it opens a scenario only here.
    m_host.Shortcuts().Share(m_host.Action(QStringLiteral("ScriptOpen")), m_tab);
    // Two rows of buttons: running, files and deleting, then making and moving lines.
    const auto tools = [this](std::initializer_list<const char*> names) {
        QList<QAction*> row;
        for (const char* name : names) {
            row << (*name ? m_host.Action(QString::fromLatin1(name)) : nullptr);
        }
        return row;
    };
    m_host.Action(QStringLiteral("ScriptUp"))->setIconText(Tr("Вверх"));
    m_host.Action(QStringLiteral("ScriptDown"))->setIconText(Tr("Вниз"));
    m_tab->AddToolActions(tools({"ScriptRun", "ScriptTest", "ScriptStop", "", "ScriptOpen",
                                 "ScriptLoad", "ScriptSave", "", "ScriptDel", "ScriptClr"}));
    m_tab->AddToolActions(tools(
        {"ScriptAdd", "ScriptEmpty", "ScriptClone", "ScriptEdit", "", "ScriptUp", "ScriptDown"}));
    connect(m_tab, &TScriptTab::LineActivated, this, [this] {
        if (QAction* edit = m_host.Action(QStringLiteral("ScriptEdit"));
            edit && edit->isEnabled()) {
            edit->trigger();
        }
    });
}

void TScriptCommands::Change(const std::function<int()>& change) {
    int line = -1;
    m_host.RunCommand([&] { line = change(); });
    m_tab->FocusLine(line);
    m_host.UpdateActions();
}

std::optional<std::string> TScriptCommands::EditFilterText(const std::string& text) {
    TFormFilter dialog(m_workspace.Stats(), *m_stats.MethodBox(), m_stats.WindowLength(),
                       m_workspace.Config().Weights, m_host.Window());
    dialog.Load(TextToItem(text, m_workspace.Stats()));
    if (!m_host.ExecDialog(dialog, {})) return std::nullopt;
    return ItemToText(dialog.Result());
}

void TScriptCommands::EditLine(int line, bool replace) {
    const bool fromLine = line >= 0 && line < m_workspace.Script().Count();
    TFormScript dialog(
        replace ? Tr("Редактирование строки") : Tr("Создание новой строки"),
        m_combs.ExcludeBox()->value(),
        [this](const std::string& text) { return EditFilterText(text); }, m_host.Window());
    if (fromLine) dialog.Load(m_workspace.Script().Line(line));
    if (!m_host.ExecDialog(dialog, {})) return;
    const std::string text = dialog.Result();
    Change([&] {
        return m_workspace.EditScript([&](TCurrentScript& s) {
            if (replace && fromLine) {
                s.ReplaceLine(line, text);
                return line;
            }
            return s.AppendLine(text);
        });
    });
}

void TScriptCommands::DeleteLines(bool all) {
    const QList<int> selected = m_tab->SelectedLines();
    const int count = all ? m_workspace.Script().Count() : static_cast<int>(selected.size());
    if (count == 0 || !TMessages::ConfirmDelete(count, m_host.Window())) return;
    Change([&] {
        m_workspace.EditScript([&](TCurrentScript& s) {
            if (all) {
                s.Clear();
            } else {
                s.DeleteLines(std::vector<int>(selected.begin(), selected.end()));
            }
        });
        return -1;
    });
}

void TScriptCommands::OpenFile(bool append) {
    const QString file = QFileDialog::getOpenFileName(
        m_host.Window(), append ? Tr("Добавить сценарий") : Tr("Открыть"), QString(),
        Tr(kScriptFilter));
    if (!file.isEmpty()) ReadFile(file, append);
}

void TScriptCommands::ReadFile(const QString& file, bool append) {
    m_host.RunBusy({}, [&] {
        m_workspace.EditScript([&](TCurrentScript& s) {
            if (append) {
                s.LoadFile(file.toStdString());
            } else {
                s.OpenFile(file.toStdString());
            }
        });
    });
}

void TScriptCommands::SaveFile() {
    QFileDialog dialog(m_host.Window(), Tr("Сохранить"), QString(), Tr(kScriptFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("lsc"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString file = dialog.selectedFiles().first();
    m_host.RunBusy({}, [&] { m_workspace.Script().SaveToFile(file.toStdString()); });
}

void TScriptCommands::ReadCurrentScript() {
    try {
        m_workspace.EditScript([](TCurrentScript& s) { s.ReadCurrentScript(); });
    } catch (const std::exception& e) {
        TMessages::ShowError(DisplayText(std::string(e.what())), m_host.Window());
    }
}

}  // namespace mv::gui
