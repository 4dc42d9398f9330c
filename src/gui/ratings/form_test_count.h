#pragma once

#include <QDialog>

class QSpinBox;

namespace mv::gui {

// "Количество тестов": how many past draws a test runs over, 1 up to `maximum` (10 proposed).
class TFormTestCount : public QDialog {
    Q_OBJECT
public:
    explicit TFormTestCount(int maximum, QWidget* parent = nullptr);

    int Count() const;
    QSpinBox* CountBox() const { return m_count; }

private:
    QSpinBox* m_count;
};

}  // namespace mv::gui
