#pragma once

#include <QString>

class QWidget;

namespace mv::gui {

// The process-wide wait window for a long step that has no progress to show: borderless,
// centred on the screen, not modal. Created on first use and reused until HideWait.
// User-interface thread only.
void ShowWait(const QString& text);
// Destroys the wait window; does nothing when there is none.
void HideWait();

// The wait window while it exists, else nullptr (for tests and for placing other windows).
QWidget* WaitWindow();
QString WaitText();

}  // namespace mv::gui
