#include "gui/core/gui_hooks.h"

#include <QCoreApplication>

#include "gui/support/messages.h"
#include "gui/support/progress_window.h"
#include "gui/support/wait_window.h"

namespace mv::gui {

void TGuiUiHooks::ShowStatus(const std::string& text) { m_showStatus(Q(text)); }

bool TGuiUiHooks::Checkpoint() {
    QCoreApplication::processEvents();
    return StopRequested;
}

void TGuiUiHooks::ShowWait(const std::string& text) { gui::ShowWait(Q(text)); }
void TGuiUiHooks::HideWait() { gui::HideWait(); }
void TGuiUiHooks::ShowProgress(const std::string& text, int maximum) {
    gui::ShowProgress(Q(text), maximum);
}
void TGuiUiHooks::SetProgressText(const std::string& text) { gui::SetProgressText(Q(text)); }
void TGuiUiHooks::StepProgress(int n) { gui::StepProgress(n); }
void TGuiUiHooks::HideProgress() { gui::HideProgress(); }

void TGuiUiHooks::ShowMessage(TMessageKind kind, const std::string& text) {
    TMessages::ShowMessage(kind, Q(text), m_parent);
}

bool TGuiUiHooks::Ask(TAskKind kind, const std::string& caption, const std::string& question) {
    return TMessages::Ask(kind, Q(caption), Q(question), m_parent);
}

}  // namespace mv::gui
