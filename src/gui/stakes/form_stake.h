#pragma once

#include <QDialog>

#include "engine/stakes/stake_record.h"

class QLineEdit;
class QSpinBox;

namespace mv::gui {

// "Добавление ставки": the draw, the five numbers, their running sum, the number of draws and
// the comment of one new stake. OK validates and keeps the dialog open when something is
// wrong.
class TFormStake : public QDialog {
    Q_OBJECT
public:
    TFormStake(const TStakeRecord& stake, QWidget* parent = nullptr);

    // The record passed in with the draw, the comment and the numbers (ascending) replaced;
    // valid after a successful Validate().
    const TStakeRecord& Result() const { return m_result; }
    int DrawsCount() const;
    // Checks as OK does: five different numbers of 1..36 ("Введена некорректная комбинация!",
    // focus on the numbers), then a comment ("Необходимо ввести комментарий!", focus on it).
    bool Validate();

    QSpinBox* DrawBox() const { return m_draw; }
    QLineEdit* StakeEdit() const { return m_stake; }
    QLineEdit* SumEdit() const { return m_sum; }
    QSpinBox* DrawsBox() const { return m_draws; }
    QLineEdit* CommentEdit() const { return m_comment; }

public slots:
    void accept() override;

private:
    TStakeRecord m_result;
    QSpinBox* m_draw;
    QLineEdit* m_stake;
    QLineEdit* m_sum;
    QSpinBox* m_draws;
    QLineEdit* m_comment;
};

}  // namespace mv::gui
