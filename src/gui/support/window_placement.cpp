#include "gui/support/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "gui/support/window_settings.h"

namespace mv::gui {
namespace {

// No real window lies or measures beyond this: X11 itself carries coordinates in 16 bits.
// A stored value past it is damage, not a placement.
constexpr std::int64_t kLargestCoordinate = 32767;

TScreenSize ScreenOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen ? TScreenSize{screen->size().width(), screen->size().height()} : TScreenSize{};
}

// The stored normal bounds when they describe a window that some screen shows at least in
// part; nothing for bounds that are inverted, empty, absurdly large or off every screen.
std::optional<QRect> SaneBounds(const TRect& r) {
    const std::int64_t width = std::int64_t{r.Right} - r.Left;
    const std::int64_t height = std::int64_t{r.Bottom} - r.Top;
    if (std::llabs(r.Left) > kLargestCoordinate || std::llabs(r.Top) > kLargestCoordinate ||
        width < 1 || height < 1 || width > kLargestCoordinate || height > kLargestCoordinate) {
        return std::nullopt;
    }
    const QRect bounds(r.Left, r.Top, static_cast<int>(width), static_cast<int>(height));
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableVirtualGeometry().intersects(bounds)) return bounds;
    }
    return std::nullopt;
}

}  // namespace

int SaneStoredSize(int stored, int designed) {
    return stored >= 0 && stored <= kLargestCoordinate ? stored : designed;
}

std::vector<int> ReadSaneColumnWidths(const TWindowSettings& settings, const std::string& section,
                                      const std::string& listName, std::vector<int> widths) {
    const std::vector<int> stored = settings.ReadColumnWidths(section, listName, widths);
    for (std::size_t c = 0; c < widths.size() && c < stored.size(); ++c) {
        widths[c] = SaneStoredSize(stored[c], widths[c]);
    }
    return widths;
}

void SaveWindowPlacement(const QWidget& window, TWindowSettings& settings,
                         const std::string& section) {
    TWindowPlacement placement;
    placement.ShowCmd = window.isMaximized()   ? ShowCmdMaximized
                        : window.isMinimized() ? ShowCmdMinimized
                                               : ShowCmdNormal;
    placement.PixelsPerInch = window.logicalDpiX();
    const QRect r = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    placement.NormPos = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    settings.SavePlacement(section, placement, ScreenOf(window));
}

bool RestoreWindowPlacement(QWidget& window, const TWindowSettings& settings,
                            const std::string& section) {
    const auto stored = settings.RestorePlacement(section, ScreenOf(window), window.logicalDpiX());
    if (!stored) return false;
    if (const auto bounds =
            stored->ApplyBounds ? SaneBounds(stored->Placement.NormPos) : std::nullopt) {
        const bool fixedSize = window.minimumSize() == window.maximumSize();
        if (fixedSize) {
            window.move(bounds->topLeft());
        } else {
            window.setGeometry(*bounds);
        }
    }
    if (stored->Show == TShowState::Maximized) window.setWindowState(Qt::WindowMaximized);
    if (stored->Show == TShowState::Minimized) window.setWindowState(Qt::WindowMinimized);
    return true;
}

}  // namespace mv::gui
