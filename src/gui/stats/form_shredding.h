#pragma once

#include <QDialog>
#include <array>

#include "engine/support/config_file.h"

class QLineEdit;
class QSpinBox;

namespace mv::gui {

// The dialog "Методы шинковки": the three shredding formulas and the decimal digits kept of
// each formula's value. Any formula text is taken (one that does not evaluate gives the value
// 0); the digit counts run from 1 to 5.
class TFormShredding : public QDialog {
    Q_OBJECT

public:
    explicit TFormShredding(const TShreddingSettings& current, QWidget* parent = nullptr);

    // The settings as OK takes them from the controls.
    TShreddingSettings Result() const;

    QLineEdit* FormulaEdit(int i) const { return m_formulas.at(static_cast<std::size_t>(i)); }
    QSpinBox* DigitsEdit(int i) const { return m_digits.at(static_cast<std::size_t>(i)); }

private:
    std::array<QLineEdit*, 3> m_formulas{};
    std::array<QSpinBox*, 3> m_digits{};
};

}  // namespace mv::gui
