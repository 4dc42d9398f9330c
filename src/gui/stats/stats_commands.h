#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "engine/session/workspace.h"

class QWidget;

namespace mv::gui {

class ICommandHost;
class TStatsTab;

// The statistics tab and its commands: recalculating the table, applying the selected rows
// to the working list (F7 keeps, Ctrl+F7 removes), the comparison with the full set and its
// total line. The tab's view is registered with the host's recalculation dispatcher and
// follows the archive, the offset and the settings through the workspace's notifications.
// Runs on the user-interface thread only; the host outlives it.
class TStatsCommands : public QObject {
    Q_OBJECT
public:
    // Creates the tab as a child of `parent`; the host puts it into its page control.
    TStatsCommands(ICommandHost& host, QWidget* parent);
    ~TStatsCommands() override;

    TStatsTab* Tab() const { return m_tab; }
    // Reads the method names and favourites file at start and fills the method selector.
    void ReadMethodNames();
    // Builds the method list anew keeping favourites and user names, and refills the
    // selector (after the configuration changed the methods).
    void RebuildMethodList();
    // Shows the description page of a method (its registry index); the favourites manager's
    // "Описание" uses it.
    void SetMethodDescriber(std::function<void(int)> describe) { m_describe = std::move(describe); }

private:
    void BuildActions();
    void ApplySelection(bool removed);
    void TogglePrefetchs();
    void ToggleTotalLine();
    // The dialog "Методы шинковки": new formulas rename the shredding methods, recalculate the
    // views and rebuild the comparison files counted with the old ones.
    void EditShredding();
    // Recomputes the table now (the "Обновить" command and the options that change it).
    void Force();
    // "Избранные статистики": the favourites manager; a confirmed one rebuilds the method
    // list, starts both selectors at their first method and recalculates the views.
    void ManageFavorites();
    // "Все доступные статистики": every method favourite again, after a confirmation.
    void ResetFavorites();

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    TStatsTab* m_tab = nullptr;
    std::unique_ptr<TWorkspaceSubscription> m_subscription;
    std::function<void(int)> m_describe;
};

}  // namespace mv::gui
