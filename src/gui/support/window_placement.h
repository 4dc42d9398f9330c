#pragma once

#include <string>
#include <vector>

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
// same pixel density and only when they are sane (a positive size no screen could exceed,
// at least partly on a screen), else the window keeps its designed bounds. A dialog with a
// fixed size takes only the position. Returns whether the section held a placement.
bool RestoreWindowPlacement(QWidget& window, const TWindowSettings& settings,
                            const std::string& section);

// A panel size or column width read from the window-settings file, or `designed` when the
// stored value cannot be one (negative, or larger than any screen).
int SaneStoredSize(int stored, int designed);
// The stored widths of a list's columns (TWindowSettings::ReadColumnWidths); a column whose
// stored width is missing or no sane size keeps the width given.
std::vector<int> ReadSaneColumnWidths(const TWindowSettings& settings, const std::string& section,
                                      const std::string& listName, std::vector<int> widths);

}  // namespace mv::gui
