#pragma once

#include <QDialog>
#include <functional>
#include <type_traits>
#include <vector>

namespace mv::gui {

// The one seam through which tests answer the program's modal dialogs. The window asks it
// before running a dialog; a handler registered for the dialog's class takes the dialog
// instead of a modal loop and says whether it counts as accepted.
//
//   window->Dialogs().On<TDrawDialog>([](TDrawDialog& d) { ...; return true; });
//
// A handler that returns nothing leaves the dialog not accepted (information windows).
class TDialogRunner {
public:
    template <class TDialog, class THandler>
    void On(THandler handler) {
        m_handlers.push_back([handler](QDialog& dialog, bool& accepted) mutable {
            auto* typed = qobject_cast<TDialog*>(&dialog);
            if (!typed) return false;
            if constexpr (std::is_void_v<decltype(handler(*typed))>) {
                handler(*typed);
                accepted = false;
            } else {
                accepted = handler(*typed);
            }
            return true;
        });
    }
    void Clear() { m_handlers.clear(); }

    // Whether a handler took the dialog; then `accepted` holds its answer. The newest handler
    // for a class wins.
    bool TryRun(QDialog& dialog, bool& accepted) {
        for (auto it = m_handlers.rbegin(); it != m_handlers.rend(); ++it) {
            if ((*it)(dialog, accepted)) return true;
        }
        return false;
    }

private:
    std::vector<std::function<bool(QDialog&, bool&)>> m_handlers;
};

}  // namespace mv::gui
