#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "engine/online/online_service.h"
#include "engine/online/system_catalog.h"

class QMenu;
class QTabWidget;

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

class ICommandHost;
class TSystemsTab;

// The "Системы" tab and its commands: the catalog's list loaded from the web service, the
// download of systems into the local system files, publishing, changing and deleting the
// user's own systems through the system dialog, and the tab's visibility, which the two
// system-stake commands follow. Every request runs inside the busy frame.
// Runs on the user-interface thread only; the host and the page control outlive it.
class TSystemsCommands : public QObject {
    Q_OBJECT
public:
    TSystemsCommands(ICommandHost& host, QTabWidget& pages);
    ~TSystemsCommands() override;

    TSystemsTab* Tab() const { return m_tab; }
    // The menu "Системы", filled by the window; shown by SetUp.
    void SetMenu(QMenu* menu) { m_menu = menu; }

    // The start-up set-up: the menu shown, the tab shown as stored and, when shown, its list
    // loaded. Without a configured service nothing is asked at start: the list shows that no
    // catalog is available, and "Обновить" says why.
    void SetUp(bool shown);
    bool TabShown() const;
    // Shows or hides the tab with the system-stake commands; checks "Системная игра".
    void SetTabShown(bool shown);

    // The commands (also their actions').
    void Refresh();
    void Download();
    void Add();
    void Properties();
    void Delete();
    void Toggle();

    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

private:
    void BuildActions();
    TOnlineService Service() const;
    std::filesystem::path DataDir() const;
    // Loads the list, keeping the selected entry selected; rows read before a failure stay.
    void LoadList(bool atStart);
    void FillRows(const std::vector<TSystemInfo>& rows, const std::string& userMail);
    // The selected row that holds a catalog entry, or -1.
    int SelectedEntryRow() const;
    // A state from the entry and its local file.
    TSystemRowState StateOf(const TSystemInfo& info, const std::string& userMail) const;
    // Runs `work`; a failure is shown as `message` with the reason.
    void Guarded(const QString& message, const std::function<void()>& work);
    // Freezes the list's painting for the lifetime of the guard.
    class TFreeze;

    ICommandHost& m_host;
    QTabWidget& m_pages;
    TSystemsTab* m_tab;
    QMenu* m_menu = nullptr;
};

}  // namespace mv::gui
