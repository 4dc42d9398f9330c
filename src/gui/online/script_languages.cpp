#include "gui/online/script_languages.h"

#include "gui/support/tr.h"

namespace mv::gui {

std::vector<TScriptLanguage> ScriptLanguages() {
    return {{BuiltInScriptLanguage, Tr("Русский")}};
}

}  // namespace mv::gui
