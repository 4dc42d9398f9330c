#pragma once

#include <QDialog>

class QSpinBox;

namespace mv::gui {

// "Количество тестов": how many passes a test runs, from 1 to `maximum` (10 at first, never
// above the maximum). Used by the scenario test and the test of regular stakes.
class TFormTestCnt : public QDialog {
    Q_OBJECT
public:
    explicit TFormTestCnt(int maximum, QWidget* parent = nullptr);

    // The chosen number of passes.
    int Count() const;
    QSpinBox* CountBox() const { return m_count; }

private:
    QSpinBox* m_count;
};

}  // namespace mv::gui
