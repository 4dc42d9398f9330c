#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/online/script_catalog.h"

class QMenu;
class QSplitter;

namespace mv {
class TWindowSettings;
class TWorkspace;
}  // namespace mv

namespace mv::gui {

class ICommandHost;
class TScriptCatalogPanel;
class TScriptTab;

// The online scenario catalog in the desktop program: the panel under the scenario list and
// its commands (the actions "ScriptLibrary..."): loading the list by the filter, downloading
// an entry into the current scenario, publishing the current scenario, replacing and deleting
// own entries, the properties, rating, hiding and the ratings of an entry. The service and the
// user come from section ONLINE of the configuration file, read afresh for every request.
// Runs on the user-interface thread only; the host and the scenario tab outlive it.
class TScriptCatalogCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int DesignedPanelHeight = 223;

    // Puts the panel under the scenario tab's list and adds the actions.
    TScriptCatalogCommands(ICommandHost& host, TScriptTab& scriptTab);
    ~TScriptCatalogCommands() override;

    // The sub-menu "Online-каталог сценариев", added at the end of `parent` (the scenario menu).
    void AddMenu(QMenu& parent);
    // The list's load at the end of start-up (not in a batch run). Without a configured
    // service the panel says so; nothing is asked and no error is shown.
    void SetUpAtStart();

    // "ScriptLibraryOn", the list's sort order and column widths; the height and the filter.
    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

    TScriptCatalogPanel* Panel() const { return m_panel; }
    bool PanelShown() const { return m_shown; }

    // The commands (each also an action).
    void LoadList();
    void TogglePanel();
    void Download();
    void Publish();
    void Replace();
    void Delete();
    void View();
    void ShowRatings();
    // 1..5 after the comment box, 0 removes the own rating, -1 hides the entry.
    void Rate(std::int32_t value);

private:
    class TRequestHooks;

    void BuildActions();
    void ShowPanel(bool shown);
    // The service as the configuration file names it now; throws its read error.
    TOnlineService Service() const;
    std::optional<TScriptInfo> Selected() const;
    // Opens the properties dialog on `data`; editable dialogs check the title with `service`.
    bool EditProperties(TScriptData& data, bool readOnly, const TOnlineService* service);
    // The check marks of the rating actions follow the selected entry's own rating.
    void UpdateChecks();

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    std::unique_ptr<TRequestHooks> m_requestHooks;
    TScriptCatalogPanel* m_panel = nullptr;
    QSplitter* m_splitter = nullptr;
    QMenu* m_rateMenu = nullptr;
    bool m_shown = true;
    int m_panelHeight = DesignedPanelHeight;
};

}  // namespace mv::gui
