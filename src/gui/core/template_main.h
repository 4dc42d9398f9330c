#pragma once

#include <QMainWindow>
#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "engine/core/command_line.h"
#include "engine/core/data_paths.h"
#include "gui/core/command_host.h"
#include "gui/core/main_window_keys.h"
#include "gui/core/recalc_dispatcher.h"
#include "gui/support/dialog_runner.h"
#include "engine/core/records.h"
#include "engine/session/workspace.h"
#include "engine/support/ui_hooks.h"

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QTableView;
class QTimer;

namespace mv {
class TWorkspace;
class TWindowSettings;
}

namespace mv::gui {

class TDrawsModel;
class TStatsTab;
class TCombsTab;
class TCombsCommands;
class TFormGenerate;
class TScriptTab;
class TFormFilter;
class TFormScript;
class TDrawDialog;
class TFormConfig;
class TDrawInfoDialog;
class TShortcutRouter;
class TFormFilterHelp;

// The game-neutral main window: the page controls and their tabs, the status panels, the
// actions and menus, start-up and shutdown, and the draws archive tab. The game-specific
// half (caption, column captions) comes from the derived TFormMain.
class TTemplateMain : public QMainWindow, public ICommandHost {
    Q_OBJECT
public:
    static constexpr int StatusPanelCount = 7;
    // Wide enough for the draws list with its date column in the default font.
    static constexpr int LeftPanelDesignedWidth = 372;
    enum TStatusPanel { PanelDraws = 0, PanelNext = 1, PanelHidden = 2, PanelStatus = 6 };

    TTemplateMain(TDataPaths paths, std::vector<std::string> args, QWidget* parent = nullptr);
    ~TTemplateMain() override;

    // --- ICommandHost ---------------------------------------------------------------------
    TWorkspace& Workspace() override { return *m_workspace; }
    IUiHooks& Hooks() override;
    QWidget* Window() override { return this; }
    QAction* AddAction(const QString& name, const QString& caption, const QString& shortcut,
                       std::function<bool()> enabled, std::function<void()> run) override;
    // The named action (its objectName is the action's name), or nullptr.
    QAction* Action(const QString& name) const override;
    TShortcutRouter& Shortcuts() override { return *m_shortcuts; }
    TRecalcDispatcher& Recalc() override { return m_recalc; }
    void RunCommand(const std::function<void()>& work) override;
    void RunBusy(const QString& status, const std::function<void()>& work) override;
    bool ExecDialog(QDialog& dialog, const std::string& formerSection) override;
    void StoreSetting(const TSettingKey& key, int value) override;
    void SetPanelText(int panel, const QString& text) override;

    const TSwitches& Switches() const { return m_switches; }
    // Tests answer modal dialogs here instead of a modal loop.
    TDialogRunner& Dialogs() { return m_dialogs; }
    QString PanelText(int panel) const;
    QTabWidget* LeftPages() const { return m_leftPages; }
    QTabWidget* RightPages() const { return m_rightPages; }
    QTableView* DrawsList() const { return m_drawsList; }
    QSpinBox* OffsetBox() const { return m_offsetBox; }
    TStatsTab* StatsTab() const { return m_statsTab; }
    TScriptTab* ScriptTab() const { return m_scriptTab; }
    TCombsTab* CombsTab() const { return m_combsTab; }
    TCombsCommands& CombsCommands() { return *m_combsCommands; }
    // Reads a scenario file into the current scenario (replacing it, or appending).
    void ScriptReadFile(const QString& file, bool append);

    // Panel 6: the running operation's text; lets pending events run so it shows at once.
    void ShowStatus(const QString& text);
    void Recalculate(bool force);
    void RefreshDrawsView(bool force);
    void SetDrawsOffset(int value);
    // Evaluates every action's enabled rule (also runs on a short timer, like idle updates).
    void UpdateActions();

    // Set when the run is to end (lock failure, restart timeout, batch switches).
    bool Terminated() const { return m_terminated; }
    bool Initialized() const { return m_initialized; }


    // The command paths behind the file dialogs (the dialogs only pick the file).
    void ImportDrawsFrom(const QString& file);
    void ExportDrawsTo(const QString& file);
    // Stores a draw from the draw dialog: appended when index < 0, else replacing it.
    void StoreDrawAt(const TDrawRec& draw, int index);

    // An optional tab of the right page control and the "Вид" action that toggles it.
    struct TOptionalTab {
        const char* Action;
        const char* Caption;
        TSettingKey Key;
        int TabIndex;
    };
    static const std::vector<TOptionalTab>& OptionalTabs();
    // Replaces the configuration after the dialog: saves it and brings every view up to date.
    void ApplyConfig(const TConfigData& config);

signals:
    void TerminateRequested();
    void DeferredInitFinished();

protected:
    // The game-specific half.
    virtual QString GameCaption() const = 0;
    virtual QStringList DrawsColumnCaptions() const = 0;
    virtual QStringList CombsColumnCaptions() const = 0;

