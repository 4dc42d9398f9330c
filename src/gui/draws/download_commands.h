#pragma once

#include <QObject>

#include "engine/download/draws_download.h"

namespace mv::gui {

class ICommandHost;

// The draws download from the operator's site and the proxy settings it goes through: the
// actions "Загрузка" (DrawsDownload) and "Параметры proxy-сервера" (EditProxy), the download
// at start-up and for the "loadonly" switch.
// Runs on the user-interface thread only; the host outlives it.
class TDownloadCommands : public QObject {
    Q_OBJECT
public:
    explicit TDownloadCommands(ICommandHost& host);

    // The action: inside the busy frame and the wait window, DownloadDraws with the retry
    // question (one attempt when nobody can answer, in a run without a display), then the
    // stakes are checked against the archive, also after a failure. Without a configured
    // address it explains where to set one.
    void Download();
    // The start-up download by the stored mode (0 ask, 1 automatic, 2 off). Nothing is asked
    // or fetched while no address is configured: the explicit action explains that.
    void DownloadAtStart(int mode);
    // The proxy dialog; OK stores the settings at once.
    void EditProxy();

    // The result of the last download, for the views and tests.
    const TDownloadResult& LastResult() const { return m_last; }

private:
    // Runs after every download that succeeded (also when nothing new was found), inside the
    // busy frame, after the wait window closed and the stakes were checked, with the archive
    // already written: the one place for follow-up work on the new archive.
    void AfterSuccessfulDownload(const TDownloadResult& result);

    ICommandHost& m_host;
    TDownloadResult m_last;
};

}  // namespace mv::gui
