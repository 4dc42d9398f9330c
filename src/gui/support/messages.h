#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "engine/support/ui_hooks.h"

class QWidget;

namespace mv::gui {

// Engine texts mark line breaks with "\r" (and "\r\n"); widgets want "\n".
QString DisplayText(const std::string& engineText);
QString DisplayText(const QString& text);
inline QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

// One message box as it was shown (or, in test mode, would have been shown).
struct TShownMessage {
    QString Caption;
    QString Text;
    bool Question = false;
    bool DefaultNo = false;
};

// The message boxes of fixed kinds and captions. Every box of the program goes through here.
// In test mode nothing modal is opened: boxes are recorded and questions are answered from a
// queue (Yes when the queue is empty), so GUI tests never block.
// In console mode (a batch run without a display, where nobody could answer a box) every box
// is written to standard error instead, questions take their default answer, and an error box
// marks the run as failed: the caller ends the run at its next step and exits with
// ExitStatus(). Test mode takes precedence.
class TMessages {
public:
    static void ShowMessage(TMessageKind kind, const QString& text, QWidget* parent = nullptr);
    static void ShowError(const QString& text, QWidget* parent = nullptr) {
        ShowMessage(TMessageKind::Error, text, parent);
    }
    static void ShowInfo(const QString& text, QWidget* parent = nullptr) {
        ShowMessage(TMessageKind::Info, text, parent);
    }
    // Returns true for Yes.
    static bool Ask(TAskKind kind, const QString& caption, const QString& question,
                    QWidget* parent = nullptr);
    static bool ConfirmDelete(int count, QWidget* parent = nullptr);

    static void SetConsoleMode(bool on);
    static bool ConsoleMode();
    // In console mode, records a failure with this exit status unless one was recorded
    // before (an error box records 1); does nothing otherwise.
    static void NoteFailure(int exitStatus);
    // 0 until a failure was recorded in console mode, then that failure's status.
    static int ExitStatus();

    static void SetTestMode(bool on);
    static bool TestMode();
    static std::vector<TShownMessage>& Recorded();
    static void QueueAnswer(bool yes);
};

}  // namespace mv::gui
