#include "gui/core/shortcut_router.h"

#include <QAction>
#include <QApplication>
#include <QShortcutEvent>
#include <QWidget>
#include <algorithm>

namespace mv::gui {

TShortcutRouter::TShortcutRouter(QObject* parent) : QObject(parent) {}

void TShortcutRouter::Share(QAction* action, QWidget* page) {
    if (!action || IsShared(action)) return;
    m_members.push_back({action, page, page != nullptr});
    // Qt delivers the key to one of the actions that share it (and, when several are enabled,
    // marks it ambiguous and runs none): every member hands the press to Resolve instead.
    action->installEventFilter(this);
}

bool TShortcutRouter::IsShared(const QAction* action) const {
    return std::any_of(m_members.begin(), m_members.end(),
                       [action](const TMember& m) { return m.Action == action; });
}

QAction* TShortcutRouter::Resolve(const QKeySequence& key) const {
    std::vector<const TMember*> inFront;
    std::vector<const TMember*> windowWide;
    for (const TMember& m : m_members) {
        if (!m.Action || !m.Action->isEnabled() || !m.Action->shortcuts().contains(key)) continue;
        if (!m.HasPage) {
            windowWide.push_back(&m);
        } else if (m.Page && m.Page->isVisible()) {
            inFront.push_back(&m);
        }
    }
    if (inFront.size() == 1) return inFront.front()->Action;
    if (inFront.empty()) {
        return windowWide.size() == 1 ? windowWide.front()->Action.data() : nullptr;
    }
    const QWidget* focus = QApplication::focusWidget();
    const TMember* focused = nullptr;
    for (const TMember* m : inFront) {
        if (!focus || !(m->Page == focus || m->Page->isAncestorOf(focus))) continue;
        if (focused) return nullptr;
        focused = m;
    }
    return focused ? focused->Action.data() : nullptr;
}

bool TShortcutRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Shortcut || !IsShared(qobject_cast<QAction*>(watched))) {
        return QObject::eventFilter(watched, event);
    }
    if (QAction* action = Resolve(static_cast<QShortcutEvent*>(event)->key())) action->trigger();
    return true;
}

}  // namespace mv::gui
