#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <vector>

namespace mv::gui {

// The interface languages of the desktop program. Languages are named by Windows locale
// identifiers (1049 Russian, 1033 English (United States), ...), as the stored "Language"
// setting and the maker's web service know them.
//
// Russian, the base language, is built in: every source text is Russian. Any other language
// is a language module beside the program, a Qt translation file named after the program
// file: its path without the extension, "_", the locale's three-letter abbreviation, ".qm"
// (Marvolet_5z36_ENU.qm for 1033). One module holds the translations of the desktop's texts
// (context "Marvolet") and of the engine's message catalogue (context "engine").
//
// Loading a language installs its module, Qt's own translations of the toolkit's texts (file
// dialogs, standard buttons, context menus) for that language, the engine's translated
// message texts, and the language's locale as the default (day and month names). Windows take
// their texts when they are built, so the language is loaded before the main window is made;
// a later choice is stored and takes effect at the next start.
//
// Process-wide state; user-interface thread only.

inline constexpr int BaseLanguageId = 1049;

// The program file whose name the module names follow (the running executable unless set).
void SetLanguageProgramPath(const std::filesystem::path& programPath);

// The module file of a language: for the base language, the program file itself.
std::filesystem::path LanguageModuleFile(int lcid);

// Base and current language := base; builds the list of available languages; then
// SwitchLanguage(wanted) without showing a missing module (a stored language whose module has
// gone falls back to the base language silently).
void InitLanguages(int base, int wanted);
// Makes lcid the current language; when its module is missing or cannot be loaded, the base
// language instead. With showErrors a missing module is reported; a module that exists but
// cannot be loaded is always reported. Returns the language now current.
int SwitchLanguage(int lcid, bool showErrors);

int CurrentLanguage();
int BaseLanguage();
// Available languages in ascending order: every known locale with a module file beside the
// program, and always the base language.
std::vector<int> AvailableLanguages();
// LocaleLanguageName of every available language, in list order (initialising the languages
// with the base language first when that was never done).
QStringList LanguageNames();
// The position of lcid in the available list, else that of fallback, else -1.
int LanguageIndex(int lcid, int fallback);
// The identifier at that position, or def for a position outside the list.
int LanguageAt(int index, int def);
// Nothing for the base language or an existing module; otherwise throws EError with
// "Языковый модуль "<file>" не найден!".
void CheckLanguageModule(int lcid);
// The primary language of an identifier (its low 10 bits): 9 for every English variant.
constexpr int PrimaryLanguage(int lcid) {
    return lcid & 0x3ff;
}

// Locale helpers over the program's table of locales; each gives the empty text (or the
// stated default) for an identifier the table does not hold.
// The abbreviated language name, at most 3 characters ("RUS" for 1049, "ENU" for 1033).
QString LocaleAbbreviation(int lcid);
// The language's name in the interface language ("Английский (США)", or in English
// "English (United States)").
QString LocaleLanguageName(int lcid);
// The default ANSI code page (1251 for Russian), 0 when unknown.
int LocaleCodePage(int lcid);
// The font character set of that code page (204 for 1251); 1 (the default set) when none.
int LocaleCharset(int lcid);
// The Qt locale of the identifier; the C locale when unknown.
QLocale LocaleOf(int lcid);
// The locale of the current language: day and month names, language names.
QLocale InterfaceLocale();

}  // namespace mv::gui
