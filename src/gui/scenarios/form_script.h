#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "engine/scenarios/script_line.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace mv::gui {

// "Элемент сценария": edits one scenario line — the comment, the starting list, the stake
// mode, the two flags and the seven filter texts.
class TFormScript : public QDialog {
    Q_OBJECT
public:
    // `editFilter` opens the filter editor on a filter text and gives the new text, or
    // nothing when the editor was cancelled.
    TFormScript(const QString& title, int excludeDraws,
                std::function<std::optional<std::string>(const std::string&)> editFilter,
                QWidget* parent = nullptr);

    // Fills the controls from a line text; an empty text leaves the defaults.
    void Load(const std::string& lineText);
    // The line text the controls make.
    std::string Result() const;
    // Opens the filter editor on filter box `index` (0..6).
    void EditFilter(int index);

    QLineEdit* CommentEdit() const { return m_comment; }
    QComboBox* ListModeBox() const { return m_listMode; }
    QSpinBox* ExcludeBox() const { return m_exclude; }
    QComboBox* StakeModeBox() const { return m_stakeMode; }
    QCheckBox* ClearBox() const { return m_clear; }
    QCheckBox* NewOnlyBox() const { return m_newOnly; }
    QLineEdit* FilterEdit(int index) const { return m_filters[static_cast<std::size_t>(index)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<std::optional<std::string>(const std::string&)> m_editFilter;
    QLineEdit* m_comment;
    QComboBox* m_listMode;
    QSpinBox* m_exclude;
    QComboBox* m_stakeMode;
    QCheckBox* m_clear;
    QCheckBox* m_newOnly;
    std::array<QLineEdit*, FiltersPerLine> m_filters{};
};

}  // namespace mv::gui
