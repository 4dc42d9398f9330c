// The main window's stored settings.
#include "core/template_main.h"

namespace mv::gui {

void TTemplateMain::RestoreSettings() {}
void TTemplateMain::SaveSettings() {}
void TTemplateMain::StoreViewOption(const QString& /*key*/, bool /*value*/) {}

}  // namespace mv::gui
