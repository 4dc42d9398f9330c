#pragma once

namespace mv::gui {

// Makes the toolkit speak Russian like the rest of the program: Russian as the default locale
// (day and month names of date pickers, number formats of widgets that take the default) and
// Qt's own Russian texts for its file dialogs, context menus and standard buttons. Call once
// after the application object exists and before the first window is made. Returns whether
// Qt's Russian texts were found; without them the toolkit's own texts stay English.
bool InstallRussianInterface();

}  // namespace mv::gui
