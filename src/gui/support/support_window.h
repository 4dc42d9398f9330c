#pragma once

class QWidget;

namespace mv::gui {

// Shared look of the small borderless status windows (wait, progress): a raised frame so
// that the window stands out without a title bar.
void PrepareBorderlessWindow(QWidget* window);
// Moves the window to the centre of the screen it is on (the primary screen at first).
void CentreOnScreen(QWidget* window);
// Shows the window if hidden, repaints it, brings it to the front and lets pending events
// run once, so that the text is on the screen before the work goes on.
void RefreshWindow(QWidget* window);

}  // namespace mv::gui
