#pragma once

#include <QDialog>

class QComboBox;
class QSpinBox;

namespace mv::gui {

// "Удаление по условию": a comparison and a match count; the stakes whose match count
// compares true are deleted. Opens on "Равно [ = ]" and 0 every time.
class TFormStakeFilter : public QDialog {
    Q_OBJECT
public:
    explicit TFormStakeFilter(QWidget* parent = nullptr);

    // The comparison's index in the list (TStakeCondition) and the value.
    int Condition() const;
    int Value() const;

    QComboBox* ConditionBox() const { return m_condition; }
    QSpinBox* ValueBox() const { return m_value; }

private:
    QComboBox* m_condition;
    QSpinBox* m_value;
};

}  // namespace mv::gui
