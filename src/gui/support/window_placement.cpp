#include "support/window_placement.h"

#include <QScreen>
#include <QWidget>

#include "core/window_settings.h"

namespace mv::gui {
namespace {
TScreenSize ScreenOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen ? TScreenSize{screen->size().width(), screen->size().height()} : TScreenSize{};
}
}  // namespace

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

void RestoreWindowPlacement(QWidget& window, const TWindowSettings& settings,
                            const std::string& section) {
    const auto stored = settings.RestorePlacement(section, ScreenOf(window), window.logicalDpiX());
    if (!stored) return;
    if (stored->ApplyBounds) {
        const TRect& r = stored->Placement.NormPos;
        const bool fixedSize = window.minimumSize() == window.maximumSize();
        if (fixedSize) {
            window.move(r.Left, r.Top);
        } else {
            window.setGeometry(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top));
        }
    }
    if (stored->Show == TShowState::Maximized) window.setWindowState(Qt::WindowMaximized);
    if (stored->Show == TShowState::Minimized) window.setWindowState(Qt::WindowMinimized);
}

}  // namespace mv::gui
