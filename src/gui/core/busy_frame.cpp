#include "gui/core/busy_frame.h"

#include <QApplication>

#include "engine/support/busy.h"
#include "gui/core/template_main.h"

namespace mv::gui {

void GuiBeginBusy() {
    const bool wasIdle = IsIdle();
    BeginBusy();
    if (wasIdle) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void GuiEndBusy() {
    const bool wasBusy = !IsIdle();
    EndBusy();
    if (wasBusy && IsIdle()) QApplication::restoreOverrideCursor();
}

TBusyFrame::TBusyFrame(TTemplateMain& window, const QString& status)
    : m_window(window), m_hasStatus(!status.isEmpty()) {
    GuiBeginBusy();
    m_window.UpdateActions();
    if (m_hasStatus) m_window.ShowStatus(status);
}

TBusyFrame::~TBusyFrame() {
    if (m_hasStatus) m_window.ShowStatus(QString());
    GuiEndBusy();
    m_window.UpdateActions();
}

}  // namespace mv::gui
