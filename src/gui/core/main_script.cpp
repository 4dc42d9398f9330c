// The scenario commands of the main window: editing the current scenario and its files.
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QSpinBox>
#include <QTreeView>

#include "gui/core/shortcut_router.h"
#include "gui/core/template_main.h"
#include "engine/session/workspace.h"
#include "gui/scenarios/form_filter.h"
#include "gui/scenarios/form_script.h"
#include "gui/scenarios/script_tab.h"
#include "engine/stats/filter_item.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/messages.h"

namespace mv::gui {
namespace {
const QString kScriptFilter = QStringLiteral("Файлы сценариев (*.lsc)");
}

void TTemplateMain::BuildScriptActions() {
    const auto idle = [] { return true; };
    const auto hasLines = [this] { return !m_workspace->Script().Empty(); };
    const auto focusedLine = [this] {
        const int line = m_scriptTab->FocusedLine();
        return line >= 0 && line < m_workspace->Script().Count() &&
               !m_workspace->Script().IsSeparator(line);
    };
    struct TDef {
        const char* Name;
        const char* Caption;
        const char* Shortcut;
        std::function<bool()> Enabled;
        std::function<void()> Run;
    };
    const TDef defs[] = {
        {"ScriptOpen", "Открыть", "Ctrl+J", idle, [this] { ScriptOpenFile(false); }},
        {"ScriptSave", "Сохранить", "Ctrl+I", hasLines, [this] { ScriptSaveFile(); }},
        {"ScriptLoad", "Добавить сценарий", "", idle, [this] { ScriptOpenFile(true); }},
        {"ScriptAdd", "Добавить фильтры", "Ctrl+Ins", idle, [this] { ScriptEditLine(-1, false); }},
        {"ScriptEmpty", "Добавить разделитель", "Ctrl+Alt+Ins", hasLines,
         [this] { ScriptChange([this] { return m_workspace->EditScript([](TCurrentScript& s) { return s.AppendLine(""); }); }); }},
        {"ScriptClone", "Клонировать", "Ctrl+K", focusedLine,
         [this] { ScriptEditLine(m_scriptTab->FocusedLine(), false); }},
        {"ScriptEdit", "Изменить", "Ctrl+Return", focusedLine,
         [this] { ScriptEditLine(m_scriptTab->FocusedLine(), true); }},
        {"ScriptDel", "Удалить", "Ctrl+Del", [this] { return !m_scriptTab->SelectedLines().isEmpty(); },
         [this] { ScriptDeleteLines(false); }},
        {"ScriptClr", "Удалить все", "", hasLines, [this] { ScriptDeleteLines(true); }},
        {"ScriptUp", "Переместить вверх", "Ctrl+Up", [this] { return m_scriptTab->FocusedLine() > 0; },
         [this] {
             ScriptChange([this] {
                 const int line = m_scriptTab->FocusedLine();
                 return m_workspace->EditScript([line](TCurrentScript& s) { return s.MoveUp(line); });
             });
         }},
        {"ScriptDown", "Переместить вниз", "Ctrl+Down",
         [this] {
             const int line = m_scriptTab->FocusedLine();
             return line >= 0 && line + 1 < m_workspace->Script().Count();
         },
         [this] {
             ScriptChange([this] {
                 const int line = m_scriptTab->FocusedLine();
                 return m_workspace->EditScript([line](TCurrentScript& s) { return s.MoveDown(line); });
             });
         }},
        // Running scenarios arrives with the scenario engine; until then the commands show,
        // disabled.
        {"ScriptRun", "Прогноз", "F10", [] { return false; }, [] {}},
        {"ScriptTest", "Тест", "Ctrl+F10", [] { return false; }, [] {}},
        {"ScriptStop", "Стоп", "Ctrl+X", [] { return false; }, [] {}},
    };
    for (const TDef& d : defs) {
        AddAction(QString::fromLatin1(d.Name), QString::fromUtf8(d.Caption),
                  QString::fromLatin1(d.Shortcut), d.Enabled, d.Run);
    }
    // Ctrl+Del also deletes combinations: it acts where the user looks.
    m_shortcuts->Share(Action(QStringLiteral("ScriptDel")), m_scriptTab);
    // Two rows of buttons: running, files and deleting, then making and moving lines.
    const auto tools = [this](std::initializer_list<const char*> names) {
        QList<QAction*> row;
        for (const char* name : names) row << (*name ? Action(QString::fromLatin1(name)) : nullptr);
        return row;
    };
    Action(QStringLiteral("ScriptUp"))->setIconText(QStringLiteral("Вверх"));
    Action(QStringLiteral("ScriptDown"))->setIconText(QStringLiteral("Вниз"));
    m_scriptTab->AddToolActions(tools({"ScriptRun", "ScriptTest", "ScriptStop", "", "ScriptOpen",
                                       "ScriptLoad", "ScriptSave", "", "ScriptDel", "ScriptClr"}));
    m_scriptTab->AddToolActions(tools(
        {"ScriptAdd", "ScriptEmpty", "ScriptClone", "ScriptEdit", "", "ScriptUp", "ScriptDown"}));
    connect(m_scriptTab, &TScriptTab::LineActivated, this, [this] {
        if (QAction* edit = Action(QStringLiteral("ScriptEdit")); edit && edit->isEnabled()) {
            edit->trigger();
        }
    });
}

void TTemplateMain::ScriptChange(const std::function<int()>& change) {
    int line = -1;
    RunCommand([&] { line = change(); });
    m_scriptTab->FocusLine(line);
    UpdateActions();
}

std::optional<std::string> TTemplateMain::EditFilterText(const std::string& text) {
    TFormFilter dialog(m_workspace->Stats(), *m_statsTab->MethodBox(), m_statsTab->WindowLength(),
                       m_workspace->Config().Weights, this);
    dialog.Load(TextToItem(text, m_workspace->Stats()));
    const bool accepted =
        ExecDialog(dialog, {});
    if (!accepted) return std::nullopt;
    return ItemToText(dialog.Result());
}

void TTemplateMain::ScriptEditLine(int line, bool replace) {
    const bool fromLine = line >= 0 && line < m_workspace->Script().Count();
    TFormScript dialog(replace ? QStringLiteral("Редактирование строки")
                               : QStringLiteral("Создание новой строки"),
                       ExcludeDrawsDefault(),
                       [this](const std::string& text) { return EditFilterText(text); }, this);
    if (fromLine) dialog.Load(m_workspace->Script().Line(line));
    const bool accepted =
        ExecDialog(dialog, {});
    if (!accepted) return;
    const std::string text = dialog.Result();
    ScriptChange([&] {
        return m_workspace->EditScript([&](TCurrentScript& s) {
            if (replace && fromLine) {
                s.ReplaceLine(line, text);
                return line;
            }
            return s.AppendLine(text);
        });
    });
}

void TTemplateMain::ScriptDeleteLines(bool all) {
    const QList<int> selected = m_scriptTab->SelectedLines();
    const int count = all ? m_workspace->Script().Count() : static_cast<int>(selected.size());
    if (count == 0 || !TMessages::ConfirmDelete(count, this)) return;
    ScriptChange([&] {
        m_workspace->EditScript([&](TCurrentScript& s) {
            if (all) {
                s.Clear();
            } else {
                s.DeleteLines(std::vector<int>(selected.begin(), selected.end()));
            }
        });
        return -1;
    });
}

void TTemplateMain::ScriptOpenFile(bool append) {
    const QString file = QFileDialog::getOpenFileName(
        this, append ? QStringLiteral("Добавить сценарий") : QStringLiteral("Открыть"), QString(),
        kScriptFilter);
    if (!file.isEmpty()) ScriptReadFile(file, append);
}

void TTemplateMain::ScriptReadFile(const QString& file, bool append) {
    RunBusy({}, [&] {
        m_workspace->EditScript([&](TCurrentScript& s) {
            if (append) {
                s.LoadFile(file.toStdString());
            } else {
                s.OpenFile(file.toStdString());
            }
        });
    });
}

void TTemplateMain::ScriptSaveFile() {
    QFileDialog dialog(this, QStringLiteral("Сохранить"), QString(), kScriptFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("lsc"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString file = dialog.selectedFiles().first();
    RunBusy({}, [&] { m_workspace->Script().SaveToFile(file.toStdString()); });
}

void TTemplateMain::ReadCurrentScript() {
    try {
        m_workspace->EditScript([](TCurrentScript& s) { s.ReadCurrentScript(); });
    } catch (const std::exception& e) {
        TMessages::ShowError(DisplayText(std::string(e.what())), this);
    }
}

}  // namespace mv::gui
