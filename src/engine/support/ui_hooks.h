#pragma once

#include <string>

namespace mv {

// Fixed kinds of message boxes and their captions.
enum class TMessageKind { Error, Info, Warning, Caution };
// Kinds of yes/no questions: which caption is used and which button is the default.
enum class TAskKind {
    YesNo,             // caption given by the caller, Yes is the default
    YesNoDefaultNo,    // caption given by the caller, No is the default
    Confirm,           // "Подтверждение", Yes is the default
    ConfirmDefaultNo,  // "Подтверждение", No is the default
    ConfirmDelete,     // "Предупреждение", No is the default
};

const char* MessageCaption(TMessageKind kind);
// The caption a question of this kind shows; `callerCaption` for the two caller kinds.
std::string AskCaption(TAskKind kind, const std::string& callerCaption);
// "Удалить выделенную запись?" for 1, the plural text with the count otherwise.
std::string ConfirmDeleteText(int count);

// How the engine talks back to a person. The desktop program implements it with its status
// bar, windows and message boxes, the command line with stderr, tests with a recorder.
// Every call happens on the thread that runs the engine operation.
class IUiHooks {
public:
    virtual ~IUiHooks() = default;

    // The status line (the last status panel); an empty text clears it.
    virtual void ShowStatus(const std::string& text) = 0;
    // Lets pending events run; returns true when a stop was requested.
    virtual bool Checkpoint() = 0;

    virtual void ShowWait(const std::string& text) = 0;
    virtual void HideWait() = 0;
    // Throws EError "Окно индикатора уже создано!" when a progress window exists.
    virtual void ShowProgress(const std::string& text, int maximum) = 0;
    virtual void SetProgressText(const std::string& text) = 0;
    virtual void StepProgress(int n) = 0;
    virtual void HideProgress() = 0;

    virtual void ShowMessage(TMessageKind kind, const std::string& text) = 0;
    // Returns true for Yes.
    virtual bool Ask(TAskKind kind, const std::string& caption, const std::string& question) = 0;
};

// Does nothing and answers every question with its default button.
class TSilentUiHooks : public IUiHooks {
public:
    void ShowStatus(const std::string&) override {}
    bool Checkpoint() override { return false; }
    void ShowWait(const std::string&) override {}
    void HideWait() override {}
    void ShowProgress(const std::string&, int) override {}
    void SetProgressText(const std::string&) override {}
    void StepProgress(int) override {}
    void HideProgress() override {}
    void ShowMessage(TMessageKind, const std::string&) override {}
    bool Ask(TAskKind kind, const std::string&, const std::string&) override {
        return kind == TAskKind::YesNo || kind == TAskKind::Confirm;
    }
};

// Shows a status text for the lifetime of the guard and clears it afterwards, also when the
// work throws.
class TStatusGuard {
public:
    TStatusGuard(IUiHooks& hooks, const std::string& text) : m_hooks(hooks) {
        m_hooks.ShowStatus(text);
    }
    ~TStatusGuard() { m_hooks.ShowStatus(std::string()); }
    TStatusGuard(const TStatusGuard&) = delete;
    TStatusGuard& operator=(const TStatusGuard&) = delete;

private:
    IUiHooks& m_hooks;
};

}  // namespace mv
