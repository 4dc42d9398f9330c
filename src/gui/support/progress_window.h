#pragma once

#include <QString>

class QWidget;

namespace mv::gui {

// The process-wide progress window: a text line and a bar, borderless, centred on the
// screen, not modal. At most one exists; it offers no way to stop the work.
// User-interface thread only. Every call that changes it repaints it and lets pending
// events run once.

// Throws mv::EError "Окно индикатора уже создано!" when a progress window exists already
// (that window stays as it is). A negative maximum counts as 0.
void ShowProgress(const QString& text, int maximum);
// The three below do nothing when no progress window exists.
void SetProgressText(const QString& text);
// Advances the bar by n, never past its maximum (nor below 0).
void StepProgress(int n);
void HideProgress();

// The state of the progress window, for tests and for code that reports around it.
struct TProgressState {
    bool Shown = false;
    QString Text;
    int Position = 0;
    int Maximum = 0;
};
TProgressState ProgressState();
QWidget* ProgressWindow();

}  // namespace mv::gui
