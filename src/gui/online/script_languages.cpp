#include "gui/online/script_languages.h"

#include "gui/support/languages.h"

namespace mv::gui {

std::vector<TScriptLanguage> ScriptLanguages() {
    const QStringList names = LanguageNames();  // sets the languages up when that was never done
    const std::vector<int> lcids = AvailableLanguages();
    std::vector<TScriptLanguage> languages;
    for (std::size_t i = 0; i < lcids.size() && i < static_cast<std::size_t>(names.size()); ++i) {
        languages.push_back({lcids[i], names[static_cast<qsizetype>(i)]});
    }
    return languages;
}

}  // namespace mv::gui
