#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/records.h"

class QWidget;

namespace mv::gui {
class TFormMain;
}

namespace mv::gui::test {

// `count` draws numbered 1.., each five consecutive numbers (wrapping at 36) after the last.
TDrawsArray SyntheticDraws(int count);

// A main window on the data directory `dir` with the program arguments `args`, shown, after
// its deferred start-up has run (or the run was ended, as on a lock failure).
std::unique_ptr<TFormMain> StartMainWindow(const QString& dir, std::vector<std::string> args = {});

// Puts the message boxes into test mode (nothing modal opens; boxes are recorded, questions
// answered from a queue) and clears what was recorded so far.
void EnableMessageTestMode();
// Texts of the message boxes recorded since test mode was enabled, oldest first.
QStringList RecordedMessageTexts();
// The text of the last recorded box, or an empty text.
QString LastMessageText();

// Saves a picture of the widget into the directory named by MV_GUI_SCREENSHOT_DIR, if set;
// returns the file path or an empty text.
QString SaveScreenshot(QWidget* widget, const QString& fileName);

}  // namespace mv::gui::test
