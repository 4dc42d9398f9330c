#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "engine/session/workspace.h"

namespace mv::gui {

class ICommandHost;
class TCombsTab;

// The commands of the combinations tab: generation, files, clipboard, list tools, undo and
// the combination information dialog. It owns their actions and keeps the tab and status
// panel 3 in step with the working list through the workspace's notifications.
// Runs on the user-interface thread only; the host and the tab outlive it.
class TCombsCommands : public QObject {
    Q_OBJECT
public:
    TCombsCommands(ICommandHost& host, TCombsTab& tab);
    ~TCombsCommands() override;

    // Reads a combination file into the working list (the open command without its dialog).
    void ReadFile(const QString& file);
    // The list the program starts with: the stored generation settings.
    void GenerateDefault();

private:
    void BuildActions();
    void Generate();
    void OpenFile();
    void SaveFile();
    void ShowInfo();
    // The list was replaced as a whole: no selection, back at the top.
    void ResetView();
    void FollowList();

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    TCombsTab& m_tab;
    std::unique_ptr<TWorkspaceSubscription> m_subscription;
};

}  // namespace mv::gui
