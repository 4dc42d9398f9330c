#pragma once

#include <string>

#include "engine/support/ui_hooks.h"

namespace mv {

// Shows the progress window for the lifetime of the guard and hides it afterwards, also when
// the work throws.
class TProgressGuard {
public:
    TProgressGuard(IUiHooks& hooks, const std::string& text, int maximum) : m_hooks(hooks) {
        m_hooks.ShowProgress(text, maximum);
    }
    ~TProgressGuard() { m_hooks.HideProgress(); }
    TProgressGuard(const TProgressGuard&) = delete;
    TProgressGuard& operator=(const TProgressGuard&) = delete;
    void Step() { m_hooks.StepProgress(1); }

private:
    IUiHooks& m_hooks;
};

}  // namespace mv
