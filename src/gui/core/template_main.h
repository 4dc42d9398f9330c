#pragma once

#include <QMainWindow>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "engine/core/command_line.h"
#include "engine/core/data_paths.h"
#include "engine/session/workspace.h"
#include "engine/support/ui_hooks.h"
#include "gui/core/command_host.h"
#include "gui/core/main_window_keys.h"
#include "gui/core/recalc_dispatcher.h"
#include "gui/support/dialog_runner.h"

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
}  // namespace mv

namespace mv::gui {

class TStatsTab;
class TCombsTab;
class TScriptTab;
class TCombsCommands;
class TDrawsCommands;
class TStatsCommands;
class TScriptCommands;
class TStakesCommands;
class TDownloadCommands;
class TUpdateCommands;
class TViewsCommands;
class TRatingsCommands;
class TRegularsCommands;
class TExportCommands;
class TSystemsCommands;
class TScriptCatalogCommands;
class TShortcutRouter;

// The game-neutral main window, the shell the subsystems' command classes live in: the page
// controls and their tabs, the status panels, the busy frame, the action table and menus,
// the recalculation dispatcher, start-up and shutdown and the window settings. The
// game-specific half (caption, column captions) comes from the derived TFormMain.
class TTemplateMain : public QMainWindow, public ICommandHost {
    Q_OBJECT
public:
    static constexpr int StatusPanelCount = 7;
    // The property of every tab page with the page's key, whatever the language: its help
    // topic and, for the analysis views, its name in the recalculation dispatcher ("draws",
    // "stats", "card", ...).
    static const char* const kHelpTopic;
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
    // Evaluates every action's enabled rule (also runs on a short timer, like idle updates).
    void UpdateActions() override;
    TShortcutRouter& Shortcuts() override { return *m_shortcuts; }
    TRecalcDispatcher& Recalc() override { return m_recalc; }
    void RunCommand(const std::function<void()>& work) override;
    void RunBusy(const QString& status, const std::function<void()>& work) override;
    bool ExecDialog(QDialog& dialog, const std::string& formerSection) override;
    void StoreSetting(const TSettingKey& key, int value) override;
    void SetPanelText(int panel, const QString& text) override;
    bool RestorePlacement(QWidget& window, const std::string& section) override;
    void SavePlacement(const QWidget& window, const std::string& section) override;
    void KeepEnabledWhileBusy(QAction* action) override;
    void EnableAnalysisPages(bool enabled) override;

    const TSwitches& Switches() const { return m_switches; }
    // Tests answer modal dialogs here instead of a modal loop.
    TDialogRunner& Dialogs() { return m_dialogs; }
    QString PanelText(int panel) const;
    QTabWidget* LeftPages() const { return m_leftPages; }
    QTabWidget* RightPages() const { return m_rightPages; }
    QTableView* DrawsList() const;
    QSpinBox* OffsetBox() const;
    TStatsTab* StatsTab() const;
    TScriptTab* ScriptTab() const;
    TCombsTab* CombsTab() const { return m_combsTab; }
    TDrawsCommands& DrawsCommands() { return *m_drawsCommands; }
    TStatsCommands& StatsCommands() { return *m_statsCommands; }
    TScriptCommands& ScriptCommands() { return *m_scriptCommands; }
    TViewsCommands& ViewsCommands() { return *m_viewsCommands; }
    TCombsCommands& CombsCommands() { return *m_combsCommands; }
    TStakesCommands& StakesCommands() { return *m_stakesCommands; }
    TRatingsCommands& RatingsCommands() { return *m_ratingsCommands; }
    TRegularsCommands& RegularsCommands() { return *m_regularsCommands; }
    TDownloadCommands& DownloadCommands() { return *m_downloadCommands; }
    TUpdateCommands& UpdateCommands() { return *m_updateCommands; }
    TExportCommands& ExportCommands() { return *m_exportCommands; }
    TSystemsCommands& SystemsCommands() { return *m_systemsCommands; }
    TScriptCatalogCommands& ScriptCatalogCommands() { return *m_scriptCatalogCommands; }

    // Panel 6: the running operation's text; lets pending events run so it shows at once.
    void ShowStatus(const QString& text);
    // Every view whose page is showing, when forced or when its inputs changed.
    void Recalculate(bool force);