    // The window-creation step; the derived class calls it at the end of its constructor so
    // that the virtual captions are available.
    void Create();
    void closeEvent(QCloseEvent* event) override;
    // Hints (status tips) go to panel 6 while the program is idle, never over the panels.
    bool event(QEvent* event) override;

private:
    void BuildLayout();
    QWidget* BuildDrawsPage();
    void BuildStatusBar();
    void BuildActions();
    void BuildMenus();
    // What the shell's views do about a change of the workspace.
    void FollowWorkspace(TChanges changes);
    void DeferredInit();
    // Serves "loadonly", "fullrecreate" and "fullrefresh"; true when the run ends here.
    bool RunBatchSwitches();
    void ReadConfiguration();
    // Restores the stored window settings; only a run that read them writes them back.
    void RestoreSettings();
    TWindowSettings& Settings();
    void SaveSettings();
    void Terminate();
    // A batch run without a display ends at its first failure (the message went to standard
    // error): terminates and returns true once one was recorded.
    bool EndAfterFailure();
    void WaitForEarlierCopy();
    void Shutdown();

    // The draws commands.
    void DrawsAdd();
    void DrawsEdit();
    void DrawsDel();
    void DrawsInfo();
    void DrawsSortedToggle();
    void DrawsImport();
    void DrawsExport();
    void ViewColorDrawsToggle();
    void BuildStatsTab();
    void BuildScriptTab();
    void BuildCombsTab();
    void BuildStatFilterActions();
    void ApplyStatsSelection(bool removed);
    void TogglePrefetchs();
    void BuildScriptActions();
    // Runs a change of the current scenario, refreshes the list and focuses the line the
    // change returns (-1: clears the selection).
    void ScriptChange(const std::function<int()>& change);
    std::optional<std::string> EditFilterText(const std::string& text);
    void ScriptEditLine(int line, bool replace);
    void ScriptDeleteLines(bool all);
    void ScriptOpenFile(bool append);
    void ScriptSaveFile();
    void ReadCurrentScript();
    // The value the dialogs start their "last draws to exclude" spin with.
    int ExcludeDrawsDefault() const;
    void ShowOptionalTab(const TOptionalTab& tab, bool shown);
    void ToggleOptionalTab(const TOptionalTab& tab);
    QString HelpFile() const;
    // The help page of that name in the first help folder that has it, or an empty text.
    QString HelpPage(const QString& name) const;
    void OpenHelp();
    // The web pages of the "Справка" menu and the method description.
    void BuildHelpActions();
    // Commands whose features are still to come: listed in their menus, greyed out.
    void BuildPendingActions();
    // The addresses of the web pages, from the configuration file.
    void ReadLinks();
    void ShowMethodDescription();
    void ShowAbout();
    void SetAutoDownloadMode(int mode);
    void EditConfig();
    void EditDraw(const TDrawRec& draw, int index);
    int SelectedDrawRow() const;
    QList<int> SelectedDrawRows() const;

    // Start-up steps of features that are not part of the program yet. Each is a no-op named
    // after what it will do, kept together so that the sequence stays readable.
    void PendingReadRatingsAndRegularStakes() {}
    void PendingSetUpSystemsAndOnlineCatalog() {}
    void PendingDownloadDraws() {}
    bool PendingCheckForUpdatesAndRestart() { return false; }
    void PendingAutoDownloadAtStart() {}
    void PendingFirstRunDialog() {}
    // Builds the method list anew keeping favourites and user names, and refills the
    // selectors.
    void RebuildMethodList();
    // The names and favourites file, at start.
    void ReadMethodNames();


    TDataPaths m_paths;
    std::vector<std::string> m_args;
    TSwitches m_switches;
    class TGuiHooks;
    std::unique_ptr<TGuiHooks> m_hooks;
    std::unique_ptr<TWorkspace> m_workspace;
    std::unique_ptr<TWindowSettings> m_settings;

    QTabWidget* m_leftPages = nullptr;
    QTabWidget* m_rightPages = nullptr;
    QSplitter* m_splitter = nullptr;
    QTableView* m_drawsList = nullptr;
    TDrawsModel* m_drawsModel = nullptr;
    QSpinBox* m_offsetBox = nullptr;
    TStatsTab* m_statsTab = nullptr;
    TScriptTab* m_scriptTab = nullptr;
    TCombsTab* m_combsTab = nullptr;
    std::array<QLabel*, StatusPanelCount> m_panels{};
    QMap<QString, QAction*> m_actions;
    QMap<QString, std::function<bool()>> m_enabledRules;
    // Web page actions and their addresses (empty: none configured).
    QMap<QString, QString> m_links;
    QTimer* m_actionTimer = nullptr;
    // Every action's shortcut works in the whole window; a key that several actions share
    // goes to the one whose page is in front.
    TShortcutRouter* m_shortcuts = nullptr;
    TRecalcDispatcher m_recalc;
    TDialogRunner m_dialogs;
    // The subsystems' commands; destroyed before the workspace they subscribe to.
    std::unique_ptr<TCombsCommands> m_combsCommands;
    // The shell's own views (draws list, status panels, statistics, scenario list) follow the
    // workspace through this subscription.
    std::unique_ptr<TWorkspaceSubscription> m_subscription;

    bool m_terminated = false;
    bool m_initialized = false;
    bool m_shutDown = false;
    bool m_settingsRead = false;
};

}  // namespace mv::gui
