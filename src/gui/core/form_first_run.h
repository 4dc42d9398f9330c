#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

class QCheckBox;

namespace mv::gui {

// "Справочная информация": shown at start while the stored "FirstRun" flag is set. A button
// opens the help, the others the maker's pages; each button is enabled when its command is.
class TFormFirstRun : public QDialog {
    Q_OBJECT
public:
    struct TButton {
        QString Caption;
        bool Enabled = false;
        std::function<void()> Open;
    };
    TFormFirstRun(const std::vector<TButton>& buttons, QWidget* parent);

    // "Больше не показывать данный диалог".
    QCheckBox* DontShowAgain() const { return m_dontShow; }

private:
    QCheckBox* m_dontShow = nullptr;
};

}  // namespace mv::gui
