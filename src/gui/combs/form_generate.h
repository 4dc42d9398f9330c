#pragma once

#include <QDialog>

#include "engine/support/config_file.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

namespace mv::gui {

// "Создание нового списка комбинаций": the generation mode, my numbers or a file name, and
// whether the choice becomes the default.
class TFormGenerate : public QDialog {
    Q_OBJECT
public:
    TFormGenerate(const TGenerateSettings& defaults, QWidget* parent = nullptr);

    TGenerateSettings Result() const;
    bool SaveAsDefault() const;

    QComboBox* ModeBox() const { return m_mode; }
    QLineEdit* ParametersEdit() const { return m_parameters; }
    QToolButton* BrowseButton() const { return m_browse; }
    QCheckBox* DefaultBox() const { return m_default; }

    // The texts of the five generation modes.
    static QStringList ModeTexts();

private:
    void UpdateEnabled();
    void Browse();

    QComboBox* m_mode;
    QLineEdit* m_parameters;
    QToolButton* m_browse;
    QCheckBox* m_default;
};

}  // namespace mv::gui
