#pragma once

#include <QLocale>

namespace mv::gui {

// The locale of every number field a dialog edits: its decimal separator is the program's
// (DecimalSeparator()), so the same value reads alike in every dialog and in the files.
QLocale NumberLocale();

}  // namespace mv::gui