    // Set when the run is to end (lock failure, restart timeout, batch switches).
    bool Terminated() const { return m_terminated; }
    bool Initialized() const { return m_initialized; }

    // An optional tab of the right page control and the "Вид" action that toggles it.
    struct TOptionalTab {
        const char* Action;
        const char* Caption;
        TSettingKey Key;
        int TabIndex;
        const char* Hint;
        // Showing the tab makes it the active page.
        bool Activate;
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
    void BuildStatusBar();
    void BuildActions();
    void BuildMenus();
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

    void ShowOptionalTab(const TOptionalTab& tab, bool shown);
    void ToggleOptionalTab(const TOptionalTab& tab);
    QString HelpFile() const;
    // The help page of that name in the first help folder that has it, or an empty text.
    QString HelpPage(const QString& name) const;
    // Opens the help page of the page in front (the left page control's while it holds the
    // focus, else the right one's), or the index when that page has none.
    void OpenHelp();
    // At the end of start-up: the "Справочная информация" dialog while "FirstRun" is stored.
    void ShowFirstRunDialog();
    // The help page of a topic in the interface language's folder ("ru", "en"), or in the
    // Russian one when that language has no such page; empty when neither has it.
    QString HelpTopicPage(const QString& topic);
    // The topic of the page in front.
    QString CurrentHelpTopic() const;
    // The web pages of the "Справка" menu and the method description.
    void BuildHelpActions();
    void BuildExportActions();
    // The addresses of the web pages, from the configuration file.
    void ReadLinks();
    // The description page of a method (its registry index).
    void ShowMethodDescription(int method);
    void ShowAbout();
    void SetAutoDownloadMode(int mode);
    void EditConfig();
    // The interface language: the stored one ("no-language": the base), loaded before any
    // window text is made.
    void LoadInterfaceLanguage();
    // The "Язык интерфейса" submenu: one item per available language.
    void BuildLanguageMenu(QMenu* file);
    // Stores the chosen language and restarts the program, where it takes effect.
    void ChooseLanguage(int lcid);

    // The start-up set-up of the systems catalog: its menu, and its tab as stored.
    void SetUpSystemsAndOnlineCatalog();

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
    TCombsTab* m_combsTab = nullptr;
    std::array<QLabel*, StatusPanelCount> m_panels{};
    QMap<QString, QAction*> m_actions;
    QMap<QString, std::function<bool()>> m_enabledRules;
    // Actions that stay usable while busy (their rule alone decides).
    QSet<QString> m_busyActions;
    // Web page actions and their addresses (empty: none configured).
    QMap<QString, QString> m_links;
    QTimer* m_actionTimer = nullptr;
    // Every action's shortcut works in the whole window; a key that several actions share
    // goes to the one whose page is in front.
    TShortcutRouter* m_shortcuts = nullptr;
    TRecalcDispatcher m_recalc;
    TDialogRunner m_dialogs;
    // The subsystems' commands, each following the workspace through its own subscription;
    // destroyed before the workspace, the dispatcher and the dialog runner they use.
    std::unique_ptr<TDrawsCommands> m_drawsCommands;
    std::unique_ptr<TStatsCommands> m_statsCommands;
    std::unique_ptr<TScriptCommands> m_scriptCommands;
    std::unique_ptr<TViewsCommands> m_viewsCommands;
    std::unique_ptr<TCombsCommands> m_combsCommands;
    std::unique_ptr<TStakesCommands> m_stakesCommands;
    std::unique_ptr<TRatingsCommands> m_ratingsCommands;
    std::unique_ptr<TRegularsCommands> m_regularsCommands;
    // The draws download and the proxy settings.
    std::unique_ptr<TDownloadCommands> m_downloadCommands;
    std::unique_ptr<TUpdateCommands> m_updateCommands;
    std::unique_ptr<TExportCommands> m_exportCommands;
    std::unique_ptr<TSystemsCommands> m_systemsCommands;
    // The online scenario catalog under the scenario list.
    std::unique_ptr<TScriptCatalogCommands> m_scriptCatalogCommands;

    bool m_terminated = false;
    bool m_initialized = false;
    bool m_shutDown = false;
    bool m_settingsRead = false;
};

}  // namespace mv::gui
