#pragma once

#include <QString>
#include <functional>

#include "engine/support/ui_hooks.h"

class QWidget;

namespace mv::gui {

// The engine's user-interface hooks on the desktop: the status panel, the wait and progress
// windows and the message boxes. Runs on the user-interface thread only.
class TGuiUiHooks : public IUiHooks {
public:
    TGuiUiHooks(std::function<void(const QString&)> showStatus, QWidget* parent)
        : m_showStatus(std::move(showStatus)), m_parent(parent) {}

    void ShowStatus(const std::string& text) override;
    bool Checkpoint() override;
    void ShowWait(const std::string& text) override;
    void HideWait() override;
    void ShowProgress(const std::string& text, int maximum) override;
    void SetProgressText(const std::string& text) override;
    void StepProgress(int n) override;
    void HideProgress() override;
    void ShowMessage(TMessageKind kind, const std::string& text) override;
    bool Ask(TAskKind kind, const std::string& caption, const std::string& question) override;

    // Set by the stop command of a running operation; read at its next checkpoint.
    bool StopRequested = false;

private:
    std::function<void(const QString&)> m_showStatus;
    QWidget* m_parent;
};

}  // namespace mv::gui
