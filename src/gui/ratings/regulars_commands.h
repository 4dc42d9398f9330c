#pragma once

#include <QObject>
#include <memory>

#include "engine/ratings/regulars.h"
#include "engine/session/workspace.h"

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

class ICommandHost;
class TCombsTab;
class TRegularsTab;

// The regular stakes: their tab, the file, and the commands that add and delete regulars,
// make a stake from one and test them over past draws. The regulars live here, and only
// while the tab is shown: hiding it empties them, showing it reads the file again.
// Runs on the user-interface thread only; the host and the combinations tab outlive it.
class TRegularsCommands : public QObject {
    Q_OBJECT
public:
    TRegularsCommands(ICommandHost& host, TCombsTab& combs, QWidget* parent);
    ~TRegularsCommands() override;

    TRegularsTab* Tab() const { return m_tab; }
    const TRegulars& Regulars() const { return m_regulars; }
    bool Shown() const { return m_shown; }

    // The tab was shown or hidden: hiding empties the regulars; showing reads the file when
    // `load` (at start-up the file is read later, by Load).
    void SetTabShown(bool shown, bool load);
    // Reads the file while the tab is shown (status "Загрузка файла регулярных ставок...").
    void Load();

    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

private:
    void BuildActions();
    // Rewrites the file while the tab is shown and repaints the list.
    void Save();
    void Add();
    void Delete();
    void MakeStake();
    void Test();

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    TCombsTab& m_combs;
    TRegulars m_regulars;
    TRegularsTab* m_tab;
    bool m_shown = true;
};

}  // namespace mv::gui
