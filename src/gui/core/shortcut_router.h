#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QAction;
class QKeySequence;
class QWidget;

namespace mv::gui {

// Window-wide shortcuts that several actions share (Ctrl+Del deletes combinations, scenario
// lines or stakes): a key press runs the enabled action whose page is in front. When the
// pages of several such actions are in front at once (the two page controls each show one),
// the page holding the focus decides. An action that belongs to no page (a dialog of the
// whole window) runs when no page's action is in front. When nothing decides, the key does
// nothing rather than act somewhere the user is not looking.
class TShortcutRouter : public QObject {
    Q_OBJECT
public:
    explicit TShortcutRouter(QObject* parent = nullptr);

    // `action` shares its shortcuts and acts on `page` (nullptr: on the whole window).
    void Share(QAction* action, QWidget* page);
    bool IsShared(const QAction* action) const;
    // The action a press of `key` runs now, or nullptr.
    QAction* Resolve(const QKeySequence& key) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TMember {
        QPointer<QAction> Action;
        QPointer<QWidget> Page;
        bool HasPage = false;
    };
    std::vector<TMember> m_members;
};

}  // namespace mv::gui
