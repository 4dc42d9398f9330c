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

}  // namespace mv::gui
