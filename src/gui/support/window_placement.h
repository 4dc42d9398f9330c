#pragma once

#include <string>

class QWidget;

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

// Stores a window's placement (normal bounds and show state) under its section of the
// window-settings file, for this screen size and as the plain keys.
void SaveWindowPlacement(const QWidget& window, TWindowSettings& settings,
                         const std::string& section);
// Applies the stored placement, preferring this screen size's keys; the bounds only at the
// same pixel density. A dialog with a fixed size takes only the position.
void RestoreWindowPlacement(QWidget& window, const TWindowSettings& settings,
                            const std::string& section);

}  // namespace mv::gui
