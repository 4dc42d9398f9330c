#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace mv::gui {

// A language a catalog scenario can be marked with: its Windows locale identifier and the
// name the publish dialog shows.
struct TScriptLanguage {
    std::int32_t Lcid = 0;
    QString Name;
};

// The languages the program has an interface module for, in the order the interface offers
// them. Russian is built in.
std::vector<TScriptLanguage> ScriptLanguages();

// The program's built-in language: the publish dialog falls back to it.
inline constexpr std::int32_t BuiltInScriptLanguage = 1049;

}  // namespace mv::gui
