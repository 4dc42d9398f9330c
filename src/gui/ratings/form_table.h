#pragma once

#include <QDialog>

#include "engine/ratings/regulars.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace mv::gui {

// "Добавление регулярной ставки": the comment, the base (a constant start or the previous
// draw), the start combination and the step of new regulars. The start box takes a
// combination only when exactly one combination of the working list is selected; with none
// or several it stands for them. OK checks the start, the comment and that no regular has
// that comment yet, and keeps the dialog open when something is wrong.
class TFormTable : public QDialog {
    Q_OBJECT
public:
    // `prepared`: the proposed comment, step and start; `selectedCount`: how many
    // combinations are selected; `existing`: the regulars the comment must differ from.
    TFormTable(const TTableRecord& prepared, int selectedCount, const TRegulars& existing,
               QWidget* parent = nullptr);

    QString Comment() const;
    bool UseLastDraw() const;
    int Step() const;
    // The start combination as checked by OK (zeros when the start box was not used).
    const TRegularComb& Start() const { return m_start; }

    QLineEdit* CommentEdit() const { return m_comment; }
    QRadioButton* UseMyCombButton() const { return m_useMyComb; }
    QRadioButton* UseLastDrawButton() const { return m_useLastDraw; }
    QLineEdit* StartEdit() const { return m_startEdit; }
    QSpinBox* StepBox() const { return m_step; }

    bool Validate();

public slots:
    void accept() override;

private:
    bool StartBoxUsed() const;
    void UpdateStartBox();

    const TRegulars& m_existing;
    int m_selectedCount;
    TRegularComb m_start{};
    QLineEdit* m_comment;
    QRadioButton* m_useMyComb;
    QRadioButton* m_useLastDraw;
    QLineEdit* m_startEdit;
    QSpinBox* m_step;
};

}  // namespace mv::gui
