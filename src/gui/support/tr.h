#pragma once

#include <QCoreApplication>
#include <QString>

namespace mv::gui {

// Every text the desktop program shows passes through Tr. The source texts are Russian (the
// base language, built into the program); a language module translates them. Write the text as
// one literal at the call, so that the translation tools find it: Tr("Открыть файл %1").arg(name).
inline QString Tr(const char* sourceText) {
    return QCoreApplication::translate("Marvolet", sourceText);
}

// The same with a note for translators that tells apart equal Russian texts of different
// meaning: Tr("Выход", "menu item"). The note is part of the key.
inline QString Tr(const char* sourceText, const char* disambiguation) {
    return QCoreApplication::translate("Marvolet", sourceText, disambiguation);
}

// Marks a text of a table that is built before any language is loaded (a namespace-scope
// constant): the translation tools collect it, and the table's user shows it through Tr.
constexpr const char* TrNoop(const char* sourceText) {
    return sourceText;
}

}  // namespace mv::gui
