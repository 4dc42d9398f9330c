#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "gui/core/main_window_keys.h"
#include "gui/support/tr.h"

class QAction;
class QDialog;
class QWidget;

namespace mv {
class IUiHooks;
class TWorkspace;
}  // namespace mv

namespace mv::gui {

class TRecalcDispatcher;
class TShortcutRouter;

// What a subsystem's command class needs from the main window: the workspace, the action
// table, the busy frame, dialogs, the window settings and the shared shortcut keys. The main
// window implements it; command classes never see the window class itself.
// Runs on the user-interface thread only.
class ICommandHost {
public:
    virtual ~ICommandHost() = default;

    virtual TWorkspace& Workspace() = 0;
    virtual IUiHooks& Hooks() = 0;
    // The parent of the command's dialogs and message boxes.
    virtual QWidget* Window() = 0;

    // Adds a window-wide action named `name` (its objectName) with its enabled rule, which
    // the window evaluates after every command and on a short timer.
    virtual QAction* AddAction(const QString& name, const QString& caption, const QString& shortcut,
                               std::function<bool()> enabled, std::function<void()> run) = 0;
    // The named action, or nullptr.
    virtual QAction* Action(const QString& name) const = 0;
    // Evaluates every enabled rule now: for a change of what the rules read (a focused line)
    // made outside RunCommand, which evaluates them itself.
    virtual void UpdateActions() = 0;
    // Keys that two actions share act on the page in front.
    virtual TShortcutRouter& Shortcuts() = 0;
    // The views that recalculate when they come into sight.
    virtual TRecalcDispatcher& Recalc() = 0;

    // Runs `work` as a user command: errors are caught and shown in the error box.
    virtual void RunCommand(const std::function<void()>& work) = 0;
    // The same inside the busy frame (every action disabled, the wait cursor, `status` in
    // the status panel until the work ends).
    virtual void RunBusy(const QString& status, const std::function<void()>& work) = 0;
    // Runs a dialog modally in the placement it had last time and stores its placement
    // afterwards; tests answer it through the window's dialog runner instead. `formerSection`:
    // an older settings section of the dialog's placement. Returns whether it was accepted.
    virtual bool ExecDialog(QDialog& dialog, const std::string& formerSection) = 0;
    // A window's placement in the window-settings file under `section`: restoring returns
    // whether one was stored (the window keeps its designed bounds otherwise). Failures to
    // read or write the file are shown as errors.
    virtual bool RestorePlacement(QWidget& window, const std::string& section) = 0;
    virtual void SavePlacement(const QWidget& window, const std::string& section) = 0;
    // Stores a toggled view option (or a chosen mode) in the window-settings file at once.
    virtual void StoreSetting(const TSettingKey& key, int value) = 0;
    // One of the status bar's counting panels.
    virtual void SetPanelText(int panel, const QString& text) = 0;

    // --- a running scenario ---------------------------------------------------------------
    // The action is also usable while the program is busy: the stop of a running scenario,
    // whose checkpoints let events run. Its enabled rule alone decides.
    virtual void KeepEnabledWhileBusy(QAction* action) = 0;
    // Enables or disables the pages a scenario run works on behind the user's back: the
    // draws archive, the combinations and the statistics.
    virtual void EnableAnalysisPages(bool enabled) = 0;
};

// The caption of an action table's row: a text already translated (Tr("...")), or a
// Russian source text that is translated when the action is made.
struct TActionCaption {
    TActionCaption(QString text) : Text(std::move(text)) {}
    TActionCaption(const char* sourceText) : Text(Tr(sourceText)) {}
    QString Text;
};

// One row of a command class's action table.
struct TActionDef {
    const char* Name;  // the action's objectName
    TActionCaption Caption;
    const char* Shortcut;  // "" for none
    std::function<bool()> Enabled;
    std::function<void()> Run;
};

// Adds the table's actions in order.
inline void AddActions(ICommandHost& host, std::initializer_list<TActionDef> defs) {
    for (const TActionDef& d : defs) {
        host.AddAction(QString::fromLatin1(d.Name), d.Caption.Text, QString::fromLatin1(d.Shortcut),
                       d.Enabled, d.Run);
    }
}

}  // namespace mv::gui
