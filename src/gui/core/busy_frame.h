#pragma once

#include <QString>

namespace mv::gui {

class TTemplateMain;

// The frame of a long operation on the desktop: the busy counter raised (every action
// disabled, the wait cursor), the status text shown in panel 6; on leaving, also through an
// exception, the status cleared and the counter lowered.
class TBusyFrame {
public:
    TBusyFrame(TTemplateMain& window, const QString& status);
    ~TBusyFrame();
    TBusyFrame(const TBusyFrame&) = delete;
    TBusyFrame& operator=(const TBusyFrame&) = delete;

private:
    TTemplateMain& m_window;
    bool m_hasStatus;
};

// Raises and lowers the process-wide busy counter with the wait cursor.
void GuiBeginBusy();
void GuiEndBusy();

}  // namespace mv::gui
