#include "gui/support/support_window.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace mv::gui {

void PrepareBorderlessWindow(QWidget* window) {
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window->setWindowModality(Qt::NonModal);
    // The window must not take the keyboard away from the main window while the work runs.
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    if (auto* frame = qobject_cast<QFrame*>(window)) {
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(2);
    }
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void RefreshWindow(QWidget* window) {
    if (!window->isVisible()) window->show();
    window->repaint();
    window->raise();
    QCoreApplication::processEvents();
}

}  // namespace mv::gui
