#pragma once

#include <QDialog>

#include "engine/core/records.h"

class QSpinBox;
class QLineEdit;
class QDateEdit;
class QTimeEdit;

namespace mv::gui {

// "Данные тиража": the number, the five numbers and the extra number as one line, the date
// and time. OK validates the line and keeps the dialog open when it is wrong.
class TDrawDialog : public QDialog {
    Q_OBJECT
public:
    // Throws EConvertError when the draw's stored date text is not a valid date (the caller
    // shows it and does not open the dialog).
    TDrawDialog(const TDrawRec& draw, QWidget* parent = nullptr);

    // The record built from the controls; valid after a successful Validate().
    TDrawRec Result() const { return m_result; }
    // Validates the controls as OK does: on failure shows "Введена некорректная комбинация!",
    // focuses the numbers field and returns false.
    bool Validate();

    QSpinBox* NumberBox() const { return m_number; }
    QLineEdit* NumbersEdit() const { return m_numbers; }
    QDateEdit* DateEdit() const { return m_date; }
    QTimeEdit* TimeEdit() const { return m_time; }

public slots:
    void accept() override;

private:
    TDrawRec m_result;
    QSpinBox* m_number;
    QLineEdit* m_numbers;
    QDateEdit* m_date;
    QTimeEdit* m_time;
};

}  // namespace mv::gui
